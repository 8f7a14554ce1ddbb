#include "view/zoomsteps.h"

#include <QtTest>

class TestZoomSteps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void steps_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::newRow("bottom") << 25 << 33 << 25;
        QTest::newRow("top") << 400 << 400 << 300;
        QTest::newRow("between steps") << 105 << 110 << 100;
        QTest::newRow("below the ladder") << -50 << 25 << 25;
        QTest::newRow("above the ladder") << 1000 << 400 << 400;
    }
    void steps() {
        QFETCH(int, from);
        QFETCH(int, in);
        QFETCH(int, out);
        QCOMPARE(ZoomSteps::In(from), in);
        QCOMPARE(ZoomSteps::Out(from), out);
    }
};

QTEST_GUILESS_MAIN(TestZoomSteps)
#include "tst_zoomsteps.moc"
