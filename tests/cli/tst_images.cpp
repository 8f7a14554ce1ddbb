#include "res/images.h"

#include <QBitmap>
#include <QImage>
#include <QSet>
#include <QtTest>

namespace {

const QRgb kButtonFace = qRgb(0xC0, 0xC0, 0xC0);
const QRgb kBlack = qRgb(0, 0, 0);

QImage Argb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool IsTransparent(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 0;
}

QSet<QRgb> Colours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

// The rectangle of the black pixels of a button image.
QRect BlackBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == kBlack) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toolbarStripSize();
    void letterButtons_data();
    void letterButtons();
    void lettersDiffer();
    void preferencesAndPrintButtons();
    void applicationIcon_data();
    void applicationIcon();
    void linkHandCursor();
};

void TestImages::toolbarStripSize() {
    const QPixmap strip(QStringLiteral(":/images/toolbar.xpm"));
    QCOMPARE(strip.size(), QSize(144, 15));
    for (int index = 0; index < 9; ++index) {
        QCOMPARE(ToolbarImage(index).size(), QSize(16, 15));
    }
}

void TestImages::letterButtons_data() {
    QTest::addColumn<int>("index");
    const char* const letters[] = {"A", "B", "C", "D", "E", "F", "G"};
    for (int index = 0; index < 7; ++index) {
        QTest::newRow(letters[index]) << index;
    }
}

void TestImages::letterButtons() {
    QFETCH(int, index);

    const QImage image = Argb(ToolbarImage(index));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            QVERIFY2(pixel == kBlack || pixel == kButtonFace,
                     qPrintable(QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(pixel, 8, 16)));
        }
    }
    // A letter of about 7 by 9 pixels, in the middle of the button.
    const QRect letter = BlackBounds(image);
    QVERIFY(letter.width() >= 5 && letter.width() <= 9);
    QVERIFY(letter.height() >= 7 && letter.height() <= 11);
    QVERIFY(qAbs(letter.left() - (16 - letter.right() - 1)) <= 1);
    QVERIFY(qAbs(letter.top() - (15 - letter.bottom() - 1)) <= 1);
}

void TestImages::lettersDiffer() {
    QSet<QByteArray> shapes;
    for (int index = 0; index < 7; ++index) {
        const QImage image = Argb(ToolbarImage(index));
        shapes.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(shapes.size(), 7);
}

void TestImages::preferencesAndPrintButtons() {
    const QImage preferences = Argb(ToolbarImage(7));
    int blue = 0;
    int white = 0;
    for (int y = 0; y < preferences.height(); ++y) {
        for (int x = 0; x < preferences.width(); ++x) {
            const QColor colour(preferences.pixel(x, y));
            blue += colour.blue() > 100 && colour.red() < 60 && colour.green() < 100 ? 1 : 0;
            white += colour == Qt::white ? 1 : 0;
        }
    }
    QVERIFY(blue > 60);
    QVERIFY(white > 15);
    // The arrow sits on the disc: the button's middle is white.
    QCOMPARE(QColor(preferences.pixel(7, 7)), QColor(Qt::white));
    QCOMPARE(preferences.pixel(0, 0), kButtonFace);

    const QImage print = Argb(ToolbarImage(8));
    QCOMPARE(print.pixel(0, 0), kButtonFace);
    QVERIFY(Colours(print).contains(kBlack));
    QVERIFY(Colours(print).contains(qRgb(255, 255, 255)));
}

void TestImages::applicationIcon_data() {
    QTest::addColumn<int>("side");
    QTest::newRow("32") << 32;
    QTest::newRow("16") << 16;
}

void TestImages::applicationIcon() {
    QFETCH(int, side);

    const QIcon icon = ApplicationIcon();
    QVERIFY(icon.availableSizes().contains(QSize(side, side)));
    const QImage image = Argb(icon.pixmap(QSize(side, side)));
    QCOMPARE(image.size(), QSize(side, side));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1), QPoint(side - 1, side - 1)}) {
        QVERIFY(IsTransparent(image, corner.x(), corner.y()));
    }
    const QSet<QRgb> colours = Colours(image);
    QVERIFY(colours.size() <= 16);
    QVERIFY(colours.contains(qRgb(0, 0, 0)));
    bool red = false;
    for (const QRgb colour : colours) {
        red = red || (qAlpha(colour) == 255 && qRed(colour) > 200 && qGreen(colour) < 60 &&
                      qBlue(colour) < 60);
    }
    QVERIFY(red);
}

void TestImages::linkHandCursor() {
    const QCursor cursor = LinkHandCursor();
    QCOMPARE(cursor.hotSpot(), QPoint(0, 0));
    const QImage image = Argb(cursor.pixmap());
    QCOMPARE(image.size(), QSize(32, 32));
    for (const QRgb colour : Colours(image)) {
        QVERIFY(qAlpha(colour) == 0 || colour == qRgb(0, 0, 0) || colour == qRgb(255, 255, 255));
    }
    // The fingertip is the topmost part of the hand and lies near the hot spot.
    int top = -1;
    for (int y = 0; y < image.height() && top < 0; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!IsTransparent(image, x, y)) {
                top = y;
                QVERIFY2(x <= 4, qPrintable(QStringLiteral("topmost pixel at x %1").arg(x)));
                break;
            }
        }
    }
    QCOMPARE(top, 0);
    QVERIFY(IsTransparent(image, 31, 0));
    QVERIFY(IsTransparent(image, 31, 31));
}

QTEST_MAIN(TestImages)
#include "tst_images.moc"
