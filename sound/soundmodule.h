#pragma once

class AudioPort;
class NoteSynth;

// The sound module holds everything that needs FluidSynth or Qt Multimedia, so that the program
// starts without loading them and their many libraries; it is loaded on the first note. These
// are its entry points, each null when it cannot give what is asked.
extern "C" {
using CreateSynthEntry = NoteSynth* (*)(const char* soundFontPath);
using CreateDevicePortEntry = AudioPort* (*)();
using HasAudioOutputEntry = bool (*)();
}

inline constexpr char kCreateSynthEntry[] = "varnel_create_synth";
inline constexpr char kCreateDevicePortEntry[] = "varnel_create_device_port";
inline constexpr char kHasAudioOutputEntry[] = "varnel_has_audio_output";
// The module's file is lib<this>.so, beside the executable or in the program's library folder.
inline constexpr char kSoundModuleName[] = "varnel-sound";
