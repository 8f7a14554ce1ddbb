#include "music/musicmodel.h"

#include <cstdint>
#include <cstdlib>

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

using Scale = std::array<int, CMusicModel::kModes>;

// Semitones of each family's scale above its first degree; Major is the Ionian row itself.
constexpr std::array<Scale, CMusicModel::kFamilies> kFamilyScales{{
    std::to_array(CMusicModel::m_nModeIntervals[0]),
    {0, 2, 3, 5, 7, 8, 11}, // Harmonic Minor
    {0, 2, 3, 5, 7, 9, 11}, // Melodic Minor
}};

// The white keys' pitch classes, C to B, which letters are measured against.
constexpr Scale kLetterPitches = std::to_array(CMusicModel::m_nModeIntervals[0]);

constexpr std::array<std::array<std::string_view, CMusicModel::kModes>, CMusicModel::kFamilies>
    kModeNames{{
        CMusicModel::m_strModeNames,
        {"Harmonic Minor", "Locrian #6", "Ionian #5", "Dorian #4", "Phrygian Dominant", "Lydian #2",
         "Altered bb7"},
        {"Melodic Minor", "Dorian b2", "Lydian #5", "Lydian b7", "Mixolydian b6", "Locrian #2",
         "Altered"},
    }};
// Major's short names are the first three letters, as narrow titles always showed them.
constexpr std::array<std::array<std::string_view, CMusicModel::kModes>, CMusicModel::kFamilies>
    kShortModeNames{{
        {"Ion", "Dor", "Phr", "Lyd", "Mix", "Aeo", "Loc"},
        {"HMin", "Loc#6", "Ion#5", "Dor#4", "PhrDom", "Lyd#2", "Altbb7"},
        {"MMin", "Dorb2", "Lyd#5", "Lydb7", "Mixb6", "Loc#2", "Alt"},
    }};

// Semitones from a mode's tonic up to one of its degrees (0 is the tonic): the family's scale
// started that many places in.
constexpr int ModeStep(const Scale& scale, int mode, int degree) {
    const int from = scale[static_cast<std::size_t>(mode)];
    const int to = scale[static_cast<std::size_t>((mode + degree) % CMusicModel::kModes)];
    return (to - from + 12) % 12;
}

using FamilyMasks = std::array<unsigned, CMusicModel::kModes>;
using DegreeTable = std::array<std::array<std::uint8_t, 12>, CMusicModel::kModes>;

// Each mode's scale as a 12-bit set of semitones above its tonic, made once from the family
// tables: membership is then one shift instead of a search through seven degrees.
constexpr std::array<FamilyMasks, CMusicModel::kFamilies> MakeScaleMasks() {
    std::array<FamilyMasks, CMusicModel::kFamilies> masks{};
    for (int family = 0; family < CMusicModel::kFamilies; ++family) {
        for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
            for (int degree = 0; degree < CMusicModel::kModes; ++degree) {
                masks[static_cast<std::size_t>(family)][static_cast<std::size_t>(mode)] |=
                    1U << ModeStep(kFamilyScales[static_cast<std::size_t>(family)], mode, degree);
            }
        }
    }
    return masks;
}
constexpr std::array<FamilyMasks, CMusicModel::kFamilies> kScaleMasks = MakeScaleMasks();

// The same sets as degree numbers: 1..7 for each semitone in the mode, 0 for the others.
constexpr std::array<DegreeTable, CMusicModel::kFamilies> MakeDegreeTables() {
    std::array<DegreeTable, CMusicModel::kFamilies> tables{};
    for (int family = 0; family < CMusicModel::kFamilies; ++family) {
        for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
            for (int degree = 0; degree < CMusicModel::kModes; ++degree) {
                const int step =
                    ModeStep(kFamilyScales[static_cast<std::size_t>(family)], mode, degree);
                tables[static_cast<std::size_t>(family)][static_cast<std::size_t>(mode)]
                      [static_cast<std::size_t>(step)] = static_cast<std::uint8_t>(degree + 1);
            }
        }
    }
    return tables;
}
constexpr std::array<DegreeTable, CMusicModel::kFamilies> kDegreeTables = MakeDegreeTables();

// Rotating the major scale must give back the hand-written mode table the program started with.
constexpr bool MajorRotationsMatchModeTable() {
    for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
        for (int degree = 0; degree < CMusicModel::kModes; ++degree) {
            if (ModeStep(kFamilyScales[0], mode, degree) !=
                CMusicModel::m_nModeIntervals[mode][degree]) {
                return false;
            }
        }
    }
    return true;
}
static_assert(MajorRotationsMatchModeTable());

constexpr bool MajorShortNamesArePrefixes() {
    for (std::size_t mode = 0; mode < CMusicModel::kModes; ++mode) {
        if (kModeNames[0][mode].substr(0, 3) != kShortModeNames[0][mode]) {
            return false;
        }
    }
    return true;
}
static_assert(MajorShortNamesArePrefixes());
static_assert(kFamilyScales[0] == CMusicModel::m_nTonicOffsets);

constexpr bool OpenStringsMatchStandardTuning() {
    for (std::size_t string = 0; string < CMusicModel::kStrings; ++string) {
        if (CMusicModel::kStandardTuning[string] % 12 != CMusicModel::m_nOpenStrings[string]) {
            return false;
        }
    }
    return true;
}
static_assert(OpenStringsMatchStandardTuning());

std::size_t FamilyIndex(int family) {
    return family >= 0 && family < CMusicModel::kFamilies ? static_cast<std::size_t>(family) : 0;
}

// Where a cell stands in diagram nMode: its semitones above that diagram's tonic, and which
// mode of the family the diagram's notes form when counted up from the tonic. The open string
// and the fret are reduced before they are added, which keeps the sum far from overflow for
// any tuning and fret.
struct Cell {
    std::size_t above;
    std::size_t family;
    std::size_t shape;
};

Cell Locate(const CMusicModel& model, int nFret, int nString, int nMode) {
    const std::size_t family = FamilyIndex(model.m_nFamily);
    auto shape = static_cast<std::size_t>(nMode);
    int tonic = model.GetKeyPitch();
    if (model.m_nStyle == 1) {
        // The tonic walks the family's scale on the key, so from it the notes form mode nMode.
        tonic += kFamilyScales[family].at(shape);
    } else if (model.m_nStyle != 0) {
        // A stray stored style shows the first mode's notes with the key itself as tonic.
        shape = 0;
    }
    const int open = model.m_nTuning.at(static_cast<std::size_t>(nString)) % 12;
    return {static_cast<std::size_t>(PositiveMod12(open + nFret % 12 - tonic)), family, shape};
}

Spelling SpellingOf(int pitchClass, int accidental) {
    return accidental == -1 ? kFlatSpellings.at(static_cast<std::size_t>(pitchClass))
                            : kSharpSpellings.at(static_cast<std::size_t>(pitchClass));
}

std::string Written(Spelling spelling) {
    std::string name(CMusicModel::m_strNoteNames.at(static_cast<std::size_t>(spelling.letter)));
    if (spelling.accidental < 0) {
        name += 'b';
    } else if (spelling.accidental > 0) {
        name += '#';
    }
    return name;
}

// The signed distance -6..5 from one pitch class up or down to another.
int NearestShift(int from, int to) {
    return PositiveMod12(to - from + 6) - 6;
}

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

int CMusicModel::GetPitchClass(int nFret, int nString) const {
    return PositiveMod12(m_nTuning.at(static_cast<std::size_t>(nString)) % 12 + nFret % 12);
}

int CMusicModel::GetSemitones(int nFret, int nString, int nMode) const {
    return static_cast<int>(Locate(*this, nFret, nString, nMode).above);
}

int CMusicModel::GetNoteRole(int nFret, int nString, int nMode) const {
    const Cell cell = Locate(*this, nFret, nString, nMode);
    if (((kScaleMasks[cell.family].at(cell.shape) >> cell.above) & 1U) == 0) {
        return 0;
    }
    return cell.above == 0 ? 2 : 1;
}

int CMusicModel::GetDegree(int nFret, int nString, int nMode) const {
    const Cell cell = Locate(*this, nFret, nString, nMode);
    return kDegreeTables[cell.family].at(cell.shape)[cell.above];
}

std::string CMusicModel::GetRootName(int nMode) const {
    const std::size_t family = FamilyIndex(m_nFamily);
    if (family != 0 && m_nStyle == 1) {
        // Each tonic takes the letter of its degree counted from the key's letter, as the
        // family's scale is written; a double accidental falls back to the plain spelling.
        const int key = PositiveMod12(GetKeyPitch());
        const int pitch =
            PositiveMod12(key + kFamilyScales[family].at(static_cast<std::size_t>(nMode)));
        const int letter = (SpellingOf(key, m_nAccidental).letter + nMode) % kModes;
        const int shift = NearestShift(kLetterPitches.at(static_cast<std::size_t>(letter)), pitch);
        if (shift < -1 || shift > 1) {
            return PitchName(pitch);
        }
        return Written({letter, shift});
    }
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
    return PitchName(root);
}

std::string_view CMusicModel::GetModeName(int nMode) const {
    return FamilyModeName(m_nFamily, nMode);
}

std::string_view CMusicModel::GetShortModeName(int nMode) const {
    return FamilyShortModeName(m_nFamily, nMode);
}

std::string_view CMusicModel::FamilyModeName(int nFamily, int nMode) {
    return kModeNames[FamilyIndex(nFamily)].at(static_cast<std::size_t>(nMode));
}

std::string_view CMusicModel::FamilyShortModeName(int nFamily, int nMode) {
    return kShortModeNames[FamilyIndex(nFamily)].at(static_cast<std::size_t>(nMode));
}

std::string CMusicModel::IntervalName(int nDegree, int nSemitones) {
    if (nDegree < 1 || nDegree > kModes) {
        return {};
    }
    const int shift =
        NearestShift(kLetterPitches[static_cast<std::size_t>(nDegree - 1)], nSemitones);
    if (shift < -2 || shift > 2) {
        return {};
    }
    std::string name(static_cast<std::size_t>(std::abs(shift)), shift < 0 ? 'b' : '#');
    name += static_cast<char>('0' + nDegree);
    return name;
}

std::string CMusicModel::PitchName(int nPitchClass) const {
    return Written(SpellingOf(PositiveMod12(nPitchClass), m_nAccidental));
}

std::string CMusicModel::GetNoteLabel(LabelKind kind, int nFret, int nString, int nMode) const {
    if (kind == LabelKind::None) {
        return {};
    }
    const Cell cell = Locate(*this, nFret, nString, nMode);
    const int degree = kDegreeTables[cell.family].at(cell.shape)[cell.above];
    if (degree == 0) {
        return {};
    }
    switch (kind) {
    case LabelKind::Notes:
        return PitchName(GetPitchClass(nFret, nString));
    case LabelKind::Degrees:
        return std::string(1, static_cast<char>('0' + degree));
    case LabelKind::Intervals:
        return IntervalName(degree, static_cast<int>(cell.above));
    case LabelKind::None:
        break;
    }
    return {};
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
