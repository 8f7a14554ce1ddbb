#include "sound/audiostream.h"

#include "sound/sequencer.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr qint64 kFrameBytes = NoteSynth::kChannels * sizeof(std::int16_t);

} // namespace

AudioStream::AudioStream(Sequencer& sequencer, QObject* pParent)
    : QIODevice(pParent)
    , m_sequencer(sequencer) {}

qint64 AudioStream::bytesAvailable() const {
    // Never runs dry: silence is rendered as readily as notes.
    return std::numeric_limits<int>::max() + QIODevice::bytesAvailable();
}

qint64 AudioStream::readData(char* pData, qint64 nMaxSize) {
    const qint64 frames = nMaxSize / kFrameBytes;
    // The sink hands over bytes with no alignment promised; int16 access needs two.
    auto* samples = reinterpret_cast<std::int16_t*>(pData);
    if (reinterpret_cast<std::uintptr_t>(pData) % alignof(std::int16_t) != 0) {
        std::vector<std::int16_t> aligned(static_cast<std::size_t>(frames * NoteSynth::kChannels));
        m_sequencer.Render(aligned);
        std::memcpy(pData, aligned.data(), static_cast<std::size_t>(frames * kFrameBytes));
        return frames * kFrameBytes;
    }
    m_sequencer.Render(
        std::span<std::int16_t>(samples, static_cast<std::size_t>(frames * NoteSynth::kChannels)));
    return frames * kFrameBytes;
}

qint64 AudioStream::writeData(const char*, qint64) {
    return -1;
}
