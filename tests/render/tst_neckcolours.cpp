// The drawing's colours on paper and under light and dark desktop palettes.
#include "view/neckcolours.h"

#include <QtTest>

#include <cmath>

namespace {

QPalette Palette(const QColor& base, const QColor& text, const QColor& link) {
    QPalette palette;
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Link, link);
    return palette;
}

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kTonic(255, 127, 127);
const QColor kBlue(0, 0, 255);

} // namespace

class TestNeckColours : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void contrastRatio_data() {
        QTest::addColumn<QColor>("a");
        QTest::addColumn<QColor>("b");
        QTest::addColumn<double>("ratio");
        QTest::newRow("white and black") << kWhite << kBlack << 21.0;
        QTest::newRow("black and white") << kBlack << kWhite << 21.0;
        QTest::newRow("equal greys") << QColor(128, 128, 128) << QColor(128, 128, 128) << 1.0;
        QTest::newRow("blue on black") << kBlue << kBlack << (0.0722 + 0.05) / 0.05;
        QTest::newRow("green on white") << QColor(0, 255, 0) << kWhite << 1.05 / (0.7152 + 0.05);
        // 128 lies on the power curve of the sRGB transfer function.
        QTest::newRow("grey on black")
            << QColor(128, 128, 128) << kBlack
            << (std::pow((128 / 255.0 + 0.055) / 1.055, 2.4) + 0.05) / 0.05;
        QTest::newRow("below the linear knee")
            << QColor(10, 10, 10) << kBlack << (10 / 255.0 / 12.92 + 0.05) / 0.05;
    }
    void contrastRatio() {
        QFETCH(QColor, a);
        QFETCH(QColor, b);
        QFETCH(double, ratio);
        QVERIFY(std::abs(ContrastRatio(a, b) - ratio) < 1e-4);
    }

    void paperColoursAreTheClassicOnes() {
        QCOMPARE(PaperColours(),
                 (CNeckColours{kWhite, kBlack, kTonic, kBlue, kBlue, QColor(96, 96, 96)}));
    }

    void lightPalettesChangeNothing_data() {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::newRow("Qt's default") << kWhite << kBlack;
        QTest::newRow("tinted Base") << QColor(200, 210, 220) << kBlack;
        QTest::newRow("Base as light as Text") << QColor(90, 90, 90) << QColor(90, 90, 90);
    }
    void lightPalettesChangeNothing() {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        CNeckColours expected = PaperColours();
        expected.background = base;
        expected.line = text;
        QCOMPARE(ScreenColours(Palette(base, text, kBlue)), expected);
    }

    void darkPalettesStandOut_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("huesKept");
        QTest::newRow("the program's dark palette") << DarkNeckPalette() << true;
        QTest::newRow("black Base") << Palette(kBlack, kWhite, kBlue) << true;
        QTest::newRow("dark blue Base") << Palette(QColor(0, 0, 96), kWhite, kBlue) << true;
        // A dark theme that leaves Link at Qt's classic blue.
        QTest::newRow("grey Base, classic blue link")
            << Palette(QColor(0x32, 0x32, 0x32), QColor(0xee, 0xee, 0xee), kBlue) << true;
        // Not even white stands 3:1 from this grey: only black is left.
        QTest::newRow("mid-grey Base") << Palette(QColor(150, 150, 150), kWhite, kBlue) << false;
    }
    void darkPalettesStandOut() {
        QFETCH(QPalette, palette);
        QFETCH(bool, huesKept);
        const CNeckColours c = ScreenColours(palette);
        QCOMPARE(c.background, palette.color(QPalette::Base));
        for (const QColor& element : {c.line, c.tonic, c.scale, c.title, c.fretNumber}) {
            QVERIFY2(ContrastRatio(element, c.background) >= 3, qPrintable(element.name()));
            QVERIFY(huesKept || element == kBlack);
        }
        if (huesKept) {
            // The tonic already stands out; blue needs lifting, but no further than 3:1.
            QCOMPARE(c.tonic, kTonic);
            QVERIFY(ContrastRatio(c.scale, c.background) < 3.1);
            QVERIFY(std::abs(c.scale.hueF() - kBlue.hueF()) < 0.01);
            QVERIFY(std::abs(c.title.hueF() - palette.color(QPalette::Link).hueF()) < 0.01);
        }
    }

    void labelColour_data() {
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("label");
        QTest::newRow("blue") << kBlue << kWhite;
        QTest::newRow("light red") << kTonic << kBlack;
        QTest::newRow("white") << kWhite << kBlack;
        QTest::newRow("black") << kBlack << kWhite;
        // The crossover lies between these greys: 4.61 to 4.56, then 4.54 to 4.62.
        QTest::newRow("grey 117") << QColor(117, 117, 117) << kWhite;
        QTest::newRow("grey 118") << QColor(118, 118, 118) << kBlack;
    }
    void labelColour() {
        QFETCH(QColor, fill);
        QFETCH(QColor, label);
        QCOMPARE(LabelColourOn(fill), label);
    }
};

QTEST_GUILESS_MAIN(TestNeckColours)
#include "tst_neckcolours.moc"
