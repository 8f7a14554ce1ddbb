#include "sound/soundlibrary.h"

#include "sound/soundmodule.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <mutex>

namespace {

class SoundLibraryText {
    Q_DECLARE_TR_FUNCTIONS(SoundLibraryText)
};

struct Entries {
    CreateSynthEntry createSynth = nullptr;
    CreateDevicePortEntry createDevicePort = nullptr;
    HasAudioOutputEntry hasAudioOutput = nullptr;

    bool IsComplete() const {
        return createSynth != nullptr && createDevicePort != nullptr && hasAudioOutput != nullptr;
    }
};

// Beside the executable first, so that a build runs with its own module, then where the
// package installs it. The module stays loaded until the program ends.
Entries LoadModule() {
    // Never unloaded: the objects it makes live on until the program ends.
    static QLibrary library;
    const QString name = QLatin1String(kSoundModuleName);
    const QString executableFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    for (const QString& folder : {executableFolder, QStringLiteral(VARNEL_SOUND_MODULE_DIR)}) {
        library.setFileName(folder + QLatin1Char('/') + name);
        if (!library.load()) {
            continue;
        }
        Entries entries;
        entries.createSynth =
            reinterpret_cast<CreateSynthEntry>(library.resolve(kCreateSynthEntry));
        entries.createDevicePort =
            reinterpret_cast<CreateDevicePortEntry>(library.resolve(kCreateDevicePortEntry));
        entries.hasAudioOutput =
            reinterpret_cast<HasAudioOutputEntry>(library.resolve(kHasAudioOutputEntry));
        if (entries.IsComplete()) {
            return entries;
        }
        library.unload();
    }
    return {};
}

const Entries& Module() {
    static std::once_flag once;
    static Entries entries;
    std::call_once(once, [] { entries = LoadModule(); });
    return entries;
}

QString ModuleMissing() {
    return SoundLibraryText::tr("the sound module lib%1.so is missing; reinstall varnel")
        .arg(QLatin1String(kSoundModuleName));
}

} // namespace

namespace SoundLibrary {

std::unique_ptr<NoteSynth> CreateSynth(const QString& soundFontPath, QString* pWhyNot) {
    if (!Module().IsComplete()) {
        *pWhyNot = ModuleMissing();
        return nullptr;
    }
    std::unique_ptr<NoteSynth> synth(
        Module().createSynth(QFile::encodeName(soundFontPath).constData()));
    if (!synth) {
        *pWhyNot =
            SoundLibraryText::tr("%1 is not a SoundFont that can be read").arg(soundFontPath);
    }
    return synth;
}

std::unique_ptr<AudioPort> CreateDevicePort(QString* pWhyNot) {
    if (!Module().IsComplete()) {
        *pWhyNot = ModuleMissing();
        return nullptr;
    }
    return std::unique_ptr<AudioPort>(Module().createDevicePort());
}

std::optional<bool> HasAudioOutput() {
    if (!Module().IsComplete()) {
        return std::nullopt;
    }
    return Module().hasAudioOutput();
}

} // namespace SoundLibrary
