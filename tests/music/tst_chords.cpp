#include "music/chords.h"
#include "music/textdiagrams.h"
#include "tests/support/musickey.h"

#include <QtTest>

Q_DECLARE_METATYPE(ChordKind)

class TestChords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chordNamesFollowEachModesQualities_data();
    void chordNamesFollowEachModesQualities();
    void textMarksChordTonesAndCharacteristicNotes_data();
    void textMarksChordTonesAndCharacteristicNotes();
};

void TestChords::chordNamesFollowEachModesQualities_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("style");
    QTest::addColumn<ChordKind>("kind");
    QTest::addColumn<QStringList>("names");
    // The root is spelled as the title spells the tonic: by the key's own scale, or else with
    // sharps in a key that has no flats.
    QTest::addColumn<bool>("scaleSpelling");

    constexpr int major = static_cast<int>(ScaleFamily::Major);
    constexpr int harmonic = static_cast<int>(ScaleFamily::HarmonicMinor);
    constexpr int melodic = static_cast<int>(ScaleFamily::MelodicMinor);
    QTest::newRow("C major sevenths")
        << major << 0 << 0 << 1 << ChordKind::Seventh
        << QStringList{"Cmaj7", "Dm7", "Em7", "Fmaj7", "G7", "Am7", "Bm7b5"} << true;
    QTest::newRow("C major triads") << major << 0 << 0 << 1 << ChordKind::Triad
                                    << QStringList{"C", "Dm", "Em", "F", "G", "Am", "Bdim"} << true;
    QTest::newRow("Eb major sevenths")
        << major << 4 << -1 << 1 << ChordKind::Seventh
        << QStringList{"Ebmaj7", "Fm7", "Gm7", "Abmaj7", "Bb7", "Cm7", "Dm7b5"} << true;
    // Every mode on one tonic: the chord changes with the mode, not with the root.
    QTest::newRow("modes of D") << major << 2 << 0 << 0 << ChordKind::Seventh
                                << QStringList{"Dmaj7", "Dm7", "Dm7", "Dmaj7", "D7", "Dm7", "Dm7b5"}
                                << true;
    QTest::newRow("C harmonic minor sevenths")
        << harmonic << 0 << 0 << 1 << ChordKind::Seventh
        << QStringList{"Cm(maj7)", "Dm7b5", "Eb+maj7", "Fm7", "G7", "Abmaj7", "Bdim7"} << true;
    QTest::newRow("C harmonic minor triads")
        << harmonic << 0 << 0 << 1 << ChordKind::Triad
        << QStringList{"Cm", "Ddim", "Eb+", "Fm", "G", "Ab", "Bdim"} << true;
    QTest::newRow("C melodic minor sevenths")
        << melodic << 0 << 0 << 1 << ChordKind::Seventh
        << QStringList{"Cm(maj7)", "Dm7", "Eb+maj7", "F7", "G7", "Am7b5", "Bm7b5"} << true;
    QTest::newRow("C harmonic minor, simple spelling")
        << harmonic << 0 << 0 << 1 << ChordKind::Seventh
        << QStringList{"Cm(maj7)", "Dm7b5", "D#+maj7", "Fm7", "G7", "G#maj7", "Bdim7"} << false;
    // A scale that skips a chord degree names no chord on that neck.
    constexpr int pentatonic = static_cast<int>(ScaleFamily::MinorPentatonic);
    constexpr int blues = static_cast<int>(ScaleFamily::Blues);
    QTest::newRow("A minor pentatonic triads")
        << pentatonic << 9 << 0 << 1 << ChordKind::Triad
        << QStringList{"Am", "C", "", "", "", "", ""} << true;
    QTest::newRow("A minor pentatonic sevenths")
        << pentatonic << 9 << 0 << 1 << ChordKind::Seventh
        << QStringList{"Am7", "", "", "", "", "", ""} << true;
    // The blues scale's chords take the perfect fifth and the major third, not its blue notes.
    QTest::newRow("A blues triads") << blues << 9 << 0 << 1 << ChordKind::Triad
                                    << QStringList{"Am", "C", "", "", "", "", ""} << true;
    QTest::newRow("no chord") << major << 0 << 0 << 1 << ChordKind::None
                              << QStringList{"", "", "", "", "", "", ""} << true;
}

void TestChords::chordNamesFollowEachModesQualities() {
    QFETCH(int, family);
    QFETCH(int, key);
    QFETCH(int, accidental);
    QFETCH(int, style);
    QFETCH(ChordKind, kind);
    QFETCH(QStringList, names);
    QFETCH(bool, scaleSpelling);

    CMusicModel model = ModelOfKey(key, accidental, style);
    model.m_nFamily = family;
    model.m_spelling = scaleSpelling ? SpellingKind::Scale : SpellingKind::Simple;
    QStringList found;
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        found << (mode < model.NeckCount() ? QString::fromStdString(ChordName(model, mode, kind))
                                           : QString());
    }
    QCOMPARE(found, names);
}

void TestChords::textMarksChordTonesAndCharacteristicNotes_data() {
    QTest::addColumn<ChordKind>("kind");
    QTest::addColumn<bool>("characteristic");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");

    // C Dorian on standard tuning, key fixed. Fret 1: F Bb Eb Ab C F; fret 5: A D G C E A;
    // fret 10: D G C F A D. Its triad is C Eb G, its seventh adds Bb, its sixth A sets it apart.
    const int dorian = 24;
    QTest::newRow("title") << ChordKind::Seventh << false << dorian << "C Dorian \u00b7 Cm7";
    QTest::newRow("triad, fret 1") << ChordKind::Triad << false << dorian + 1 << " 1 oo*-@o";
    QTest::newRow("seventh, fret 1") << ChordKind::Seventh << false << dorian + 1 << " 1 o**-@o";
    QTest::newRow("sixth, fret 5") << ChordKind::Triad << true << dorian + 5 << " 5 !o*@-!";
    QTest::newRow("sixth alone") << ChordKind::None << true << dorian + 10 << "10 oo@o!o";
}

void TestChords::textMarksChordTonesAndCharacteristicNotes() {
    QFETCH(ChordKind, kind);
    QFETCH(bool, characteristic);
    QFETCH(int, line);
    QFETCH(QString, text);

    TextDiagramOptions options;
    options.chordTones = kind;
    options.characteristic = characteristic;
    const QStringList lines =
        QString::fromStdString(FormatDiagramsAsText(ModelOfKey(0, 0, 0), options))
            .split(QLatin1Char('\n'));
    QCOMPARE(lines.value(line), text);
}

QTEST_APPLESS_MAIN(TestChords)
#include "tst_chords.moc"
