#include "sound/soundmodule.h"

#include "sound/deviceaudioport.h"
#include "sound/fluidsynthengine.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include <string>

extern "C" Q_DECL_EXPORT NoteSynth* varnel_create_synth(const char* soundFontPath) {
    std::string error;
    return FluidSynthEngine::Create(soundFontPath, &error).release();
}

extern "C" Q_DECL_EXPORT AudioPort* varnel_create_device_port() {
    return new DeviceAudioPort;
}

extern "C" Q_DECL_EXPORT bool varnel_has_audio_output() {
    return !QMediaDevices::audioOutputs().isEmpty();
}
