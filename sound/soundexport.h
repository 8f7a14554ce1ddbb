#pragma once

#include "sound/playplan.h"

#include <QByteArray>
#include <QString>

#include <optional>

enum class SoundFileFormat {
    Midi,
    Wav,
};

// The format a file name asks for by its extension, in any case: .mid or .wav.
std::optional<SoundFileFormat> SoundFileFormatOf(const QString& path);

// A file's bytes, or why they could not be made.
struct RenderedSound {
    QByteArray bytes;
    QString error;
};

// The plan as a Standard MIDI File, or rendered through the SoundFont at soundFontPath as a
// 16-bit 44.1 kHz stereo WAV file, its last notes given a second to die away. The error names
// only the fault; the caller names the file.
RenderedSound RenderSoundFile(const PlayPlan& plan, SoundFileFormat format,
                              const QString& soundFontPath, int volumePercent);
