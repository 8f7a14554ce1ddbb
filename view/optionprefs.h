#pragma once

#include "music/musicmodel.h"
#include "music/tuning.h"

class CNeckDrawing;
class SettingsStore;

// What the guitarist chose beyond the plain diagrams, kept in the settings group "Options".
// Every default draws exactly the plain diagrams.
struct OptionPrefs {
    static constexpr char kGroup[] = "Options";
    // 0 none, 1 notes, 2 degrees, 3 intervals, 4 intervals as chord extensions
    static constexpr char kLabels[] = "Labels";
    static constexpr char kLeftHanded[] = "LeftHanded";   // 0 or 1
    static constexpr char kFamily[] = "Family";           // 0 major, 1 harmonic, 2 melodic minor
    static constexpr char kFretNumbers[] = "FretNumbers"; // 0 or 1
    // "Tuning0" to "Tuning5": MIDI note numbers of the open strings, lowest first.
    static constexpr char kTuningPrefix[] = "Tuning";
    static constexpr char kSpelling[] = "Spelling"; // 0 simple, 1 as the key's scale writes it

    LabelKind labels = LabelKind::None;
    bool leftHanded = false;
    int family = static_cast<int>(ScaleFamily::Major);
    TuningMidi tuning = CMusicModel::kStandardTuning;
    bool fretNumbers = false;
    SpellingKind spelling = SpellingKind::Simple;

    friend bool operator==(const OptionPrefs&, const OptionPrefs&) = default;

    // A value that is missing or not exactly a whole number among those allowed reads as its
    // default, each on its own: one bad string of the tuning leaves the other five as stored.
    static OptionPrefs Load(const SettingsStore& store);
    // Writes only the values that differ from `before`, so that a change never writes back
    // what another window or program may have stored meanwhile.
    void SaveChanges(SettingsStore& store, const OptionPrefs& before) const;

    // The family, tuning and spelling are the model's; labels, hand and fret numbers the
    // drawing's.
    void ApplyTo(CMusicModel& model) const;
    void ApplyTo(CNeckDrawing& drawing) const;
    static OptionPrefs Of(const CNeckDrawing& drawing);
};
