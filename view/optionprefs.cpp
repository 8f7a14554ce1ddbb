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

} // namespace

OptionPrefs OptionPrefs::Load(const SettingsStore& store) {
    OptionPrefs prefs;
    prefs.labels = static_cast<LabelKind>(
        ReadInRange(store, kLabels, 0, static_cast<int>(LabelKind::Extensions), 0));
    prefs.leftHanded = ReadInRange(store, kLeftHanded, 0, 1, 0) == 1;
    prefs.family = ReadInRange(store, kFamily, 0, CMusicModel::kFamilies - 1, 0);
    for (int i = 0; i < CMusicModel::kStrings; ++i) {
        auto& note = prefs.tuning.at(static_cast<std::size_t>(i));
        note = ReadInRange(store, TuningName(i), 0, 127, note);
    }
    prefs.fretNumbers = ReadInRange(store, kFretNumbers, 0, 1, 0) == 1;
    prefs.spelling = static_cast<SpellingKind>(
        ReadInRange(store, kSpelling, 0, static_cast<int>(SpellingKind::Scale), 0));
    return prefs;
}

void OptionPrefs::SaveChanges(SettingsStore& store, const OptionPrefs& before) const {
    WriteIfChanged(store, kLabels, static_cast<int>(labels), static_cast<int>(before.labels));
    WriteIfChanged(store, kLeftHanded, leftHanded ? 1 : 0, before.leftHanded ? 1 : 0);
    WriteIfChanged(store, kFamily, family, before.family);
    for (int i = 0; i < CMusicModel::kStrings; ++i) {
        const auto string = static_cast<std::size_t>(i);
        WriteIfChanged(store, TuningName(i), tuning.at(string), before.tuning.at(string));
    }
    WriteIfChanged(store, kFretNumbers, fretNumbers ? 1 : 0, before.fretNumbers ? 1 : 0);
    WriteIfChanged(store, kSpelling, static_cast<int>(spelling), static_cast<int>(before.spelling));
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
