#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <memory>

class QIODevice;
class QTimer;

// Where rendered sound goes: a port pulls from its source, block by block, on the thread that
// made it.
class AudioPort {
public:
    // The longest block a port asks for: 10 ms.
    static constexpr int kBlockFrames = 441;

    AudioPort() = default;
    virtual ~AudioPort() = default;
    AudioPort(const AudioPort&) = delete;
    AudioPort& operator=(const AudioPort&) = delete;

    // False, with *pWhyNot set, when no sound can go out.
    virtual bool Start(QIODevice* pSource, QString* pWhyNot) = 0;
};

// A port that plays to nowhere at the pace of a real one, a block every 10 ms, and notes when
// the first sound came through: for measuring and testing without a device.
class NullAudioPort final : public AudioPort {
public:
    using Clock = std::chrono::steady_clock;

    NullAudioPort();
    ~NullAudioPort() override;
    bool Start(QIODevice* pSource, QString* pWhyNot) override;

    // When the first block holding sound was pulled; the epoch until then.
    Clock::time_point FirstSound() const { return Clock::time_point(m_firstSound.load()); }
    void ForgetSound() { m_firstSound = Clock::duration::zero(); }

private:
    void Pull();

    QIODevice* m_pSource = nullptr;
    std::unique_ptr<QTimer> m_pTimer;
    std::atomic<Clock::duration> m_firstSound{Clock::duration::zero()};
};
