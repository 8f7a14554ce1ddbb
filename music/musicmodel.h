#pragma once

#include "music/spelling.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

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

// The three seven-note scales whose modes can be shown; mode 0 of each starts on its first degree.
// The index of a family in kScaleFamilies, as [Options] Family stores it.
enum class ScaleFamily {
    Major,
    HarmonicMinor,
    MelodicMinor,
    HarmonicMajor,
    MajorPentatonic,
    MinorPentatonic,
    Blues,
    WholeTone,
    Diminished,
};

// What a drawing writes inside a scale note: nothing, its name, its degree digit counted from
// the diagram's tonic, its interval against the major scale on that tonic ("b3", "#4"), or
// that interval as a chord symbol writes it ("b9", "#11", "b13").
enum class LabelKind {
    None,
    Notes,
    Degrees,
    Intervals,
    Extensions,
};

// A diagram, or under "Keep Pattern Fixed" the whole key (mode -1), whose notes would need a
// double accidental as the key is written, and the tonic it is spelled from instead.
struct Respelling {
    int mode = -1;
    NoteName from;
    NoteName to;
};

// The chosen key, scale family, display style and tuning, with the fixed tables of notes and
// modes and the questions that a drawing asks of them. Everything is computed on each call from
// tables made at compile time; nothing is cached, so the members may be changed at any moment.
class CMusicModel {
public:
    static constexpr int kModes = 7;
    static constexpr int kFamilies = kScaleFamilyCount;
    // A fretted instrument has 4 to 8 strings and 12 to 24 frets; the guitar 6 and 22.
    static constexpr int kMinStrings = 4;
    static constexpr int kMaxStrings = 8;
    static constexpr int kGuitarStrings = 6;
    static constexpr int kMinFrets = 12;
    static constexpr int kMaxFrets = 24;
    static constexpr int kGuitarFrets = 22;

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
    // Kept for callers that only know standard tuning; the model itself reads m_nTuning.
    static constexpr std::array<int, kGuitarStrings> m_nOpenStrings{4, 9, 2, 7, 11, 4};
    // MIDI note numbers of the open strings in standard tuning, lowest first: E2 A2 D3 G3 B3 E4.
    static constexpr std::array<int, kGuitarStrings> kStandardTuning{40, 45, 50, 55, 59, 64};
    // Under "Keep Pattern Fixed" diagram m starts on degree m of the key's Ionian scale; the
    // minor families walk their own scales the same way.
    static constexpr std::array<int, kModes> m_nTonicOffsets{0, 2, 4, 5, 7, 9, 11};

    int m_nKey = 0;        // pitch class of the natural letter: 0, 2, 4, 5, 7, 9 or 11
    int m_nAccidental = 0; // -1 flat, 0 natural, +1 sharp
    int m_nStyle = 0;      // 0 "Keep Key Fixed", 1 "Keep Pattern Fixed"; other values are kept
    int m_nFamily = 0;     // a ScaleFamily; any other value is shown as Major
    SpellingKind m_spelling = SpellingKind::Simple;
    // The instrument: MIDI note numbers of its open strings, lowest string first (4 to 8 of
    // them; only their pitch classes matter to the diagrams), and its number of frets.
    std::vector<int> m_nTuning{kStandardTuning.begin(), kStandardTuning.end()};
    int m_nFrets = kGuitarFrets;

    int StringCount() const { return static_cast<int>(m_nTuning.size()); }
    // How many necks the family draws, one per mode: 7, 5, 2 or 1.
    int NeckCount() const;

    int GetKeyPitch() const;
    // Pitch class 0..11 sounding at a fret of a string under the current tuning.
    int GetPitchClass(int nFret, int nString) const;
    // 0 not in the scale of diagram nMode, 1 a scale note, 2 that diagram's tonic.
    int GetNoteRole(int nFret, int nString, int nMode) const;
    // 0 not in the scale of diagram nMode, else the degree 1..7 its note is written as, counted
    // up from that diagram's tonic (a pentatonic scale skips some).
    int GetDegree(int nFret, int nString, int nMode) const;
    // Semitones 0..11 from diagram nMode's tonic up to the cell's pitch, in the scale or not.
    int GetSemitones(int nFret, int nString, int nMode) const;
    std::string GetRootName(int nMode) const;
    // Which family and which of its modes diagram nMode's notes form, counted up from its
    // tonic, and that mode's semitones above the tonic, degree by degree.
    int GetNeckFamily() const;
    int GetNeckMode(int nMode) const;
    const ModeFormula& GetNeckSteps(int nMode) const;
    // Semitones above diagram nMode's tonic of the note written as degree nDegree 1..7 (where
    // two share it, the one nearer the major scale's), or -1 when the scale skips that degree.
    int GetDegreeSemitones(int nMode, int nDegree) const;
    // Whether the cell is the blues scale's b5 in diagram nMode; never in other families.
    bool IsBlueNote(int nFret, int nString, int nMode) const;
    // The written notes of diagram nMode, its tonic first: the tonic as its title names it and
    // every other degree on the next letter.
    SpelledScale GetNeckSpelling(int nMode) const;
    // What the scale spelling had to write from an enharmonic tonic; always empty under the
    // simple spelling.
    std::vector<Respelling> GetRespellings() const;
    // The same as one line of English: "A# major drawn as Bb major"; empty when nothing was.
    std::string RespellingNotice() const;
    // "major", "harmonic minor", "melodic minor", "blues", ...
    static std::string_view FamilyName(int nFamily);

    // Mode names of the current family, in full and in the short form a narrow title shows.
    std::string_view GetModeName(int nMode) const;
    std::string_view GetShortModeName(int nMode) const;
    static std::string_view FamilyModeName(int nFamily, int nMode);
    static std::string_view FamilyShortModeName(int nFamily, int nMode);

    // A degree 1..7 with the accidentals that part it from the major scale on the same tonic:
    // "b3", "#4", "bb7". Empty for a degree out of range or an interval more than two
    // semitones away from the major scale's.
    static std::string IntervalName(int nDegree, int nSemitones);
    // The same interval as a chord symbol names it: seconds, fourths and sixths as 9, 11 and
    // 13; when the mode's fourth degree is its major third (nFourthSemitones 4), that note is
    // "3", the minor third beside it "#9" and a flat fifth "#11".
    static std::string ExtensionName(int nDegree, int nSemitones, int nFourthSemitones);
    // A pitch class spelled by the program's rule: flats in a flat key, sharps otherwise.
    std::string PitchName(int nPitchClass) const;
    // The text a drawing shows in a cell; empty for LabelKind::None and for notes out of the
    // scale of diagram nMode.
    std::string GetNoteLabel(LabelKind kind, int nFret, int nString, int nMode) const;

    // Moves B#, E#, Cb and Fb to C, F, B and E natural; says which rule applied, if any.
    KeyRule NormaliseKey();
};
