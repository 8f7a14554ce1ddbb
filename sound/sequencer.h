#pragma once

#include "sound/notesynth.h"
#include "sound/playplan.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

// A MIDI message at a sample frame counted from the start of its plan.
struct SynthEvent {
    enum class Kind {
        Program,
        NoteOff,
        NoteOn,
    };
    std::int64_t frame = 0;
    Kind kind = Kind::NoteOn;
    int channel = 0;
    int value = 0; // the key, or the program
    int velocity = 0;

    friend bool operator==(const SynthEvent&, const SynthEvent&) = default;
};

// The sample frame at which a tick of the plan sounds.
std::int64_t FrameAt(const PlayPlan& plan, std::int64_t tick);
// The plan's messages in the order they are sent: programs first, and at one frame a note's
// end before the next one's start.
std::vector<SynthEvent> EventsOf(const PlayPlan& plan);

// Plays plans through a synthesiser as it is asked for samples, sending each message at its
// own frame inside the block, so timing does not depend on the block size (FluidSynth itself
// starts a note on its next 64-frame step, 1.5 ms at most). A plan or a stop
// from another thread takes effect at the start of the next block.
class Sequencer {
public:
    explicit Sequencer(NoteSynth& synth);

    // Replaces whatever plays.
    void Play(const PlayPlan& plan);
    void Stop();
    void SetVolume(int nPercent);

    void Render(std::span<std::int16_t> frames);

    bool IsPlaying() const;
    // The notes on cells that sound at the frame rendered last.
    std::vector<PlannedNote> Sounding() const;

private:
    void TakeRequests();
    void Send(const SynthEvent& event);

    NoteSynth& m_synth;
    mutable std::mutex m_mutex;
    // Asked for by the window's thread, taken up by the next Render.
    std::optional<PlayPlan> m_requestedPlan;
    bool m_bStopRequested = false;
    std::optional<int> m_requestedVolume;

    PlayPlan m_plan;
    std::vector<SynthEvent> m_events;
    std::size_t m_nextEvent = 0;
    std::int64_t m_position = 0; // frames of the current plan rendered
    std::int64_t m_endFrame = 0;
    bool m_bPlaying = false;
};

// The whole plan rendered at once, with `tailFrames` more for the last notes to die away.
std::vector<std::int16_t> RenderOffline(const PlayPlan& plan, NoteSynth& synth,
                                        std::int64_t tailFrames);
