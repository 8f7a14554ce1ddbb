#include "music/musicmodel.h"

#include <cstdint>
#include <cstdlib>

namespace {

int PositiveMod12(int value) {
    const int rest = value % 12;
    return rest < 0 ? rest + 12 : rest;
}

using Formulas = std::array<std::array<ModeFormula, kMaxNecks>, kScaleFamilyCount>;

constexpr Formulas ParseFamilies() {
    Formulas formulas{};
    for (std::size_t family = 0; family < kScaleFamilies.size(); ++family) {
        for (std::size_t mode = 0; mode < kMaxNecks; ++mode) {
            formulas[family][mode] = ParseFormula(kScaleFamilies[family].modes[mode].formula);
        }
    }
    return formulas;
}
constexpr Formulas kFormulas = ParseFamilies();

// Every mode must sound like its family's first mode started on the mode's own note, and the
// notes of a formula must rise.
constexpr bool ModesAreRotations() {
    for (std::size_t family = 0; family < kScaleFamilies.size(); ++family) {
        const FamilyDefinition& definition = kScaleFamilies[family];
        const ModeFormula& first = kFormulas[family][0];
        for (std::size_t mode = 0; mode < static_cast<std::size_t>(definition.modeCount); ++mode) {
            const ModeFormula& formula = kFormulas[family][mode];
            const int start = definition.modes[mode].start;
            if (formula.count != first.count || start < 0 || start >= first.count) {
                return false;
            }
            const int tonic = first.degrees[static_cast<std::size_t>(start)].semitones;
            for (int i = 0; i < formula.count; ++i) {
                const ScaleDegree& note = formula.degrees[static_cast<std::size_t>(i)];
                const ScaleDegree& source =
                    first.degrees[static_cast<std::size_t>((start + i) % first.count)];
                if (note.semitones != (source.semitones - tonic + 12) % 12 ||
                    (i > 0 && note.semitones <=
                                  formula.degrees[static_cast<std::size_t>(i - 1)].semitones)) {
                    return false;
                }
            }
        }
    }
    return true;
}
static_assert(ModesAreRotations());

using ModeTable = std::array<std::array<std::uint8_t, 12>, kMaxNecks>;
using FamilyTables = std::array<ModeTable, kScaleFamilyCount>;
using FamilyMasks = std::array<std::array<unsigned, kMaxNecks>, kScaleFamilyCount>;

// Each mode's scale as a 12-bit set of semitones above its tonic, made once from the formulas:
// membership is then one shift instead of a search through the degrees.
constexpr FamilyMasks MakeScaleMasks() {
    FamilyMasks masks{};
    for (std::size_t family = 0; family < kScaleFamilies.size(); ++family) {
        for (std::size_t mode = 0; mode < kMaxNecks; ++mode) {
            for (const ScaleDegree& degree : kFormulas[family][mode]) {
                masks[family][mode] |= 1U << degree.semitones;
            }
        }
    }
    return masks;
}
constexpr FamilyMasks kScaleMasks = MakeScaleMasks();

// The same sets by semitone: the degree 1..7 each note is written as (its letter), or its place
// 1..8 among the scale's notes; 0 for semitones off the scale.
constexpr FamilyTables MakeTables(bool bDegrees) {
    FamilyTables tables{};
    for (std::size_t family = 0; family < kScaleFamilies.size(); ++family) {
        for (std::size_t mode = 0; mode < kMaxNecks; ++mode) {
            const ModeFormula& formula = kFormulas[family][mode];
            for (int i = 0; i < formula.count; ++i) {
                const ScaleDegree& degree = formula.degrees[static_cast<std::size_t>(i)];
                tables[family][mode][static_cast<std::size_t>(degree.semitones)] =
                    static_cast<std::uint8_t>((bDegrees ? degree.letter : i) + 1);
            }
        }
    }
    return tables;
}
constexpr FamilyTables kDegreeTables = MakeTables(true);
constexpr FamilyTables kIndexTables = MakeTables(false);

// The rotations of the major scale must give back the hand-written mode table the program
// started with, and its names and tonic offsets.
constexpr bool MajorFamilyMatchesModeTable() {
    const FamilyDefinition& major = kScaleFamilies[0];
    for (std::size_t mode = 0; mode < CMusicModel::kModes; ++mode) {
        if (major.modes[mode].name != CMusicModel::m_strModeNames[mode] ||
            major.modes[mode].name.substr(0, 3) != major.modes[mode].shortName ||
            kFormulas[0][0].degrees[mode].semitones != CMusicModel::m_nTonicOffsets[mode]) {
            return false;
        }
        for (std::size_t degree = 0; degree < 7; ++degree) {
            if (kFormulas[0][mode].degrees[degree].semitones !=
                CMusicModel::m_nModeIntervals[mode][degree]) {
                return false;
            }
        }
    }
    return true;
}
static_assert(MajorFamilyMatchesModeTable());

constexpr bool OpenStringsMatchStandardTuning() {
    for (std::size_t string = 0; string < CMusicModel::kGuitarStrings; ++string) {
        if (CMusicModel::kStandardTuning[string] % 12 != CMusicModel::m_nOpenStrings[string]) {
            return false;
        }
    }
    return true;
}
static_assert(OpenStringsMatchStandardTuning());

constexpr std::size_t kSimplySpeltFamilies = 3;

std::size_t FamilyIndex(int family) {
    return family >= 0 && family < kScaleFamilyCount ? static_cast<std::size_t>(family) : 0;
}

// Semitones from the key up to the tonic of the family's mode `mode`, under Keep Pattern Fixed.
int PatternTonicOffset(std::size_t family, std::size_t mode) {
    const auto start = static_cast<std::size_t>(kScaleFamilies[family].modes.at(mode).start);
    return kFormulas[family][0].degrees.at(start).semitones;
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
        tonic += PatternTonicOffset(family, shape);
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

const ModeFormula& ShapeSteps(std::size_t family, std::size_t shape) {
    return kFormulas[family].at(shape);
}

// The key as the guitarist chose it: the letter of m_nKey with the chosen accidental. A key
// that is no natural letter (never set by the program) is named by its pitch alone.
NoteName KeyName(const CMusicModel& model) {
    for (int letter = 0; letter < 7; ++letter) {
        if (CMusicModel::m_nTonicOffsets[static_cast<std::size_t>(letter)] == model.m_nKey) {
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
NeckPlan SpellFromKey(NoteName key, const ModeFormula& steps) {
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
    // The simple spelling keeps the first families' pictures as they always were; the later
    // families never had another, so they are written as their scales write them.
    if (model.m_spelling == SpellingKind::Scale || family >= kSimplySpeltFamilies) {
        if (model.m_nStyle != 1) {
            return SpellFromKey(KeyName(model), ShapeSteps(family, shape));
        }
        // Every diagram shows the key's own scale, each from its own note.
        const NeckPlan key = SpellFromKey(KeyName(model), ShapeSteps(family, 0));
        NeckPlan plan{key.notes, key.respelt};
        const auto start = static_cast<std::size_t>(kScaleFamilies[family].modes.at(mode).start);
        for (std::size_t note = 0; note < plan.notes.size(); ++note) {
            plan.notes[note] = key.notes[(start + note) % key.notes.size()];
        }
        return plan;
    }
    // The title's tonic by its pitch class, as the window has always named it; the other
    // notes follow it letter by letter.
    int tonic = model.GetKeyPitch();
    if (model.m_nStyle == 1) {
        tonic += PatternTonicOffset(family, mode);
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

const ModeFormula& CMusicModel::GetNeckSteps(int nMode) const {
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
    for (int mode = 0; mode < NeckCount(); ++mode) {
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
    return ScaleFamilyOf(nFamily).name;
}

std::string_view CMusicModel::GetModeName(int nMode) const {
    return FamilyModeName(m_nFamily, nMode);
}

std::string_view CMusicModel::GetShortModeName(int nMode) const {
    return FamilyShortModeName(m_nFamily, nMode);
}

std::string_view CMusicModel::FamilyModeName(int nFamily, int nMode) {
    return ScaleFamilyOf(nFamily).modes.at(static_cast<std::size_t>(nMode)).name;
}

std::string_view CMusicModel::FamilyShortModeName(int nFamily, int nMode) {
    return ScaleFamilyOf(nFamily).modes.at(static_cast<std::size_t>(nMode)).shortName;
}

int CMusicModel::NeckCount() const {
    return ScaleFamilyOf(m_nFamily).modeCount;
}

int CMusicModel::GetDegreeSemitones(int nMode, int nDegree) const {
    if (nDegree < 1 || nDegree > 7) {
        return -1;
    }
    const int major = m_nTonicOffsets[static_cast<std::size_t>(nDegree - 1)];
    int found = -1;
    for (const ScaleDegree& degree : GetNeckSteps(nMode)) {
        if (degree.letter == nDegree - 1 &&
            (found < 0 || std::abs(degree.semitones - major) < std::abs(found - major))) {
            found = degree.semitones;
        }
    }
    return found;
}

bool CMusicModel::IsBlueNote(int nFret, int nString, int nMode) const {
    const Cell cell = Locate(*this, nFret, nString, nMode);
    const FamilyDefinition& family = kScaleFamilies[cell.family];
    if (family.blueNote < 0) {
        return false;
    }
    // The b5 of the first mode, wherever it falls in this neck's mode.
    const int count = kFormulas[cell.family][0].count;
    const int start = family.modes.at(cell.shape).start;
    const auto place = static_cast<std::size_t>((family.blueNote - start + count) % count);
    return kFormulas[cell.family].at(cell.shape).degrees.at(place).semitones ==
           static_cast<int>(cell.above);
}

std::string CMusicModel::IntervalName(int nDegree, int nSemitones) {
    if (nDegree < 1 || nDegree > 7) {
        return {};
    }
    const int shift =
        NearestShift(m_nTonicOffsets[static_cast<std::size_t>(nDegree - 1)], nSemitones);
    if (shift < -2 || shift > 2) {
        return {};
    }
    std::string name(static_cast<std::size_t>(std::abs(shift)), shift < 0 ? 'b' : '#');
    name += static_cast<char>('0' + nDegree);
    return name;
}

std::string CMusicModel::ExtensionName(int nDegree, int nSemitones, int nFourthSemitones) {
    std::string interval = IntervalName(nDegree, nSemitones);
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
        return NoteText(GetNeckSpelling(nMode).at(
            static_cast<std::size_t>(kIndexTables[cell.family].at(cell.shape)[cell.above] - 1)));
    case LabelKind::Degrees:
        return std::string(1, static_cast<char>('0' + degree));
    case LabelKind::Intervals:
        return IntervalName(degree, static_cast<int>(cell.above));
    case LabelKind::Extensions:
        return ExtensionName(degree, static_cast<int>(cell.above), GetDegreeSemitones(nMode, 4));
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
