#include "dialogs/aboutdlg.h"

#include "dialogs/controlid.h"
#include "dialogs/templategeometry.h"
#include "res/images.h"
#include "res/resource.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>

namespace {

constexpr QSize kTemplateSize(247, 156);
// An icon static takes the icon's own size, whatever its template rectangle says.
constexpr int kIconPixels = 32;
constexpr QLatin1String kAuthorName("A. N. Author");

QLabel* AddCentredText(QWidget* pDialog, CTemplateGeometry& geometry, const QString& strText,
                       const QRect& rectUnits) {
    auto* pLabel = new QLabel(strText, pDialog);
    pLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pLabel->setWordWrap(true);
    geometry.Place(pLabel, rectUnits);
    return pLabel;
}

// Group boxes only frame their texts: they stay beneath them and let clicks through.
void AddGroupBox(QWidget* pDialog, CTemplateGeometry& geometry, const QString& strTitle,
                 const QRect& rectUnits) {
    auto* pGroupBox = new QGroupBox(strTitle, pDialog);
    pGroupBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    pGroupBox->lower();
    geometry.Place(pGroupBox, rectUnits);
}

void SetUpLink(CStaticLink& link, CTemplateGeometry& geometry, int nId, QLatin1String strSymbol,
               const QString& strText, const QRect& rectUnits) {
    SetControlId(&link, nId, strSymbol);
    link.setText(strText);
    link.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    geometry.Place(&link, rectUnits);
}

} // namespace

CAboutDlg::CAboutDlg(bool* pMailVisited, bool* pWebVisited, QWidget* pParent)
    : QDialog(pParent)
    , m_wndMailLink(this)
    , m_wndWebLink(this)
    , m_pGeometry(std::make_unique<CTemplateGeometry>(kTemplateSize)) {
    setWindowTitle(tr("About Varnel"));
    // The flags are in place before the links can paint or be clicked.
    m_wndMailLink.m_pVisited = pMailVisited;
    m_wndWebLink.m_pVisited = pWebVisited;
    CreateControls();
    m_pGeometry->Apply(this);
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::CreateControls() {
    CTemplateGeometry& geometry = *m_pGeometry;

    auto* pOk = new QPushButton(tr("OK"), this);
    SetControlId(pOk, kIdOk, QLatin1String("IDOK"));
    pOk->setDefault(true);
    geometry.Place(pOk, QRect(157, 138, 45, 14));
    connect(pOk, &QPushButton::clicked, this, &CAboutDlg::accept);

    auto* pIcon = new QLabel(this);
    SetControlId(pIcon, IDR_MAINFRAME, QLatin1String("IDR_MAINFRAME"));
    pIcon->setPixmap(ApplicationIcon().pixmap(kIconPixels));
    geometry.PlaceWithPixelSize(pIcon, QPoint(167, 103), QSize(kIconPixels, kIconPixels));

    AddCentredText(this, geometry, tr("Varnel Version 1.0"), QRect(133, 7, 80, 8));
    AddCentredText(this, geometry, tr("Copyright (C) 2026"), QRect(133, 20, 80, 8));
    AddCentredText(this, geometry,
                   tr("Varnel shows the correct notes of the seven mode patterns for the guitar."),
                   QRect(9, 18, 100, 32));
    AddGroupBox(this, geometry, tr("What Varnel Does"), QRect(5, 5, 107, 52));
    AddGroupBox(this, geometry, tr("Legal Stuff"), QRect(5, 66, 108, 49));
    AddCentredText(this, geometry, tr("Protected by national\nand international law."),
                   QRect(9, 81, 100, 29));
    AddCentredText(this, geometry,
                   tr("A %1 bit application").arg(QSysInfo::WordSize) + QLatin1Char('\n') +
                       tr("by") + QLatin1Char('\n') + kAuthorName,
                   QRect(143, 33, 64, 25));

    SetUpLink(m_wndMailLink, geometry, IDC_MAIL_LINK, QLatin1String("IDC_MAIL_LINK"),
              QLatin1String(kAuthorMailAddress), QRect(127, 73, 100, 10));
    SetUpLink(m_wndWebLink, geometry, IDC_WEB_LINK, QLatin1String("IDC_WEB_LINK"),
              QLatin1String(kAuthorHomePage), QRect(117, 89, 120, 10));

    // OK holds the first focus, so Enter still closes the box; Tab then visits the two links.
    setTabOrder(pOk, &m_wndMailLink);
    setTabOrder(&m_wndMailLink, &m_wndWebLink);
    pOk->setFocus();
}

void CAboutDlg::changeEvent(QEvent* pEvent) {
    QDialog::changeEvent(pEvent);
    if (pEvent->type() == QEvent::FontChange) {
        m_pGeometry->Apply(this);
    }
}
