#pragma once

#include "sound/audioport.h"

#include <memory>

class QAudioSink;

// The desktop's default audio output through Qt Multimedia, pulling 10 ms at a time.
class DeviceAudioPort final : public AudioPort {
public:
    DeviceAudioPort();
    ~DeviceAudioPort() override;
    bool Start(QIODevice* pSource, QString* pWhyNot) override;

private:
    std::unique_ptr<QAudioSink> m_pSink;
};
