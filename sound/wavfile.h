#pragma once

#include <cstdint>
#include <span>
#include <string>

// A RIFF WAVE file of 16-bit PCM: interleaved stereo frames at the synthesiser's rate.
std::string WavFileOf(std::span<const std::int16_t> samples, int nSampleRate, int nChannels);
