#include "app/windowplacement.h"

#include <QtTest>

Q_DECLARE_METATYPE(WindowPlacement)

namespace QTest {
template <>
char* toString(const WindowPlacement& p) {
    return qstrdup(QByteArray::number(p.x) + ' ' + QByteArray::number(p.y) + ' ' +
                   QByteArray::number(p.cx) + ' ' + QByteArray::number(p.cy));
}
} // namespace QTest

class TestWindowPlacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultPlacement_data();
    void defaultPlacement();
    void restoredPlacement_data();
    void restoredPlacement();
    void restoredOnAnyScreen_data();
    void restoredOnAnyScreen();
    void clampedPlacement_data();
    void clampedPlacement();
};

void TestWindowPlacement::defaultPlacement_data() {
    QTest::addColumn<QSize>("workArea");
    QTest::addColumn<WindowPlacement>("expected");
    QTest::newRow("1024 wide") << QSize(1024, 738) << WindowPlacement{102, 0, 819, 738};
    QTest::newRow("1280 wide") << QSize(1280, 994) << WindowPlacement{128, 0, 1024, 994};
    // An odd remainder is truncated on both sides of the centring.
    QTest::newRow("1001 wide") << QSize(1001, 500) << WindowPlacement{100, 0, 800, 500};
    QTest::newRow("800 wide") << QSize(800, 600) << WindowPlacement{80, 0, 640, 600};
}

void TestWindowPlacement::defaultPlacement() {
    QFETCH(QSize, workArea);
    QFETCH(WindowPlacement, expected);
    QCOMPARE(DefaultPlacement(workArea), expected);
}

void TestWindowPlacement::restoredPlacement_data() {
    QTest::addColumn<WindowPlacement>("stored");
    QTest::addColumn<bool>("kept");
    const QSize area(1024, 738);
    QTest::newRow("ordinary") << WindowPlacement{10, 20, 800, 600} << true;
    QTest::newRow("exactly the work area") << WindowPlacement{0, 0, 1024, 738} << true;
    QTest::newRow("nothing stored") << WindowPlacement{0, 0, 0, 0} << false;
    QTest::newRow("from a wider display") << WindowPlacement{10, 20, 1025, 600} << false;
    QTest::newRow("from a taller display") << WindowPlacement{10, 20, 800, 739} << false;
    QTest::newRow("negative left") << WindowPlacement{-1, 20, 800, 600} << false;
    QTest::newRow("negative top") << WindowPlacement{10, -1, 800, 600} << false;
    QTest::newRow("negative width") << WindowPlacement{10, 20, -800, 600} << false;
    QTest::newRow("zero height") << WindowPlacement{10, 20, 800, 0} << false;
    // The right edge is not checked: a window dragged partly off the right stays there while
    // 100x50 of it, top edge included, can still be reached.
    QTest::newRow("partly off the right") << WindowPlacement{924, 20, 800, 600} << true;
    QTest::newRow("24 pixels left on the screen") << WindowPlacement{1000, 20, 800, 600} << false;
    QTest::newRow("left at the edge") << WindowPlacement{1024, 738, 10, 10} << false;
    QTest::newRow("20x20 in the corner") << WindowPlacement{1004, 718, 800, 600} << false;
    QTest::newRow("only 49 rows showing") << WindowPlacement{10, 689, 800, 600} << false;
    QTest::newRow("left beyond the edge") << WindowPlacement{1025, 20, 800, 600} << false;
    QTest::newRow("top beyond the edge") << WindowPlacement{10, 739, 800, 600} << false;
    Q_UNUSED(area)
}

void TestWindowPlacement::restoredPlacement() {
    QFETCH(WindowPlacement, stored);
    QFETCH(bool, kept);
    const QSize area(1024, 738);
    // All four values are dropped together, never just the one that failed.
    QCOMPARE(RestoredPlacement(stored, area), kept ? stored : DefaultPlacement(area));
}

void TestWindowPlacement::restoredOnAnyScreen_data() {
    // Two 1920x1080 screens, the second to the right of the first and 200 pixels lower; a
    // panel takes the top 30 pixels of the first.
    QTest::addColumn<WindowPlacement>("stored");
    QTest::addColumn<bool>("kept");
    QTest::newRow("on the second screen") << WindowPlacement{2100, 400, 800, 600} << true;
    QTest::newRow("across both") << WindowPlacement{1500, 300, 800, 600} << true;
    QTest::newRow("under the panel, top on the screen")
        << WindowPlacement{100, 0, 800, 600} << true;
    QTest::newRow("above the second screen") << WindowPlacement{2100, 10, 800, 600} << false;
    QTest::newRow("beyond both") << WindowPlacement{3840, 400, 800, 600} << false;
    QTest::newRow("wider than both") << WindowPlacement{0, 300, 3841, 600} << false;
}

void TestWindowPlacement::restoredOnAnyScreen() {
    QFETCH(WindowPlacement, stored);
    QFETCH(bool, kept);
    DesktopAreas desktop;
    desktop.screens = {QRect(0, 0, 1920, 1080), QRect(1920, 200, 1920, 1080)};
    desktop.available = {QRect(0, 30, 1920, 1050), QRect(1920, 200, 1920, 1080)};
    desktop.primaryWorkArea = QSize(1920, 1050);
    QCOMPARE(RestoredPlacement(stored, desktop),
             kept ? stored : DefaultPlacement(desktop.primaryWorkArea));
}

void TestWindowPlacement::clampedPlacement_data() {
    QTest::addColumn<WindowPlacement>("current");
    QTest::addColumn<WindowPlacement>("expected");
    QTest::newRow("inside") << WindowPlacement{10, 20, 800, 600}
                            << WindowPlacement{10, 20, 800, 600};
    // A maximised frame reaches beyond the work area by its borders.
    QTest::newRow("maximised") << WindowPlacement{-8, -8, 1040, 754}
                               << WindowPlacement{0, 0, 1024, 738};
    // The right edge is never pulled in: only the corner and the size are clamped.
    QTest::newRow("off the right")
        << WindowPlacement{900, 30, 800, 600} << WindowPlacement{900, 30, 800, 600};
    QTest::newRow("negative size kept")
        << WindowPlacement{5, 5, -3, -4} << WindowPlacement{5, 5, -3, -4};
}

void TestWindowPlacement::clampedPlacement() {
    QFETCH(WindowPlacement, current);
    QFETCH(WindowPlacement, expected);
    QCOMPARE(ClampedPlacement(current, QSize(1024, 738)), expected);
}

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
