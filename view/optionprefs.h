#pragma once

#include "music/chords.h"
#include "music/musicmodel.h"
#include "music/positions.h"
#include "music/tuning.h"

class CNeckDrawing;
class SettingsStore;

// What the guitarist chose beyond the plain diagrams, kept in the settings group "Options".
// Every default draws exactly the plain diagrams.
struct OptionPrefs {
    static constexpr char kGroup[] = "Options";
    // 0 none, 1 notes, 2 degrees, 3 intervals, 4 intervals as chord extensions
    static constexpr char kLabels[] = "Labels";
    static constexpr char kLeftHanded[] = "LeftHanded"; // 0 or 1
    // 0 major, 1 harmonic minor, 2 melodic minor, 3 harmonic major, 4 major pentatonic,
    // 5 minor pentatonic, 6 blues, 7 whole tone, 8 diminished
    static constexpr char kFamily[] = "Family";
    static constexpr char kFretNumbers[] = "FretNumbers"; // 0 or 1
    // MIDI note numbers of the open strings, lowest first, blank-separated: "40 45 50 55 59 64".
    // Without it the six values "Tuning0" to "Tuning5" of earlier versions are read.
    static constexpr char kTuning[] = "Tuning";
    static constexpr char kSpelling[] = "Spelling"; // 0 simple, 1 as the key's scale writes it
    static constexpr char kFrets[] = "Frets";       // 12 to 24
    static constexpr char kOrientation[] = "Orientation"; // 0 vertical, 1 horizontal
    static constexpr char kOpenStrings[] = "OpenStrings"; // 0 or 1
    // The frets shown: 0 <= FirstFret < LastFret <= Frets; the nut only when FirstFret is 0.
    static constexpr char kFirstFret[] = "FirstFret";
    static constexpr char kLastFret[] = "LastFret";
    static constexpr char kPositions[] =
        "Positions";                          // 0 all, 1 three per string, 2 window, 3 CAGED
    static constexpr char kCaged[] = "Caged"; // 0 C, 1 A, 2 G, 3 E, 4 D
    // 0 notes outside a shape drawn faint, 1 hidden
    static constexpr char kPositionsOnly[] = "PositionsOnly";
    static constexpr char kChordTones[] = "ChordTones";         // 0 none, 1 triad, 2 seventh
    static constexpr char kCharacteristic[] = "Characteristic"; // 0 or 1

    LabelKind labels = LabelKind::None;
    bool leftHanded = false;
    int family = static_cast<int>(ScaleFamily::Major);
    TuningMidi tuning{CMusicModel::kStandardTuning.begin(), CMusicModel::kStandardTuning.end()};
    bool fretNumbers = false;
    SpellingKind spelling = SpellingKind::Simple;
    int frets = CMusicModel::kGuitarFrets;
    bool horizontal = false;
    bool openStrings = false;
    int firstFret = 0;
    int lastFret = CMusicModel::kGuitarFrets;
    PositionKind positions = PositionKind::All;
    CagedShape caged = CagedShape::C;
    bool positionsOnly = false;
    ChordKind chordTones = ChordKind::None;
    bool characteristic = false;

    friend bool operator==(const OptionPrefs&, const OptionPrefs&) = default;

    // A value that is missing or not exactly a whole number among those allowed reads as its
    // default, each on its own: a bad tuning gives standard tuning and leaves the rest as
    // stored; a fret window that does not fit the instrument shows the whole neck.
    static OptionPrefs Load(const SettingsStore& store);
    // Writes only the values that differ from `before`, so that a change never writes back
    // what another window or program may have stored meanwhile.
    void SaveChanges(SettingsStore& store, const OptionPrefs& before) const;

    // The family, instrument and spelling are the model's; labels, hand, fret numbers, fret
    // window, orientation, open strings, positions, chord tones and characteristic notes the
    // drawing's.
    void ApplyTo(CMusicModel& model) const;
    void ApplyTo(CNeckDrawing& drawing) const;
    static OptionPrefs Of(const CNeckDrawing& drawing);

    // Whether frets first..last can be shown on an instrument of `frets` frets.
    static bool IsFretWindow(int first, int last, int frets);
    // A new fret count: a player who saw the whole neck goes on seeing the whole neck, and a
    // window the new neck is too short for gives way to the whole neck too.
    void SetFrets(int nFrets);
};
