#include "music/tuning.h"

#include <QtTest>

namespace {

std::string_view View(const QByteArray& bytes) {
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QList<int> Midi(const std::optional<TuningMidi>& midi) {
    return midi ? QList<int>(midi->begin(), midi->end()) : QList<int>();
}

} // namespace

class TestTuning : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void presetsSpellAndReadBack_data();
    void presetsSpellAndReadBack();
    void accepts_data();
    void accepts();
    void refuses_data();
    void refuses();
};

void TestTuning::presetsSpellAndReadBack_data() {
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<QByteArray>("notes");

    QTest::newRow("standard") << QByteArray("standard") << QByteArray("E A D G B E");
    QTest::newRow("drop D") << QByteArray("drop-d") << QByteArray("D A D G B E");
    QTest::newRow("DADGAD") << QByteArray("dadgad") << QByteArray("D A D G A D");
    QTest::newRow("open D") << QByteArray("open-d") << QByteArray("D A D F# A D");
    QTest::newRow("open G") << QByteArray("open-g") << QByteArray("D G D G B D");
    QTest::newRow("half down") << QByteArray("half-down") << QByteArray("D# G# C# F# A# D#");
    QTest::newRow("whole down") << QByteArray("whole-down") << QByteArray("D G C F A D");
}

void TestTuning::presetsSpellAndReadBack() {
    QFETCH(QByteArray, id);
    QFETCH(QByteArray, notes);

    const TuningPreset* preset = FindTuningPreset(View(id));
    QVERIFY(preset != nullptr);
    QCOMPARE(QByteArray::fromStdString(FormatTuning(preset->midi)), notes);
    // Every preset lies within a tone of standard, so its notes alone give back its octaves.
    QCOMPARE(Midi(ParseTuning(View(notes)).midi), Midi(preset->midi));
    QCOMPARE(TuningPresets()[static_cast<std::size_t>(TuningPresetIndex(preset->midi))].id,
             preset->id);
}

void TestTuning::accepts_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("midi");

    QTest::newRow("octaves given")
        << QByteArray("D2 A2 D3 G3 A3 D4") << QList<int>{38, 45, 50, 55, 57, 62};
    QTest::newRow("lower case, blanks and tabs")
        << QByteArray(" e\ta  d g   b e ") << QList<int>{40, 45, 50, 55, 59, 64};
    QTest::newRow("flats and sharps")
        << QByteArray("Eb G# Db F# Bb d#") << QList<int>{39, 44, 49, 54, 58, 63};
    QTest::newRow("UTF-8 signs") << QByteArray("E\xE2\x99\xAD A\xE2\x99\xAF D G B E")
                                 << QList<int>{39, 46, 50, 55, 59, 64};
    QTest::newRow("halfway goes down")
        << QByteArray("A# D# G# C# F B") << QList<int>{34, 39, 44, 49, 53, 59};
    QTest::newRow("far from standard")
        << QByteArray("C0 C1 c8 B3 Cb4 B#3") << QList<int>{12, 24, 108, 59, 59, 60};
    QTest::newRow("MIDI edges") << QByteArray("C-1 A D G G9 E")
                                << QList<int>{0, 45, 50, 55, 127, 64};
}

void TestTuning::accepts() {
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, midi);

    const TuningParse parse = ParseTuning(View(text));
    QCOMPARE(Midi(parse.midi), midi);
    QCOMPARE(parse.badEntry, std::string());
    QCOMPARE(parse.count, std::size_t{6});
}

void TestTuning::refuses_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("badEntry");
    QTest::addColumn<int>("count");

    QTest::newRow("empty") << QByteArray("") << QByteArray() << 0;
    QTest::newRow("three notes") << QByteArray("E A D") << QByteArray() << 3;
    QTest::newRow("nine notes") << QByteArray("C# F# B E A D G B E") << QByteArray() << 9;
    QTest::newRow("no such letter") << QByteArray("E A D H B E") << QByteArray("H") << 6;
    QTest::newRow("bad entry counts first") << QByteArray("E A x") << QByteArray("x") << 3;
    QTest::newRow("double flat") << QByteArray("E A D G Bbb E") << QByteArray("Bbb") << 6;
    QTest::newRow("octave then junk") << QByteArray("E2 A2x D G B E") << QByteArray("A2x") << 6;
    QTest::newRow("above MIDI 127") << QByteArray("E A D G G#9 E") << QByteArray("G#9") << 6;
    QTest::newRow("below MIDI 0") << QByteArray("Cb-1 A D G B E") << QByteArray("Cb-1") << 6;
    QTest::newRow("huge octave") << QByteArray("E99999999999 A D G B E")
                                 << QByteArray("E99999999999") << 6;
}

void TestTuning::refuses() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, badEntry);
    QFETCH(int, count);

    const TuningParse parse = ParseTuning(View(text));
    QVERIFY(!parse.midi.has_value());
    QCOMPARE(QByteArray::fromStdString(parse.badEntry), badEntry);
    QCOMPARE(parse.count, static_cast<std::size_t>(count));
}

QTEST_APPLESS_MAIN(TestTuning)
#include "tst_tuning.moc"
