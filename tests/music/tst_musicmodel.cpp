#include "music/musicmodel.h"
#include "tests/support/musickey.h"

#include <QtTest>

#include <array>
#include <set>
#include <string>

namespace {

// The major scale as whole and half steps; mode m is the same pattern started m places in.
// Expected results are built from this, never from the model's own interval table.
constexpr std::array<int, 7> kMajorSteps{2, 2, 1, 2, 2, 2, 1};
// Semitones from each string to the next one up: fourths, except the major third G to B.
constexpr std::array<int, 5> kStringIntervals{5, 5, 5, 4, 5};
constexpr int kLowE = 4;

// Semitones from the tonic of the major scale up to its given degree.
int MajorDegree(int degree) {
    int semitones = 0;
    for (int i = 0; i < degree; ++i) {
        semitones += kMajorSteps[static_cast<std::size_t>(i)];
    }
    return semitones;
}

std::set<int> ModeScale(int tonic, int mode) {
    std::set<int> pitches;
    int pitch = tonic;
    for (int i = 0; i < 7; ++i) {
        pitches.insert(pitch % 12);
        pitch += kMajorSteps[static_cast<std::size_t>((mode + i) % 7)];
    }
    return pitches;
}

int OpenString(int string) {
    int pitch = kLowE;
    for (int i = 0; i < string; ++i) {
        pitch += kStringIntervals[static_cast<std::size_t>(i)];
    }
    return pitch % 12;
}

const char* const kLetters[7] = {"C", "D", "E", "F", "G", "A", "B"};
const char* const kAccidentalWords[3] = {"flat", "natural", "sharp"};

CMusicModel ChosenKey(int natural, int accidental, int style) {
    CMusicModel model;
    model.m_nKey = natural;
    model.m_nAccidental = accidental;
    model.NormaliseKey();
    model.m_nStyle = style;
    return model;
}

std::set<int> MarkedPitches(const CMusicModel& model, int mode) {
    std::set<int> pitches;
    for (int string = 0; string < CMusicModel::kGuitarStrings; ++string) {
        for (int fret = 1; fret <= CMusicModel::kGuitarFrets; ++fret) {
            if (model.GetNoteRole(fret, string, mode) != 0) {
                pitches.insert((OpenString(string) + fret) % 12);
            }
        }
    }
    return pitches;
}

QStringList RootNames(const CMusicModel& model) {
    QStringList names;
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        names << QString::fromStdString(model.GetRootName(mode));
    }
    return names;
}

QStringList Repeat(const QString& name) {
    QStringList names;
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        names << name;
    }
    return names;
}

} // namespace

Q_DECLARE_METATYPE(KeyRule)

class TestMusicModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tonicNamesOfEveryChosenKey_data();
    void tonicNamesOfEveryChosenKey();
    void rolesMatchRotatedStepPattern_data();
    void rolesMatchRotatedStepPattern();
    void initialStateIsCWithDorianOfC();
    void patternFixedMovesOnlyTheTonic();
    void keyPitch_data();
    void keyPitch();
    void spellingEdges_data();
    void spellingEdges();
    void strayStyleShowsIonianOnTheKey_data();
    void strayStyleShowsIonianOnTheKey();
    void accidentalOutOfRangeSpellsWithSharps();
    void fretZeroAndTwelveAgree();
    void fretTwentyTwoWraps();
    void normaliseKeyRules_data();
    void normaliseKeyRules();
    void normaliseKeyLeavesOtherPairs_data();
    void normaliseKeyLeavesOtherPairs();
};

void TestMusicModel::tonicNamesOfEveryChosenKey_data() {
    QTest::addColumn<int>("natural");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<QString>("keyFixed");
    QTest::addColumn<QStringList>("patternFixed");

    const auto row = [](const char* name, int natural, int accidental, const char* keyFixed,
                        const QString& pattern) {
        QTest::newRow(name) << natural << accidental << QString::fromUtf8(keyFixed)
                            << pattern.split(QStringLiteral(", "));
    };
    row("C flat", 0, -1, "B", "B, C#, D#, E, F#, G#, A#");
    row("C", 0, 0, "C", "C, D, E, F, G, A, B");
    row("C sharp", 0, 1, "C#", "C#, D#, F, F#, G#, A#, C");
    row("D flat", 2, -1, "Db", "Db, Eb, F, Gb, Ab, Bb, C");
    row("D", 2, 0, "D", "D, E, F#, G, A, B, C#");
    row("D sharp", 2, 1, "D#", "D#, F, G, G#, A#, C, D");
    row("E flat", 4, -1, "Eb", "Eb, F, G, Ab, Bb, C, D");
    row("E", 4, 0, "E", "E, F#, G#, A, B, C#, D#");
    row("E sharp", 4, 1, "F", "F, G, A, Bb, C, D, E");
    row("F flat", 5, -1, "E", "E, F#, G#, A, B, C#, D#");
    row("F", 5, 0, "F", "F, G, A, Bb, C, D, E");
    row("F sharp", 5, 1, "F#", "F#, G#, A#, B, C#, D#, F");
    row("G flat", 7, -1, "Gb", "Gb, Ab, Bb, B, Db, Eb, F");
    row("G", 7, 0, "G", "G, A, B, C, D, E, F#");
    row("G sharp", 7, 1, "G#", "G#, A#, C, C#, D#, F, G");
    row("A flat", 9, -1, "Ab", "Ab, Bb, C, Db, Eb, F, G");
    row("A", 9, 0, "A", "A, B, C#, D, E, F#, G#");
    row("A sharp", 9, 1, "A#", "A#, C, D, D#, F, G, A");
    row("B flat", 11, -1, "Bb", "Bb, C, D, Eb, F, G, A");
    row("B", 11, 0, "B", "B, C#, D#, E, F#, G#, A#");
    row("B sharp", 11, 1, "C", "C, D, E, F, G, A, B");
}

void TestMusicModel::tonicNamesOfEveryChosenKey() {
    QFETCH(int, natural);
    QFETCH(int, accidental);
    QFETCH(QString, keyFixed);
    QFETCH(QStringList, patternFixed);

    QCOMPARE(RootNames(ChosenKey(natural, accidental, 0)), Repeat(keyFixed));
    QCOMPARE(RootNames(ChosenKey(natural, accidental, 1)), patternFixed);
}

void TestMusicModel::rolesMatchRotatedStepPattern_data() {
    QTest::addColumn<int>("natural");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("style");

    for (int letter = 0; letter < 7; ++letter) {
        for (int accidental = -1; accidental <= 1; ++accidental) {
            for (int style = 0; style <= 1; ++style) {
                QTest::addRow("%s %s, %s", kLetters[letter], kAccidentalWords[accidental + 1],
                              style == 0 ? "key fixed" : "pattern fixed")
                    << MajorDegree(letter) << accidental << style;
            }
        }
    }
}

void TestMusicModel::rolesMatchRotatedStepPattern() {
    QFETCH(int, natural);
    QFETCH(int, accidental);
    QFETCH(int, style);

    const CMusicModel model = ChosenKey(natural, accidental, style);
    const int keyPitch = (natural + accidental + 12) % 12;
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        const std::set<int> scale = ModeScale(keyPitch, style == 0 ? mode : 0);
        const int tonic = style == 0 ? keyPitch : (keyPitch + MajorDegree(mode)) % 12;
        QVERIFY(scale.count(tonic) == 1);
        for (int string = 0; string < CMusicModel::kGuitarStrings; ++string) {
            for (int fret = 1; fret <= CMusicModel::kGuitarFrets; ++fret) {
                const int pitch = (OpenString(string) + fret) % 12;
                const int expected = pitch == tonic ? 2 : scale.count(pitch) == 1 ? 1 : 0;
                const int role = model.GetNoteRole(fret, string, mode);
                if (role != expected) {
                    QFAIL(qPrintable(QStringLiteral("mode %1 string %2 fret %3: role %4, "
                                                    "expected %5")
                                         .arg(mode)
                                         .arg(string)
                                         .arg(fret)
                                         .arg(role)
                                         .arg(expected)));
                }
            }
        }
    }
}

void TestMusicModel::initialStateIsCWithDorianOfC() {
    const CMusicModel model;
    QCOMPARE(RootNames(model), Repeat(QStringLiteral("C")));
    QCOMPARE(MarkedPitches(model, 1), (std::set<int>{0, 2, 3, 5, 7, 9, 10}));
    QCOMPARE(model.GetNoteRole(8, 0, 1), 2);
    QCOMPARE(model.GetNoteRole(1, 0, 1), 1);
    QCOMPARE(model.GetNoteRole(2, 0, 1), 0);
}

void TestMusicModel::patternFixedMovesOnlyTheTonic() {
    CMusicModel model;
    model.m_nStyle = 1;
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        std::set<int> tonicPitches;
        for (int string = 0; string < CMusicModel::kGuitarStrings; ++string) {
            for (int fret = 1; fret <= CMusicModel::kGuitarFrets; ++fret) {
                const int role = model.GetNoteRole(fret, string, mode);
                QCOMPARE(role != 0, model.GetNoteRole(fret, string, 0) != 0);
                if (role == 2) {
                    tonicPitches.insert((OpenString(string) + fret) % 12);
                }
            }
        }
        QCOMPARE(tonicPitches, std::set<int>{MajorDegree(mode)});
    }
    // Mixolydian of C starts on G.
    QCOMPARE(model.GetNoteRole(3, 0, 4), 2);
    QCOMPARE(model.GetNoteRole(3, 0, 0), 1);
}

void TestMusicModel::keyPitch_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("pitch");

    QTest::newRow("B flat") << 11 << -1 << 10;
    QTest::newRow("C sharp") << 0 << 1 << 1;
    QTest::newRow("B sharp wraps to 0") << 11 << 1 << 0;
    QTest::newRow("C flat wraps to 11") << 0 << -1 << 11;
    QTest::newRow("E natural") << 4 << 0 << 4;
    QTest::newRow("accidental 2 leaves the key") << 5 << 2 << 5;
    QTest::newRow("accidental -2 leaves the key") << 5 << -2 << 5;
    QTest::newRow("accidental 12 leaves the key") << 9 << 12 << 9;
}

void TestMusicModel::keyPitch() {
    QFETCH(int, key);
    QFETCH(int, accidental);
    QFETCH(int, pitch);

    CMusicModel model;
    model.m_nKey = key;
    model.m_nAccidental = accidental;
    QCOMPARE(model.GetKeyPitch(), pitch);
}

void TestMusicModel::spellingEdges_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");

    QTest::newRow("F pattern Lydian is Bb, not A#") << 5 << 0 << 1 << 3 << "Bb";
    QTest::newRow("F pattern Ionian") << 5 << 0 << 1 << 0 << "F";
    QTest::newRow("F sharp pattern Lydian is B") << 5 << 1 << 1 << 3 << "B";
    QTest::newRow("B pattern Mixolydian is F#") << 11 << 0 << 1 << 4 << "F#";
    QTest::newRow("E sharp left as it is, pattern Lydian is Bb") << 4 << 1 << 1 << 3 << "Bb";
    QTest::newRow("A sharp pattern Lydian is D#") << 9 << 1 << 1 << 3 << "D#";
    QTest::newRow("G flat pattern Lydian is B, not Cb") << 7 << -1 << 1 << 3 << "B";
    QTest::newRow("F sharp pattern Locrian is F, not E#") << 5 << 1 << 1 << 6 << "F";
    QTest::newRow("D flat key fixed") << 2 << -1 << 0 << 5 << "Db";
    QTest::newRow("C sharp key fixed") << 0 << 1 << 0 << 5 << "C#";
    QTest::newRow("key fixed ignores the flat-B mark") << 9 << 1 << 0 << 3 << "A#";
    QTest::newRow("E flat pattern Lydian") << 4 << -1 << 1 << 3 << "Ab";
}

void TestMusicModel::spellingEdges() {
    QFETCH(int, key);
    QFETCH(int, accidental);
    QFETCH(int, style);
    QFETCH(int, mode);
    QFETCH(QString, name);

    CMusicModel model = ModelOfKey(key, accidental, style);
    QCOMPARE(QString::fromStdString(model.GetRootName(mode)), name);
}

void TestMusicModel::strayStyleShowsIonianOnTheKey_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<QString>("name");

    QTest::newRow("style -1, F") << -1 << 5 << 0 << "F";
    QTest::newRow("style -1, E flat") << -1 << 4 << -1 << "Eb";
    QTest::newRow("style 2, F sharp") << 2 << 5 << 1 << "F#";
    QTest::newRow("style 7, B flat") << 7 << 11 << -1 << "Bb";
}

void TestMusicModel::strayStyleShowsIonianOnTheKey() {
    QFETCH(int, style);
    QFETCH(int, key);
    QFETCH(int, accidental);
    QFETCH(QString, name);

    CMusicModel model = ModelOfKey(key, accidental, style);
    const int keyPitch = (key + accidental + 12) % 12;
    QCOMPARE(RootNames(model), Repeat(name));
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        QCOMPARE(MarkedPitches(model, mode), ModeScale(keyPitch, 0));
        for (int string = 0; string < CMusicModel::kGuitarStrings; ++string) {
            for (int fret = 1; fret <= CMusicModel::kGuitarFrets; ++fret) {
                const bool onKey = (OpenString(string) + fret) % 12 == keyPitch;
                QCOMPARE(model.GetNoteRole(fret, string, mode) == 2, onKey);
            }
        }
    }
}

void TestMusicModel::accidentalOutOfRangeSpellsWithSharps() {
    // B with accidental -1 is a flat key; with -2 the key stays B and its notes take sharps.
    CMusicModel model;
    model.m_nKey = 11;
    model.m_nStyle = 1;
    model.m_nAccidental = -1;
    QCOMPARE(RootNames(model), QStringList({"Bb", "C", "D", "Eb", "F", "G", "A"}));
    model.m_nAccidental = -2;
    QCOMPARE(RootNames(model), QStringList({"B", "C#", "D#", "E", "F#", "G#", "A#"}));
    model.m_nAccidental = 3;
    QCOMPARE(RootNames(model), QStringList({"B", "C#", "D#", "E", "F#", "G#", "A#"}));
    QCOMPARE(MarkedPitches(model, 2), ModeScale(11, 0));
}

void TestMusicModel::fretZeroAndTwelveAgree() {
    for (int style = 0; style <= 1; ++style) {
        for (int key : {0, 2, 4, 5, 7, 9, 11}) {
            for (int accidental = -1; accidental <= 1; ++accidental) {
                const CMusicModel model = ChosenKey(key, accidental, style);
                for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
                    for (int string = 0; string < CMusicModel::kGuitarStrings; ++string) {
                        QCOMPARE(model.GetNoteRole(0, string, mode),
                                 model.GetNoteRole(12, string, mode));
                    }
                }
            }
        }
    }
}

void TestMusicModel::fretTwentyTwoWraps() {
    // Fret 22 of the low E string is D, pitch class 2.
    CMusicModel model;
    QCOMPARE(model.GetNoteRole(22, 0, 0), 1);
    model.m_nKey = 2;
    QCOMPARE(model.GetNoteRole(22, 0, 0), 2);
    model.m_nKey = 0;
    model.m_nAccidental = 1;
    QCOMPARE(model.GetNoteRole(22, 0, 0), 0);
    for (int string = 0; string < CMusicModel::kGuitarStrings; ++string) {
        for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
            QCOMPARE(model.GetNoteRole(22, string, mode), model.GetNoteRole(10, string, mode));
        }
    }
}

void TestMusicModel::normaliseKeyRules_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("newKey");
    QTest::addColumn<KeyRule>("rule");
    QTest::addColumn<bool>("clearsSharp");

    QTest::newRow("B sharp to C") << 11 << 1 << 0 << KeyRule::BSharpToC << true;
    QTest::newRow("E sharp to F") << 4 << 1 << 5 << KeyRule::ESharpToF << true;
    QTest::newRow("C flat to B") << 0 << -1 << 11 << KeyRule::CFlatToB << false;
    QTest::newRow("F flat to E") << 5 << -1 << 4 << KeyRule::FFlatToE << false;
}

void TestMusicModel::normaliseKeyRules() {
    QFETCH(int, key);
    QFETCH(int, accidental);
    QFETCH(int, newKey);
    QFETCH(KeyRule, rule);
    QFETCH(bool, clearsSharp);

    CMusicModel model;
    model.m_nKey = key;
    model.m_nAccidental = accidental;
    const int pitchBefore = model.GetKeyPitch();
    QCOMPARE(model.NormaliseKey(), rule);
    QCOMPARE(model.m_nKey, newKey);
    QCOMPARE(model.m_nAccidental, 0);
    QCOMPARE(model.GetKeyPitch(), pitchBefore);
    QCOMPARE(RuleClearsSharp(rule), clearsSharp);
    // A normalised key stays as it is.
    QCOMPARE(model.NormaliseKey(), KeyRule::None);
    QCOMPARE(model.m_nKey, newKey);
}

void TestMusicModel::normaliseKeyLeavesOtherPairs_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("accidental");

    for (int letter = 0; letter < 7; ++letter) {
        for (int accidental = -1; accidental <= 1; ++accidental) {
            const int key = MajorDegree(letter);
            const bool normalised =
                (key == 11 && accidental == 1) || (key == 4 && accidental == 1) ||
                (key == 0 && accidental == -1) || (key == 5 && accidental == -1);
            if (!normalised) {
                QTest::addRow("%s %s", kLetters[letter], kAccidentalWords[accidental + 1])
                    << key << accidental;
            }
        }
    }
    QTest::newRow("B with accidental 2") << 11 << 2;
    QTest::newRow("C with accidental -2") << 0 << -2;
    QTest::newRow("pitch 1 with sharp") << 1 << 1;
}

void TestMusicModel::normaliseKeyLeavesOtherPairs() {
    QFETCH(int, key);
    QFETCH(int, accidental);

    CMusicModel model;
    model.m_nKey = key;
    model.m_nAccidental = accidental;
    QCOMPARE(model.NormaliseKey(), KeyRule::None);
    QCOMPARE(model.m_nKey, key);
    QCOMPARE(model.m_nAccidental, accidental);
}

QTEST_APPLESS_MAIN(TestMusicModel)
#include "tst_musicmodel.moc"
