#pragma once

#include <array>
#include <string_view>

// The scale families the program draws, each as its modes' degree formulas the way method books
// write them ("1 b3 4 b5 5 b7"). The formula says both what sounds (semitones above the tonic)
// and how it is written (the letter, counted up from the tonic's), so scales of five, six or
// eight notes spell themselves: a pentatonic scale skips letters, the blues scale writes its b5
// and 5 on one letter, and a diminished scale writes two notes on one letter.

inline constexpr int kMaxScaleNotes = 8;
inline constexpr int kMaxNecks = 7;

// One note of a mode: semitones above the mode's tonic, and its letter 0..6 counted up from the
// tonic's letter (its degree less one).
struct ScaleDegree {
    int semitones = 0;
    int letter = 0;

    friend constexpr bool operator==(const ScaleDegree&, const ScaleDegree&) = default;
};

// A mode's notes, the tonic first, in ascending pitch.
struct ModeFormula {
    std::array<ScaleDegree, kMaxScaleNotes> degrees{};
    int count = 0;

    constexpr const ScaleDegree* begin() const { return degrees.data(); }
    constexpr const ScaleDegree* end() const { return degrees.data() + count; }
};

// "1 b3 4 #4 5 b7" as a formula: each number 1..7 a degree on that letter, each b or # before
// it a semitone down or up from the major scale's degree. Anything else yields an empty formula.
constexpr ModeFormula ParseFormula(std::string_view text) {
    constexpr std::array<int, 7> kMajorSteps{0, 2, 4, 5, 7, 9, 11};
    ModeFormula formula;
    int shift = 0;
    for (const char c : text) {
        if (c == 'b') {
            --shift;
        } else if (c == '#') {
            ++shift;
        } else if (c >= '1' && c <= '7') {
            if (formula.count == kMaxScaleNotes) {
                return {};
            }
            const int letter = c - '1';
            formula.degrees[static_cast<std::size_t>(formula.count++)] = {
                (kMajorSteps[static_cast<std::size_t>(letter)] + shift + 12) % 12, letter};
            shift = 0;
        } else if (c != ' ' || shift != 0) {
            return {};
        }
    }
    return formula;
}

struct ModeDefinition {
    std::string_view name;      // "Dorian"
    std::string_view shortName; // what a narrow title shows: "Dor"
    std::string_view formula;
    // Where the mode's tonic lies in the family's first mode, as an index into its notes: under
    // Keep Pattern Fixed each neck starts there.
    int start = 0;
};

struct FamilyDefinition {
    std::string_view name;   // "harmonic minor", as a sentence names it
    std::string_view option; // "harmonic-minor", as the command line takes it
    int modeCount = 0;
    std::array<ModeDefinition, kMaxNecks> modes{};
    // The blues scale's b5, drawn in a colour of its own: an index into the first mode's notes,
    // or -1.
    int blueNote = -1;
};

// Stored [Options] Family values index this table: the first three keep their meaning.
inline constexpr std::array<FamilyDefinition, 9> kScaleFamilies{{
    {"major",
     "major",
     7,
     {{{"Ionian", "Ion", "1 2 3 4 5 6 7", 0},
       {"Dorian", "Dor", "1 2 b3 4 5 6 b7", 1},
       {"Phrygian", "Phr", "1 b2 b3 4 5 b6 b7", 2},
       {"Lydian", "Lyd", "1 2 3 #4 5 6 7", 3},
       {"Mixolydian", "Mix", "1 2 3 4 5 6 b7", 4},
       {"Aeolian", "Aeo", "1 2 b3 4 5 b6 b7", 5},
       {"Locrian", "Loc", "1 b2 b3 4 b5 b6 b7", 6}}}},
    {"harmonic minor",
     "harmonic-minor",
     7,
     {{{"Harmonic Minor", "Harm. Min.", "1 2 b3 4 5 b6 7", 0},
       {"Locrian #6", "Loc. #6", "1 b2 b3 4 b5 6 b7", 1},
       {"Ionian #5", "Ion. #5", "1 2 3 4 #5 6 7", 2},
       {"Dorian #4", "Dor. #4", "1 2 b3 #4 5 6 b7", 3},
       {"Phrygian Dominant", "Phryg. Dom.", "1 b2 3 4 5 b6 b7", 4},
       {"Lydian #2", "Lyd. #2", "1 #2 3 #4 5 6 7", 5},
       {"Altered bb7", "Alt. bb7", "1 b2 b3 b4 b5 b6 bb7", 6}}}},
    {"melodic minor",
     "melodic-minor",
     7,
     {{{"Melodic Minor", "Mel. Min.", "1 2 b3 4 5 6 7", 0},
       {"Dorian b2", "Dor. b2", "1 b2 b3 4 5 6 b7", 1},
       {"Lydian #5", "Lyd. #5", "1 2 3 #4 #5 6 7", 2},
       {"Lydian b7", "Lyd. b7", "1 2 3 #4 5 6 b7", 3},
       {"Mixolydian b6", "Mixo. b6", "1 2 3 4 5 b6 b7", 4},
       {"Locrian #2", "Loc. #2", "1 2 b3 4 b5 b6 b7", 5},
       {"Altered", "Alt.", "1 b2 b3 b4 b5 b6 b7", 6}}}},
    {"harmonic major",
     "harmonic-major",
     7,
     {{{"Harmonic Major", "Harm. Maj.", "1 2 3 4 5 b6 7", 0},
       {"Dorian b5", "Dor. b5", "1 2 b3 4 b5 6 b7", 1},
       {"Phrygian b4", "Phr. b4", "1 b2 b3 b4 5 b6 b7", 2},
       {"Lydian b3", "Lyd. b3", "1 2 b3 #4 5 6 7", 3},
       {"Mixolydian b2", "Mix. b2", "1 b2 3 4 5 6 b7", 4},
       {"Lydian Augmented #2", "Lyd. Aug. #2", "1 #2 3 #4 #5 6 7", 5},
       {"Locrian bb7", "Loc. bb7", "1 b2 b3 4 b5 b6 bb7", 6}}}},
    // The five pentatonic boxes: each mode starts on the next note of the first.
    {"major pentatonic",
     "major-pentatonic",
     5,
     {{{"Major Pentatonic", "Maj. Pent.", "1 2 3 5 6", 0},
       {"Egyptian", "Egypt.", "1 2 4 5 b7", 1},
       {"Man Gong", "Man Gong", "1 b3 4 b6 b7", 2},
       {"Ritusen", "Ritusen", "1 2 4 5 6", 3},
       {"Minor Pentatonic", "Min. Pent.", "1 b3 4 5 b7", 4}}}},
    {"minor pentatonic",
     "minor-pentatonic",
     5,
     {{{"Minor Pentatonic", "Min. Pent.", "1 b3 4 5 b7", 0},
       {"Major Pentatonic", "Maj. Pent.", "1 2 3 5 6", 1},
       {"Egyptian", "Egypt.", "1 2 4 5 b7", 2},
       {"Man Gong", "Man Gong", "1 b3 4 b6 b7", 3},
       {"Ritusen", "Ritusen", "1 2 4 5 6", 4}}}},
    // The minor pentatonic with its b5: five boxes, one on each note but the passing b5.
    {"blues",
     "blues",
     5,
     {{{"Blues", "Blues", "1 b3 4 b5 5 b7", 0},
       {"Major Blues", "Maj. Blues", "1 2 b3 3 5 6", 1},
       {"Blues Mode 3", "Blues 3", "1 b2 2 4 5 b7", 2},
       {"Blues Mode 4", "Blues 4", "1 b3 4 b6 b7 7", 4},
       {"Blues Mode 5", "Blues 5", "1 2 4 5 b6 6", 5}}},
     3},
    {"whole tone", "whole-tone", 1, {{{"Whole Tone", "Wh. Tone", "1 2 3 #4 #5 b7", 0}}}},
    {"diminished",
     "diminished",
     2,
     {{{"Half-Whole Diminished", "H-W Dim.", "1 b2 #2 3 #4 5 6 b7", 0},
       {"Whole-Half Diminished", "W-H Dim.", "1 2 b3 4 b5 b6 6 7", 1}}}},
}};

inline constexpr int kScaleFamilyCount = static_cast<int>(kScaleFamilies.size());

// The family for a stored value; any value out of range is shown as the major family.
constexpr const FamilyDefinition& ScaleFamilyOf(int family) {
    return kScaleFamilies[family >= 0 && family < kScaleFamilyCount
                              ? static_cast<std::size_t>(family)
                              : 0];
}
