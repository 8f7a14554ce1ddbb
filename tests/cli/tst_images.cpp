#include "res/images.h"
#include "view/neckcolours.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QtTest>

namespace {

const char* const kLetters[] = {"A", "B", "C", "D", "E", "F", "G"};
constexpr int kPreferences = 7;
constexpr int kPrint = 8;
const QSize kButton(16, 15);

QImage Argb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage Glyph(int index, qreal scale) {
    return Argb(ToolbarImage(index).pixmap(kButton, scale));
}

bool IsOpaqueBlack(QRgb pixel) {
    return pixel == qRgba(0, 0, 0, 255);
}

// More than half covered by black ink.
bool IsInk(QRgb pixel) {
    return qAlpha(pixel) == 255 && qGray(pixel) < 128;
}

int Count(const QImage& image, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// A stroke that misses the pixel grid leaves a line of partly covered pixels along its edge: in
// every long run of ink along `line`, all but the two end pixels (a corner's slant) must be black.
bool RunsAreSolid(const QList<QRgb>& line, int longRun) {
    for (int start = 0; start < line.size();) {
        int end = start;
        while (end < line.size() && IsInk(line[end])) {
            ++end;
        }
        for (int i = start + 1; end - start >= longRun && i < end - 1; ++i) {
            if (!IsOpaqueBlack(line[i])) {
                return false;
            }
        }
        start = end + 1;
    }
    return true;
}

void AddScaleRows(const char* name, int index) {
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
        QTest::addRow("%s x%g", name, scale) << index << scale;
    }
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toolbarGlyphSize_data();
    void toolbarGlyphSize();
    void lettersDiffer_data();
    void lettersDiffer();
    void lettersAreBlackOnLightFace_data();
    void lettersAreBlackOnLightFace();
    void letterStrokesAreSharp_data();
    void letterStrokesAreSharp();
    void preferencesAndPrint_data();
    void preferencesAndPrint();
    void applicationIcon_data();
    void applicationIcon();
    void applicationIconStandsOutOnDarkPanels_data();
    void applicationIconStandsOutOnDarkPanels();
    void linkHandCursor();
};

void TestImages::toolbarGlyphSize_data() {
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("x1") << 1.0 << QSize(16, 15);
    QTest::newRow("x1.25") << 1.25 << QSize(20, 19);
    QTest::newRow("x1.5") << 1.5 << QSize(24, 23);
    QTest::newRow("x2") << 2.0 << QSize(32, 30);
}

void TestImages::toolbarGlyphSize() {
    QFETCH(qreal, scale);
    QFETCH(QSize, pixels);

    for (int index = 0; index <= kPrint; ++index) {
        const QPixmap pixmap = ToolbarImage(index).pixmap(kButton, scale);
        QCOMPARE(pixmap.size(), pixels);
        QCOMPARE(pixmap.devicePixelRatio(), scale);
        QVERIFY(Count(Argb(pixmap), [](QRgb p) { return qAlpha(p) == 255; }) >
                pixels.width() * pixels.height() / 3);
    }
    QVERIFY(ToolbarImage(-1).isNull());
    QVERIFY(ToolbarImage(kPrint + 1).isNull());
}

void TestImages::lettersDiffer_data() {
    QTest::addColumn<qreal>("scale");
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
        QTest::addRow("x%g", scale) << scale;
    }
}

void TestImages::lettersDiffer() {
    QFETCH(qreal, scale);

    QSet<QByteArray> shapes;
    for (int index = 0; index < kPreferences; ++index) {
        const QImage image = Glyph(index, scale);
        shapes.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(shapes.size(), kPreferences);
}

void TestImages::lettersAreBlackOnLightFace_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<qreal>("scale");
    for (int index = 0; index < kPreferences; ++index) {
        AddScaleRows(kLetters[index], index);
    }
}

void TestImages::lettersAreBlackOnLightFace() {
    QFETCH(int, index);
    QFETCH(qreal, scale);

    const QImage image = Glyph(index, scale);
    // Beside the letter, left of centre, lies bare face.
    const QRgb face = image.pixel(int(2.5 * scale), int(7.5 * scale));
    QVERIFY2(qAlpha(face) == 255 && qGray(face) > 200, qPrintable(QString::number(face, 16)));
    QVERIFY(Count(image, IsOpaqueBlack) > image.width() * image.height() / 12);
    QCOMPARE(Count(image, [](QRgb p) { return qRed(p) != qBlue(p) || qGreen(p) != qBlue(p); }), 0);
}

void TestImages::letterStrokesAreSharp_data() {
    lettersAreBlackOnLightFace_data();
}

void TestImages::letterStrokesAreSharp() {
    QFETCH(int, index);
    QFETCH(qreal, scale);

    const QImage image = Glyph(index, scale);
    // Inside the key cap's dark rim; a run of three stroke widths is a straight stroke.
    const int rim = qCeil(scale);
    const int longRun = qRound(3 * scale);
    for (int x = rim; x < image.width() - rim; ++x) {
        QList<QRgb> column;
        for (int y = rim; y < image.height() - rim; ++y) {
            column.append(image.pixel(x, y));
        }
        QVERIFY2(RunsAreSolid(column, longRun), qPrintable(QStringLiteral("column %1").arg(x)));
    }
    for (int y = rim; y < image.height() - rim; ++y) {
        QList<QRgb> row;
        for (int x = rim; x < image.width() - rim; ++x) {
            row.append(image.pixel(x, y));
        }
        QVERIFY2(RunsAreSolid(row, longRun), qPrintable(QStringLiteral("row %1").arg(y)));
    }
}

void TestImages::preferencesAndPrint_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<qreal>("scale");
    AddScaleRows("Preferences", kPreferences);
    AddScaleRows("Print", kPrint);
}

void TestImages::preferencesAndPrint() {
    QFETCH(int, index);
    QFETCH(qreal, scale);

    const QImage image = Glyph(index, scale);
    const int area = image.width() * image.height();
    const int blue = Count(image, [](QRgb p) {
        return qAlpha(p) == 255 && qBlue(p) > 150 && qRed(p) < 100 && qGreen(p) < 150;
    });
    const int white = Count(image, [](QRgb p) { return qAlpha(p) == 255 && qGray(p) > 240; });
    const int dark = Count(image, [](QRgb p) { return qAlpha(p) == 255 && qGray(p) < 64; });
    if (index == kPreferences) {
        QVERIFY2(blue > area / 4, qPrintable(QString::number(blue)));
        QVERIFY2(white > area / 12, qPrintable(QString::number(white)));
    } else {
        QVERIFY2(dark > area / 6, qPrintable(QString::number(dark)));
        QCOMPARE(blue, 0);
    }
}

void TestImages::applicationIcon_data() {
    QTest::addColumn<int>("side");
    QTest::newRow("16") << 16;
    QTest::newRow("22") << 22;
    QTest::newRow("24") << 24;
    QTest::newRow("32") << 32;
    QTest::newRow("48") << 48;
}

void TestImages::applicationIcon() {
    QFETCH(int, side);

    const QImage image = Argb(ApplicationIcon().pixmap(QSize(side, side), 1));
    QCOMPARE(image.size(), QSize(side, side));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1), QPoint(side - 1, side - 1)}) {
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
    }
    QVERIFY(Count(image, [](QRgb p) {
                return qAlpha(p) == 255 && qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
            }) > 0);
    // Six strings: columns of solid black over at least a third of the icon.
    int strings = 0;
    for (int x = 0; x < side; ++x) {
        int run = 0;
        int longest = 0;
        for (int y = 0; y < side; ++y) {
            run = IsOpaqueBlack(image.pixel(x, y)) ? run + 1 : 0;
            longest = qMax(longest, run);
        }
        strings += longest >= side / 3 ? 1 : 0;
    }
    QCOMPARE(strings, 6);
}

void TestImages::applicationIconStandsOutOnDarkPanels_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<QColor>("panel");
    const std::pair<const char*, QColor> panels[] = {
        {"black", QColor(0, 0, 0)},
        {"dark grey", QColor(0x32, 0x32, 0x32)},
        {"dark palette", DarkNeckPalette().color(QPalette::Window)},
    };
    for (const int side : {16, 22, 24, 32, 48, 64}) {
        for (const auto& [name, colour] : panels) {
            QTest::addRow("%d on %s", side, name) << side << colour;
        }
    }
}

void TestImages::applicationIconStandsOutOnDarkPanels() {
    QFETCH(int, side);
    QFETCH(QColor, panel);

    const QImage icon = Argb(ApplicationIcon().pixmap(QSize(side, side), 1));
    QImage onPanel(icon.size(), QImage::Format_ARGB32);
    onPanel.fill(panel);
    QPainter painter(&onPanel);
    painter.drawImage(0, 0, icon);
    painter.end();
    // The icon's outline, its covered pixels beside an uncovered one, is what parts it from the
    // panel: all of it must stand 3:1 apart.
    const auto bare = [&icon](int x, int y) {
        return x < 0 || y < 0 || x >= icon.width() || y >= icon.height() ||
               qAlpha(icon.pixel(x, y)) == 0;
    };
    int outline = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            if (qAlpha(icon.pixel(x, y)) < 255 ||
                !(bare(x - 1, y) || bare(x + 1, y) || bare(x, y - 1) || bare(x, y + 1))) {
                continue;
            }
            ++outline;
            const QColor seen = onPanel.pixelColor(x, y);
            QVERIFY2(ContrastRatio(seen, panel) >= 3.0,
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(seen.name()).arg(x).arg(y)));
        }
    }
    QVERIFY(outline >= side);
}

void TestImages::linkHandCursor() {
    const QCursor cursor = LinkHandCursor();
    QCOMPARE(cursor.hotSpot(), QPoint(0, 0));
    const QImage image = Argb(cursor.pixmap());
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(Count(image,
                   [](QRgb p) {
                       return qAlpha(p) != 0 && p != qRgb(0, 0, 0) && p != qRgb(255, 255, 255);
                   }),
             0);
    // The fingertip is the topmost part of the hand and lies near the hot spot.
    int top = -1;
    for (int y = 0; y < image.height() && top < 0; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                top = y;
                QVERIFY2(x <= 4, qPrintable(QStringLiteral("topmost pixel at x %1").arg(x)));
                break;
            }
        }
    }
    QCOMPARE(top, 0);
    QCOMPARE(qAlpha(image.pixel(31, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(31, 31)), 0);
}

QTEST_MAIN(TestImages)
#include "tst_images.moc"
