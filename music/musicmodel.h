#pragma once

#include <array>
#include <string>
#include <string_view>

// Which of the four unsupported spellings a key was moved away from; every rule leaves the
// key natural, and the view uses the rule to move the radio checks.
enum class KeyRule {
    None,
    BSharpToC,
    ESharpToF,
    CFlatToB,
    FFlatToE,
};

// True for the two rules that take a sharp away, false for the two that take a flat away.
constexpr bool RuleClearsSharp(KeyRule rule) {
    return rule == KeyRule::BSharpToC || rule == KeyRule::ESharpToF;
}

// The chosen key, the display style and the fixed tables of notes, modes and tuning, with the
// questions that a drawing asks of them. Everything is computed on each call; nothing is cached.
class CMusicModel {
public:
    static constexpr int kModes = 7;
    static constexpr int kStrings = 6;
    static constexpr int kFrets = 22;

    static constexpr std::array<std::string_view, 7> m_strNoteNames{"C", "D", "E", "F",
                                                                    "G", "A", "B"};
    static constexpr std::array<std::string_view, kModes> m_strModeNames{
        "Ionian", "Dorian", "Phrygian", "Lydian", "Mixolydian", "Aeolian", "Locrian"};
    static constexpr int m_nModeIntervals[kModes][7] = {
        {0, 2, 4, 5, 7, 9, 11}, // Ionian
        {0, 2, 3, 5, 7, 9, 10}, // Dorian
        {0, 1, 3, 5, 7, 8, 10}, // Phrygian
        {0, 2, 4, 6, 7, 9, 11}, // Lydian
        {0, 2, 4, 5, 7, 9, 10}, // Mixolydian
        {0, 2, 3, 5, 7, 8, 10}, // Aeolian
        {0, 1, 3, 5, 6, 8, 10}, // Locrian
    };
    // Pitch classes of the open strings, lowest string first (standard tuning E A D G B E).
    static constexpr std::array<int, kStrings> m_nOpenStrings{4, 9, 2, 7, 11, 4};
    // Under "Keep Pattern Fixed" diagram m starts on degree m of the key's Ionian scale.
    static constexpr std::array<int, kModes> m_nTonicOffsets{0, 2, 4, 5, 7, 9, 11};

    int m_nKey = 0;        // pitch class of the natural letter: 0, 2, 4, 5, 7, 9 or 11
    int m_nAccidental = 0; // -1 flat, 0 natural, +1 sharp
    int m_nStyle = 0;      // 0 "Keep Key Fixed", 1 "Keep Pattern Fixed"; other values are kept

    int GetKeyPitch() const;
    // 0 not in the scale of diagram nMode, 1 a scale note, 2 that diagram's tonic.
    int GetNoteRole(int nFret, int nString, int nMode) const;
    std::string GetRootName(int nMode) const;

    // Moves B#, E#, Cb and Fb to C, F, B and E natural; says which rule applied, if any.
    KeyRule NormaliseKey();
};
