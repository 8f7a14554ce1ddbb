#include "view/optionprefs.h"

#include "settings/settingsstore.h"
#include "view/neckdrawing.h"

namespace {

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

QString TuningName(int nString) {
    return Name(OptionPrefs::kTuningPrefix) + QString::number(nString);
}

// The stored value when it lies in first..last, else the default.
int ReadInRange(const SettingsStore& store, const char* name, int first, int last, int nDefault) {
    const int value = store.ReadInt(Name(OptionPrefs::kGroup), Name(name), nDefault);
    return value >= first && value <= last ? value : nDefault;
}

} // namespace

OptionPrefs OptionPrefs::Load(const SettingsStore& store) {
    OptionPrefs prefs;
    prefs.labels = static_cast<LabelKind>(
        ReadInRange(store, kLabels, 0, static_cast<int>(LabelKind::Extensions), 0));
    prefs.leftHanded = ReadInRange(store, kLeftHanded, 0, 1, 0) == 1;
    prefs.family = ReadInRange(store, kFamily, 0, CMusicModel::kFamilies - 1, 0);
    for (int i = 0; i < CMusicModel::kStrings; ++i) {
        auto& note = prefs.tuning.at(static_cast<std::size_t>(i));
        const int value = store.ReadInt(Name(kGroup), TuningName(i), note);
        note = value >= 0 && value <= 127 ? value : note;
    }
    prefs.fretNumbers = ReadInRange(store, kFretNumbers, 0, 1, 0) == 1;
    prefs.spelling = static_cast<SpellingKind>(
        ReadInRange(store, kSpelling, 0, static_cast<int>(SpellingKind::Scale), 0));
    return prefs;
}

void OptionPrefs::Save(SettingsStore& store) const {
    const QString group = Name(kGroup);
    store.WriteInt(group, Name(kLabels), static_cast<int>(labels));
    store.WriteInt(group, Name(kLeftHanded), leftHanded ? 1 : 0);
    store.WriteInt(group, Name(kFamily), family);
    for (int i = 0; i < CMusicModel::kStrings; ++i) {
        store.WriteInt(group, TuningName(i), tuning.at(static_cast<std::size_t>(i)));
    }
    store.WriteInt(group, Name(kFretNumbers), fretNumbers ? 1 : 0);
    store.WriteInt(group, Name(kSpelling), static_cast<int>(spelling));
}

void OptionPrefs::ApplyTo(CMusicModel& model) const {
    model.m_nFamily = family;
    model.m_nTuning = tuning;
    model.m_spelling = spelling;
}

void OptionPrefs::ApplyTo(CNeckDrawing& drawing) const {
    ApplyTo(static_cast<CMusicModel&>(drawing));
    drawing.m_labelKind = labels;
    drawing.m_bLeftHanded = leftHanded;
    drawing.m_bFretNumbers = fretNumbers;
}

OptionPrefs OptionPrefs::Of(const CNeckDrawing& drawing) {
    OptionPrefs prefs;
    prefs.labels = drawing.m_labelKind;
    prefs.leftHanded = drawing.m_bLeftHanded;
    prefs.family = drawing.m_nFamily;
    prefs.tuning = drawing.m_nTuning;
    prefs.fretNumbers = drawing.m_bFretNumbers;
    prefs.spelling = drawing.m_spelling;
    return prefs;
}
