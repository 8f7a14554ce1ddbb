#include "sound/fluidsynthengine.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

// Full volume: a guitar note peaks well below clipping, and a drone under it leaves room too.
constexpr double kFullGain = 1.0;

// The library writes its warnings to stderr; the program says what went wrong in its own words.
void QuietenLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
            fluid_set_log_function(level, nullptr, nullptr);
        }
    });
}

std::int16_t ToSample(float value) {
    const float scaled = std::round(std::clamp(value, -1.0F, 1.0F) * 32767.0F);
    return static_cast<std::int16_t>(scaled);
}

} // namespace

std::unique_ptr<FluidSynthEngine> FluidSynthEngine::Create(const std::string& soundFontPath,
                                                           std::string* pError) {
    QuietenLibrary();
    std::unique_ptr<FluidSynthEngine> engine(new FluidSynthEngine);
    engine->m_pSettings = new_fluid_settings();
    if (engine->m_pSettings == nullptr) {
        *pError = "the synthesiser could not be set up";
        return nullptr;
    }
    fluid_settings_setnum(engine->m_pSettings, "synth.sample-rate", kSampleRate);
    // Chorus moves the pitch a little; a player comparing modes wants the notes plain.
    fluid_settings_setint(engine->m_pSettings, "synth.chorus.active", 0);
    fluid_settings_setint(engine->m_pSettings, "synth.cpu-cores", 1);
    engine->m_pSynth = new_fluid_synth(engine->m_pSettings);
    if (engine->m_pSynth == nullptr) {
        *pError = "the synthesiser could not be set up";
        return nullptr;
    }
    if (fluid_is_soundfont(soundFontPath.c_str()) == 0 ||
        fluid_synth_sfload(engine->m_pSynth, soundFontPath.c_str(), 1) == FLUID_FAILED) {
        *pError = "not a SoundFont it can read";
        return nullptr;
    }
    engine->SetVolume(80);
    return engine;
}

FluidSynthEngine::~FluidSynthEngine() {
    if (m_pSynth != nullptr) {
        delete_fluid_synth(m_pSynth);
    }
    if (m_pSettings != nullptr) {
        delete_fluid_settings(m_pSettings);
    }
}

void FluidSynthEngine::ProgramChange(int nChannel, int nProgram) {
    fluid_synth_program_change(m_pSynth, nChannel, nProgram);
}

void FluidSynthEngine::NoteOn(int nChannel, int nKey, int nVelocity) {
    fluid_synth_noteon(m_pSynth, nChannel, nKey, nVelocity);
}

void FluidSynthEngine::NoteOff(int nChannel, int nKey) {
    fluid_synth_noteoff(m_pSynth, nChannel, nKey);
}

void FluidSynthEngine::AllSoundOff() {
    // A reset silences the reverb's tail too, which cutting the voices leaves ringing.
    fluid_synth_system_reset(m_pSynth);
    fluid_synth_set_gain(m_pSynth, m_gain);
}

void FluidSynthEngine::SetVolume(int nPercent) {
    m_gain = static_cast<float>(kFullGain * std::clamp(nPercent, 0, 100) / 100.0);
    fluid_synth_set_gain(m_pSynth, m_gain);
}

void FluidSynthEngine::Render(std::span<std::int16_t> frames) {
    const auto count = frames.size() / kChannels;
    if (count == 0) {
        return;
    }
    m_left.resize(count);
    m_right.resize(count);
    // Floats rounded here rather than the library's 16-bit output, which adds dither noise:
    // a rest stays exact silence.
    fluid_synth_write_float(m_pSynth, static_cast<int>(count), m_left.data(), 0, 1, m_right.data(),
                            0, 1);
    for (std::size_t i = 0; i < count; ++i) {
        frames[kChannels * i] = ToSample(m_left[i]);
        frames[kChannels * i + 1] = ToSample(m_right[i]);
    }
}
