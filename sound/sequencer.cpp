#include "sound/sequencer.h"

#include <algorithm>

namespace {

constexpr std::size_t kOfflineBlockFrames = 1024;

int Channel(const PlannedNote& note) {
    return note.drone ? PlayPlan::kDroneChannel : PlayPlan::kMelodyChannel;
}

} // namespace

std::int64_t FrameAt(const PlayPlan& plan, std::int64_t tick) {
    const std::int64_t ticksPerMinute = std::int64_t{plan.tempoBpm} * PlayPlan::kTicksPerBeat;
    return tick * NoteSynth::kSampleRate * 60 / std::max<std::int64_t>(ticksPerMinute, 1);
}

std::vector<SynthEvent> EventsOf(const PlayPlan& plan) {
    std::vector<SynthEvent> events;
    events.push_back({0, SynthEvent::Kind::Program, PlayPlan::kMelodyChannel, plan.program, 0});
    events.push_back({0, SynthEvent::Kind::Program, PlayPlan::kDroneChannel, plan.droneProgram, 0});
    for (const PlannedNote& note : plan.notes) {
        events.push_back({FrameAt(plan, note.startTick), SynthEvent::Kind::NoteOn, Channel(note),
                          note.midi, note.velocity});
        events.push_back({FrameAt(plan, note.startTick + note.lengthTicks),
                          SynthEvent::Kind::NoteOff, Channel(note), note.midi, 0});
    }
    std::stable_sort(events.begin(), events.end(), [](const SynthEvent& a, const SynthEvent& b) {
        return a.frame != b.frame ? a.frame < b.frame : a.kind < b.kind;
    });
    return events;
}

Sequencer::Sequencer(NoteSynth& synth)
    : m_synth(synth) {}

void Sequencer::Play(const PlayPlan& plan) {
    const std::lock_guard lock(m_mutex);
    m_requestedPlan = plan;
    m_bStopRequested = false;
}

void Sequencer::Stop() {
    const std::lock_guard lock(m_mutex);
    m_requestedPlan.reset();
    m_bStopRequested = true;
}

void Sequencer::SetVolume(int nPercent) {
    const std::lock_guard lock(m_mutex);
    m_requestedVolume = nPercent;
}

bool Sequencer::IsPlaying() const {
    const std::lock_guard lock(m_mutex);
    return (m_bPlaying && !m_bStopRequested) || m_requestedPlan.has_value();
}

std::vector<PlannedNote> Sequencer::Sounding() const {
    const std::lock_guard lock(m_mutex);
    std::vector<PlannedNote> notes;
    if (!m_bPlaying || m_bStopRequested) {
        return notes;
    }
    for (const PlannedNote& note : m_plan.notes) {
        if (!note.drone && FrameAt(m_plan, note.startTick) <= m_position &&
            m_position < FrameAt(m_plan, note.startTick + note.lengthTicks)) {
            notes.push_back(note);
        }
    }
    return notes;
}

void Sequencer::TakeRequests() {
    if (m_requestedVolume) {
        m_synth.SetVolume(*m_requestedVolume);
        m_requestedVolume.reset();
    }
    if (m_bStopRequested || m_requestedPlan) {
        m_synth.AllSoundOff();
        m_bPlaying = false;
        m_bStopRequested = false;
    }
    if (m_requestedPlan) {
        m_plan = std::move(*m_requestedPlan);
        m_requestedPlan.reset();
        m_events = EventsOf(m_plan);
        m_nextEvent = 0;
        m_position = 0;
        m_endFrame = FrameAt(m_plan, m_plan.endTick);
        m_bPlaying = true;
    }
}

void Sequencer::Send(const SynthEvent& event) {
    switch (event.kind) {
    case SynthEvent::Kind::Program:
        m_synth.ProgramChange(event.channel, event.value);
        break;
    case SynthEvent::Kind::NoteOff:
        m_synth.NoteOff(event.channel, event.value);
        break;
    case SynthEvent::Kind::NoteOn:
        m_synth.NoteOn(event.channel, event.value, event.velocity);
        break;
    }
}

void Sequencer::Render(std::span<std::int16_t> frames) {
    const std::lock_guard lock(m_mutex);
    TakeRequests();
    const auto total = static_cast<std::int64_t>(frames.size() / NoteSynth::kChannels);
    std::int64_t done = 0;
    while (done < total) {
        std::int64_t until = total;
        if (m_bPlaying) {
            while (m_nextEvent < m_events.size() &&
                   m_events[m_nextEvent].frame <= m_position + done) {
                Send(m_events[m_nextEvent++]);
            }
            if (m_nextEvent < m_events.size()) {
                until = std::min(total, m_events[m_nextEvent].frame - m_position);
            }
        }
        m_synth.Render(
            frames.subspan(static_cast<std::size_t>(done * NoteSynth::kChannels),
                           static_cast<std::size_t>((until - done) * NoteSynth::kChannels)));
        done = until;
    }
    if (m_bPlaying) {
        m_position += total;
        if (m_nextEvent >= m_events.size() && m_position >= m_endFrame) {
            m_bPlaying = false;
        }
    }
}

std::vector<std::int16_t> RenderOffline(const PlayPlan& plan, NoteSynth& synth,
                                        std::int64_t tailFrames) {
    Sequencer sequencer(synth);
    sequencer.Play(plan);
    const std::int64_t frames = FrameAt(plan, plan.endTick) + tailFrames;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(frames) * NoteSynth::kChannels);
    std::span<std::int16_t> rest(samples);
    while (!rest.empty()) {
        const std::size_t block = std::min(rest.size(), kOfflineBlockFrames * NoteSynth::kChannels);
        sequencer.Render(rest.first(block));
        rest = rest.subspan(block);
    }
    return samples;
}
