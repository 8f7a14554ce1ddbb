#include "dialogs/staticlink.h"
#include "tests/support/urlrecorder.h"

#include <QtTest>

#include <QApplication>
#include <QDesktopServices>
#include <QImage>
#include <QPushButton>
#include <QUrl>

namespace {

// No handler is registered for this scheme and the address is no valid URL, so the open fails
// before any program could be started.
const QString kUnopenable = "varnelfail://no such host/";

// A window holding one link, with room around it to move the pointer off it.
struct SLinkWindow {
    QWidget host;
    CStaticLink* pLink;

    SLinkWindow(const QString& strText, bool* pVisited)
        : pLink(new CStaticLink(&host)) {
        host.resize(400, 120);
        pLink->setText(strText);
        pLink->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        pLink->setGeometry(40, 40, 300, 24);
        pLink->m_pVisited = pVisited;
    }
};

const QPoint kInside(150, 10);
const QPoint kOutsideOnHost(5, 5);

// Qt drops a move to where the pointer already is, and every test's window sits in the same
// place, so a hover starts from off the link.
void MoveOntoLink(SLinkWindow& window) {
    QTest::mouseMove(&window.host, kOutsideOnHost);
    QTest::mouseMove(window.pLink, kInside);
}

// Sends the link what the window hands it as the pointer crosses its edge or moves over it.
void SendPointer(CStaticLink* pLink, const QString& strEvent, const QPoint& ptPosition) {
    const QPoint ptGlobal = pLink->mapToGlobal(ptPosition);
    if (strEvent == "enter") {
        QEnterEvent event(ptPosition, ptPosition, ptGlobal);
        QApplication::sendEvent(pLink, &event);
    } else if (strEvent == "leave") {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(pLink, &event);
    } else {
        QMouseEvent event(QEvent::MouseMove, ptPosition, ptGlobal, Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(pLink, &event);
    }
}

bool ShowsHand(const CStaticLink* pLink) {
    return pLink->cursor().shape() != Qt::ArrowCursor;
}

} // namespace

class TestStaticLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void colourFollowsTheOwnersFlag_data();
    void colourFollowsTheOwnersFlag();
    void successfulOpenMarksVisited();
    void mailTargetGetsMailtoOnce();
    void webTargetIsHandedOverUnchanged();
    void failedOpenLeavesTheLinkUnvisited();
    void linkWithoutFlagOpensAndStaysBlue();
    void pointerCrossingTheEdgeTurnsTheHand_data();
    void pointerCrossingTheEdgeTurnsTheHand();
    void realPointerShowsTheHandWithoutAGrab();
    void pointerWaitsForTheLaunchPeriod_data();
    void pointerWaitsForTheLaunchPeriod();
    void focusFrameOnlyWithKeyboardFocus_data();
    void focusFrameOnlyWithKeyboardFocus();
    void clickDuringLaunchOpensAgain();
    void pressThatLeavesTheLinkIsNoClick();
    void onlyTheLeftButtonClicks();

private:
    CUrlRecorder m_recorder;
};

void TestStaticLink::initTestCase() {
    QDesktopServices::setUrlHandler("mailto", &m_recorder, "Open");
    QDesktopServices::setUrlHandler("https", &m_recorder, "Open");
    QVERIFY(!QUrl(kUnopenable).isValid());
}

void TestStaticLink::cleanupTestCase() {
    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("https");
}

void TestStaticLink::init() {
    m_recorder.m_urls.clear();
}

void TestStaticLink::colourFollowsTheOwnersFlag_data() {
    QTest::addColumn<bool>("visited");
    QTest::newRow("not followed: blue") << false;
    QTest::newRow("followed before: purple from the first paint") << true;
}

void TestStaticLink::colourFollowsTheOwnersFlag() {
    QFETCH(bool, visited);
    bool bVisited = visited;
    SLinkWindow window("https://www.varnel.example/", &bVisited);
    const QImage image = window.pLink->grab().toImage();
    const int nBlue = CountPixels(image, QColor(0, 0, 255));
    const int nPurple = CountPixels(image, QColor(128, 0, 128));
    QCOMPARE(nBlue > 0, !visited);
    QCOMPARE(nPurple > 0, visited);
}

void TestStaticLink::successfulOpenMarksVisited() {
    bool bVisited = false;
    SLinkWindow window("https://www.varnel.example/", &bVisited);
    window.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));

    QTest::mouseClick(window.pLink, Qt::LeftButton, {}, kInside);

    QCOMPARE(m_recorder.m_urls.size(), 1);
    QVERIFY(bVisited);
    QVERIFY(window.pLink->m_bLaunching);
    QCOMPARE(window.pLink->cursor().shape(), Qt::ArrowCursor);
    const QImage image = window.pLink->grab().toImage();
    QVERIFY(CountPixels(image, QColor(128, 0, 128)) > 0);
    QCOMPARE(CountPixels(image, QColor(0, 0, 255)), 0);
}

void TestStaticLink::mailTargetGetsMailtoOnce() {
    bool bVisited = false;
    const QString address = QString(kAuthorMailboxPrefix) + "varnel.example";
    SLinkWindow window(address, &bVisited);
    window.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));

    QTest::mouseClick(window.pLink, Qt::LeftButton, {}, kInside);
    QTest::mouseClick(window.pLink, Qt::LeftButton, {}, kInside);

    QCOMPARE(m_recorder.m_urls.size(), 2);
    QCOMPARE(m_recorder.m_urls.at(0).toString(), "mailto:" + address);
    QCOMPARE(m_recorder.m_urls.at(1).toString(), "mailto:" + address);
    QCOMPARE(window.pLink->m_strTarget, "mailto:" + address);
    QCOMPARE(window.pLink->text(), address);
    QVERIFY(bVisited);
}

void TestStaticLink::webTargetIsHandedOverUnchanged() {
    bool bVisited = false;
    const QString address = "https://www.varnel.example/path?q=1";
    SLinkWindow window(address, &bVisited);
    window.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));

    QTest::mouseClick(window.pLink, Qt::LeftButton, {}, kInside);

    QCOMPARE(m_recorder.m_urls.size(), 1);
    QCOMPARE(m_recorder.m_urls.first().toString(), address);
    QCOMPARE(window.pLink->m_strTarget, address);
}

void TestStaticLink::failedOpenLeavesTheLinkUnvisited() {
    bool bVisited = false;
    SLinkWindow window(kUnopenable, &bVisited);
    window.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));

    MoveOntoLink(window);
    QVERIFY(window.pLink->m_bCaptured);
    const Qt::CursorShape hand = window.pLink->cursor().shape();
    QTest::mouseClick(window.pLink, Qt::LeftButton, {}, kInside);

    QVERIFY(!bVisited);
    QVERIFY(m_recorder.m_urls.isEmpty());
    QVERIFY(window.pLink->m_bLaunching);
    QVERIFY(!window.pLink->m_bCaptured);
    QCOMPARE(window.pLink->cursor().shape(), hand);
    const QImage image = window.pLink->grab().toImage();
    QVERIFY(CountPixels(image, QColor(0, 0, 255)) > 0);
    QCOMPARE(CountPixels(image, QColor(128, 0, 128)), 0);
}

void TestStaticLink::linkWithoutFlagOpensAndStaysBlue() {
    SLinkWindow window("https://www.varnel.example/", nullptr);
    window.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));

    QTest::mouseClick(window.pLink, Qt::LeftButton, {}, kInside);

    QCOMPARE(m_recorder.m_urls.size(), 1);
    QVERIFY(CountPixels(window.pLink->grab().toImage(), QColor(0, 0, 255)) > 0);
}

void TestStaticLink::pointerCrossingTheEdgeTurnsTheHand_data() {
    QTest::addColumn<QString>("event");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("overAfter");
    QTest::newRow("enter") << "enter" << kInside << true;
    QTest::newRow("leave") << "leave" << QPoint() << false;
    QTest::newRow("move onto the top-left pixel") << "move" << QPoint(0, 0) << true;
    QTest::newRow("move onto the bottom-right pixel") << "move" << QPoint(299, 23) << true;
    QTest::newRow("move past the right edge") << "move" << QPoint(300, 10) << false;
}

void TestStaticLink::pointerCrossingTheEdgeTurnsTheHand() {
    QFETCH(QString, event);
    QFETCH(QPoint, position);
    QFETCH(bool, overAfter);
    SLinkWindow window("https://www.varnel.example/", nullptr);
    CStaticLink* pLink = window.pLink;
    if (!overAfter) {
        SendPointer(pLink, "enter", kInside);
        QVERIFY(ShowsHand(pLink));
    }
    SendPointer(pLink, event, position);
    QCOMPARE(pLink->m_bCaptured, overAfter);
    QCOMPARE(ShowsHand(pLink), overAfter);
}

void TestStaticLink::realPointerShowsTheHandWithoutAGrab() {
    SLinkWindow window("https://www.varnel.example/", nullptr);
    window.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));

    MoveOntoLink(window);
    QVERIFY(ShowsHand(window.pLink));
    QVERIFY(QWidget::mouseGrabber() == nullptr);
    // Without a grab only the window's Leave tells the link the pointer went.
    QTest::mouseMove(&window.host, kOutsideOnHost);
    QVERIFY(!ShowsHand(window.pLink));
    MoveOntoLink(window);
    QTest::mouseClick(window.pLink, Qt::LeftButton, {}, kInside);
    QCOMPARE(m_recorder.m_urls.size(), 1);
    QVERIFY(QWidget::mouseGrabber() == nullptr);
}

void TestStaticLink::pointerWaitsForTheLaunchPeriod_data() {
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("overAfter");
    QTest::newRow("enter after an open") << true << "enter" << true;
    QTest::newRow("move after an open") << true << "move" << true;
    QTest::newRow("leave after an open") << true << "leave" << false;
    QTest::newRow("leave after a failed open gives the hand back") << false << "leave" << false;
}

void TestStaticLink::pointerWaitsForTheLaunchPeriod() {
    QFETCH(bool, opens);
    QFETCH(QString, event);
    QFETCH(bool, overAfter);
    SLinkWindow window(opens ? "https://www.varnel.example/" : kUnopenable, nullptr);
    CStaticLink* pLink = window.pLink;
    SendPointer(pLink, "enter", kInside);
    QTest::mouseClick(pLink, Qt::LeftButton, {}, kInside);
    QVERIFY(pLink->m_bLaunching);
    // An open hands the pointer back to the window's arrow; a failure leaves the hand.
    QCOMPARE(ShowsHand(pLink), !opens);

    SendPointer(pLink, event, kInside);
    QVERIFY(!pLink->m_bCaptured);
    QCOMPARE(ShowsHand(pLink), !opens);

    QTRY_VERIFY_WITH_TIMEOUT(!pLink->m_bLaunching, 5000);
    SendPointer(pLink, event, kInside);
    QCOMPARE(pLink->m_bCaptured, overAfter);
    QCOMPARE(ShowsHand(pLink), overAfter);
}

void TestStaticLink::focusFrameOnlyWithKeyboardFocus_data() {
    QTest::addColumn<int>("tabs");
    QTest::addColumn<bool>("click");
    QTest::addColumn<bool>("framed");
    QTest::newRow("tabbed to") << 1 << false << true;
    QTest::newRow("tabbed on past it") << 2 << false << false;
    QTest::newRow("clicked, which takes no focus") << 0 << true << false;
}

void TestStaticLink::focusFrameOnlyWithKeyboardFocus() {
    QFETCH(int, tabs);
    QFETCH(bool, click);
    QFETCH(bool, framed);
    SLinkWindow window("https://www.varnel.example/", nullptr);
    auto* pOther = new QPushButton("Other", &window.host);
    pOther->move(0, 80);
    pOther->setFocus();
    window.host.show();
    QVERIFY(QTest::qWaitForWindowActive(&window.host));
    const QImage imageUnfocused = window.pLink->grab().toImage();

    for (int n = 0; n < tabs; ++n) {
        QTest::keyClick(window.host.windowHandle(), Qt::Key_Tab);
    }
    if (click) {
        QTest::mouseClick(window.pLink, Qt::LeftButton, {}, kInside);
        QCOMPARE(m_recorder.m_urls.size(), 1);
    }
    QCOMPARE(window.pLink->hasFocus(), framed);
    QCOMPARE(window.pLink->grab().toImage() != imageUnfocused, framed);
}

void TestStaticLink::clickDuringLaunchOpensAgain() {
    bool bVisited = false;
    SLinkWindow window("https://www.varnel.example/", &bVisited);
    window.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));

    QTest::mouseClick(window.pLink, Qt::LeftButton, {}, kInside);
    QVERIFY(window.pLink->m_bLaunching);
    QTest::mouseClick(window.pLink, Qt::LeftButton, {}, kInside);
    QVERIFY(window.pLink->m_bLaunching);
    QCOMPARE(m_recorder.m_urls.size(), 2);
}

void TestStaticLink::pressThatLeavesTheLinkIsNoClick() {
    bool bVisited = false;
    SLinkWindow window("https://www.varnel.example/", &bVisited);
    window.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));

    QTest::mousePress(window.pLink, Qt::LeftButton, {}, kInside);
    QTest::mouseRelease(window.pLink, Qt::LeftButton, {}, QPoint(-10, -10));

    QVERIFY(m_recorder.m_urls.isEmpty());
    QVERIFY(!window.pLink->m_bLaunching);
    QVERIFY(!bVisited);
}

void TestStaticLink::onlyTheLeftButtonClicks() {
    bool bVisited = false;
    SLinkWindow window("https://www.varnel.example/", &bVisited);
    window.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));

    QTest::mouseClick(window.pLink, Qt::RightButton, {}, kInside);
    QTest::mouseClick(window.pLink, Qt::MiddleButton, {}, kInside);

    QVERIFY(m_recorder.m_urls.isEmpty());
    QVERIFY(!bVisited);
}

QTEST_MAIN(TestStaticLink)
#include "tst_staticlink.moc"
