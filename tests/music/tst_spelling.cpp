#include "music/musicmodel.h"
#include "music/textdiagrams.h"
#include "tests/support/musickey.h"

#include <QtTest>

#include <array>
#include <set>

namespace {

// Written from theory, not from the model: a note is a letter and an accidental, a mode is a
// list of intervals above its tonic, and a note plus an interval is the letter that many
// steps up with whatever accidental makes the interval's size.
struct Note {
    int letter = 0; // C D E F G A B
    int accidental = 0;
    bool operator==(const Note&) const = default;
};

constexpr std::array<int, 7> kNaturalPitch{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<char, 7> kLetterNames{'C', 'D', 'E', 'F', 'G', 'A', 'B'};

const char* const kModeIntervals[3][7] = {
    {"1 2 3 4 5 6 7", "1 2 b3 4 5 6 b7", "1 b2 b3 4 5 b6 b7", "1 2 3 #4 5 6 7", "1 2 3 4 5 6 b7",
     "1 2 b3 4 5 b6 b7", "1 b2 b3 4 b5 b6 b7"},
    {"1 2 b3 4 5 b6 7", "1 b2 b3 4 b5 6 b7", "1 2 3 4 #5 6 7", "1 2 b3 #4 5 6 b7",
     "1 b2 3 4 5 b6 b7", "1 #2 3 #4 5 6 7", "1 b2 b3 b4 b5 b6 bb7"},
    {"1 2 b3 4 5 6 7", "1 b2 b3 4 5 6 b7", "1 2 3 #4 #5 6 7", "1 2 3 #4 5 6 b7", "1 2 3 4 5 b6 b7",
     "1 2 b3 4 b5 b6 b7", "1 b2 b3 b4 b5 b6 b7"},
};

int Pitch(Note note) {
    return ((kNaturalPitch[static_cast<std::size_t>(note.letter)] + note.accidental) % 12 + 12) %
           12;
}

QString Name(Note note) {
    QString name(QLatin1Char(kLetterNames[static_cast<std::size_t>(note.letter)]));
    name += QString(std::abs(note.accidental),
                    note.accidental < 0 ? QLatin1Char('b') : QLatin1Char('#'));
    return name;
}

Note Plus(Note tonic, const QString& interval) {
    const int number = interval.right(1).toInt();
    const int alteration = static_cast<int>(interval.count(QLatin1Char('#'))) -
                           static_cast<int>(interval.count(QLatin1Char('b')));
    const int size = kNaturalPitch[static_cast<std::size_t>(number - 1)] + alteration;
    const int letter = (tonic.letter + number - 1) % 7;
    int accidental = Pitch(tonic) + size - kNaturalPitch[static_cast<std::size_t>(letter)];
    accidental = ((accidental % 12) + 18) % 12 - 6;
    return {letter, accidental};
}

std::array<Note, 7> Scale(Note tonic, int family, int mode) {
    const QStringList intervals = QString::fromLatin1(kModeIntervals[family][mode]).split(' ');
    std::array<Note, 7> notes{};
    for (int i = 0; i < 7; ++i) {
        notes[static_cast<std::size_t>(i)] = Plus(tonic, intervals.at(i));
    }
    return notes;
}

bool HasDouble(const std::array<Note, 7>& notes) {
    return std::any_of(notes.begin(), notes.end(),
                       [](Note n) { return std::abs(n.accidental) > 1; });
}

// A key respelled for the scale spelling: the other letter for the same pitch.
Note Enharmonic(Note key, int family, int mode) {
    for (const int step : {1, 6}) {
        const int letter = (key.letter + step) % 7;
        int accidental = Pitch(key) - kNaturalPitch[static_cast<std::size_t>(letter)];
        accidental = ((accidental % 12) + 18) % 12 - 6;
        const Note other{letter, accidental};
        if (std::abs(accidental) <= 1 && !HasDouble(Scale(other, family, mode))) {
            return other;
        }
    }
    return key;
}

// A double accidental's plain name: the natural letter if one sounds it, else one
// accidental the same way.
Note Simplest(Note note) {
    if (std::abs(note.accidental) < 2) {
        return note;
    }
    for (int letter = 0; letter < 7; ++letter) {
        const int accidental = Pitch(note) - kNaturalPitch[static_cast<std::size_t>(letter)];
        if (accidental == 0 || accidental == (note.accidental < 0 ? -1 : 1)) {
            return {letter, accidental};
        }
    }
    return note;
}

// B#, E#, Cb and Fb become C, F, B and E before anything is drawn.
Note Normalised(Note key) {
    if ((key.letter == 6 || key.letter == 2) && key.accidental == 1) {
        return {(key.letter + 1) % 7, 0};
    }
    if ((key.letter == 0 || key.letter == 3) && key.accidental == -1) {
        return {(key.letter + 6) % 7, 0};
    }
    return key;
}

// The seven notes each diagram should show, its tonic first.
std::array<std::array<Note, 7>, 7> Expected(Note key, int family, int style, bool scale) {
    std::array<std::array<Note, 7>, 7> necks{};
    const std::array<Note, 7> keyScale = Scale(key, family, 0);
    for (int m = 0; m < 7; ++m) {
        std::array<Note, 7>& neck = necks[static_cast<std::size_t>(m)];
        if (scale && style == 1) {
            const Note written = HasDouble(keyScale) ? Enharmonic(key, family, 0) : key;
            const std::array<Note, 7> notes = Scale(written, family, 0);
            for (int d = 0; d < 7; ++d) {
                neck[static_cast<std::size_t>(d)] = notes[static_cast<std::size_t>((m + d) % 7)];
            }
        } else if (scale) {
            const std::array<Note, 7> notes = Scale(key, family, m);
            neck = HasDouble(notes) ? Scale(Enharmonic(key, family, m), family, m) : notes;
        } else {
            // The title's tonic by pitch alone, flats only in a flat key; F's Lydian is Bb.
            const int pitch =
                style == 1 ? Pitch(keyScale[static_cast<std::size_t>(m)]) : Pitch(key);
            Note tonic{};
            for (int letter = 0; letter < 7; ++letter) {
                const int below = kNaturalPitch[static_cast<std::size_t>(letter)];
                if (below == pitch) {
                    tonic = {letter, 0};
                    break;
                }
                if (key.accidental == -1 ? (below + 11) % 12 == pitch : below + 1 == pitch) {
                    tonic = {letter, key.accidental == -1 ? -1 : 1};
                }
            }
            if (style == 1 && m == 3 && pitch == 10) {
                tonic = {6, -1};
            }
            neck = Scale(tonic, family, m);
            for (Note& note : neck) {
                note = Simplest(note);
            }
        }
    }
    return necks;
}

constexpr std::array<int, 6> kStandardOpen{4, 9, 2, 7, 11, 4};

} // namespace

class TestSpelling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyKeyAgainstTheory_data();
    void everyKeyAgainstTheory();
    void respellingNotice_data();
    void respellingNotice();
    void extensionFormulas_data();
    void extensionFormulas();
};

void TestSpelling::everyKeyAgainstTheory_data() {
    QTest::addColumn<int>("letter");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("scale");
    for (int letter = 0; letter < 7; ++letter) {
        for (int accidental = -1; accidental <= 1; ++accidental) {
            for (int family = 0; family < 3; ++family) {
                for (int style = 0; style < 2; ++style) {
                    for (const bool scale : {false, true}) {
                        QTest::addRow("%s, family %d, style %d, %s",
                                      qPrintable(Name({letter, accidental})), family, style,
                                      scale ? "scale" : "simple")
                            << letter << accidental << family << style << scale;
                    }
                }
            }
        }
    }
}

void TestSpelling::everyKeyAgainstTheory() {
    QFETCH(int, letter);
    QFETCH(int, accidental);
    QFETCH(int, family);
    QFETCH(int, style);
    QFETCH(bool, scale);

    CMusicModel model =
        ModelOfKey(kNaturalPitch[static_cast<std::size_t>(letter)], accidental, style);
    model.NormaliseKey();
    model.m_nFamily = family;
    model.m_spelling = scale ? SpellingKind::Scale : SpellingKind::Simple;
    const auto necks = Expected(Normalised({letter, accidental}), family, style, scale);
    const bool fMajor = letter == 3 && accidental == 0 && family == 0;
    for (int m = 0; m < 7; ++m) {
        const auto& neck = necks[static_cast<std::size_t>(m)];
        const QString title = QString::fromStdString(model.GetRootName(m));
        QCOMPARE(title, Name(neck[0]));
        std::set<int> letters;
        std::set<QString> names;
        for (int string = 0; string < 6; ++string) {
            for (int fret = 1; fret <= 22; ++fret) {
                const int pitch = (kStandardOpen[static_cast<std::size_t>(string)] + fret) % 12;
                const QString label =
                    QString::fromStdString(model.GetNoteLabel(LabelKind::Notes, fret, string, m));
                const auto want = std::find_if(neck.begin(), neck.end(),
                                               [pitch](Note n) { return Pitch(n) == pitch; });
                const QString where = QStringLiteral("neck %1 string %2 fret %3: %4")
                                          .arg(m)
                                          .arg(string)
                                          .arg(fret)
                                          .arg(label);
                QVERIFY2(label == (want == neck.end() ? QString() : Name(*want)),
                         qPrintable(where));
                if (label.isEmpty()) {
                    continue;
                }
                if (model.GetNoteRole(fret, string, m) == 2) {
                    QVERIFY2(label == title, qPrintable(where));
                }
                QVERIFY2(!fMajor || label != QLatin1String("A#"), qPrintable(where));
                if (scale) {
                    QVERIFY2(label.count('#') < 2 && label.count('b') < 2, qPrintable(where));
                    letters.insert(label.at(0).unicode());
                    names.insert(label);
                }
            }
        }
        if (scale) {
            // Seven different notes on seven different letters.
            QCOMPARE(names.size(), std::size_t{7});
            QCOMPARE(letters.size(), std::size_t{7});
        }
    }
}

void TestSpelling::respellingNotice_data() {
    QTest::addColumn<int>("letter");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("scale");
    QTest::addColumn<QString>("notice");

    QTest::newRow("A# major") << 5 << 1 << 0 << 1 << true << "A# major drawn as Bb major";
    QTest::newRow("D# harmonic minor")
        << 1 << 1 << 1 << 1 << true << "D# harmonic minor drawn as Eb harmonic minor";
    QTest::newRow("C# Lydian") << 0 << 1 << 0 << 0 << true << "C# Lydian drawn as Db Lydian";
    QTest::newRow("Eb major needs none") << 2 << -1 << 0 << 1 << true << "";
    QTest::newRow("simple says nothing") << 5 << 1 << 0 << 1 << false << "";
}

void TestSpelling::respellingNotice() {
    QFETCH(int, letter);
    QFETCH(int, accidental);
    QFETCH(int, family);
    QFETCH(int, style);
    QFETCH(bool, scale);
    QFETCH(QString, notice);

    CMusicModel model =
        ModelOfKey(kNaturalPitch[static_cast<std::size_t>(letter)], accidental, style);
    model.m_nFamily = family;
    model.m_spelling = scale ? SpellingKind::Scale : SpellingKind::Simple;
    QCOMPARE(QString::fromStdString(model.RespellingNotice()), notice);
    const QString text = QString::fromStdString(FormatDiagramsAsText(model));
    QCOMPARE(text.startsWith(notice + '\n'), !notice.isEmpty());
}

void TestSpelling::extensionFormulas_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("formula");

    QTest::newRow("Dorian") << 0 << 1 << "1 9 b3 11 5 13 b7";
    QTest::newRow("Lydian") << 0 << 3 << "1 9 3 #11 5 13 7";
    QTest::newRow("Locrian keeps its b5") << 0 << 6 << "1 b9 b3 11 b5 b13 b7";
    QTest::newRow("Phrygian Dominant") << 1 << 4 << "1 b9 3 11 5 b13 b7";
    QTest::newRow("Lydian #2") << 1 << 5 << "1 #9 3 #11 5 13 7";
    QTest::newRow("Altered bb7") << 1 << 6 << "1 b9 #9 3 #11 b13 bb7";
    QTest::newRow("Altered") << 2 << 6 << "1 b9 #9 3 #11 b13 b7";
}

void TestSpelling::extensionFormulas() {
    QFETCH(int, family);
    QFETCH(int, mode);
    QFETCH(QString, formula);

    CMusicModel model = ModelOfKey(7, 0, 0);
    model.m_nFamily = family;
    QStringList names(7);
    for (int string = 0; string < 6; ++string) {
        for (int fret = 0; fret < 12; ++fret) {
            const int degree = model.GetDegree(fret, string, mode);
            if (degree != 0) {
                names[degree - 1] = QString::fromStdString(
                    model.GetNoteLabel(LabelKind::Extensions, fret, string, mode));
            }
        }
    }
    QCOMPARE(names.join(' '), formula);
}

QTEST_APPLESS_MAIN(TestSpelling)
#include "tst_spelling.moc"
