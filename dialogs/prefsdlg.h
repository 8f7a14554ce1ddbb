#pragma once

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>

class CTemplateGeometry;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;

// Carries the neck view's four drawing settings for one edit. The caller fills the members and
// runs exec(); the controls show the members when the dialog appears, and the members change
// only when OK finds every entry valid.
class CPrefsDlg : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPrefsDlg)

public:
    explicit CPrefsDlg(QWidget* pParent = nullptr);
    ~CPrefsDlg() override;

    static constexpr unsigned int kMinSpacing = 10;
    static constexpr unsigned int kMaxSpacing = 50;

    unsigned int m_uFretSpacing = 0;
    unsigned int m_uStringSpacing = 0;
    unsigned int m_uNeckSpacing = 0;
    // 0 keeps the key fixed, 1 keeps the pattern fixed, -1 neither button is selected.
    int m_nStyleChoice = -1;

    // Validates every entry before the dialog closes; the members are written only on success.
    void accept() override;

protected:
    void showEvent(QShowEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

    // Shows why an entry was refused. Tests override it to read the text without a modal box.
    virtual void ReportInvalidEntry(const QString& strMessage);

private:
    void CreateControls();
    void ApplyGeometry();
    void LoadControls();
    void SetStyleChoice(int nChoice);
    // The value of one spacing box, or nothing after the refusal has been reported.
    std::optional<unsigned int> ReadSpacing(QLineEdit* pEdit);
    void Refuse(QLineEdit* pEdit, const QString& strMessage);

    QLineEdit* m_pStringEdit = nullptr;
    QLabel* m_pStringLabel = nullptr;
    QGroupBox* m_pMetricsBox = nullptr;
    QLineEdit* m_pFretEdit = nullptr;
    QLineEdit* m_pNeckEdit = nullptr;
    QButtonGroup* m_pStyleGroup = nullptr;
    std::unique_ptr<CTemplateGeometry> m_pGeometry;
};
