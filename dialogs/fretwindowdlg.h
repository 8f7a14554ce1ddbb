#pragma once

#include <QDialog>

class QSpinBox;

// Asks for the frets to show, first to last, on an instrument of a given number of frets. The
// boxes cannot go beyond the instrument; OK with the first fret not below the last is refused
// with a message, and the dialog stays open. "Whole Neck" fills in the nut to the last fret.
class CFretWindowDlg : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CFretWindowDlg)

public:
    CFretWindowDlg(int nFirst, int nLast, int nFrets, QWidget* pParent = nullptr);
    ~CFretWindowDlg() override;

    // The window read on OK; the one given until then.
    int FirstFret() const { return m_nFirst; }
    int LastFret() const { return m_nLast; }

    void accept() override;

protected:
    // Shows why the entry was refused. Tests override it to read the text without a modal box.
    virtual void ReportInvalidEntry(const QString& strMessage);

private:
    QSpinBox* m_pFirst = nullptr;
    QSpinBox* m_pLast = nullptr;
    int m_nFirst;
    int m_nLast;
};
