#include "music/positions.h"
#include "tests/support/musickey.h"

#include <QTest>

#include <array>
#include <set>
#include <vector>

namespace {

constexpr std::array<int, 7> kLetterPitches{0, 2, 4, 5, 7, 9, 11}; // C D E F G A B
constexpr std::array<int, 7> kMajorSteps{2, 2, 1, 2, 2, 2, 1};

int Mod12(int value) {
    return ((value % 12) + 12) % 12;
}

// Pitch classes of neck `mode`, and its tonic, worked out from the major scale's steps alone.
struct NeckScale {
    int tonic = 0;
    std::set<int> pitches;
};

NeckScale ScaleOfNeck(int keyPitch, int style, int mode) {
    NeckScale scale;
    int pitch = keyPitch;
    for (int degree = 0; degree < 7; ++degree) {
        scale.pitches.insert(Mod12(pitch));
        if (style == 1 && degree < mode) {
            scale.tonic += kMajorSteps.at(static_cast<std::size_t>(degree));
        }
        // Keep Key Fixed: the mode's own steps start on the key; Keep Pattern Fixed: the key's
        // major scale, whose degree `mode` is the tonic.
        const int step = style == 0 ? (degree + mode) % 7 : degree;
        pitch += kMajorSteps.at(static_cast<std::size_t>(step));
    }
    scale.tonic = Mod12(keyPitch + scale.tonic);
    return scale;
}

int NextScalePitch(const std::set<int>& pitches, int midi) {
    do {
        ++midi;
    } while (pitches.count(Mod12(midi)) == 0);
    return midi;
}

} // namespace

class TestPositions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void guitarShapesFollowTheScale_data();
    void guitarShapesFollowTheScale();
    void closeStringsTakeTwo_data();
    void closeStringsTakeTwo();
    void cagedBoxesSitAroundTheRoot_data();
    void cagedBoxesSitAroundTheRoot();
};

void TestPositions::guitarShapesFollowTheScale_data() {
    QTest::addColumn<int>("letter");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("style");
    const char* const letters = "CDEFGAB";
    for (int style = 0; style <= 1; ++style) {
        for (int letter = 0; letter < 7; ++letter) {
            for (const int accidental : {-1, 0, 1}) {
                const QByteArray name = QByteArray(1, letters[letter]) +
                                        (accidental < 0   ? "b"
                                         : accidental > 0 ? "#"
                                                          : "") +
                                        (style == 0 ? " key fixed" : " pattern fixed");
                QTest::newRow(name.constData()) << letter << accidental << style;
            }
        }
    }
}

// On a standard guitar every string holds three notes: no two neighbouring strings are tuned
// closer than a major third, so a third note never reaches past the next string's first fret.
void TestPositions::guitarShapesFollowTheScale() {
    QFETCH(int, letter);
    QFETCH(int, accidental);
    QFETCH(int, style);
    const int keyPitch = Mod12(kLetterPitches.at(static_cast<std::size_t>(letter)) + accidental);
    CMusicModel model =
        ModelOfKey(kLetterPitches.at(static_cast<std::size_t>(letter)), accidental, style);
    model.NormaliseKey();
    const std::array<int, 6> open{40, 45, 50, 55, 59, 64};
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        const NeckScale scale = ScaleOfNeck(keyPitch, style, mode);
        const std::vector<PositionNote> notes = ThreeNotesPerString(model, mode).Notes();
        QCOMPARE(notes.size(), std::size_t{18});
        const int firstFret = Mod12(scale.tonic - open[0]) == 0 ? 12 : Mod12(scale.tonic - open[0]);
        QCOMPARE(notes.front(), (PositionNote{0, firstFret}));
        int expected = open[0] + firstFret;
        for (std::size_t i = 0; i < notes.size(); ++i) {
            const PositionNote note = notes[i];
            QCOMPARE(note.string, static_cast<int>(i / 3));
            QVERIFY(note.fret >= 1 && note.fret <= CMusicModel::kGuitarFrets);
            QCOMPARE(open.at(static_cast<std::size_t>(note.string)) + note.fret, expected);
            expected = NextScalePitch(scale.pitches, expected);
        }
    }
}

void TestPositions::closeStringsTakeTwo_data() {
    QTest::addColumn<QList<int>>("tuning");
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("perString");
    // DADGAD, D Ionian from fret 12: the G string (55) lies a major second below the A (57).
    QTest::newRow("DADGAD") << QList<int>{38, 45, 50, 55, 57, 62} << 2
                            << QList<int>{3, 3, 3, 2, 3, 3};
    // Strings a semitone apart, F Ionian from fret 1: only the top string keeps a third note.
    QTest::newRow("semitones") << QList<int>{40, 41, 42, 43} << 5 << QList<int>{2, 2, 2, 3};
}

void TestPositions::closeStringsTakeTwo() {
    QFETCH(QList<int>, tuning);
    QFETCH(int, key);
    QFETCH(QList<int>, perString);
    CMusicModel model = ModelOfKey(key, 0, 0);
    model.m_nTuning.assign(tuning.begin(), tuning.end());
    QList<int> counts(tuning.size(), 0);
    const PositionShape shape = ThreeNotesPerString(model, 0);
    for (const PositionNote& note : shape.Notes()) {
        ++counts[note.string];
    }
    QCOMPARE(counts, perString);
}

void TestPositions::cagedBoxesSitAroundTheRoot_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<CagedShape>("shape");
    QTest::addColumn<int>("frets");
    QTest::addColumn<int>("lowest"); // the box's first fret, -1 when it does not fit
    // Standard tuning, the Ionian neck. C and A root on the A string, G and E on the low E, D on
    // the D string; C on fret 3 of the A string leaves the C shape no fret below 1 there.
    QTest::newRow("C: C shape an octave up") << 0 << CagedShape::C << 22 << 12;
    QTest::newRow("C: A shape") << 0 << CagedShape::A << 22 << 2;
    QTest::newRow("C: G shape") << 0 << CagedShape::G << 22 << 5;
    QTest::newRow("C: E shape") << 0 << CagedShape::E << 22 << 7;
    QTest::newRow("C: D shape") << 0 << CagedShape::D << 22 << 10;
    QTest::newRow("G: E shape") << 7 << CagedShape::E << 22 << 2;
    QTest::newRow("G: D shape") << 7 << CagedShape::D << 22 << 5;
    QTest::newRow("G: G shape needs fret 15") << 7 << CagedShape::G << 15 << 12;
    QTest::newRow("G: G shape past 12 frets") << 7 << CagedShape::G << 12 << -1;
}

void TestPositions::cagedBoxesSitAroundTheRoot() {
    QFETCH(int, key);
    QFETCH(CagedShape, shape);
    QFETCH(int, frets);
    QFETCH(int, lowest);
    CMusicModel model = ModelOfKey(key, 0, 0);
    model.m_nFrets = frets;
    const PositionShape box = CagedBox(model, 0, shape);
    std::vector<PositionNote> expected;
    if (lowest >= 0) {
        const std::set<int> pitches = ScaleOfNeck(key, 0, 0).pitches;
        for (int string = 0; string < 6; ++string) {
            for (int fret = lowest; fret <= lowest + 3; ++fret) {
                const int midi =
                    CMusicModel::kStandardTuning.at(static_cast<std::size_t>(string)) + fret;
                if (pitches.count(Mod12(midi)) != 0) {
                    expected.push_back({string, fret});
                }
            }
        }
    }
    QCOMPARE(box.Notes(), expected);
}

QTEST_GUILESS_MAIN(TestPositions)
#include "tst_positions.moc"
