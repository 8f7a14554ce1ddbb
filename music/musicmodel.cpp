#include "music/musicmodel.h"

namespace {

int PositiveMod12(int value) {
    const int rest = value % 12;
    return rest < 0 ? rest + 12 : rest;
}

struct Spelling {
    int letter;
    int accidental;
};

// How each pitch class is written in a flat key and in any other key.
constexpr std::array<Spelling, 12> kFlatSpellings{{{0, 0},
                                                   {1, -1},
                                                   {1, 0},
                                                   {2, -1},
                                                   {2, 0},
                                                   {3, 0},
                                                   {4, -1},
                                                   {4, 0},
                                                   {5, -1},
                                                   {5, 0},
                                                   {6, -1},
                                                   {6, 0}}};
constexpr std::array<Spelling, 12> kSharpSpellings{{{0, 0},
                                                    {0, 1},
                                                    {1, 0},
                                                    {1, 1},
                                                    {2, 0},
                                                    {3, 0},
                                                    {3, 1},
                                                    {4, 0},
                                                    {4, 1},
                                                    {5, 0},
                                                    {5, 1},
                                                    {6, 0}}};

// Each mode's scale as a 12-bit set of semitones above its tonic, made once from the interval
// table: membership is then one shift instead of a search through seven degrees.
constexpr std::array<unsigned, CMusicModel::kModes> MakeScaleMasks() {
    std::array<unsigned, CMusicModel::kModes> masks{};
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        for (const int step : CMusicModel::m_nModeIntervals[mode]) {
            masks[static_cast<std::size_t>(mode)] |= 1U << step;
        }
    }
    return masks;
}
constexpr std::array<unsigned, CMusicModel::kModes> kScaleMasks = MakeScaleMasks();

} // namespace

int CMusicModel::GetKeyPitch() const {
    if (m_nAccidental == 1) {
        return m_nKey + 1 > 11 ? 0 : m_nKey + 1;
    }
    if (m_nAccidental == -1) {
        return m_nKey - 1 < 0 ? 11 : m_nKey - 1;
    }
    return m_nKey;
}

int CMusicModel::GetNoteRole(int nFret, int nString, int nMode) const {
    // Reducing the fret first keeps the sum far from overflow for any fret.
    const int pitch =
        PositiveMod12(m_nOpenStrings.at(static_cast<std::size_t>(nString)) + nFret % 12);
    const int key = GetKeyPitch();
    // Membership tests the style for non-zero, while the tonic below tests it for exactly 1:
    // a stray stored style shows the Ionian notes with the key itself as tonic.
    const unsigned scale = kScaleMasks.at(static_cast<std::size_t>(m_nStyle != 0 ? 0 : nMode));
    if (((scale >> PositiveMod12(pitch - key)) & 1U) == 0) {
        return 0;
    }
    int tonic = key;
    if (m_nStyle == 1) {
        tonic += m_nTonicOffsets.at(static_cast<std::size_t>(nMode));
    }
    return PositiveMod12(tonic) == pitch ? 2 : 1;
}

std::string CMusicModel::GetRootName(int nMode) const {
    int root = GetKeyPitch();
    bool flatB = false;
    if (m_nStyle == 1) {
        root += m_nTonicOffsets.at(nMode);
        flatB = nMode == 3;
    }
    root = PositiveMod12(root);
    if (root == 10 && flatB) {
        // F natural's Lydian tonic is Bb, never A#.
        return std::string(m_strNoteNames[6]) + "b";
    }
    const Spelling spelling =
        m_nAccidental == -1 ? kFlatSpellings.at(root) : kSharpSpellings.at(root);
    std::string name(m_strNoteNames.at(spelling.letter));
    if (spelling.accidental < 0) {
        name += 'b';
    } else if (spelling.accidental > 0) {
        name += '#';
    }
    return name;
}

KeyRule CMusicModel::NormaliseKey() {
    struct Rule {
        int key;
        int accidental;
        int becomes;
        KeyRule rule;
    };
    static constexpr std::array<Rule, 4> kRules{{{11, 1, 0, KeyRule::BSharpToC},
                                                 {4, 1, 5, KeyRule::ESharpToF},
                                                 {0, -1, 11, KeyRule::CFlatToB},
                                                 {5, -1, 4, KeyRule::FFlatToE}}};
    for (const Rule& rule : kRules) {
        if (m_nKey == rule.key && m_nAccidental == rule.accidental) {
            m_nAccidental = 0;
            m_nKey = rule.becomes;
            return rule.rule;
        }
    }
    return KeyRule::None;
}
