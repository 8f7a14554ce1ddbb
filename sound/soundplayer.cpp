#include "sound/soundplayer.h"

#include "sound/audioport.h"
#include "sound/audiostream.h"
#include "sound/notesynth.h"
#include "sound/sequencer.h"

#include <QPointer>
#include <QTimer>

namespace {

// Often enough that a lit dot follows its note to the eye.
constexpr int kPollMs = 25;

bool SameCells(const std::vector<PlannedNote>& a, const std::vector<PlannedNote>& b) {
    return a == b;
}

} // namespace

// What lives on the player's thread: the synthesiser, the sequencer, the stream and the port.
class SoundEngineHost : public QObject {
public:
    Sequencer* GetSequencer() const { return m_pSequencer.get(); }

    // Makes everything; returns why it could not, or an empty text.
    QString Start(const SoundBackend& backend) {
        QString whyNot;
        m_pSynth = backend.makeSynth(&whyNot);
        if (!m_pSynth) {
            return whyNot;
        }
        m_pSequencer = std::make_unique<Sequencer>(*m_pSynth);
        m_pStream = std::make_unique<AudioStream>(*m_pSequencer);
        m_pStream->open(QIODevice::ReadOnly);
        m_pPort = backend.makePort(&whyNot);
        if (!m_pPort || !m_pPort->Start(m_pStream.get(), &whyNot)) {
            m_pPort.reset();
            return whyNot;
        }
        return {};
    }

    ~SoundEngineHost() override {
        // The port stops pulling before what it pulls from goes.
        m_pPort.reset();
        m_pStream.reset();
        m_pSequencer.reset();
        m_pSynth.reset();
    }

private:
    std::unique_ptr<NoteSynth> m_pSynth;
    std::unique_ptr<Sequencer> m_pSequencer;
    std::unique_ptr<AudioStream> m_pStream;
    std::unique_ptr<AudioPort> m_pPort;
};

SoundPlayer::SoundPlayer(SoundBackend backend, QObject* pParent)
    : QObject(pParent)
    , m_backend(std::move(backend))
    , m_pPoll(new QTimer(this)) {
    m_pPoll->setInterval(kPollMs);
    connect(m_pPoll, &QTimer::timeout, this, &SoundPlayer::Poll);
}

SoundPlayer::~SoundPlayer() {
    if (m_pHost != nullptr) {
        SoundEngineHost* host = m_pHost;
        QMetaObject::invokeMethod(
            host, [host] { delete host; }, Qt::BlockingQueuedConnection);
    }
    m_thread.quit();
    m_thread.wait();
}

void SoundPlayer::StartEngine() {
    m_pHost = new SoundEngineHost;
    m_pHost->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("sound"));
    m_thread.start();
    const QPointer<SoundPlayer> self(this);
    SoundEngineHost* host = m_pHost;
    const SoundBackend backend = m_backend;
    QMetaObject::invokeMethod(host, [self, host, backend] {
        const QString failure = host->Start(backend);
        QMetaObject::invokeMethod(
            self.data(),
            [self, failure] {
                if (self) {
                    failure.isEmpty() ? self->OnReady() : self->OnFailed(failure);
                }
            },
            Qt::QueuedConnection);
    });
}

void SoundPlayer::OnReady() {
    m_bReady = true;
    Sequencer* sequencer = m_pHost->GetSequencer();
    if (m_pendingVolume) {
        sequencer->SetVolume(*std::exchange(m_pendingVolume, std::nullopt));
    }
    if (m_pendingPlan) {
        sequencer->Play(*std::exchange(m_pendingPlan, std::nullopt));
        m_pPoll->start();
    }
}

void SoundPlayer::OnFailed(const QString& why) {
    m_strFailure = why;
    m_pendingPlan.reset();
    Q_EMIT failed(why);
}

void SoundPlayer::Play(const PlayPlan& plan) {
    if (!m_strFailure.isEmpty()) {
        return;
    }
    if (m_pHost == nullptr) {
        StartEngine();
    }
    if (!m_bReady) {
        m_pendingPlan = plan;
        return;
    }
    m_pHost->GetSequencer()->Play(plan);
    m_pPoll->start();
}

void SoundPlayer::Stop() {
    m_pendingPlan.reset();
    if (m_bReady) {
        m_pHost->GetSequencer()->Stop();
    }
    Poll();
}

void SoundPlayer::SetVolume(int nPercent) {
    if (m_bReady) {
        m_pHost->GetSequencer()->SetVolume(nPercent);
    } else {
        m_pendingVolume = nPercent;
    }
}

bool SoundPlayer::IsPlaying() const {
    return m_pendingPlan.has_value() || (m_bReady && m_pHost->GetSequencer()->IsPlaying());
}

std::vector<PlannedNote> SoundPlayer::Sounding() const {
    return m_bReady ? m_pHost->GetSequencer()->Sounding() : std::vector<PlannedNote>{};
}

void SoundPlayer::Poll() {
    std::vector<PlannedNote> now = Sounding();
    if (!SameCells(now, m_lastSounding)) {
        m_lastSounding = std::move(now);
        Q_EMIT soundingChanged();
    }
    if (!IsPlaying() && m_lastSounding.empty()) {
        m_pPoll->stop();
    }
}
