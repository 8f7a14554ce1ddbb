#include "dialogs/prefsdlg.h"

#include "dialogs/controlid.h"
#include "dialogs/templategeometry.h"
#include "dialogs/unsignedentry.h"
#include "res/resource.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace {

constexpr QSize kTemplateSize(192, 201);

QLabel* AddLabel(QWidget* pDialog, CTemplateGeometry& geometry, const QString& strText,
                 const QRect& rectUnits) {
    auto* pLabel = new QLabel(strText, pDialog);
    pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    geometry.Place(pLabel, rectUnits);
    return pLabel;
}

// Group boxes only frame their controls: they stay beneath them and let clicks through.
QGroupBox* AddGroupBox(QWidget* pDialog, CTemplateGeometry& geometry, const QString& strTitle,
                       const QRect& rectUnits) {
    auto* pGroupBox = new QGroupBox(strTitle, pDialog);
    pGroupBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    pGroupBox->lower();
    geometry.Place(pGroupBox, rectUnits);
    return pGroupBox;
}

QLineEdit* AddSpacingEdit(QWidget* pDialog, CTemplateGeometry& geometry, int nId,
                          QLatin1String strSymbol, const QRect& rectUnits) {
    auto* pEdit = new QLineEdit(pDialog);
    SetControlId(pEdit, nId, strSymbol);
    geometry.Place(pEdit, rectUnits);
    return pEdit;
}

} // namespace

CPrefsDlg::CPrefsDlg(QWidget* pParent)
    : QDialog(pParent)
    , m_pGeometry(std::make_unique<CTemplateGeometry>(kTemplateSize)) {
    setWindowTitle(tr("Preferences"));
    CreateControls();
    ApplyGeometry();
}

void CPrefsDlg::ApplyGeometry() {
    m_pGeometry->Apply(this);
    // A tall title font pushes the group box's frame below the template's first row; the row
    // then moves down inside it, and there is room enough before the second.
    const int inside = m_pMetricsBox->y() + m_pMetricsBox->contentsRect().top();
    const int below = inside - m_pStringEdit->y();
    if (below > 0) {
        m_pStringEdit->move(m_pStringEdit->x(), m_pStringEdit->y() + below);
        m_pStringLabel->move(m_pStringLabel->x(), m_pStringLabel->y() + below);
    }
}

CPrefsDlg::~CPrefsDlg() = default;

void CPrefsDlg::CreateControls() {
    CTemplateGeometry& geometry = *m_pGeometry;

    m_pStringEdit = AddSpacingEdit(this, geometry, IDC_STRING_SPACING,
                                   QLatin1String("IDC_STRING_SPACING"), QRect(15, 15, 25, 15));
    m_pFretEdit = AddSpacingEdit(this, geometry, IDC_FRET_SPACING,
                                 QLatin1String("IDC_FRET_SPACING"), QRect(15, 40, 25, 15));
    m_pNeckEdit = AddSpacingEdit(this, geometry, IDC_NECK_SPACING,
                                 QLatin1String("IDC_NECK_SPACING"), QRect(15, 77, 25, 15));

    auto* pKeepKey = new QRadioButton(tr("Keep Key Fixed"), this);
    SetControlId(pKeepKey, IDC_KEEP_KEY_FIXED, QLatin1String("IDC_KEEP_KEY_FIXED"));
    geometry.Place(pKeepKey, QRect(15, 135, 90, 10));
    auto* pKeepPattern = new QRadioButton(tr("Keep Pattern Fixed"), this);
    SetControlId(pKeepPattern, IDC_KEEP_PATTERN_FIXED, QLatin1String("IDC_KEEP_PATTERN_FIXED"));
    geometry.Place(pKeepPattern, QRect(15, 150, 90, 10));
    // The button ids are the style indices the group's value is made of.
    m_pStyleGroup = new QButtonGroup(this);
    m_pStyleGroup->addButton(pKeepKey, 0);
    m_pStyleGroup->addButton(pKeepPattern, 1);

    auto* pOk = new QPushButton(tr("OK"), this);
    SetControlId(pOk, kIdOk, QLatin1String("IDOK"));
    pOk->setDefault(true);
    geometry.Place(pOk, QRect(75, 175, 50, 14));
    connect(pOk, &QPushButton::clicked, this, &CPrefsDlg::accept);
    auto* pCancel = new QPushButton(tr("Cancel"), this);
    SetControlId(pCancel, kIdCancel, QLatin1String("IDCANCEL"));
    geometry.Place(pCancel, QRect(135, 175, 50, 14));
    connect(pCancel, &QPushButton::clicked, this, &CPrefsDlg::reject);

    // Alt and the underlined letter reach each spacing box from anywhere in the dialog.
    m_pStringLabel =
        AddLabel(this, geometry, tr("&String spacing (pixels)"), QRect(45, 17, 115, 10));
    m_pStringLabel->setBuddy(m_pStringEdit);
    AddLabel(this, geometry, tr("&Fret spacing (pixels)"), QRect(45, 42, 115, 10))
        ->setBuddy(m_pFretEdit);
    AddLabel(this, geometry, tr("(Fret spacing = 1.5 * String spacing works well)"),
             QRect(21, 61, 154, 10));
    AddLabel(this, geometry, tr("&Neck spacing (pixels)"), QRect(45, 79, 115, 10))
        ->setBuddy(m_pNeckEdit);
    AddLabel(this, geometry, tr("(Neck spacing = String spacing works well)"),
             QRect(21, 98, 149, 10));

    AddGroupBox(this, geometry, tr("Style"), QRect(5, 120, 180, 45));
    m_pMetricsBox = AddGroupBox(this, geometry, tr("Drawing Metrics"), QRect(5, 5, 180, 110));

    QWidget::setTabOrder(m_pStringEdit, m_pFretEdit);
    QWidget::setTabOrder(m_pFretEdit, m_pNeckEdit);
    QWidget::setTabOrder(m_pNeckEdit, pKeepKey);
    QWidget::setTabOrder(pKeepKey, pKeepPattern);
    QWidget::setTabOrder(pKeepPattern, pOk);
    QWidget::setTabOrder(pOk, pCancel);
}

void CPrefsDlg::showEvent(QShowEvent* pEvent) {
    QDialog::showEvent(pEvent);
    if (pEvent->spontaneous()) {
        return;
    }
    LoadControls();
    m_pStringEdit->setFocus(Qt::TabFocusReason);
    m_pStringEdit->selectAll();
}

void CPrefsDlg::changeEvent(QEvent* pEvent) {
    QDialog::changeEvent(pEvent);
    if (pEvent->type() == QEvent::FontChange) {
        ApplyGeometry();
    }
}

void CPrefsDlg::LoadControls() {
    m_pStringEdit->setText(QString::number(m_uStringSpacing));
    m_pFretEdit->setText(QString::number(m_uFretSpacing));
    m_pNeckEdit->setText(QString::number(m_uNeckSpacing));
    SetStyleChoice(m_nStyleChoice);
}

void CPrefsDlg::SetStyleChoice(int nChoice) {
    // An exclusive group refuses to uncheck its checked button, so "none" needs it lifted.
    m_pStyleGroup->setExclusive(false);
    const QList<QAbstractButton*> buttons = m_pStyleGroup->buttons();
    for (QAbstractButton* pButton : buttons) {
        pButton->setChecked(m_pStyleGroup->id(pButton) == nChoice);
    }
    m_pStyleGroup->setExclusive(true);
}

void CPrefsDlg::accept() {
    // Fret first: it is checked before the string spacing although it sits below it.
    const std::optional<unsigned int> uFret = ReadSpacing(m_pFretEdit);
    if (!uFret) {
        return;
    }
    const std::optional<unsigned int> uString = ReadSpacing(m_pStringEdit);
    if (!uString) {
        return;
    }
    const std::optional<unsigned int> uNeck = ReadSpacing(m_pNeckEdit);
    if (!uNeck) {
        return;
    }
    m_uFretSpacing = *uFret;
    m_uStringSpacing = *uString;
    m_uNeckSpacing = *uNeck;
    m_nStyleChoice = m_pStyleGroup->checkedId();
    QDialog::accept();
}

std::optional<unsigned int> CPrefsDlg::ReadSpacing(QLineEdit* pEdit) {
    const std::optional<quint64> uValue = ParseUnsignedEntry(pEdit->text());
    if (!uValue) {
        Refuse(pEdit, tr("Please enter a whole number."));
        return std::nullopt;
    }
    if (*uValue < kMinSpacing || *uValue > kMaxSpacing) {
        Refuse(
            pEdit,
            tr("Please enter a whole number between %1 and %2.").arg(kMinSpacing).arg(kMaxSpacing));
        return std::nullopt;
    }
    return static_cast<unsigned int>(*uValue);
}

void CPrefsDlg::Refuse(QLineEdit* pEdit, const QString& strMessage) {
    ReportInvalidEntry(strMessage);
    pEdit->setFocus(Qt::OtherFocusReason);
    pEdit->selectAll();
}

void CPrefsDlg::ReportInvalidEntry(const QString& strMessage) {
    QMessageBox::warning(this, tr("Varnel"), strMessage);
}
