#pragma once

#include <QString>
#include <QStringList>

// Where a General MIDI SoundFont is looked for: the path the Sound settings name, then the
// places Debian's SoundFont packages install one.
class SoundFontLocator {
public:
    // The Debian package that gives the system a General MIDI SoundFont.
    static constexpr char kPackage[] = "timgm6mb-soundfont";

    // The system's places, the alternative default-GM first.
    SoundFontLocator();
    explicit SoundFontLocator(QStringList systemPaths);

    // The chosen path when it is a readable file, else the first system one that is; empty
    // when there is none.
    QString Find(const QString& chosenPath) const;

    const QStringList& SystemPaths() const { return m_systemPaths; }

private:
    QStringList m_systemPaths;
};
