#include "sound/deviceaudioport.h"

#include "sound/notesynth.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>

#include <cstdint>

namespace {

constexpr int kFrameBytes = NoteSynth::kChannels * static_cast<int>(sizeof(std::int16_t));

class AudioPortText {
    Q_DECLARE_TR_FUNCTIONS(AudioPortText)
};

} // namespace

DeviceAudioPort::DeviceAudioPort() = default;
DeviceAudioPort::~DeviceAudioPort() {
    if (m_pSink) {
        m_pSink->stop();
    }
}

bool DeviceAudioPort::Start(QIODevice* pSource, QString* pWhyNot) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        *pWhyNot = AudioPortText::tr("no audio output device");
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(NoteSynth::kSampleRate);
    format.setChannelCount(NoteSynth::kChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        *pWhyNot = AudioPortText::tr("the audio output does not take 44.1 kHz 16-bit stereo");
        return false;
    }
    m_pSink = std::make_unique<QAudioSink>(device, format);
    m_pSink->setBufferSize(qsizetype{kBlockFrames} * kFrameBytes);
    m_pSink->start(pSource);
    if (m_pSink->error() != QAudio::NoError) {
        *pWhyNot = AudioPortText::tr("the audio output could not be opened");
        m_pSink.reset();
        return false;
    }
    return true;
}
