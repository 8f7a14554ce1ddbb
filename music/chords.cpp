#include "music/chords.h"

#include <array>
#include <string_view>
#include <vector>

namespace {

struct Quality {
    int third;
    int fifth;
    int seventh; // -1 in a triad
    std::string_view suffix;
};

constexpr std::array<Quality, 14> kQualities{{
    {4, 7, -1, ""},
    {3, 7, -1, "m"},
    {3, 6, -1, "dim"},
    {4, 8, -1, "+"},
    {4, 6, -1, "(b5)"},
    {4, 7, 11, "maj7"},
    {3, 7, 10, "m7"},
    {4, 7, 10, "7"},
    {3, 6, 10, "m7b5"},
    {3, 6, 9, "dim7"},
    {3, 7, 11, "m(maj7)"},
    {4, 8, 11, "+maj7"},
    {4, 8, 10, "+7"},
    {4, 6, 10, "7b5"},
}};

// The degrees a chord stacks in thirds on its root.
std::vector<int> ChordDegrees(ChordKind kind) {
    switch (kind) {
    case ChordKind::Triad:
        return {1, 3, 5};
    case ChordKind::Seventh:
        return {1, 3, 5, 7};
    default:
        return {};
    }
}

} // namespace

std::string ChordSuffix(int nThird, int nFifth, int nSeventh) {
    for (const Quality& quality : kQualities) {
        if (quality.third == nThird && quality.fifth == nFifth && quality.seventh == nSeventh) {
            return std::string(quality.suffix);
        }
    }
    std::string listed =
        "(" + CMusicModel::IntervalName(3, nThird) + " " + CMusicModel::IntervalName(5, nFifth);
    if (nSeventh >= 0) {
        listed += " " + CMusicModel::IntervalName(7, nSeventh);
    }
    return listed + ")";
}

std::string ChordName(const CMusicModel& model, int nMode, ChordKind kind) {
    if (kind == ChordKind::None) {
        return {};
    }
    const int third = model.GetDegreeSemitones(nMode, 3);
    const int fifth = model.GetDegreeSemitones(nMode, 5);
    const int seventh = kind == ChordKind::Seventh ? model.GetDegreeSemitones(nMode, 7) : -1;
    // A scale that skips a degree of the chord (a pentatonic one has no seventh) builds none.
    if (third < 0 || fifth < 0 || (kind == ChordKind::Seventh && seventh < 0)) {
        return {};
    }
    return model.GetRootName(nMode) + ChordSuffix(third, fifth, seventh);
}

bool IsChordTone(const CMusicModel& model, ChordKind kind, int nFret, int nString, int nMode) {
    if (kind == ChordKind::None) {
        return false;
    }
    const int degree = model.GetDegree(nFret, nString, nMode);
    if (degree == 0) {
        return false;
    }
    const int semitones = model.GetSemitones(nFret, nString, nMode);
    for (const int wanted : ChordDegrees(kind)) {
        if (wanted == degree) {
            return model.GetDegreeSemitones(nMode, wanted) == semitones;
        }
    }
    return false;
}

int CharacteristicDegree(int nFamily, int nFamilyMode) {
    static constexpr int kDegrees[][CMusicModel::kModes] = {
        {0, 6, 2, 4, 7, 6, 5}, // Ionian Dorian Phrygian Lydian Mixolydian Aeolian Locrian
        {7, 6, 5, 4, 3, 2, 7}, // Harmonic Minor, Locrian #6 ... Lydian #2, Altered bb7
        {7, 2, 5, 7, 6, 2, 4}, // Melodic Minor, Dorian b2 ... Locrian #2, Altered
        {6, 5, 4, 3, 2, 2, 7}, // Harmonic Major, Dorian b5 ... Lydian Augmented #2, Locrian bb7
    };
    // The pentatonic, blues and symmetric scales differ from the major and minor scales in
    // too many notes for one to stand for the difference.
    if (nFamily < 0 || nFamily >= static_cast<int>(std::size(kDegrees)) || nFamilyMode < 0 ||
        nFamilyMode >= CMusicModel::kModes) {
        return 0;
    }
    return kDegrees[nFamily][nFamilyMode];
}

bool IsCharacteristicNote(const CMusicModel& model, int nFret, int nString, int nMode) {
    const int wanted = CharacteristicDegree(model.GetNeckFamily(), model.GetNeckMode(nMode));
    return wanted != 0 && model.GetDegree(nFret, nString, nMode) == wanted;
}
