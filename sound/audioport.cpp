#include "sound/audioport.h"

#include "sound/notesynth.h"

#include <QIODevice>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr int kFrameBytes = NoteSynth::kChannels * static_cast<int>(sizeof(std::int16_t));

} // namespace

NullAudioPort::NullAudioPort() = default;
NullAudioPort::~NullAudioPort() = default;

bool NullAudioPort::Start(QIODevice* pSource, QString*) {
    m_pSource = pSource;
    m_pTimer = std::make_unique<QTimer>();
    m_pTimer->setTimerType(Qt::PreciseTimer);
    m_pTimer->setInterval(kBlockFrames * 1000 / NoteSynth::kSampleRate);
    QObject::connect(m_pTimer.get(), &QTimer::timeout, [this] { Pull(); });
    m_pTimer->start();
    return true;
}

void NullAudioPort::Pull() {
    std::array<std::int16_t, std::size_t{kBlockFrames} * NoteSynth::kChannels> block{};
    m_pSource->read(reinterpret_cast<char*>(block.data()), qint64{kBlockFrames} * kFrameBytes);
    const bool sound =
        std::any_of(block.begin(), block.end(), [](std::int16_t s) { return s != 0; });
    if (sound && m_firstSound.load() == Clock::duration::zero()) {
        m_firstSound = Clock::now().time_since_epoch();
    }
}
