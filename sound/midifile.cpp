#include "sound/midifile.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kProgramChange = 0xC0;
constexpr std::int64_t kMicrosecondsPerMinute = 60'000'000;

void PutBigEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
    }
}

// MIDI's variable-length quantity: seven bits a byte, most significant first.
void PutVariableLength(std::string& out, std::uint32_t value) {
    std::uint8_t bytes[5];
    int count = 0;
    do {
        bytes[count++] = static_cast<std::uint8_t>(value & 0x7FU);
        value >>= 7;
    } while (value != 0);
    while (count > 0) {
        --count;
        out.push_back(static_cast<char>(bytes[count] | (count > 0 ? 0x80U : 0U)));
    }
}

struct TrackEvent {
    std::int64_t tick = 0;
    int order = 0; // at one tick: programs, then note ends, then note starts
    std::string bytes;
};

std::string TrackChunk(std::vector<TrackEvent> events) {
    std::stable_sort(events.begin(), events.end(), [](const TrackEvent& a, const TrackEvent& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::string body;
    std::int64_t last = 0;
    for (const TrackEvent& event : events) {
        PutVariableLength(body, static_cast<std::uint32_t>(event.tick - last));
        body += event.bytes;
        last = event.tick;
    }
    PutVariableLength(body, 0);
    body += std::string("\xFF\x2F\x00", 3); // end of track
    std::string chunk = "MTrk";
    PutBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
    return chunk + body;
}

std::string Message(std::uint8_t status, int channel, int first, std::optional<int> second) {
    std::string bytes;
    bytes.push_back(static_cast<char>(status | static_cast<std::uint8_t>(channel)));
    bytes.push_back(static_cast<char>(first & 0x7F));
    if (second) {
        bytes.push_back(static_cast<char>(*second & 0x7F));
    }
    return bytes;
}

std::string TempoTrack(const PlayPlan& plan) {
    std::string tempo("\xFF\x51\x03", 3);
    PutBigEndian(
        tempo, static_cast<std::uint32_t>(kMicrosecondsPerMinute / std::max(plan.tempoBpm, 1)), 3);
    return TrackChunk({{0, 0, tempo}});
}

std::string NeckTrack(const PlayPlan& plan, int neck) {
    std::vector<TrackEvent> events;
    events.push_back({0, 0, Message(kProgramChange, PlayPlan::kMelodyChannel, plan.program, {})});
    events.push_back(
        {0, 0, Message(kProgramChange, PlayPlan::kDroneChannel, plan.droneProgram, {})});
    for (const PlannedNote& note : plan.notes) {
        if (note.neck != neck) {
            continue;
        }
        const int channel = note.drone ? PlayPlan::kDroneChannel : PlayPlan::kMelodyChannel;
        events.push_back({note.startTick, 2, Message(kNoteOn, channel, note.midi, note.velocity)});
        events.push_back(
            {note.startTick + note.lengthTicks, 1, Message(kNoteOff, channel, note.midi, 0)});
    }
    return TrackChunk(std::move(events));
}

} // namespace

std::string MidiFileOf(const PlayPlan& plan) {
    std::string file = "MThd";
    PutBigEndian(file, 6, 4);
    PutBigEndian(file, 1, 2); // format 1: tracks played together
    PutBigEndian(file, static_cast<std::uint32_t>(1 + plan.necks.size()), 2);
    PutBigEndian(file, PlayPlan::kTicksPerBeat, 2);
    file += TempoTrack(plan);
    for (const int neck : plan.necks) {
        file += NeckTrack(plan, neck);
    }
    return file;
}
