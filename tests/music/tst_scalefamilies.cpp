#include "music/musicmodel.h"
#include "music/tuning.h"
#include "tests/support/musickey.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Each family's scale as whole and half steps, written out here rather than taken from the
// model; mode m is the same pattern started m places in.
constexpr int kSteps[3][7] = {
    {2, 2, 1, 2, 2, 2, 1}, // Major
    {2, 1, 2, 2, 1, 3, 1}, // Harmonic Minor
    {2, 1, 2, 2, 2, 2, 1}, // Melodic Minor
};
constexpr int kNaturals[7] = {0, 2, 4, 5, 7, 9, 11};
const char* const kFamilyNames[3] = {"major", "harmonic minor", "melodic minor"};
const char* const kStyleNames[3] = {"key fixed", "pattern fixed", "stray style"};

std::vector<int> ModeScale(int family, int mode, int tonic) {
    std::vector<int> pitches;
    for (int i = 0; i < 7; ++i) {
        pitches.push_back(tonic % 12);
        tonic += kSteps[family][(mode + i) % 7];
    }
    return pitches;
}

} // namespace

Q_DECLARE_METATYPE(TuningMidi)

class TestScaleFamilies : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellsFollowTheStepPatterns_data();
    void cellsFollowTheStepPatterns();
    void intervalNames_data();
    void intervalNames();
    void patternFixedRoots_data();
    void patternFixedRoots();
    void familiesOfOtherSizes_data();
    void familiesOfOtherSizes();
};

void TestScaleFamilies::cellsFollowTheStepPatterns_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("style");
    QTest::addColumn<TuningMidi>("tuning");
    QTest::addColumn<int>("natural");
    QTest::addColumn<int>("accidental");

    std::vector<TuningPreset> tunings(TuningPresets().begin(), TuningPresets().end());
    tunings.push_back({"custom C F C G D F#", "", {36, 41, 48, 55, 62, 66}});
    int row = 0;
    for (int family = 0; family < 3; ++family) {
        for (int style = 0; style < 3; ++style) {
            for (const TuningPreset& tuning : tunings) {
                QTest::addRow("%s, %s, %s", kFamilyNames[family], kStyleNames[style],
                              tuning.id.data())
                    << family << style << tuning.midi << kNaturals[row % 7] << row % 3 - 1;
                ++row;
            }
        }
    }
}

void TestScaleFamilies::cellsFollowTheStepPatterns() {
    QFETCH(int, family);
    QFETCH(int, style);
    QFETCH(TuningMidi, tuning);
    QFETCH(int, natural);
    QFETCH(int, accidental);

    CMusicModel model = ModelOfKey(natural, accidental, style);
    model.m_nFamily = family;
    model.m_nTuning = tuning;
    const int key = (natural + accidental + 12) % 12;
    for (int mode = 0; mode < 7; ++mode) {
        const std::vector<int> scale = ModeScale(family, style == 0 ? mode : 0, key);
        const int tonic = style == 1 ? scale[static_cast<std::size_t>(mode)] : key;
        for (int string = 0; string < static_cast<int>(tuning.size()); ++string) {
            for (int fret = 0; fret <= CMusicModel::kGuitarFrets; ++fret) {
                const int pitch = (tuning[static_cast<std::size_t>(string)] + fret) % 12;
                const int above = (pitch - tonic + 12) % 12;
                // The degree counts the scale's notes from the tonic up to this one.
                const auto upTo = [&](int p) { return (p - tonic + 12) % 12 <= above; };
                const bool inScale = std::count(scale.begin(), scale.end(), pitch) == 1;
                const int degree =
                    inScale ? static_cast<int>(std::count_if(scale.begin(), scale.end(), upTo)) : 0;
                const std::array want{degree, degree == 0 ? 0 : degree == 1 ? 2 : 1, above};
                const std::array got{model.GetDegree(fret, string, mode),
                                     model.GetNoteRole(fret, string, mode),
                                     model.GetSemitones(fret, string, mode)};
                // Note names follow each diagram's scale now; tst_spelling checks them.
                QVERIFY2(got == want, qPrintable(QStringLiteral("mode %1 string %2 fret %3")
                                                     .arg(mode)
                                                     .arg(string)
                                                     .arg(fret)));
            }
        }
    }
}

void TestScaleFamilies::intervalNames_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("formula");

    const auto row = [](int family, int mode, const char* formula) {
        QTest::addRow("%s", CMusicModel::FamilyModeName(family, mode).data())
            << family << mode << QString::fromLatin1(formula);
    };
    row(0, 0, "1 2 3 4 5 6 7");
    row(0, 3, "1 2 3 #4 5 6 7");
    row(0, 6, "1 b2 b3 4 b5 b6 b7");
    row(1, 0, "1 2 b3 4 5 b6 7");
    row(1, 1, "1 b2 b3 4 b5 6 b7");
    row(1, 5, "1 #2 3 #4 5 6 7");
    row(1, 6, "1 b2 b3 b4 b5 b6 bb7");
    row(2, 2, "1 2 3 #4 #5 6 7");
    row(2, 6, "1 b2 b3 b4 b5 b6 b7");
}

void TestScaleFamilies::intervalNames() {
    QFETCH(int, family);
    QFETCH(int, mode);
    QFETCH(QString, formula);

    // A flat, pattern fixed, in Open G: the tonic is not the key and the strings are not
    // standard, so the labels must follow the diagram's own tonic.
    CMusicModel model = ModelOfKey(9, -1, 1);
    model.m_nFamily = family;
    model.m_nTuning = FindTuningPreset("open-g")->midi;
    QStringList intervals(7);
    for (int string = 0; string < 6; ++string) {
        for (int fret = 0; fret < 12; ++fret) {
            const int degree = model.GetDegree(fret, string, mode);
            const std::string label = model.GetNoteLabel(LabelKind::Intervals, fret, string, mode);
            QCOMPARE(label.empty(), degree == 0);
            if (degree != 0) {
                intervals[degree - 1] = QString::fromStdString(label);
                QCOMPARE(model.GetNoteLabel(LabelKind::Degrees, fret, string, mode),
                         std::to_string(degree));
            }
        }
    }
    QCOMPARE(intervals.join(QLatin1Char(' ')), formula);
}

void TestScaleFamilies::patternFixedRoots_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("natural");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("roots");

    const auto row = [](const char* name, int family, int natural, int accidental, int style,
                        const char* roots) {
        QTest::newRow(name) << family << natural << accidental << style
                            << QString::fromLatin1(roots);
    };
    row("C harmonic minor: sharps in a natural key", 1, 0, 0, 1, "C D D# F G G# B");
    // Every family names its tonics by pitch, as the major family always has.
    row("D flat harmonic minor: E, and A for Bbb", 1, 2, -1, 1, "Db Eb E Gb Ab A C");
    row("F sharp harmonic minor: F for E#", 1, 5, 1, 1, "F# G# A B C# D F");
    row("C melodic minor", 2, 0, 0, 1, "C D D# F G A B");
    row("D flat melodic minor", 2, 2, -1, 1, "Db Eb E Gb Ab Bb C");
    row("F sharp melodic minor", 2, 5, 1, 1, "F# G# A B C# D# F");
    row("D flat harmonic minor, key fixed", 1, 2, -1, 0, "Db Db Db Db Db Db Db");
    row("F sharp melodic minor, stray style", 2, 5, 1, 2, "F# F# F# F# F# F# F#");
    row("stray family is major: F Lydian on Bb", 9, 5, 0, 1, "F G A Bb C D E");
}

void TestScaleFamilies::patternFixedRoots() {
    QFETCH(int, family);
    QFETCH(int, natural);
    QFETCH(int, accidental);
    QFETCH(int, style);
    QFETCH(QString, roots);

    CMusicModel model = ModelOfKey(natural, accidental, style);
    model.m_nFamily = family;
    QStringList names;
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        names << QString::fromStdString(model.GetRootName(mode));
    }
    QCOMPARE(names.join(QLatin1Char(' ')), roots);
}

void TestScaleFamilies::familiesOfOtherSizes_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("natural");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("style");
    // Per neck, from its tonic up one octave: title, notes, intervals, and the interval of
    // the blues scale's b5 ("" in other families), written out from theory.
    QTest::addColumn<QStringList>("necks");

    const auto family = [](ScaleFamily f) { return static_cast<int>(f); };
    QTest::newRow("A minor pentatonic boxes")
        << family(ScaleFamily::MinorPentatonic) << 9 << 0 << 1
        << QStringList{"A Minor Pentatonic|A C D E G|1 b3 4 5 b7|",
                       "C Major Pentatonic|C D E G A|1 2 3 5 6|",
                       "D Egyptian|D E G A C|1 2 4 5 b7|", "E Man Gong|E G A C D|1 b3 4 b6 b7|",
                       "G Ritusen|G A C D E|1 2 4 5 6|"};
    QTest::newRow("C major pentatonic modes, key fixed")
        << family(ScaleFamily::MajorPentatonic) << 0 << 0 << 0
        << QStringList{"C Major Pentatonic|C D E G A|1 2 3 5 6|",
                       "C Egyptian|C D F G Bb|1 2 4 5 b7|", "C Man Gong|C Eb F Ab Bb|1 b3 4 b6 b7|",
                       "C Ritusen|C D F G A|1 2 4 5 6|",
                       "C Minor Pentatonic|C Eb F G Bb|1 b3 4 5 b7|"};
    // The key's own notes on every neck: the b5 stays Eb.
    QTest::newRow("A blues boxes") << family(ScaleFamily::Blues) << 9 << 0 << 1
                                   << QStringList{"A Blues|A C D Eb E G|1 b3 4 b5 5 b7|b5",
                                                  "C Major Blues|C D Eb E G A|1 2 b3 3 5 6|b3",
                                                  "D Blues Mode 3|D Eb E G A C|1 b2 2 4 5 b7|b2",
                                                  "E Blues Mode 4|E G A C D Eb|1 b3 4 b6 b7 7|7",
                                                  "G Blues Mode 5|G A C D Eb E|1 2 4 5 b6 6|b6"};
    QTest::newRow("E blues modes, key fixed")
        << family(ScaleFamily::Blues) << 4 << 0 << 0
        << QStringList{"E Blues|E G A Bb B D|1 b3 4 b5 5 b7|b5",
                       "E Major Blues|E F# G G# B C#|1 2 b3 3 5 6|b3",
                       "E Blues Mode 3|E F F# A B D|1 b2 2 4 5 b7|b2",
                       "E Blues Mode 4|E G A C D D#|1 b3 4 b6 b7 7|7",
                       "E Blues Mode 5|E F# A B C C#|1 2 4 5 b6 6|b6"};
    QTest::newRow("F harmonic major")
        << family(ScaleFamily::HarmonicMajor) << 5 << 0 << 1
        << QStringList{"F Harmonic Major|F G A Bb C Db E|1 2 3 4 5 b6 7|",
                       "G Dorian b5|G A Bb C Db E F|1 2 b3 4 b5 6 b7|",
                       "A Phrygian b4|A Bb C Db E F G|1 b2 b3 b4 5 b6 b7|",
                       "Bb Lydian b3|Bb C Db E F G A|1 2 b3 #4 5 6 7|",
                       "C Mixolydian b2|C Db E F G A Bb|1 b2 3 4 5 6 b7|",
                       "Db Lydian Augmented #2|Db E F G A Bb C|1 #2 3 #4 #5 6 7|",
                       "E Locrian bb7|E F G A Bb C Db|1 b2 b3 4 b5 b6 bb7|"};
    QTest::newRow("B flat whole tone")
        << family(ScaleFamily::WholeTone) << 11 << -1 << 1
        << QStringList{"Bb Whole Tone|Bb C D E F# Ab|1 2 3 #4 #5 b7|"};
    QTest::newRow("C diminished, pattern fixed")
        << family(ScaleFamily::Diminished) << 0 << 0 << 1
        << QStringList{"C Half-Whole Diminished|C Db D# E F# G A Bb|1 b2 #2 3 #4 5 6 b7|",
                       "Db Whole-Half Diminished|Db D# E F# G A Bb C|1 2 b3 4 b5 b6 6 7|"};
    QTest::newRow("C diminished, key fixed")
        << family(ScaleFamily::Diminished) << 0 << 0 << 0
        << QStringList{"C Half-Whole Diminished|C Db D# E F# G A Bb|1 b2 #2 3 #4 5 6 b7|",
                       "C Whole-Half Diminished|C D Eb F Gb Ab A B|1 2 b3 4 b5 b6 6 7|"};
}

void TestScaleFamilies::familiesOfOtherSizes() {
    QFETCH(int, family);
    QFETCH(int, natural);
    QFETCH(int, accidental);
    QFETCH(int, style);
    QFETCH(QStringList, necks);

    CMusicModel model = ModelOfKey(natural, accidental, style);
    model.m_nFamily = family;
    QStringList found;
    for (int mode = 0; mode < model.NeckCount(); ++mode) {
        // Up the lowest string from the neck's first tonic, one octave.
        int tonic = 0;
        while (model.GetNoteRole(tonic, 0, mode) != 2) {
            ++tonic;
        }
        QStringList notes;
        QStringList intervals;
        QString blue;
        for (int fret = tonic; fret < tonic + 12; ++fret) {
            if (model.GetNoteRole(fret, 0, mode) == 0) {
                continue;
            }
            notes << QString::fromStdString(model.GetNoteLabel(LabelKind::Notes, fret, 0, mode));
            intervals << QString::fromStdString(
                model.GetNoteLabel(LabelKind::Intervals, fret, 0, mode));
            if (model.IsBlueNote(fret, 0, mode)) {
                blue = intervals.last();
            }
        }
        found << QStringLiteral("%1 %2|%3|%4|%5")
                     .arg(QString::fromStdString(model.GetRootName(mode)),
                          QString::fromLatin1(
                              model.GetModeName(mode).data(),
                              static_cast<qsizetype>(model.GetModeName(mode).size())),
                          notes.join(QLatin1Char(' ')), intervals.join(QLatin1Char(' ')), blue);
    }
    QCOMPARE(found, necks);
}

QTEST_APPLESS_MAIN(TestScaleFamilies)
#include "tst_scalefamilies.moc"
