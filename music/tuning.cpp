#include "music/tuning.h"

#include "music/keyname.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

const std::vector<TuningPreset>& Presets() {
    static const std::vector<TuningPreset> presets{
        {"standard", "Standard", {40, 45, 50, 55, 59, 64}},
        {"drop-d", "Drop D", {38, 45, 50, 55, 59, 64}},
        {"dadgad", "DADGAD", {38, 45, 50, 55, 57, 62}},
        {"open-d", "Open D", {38, 45, 50, 54, 57, 62}},
        {"open-g", "Open G", {38, 43, 50, 55, 59, 62}},
        {"half-down", "Half Step Down", {39, 44, 49, 54, 58, 63}},
        {"whole-down", "Whole Step Down", {38, 43, 48, 53, 57, 62}},
        {"7-string", "7-String Guitar", {35, 40, 45, 50, 55, 59, 64}},
        {"8-string", "8-String Guitar", {30, 35, 40, 45, 50, 55, 59, 64}},
        {"bass-4", "4-String Bass", {28, 33, 38, 43}},
        {"bass-5", "5-String Bass", {23, 28, 33, 38, 43}},
        {"bass-6", "6-String Bass", {23, 28, 33, 38, 43, 48}},
    };
    return presets;
}

// What a note typed without its octave is placed near, by the number of strings.
const std::vector<int>& ReferenceTuning(std::size_t strings) {
    const char* id = strings <= 5   ? (strings == 4 ? "bass-4" : "bass-5")
                     : strings == 6 ? "standard"
                     : strings == 7 ? "7-string"
                                    : "8-string";
    return FindTuningPreset(id)->midi;
}

constexpr std::array<std::string_view, 12> kSharpNames{"C",  "C#", "D",  "D#", "E",  "F",
                                                       "F#", "G",  "G#", "A",  "A#", "B"};
constexpr int kHighestMidi = 127;

int PositiveMod12(int value) {
    const int rest = value % 12;
    return rest < 0 ? rest + 12 : rest;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> SplitAtBlanks(std::string_view text) {
    std::vector<std::string_view> entries;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (IsBlank(text[pos])) {
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < text.size() && !IsBlank(text[end])) {
            ++end;
        }
        entries.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return entries;
}

// The note with no octave closest to standardMidi; halfway goes down.
int NearestWithPitchClass(int pitchClass, int standardMidi) {
    const int below = standardMidi - PositiveMod12(standardMidi - pitchClass);
    return standardMidi - below <= below + 12 - standardMidi ? below : below + 12;
}

std::optional<int> ReadNote(std::string_view entry, int standardMidi) {
    // The octave starts at the first digit or minus sign; the letter and accidental never hold
    // one, so the note part ends there.
    std::size_t octaveStart = 1;
    while (octaveStart < entry.size() && entry[octaveStart] != '-' &&
           (entry[octaveStart] < '0' || entry[octaveStart] > '9')) {
        ++octaveStart;
    }
    const auto note = ParseKeyName(entry.substr(0, octaveStart));
    if (!note) {
        return std::nullopt;
    }
    const int pitch = note->key + note->accidental;
    if (octaveStart == entry.size()) {
        return NearestWithPitchClass(PositiveMod12(pitch), standardMidi);
    }
    const std::string_view digits = entry.substr(octaveStart);
    int octave = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), octave);
    // Octaves -1 to 9 cover MIDI 0 to 127; anything wider is refused before it can overflow.
    if (error != std::errc() || end != digits.data() + digits.size() || octave < -1 || octave > 9) {
        return std::nullopt;
    }
    const int midi = (octave + 1) * 12 + pitch;
    if (midi < 0 || midi > kHighestMidi) {
        return std::nullopt;
    }
    return midi;
}

} // namespace

std::span<const TuningPreset> TuningPresets() {
    return Presets();
}

const TuningPreset* FindTuningPreset(std::string_view id) {
    for (const TuningPreset& preset : Presets()) {
        if (preset.id == id) {
            return &preset;
        }
    }
    return nullptr;
}

int TuningPresetIndex(const TuningMidi& midi) {
    for (std::size_t i = 0; i < Presets().size(); ++i) {
        if (Presets()[i].midi == midi) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string FormatTuning(const TuningMidi& midi) {
    std::string text;
    for (const int note : midi) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kSharpNames[static_cast<std::size_t>(PositiveMod12(note))];
    }
    return text;
}

TuningParse ParseTuning(std::string_view text) {
    const std::vector<std::string_view> entries = SplitAtBlanks(text);
    TuningParse result;
    result.count = entries.size();
    const std::vector<int>& reference = ReferenceTuning(entries.size());
    TuningMidi midi;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // Past the eighth string there is no string to be near; the top one stands in, so
        // extra entries are still checked for the message.
        const auto note = ReadNote(entries[i], reference[std::min(i, reference.size() - 1)]);
        if (!note) {
            result.badEntry = std::string(entries[i]);
            return result;
        }
        midi.push_back(*note);
    }
    const auto count = static_cast<int>(entries.size());
    if (count >= CMusicModel::kMinStrings && count <= CMusicModel::kMaxStrings) {
        result.midi = std::move(midi);
    }
    return result;
}
