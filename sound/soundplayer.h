#pragma once

#include "sound/playplan.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class AudioPort;
class NoteSynth;
class SoundEngineHost;
class QTimer;

// How a player makes its synthesiser and its audio port, on its own thread: the real ones, or
// a test's.
struct SoundBackend {
    // Null, with *pWhyNot set, when there is no synthesiser to be had.
    std::function<std::unique_ptr<NoteSynth>(QString* pWhyNot)> makeSynth;
    std::function<std::unique_ptr<AudioPort>(QString* pWhyNot)> makePort;
};

// Plays plans for the window. Nothing is made until the first plan: then a thread of its own
// loads the SoundFont and opens the audio output, and the window's thread never waits for
// either. A plan asked for meanwhile plays once they are ready.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(SoundBackend backend, QObject* pParent = nullptr);
    ~SoundPlayer() override;
    Q_DISABLE_COPY_MOVE(SoundPlayer)

    void Play(const PlayPlan& plan);
    void Stop();
    void SetVolume(int nPercent);

    bool IsPlaying() const;
    // The notes on cells sounding now.
    std::vector<PlannedNote> Sounding() const;
    // Why nothing can play, once the thread found out; empty otherwise.
    QString Failure() const { return m_strFailure; }

Q_SIGNALS:
    // The notes Sounding() gives have changed.
    void soundingChanged();
    // The synthesiser or the audio output could not be made: one line saying why.
    void failed(const QString& why);

private:
    void StartEngine();
    void OnReady();
    void OnFailed(const QString& why);
    void Poll();

    SoundBackend m_backend;
    QThread m_thread;
    SoundEngineHost* m_pHost = nullptr; // lives on m_thread
    bool m_bReady = false;
    std::optional<PlayPlan> m_pendingPlan;
    std::optional<int> m_pendingVolume;
    QString m_strFailure;
    QTimer* m_pPoll = nullptr;
    std::vector<PlannedNote> m_lastSounding;
};
