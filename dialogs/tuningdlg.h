#pragma once

#include "music/tuning.h"

#include <QDialog>

class QLineEdit;

// Asks for a tuning of 4 to 8 notes, lowest string first. OK reads them; an entry that is not
// a note, or a count outside 4 to 8, is refused with a message that names it, and the dialog
// stays open with the text as typed.
class CTuningDlg : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CTuningDlg)

public:
    explicit CTuningDlg(const TuningMidi& current, QWidget* pParent = nullptr);
    ~CTuningDlg() override;

    // The tuning read on OK; the one given until then.
    const TuningMidi& Tuning() const { return m_tuning; }

    void accept() override;

protected:
    // Shows why the entry was refused. Tests override it to read the text without a modal box.
    virtual void ReportInvalidEntry(const QString& strMessage);

private:
    QLineEdit* m_pEdit = nullptr;
    TuningMidi m_tuning;
};
