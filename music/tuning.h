#pragma once

#include "music/musicmodel.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// MIDI note numbers of the open strings, lowest string first: 4 to 8 of them.
using TuningMidi = std::vector<int>;

struct TuningPreset {
    std::string_view id;   // stable key for settings and the command line, e.g. "drop-d"
    std::string_view name; // what the user reads, e.g. "Drop D"
    TuningMidi midi;
};

// The built-in tunings, standard first: the guitar's, then seven- and eight-string guitars and
// four-, five- and six-string basses.
std::span<const TuningPreset> TuningPresets();
// nullptr when no preset has that id.
const TuningPreset* FindTuningPreset(std::string_view id);
// The preset's index in TuningPresets(), or -1 for a custom tuning.
int TuningPresetIndex(const TuningMidi& midi);

// The open strings' pitch classes spelled with sharps, lowest first: "D A D G A D".
std::string FormatTuning(const TuningMidi& midi);

// What came of reading a typed tuning. count is the number of blank-separated entries;
// badEntry is the first entry that is not a note in MIDI range (empty when all are); midi is
// set only when there are 4 to 8 entries and all of them were read.
struct TuningParse {
    std::optional<TuningMidi> midi;
    std::string badEntry;
    std::size_t count = 0;
};

// Reads 4 to 8 notes lowest string first, such as "D A D G A D" or "B0 E1 A1 D2 G2": a letter
// A to G in either case, an optional "b", "#", "♭" or "♯", and an optional octave number
// (C4 is MIDI 60). A note without an octave takes the one nearest to the string at the same
// place of the standard instrument with as many strings (bass for 4 and 5, guitar for 6 to 8);
// halfway between two, it takes the lower.
TuningParse ParseTuning(std::string_view text);
