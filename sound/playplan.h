#pragma once

#include "settings/soundprefs.h"

#include <cstdint>
#include <vector>

class CNeckDrawing;

// General MIDI programs, counted from 0 as a program change sends them.
namespace GeneralMidi {
inline constexpr int kNylonGuitar = 24;
inline constexpr int kSteelGuitar = 25;
inline constexpr int kFingeredBass = 33;
inline constexpr int kStringEnsemble = 48;
} // namespace GeneralMidi

// One note of a plan, in ticks of a beat. A note on a cell lights that cell while it sounds;
// the drone lights nothing.
struct PlannedNote {
    std::int64_t startTick = 0;
    std::int64_t lengthTicks = 0;
    int midi = 60;
    int velocity = 100;
    int neck = 0;
    int string = 0;
    int fret = 0;
    bool drone = false;

    friend bool operator==(const PlannedNote&, const PlannedNote&) = default;
};

// What is to be played: notes at true pitches, the tempo and the sounds. The live player, the
// WAV render and the MIDI file all take the same plan, so they play the same thing.
struct PlayPlan {
    static constexpr int kTicksPerBeat = 480;
    static constexpr int kMelodyChannel = 0;
    static constexpr int kDroneChannel = 1;
    int tempoBpm = SoundPrefs::kDefaultTempo;
    int program = GeneralMidi::kSteelGuitar;
    int droneProgram = GeneralMidi::kStringEnsemble;
    std::vector<int> necks;         // the necks played, in order: a MIDI track each
    std::vector<PlannedNote> notes; // by start
    std::int64_t endTick = 0;       // when the last note ends

    bool IsEmpty() const { return notes.empty(); }
};

// A cell of a neck with the MIDI note it sounds.
struct PlayCell {
    int string = 0;
    int fret = 0;
    int midi = 0;

    friend bool operator==(const PlayCell&, const PlayCell&) = default;
};

// The cells neck nNeck plays upwards: its three-notes-per-string shape when that is shown,
// else one octave of its scale from the lowest tonic on the lowest string that has one among
// the frets shown, each note where it lies nearest that tonic's fret. Empty when no tonic is
// shown.
std::vector<PlayCell> NeckAscent(const CNeckDrawing& drawing, int nNeck);

// Whether the instrument is a bass: one of the bass presets, or four or five strings.
bool IsBassTuning(const std::vector<int>& tuning);
int ProgramFor(const std::vector<int>& tuning, SoundPrefs::Instrument instrument);

// The necks in turn, each up its ascent and down again, a short pause between necks, with
// the drone under each when asked for.
PlayPlan PlanNecks(const CNeckDrawing& drawing, const std::vector<int>& necks,
                   const SoundPrefs& prefs);
// Every neck from the first to the last.
PlayPlan PlanAllNecks(const CNeckDrawing& drawing, const SoundPrefs& prefs);
// One cell of one neck, as a click plays it.
PlayPlan PlanCell(const CNeckDrawing& drawing, int nNeck, int nString, int nFret,
                  const SoundPrefs& prefs);
