#include "view/neckprefs.h"

#include "settings/settingsstore.h"
#include "view/neckdrawing.h"

int ReadSpacing(const SettingsStore& store, const char* name, int nDefault) {
    const int value =
        store.ReadInt(QString::fromLatin1(NeckPrefs::kGroup), QString::fromLatin1(name), nDefault);
    return value >= NeckPrefs::kMinSpacing && value <= NeckPrefs::kMaxSpacing ? value : nDefault;
}

void LoadNeckPrefs(CNeckDrawing& drawing, const SettingsStore& store) {
    drawing.m_nFretSpacing = ReadSpacing(store, NeckPrefs::kFret, 30);
    drawing.m_nStringSpacing = ReadSpacing(store, NeckPrefs::kString, 20);
    drawing.m_nNeckSpacing = ReadSpacing(store, NeckPrefs::kNeck, 20);
    drawing.m_nStyle = store.ReadInt(QString::fromLatin1(NeckPrefs::kGroup),
                                     QString::fromLatin1(NeckPrefs::kStyle), 0);
}
