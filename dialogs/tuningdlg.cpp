#include "dialogs/tuningdlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

CTuningDlg::CTuningDlg(const TuningMidi& current, QWidget* pParent)
    : QDialog(pParent)
    , m_tuning(current) {
    setWindowTitle(tr("Custom Tuning"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(tr("4 to 8 notes, &lowest string first (for example D A D G B E, or "
                                 "B0 E1 A1 D2 G2 for a five-string bass):"),
                              this);
    m_pEdit = new QLineEdit(QString::fromStdString(FormatTuning(current)), this);
    m_pEdit->setObjectName(QStringLiteral("IDC_TUNING"));
    prompt->setBuddy(m_pEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTuningDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTuningDlg::reject);
    layout->addWidget(prompt);
    layout->addWidget(m_pEdit);
    layout->addWidget(buttons);
    m_pEdit->selectAll();
}

CTuningDlg::~CTuningDlg() = default;

void CTuningDlg::accept() {
    const TuningParse parsed = ParseTuning(m_pEdit->text().toStdString());
    if (parsed.midi) {
        m_tuning = *parsed.midi;
        QDialog::accept();
        return;
    }
    if (!parsed.badEntry.empty()) {
        ReportInvalidEntry(tr("\u201C%1\u201D is not a note name. Use a letter A to G with an "
                              "optional b or #, and an optional octave number.")
                               .arg(QString::fromStdString(parsed.badEntry)));
    } else {
        ReportInvalidEntry(tr("Enter 4 to 8 note names, one per string, lowest string first; "
                              "this has %n note(s).",
                              nullptr, static_cast<int>(parsed.count)));
    }
    m_pEdit->setFocus(Qt::OtherFocusReason);
    m_pEdit->selectAll();
}

void CTuningDlg::ReportInvalidEntry(const QString& strMessage) {
    QMessageBox::warning(this, tr("Varnel"), strMessage);
}
