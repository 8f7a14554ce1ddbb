#pragma once

#include <cstdint>
#include <span>

// What the sequencer asks of a synthesiser: MIDI channel messages, and the next samples.
// Every call comes from the one thread that renders.
class NoteSynth {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;

    NoteSynth() = default;
    virtual ~NoteSynth() = default;
    NoteSynth(const NoteSynth&) = delete;
    NoteSynth& operator=(const NoteSynth&) = delete;

    virtual void ProgramChange(int nChannel, int nProgram) = 0;
    virtual void NoteOn(int nChannel, int nKey, int nVelocity) = 0;
    virtual void NoteOff(int nChannel, int nKey) = 0;
    // Silences everything at once, release tails included.
    virtual void AllSoundOff() = 0;
    // 0 silent to 100 the loudest without clipping a chord.
    virtual void SetVolume(int nPercent) = 0;
    // Fills interleaved 16-bit stereo frames at kSampleRate.
    virtual void Render(std::span<std::int16_t> frames) = 0;
};
