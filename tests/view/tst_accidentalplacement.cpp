// Where the accidental buttons go when their usual place would hide a title.
#include "view/buttonplacement.h"

#include <QtTest>

namespace {

// Three 100-pixel buttons over the first three necks, as at actual size.
const std::array<QRect, 3> kUsual{QRect(40, 0, 100, 20), QRect(160, 0, 100, 20),
                                  QRect(280, 0, 100, 20)};

} // namespace

class TestAccidentalPlacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placement_data() {
        QTest::addColumn<QRect>("title"); // one title band
        QTest::addColumn<QSize>("drawing");
        QTest::addColumn<QSize>("visible");
        QTest::addColumn<bool>("fitted");
        QTest::addColumn<QRect>("flat");
        QTest::addColumn<QRect>("sharp");
        const QRect under(10, 10, 100, 10);
        QTest::newRow("title touching the band's foot: usual place")
            << QRect(10, 20, 300, 1) << QSize(400, 300) << QSize(400, 300) << true << kUsual[0]
            << kUsual[2];
        QTest::newRow("fitted, a pixel short below, room beside: one under another")
            << under << QSize(400, 300) << QSize(500, 319) << true << QRect(400, 0, 100, 20)
            << QRect(400, 40, 100, 20);
        QTest::newRow("fitted, narrow room beside: the buttons' own width")
            << under << QSize(400, 300) << QSize(470, 300) << true << QRect(400, 0, 70, 20)
            << QRect(400, 40, 70, 20);
        QTest::newRow("fitted, no room anywhere: along the lower edge")
            << under << QSize(400, 300) << QSize(430, 310) << true << QRect(40, 290, 100, 20)
            << QRect(280, 290, 100, 20);
    }
    void placement() {
        QFETCH(QRect, title);
        QFETCH(QSize, drawing);
        QFETCH(QSize, visible);
        QFETCH(bool, fitted);
        QFETCH(QRect, flat);
        QFETCH(QRect, sharp);
        ButtonPlacementInput in;
        in.usual = kUsual;
        in.titles = {title};
        in.drawing = drawing;
        in.visible = visible;
        in.fitted = fitted;
        in.minimumWidths = {60, 70, 60};
        const std::array<QRect, 3> placed = PlaceAccidentalButtons(in);
        QCOMPARE(placed[0], flat);
        QCOMPARE(placed[2], sharp);
    }
};

QTEST_GUILESS_MAIN(TestAccidentalPlacement)
#include "tst_accidentalplacement.moc"
