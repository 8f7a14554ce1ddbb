#include "dialogs/aboutdlg.h"
#include "dialogs/controlid.h"
#include "res/resource.h"
#include "tests/support/urlrecorder.h"
#include "view/neckcolours.h"

#include <QtTest>

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace {

bool ShowsColour(QWidget* pWidget, const QColor& colour) {
    return CountPixels(pWidget->grab().toImage(), colour) > 0;
}

// What the window shows, not a fresh rendering: it changes only when the window repaints.
QImage OnScreen(QWidget& window) {
    return window.screen()->grabWindow(window.winId()).toImage();
}

// The colour in `image` that stands out most from `background`, as text's full-ink pixels do.
QColor MostContrasting(const QImage& image, const QColor& background) {
    QColor found = background;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (ContrastRatio(c, background) > ContrastRatio(found, background)) {
                found = c;
            }
        }
    }
    return found;
}

// A dark desktop theme that leaves the link roles at Qt's classic blue and magenta.
QPalette GreyPaletteWithClassicLinks() {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x32, 0x32, 0x32));
    palette.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    return palette;
}

const QColor kBlue(0, 0, 255);
const QColor kPurple(128, 0, 128);

void ClickLink(CStaticLink* pLink) {
    QTest::mouseClick(pLink, Qt::LeftButton, {}, QPoint(pLink->width() / 2, 4));
}

} // namespace

class TestAboutDlg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void showsTheProgramAndTheAuthor();
    void tabGoesFromOkToTheMailLinkThenTheWebLink();
    void keysOnTheFocusedControl_data();
    void keysOnTheFocusedControl();
    void linksAreAnnouncedAsLinks();
    void everyWayOfClosingJustCloses_data();
    void everyWayOfClosingJustCloses();
    void openingChangesNoFlag();
    void followedLinkStaysPurpleInTheNextBox();
    void mailLinkOpensTheSameAddressEachTime();
    void linksWithoutFlagsStillWork();
    void everyElementStandsOutOnDarkPalettes_data();
    void everyElementStandsOutOnDarkPalettes();

private:
    CUrlRecorder m_recorder;
};

void TestAboutDlg::initTestCase() {
    QDesktopServices::setUrlHandler("mailto", &m_recorder, "Open");
    QDesktopServices::setUrlHandler("https", &m_recorder, "Open");
}

void TestAboutDlg::cleanupTestCase() {
    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("https");
}

void TestAboutDlg::init() {
    m_recorder.m_urls.clear();
}

void TestAboutDlg::showsTheProgramAndTheAuthor() {
    bool bMail = false;
    bool bWeb = false;
    CAboutDlg dlg(&bMail, &bWeb);
    QCOMPARE(dlg.windowTitle(), QString("About Varnel"));

    QStringList texts;
    const QList<QLabel*> labels = dlg.findChildren<QLabel*>();
    for (const QLabel* pLabel : labels) {
        texts.append(pLabel->text());
    }
    QVERIFY(texts.contains("Varnel Version 1.0"));
    QVERIFY(texts.filter(QRegularExpression("^Copyright \\(C\\) \\d{4}$")).size() == 1);
    // The build's own word size, whatever the machine it runs on.
    const auto bits = static_cast<int>(sizeof(void*) * 8);
    QCOMPARE(texts.filter(QString("A %1 bit application\nby\n").arg(bits)).size(), 1);

    QCOMPARE(FindControl<CStaticLink>(&dlg, IDC_MAIL_LINK), &dlg.m_wndMailLink);
    QCOMPARE(FindControl<CStaticLink>(&dlg, IDC_WEB_LINK), &dlg.m_wndWebLink);
    const QString mail = dlg.m_wndMailLink.text();
    QVERIFY(mail.startsWith(kAuthorMailboxPrefix));
    QVERIFY(!mail.startsWith("mailto:"));
    QVERIFY(mail.endsWith(".example"));
    const QUrl web(dlg.m_wndWebLink.text());
    QVERIFY(web.isValid());
    QCOMPARE(web.scheme(), QString("https"));
    QVERIFY(web.host().endsWith(".example"));
}

void TestAboutDlg::tabGoesFromOkToTheMailLinkThenTheWebLink() {
    bool bMail = false;
    bool bWeb = false;
    CAboutDlg dlg(&bMail, &bWeb);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));

    QPushButton* pOk = FindControl<QPushButton>(&dlg, kIdOk);
    QCOMPARE(QApplication::focusWidget(), pOk);
    QVERIFY(pOk->isDefault());
    const QList<QWidget*> stops{pOk, &dlg.m_wndMailLink, &dlg.m_wndWebLink};
    const QList<QWidget*> children = dlg.findChildren<QWidget*>();
    for (const QWidget* pChild : children) {
        const bool bTabStop = pChild->focusPolicy() & Qt::TabFocus;
        QVERIFY2(bTabStop == stops.contains(pChild), qPrintable(pChild->objectName()));
    }
    for (int n = 1; n <= stops.size(); ++n) {
        QTest::keyClick(dlg.windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), stops.at(n % stops.size()));
    }
    QTest::keyClick(dlg.windowHandle(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), &dlg.m_wndWebLink);
}

void TestAboutDlg::keysOnTheFocusedControl_data() {
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<QString>("opened");
    QTest::newRow("Return on the mail link") << 1 << int(Qt::Key_Return) << 0 << false << "mail";
    QTest::newRow("keypad Enter on the web link")
        << 2 << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << "web";
    QTest::newRow("Space on the web link") << 2 << int(Qt::Key_Space) << 0 << false << "web";
    QTest::newRow("Ctrl+Return on the mail link")
        << 1 << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << "";
    QTest::newRow("held Space repeating on the mail link")
        << 1 << int(Qt::Key_Space) << 0 << true << "";
}

void TestAboutDlg::keysOnTheFocusedControl() {
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, repeat);
    QFETCH(QString, opened);
    bool bMail = false;
    bool bWeb = false;
    CAboutDlg dlg(&bMail, &bWeb);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    for (int n = 0; n < tabs; ++n) {
        QTest::keyClick(dlg.windowHandle(), Qt::Key_Tab);
    }

    const QImage imageBefore = OnScreen(dlg);
    // Through the window to the focused control, as a keyboard sends it; keyClick cannot repeat.
    const auto mods = Qt::KeyboardModifiers::fromInt(modifiers);
    QTest::simulateEvent(dlg.windowHandle(), true, key, mods, QString(), repeat);
    QTest::simulateEvent(dlg.windowHandle(), false, key, mods, QString(), repeat);

    QCOMPARE(bMail, opened == "mail");
    QCOMPARE(bWeb, opened == "web");
    if (opened.isEmpty()) {
        QVERIFY(m_recorder.m_urls.isEmpty());
        return;
    }
    CStaticLink& link = opened == "mail" ? dlg.m_wndMailLink : dlg.m_wndWebLink;
    const QString target = (opened == "mail" ? "mailto:" : "") + link.text();
    QCOMPARE(m_recorder.m_urls, QList<QUrl>{QUrl(target)});
    QVERIFY(link.m_bLaunching);
    // The key was the link's alone: the default button did not close the box.
    QVERIFY(dlg.isVisible());
    QTRY_VERIFY(OnScreen(dlg) != imageBefore);
    QVERIFY(ShowsColour(&link, kPurple));
}

void TestAboutDlg::linksAreAnnouncedAsLinks() {
    CAboutDlg dlg(nullptr, nullptr);
    for (CStaticLink* pLink : {&dlg.m_wndMailLink, &dlg.m_wndWebLink}) {
        QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(pLink);
        QVERIFY(pAccessible != nullptr);
        QCOMPARE(pAccessible->role(), QAccessible::Link);
        QCOMPARE(pAccessible->text(QAccessible::Name), pLink->text());
    }
}

void TestAboutDlg::everyWayOfClosingJustCloses_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "ok";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("Space on OK") << "space";
    QTest::newRow("close box") << "close";
}

void TestAboutDlg::everyWayOfClosingJustCloses() {
    QFETCH(QString, how);
    bool bMail = false;
    bool bWeb = true;
    CAboutDlg dlg(&bMail, &bWeb);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QSignalSpy finished(&dlg, &QDialog::finished);

    QPushButton* pOk = FindControl<QPushButton>(&dlg, kIdOk);
    if (how == "ok") {
        QTest::mouseClick(pOk, Qt::LeftButton);
    } else if (how == "enter") {
        QTest::keyClick(pOk, Qt::Key_Return);
    } else if (how == "escape") {
        QTest::keyClick(pOk, Qt::Key_Escape);
    } else if (how == "space") {
        QTest::keyClick(dlg.windowHandle(), Qt::Key_Space);
    } else {
        QVERIFY(dlg.close());
    }

    QCOMPARE(finished.count(), 1);
    QVERIFY(!dlg.isVisible());
    QVERIFY(!bMail);
    QVERIFY(bWeb);
    QVERIFY(m_recorder.m_urls.isEmpty());
}

void TestAboutDlg::openingChangesNoFlag() {
    bool bMail = false;
    bool bWeb = false;
    CAboutDlg dlg(&bMail, &bWeb);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QVERIFY(ShowsColour(&dlg.m_wndMailLink, kBlue));
    QVERIFY(ShowsColour(&dlg.m_wndWebLink, kBlue));
    dlg.close();
    QVERIFY(!bMail);
    QVERIFY(!bWeb);
}

void TestAboutDlg::followedLinkStaysPurpleInTheNextBox() {
    bool bMail = false;
    bool bWeb = false;
    {
        CAboutDlg first(&bMail, &bWeb);
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        ClickLink(&first.m_wndWebLink);
        QCOMPARE(m_recorder.m_urls.size(), 1);
        QCOMPARE(m_recorder.m_urls.first().toString(), first.m_wndWebLink.text());
        QVERIFY(ShowsColour(&first.m_wndWebLink, kPurple));
        QTest::keyClick(&first, Qt::Key_Escape);
        QVERIFY(!first.isVisible());
    }
    QVERIFY(bWeb);
    QVERIFY(!bMail);

    CAboutDlg second(&bMail, &bWeb);
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QVERIFY(ShowsColour(&second.m_wndWebLink, kPurple));
    QVERIFY(!ShowsColour(&second.m_wndWebLink, kBlue));
    QVERIFY(ShowsColour(&second.m_wndMailLink, kBlue));
    QVERIFY(!ShowsColour(&second.m_wndMailLink, kPurple));
}

void TestAboutDlg::mailLinkOpensTheSameAddressEachTime() {
    bool bMail = false;
    bool bWeb = false;
    CAboutDlg dlg(&bMail, &bWeb);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));

    ClickLink(&dlg.m_wndMailLink);
    ClickLink(&dlg.m_wndMailLink);

    const QUrl expected("mailto:" + dlg.m_wndMailLink.text());
    QCOMPARE(m_recorder.m_urls, QList<QUrl>({expected, expected}));
    QVERIFY(bMail);
    QVERIFY(!bWeb);
    QVERIFY(dlg.isVisible());
}

void TestAboutDlg::linksWithoutFlagsStillWork() {
    CAboutDlg dlg(nullptr, nullptr);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    ClickLink(&dlg.m_wndWebLink);
    QCOMPARE(m_recorder.m_urls.size(), 1);
    QVERIFY(ShowsColour(&dlg.m_wndWebLink, kBlue));
}

void TestAboutDlg::everyElementStandsOutOnDarkPalettes_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<int>("kind"); // 0 the mail link, 1 the visited web link, 2 the other texts
    const std::pair<const char*, QPalette> palettes[] = {
        {"program's dark palette", DarkNeckPalette()},
        {"grey with classic links", GreyPaletteWithClassicLinks()},
    };
    for (const auto& [name, palette] : palettes) {
        QTest::addRow("mail link, %s", name) << palette << 0;
        QTest::addRow("visited web link, %s", name) << palette << 1;
        QTest::addRow("texts, %s", name) << palette << 2;
    }
}

// The icon is measured on dark panels with the other sizes, in tst_images.
void TestAboutDlg::everyElementStandsOutOnDarkPalettes() {
    QFETCH(QPalette, palette);
    QFETCH(int, kind);
    bool bMail = false;
    bool bWeb = true;
    CAboutDlg dlg(&bMail, &bWeb);
    dlg.setPalette(palette);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QList<QLabel*> measured{&dlg.m_wndMailLink, &dlg.m_wndWebLink};
    if (kind == 2) {
        measured.clear();
        for (QLabel* pLabel : dlg.findChildren<QLabel*>()) {
            if (!pLabel->text().isEmpty() && qobject_cast<CStaticLink*>(pLabel) == nullptr) {
                measured << pLabel;
            }
        }
        QCOMPARE(measured.size(), 5);
    } else {
        measured = {measured.at(kind)};
    }
    const QColor window = palette.color(QPalette::Window);
    for (QLabel* pLabel : measured) {
        const QColor ink = MostContrasting(pLabel->grab().toImage(), window);
        QVERIFY2(ContrastRatio(ink, window) >= 3.0, qPrintable(pLabel->text() + ink.name()));
    }
}

QTEST_MAIN(TestAboutDlg)
#include "tst_aboutdlg.moc"
