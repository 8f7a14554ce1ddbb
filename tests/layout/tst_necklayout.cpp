#include "layout/necklayout.h"

#include <QtTest>

namespace {

bool Inside(const CSurfaceRect& inner, const CSurfaceRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const CSurfaceRect& a, const CSurfaceRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<LayoutCell> CellsOf(const NeckGeometry& neck) {
    std::vector<LayoutCell> cells = neck.openCells;
    for (const LayoutRow& row : neck.rows) {
        cells.insert(cells.end(), row.cells.begin(), row.cells.end());
    }
    return cells;
}

} // namespace

class TestNeckLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyCellIsFoundWhereItIsDrawn_data();
    void everyCellIsFoundWhereItIsDrawn();
    void pointsBesideTheNecksHitNothing();
};

void TestNeckLayout::everyCellIsFoundWhereItIsDrawn_data() {
    QTest::addColumn<int>("strings");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("leftHanded");
    QTest::addColumn<bool>("openStrings");
    QTest::addColumn<int>("spacing"); // string and fret spacing both
    QTest::newRow("guitar") << 6 << 0 << 22 << false << false << false << 20;
    QTest::newRow("bass, horizontal, open") << 4 << 0 << 24 << true << false << true << 20;
    QTest::newRow("eight strings, left-handed, open")
        << 8 << 0 << 24 << false << true << true << 20;
    QTest::newRow("five strings, horizontal, left-handed")
        << 5 << 0 << 12 << true << true << true << 25;
    QTest::newRow("window 5 to 9") << 7 << 5 << 9 << false << false << true << 30;
    QTest::newRow("window 1 to 2, horizontal") << 6 << 1 << 2 << true << false << false << 20;
    QTest::newRow("one unit apart") << 6 << 0 << 22 << false << false << false << 1;
}

void TestNeckLayout::everyCellIsFoundWhereItIsDrawn() {
    QFETCH(int, strings);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(bool, horizontal);
    QFETCH(bool, leftHanded);
    QFETCH(bool, openStrings);
    QFETCH(int, spacing);
    NeckLayoutInput input;
    input.strings = strings;
    input.firstFret = first;
    input.lastFret = last;
    input.horizontal = horizontal;
    input.leftHanded = leftHanded;
    input.openStrings = openStrings;
    input.stringSpacing = spacing;
    input.fretSpacing = spacing;
    input.dotRadius = std::max(1, spacing / 2 - 1);
    input.fretNumbers = true;
    const NeckLayout layout(input);
    QCOMPARE(layout.Necks().size(), std::size_t{7});

    for (std::size_t i = 0; i < layout.Necks().size(); ++i) {
        const NeckGeometry& neck = layout.Necks()[i];
        // Frets first to last: rows for the fretted ones, the nut for fret 0.
        const int firstRow = std::max(first, 1);
        QCOMPARE(static_cast<int>(neck.rows.size()), last - firstRow + 1);
        QCOMPARE(neck.rows.front().fret, firstRow);
        QCOMPARE(neck.nut.has_value(), first == 0);
        QCOMPARE(static_cast<int>(neck.openCells.size()), openStrings && first == 0 ? strings : 0);
        for (const LayoutRow& row : neck.rows) {
            QCOMPARE(static_cast<int>(row.cells.size()), strings);
            QCOMPARE(static_cast<int>(row.markers.size()), MarkerCount(row.fret));
        }
        const std::vector<LayoutCell> cells = CellsOf(neck);
        for (std::size_t a = 0; a < cells.size(); ++a) {
            const LayoutCell& cell = cells[a];
            const LayoutHit expected{static_cast<int>(i), cell.string, cell.fret};
            QCOMPARE(layout.HitTest(cell.centre), std::optional<LayoutHit>(expected));
            if (spacing > 1) {
                QVERIFY(Inside(cell.dot, cell.area));
            }
            for (std::size_t b = a + 1; b < cells.size(); ++b) {
                QVERIFY(!Overlap(cell.area, cells[b].area));
            }
        }
        if (i > 0) {
            QVERIFY(!Overlap(neck.frame, layout.Necks()[i - 1].frame));
        }
        // Tablature's order: the lowest string at the bottom, frets away from the nut.
        const LayoutRow& row = neck.rows.front();
        const auto lowest = std::find_if(row.cells.begin(), row.cells.end(),
                                         [](const LayoutCell& c) { return c.string == 0; });
        const auto highest =
            std::find_if(row.cells.begin(), row.cells.end(),
                         [&](const LayoutCell& c) { return c.string == strings - 1; });
        if (horizontal) {
            QVERIFY(lowest->centre.y() > highest->centre.y());
        } else {
            QCOMPARE(lowest->centre.x() > highest->centre.x(), leftHanded);
        }
        if (horizontal && neck.rows.size() > 1) {
            QCOMPARE(neck.rows[1].cells.front().centre.x() < row.cells.front().centre.x(),
                     leftHanded);
        }
    }
    for (const LayoutFretNumber& number : layout.FretNumbers()) {
        QVERIFY(MarkerCount(number.fret) > 0);
        for (const NeckGeometry& neck : layout.Necks()) {
            QVERIFY(!Overlap(number.box, neck.frame));
        }
    }
}

void TestNeckLayout::pointsBesideTheNecksHitNothing() {
    const NeckLayout layout{NeckLayoutInput{}};
    const NeckGeometry& first = layout.Necks().front();
    const NeckGeometry& last = layout.Necks().back();
    for (const QPoint point :
         {QPoint(0, 0), QPoint(first.frame.left, first.frame.top - 1),
          QPoint(last.frame.right + 20, 100), QPoint(100, last.frame.bottom + 1)}) {
        QCOMPARE(layout.HitTest(point), std::optional<LayoutHit>());
    }
    // Half a string's room beyond the outer strings still counts; a wider gap belongs to neither.
    const CSurfaceRect& next = layout.Necks()[1].frame;
    QCOMPARE(layout.HitTest(QPoint(first.frame.right + 9, next.top + 40)),
             std::optional<LayoutHit>(LayoutHit{1, 0, 2}));
    NeckLayoutInput apart;
    apart.neckSpacing = 60;
    const NeckLayout wide(apart);
    QCOMPARE(wide.HitTest(QPoint(wide.Necks().front().frame.right + 25, next.top + 40)),
             std::optional<LayoutHit>());
    QCOMPARE(layout.TitleAt(QPoint(next.left + 5, 25), 16), std::optional<int>(1));
}

QTEST_APPLESS_MAIN(TestNeckLayout)
#include "tst_necklayout.moc"
