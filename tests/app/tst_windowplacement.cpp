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
    // The right edge is not checked: a window dragged partly off the right stays there.
    QTest::newRow("partly off the right") << WindowPlacement{1000, 20, 800, 600} << true;
    QTest::newRow("left at the edge") << WindowPlacement{1024, 738, 10, 10} << true;
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
