#include "view/neckprefs.h"

#include "settings/settingsstore.h"
#include "view/neckdrawing.h"

void LoadNeckPrefs(CNeckDrawing& drawing, const SettingsStore& store) {
    const QString group = QString::fromLatin1(NeckPrefs::kGroup);
    drawing.m_nFretSpacing = store.ReadInt(group, QString::fromLatin1(NeckPrefs::kFret), 30);
    drawing.m_nStringSpacing = store.ReadInt(group, QString::fromLatin1(NeckPrefs::kString), 20);
    drawing.m_nNeckSpacing = store.ReadInt(group, QString::fromLatin1(NeckPrefs::kNeck), 20);
    drawing.m_nStyle = store.ReadInt(group, QString::fromLatin1(NeckPrefs::kStyle), 0);
}
