#include "music/musicmodel.h"
#include "music/textdiagrams.h"
#include "tests/support/musickey.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// The lines of the text without the empty piece after its final line feed.
QStringList Lines(const std::string& text) {
    QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

constexpr int kLinesPerDiagram = 23;
constexpr int kTotalLines = 7 * kLinesPerDiagram + 6;

} // namespace

class TestTextDiagrams : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void titles_data();
    void titles();
    void fretLinesWorkedByHand_data();
    void fretLinesWorkedByHand();
};

void TestTextDiagrams::layout_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("style");

    QTest::newRow("C key fixed") << 0 << 0 << 0;
    QTest::newRow("E flat pattern fixed") << 4 << -1 << 1;
    QTest::newRow("F sharp stray style") << 5 << 1 << -1;
}

void TestTextDiagrams::layout() {
    QFETCH(int, key);
    QFETCH(int, accidental);
    QFETCH(int, style);

    CMusicModel model = ModelOfKey(key, accidental, style);
    const std::string text = FormatDiagramsAsText(model);
    QVERIFY(!text.empty());
    QCOMPARE(text.back(), '\n');
    QVERIFY(text.find("\n\n\n") == std::string::npos);

    const QStringList lines = Lines(text);
    QCOMPARE(lines.size(), kTotalLines);
    const QRegularExpression fretLine(QStringLiteral("^([ 12][0-9]) [-o@]{6}$"));
    for (int diagram = 0; diagram < 7; ++diagram) {
        const int first = diagram * (kLinesPerDiagram + 1);
        QVERIFY2(lines[first].endsWith(QLatin1String(CMusicModel::m_strModeNames[diagram].data())),
                 qPrintable(lines[first]));
        for (int fret = 1; fret <= 22; ++fret) {
            const QString& line = lines[first + fret];
            const auto match = fretLine.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            QCOMPARE(match.captured(1).trimmed().toInt(), fret);
        }
        if (diagram < 6) {
            QCOMPARE(lines[first + kLinesPerDiagram], QString());
        }
    }
}

void TestTextDiagrams::titles_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("C key fixed") << 0 << 0 << 0
                                 << QStringList{"C Ionian", "C Dorian",     "C Phrygian",
                                                "C Lydian", "C Mixolydian", "C Aeolian",
                                                "C Locrian"};
    QTest::newRow("E flat pattern fixed")
        << 4 << -1 << 1 << QStringList{"Eb Ionian",     "F Dorian",  "G Phrygian", "Ab Lydian",
                                       "Bb Mixolydian", "C Aeolian", "D Locrian"};
    QTest::newRow("F pattern fixed")
        << 5 << 0 << 1 << QStringList{"F Ionian",     "G Dorian",  "A Phrygian", "Bb Lydian",
                                      "C Mixolydian", "D Aeolian", "E Locrian"};
}

void TestTextDiagrams::titles() {
    QFETCH(int, key);
    QFETCH(int, accidental);
    QFETCH(int, style);
    QFETCH(QStringList, titles);

    CMusicModel model = ModelOfKey(key, accidental, style);
    const QStringList lines = Lines(FormatDiagramsAsText(model));
    QCOMPARE(lines.size(), kTotalLines);
    for (int diagram = 0; diagram < 7; ++diagram) {
        QCOMPARE(lines[diagram * (kLinesPerDiagram + 1)], titles[diagram]);
    }
}

void TestTextDiagrams::fretLinesWorkedByHand_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("diagram");
    QTest::addColumn<int>("fret");
    QTest::addColumn<QString>("line");

    // Strings E A D G B E: fret 1 is F Bb Eb Ab C F.
    QTest::newRow("C Ionian fret 1") << 0 << 0 << 0 << 0 << 1 << " 1 o---@o";
    QTest::newRow("C Ionian fret 3") << 0 << 0 << 0 << 0 << 3 << " 3 o@o-oo";
    QTest::newRow("C Ionian fret 12") << 0 << 0 << 0 << 0 << 12 << "12 oooooo";
    QTest::newRow("C Ionian fret 22") << 0 << 0 << 0 << 0 << 22 << "22 oo@ooo";
    QTest::newRow("C Dorian fret 1") << 0 << 0 << 0 << 1 << 1 << " 1 ooo-@o";
    QTest::newRow("C Locrian fret 2") << 0 << 0 << 0 << 6 << 2 << " 2 o---oo";
    QTest::newRow("F Dorian of E flat, fret 1") << 4 << -1 << 1 << 1 << 1 << " 1 @oooo@";
    QTest::newRow("F Dorian of E flat, fret 2") << 4 << -1 << 1 << 1 << 2 << " 2 ------";
    QTest::newRow("D Locrian of E flat, fret 10") << 4 << -1 << 1 << 6 << 10 << "10 @ooo-@";
}

void TestTextDiagrams::fretLinesWorkedByHand() {
    QFETCH(int, key);
    QFETCH(int, accidental);
    QFETCH(int, style);
    QFETCH(int, diagram);
    QFETCH(int, fret);
    QFETCH(QString, line);

    CMusicModel model = ModelOfKey(key, accidental, style);
    const QStringList lines = Lines(FormatDiagramsAsText(model));
    QCOMPARE(lines.size(), kTotalLines);
    QCOMPARE(lines[diagram * (kLinesPerDiagram + 1) + fret], line);
}

QTEST_APPLESS_MAIN(TestTextDiagrams)
#include "tst_textdiagrams.moc"
