#include "dialogs/staticlink.h"
#include "tests/support/urlrecorder.h"

#include <QtTest>

#include <QDesktopServices>
#include <QImage>
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
    void pointerOverLinkShowsHand();
    void pointerMovesAreIgnoredWhileLaunching();
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

void TestStaticLink::pointerOverLinkShowsHand() {
    bool bVisited = false;
    SLinkWindow window("https://www.varnel.example/", &bVisited);
    window.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    CStaticLink* pLink = window.pLink;
    QCOMPARE(pLink->cursor().shape(), Qt::ArrowCursor);

    MoveOntoLink(window);
    QVERIFY(pLink->m_bCaptured);
    QCOMPARE(QWidget::mouseGrabber(), pLink);
    QVERIFY(pLink->cursor().shape() != Qt::ArrowCursor);

    // The grab brings the move that leaves the link to the link itself.
    QTest::mouseMove(&window.host, kOutsideOnHost);
    QVERIFY(!pLink->m_bCaptured);
    QVERIFY(QWidget::mouseGrabber() == nullptr);
    QCOMPARE(pLink->cursor().shape(), Qt::ArrowCursor);

    // The bottom-right edges lie outside, the top-left ones inside.
    QTest::mouseMove(pLink, QPoint(0, 1));
    QVERIFY(pLink->m_bCaptured);
    QTest::mouseMove(pLink, QPoint(pLink->width(), pLink->height() - 1));
    QVERIFY(!pLink->m_bCaptured);
    QVERIFY(!bVisited);
}

void TestStaticLink::pointerMovesAreIgnoredWhileLaunching() {
    bool bVisited = false;
    SLinkWindow window("https://www.varnel.example/", &bVisited);
    window.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    CStaticLink* pLink = window.pLink;

    MoveOntoLink(window);
    QVERIFY(pLink->m_bCaptured);
    QTest::mouseClick(pLink, Qt::LeftButton, {}, kInside);
    QVERIFY(pLink->m_bLaunching);
    QCOMPARE(pLink->cursor().shape(), Qt::ArrowCursor);

    QTest::mouseMove(pLink, kInside + QPoint(5, 0));
    QVERIFY(!pLink->m_bCaptured);
    QVERIFY(QWidget::mouseGrabber() == nullptr);
    QCOMPARE(pLink->cursor().shape(), Qt::ArrowCursor);

    // Once the launch period is over the link answers the pointer again.
    QTRY_VERIFY_WITH_TIMEOUT(!pLink->m_bLaunching, 5000);
    QTest::mouseMove(pLink, kInside);
    QVERIFY(pLink->m_bCaptured);
    QVERIFY(pLink->cursor().shape() != Qt::ArrowCursor);
    QTest::mouseMove(&window.host, kOutsideOnHost);
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
