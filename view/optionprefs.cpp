#include "view/optionprefs.h"

#include "settings/decimaltext.h"
#include "settings/settingsstore.h"
#include "view/neckdrawing.h"

#include <QStringList>

namespace {

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

int ReadInRange(const SettingsStore& store, const QString& name, int first, int last,
                int nDefault) {
    return store.ReadIntInRange(Name(OptionPrefs::kGroup), name, nDefault, first, last);
}

int ReadInRange(const SettingsStore& store, const char* name, int first, int last, int nDefault) {
    return ReadInRange(store, Name(name), first, last, nDefault);
}

void WriteIfChanged(SettingsStore& store, const QString& name, int value, int before) {
    if (value != before) {
        store.WriteInt(Name(OptionPrefs::kGroup), name, value);
    }
}

void WriteIfChanged(SettingsStore& store, const char* name, int value, int before) {
    WriteIfChanged(store, Name(name), value, before);
}

QString OldTuningName(int nString) {
    return Name(OptionPrefs::kTuning) + QString::number(nString);
}

// "40 45 50 55 59 64": 4 to 8 whole numbers 0 to 127 parted by single blanks.
std::optional<TuningMidi> ParseStoredTuning(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() < CMusicModel::kMinStrings || parts.size() > CMusicModel::kMaxStrings) {
        return std::nullopt;
    }
    TuningMidi midi;
    for (const QString& part : parts) {
        const std::optional<int> note = ParseWholeDecimalInt(part.toStdString());
        if (!note || *note < 0 || *note > 127) {
            return std::nullopt;
        }
        midi.push_back(*note);
    }
    return midi;
}

QString StoredTuning(const TuningMidi& midi) {
    QStringList parts;
    for (const int note : midi) {
        parts << QString::number(note);
    }
    return parts.join(QLatin1Char(' '));
}

TuningMidi LoadTuning(const SettingsStore& store, TuningMidi tuning) {
    if (const std::optional<QString> text =
            store.ReadText(Name(OptionPrefs::kGroup), Name(OptionPrefs::kTuning))) {
        return ParseStoredTuning(*text).value_or(tuning);
    }
    // Earlier versions kept six values of their own, each falling back alone.
    for (int i = 0; i < CMusicModel::kGuitarStrings; ++i) {
        auto& note = tuning.at(static_cast<std::size_t>(i));
        note = ReadInRange(store, OldTuningName(i), 0, 127, note);
    }
    return tuning;
}

} // namespace

OptionPrefs OptionPrefs::Load(const SettingsStore& store) {
    OptionPrefs prefs;
    prefs.labels = static_cast<LabelKind>(
        ReadInRange(store, kLabels, 0, static_cast<int>(LabelKind::Extensions), 0));
    prefs.leftHanded = ReadInRange(store, kLeftHanded, 0, 1, 0) == 1;
    prefs.family = ReadInRange(store, kFamily, 0, CMusicModel::kFamilies - 1, 0);
    prefs.tuning = LoadTuning(store, prefs.tuning);
    prefs.fretNumbers = ReadInRange(store, kFretNumbers, 0, 1, 0) == 1;
    prefs.spelling = static_cast<SpellingKind>(
        ReadInRange(store, kSpelling, 0, static_cast<int>(SpellingKind::Scale), 0));
    prefs.frets = ReadInRange(store, kFrets, CMusicModel::kMinFrets, CMusicModel::kMaxFrets,
                              CMusicModel::kGuitarFrets);
    prefs.horizontal = ReadInRange(store, kOrientation, 0, 1, 0) == 1;
    prefs.openStrings = ReadInRange(store, kOpenStrings, 0, 1, 0) == 1;
    const int first = ReadInRange(store, kFirstFret, 0, CMusicModel::kMaxFrets, 0);
    const int last = ReadInRange(store, kLastFret, 0, CMusicModel::kMaxFrets, prefs.frets);
    if (IsFretWindow(first, last, prefs.frets)) {
        prefs.firstFret = first;
        prefs.lastFret = last;
    } else {
        prefs.lastFret = prefs.frets;
    }
    prefs.positions = static_cast<PositionKind>(
        ReadInRange(store, kPositions, 0, static_cast<int>(PositionKind::Caged), 0));
    prefs.caged =
        static_cast<CagedShape>(ReadInRange(store, kCaged, 0, static_cast<int>(CagedShape::D), 0));
    prefs.positionsOnly = ReadInRange(store, kPositionsOnly, 0, 1, 0) == 1;
    prefs.chordTones = static_cast<ChordKind>(
        ReadInRange(store, kChordTones, 0, static_cast<int>(ChordKind::Seventh), 0));
    prefs.characteristic = ReadInRange(store, kCharacteristic, 0, 1, 0) == 1;
    return prefs;
}

void OptionPrefs::SaveChanges(SettingsStore& store, const OptionPrefs& before) const {
    WriteIfChanged(store, kLabels, static_cast<int>(labels), static_cast<int>(before.labels));
    WriteIfChanged(store, kLeftHanded, leftHanded ? 1 : 0, before.leftHanded ? 1 : 0);
    WriteIfChanged(store, kFamily, family, before.family);
    if (tuning != before.tuning) {
        store.WriteText(Name(kGroup), Name(kTuning), StoredTuning(tuning));
    }
    WriteIfChanged(store, kFretNumbers, fretNumbers ? 1 : 0, before.fretNumbers ? 1 : 0);
    WriteIfChanged(store, kSpelling, static_cast<int>(spelling), static_cast<int>(before.spelling));
    WriteIfChanged(store, kFrets, frets, before.frets);
    WriteIfChanged(store, kOrientation, horizontal ? 1 : 0, before.horizontal ? 1 : 0);
    WriteIfChanged(store, kOpenStrings, openStrings ? 1 : 0, before.openStrings ? 1 : 0);
    WriteIfChanged(store, kFirstFret, firstFret, before.firstFret);
    WriteIfChanged(store, kLastFret, lastFret, before.lastFret);
    WriteIfChanged(store, kPositions, static_cast<int>(positions),
                   static_cast<int>(before.positions));
    WriteIfChanged(store, kCaged, static_cast<int>(caged), static_cast<int>(before.caged));
    WriteIfChanged(store, kPositionsOnly, positionsOnly ? 1 : 0, before.positionsOnly ? 1 : 0);
    WriteIfChanged(store, kChordTones, static_cast<int>(chordTones),
                   static_cast<int>(before.chordTones));
    WriteIfChanged(store, kCharacteristic, characteristic ? 1 : 0, before.characteristic ? 1 : 0);
}

bool OptionPrefs::IsFretWindow(int first, int last, int frets) {
    return first >= 0 && first < last && last <= frets;
}

void OptionPrefs::SetFrets(int nFrets) {
    const bool wholeNeck = firstFret == 0 && lastFret == frets;
    frets = nFrets;
    if (wholeNeck || !IsFretWindow(firstFret, lastFret, frets)) {
        firstFret = 0;
        lastFret = frets;
    }
}

void OptionPrefs::ApplyTo(CMusicModel& model) const {
    model.m_nFamily = family;
    model.m_nTuning = tuning;
    model.m_nFrets = frets;
    model.m_spelling = spelling;
}

void OptionPrefs::ApplyTo(CNeckDrawing& drawing) const {
    ApplyTo(static_cast<CMusicModel&>(drawing));
    drawing.m_labelKind = labels;
    drawing.m_bLeftHanded = leftHanded;
    drawing.m_bFretNumbers = fretNumbers;
    drawing.m_bHorizontal = horizontal;
    drawing.m_bOpenStrings = openStrings;
    drawing.m_nFirstFret = firstFret;
    drawing.m_nLastFret = lastFret;
    drawing.m_positions = positions;
    drawing.m_caged = caged;
    drawing.m_bPositionsOnly = positionsOnly;
    drawing.m_chordTones = chordTones;
    drawing.m_bCharacteristic = characteristic;
}

OptionPrefs OptionPrefs::Of(const CNeckDrawing& drawing) {
    OptionPrefs prefs;
    prefs.labels = drawing.m_labelKind;
    prefs.leftHanded = drawing.m_bLeftHanded;
    prefs.family = drawing.m_nFamily;
    prefs.tuning = drawing.m_nTuning;
    prefs.fretNumbers = drawing.m_bFretNumbers;
    prefs.spelling = drawing.m_spelling;
    prefs.frets = drawing.m_nFrets;
    prefs.horizontal = drawing.m_bHorizontal;
    prefs.openStrings = drawing.m_bOpenStrings;
    prefs.firstFret = drawing.m_nFirstFret;
    prefs.lastFret = drawing.m_nLastFret;
    prefs.positions = drawing.m_positions;
    prefs.caged = drawing.m_caged;
    prefs.positionsOnly = drawing.m_bPositionsOnly;
    prefs.chordTones = drawing.m_chordTones;
    prefs.characteristic = drawing.m_bCharacteristic;
    return prefs;
}
