#pragma once

#include "sound/audioport.h"
#include "sound/notesynth.h"

#include <QString>

#include <memory>
#include <optional>

// The sound module, loaded once, on first use, from any thread.
namespace SoundLibrary {

// Null, with *pWhyNot set, when the module or the SoundFont cannot be loaded.
std::unique_ptr<NoteSynth> CreateSynth(const QString& soundFontPath, QString* pWhyNot);
std::unique_ptr<AudioPort> CreateDevicePort(QString* pWhyNot);
// Whether the desktop has an audio output; nothing when the module is missing.
std::optional<bool> HasAudioOutput();

} // namespace SoundLibrary
