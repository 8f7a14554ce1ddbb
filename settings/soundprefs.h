#pragma once

#include <QString>

class SettingsStore;

// How notes are played, kept in the settings group "Sound".
struct SoundPrefs {
    static constexpr char kGroup[] = "Sound";
    static constexpr char kTempo[] = "Tempo"; // beats per minute, 40 to 240
    static constexpr char kNoteLength[] =
        "NoteLength"; // percent of a beat a note sounds, 10 to 100
    static constexpr char kInstrument[] = "Instrument"; // 0 steel-string, 1 nylon-string guitar
    static constexpr char kVolume[] = "Volume";         // percent, 0 to 100
    static constexpr char kDrone[] = "Drone";           // 0 or 1: the tonic held under a neck
    static constexpr char kSoundFont[] = "SoundFont";   // a path, or empty for the system's

    static constexpr int kMinTempo = 40;
    static constexpr int kMaxTempo = 240;
    static constexpr int kDefaultTempo = 120;
    static constexpr int kMinNoteLength = 10;
    static constexpr int kMaxNoteLength = 100;

    // A bass tuning always sounds as a bass, whichever guitar is chosen.
    enum class Instrument {
        SteelGuitar,
        NylonGuitar,
    };

    int tempoBpm = kDefaultTempo;
    int noteLengthPercent = 90;
    Instrument instrument = Instrument::SteelGuitar;
    int volumePercent = 80;
    bool drone = false;
    QString soundFont;

    friend bool operator==(const SoundPrefs&, const SoundPrefs&) = default;

    // Each value that is missing or not exactly a whole number in range reads as its default,
    // on its own.
    static SoundPrefs Load(const SettingsStore& store);
    // Writes only the values that differ from `before`.
    void SaveChanges(SettingsStore& store, const SoundPrefs& before) const;
};
