#include "sound/wavfile.h"

namespace {

constexpr std::uint32_t kFormatChunkBytes = 16;
constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kBitsPerSample = 16;

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
    }
}

} // namespace

std::string WavFileOf(std::span<const std::int16_t> samples, int nSampleRate, int nChannels) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * sizeof(std::int16_t));
    const auto blockAlign = static_cast<std::uint32_t>(nChannels * kBitsPerSample / 8);
    std::string file = "RIFF";
    file.reserve(44 + dataBytes);
    PutLittleEndian(file, 36 + dataBytes, 4);
    file += "WAVEfmt ";
    PutLittleEndian(file, kFormatChunkBytes, 4);
    PutLittleEndian(file, kPcm, 2);
    PutLittleEndian(file, static_cast<std::uint32_t>(nChannels), 2);
    PutLittleEndian(file, static_cast<std::uint32_t>(nSampleRate), 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(nSampleRate) * blockAlign, 4);
    PutLittleEndian(file, blockAlign, 2);
    PutLittleEndian(file, kBitsPerSample, 2);
    file += "data";
    PutLittleEndian(file, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        PutLittleEndian(file, static_cast<std::uint16_t>(sample), 2);
    }
    return file;
}
