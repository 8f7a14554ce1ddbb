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

QTEST_APPLESS_MAIN(TestScaleFamilies)
#include "tst_scalefamilies.moc"
