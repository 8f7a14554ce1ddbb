#include "music/musicmodel.h"

#include <cstdint>
#include <cstdlib>

namespace {

int PositiveMod12(int value) {
    const int rest = value % 12;
    return rest < 0 ? rest + 12 : rest;
}

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
// Major's short names are the first three letters, as narrow titles always showed them; the
// minor families' are the abbreviations method books print.
constexpr std::array<std::array<std::string_view, CMusicModel::kModes>, CMusicModel::kFamilies>
    kShortModeNames{{
        {"Ion", "Dor", "Phr", "Lyd", "Mix", "Aeo", "Loc"},
        {"Harm. Min.", "Loc. #6", "Ion. #5", "Dor. #4", "Phryg. Dom.", "Lyd. #2", "Alt. bb7"},
        {"Mel. Min.", "Dor. b2", "Lyd. #5", "Lyd. b7", "Mixo. b6", "Loc. #2", "Alt."},
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
    for (std::size_t string = 0; string < CMusicModel::kGuitarStrings; ++string) {
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

// The signed distance -6..5 from one pitch class up or down to another.
int NearestShift(int from, int to) {
    return PositiveMod12(to - from + 6) - 6;
}

ScaleSteps ShapeSteps(std::size_t family, std::size_t shape) {
    ScaleSteps steps{};
    for (std::size_t degree = 0; degree < steps.size(); ++degree) {
        steps[degree] =
            ModeStep(kFamilyScales[family], static_cast<int>(shape), static_cast<int>(degree));
    }
    return steps;
}

// The key as the guitarist chose it: the letter of m_nKey with the chosen accidental. A key
// that is no natural letter (never set by the program) is named by its pitch alone.
NoteName KeyName(const CMusicModel& model) {
    for (int letter = 0; letter < CMusicModel::kModes; ++letter) {
        if (kLetterPitches[static_cast<std::size_t>(letter)] == model.m_nKey) {
            const int accidental =
                model.m_nAccidental >= -1 && model.m_nAccidental <= 1 ? model.m_nAccidental : 0;
            return {letter, accidental};
        }
    }
    return PlainName(model.GetKeyPitch(), model.m_nAccidental == -1);
}

struct NeckPlan {
    SpelledScale notes;
    bool respelt = false;
};

// The scale written from the key, or from the first enharmonic name of the key that needs no
// double accidental; when none does, each double takes its simplest name.
NeckPlan SpellFromKey(NoteName key, const ScaleSteps& steps) {
    NeckPlan plan{SpellScale(key, steps)};
    if (!HasDoubleAccidental(plan.notes)) {
        return plan;
    }
    for (const NoteName other : EnharmonicNames(key)) {
        const SpelledScale notes = SpellScale(other, steps);
        if (!HasDoubleAccidental(notes)) {
            return {notes, true};
        }
    }
    for (NoteName& note : plan.notes) {
        note = SimplestName(note);
    }
    return plan;
}

NeckPlan PlanNeck(const CMusicModel& model, int nMode) {
    const std::size_t family = FamilyIndex(model.m_nFamily);
    const auto mode = static_cast<std::size_t>(nMode);
    const std::size_t shape = model.m_nStyle == 0 || model.m_nStyle == 1 ? mode : 0;
    if (model.m_spelling == SpellingKind::Scale) {
        if (model.m_nStyle != 1) {
            return SpellFromKey(KeyName(model), ShapeSteps(family, shape));
        }
        // Every diagram shows the key's own scale, each from its own degree.
        const NeckPlan key = SpellFromKey(KeyName(model), ShapeSteps(family, 0));
        NeckPlan plan{{}, key.respelt};
        for (std::size_t degree = 0; degree < plan.notes.size(); ++degree) {
            plan.notes[degree] = key.notes[(mode + degree) % plan.notes.size()];
        }
        return plan;
    }
    // The title's tonic by its pitch class, as the window has always named it; the other
    // notes follow it letter by letter.
    int tonic = model.GetKeyPitch();
    if (model.m_nStyle == 1) {
        tonic += kFamilyScales[family].at(mode);
    }
    tonic = PositiveMod12(tonic);
    NoteName tonicName = PlainName(tonic, model.m_nAccidental == -1);
    if (model.m_nStyle == 1 && nMode == 3 && tonic == 10) {
        // F natural's Lydian tonic is Bb, never A#.
        tonicName = {6, -1};
    }
    NeckPlan plan{SpellScale(tonicName, ShapeSteps(family, shape))};
    for (NoteName& note : plan.notes) {
        note = SimplestName(note);
    }
    return plan;
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
    return NoteText(GetNeckSpelling(nMode)[0]);
}

int CMusicModel::GetNeckFamily() const {
    return static_cast<int>(FamilyIndex(m_nFamily));
}

int CMusicModel::GetNeckMode(int nMode) const {
    return static_cast<int>(Locate(*this, 0, 0, nMode).shape);
}

ScaleSteps CMusicModel::GetNeckSteps(int nMode) const {
    return ShapeSteps(FamilyIndex(m_nFamily), static_cast<std::size_t>(GetNeckMode(nMode)));
}

SpelledScale CMusicModel::GetNeckSpelling(int nMode) const {
    return PlanNeck(*this, nMode).notes;
}

std::vector<Respelling> CMusicModel::GetRespellings() const {
    std::vector<Respelling> respellings;
    if (m_spelling != SpellingKind::Scale) {
        return respellings;
    }
    const NoteName key = KeyName(*this);
    for (int mode = 0; mode < kModes; ++mode) {
        const NeckPlan plan = PlanNeck(*this, mode);
        if (!plan.respelt) {
            continue;
        }
        if (m_nStyle == 1) {
            // The whole key moved: its first diagram's tonic is the key's new name.
            return {{-1, key, plan.notes[0]}};
        }
        respellings.push_back({mode, key, plan.notes[0]});
    }
    return respellings;
}

std::string CMusicModel::RespellingNotice() const {
    std::string notice;
    for (const Respelling& respelling : GetRespellings()) {
        const std::string_view name =
            respelling.mode < 0 ? FamilyName(m_nFamily) : GetModeName(respelling.mode);
        if (!notice.empty()) {
            notice += "; ";
        }
        notice += NoteText(respelling.from);
        notice += ' ';
        notice += name;
        notice += " drawn as ";
        notice += NoteText(respelling.to);
        notice += ' ';
        notice += name;
    }
    return notice;
}

std::string_view CMusicModel::FamilyName(int nFamily) {
    static constexpr std::array<std::string_view, kFamilies> kNames{"major", "harmonic minor",
                                                                    "melodic minor"};
    return kNames[FamilyIndex(nFamily)];
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

std::string CMusicModel::ExtensionName(int nDegree, int nSemitones, int nFourthSemitones) {
    const std::string interval = IntervalName(nDegree, nSemitones);
    if (interval.empty()) {
        return interval;
    }
    const std::string alteration = interval.substr(0, interval.size() - 1);
    const bool fourthIsThird = nFourthSemitones == 4;
    switch (nDegree) {
    case 2:
        return alteration + "9";
    case 3:
        return fourthIsThird && nSemitones == 3 ? "#9" : interval;
    case 4:
        return nSemitones == 4 ? "3" : alteration + "11";
    case 5:
        return fourthIsThird && nSemitones == 6 ? "#11" : interval;
    case 6:
        return alteration + "13";
    default:
        return interval;
    }
}

std::string CMusicModel::PitchName(int nPitchClass) const {
    return NoteText(PlainName(nPitchClass, m_nAccidental == -1));
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
        return NoteText(GetNeckSpelling(nMode).at(static_cast<std::size_t>(degree - 1)));
    case LabelKind::Degrees:
        return std::string(1, static_cast<char>('0' + degree));
    case LabelKind::Intervals:
        return IntervalName(degree, static_cast<int>(cell.above));
    case LabelKind::Extensions:
        return ExtensionName(degree, static_cast<int>(cell.above),
                             ModeStep(kFamilyScales[cell.family], static_cast<int>(cell.shape), 3));
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
