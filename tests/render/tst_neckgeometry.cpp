// The recorded geometry and order of one pass, against the numbers of the layout.
#include "view/neckdrawing.h"
#include "view/recordingsurface.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <climits>

using Kind = CRecordedCall::Kind;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kTonic(255, 127, 127);
const QColor kScale(0, 0, 255);
const QColor kWhite(255, 255, 255);
const QColor kWindow(236, 233, 216);

// Watches the questions a pass asks of the music model, and where in the recording they fall.
class CWatchedDrawing : public CNeckDrawing {
public:
    explicit CWatchedDrawing(const CRecordingSurface& recorder)
        : m_recorder(recorder) {}

    struct RoleQuery {
        int fret, string, mode;
    };
    mutable std::vector<RoleQuery> roleQueries;
    mutable std::vector<std::pair<int, std::size_t>> rootQueries; // mode, calls recorded before

protected:
    int QueryNoteRole(int nFret, int nString, int nMode) const override {
        roleQueries.push_back({nFret, nString, nMode});
        return CNeckDrawing::QueryNoteRole(nFret, nString, nMode);
    }
    std::string QueryRootName(int nMode) const override {
        rootQueries.emplace_back(nMode, m_recorder.Calls().size());
        return CNeckDrawing::QueryRootName(nMode);
    }

private:
    const CRecordingSurface& m_recorder;
};

struct Pass {
    CRecordingSurface recorder;
    CWatchedDrawing drawing{recorder};

    explicit Pass(int nCharWidth = 7) {
        recorder.SetCharacterWidth(nCharWidth);
        recorder.SetWindowColour(kWindow);
    }
    void Draw(bool bPrinting, QSize client = QSize(900, 720)) {
        const QRect target = bPrinting ? QRect(0, 0, 2400, 3400) : QRect(QPoint(0, 0), client);
        drawing.DrawNecks(&recorder, client, &target, bPrinting);
    }
    std::vector<CRecordedCall> Lines() const { return recorder.CallsOf(Kind::Line); }
    std::vector<CRecordedCall> Ellipses() const { return recorder.CallsOf(Kind::Ellipse); }
};

bool IsMarker(const CRecordedCall& call) {
    return call.kind == Kind::Ellipse && call.brush.colour == kBlack;
}

} // namespace

Q_DECLARE_METATYPE(LabelKind)

class TestNeckGeometry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stringPositions_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("firstString");
        const int expected[] = {20, 140, 260, 380, 500, 620, 740};
        for (int i = 0; i < 7; ++i) {
            QTest::addRow("diagram %d", i) << i << expected[i];
        }
    }
    void stringPositions() {
        QFETCH(int, mode);
        QFETCH(int, firstString);
        Pass pass;
        pass.Draw(false);
        std::vector<int> xs;
        for (const CRecordedCall& line : pass.Lines()) {
            if (line.from.x() == line.to.x() && line.from.y() == 40) {
                xs.push_back(line.from.x());
            }
        }
        QCOMPARE(xs.size(), std::size_t{42});
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(xs[static_cast<std::size_t>(mode * 6 + k)], firstString + k * 20);
        }
        if (mode == 6) {
            QCOMPARE(xs.back(), 840);
        }
    }

    void horizontalLines_data() {
        QTest::addColumn<bool>("printing");
        QTest::addColumn<int>("nut");
        QTest::addColumn<int>("lastFret");
        QTest::addColumn<int>("titleTop");
        QTest::newRow("screen") << false << 40 << 700 << 20;
        QTest::newRow("printing") << true << 80 << 740 << 60;
    }
    void horizontalLines() {
        QFETCH(bool, printing);
        QFETCH(int, nut);
        QFETCH(int, lastFret);
        QFETCH(int, titleTop);
        Pass pass;
        pass.Draw(printing);
        std::vector<CRecordedCall> horizontal;
        for (const CRecordedCall& line : pass.Lines()) {
            if (line.from.y() == line.to.y() && line.from.x() == 20) {
                horizontal.push_back(line);
            }
        }
        QCOMPARE(horizontal.size(), std::size_t{24}); // 23 fret lines and the second nut line
        QCOMPARE(horizontal[0].from.y(), nut);
        QCOMPARE(horizontal[1].from.y(), nut + 1);
        QCOMPARE(horizontal[2].from.y(), nut + 30);
        QCOMPARE(horizontal.back().from.y(), lastFret);
        QCOMPARE(horizontal.back().to, QPoint(120, lastFret));
        for (const CRecordedCall& text : pass.recorder.CallsOf(Kind::TextOut)) {
            QCOMPARE(text.from.y(), titleTop);
        }
    }

    void oneSegmentPerStringAndRow() {
        Pass pass;
        pass.Draw(false);
        QCOMPARE(pass.Lines().size(), std::size_t{1092});
        for (const CRecordedCall& line : pass.Lines()) {
            QCOMPARE(line.pen.colour, kBlack);
            if (line.from.x() == line.to.x()) {
                QCOMPARE(line.to.y() - line.from.y(), 30);
            }
        }
    }

    void dotBox_data() {
        QTest::addColumn<bool>("printing");
        QTest::addColumn<int>("top");
        QTest::newRow("screen") << false << 51;
        QTest::newRow("printing") << true << 91;
    }
    void dotBox() {
        QFETCH(bool, printing);
        QFETCH(int, top);
        Pass pass;
        pass.Draw(printing);
        // F on the low E string, fret 1, belongs to C Ionian: the first dot of the pass.
        const CRecordedCall first = pass.Ellipses().front();
        QCOMPARE(first.rect, (CSurfaceRect{15, top, 26, top + 11}));
        QCOMPARE(first.pen.colour, kScale);
        QCOMPARE(first.brush.colour, kScale);
    }

    void dotColoursFollowRoles() {
        Pass pass;
        pass.Draw(false);
        int tonic = 0;
        int scale = 0;
        for (const CRecordedCall& dot : pass.Ellipses()) {
            if (IsMarker(dot)) {
                continue;
            }
            QCOMPARE(dot.rect.right - dot.rect.left, 11);
            QCOMPARE(dot.rect.bottom - dot.rect.top, 11);
            QCOMPARE(dot.pen.colour, dot.brush.colour);
            tonic += dot.brush.colour == kTonic;
            scale += dot.brush.colour == kScale;
        }
        // With C as every diagram's tonic, the tonic dots are the cells that sound C.
        int cCells = 0;
        for (int open : {4, 9, 2, 7, 11, 4}) {
            for (int fret = 1; fret <= 22; ++fret) {
                cCells += (open + fret) % 12 == 0;
            }
        }
        QCOMPARE(tonic, 7 * cCells);
        QCOMPARE(std::size_t(tonic + scale + 70), pass.Ellipses().size());
    }

    void shapeDotsStandOut_data() {
        QTest::addColumn<bool>("hidden");
        QTest::newRow("faint") << false;
        QTest::newRow("hidden") << true;
    }

    // Seven shapes of 18 notes keep the full colours; the rest of the scale is drawn in other
    // colours, or not at all.
    void shapeDotsStandOut() {
        QFETCH(bool, hidden);
        Pass all;
        all.Draw(false);
        Pass shapes;
        shapes.drawing.m_positions = PositionKind::ThreePerString;
        shapes.drawing.m_bPositionsOnly = hidden;
        shapes.Draw(false);
        const auto count = [](const Pass& pass, bool full) {
            int found = 0;
            for (const CRecordedCall& dot : pass.Ellipses()) {
                const bool isFull = dot.brush.colour == kTonic || dot.brush.colour == kScale;
                found += !IsMarker(dot) && isFull == full;
            }
            return found;
        };
        QCOMPARE(count(shapes, true), 7 * 18);
        QCOMPARE(count(shapes, false), hidden ? 0 : count(all, true) - 7 * 18);
    }

    // Rings stand concentric around dots, and as many as the cells of the seven chords on C:
    // Cmaj7, Cm7 (Dorian, Phrygian, Aeolian), Cmaj7 (Lydian), C7 and Cm7b5, each counted from
    // its pitch classes.
    void ringsOnChordTones() {
        Pass pass;
        pass.drawing.m_chordTones = ChordKind::Seventh;
        pass.Draw(false);
        const std::array<std::array<int, 4>, 7> chords{{{0, 4, 7, 11},
                                                        {0, 3, 7, 10},
                                                        {0, 3, 7, 10},
                                                        {0, 4, 7, 11},
                                                        {0, 4, 7, 10},
                                                        {0, 3, 7, 10},
                                                        {0, 3, 6, 10}}};
        int expected = 0;
        for (const auto& chord : chords) {
            for (int open : {4, 9, 2, 7, 11, 4}) {
                for (int fret = 1; fret <= 22; ++fret) {
                    expected += std::count(chord.begin(), chord.end(), (open + fret) % 12) > 0;
                }
            }
        }
        const std::vector<CRecordedCall> ellipses = pass.Ellipses();
        int rings = 0;
        for (std::size_t i = 1; i < ellipses.size(); ++i) {
            const CRecordedCall& ring = ellipses[i];
            if (ring.brush.colour.alpha() != 0) {
                continue;
            }
            ++rings;
            const CSurfaceRect& dot = ellipses[i - 1].rect;
            QCOMPARE(ring.rect.left, dot.left - 2);
            QCOMPARE(ring.rect.top, dot.top - 2);
            QCOMPARE(ring.rect.right, dot.right + 2);
            QCOMPARE(ring.rect.bottom, dot.bottom + 2);
            QVERIFY(ellipses[i - 1].brush.colour == kTonic ||
                    ellipses[i - 1].brush.colour == kScale);
        }
        QCOMPARE(rings, expected);
    }

    void markerBoxes() {
        Pass pass;
        pass.Draw(false);
        std::vector<CSurfaceRect> markers;
        for (const CRecordedCall& call : pass.Ellipses()) {
            if (IsMarker(call) && call.rect.left < 140) {
                markers.push_back(call.rect);
                QCOMPARE(call.pen.colour, kBlack);
            }
        }
        QCOMPARE(markers.size(), std::size_t{10});
        QCOMPARE(markers[0], (CSurfaceRect{69, 115, 73, 119}));
        QCOMPARE(markers[4], (CSurfaceRect{89, 385, 93, 389}));
        QCOMPARE(markers[5], (CSurfaceRect{49, 385, 53, 389}));
    }

    void markersAtListedFretsOnly_data() {
        QTest::addColumn<int>("fret");
        QTest::addColumn<int>("markers");
        for (int fret = 1; fret <= 22; ++fret) {
            int count = 0;
            for (int marked : {3, 5, 7, 9, 15, 17, 19, 21}) {
                count += fret == marked;
            }
            QTest::addRow("fret %d", fret) << fret << (fret == 12 ? 2 : count);
        }
    }
    void markersAtListedFretsOnly() {
        QFETCH(int, fret);
        QFETCH(int, markers);
        Pass pass;
        pass.Draw(false);
        const int middle = 40 + (fret - 1) * 30 + 15;
        int found = 0;
        for (const CRecordedCall& call : pass.Ellipses()) {
            found += IsMarker(call) && call.rect.top == middle && call.rect.left < 140;
        }
        QCOMPARE(found, markers);
    }

    void roleQueriesInLoopOrder() {
        Pass pass;
        pass.Draw(false);
        QCOMPARE(pass.drawing.roleQueries.size(), std::size_t{924});
        std::size_t n = 0;
        for (int i = 0; i < 7; ++i) {
            for (int j = 0; j < 22; ++j) {
                for (int k = 0; k < 6; ++k) {
                    const auto& query = pass.drawing.roleQueries[n++];
                    QCOMPARE(query.fret, j + 1);
                    QCOMPARE(query.string, k);
                    QCOMPARE(query.mode, i);
                }
            }
        }
    }

    void rootNameAfterEachDiagram() {
        Pass pass;
        pass.Draw(false);
        const auto& calls = pass.recorder.Calls();
        QCOMPARE(pass.drawing.rootQueries.size(), std::size_t{7});
        for (int i = 0; i < 7; ++i) {
            const auto [mode, position] = pass.drawing.rootQueries[static_cast<std::size_t>(i)];
            QCOMPARE(mode, i);
            // Asked for the title, just after the closing fret line of that diagram.
            const CRecordedCall& before = calls[position - 1];
            QCOMPARE(before.kind, Kind::Line);
            QCOMPARE(before.from.y(), 700);
            QCOMPARE(calls[position].kind, Kind::TextOut);
            QCOMPARE(calls[position].from.x(), 20 + i * 120);
        }
    }

    void orderOfTheFirstRow() {
        Pass pass;
        pass.Draw(false);
        const auto& calls = pass.recorder.Calls();
        std::size_t n = 0;
        while (calls[n].kind != Kind::Line) {
            ++n;
        }
        QCOMPARE(calls[n].from, QPoint(20, 40));     // fret line 0
        QCOMPARE(calls[n + 1].from, QPoint(20, 41)); // second nut line
        QCOMPARE(calls[n + 2].from, QPoint(20, 40)); // string 0
        QCOMPARE(calls[n + 2].to, QPoint(20, 70));
        // F, fret 1 of the low E string: the dot with its tools, then the line pen and the
        // background brush again.
        QCOMPARE(calls[n + 3].kind, Kind::SelectPen);
        QCOMPARE(calls[n + 4].kind, Kind::SelectBrush);
        QCOMPARE(calls[n + 5].kind, Kind::Ellipse);
        QCOMPARE(calls[n + 6].pen.colour, kBlack);
        QCOMPARE(calls[n + 7].brush.colour, kWindow);
        QCOMPARE(calls[n + 8].kind, Kind::Line); // string 1, A# at fret 1: no dot
        QCOMPARE(calls[n + 8].from, QPoint(40, 40));
    }

    void titles_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("accidental");
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("C, key fixed")
            << 0 << 0 << 0 << QStringList{"C Ionian",     "C Dorian",  "C Phrygian", "C Lydian",
                                          "C Mixolydian", "C Aeolian", "C Locrian"};
        QTest::newRow("C, pattern fixed")
            << 0 << 0 << 1 << QStringList{"C Ionian",     "D Dorian",  "E Phrygian", "F Lydian",
                                          "G Mixolydian", "A Aeolian", "B Locrian"};
        QTest::newRow("Eb, key fixed")
            << 4 << -1 << 0
            << QStringList{"Eb Ionian",     "Eb Dorian",  "Eb Phrygian", "Eb Lydian",
                           "Eb Mixolydian", "Eb Aeolian", "Eb Locrian"};
    }
    void titles() {
        QFETCH(int, key);
        QFETCH(int, accidental);
        QFETCH(int, style);
        QFETCH(QStringList, titles);
        Pass pass;
        pass.drawing.m_nKey = key;
        pass.drawing.m_nAccidental = accidental;
        pass.drawing.m_nStyle = style;
        pass.Draw(false);
        QStringList drawn;
        for (const CRecordedCall& text : pass.recorder.CallsOf(Kind::TextOut)) {
            drawn << text.text;
            QCOMPARE(text.colour, kScale);
        }
        QCOMPARE(drawn, titles);
    }

    void shortTitles_data() {
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<int>("stringSpacing");
        QTest::addColumn<bool>("shortTitles");
        QTest::addColumn<QString>("firstTitle");
        // "C# Mixolydian" is 13 characters, measured against 6 string spacings.
        QTest::newRow("narrow") << 9 << 20 << false << "C Ionian";
        QTest::newRow("equal is not wider") << 6 << 13 << false << "C Ionian";
        QTest::newRow("one unit wider") << 6 << 12 << true << "C Ion";
        QTest::newRow("wide") << 10 << 20 << true << "C Ion";
        QTest::newRow("no spacing") << 1 << 0 << true << "C Ion";
        QTest::newRow("negative spacing") << 1 << -20 << true << "C Ion";
    }
    void shortTitles() {
        QFETCH(int, charWidth);
        QFETCH(int, stringSpacing);
        QFETCH(bool, shortTitles);
        QFETCH(QString, firstTitle);
        Pass pass(charWidth);
        pass.drawing.m_nStringSpacing = stringSpacing;
        pass.Draw(false);
        QCOMPARE(pass.drawing.m_nTitleWidth, 13 * charWidth);
        QCOMPARE(pass.drawing.m_bShortTitles, shortTitles);
        QCOMPARE(pass.recorder.CallsOf(Kind::TextOut).front().text, firstTitle);
        if (shortTitles) {
            QCOMPARE(pass.recorder.CallsOf(Kind::TextOut).back().text, QString("C Loc"));
        }
    }

    void measuredOnlyOnce() {
        Pass pass(10);
        pass.Draw(false);
        QVERIFY(pass.drawing.m_bShortTitles);
        // Wider strings alone never measure again, and a pass never clears the flag.
        pass.drawing.m_nStringSpacing = 100;
        pass.recorder.SetCharacterWidth(1);
        pass.Draw(false);
        pass.Draw(true);
        QCOMPARE(pass.recorder.CallsOf(Kind::TextWidth).size(), std::size_t{1});
        QCOMPARE(pass.recorder.CallsOf(Kind::TextWidth).front().text, QString("C# Mixolydian"));
        QCOMPARE(pass.drawing.m_nTitleWidth, 130);
        QVERIFY(pass.drawing.m_bShortTitles);
    }

    void firstMeasurementWhilePrintingUsesTitleFont() {
        Pass pass;
        pass.Draw(true);
        const auto widths = pass.recorder.CallsOf(Kind::TextWidth);
        QCOMPARE(widths.size(), std::size_t{1});
        QVERIFY(widths.front().titleFont);
    }

    void mappingAndBackground_data() {
        QTest::addColumn<bool>("printing");
        QTest::addColumn<QSize>("viewport");
        QTest::addColumn<QColor>("background");
        QTest::newRow("screen") << false << QSize(900, 720) << kWindow;
        QTest::newRow("printing") << true << QSize(2400, 3400) << kWhite;
    }
    void mappingAndBackground() {
        QFETCH(bool, printing);
        QFETCH(QSize, viewport);
        QFETCH(QColor, background);
        Pass pass;
        pass.Draw(printing);
        const auto& calls = pass.recorder.Calls();
        QCOMPARE(calls.front().kind, Kind::Mapping);
        QCOMPARE(calls.front().windowExtent, QSize(900, 720));
        QCOMPARE(calls.front().viewportExtent, viewport);
        const auto fills = pass.recorder.CallsOf(Kind::FillRect);
        QCOMPARE(fills.size(), std::size_t{1});
        QCOMPARE(fills.front().rect, (CSurfaceRect{0, 0, viewport.width(), viewport.height()}));
        QCOMPARE(fills.front().brush.colour, background);
        for (const CRecordedCall& text : pass.recorder.CallsOf(Kind::TextOut)) {
            QCOMPARE(text.titleFont, printing);
        }
    }

    void toolsHandedBack_data() {
        QTest::addColumn<bool>("printing");
        QTest::newRow("screen") << false;
        QTest::newRow("printing") << true;
    }
    void toolsHandedBack() {
        QFETCH(bool, printing);
        Pass pass;
        pass.Draw(printing);
        const auto& calls = pass.recorder.Calls();
        const auto first = [&](Kind kind) {
            return std::find_if(calls.begin(), calls.end(),
                                [kind](const CRecordedCall& c) { return c.kind == kind; }) -
                   calls.begin();
        };
        QVERIFY(first(Kind::RememberTools) < first(Kind::SelectPen));
        QVERIFY(first(Kind::TextColour) < first(Kind::TextOut));
        const std::size_t n = calls.size();
        if (printing) {
            QCOMPARE(calls[n - 2].kind, Kind::RestoreTools);
            QCOMPARE(calls[n - 1].kind, Kind::RestoreFont);
            QVERIFY(first(Kind::SelectTitleFont) < first(Kind::TextWidth));
        } else {
            QCOMPARE(calls[n - 1].kind, Kind::RestoreTools);
            QCOMPARE(first(Kind::SelectTitleFont), qsizetype(n));
        }
    }

    void anyMetricsStayInRange_data() {
        QTest::addColumn<int>("spacing");
        QTest::addColumn<QSize>("client");
        QTest::newRow("zero") << 0 << QSize(900, 720);
        QTest::newRow("minus one") << -1 << QSize(900, 720);
        QTest::newRow("negative") << -300 << QSize(900, 720);
        QTest::newRow("huge") << 100000000 << QSize(900, 720);
        QTest::newRow("INT_MAX") << INT_MAX << QSize(900, 720);
        QTest::newRow("INT_MIN") << INT_MIN << QSize(900, 720);
        QTest::newRow("empty client") << 20 << QSize(0, 0);
        QTest::newRow("client without height") << INT_MAX << QSize(900, 0);
    }
    void anyMetricsStayInRange() {
        QFETCH(int, spacing);
        QFETCH(QSize, client);
        for (int which = 0; which < 3; ++which) {
            Pass pass;
            (which == 0   ? pass.drawing.m_nStringSpacing
             : which == 1 ? pass.drawing.m_nFretSpacing
                          : pass.drawing.m_nNeckSpacing) = spacing;
            pass.Draw(false, client);
            pass.Draw(true, client);
            QCOMPARE(pass.Lines().size(), std::size_t{2 * 1092});
            constexpr int kLimit = 1 << 22;
            for (const CRecordedCall& call : pass.recorder.Calls()) {
                for (int value :
                     {call.from.x(), call.from.y(), call.to.x(), call.to.y(), call.rect.left,
                      call.rect.top, call.rect.right, call.rect.bottom}) {
                    QVERIFY2(value >= -kLimit && value <= kLimit,
                             qPrintable(QString::number(value)));
                }
            }
        }
    }

    void leftHandedAsksForTheStringsMirrored() {
        Pass pass;
        pass.drawing.m_bLeftHanded = true;
        pass.Draw(false);
        for (std::size_t n = 0; n < pass.drawing.roleQueries.size(); ++n) {
            QCOMPARE(pass.drawing.roleQueries[n].string, 5 - int(n % 6));
        }
    }

    void labelsFillTheDots_data() {
        QTest::addColumn<LabelKind>("kind");
        QTest::addColumn<QPoint>("dot"); // top-left corner of the dot that reads `label`
        QTest::addColumn<QString>("label");
        // Dots of radius 9: F at fret 1 of the low E in C Ionian, Eb at fret 6 of A in C Dorian.
        QTest::newRow("note") << LabelKind::Notes << QPoint(12, 48) << "F";
        QTest::newRow("interval") << LabelKind::Intervals << QPoint(152, 198) << "b3";
    }
    void labelsFillTheDots() {
        QFETCH(LabelKind, kind);
        QFETCH(QPoint, dot);
        QFETCH(QString, label);
        Pass pass;
        pass.drawing.m_labelKind = kind;
        pass.Draw(false);
        const auto& calls = pass.recorder.Calls();
        int dots = 0;
        int named = 0;
        for (std::size_t n = 0; n + 1 < calls.size(); ++n) {
            if (calls[n].kind == Kind::Ellipse && !IsMarker(calls[n])) {
                ++dots;
                const CRecordedCall& text = calls[n + 1];
                QCOMPARE(text.kind, Kind::FittedText);
                QCOMPARE(text.rect, calls[n].rect);
                QCOMPARE(text.rect.right - text.rect.left, 17);
                QCOMPARE(text.colour, LabelColourOn(calls[n].brush.colour));
                named += QPoint(text.rect.left, text.rect.top) == dot && text.text == label;
            }
        }
        QCOMPARE(std::size_t(dots), pass.recorder.CallsOf(Kind::FittedText).size());
        QCOMPARE(named, 1);
    }

    void fretNumbersBesideTheFirstNeck() {
        Pass pass;
        pass.drawing.m_bFretNumbers = true;
        pass.drawing.m_labelKind = LabelKind::Notes; // the largest dots the spacings allow
        pass.Draw(false);
        // The first dot drawn lies on the lowest string of the first neck.
        const int firstDotLeft = pass.Ellipses().front().rect.left;
        QStringList drawn;
        for (const CRecordedCall& call : pass.recorder.CallsOf(Kind::FittedText)) {
            if (call.fit == CDrawSurface::TextFit::RightAligned) {
                drawn << call.text;
                const int top = 40 + (call.text.toInt() - 1) * 30;
                QCOMPARE(call.rect, (CSurfaceRect{0, top, call.rect.right, top + 30}));
                QVERIFY(call.rect.right > 0 && call.rect.right <= firstDotLeft);
            }
        }
        QCOMPARE(drawn, QStringList({"3", "5", "7", "9", "12", "15", "17", "19", "21"}));
    }

    void backgroundCoversTheWholeTarget_data() {
        QTest::addColumn<bool>("printing");
        QTest::addColumn<QSize>("target");
        QTest::newRow("half") << false << QSize(450, 360);
        QTest::newRow("small page") << true << QSize(500, 700);
    }
    void backgroundCoversTheWholeTarget() {
        QFETCH(bool, printing);
        QFETCH(QSize, target);
        Pass pass;
        const QRect rect(QPoint(0, 0), target);
        pass.drawing.DrawNecks(&pass.recorder, QSize(900, 720), &rect, printing);
        const double scale = std::min(target.width() / 900.0, target.height() / 720.0);
        const CSurfaceRect fill = pass.recorder.CallsOf(Kind::FillRect).front().rect;
        QCOMPARE(QPoint(fill.left, fill.top), QPoint(0, 0));
        QVERIFY(fill.right * scale >= target.width() && fill.bottom * scale >= target.height());
    }

    void minorTitlesFitOneByOne_data() {
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<int>("stringSpacing");
        QTest::addColumn<int>("neckSpacing");
        QTest::addColumn<QString>("fifthTitle"); // empty: no title at all
        QTest::addColumn<int>("percent");
        // The widest tonic ("Cb", two characters) plus a blank must fit 5 strings and a gap.
        QTest::newRow("full name, smaller") << 7 << 20 << 20 << "C Phrygian Dominant" << 80;
        QTest::newRow("short form") << 4 << 8 << 10 << "C Phryg. Dom." << 85;
        QTest::newRow("full size") << 2 << 20 << 20 << "C Phrygian Dominant" << 100;
        QTest::newRow("nothing fits") << 7 << 1 << 1 << "" << 100;
    }
    void minorTitlesFitOneByOne() {
        QFETCH(int, charWidth);
        QFETCH(int, stringSpacing);
        QFETCH(int, neckSpacing);
        QFETCH(QString, fifthTitle);
        QFETCH(int, percent);
        Pass pass(charWidth);
        pass.drawing.m_nFamily = 1;
        pass.drawing.m_nStringSpacing = stringSpacing;
        pass.drawing.m_nNeckSpacing = neckSpacing;
        pass.Draw(false);
        const int room = 5 * stringSpacing + neckSpacing;
        int scale = 100;
        QString fifth;
        for (const CRecordedCall& call : pass.recorder.Calls()) {
            if (call.kind == Kind::ScaleFont) {
                scale = call.width;
            } else if (call.kind == Kind::TextOut) {
                // Never into the next title, with a blank's width between them.
                QVERIFY(call.width + charWidth * scale / 100 <= room);
                if ((call.from.x() - 20) / room == 4) {
                    fifth = call.text;
                    QCOMPARE(scale, percent);
                }
            }
        }
        QCOMPARE(fifth, fifthTitle);
    }

    void fretNumbersKeepTheirSize_data() {
        QTest::addColumn<int>("stringSpacing");
        QTest::addColumn<int>("fretSpacing");
        QTest::newRow("wide strings") << 30 << 30;
        QTest::newRow("smallest") << 1 << 1;
        QTest::newRow("largest") << 1000 << 1000;
    }
    void fretNumbersKeepTheirSize() {
        QFETCH(int, stringSpacing);
        QFETCH(int, fretSpacing);
        Pass pass;
        pass.drawing.m_bFretNumbers = true;
        pass.drawing.m_labelKind = LabelKind::Notes;
        pass.drawing.m_nStringSpacing = stringSpacing;
        pass.drawing.m_nFretSpacing = fretSpacing;
        pass.Draw(false);
        const int firstDotLeft = pass.Ellipses().front().rect.left;
        QStringList drawn;
        for (const CRecordedCall& call : pass.recorder.CallsOf(Kind::FittedText)) {
            if (call.fit == CDrawSurface::TextFit::RightAligned) {
                drawn << call.text;
                QCOMPARE(call.width, 11);
                // Room for the number's ink (7 units a character here) and its full height.
                QVERIFY(call.rect.right - call.rect.left >= 7 * call.text.size());
                QVERIFY(call.rect.bottom - call.rect.top >= 13);
                QVERIFY(call.rect.right <= firstDotLeft);
            }
        }
        QCOMPARE(drawn, QStringList({"3", "5", "7", "9", "12", "15", "17", "19", "21"}));
    }

    void extentOfTheDefaultDrawing() {
        Pass pass;
        pass.Draw(false);
        // String 5 of diagram 6 at 840 with its dots reaching 845; fret line 22 at 700.
        QCOMPARE(pass.recorder.DrawingExtent(), (CSurfaceRect{15, 20, 846, 701}));
    }

    void extentFollowsTheNeckCount_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("necks");
        QTest::addColumn<int>("right");
        // Necks 120 apart, the last one's string 5 100 right of its string 0, its dots 5 and
        // a pixel beyond.
        QTest::newRow("blues") << static_cast<int>(ScaleFamily::Blues) << 5 << 606;
        QTest::newRow("diminished") << static_cast<int>(ScaleFamily::Diminished) << 2 << 246;
        QTest::newRow("whole tone") << static_cast<int>(ScaleFamily::WholeTone) << 1 << 126;
    }

    void extentFollowsTheNeckCount() {
        QFETCH(int, family);
        QFETCH(int, necks);
        QFETCH(int, right);
        Pass pass;
        pass.drawing.m_nFamily = family;
        pass.Draw(false);
        QCOMPARE(pass.recorder.DrawingExtent().right, right);
        QCOMPARE(static_cast<int>(pass.drawing.Layout(QFont(), nullptr, false).Necks().size()),
                 necks);
    }
};

QTEST_MAIN(TestNeckGeometry)
#include "tst_neckgeometry.moc"
