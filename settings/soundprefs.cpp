#include "settings/soundprefs.h"

#include "settings/settingsstore.h"

namespace {

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

int Read(const SettingsStore& store, const char* name, int nDefault, int first, int last) {
    return store.ReadIntInRange(Name(SoundPrefs::kGroup), Name(name), nDefault, first, last);
}

void WriteIfChanged(SettingsStore& store, const char* name, int value, int before) {
    if (value != before) {
        store.WriteInt(Name(SoundPrefs::kGroup), Name(name), value);
    }
}

} // namespace

SoundPrefs SoundPrefs::Load(const SettingsStore& store) {
    SoundPrefs prefs;
    prefs.tempoBpm = Read(store, kTempo, prefs.tempoBpm, kMinTempo, kMaxTempo);
    prefs.noteLengthPercent =
        Read(store, kNoteLength, prefs.noteLengthPercent, kMinNoteLength, kMaxNoteLength);
    prefs.instrument = static_cast<Instrument>(Read(store, kInstrument, 0, 0, 1));
    prefs.volumePercent = Read(store, kVolume, prefs.volumePercent, 0, 100);
    prefs.drone = Read(store, kDrone, 0, 0, 1) == 1;
    prefs.soundFont = store.ReadText(Name(kGroup), Name(kSoundFont)).value_or(QString());
    return prefs;
}

void SoundPrefs::SaveChanges(SettingsStore& store, const SoundPrefs& before) const {
    WriteIfChanged(store, kTempo, tempoBpm, before.tempoBpm);
    WriteIfChanged(store, kNoteLength, noteLengthPercent, before.noteLengthPercent);
    WriteIfChanged(store, kInstrument, static_cast<int>(instrument),
                   static_cast<int>(before.instrument));
    WriteIfChanged(store, kVolume, volumePercent, before.volumePercent);
    WriteIfChanged(store, kDrone, drone ? 1 : 0, before.drone ? 1 : 0);
    if (soundFont != before.soundFont) {
        store.WriteText(Name(kGroup), Name(kSoundFont), soundFont);
    }
}
