#include "sound/soundfontlocator.h"

#include <QFileInfo>

namespace {

bool IsReadableFile(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && info.isReadable();
}

} // namespace

SoundFontLocator::SoundFontLocator()
    : SoundFontLocator({
          QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
          QStringLiteral("/usr/share/sounds/sf2/default-GM.sf3"),
          QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
          QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
          QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3"),
          QStringLiteral("/usr/share/sounds/sf3/MuseScore_General.sf3"),
          QStringLiteral("/usr/share/soundfonts/default.sf2"),
          QStringLiteral("/usr/share/soundfonts/FluidR3_GM.sf2"),
      }) {}

SoundFontLocator::SoundFontLocator(QStringList systemPaths)
    : m_systemPaths(std::move(systemPaths)) {}

QString SoundFontLocator::Find(const QString& chosenPath) const {
    if (IsReadableFile(chosenPath)) {
        return chosenPath;
    }
    for (const QString& path : m_systemPaths) {
        if (IsReadableFile(path)) {
            return path;
        }
    }
    return {};
}
