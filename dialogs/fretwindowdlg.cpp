#include "dialogs/fretwindowdlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

CFretWindowDlg::CFretWindowDlg(int nFirst, int nLast, int nFrets, QWidget* pParent)
    : QDialog(pParent)
    , m_nFirst(nFirst)
    , m_nLast(nLast) {
    setWindowTitle(tr("Fret Window"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    // Fret 0 is the nut; the last box may reach the instrument's last fret.
    m_pFirst = new QSpinBox(this);
    m_pFirst->setObjectName(QStringLiteral("IDC_FIRST_FRET"));
    m_pFirst->setRange(0, nFrets - 1);
    m_pFirst->setValue(nFirst);
    m_pLast = new QSpinBox(this);
    m_pLast->setObjectName(QStringLiteral("IDC_LAST_FRET"));
    m_pLast->setRange(1, nFrets);
    m_pLast->setValue(nLast);
    form->addRow(tr("&First fret (0 is the nut):"), m_pFirst);
    form->addRow(tr("&Last fret (up to %1):").arg(nFrets), m_pLast);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* whole = buttons->addButton(tr("&Whole Neck"), QDialogButtonBox::ResetRole);
    whole->setObjectName(QStringLiteral("IDC_WHOLE_NECK"));
    connect(whole, &QPushButton::clicked, this, [this, nFrets] {
        m_pFirst->setValue(0);
        m_pLast->setValue(nFrets);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CFretWindowDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFretWindowDlg::reject);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_pFirst->selectAll();
}

CFretWindowDlg::~CFretWindowDlg() = default;

void CFretWindowDlg::accept() {
    // A value typed but not yet taken by the box counts as typed.
    m_pFirst->interpretText();
    m_pLast->interpretText();
    if (m_pFirst->value() >= m_pLast->value()) {
        ReportInvalidEntry(tr("The first fret (%1) must be below the last (%2).")
                               .arg(m_pFirst->value())
                               .arg(m_pLast->value()));
        m_pFirst->setFocus(Qt::OtherFocusReason);
        m_pFirst->selectAll();
        return;
    }
    m_nFirst = m_pFirst->value();
    m_nLast = m_pLast->value();
    QDialog::accept();
}

void CFretWindowDlg::ReportInvalidEntry(const QString& strMessage) {
    QMessageBox::warning(this, tr("Varnel"), strMessage);
}
