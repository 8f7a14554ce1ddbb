#pragma once

#include "music/musicmodel.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// MIDI note numbers of the six open strings, lowest string first.
using TuningMidi = std::array<int, CMusicModel::kStrings>;

struct TuningPreset {
    std::string_view id;   // stable key for settings and the command line, e.g. "drop-d"
    std::string_view name; // what the user reads, e.g. "Drop D"
    TuningMidi midi;
};

// The built-in tunings, standard first.
std::span<const TuningPreset> TuningPresets();
// nullptr when no preset has that id.
const TuningPreset* FindTuningPreset(std::string_view id);
// The preset's index in TuningPresets(), or -1 for a custom tuning.
int TuningPresetIndex(const TuningMidi& midi);

// The open strings' pitch classes spelled with sharps, lowest first: "D A D G A D".
std::string FormatTuning(const TuningMidi& midi);

// What came of reading a typed tuning. count is the number of blank-separated entries;
// badEntry is the first entry that is not a note in MIDI range (empty when all are); midi is
// set only when there are exactly six entries and all of them were read.
struct TuningParse {
    std::optional<TuningMidi> midi;
    std::string badEntry;
    std::size_t count = 0;
};

// Reads six notes lowest string first, such as "D A D G A D" or "D2 A2 D3 G3 A3 D4": a letter
// A to G in either case, an optional "b", "#", "♭" or "♯", and an optional octave number
// (C4 is MIDI 60). A note without an octave takes the one nearest to the standard tuning's
// string at the same place; halfway between two, it takes the lower.
TuningParse ParseTuning(std::string_view text);
