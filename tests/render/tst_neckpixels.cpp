// Real passes onto images: the colours where the layout puts them, and the painter handed back.
#include "view/neckdrawing.h"
#include "view/paintersurface.h"
#include "view/screenpass.h"

#include <QPainter>
#include <QtTest>

#include <climits>
#include <cmath>

namespace {

const QColor kWindow(200, 210, 220);
const QColor kTonic(255, 127, 127);
const QColor kScale(0, 0, 255);
const QColor kBlack(0, 0, 0);

QImage ScreenPass(CNeckDrawing& drawing, QSize size = QSize(900, 720)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red); // anything the pass leaves unpainted shows up
    QPainter painter(&image);
    {
        CPainterSurface surface(&painter, kWindow);
        const QRect client(QPoint(0, 0), size);
        drawing.DrawNecks(&surface, size, &client, false);
    }
    painter.end();
    return image;
}

// A pass at `scale` device pixels per unit, as a zoomed view draws it.
QImage ScaledPass(CNeckDrawing& drawing, double scale, bool bAligned) {
    QImage image(qCeil(900 * scale), qCeil(720 * scale), QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    painter.scale(scale, scale);
    CPainterSurface surface(&painter, kWindow);
    surface.SetDeviceAligned(bAligned);
    const QRect client(0, 0, 900, 720);
    drawing.DrawNecks(&surface, client.size(), &client, false);
    return image;
}

} // namespace

class TestNeckPixels : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void screenPixels_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        // C Ionian, diagram 0: F at fret 1 of the low E string, C at fret 3 of the A string.
        QTest::newRow("scale dot centre") << QPoint(20, 56) << kScale;
        QTest::newRow("scale dot left edge") << QPoint(15, 56) << kScale;
        QTest::newRow("scale dot right edge") << QPoint(25, 56) << kScale;
        QTest::newRow("left of the scale dot") << QPoint(14, 56) << kWindow;
        QTest::newRow("right of the scale dot") << QPoint(26, 56) << kWindow;
        QTest::newRow("tonic dot") << QPoint(40, 116) << kTonic;
        QTest::newRow("fret 3 marker") << QPoint(70, 117) << kBlack;
        QTest::newRow("first fret-12 marker") << QPoint(90, 386) << kBlack;
        QTest::newRow("second fret-12 marker") << QPoint(50, 386) << kBlack;
        QTest::newRow("nut") << QPoint(50, 40) << kBlack;
        QTest::newRow("second nut line") << QPoint(50, 41) << kBlack;
        QTest::newRow("below the nut") << QPoint(50, 42) << kWindow;
        QTest::newRow("fret line 22") << QPoint(50, 700) << kBlack;
        QTest::newRow("below the neck") << QPoint(50, 701) << kWindow;
        QTest::newRow("end of a fret line") << QPoint(119, 70) << kBlack;
        QTest::newRow("past the end of a fret line") << QPoint(121, 70) << kWindow;
        QTest::newRow("string between dots") << QPoint(120, 62) << kBlack;
        QTest::newRow("background") << QPoint(890, 710) << kWindow;
        QTest::newRow("last diagram's last string") << QPoint(840, 100) << kBlack;
    }
    void screenPixels() {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        CNeckDrawing drawing;
        const QImage image = ScreenPass(drawing);
        QCOMPARE(image.pixelColor(pixel), colour);
    }

    void blueNoteHasAColourOfItsOwn_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QColor>("colour");
        // C, diagram 0: Gb at fret 2 of the low E string is the blues scale's b5; where no
        // dot is, the string shows.
        QTest::newRow("blues") << static_cast<int>(ScaleFamily::Blues) << QColor(0xa4, 0x5e, 0xe0);
        QTest::newRow("minor pentatonic")
            << static_cast<int>(ScaleFamily::MinorPentatonic) << kBlack;
    }
    void blueNoteHasAColourOfItsOwn() {
        QFETCH(int, family);
        QFETCH(QColor, colour);
        CNeckDrawing drawing;
        drawing.m_nFamily = family;
        QCOMPARE(ScreenPass(drawing).pixelColor(QPoint(20, 86)), colour);
    }

    void alignedLinesAreWholeDevicePixels_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("width");
        QTest::newRow("150 %") << 1.5 << 1;
        QTest::newRow("250 %") << 2.5 << 2;
    }
    void alignedLinesAreWholeDevicePixels() {
        QFETCH(double, scale);
        QFETCH(int, width);
        CNeckDrawing drawing;
        const QImage image = ScaledPass(drawing, scale, true);
        for (int row = 0; row < 22; ++row) {
            // Five units below a fret line only the strings cross the neck.
            const int y = qRound((45 + row * 30) * scale);
            QList<int> runs;
            for (int x = 1; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != kBlack) {
                    continue;
                }
                if (image.pixelColor(x - 1, y) != kBlack) {
                    runs << 0;
                }
                ++runs.last();
            }
            QCOMPARE(runs, QList<int>(42, width));
        }
    }

    void shrunkDotsAreSmoothed_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("aligned");
        QTest::addColumn<bool>("smoothed");
        for (const bool aligned : {true, false}) {
            const char* how = aligned ? "aligned" : "painter-scaled";
            QTest::addRow("25 %%, %s", how) << 0.25 << aligned << true;
            QTest::addRow("50 %%, %s", how) << 0.5 << aligned << true;
            QTest::addRow("90 %%, %s", how) << 0.9 << aligned << true;
            QTest::addRow("100 %%, %s", how) << 1.0 << aligned << false;
            QTest::addRow("200 %%, %s", how) << 2.0 << aligned << false;
        }
    }
    void shrunkDotsAreSmoothed() {
        QFETCH(double, scale);
        QFETCH(bool, aligned);
        QFETCH(bool, smoothed);
        CNeckDrawing drawing;
        const QImage image = ScaledPass(drawing, scale, aligned);
        // Around the scale dot of F at fret 1 of the low string, logical box 14..26 x 50..62:
        // a smoothed edge holds blends of its blue and the background, a crisp one none.
        int blends = 0;
        for (int y = qFloor(49 * scale); y <= qCeil(63 * scale); ++y) {
            for (int x = qFloor(13 * scale); x <= qCeil(27 * scale); ++x) {
                const QColor c = image.pixelColor(x, y);
                blends += c.red() > 0 && c.red() < kWindow.red() && c.blue() > kWindow.blue();
            }
        }
        QCOMPARE(blends > 0, smoothed);
    }

    void alignmentLeavesTheUnscaledPassAsItWas() {
        CNeckDrawing drawing;
        QCOMPARE(ScaledPass(drawing, 1, true), ScaledPass(drawing, 1, false));
    }

    void titlesAreBlueOnTheBackground() {
        CNeckDrawing drawing;
        const QImage image = ScreenPass(drawing);
        int blue = 0;
        for (int y = 20; y < 40; ++y) {
            for (int x = 20; x < 120; ++x) {
                const QColor c = image.pixelColor(x, y);
                // Only blends of blue over the background: nothing fills behind the text.
                QVERIFY(qAbs(c.red() - kWindow.red() * c.green() / kWindow.green()) <= 2);
                blue += c.red() < 100 && c.blue() > 200;
            }
        }
        QVERIFY(blue > 20);
    }

    void painterHandedBackAsItCame_data() {
        QTest::addColumn<bool>("printing");
        QTest::newRow("screen") << false;
        QTest::newRow("printing") << true;
    }
    void painterHandedBackAsItCame() {
        QFETCH(bool, printing);
        QImage image(400, 300, QImage::Format_RGB32);
        QPainter painter(&image);
        const QPen pen(Qt::green, 3, Qt::DashLine);
        const QBrush brush(Qt::yellow, Qt::Dense4Pattern);
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPointSize(17);
        painter.setPen(pen);
        painter.setBrush(brush);
        painter.setFont(font);
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.translate(5, 7);
        const QTransform transform = painter.worldTransform();
        {
            CNeckDrawing drawing;
            CPainterSurface surface(&painter, kWindow);
            const QRect target(0, 0, 300, 400);
            drawing.DrawNecks(&surface, QSize(900, 720), &target, printing);
        }
        QCOMPARE(painter.pen(), pen);
        QCOMPARE(painter.brush(), brush);
        QCOMPARE(painter.font(), font);
        QCOMPARE(painter.backgroundMode(), Qt::OpaqueMode);
        QCOMPARE(painter.worldTransform(), transform);
    }

    void printedPageScaledAndWhite() {
        // A4 at 300 dpi, from a window of 900 x 720: one factor, the page's width over 900.
        QImage page(2480, 3508, QImage::Format_RGB32);
        page.fill(Qt::red);
        CNeckDrawing drawing;
        {
            QPainter painter(&page);
            CPainterSurface surface(&painter, kWindow);
            const QRect target = page.rect();
            drawing.DrawNecks(&surface, QSize(900, 720), &target, true);
        }
        const qreal scale = 2480.0 / 900.0;
        const auto at = [&](qreal x, qreal y) {
            return page.pixelColor(int(x * scale), int(y * scale));
        };
        QCOMPARE(at(5, 5), QColor(Qt::white));
        QCOMPARE(at(890, 3400 / scale - 2), QColor(Qt::white)); // below the drawing
        QCOMPARE(at(20.5, 96), kScale);                         // string 0, fret 1, 40 lower
        QCOMPARE(at(40.5, 156), kTonic);
        QCOMPARE(at(30, 740), kBlack); // fret line 22
        QCOMPARE(at(30, 742), QColor(Qt::white));
        QCOMPARE(at(30, 80), kBlack); // nut
    }

    // The window keeps the frets, strings and markers of one pass for the next and draws the
    // rest over them; the pixels must be those of the whole pass drawn at once.
    void keptPassIsTheWholePass_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("labels");
        QTest::addColumn<bool>("fretNumbers");
        QTest::addColumn<double>("scale");
        QTest::newRow("C") << 0 << 0 << false << 1.0;
        QTest::newRow("E, notes, fret numbers") << 4 << 1 << true << 1.0;
        QTest::newRow("G zoomed") << 7 << 0 << false << 1.5;
        QTest::newRow("B, degrees, zoomed out") << 11 << 2 << true << 0.5;
    }
    void keptPassIsTheWholePass() {
        QFETCH(int, key);
        QFETCH(int, labels);
        QFETCH(bool, fretNumbers);
        QFETCH(double, scale);
        CNeckDrawing drawing;
        drawing.m_labelKind = static_cast<LabelKind>(labels);
        drawing.m_bFretNumbers = fretNumbers;
        const QSize size(900, 720);
        const CNeckColours colours = PaperColours();
        CScreenPass kept;
        QImage viaKept(size, QImage::Format_RGB32);
        // A first pass in another key leaves its fixed parts behind for the second.
        for (const int each : {(key + 5) % 12, key}) {
            drawing.m_nKey = each;
            QPainter painter(&viaKept);
            kept.Paint(painter, drawing, size, scale, colours);
        }
        QImage whole(size, QImage::Format_RGB32);
        {
            QPainter painter(&whole);
            painter.scale(scale, scale);
            const QRect logical(0, 0, static_cast<int>(std::ceil(size.width() / scale)),
                                static_cast<int>(std::ceil(size.height() / scale)));
            CPainterSurface surface(&painter, colours);
            surface.SetDeviceAligned(true);
            drawing.DrawNecks(&surface, logical.size(), &logical, false);
        }
        QCOMPARE(viaKept, whole);
    }

    void anyMetricsDrawWithoutFault_data() {
        QTest::addColumn<int>("string");
        QTest::addColumn<int>("fret");
        QTest::addColumn<int>("neck");
        QTest::addColumn<QSize>("client");
        QTest::newRow("zeros") << 0 << 0 << 0 << QSize(900, 720);
        QTest::newRow("negative") << -20 << -30 << -20 << QSize(900, 720);
        QTest::newRow("INT_MAX") << INT_MAX << INT_MAX << INT_MAX << QSize(900, 720);
        QTest::newRow("INT_MIN") << INT_MIN << INT_MIN << INT_MIN << QSize(900, 720);
        QTest::newRow("mixed extremes") << INT_MAX << INT_MIN << -1 << QSize(900, 720);
        QTest::newRow("empty client") << 20 << 30 << 20 << QSize(0, 0);
        QTest::newRow("one pixel client") << INT_MAX << 30 << 20 << QSize(1, 1);
    }
    void anyMetricsDrawWithoutFault() {
        QFETCH(int, string);
        QFETCH(int, fret);
        QFETCH(int, neck);
        QFETCH(QSize, client);
        CNeckDrawing drawing;
        drawing.m_nStringSpacing = string;
        drawing.m_nFretSpacing = fret;
        drawing.m_nNeckSpacing = neck;
        const QImage screen = ScreenPass(drawing, QSize(300, 200));
        QCOMPARE(screen.pixelColor(2, 2), kWindow);
        // Printing from a tiny window scales the picture up many thousand times.
        QImage page(620, 877, QImage::Format_RGB32);
        QPainter painter(&page);
        CPainterSurface surface(&painter, kWindow);
        const QRect target = page.rect();
        drawing.DrawNecks(&surface, client, &target, true);
        QVERIFY(drawing.m_nTitleWidth > 0);
    }
};

QTEST_MAIN(TestNeckPixels)
#include "tst_neckpixels.moc"
