#include "sound/soundexport.h"

#include "sound/midifile.h"
#include "sound/sequencer.h"
#include "sound/soundlibrary.h"
#include "sound/wavfile.h"

namespace {

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::optional<SoundFileFormat> SoundFileFormatOf(const QString& path) {
    if (path.endsWith(QLatin1String(".mid"), Qt::CaseInsensitive)) {
        return SoundFileFormat::Midi;
    }
    if (path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive)) {
        return SoundFileFormat::Wav;
    }
    return std::nullopt;
}

RenderedSound RenderSoundFile(const PlayPlan& plan, SoundFileFormat format,
                              const QString& soundFontPath, int volumePercent) {
    if (format == SoundFileFormat::Midi) {
        return {Bytes(MidiFileOf(plan)), {}};
    }
    QString error;
    const std::unique_ptr<NoteSynth> synth = SoundLibrary::CreateSynth(soundFontPath, &error);
    if (!synth) {
        return {{}, error};
    }
    synth->SetVolume(volumePercent);
    const std::vector<std::int16_t> samples = RenderOffline(plan, *synth, NoteSynth::kSampleRate);
    return {Bytes(WavFileOf(samples, NoteSynth::kSampleRate, NoteSynth::kChannels)), {}};
}
