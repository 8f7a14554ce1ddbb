#include "music/musicmodel.h"
#include "music/textdiagrams.h"
#include "tests/support/musickey.h"

#include <QtTest>

class TestTextDiagramOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesWorkedByHand_data();
    void linesWorkedByHand();
};

void TestTextDiagramOptions::linesWorkedByHand_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("natural");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("leftHanded");
    QTest::addColumn<bool>("degrees");
    QTest::addColumn<int>("line"); // diagram d's title is line d * 24, its fret f line d * 24 + f
    QTest::addColumn<QString>("text");

    // Strings E A D G B E. C major: fret 1 is F Bb Eb Ab C F, fret 3 is G C F Bb D G.
    QTest::newRow("left-handed") << 0 << 0 << 0 << true << false << 1 << " 1 o@---o";
    QTest::newRow("degrees") << 0 << 0 << 0 << false << true << 3 << " 3 514-25";
    QTest::newRow("degrees, left-handed") << 0 << 0 << 0 << true << true << 3 << " 3 52-415";
    // C harmonic minor, fret 4: Ab C# F# B Eb Ab.
    QTest::newRow("harmonic minor degrees") << 1 << 0 << 0 << false << true << 4 << " 4 6--736";
    QTest::newRow("harmonic minor title")
        << 1 << 0 << 0 << false << false << 0 << "C Harmonic Minor";
    // Pattern fixed on G, diagram 4 starts on D: Phrygian Dominant in harmonic minor,
    // Mixolydian b6 in melodic minor.
    QTest::newRow("pattern fixed title")
        << 1 << 7 << 1 << false << false << 4 * 24 << "D Phrygian Dominant";
    QTest::newRow("melodic minor title")
        << 2 << 7 << 1 << false << false << 4 * 24 << "D Mixolydian b6";
}

void TestTextDiagramOptions::linesWorkedByHand() {
    QFETCH(int, family);
    QFETCH(int, natural);
    QFETCH(int, style);
    QFETCH(bool, leftHanded);
    QFETCH(bool, degrees);
    QFETCH(int, line);
    QFETCH(QString, text);

    CMusicModel model = ModelOfKey(natural, 0, style);
    model.m_nFamily = family;
    const std::string all = FormatDiagramsAsText(model, {leftHanded, degrees});
    QCOMPARE(QString::fromStdString(all).split(QLatin1Char('\n')).value(line), text);
}

QTEST_APPLESS_MAIN(TestTextDiagramOptions)
#include "tst_textdiagramoptions.moc"
