#pragma once

#include "sound/notesynth.h"

#include <memory>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

// The SoundFont synthesiser. Loading a SoundFont reads the whole file, so it is made on first
// use and away from the window's thread.
class FluidSynthEngine final : public NoteSynth {
public:
    // Null, with *pError saying why, when the SoundFont cannot be loaded.
    static std::unique_ptr<FluidSynthEngine> Create(const std::string& soundFontPath,
                                                    std::string* pError);
    ~FluidSynthEngine() override;

    void ProgramChange(int nChannel, int nProgram) override;
    void NoteOn(int nChannel, int nKey, int nVelocity) override;
    void NoteOff(int nChannel, int nKey) override;
    void AllSoundOff() override;
    void SetVolume(int nPercent) override;
    void Render(std::span<std::int16_t> frames) override;

private:
    FluidSynthEngine() = default;

    _fluid_hashtable_t* m_pSettings = nullptr;
    _fluid_synth_t* m_pSynth = nullptr;
    float m_gain = 0.0F;
    std::vector<float> m_left;
    std::vector<float> m_right;
};
