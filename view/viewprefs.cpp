#include "view/viewprefs.h"

#include "settings/settingsstore.h"
#include "view/zoomsteps.h"

namespace {

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

} // namespace

ViewPrefs ViewPrefs::Load(const SettingsStore& store) {
    ViewPrefs prefs;
    const QString group = Name(kGroup);
    prefs.zoomPercent = ZoomSteps::Valid(store.ReadInt(group, Name(kZoom), ZoomSteps::kActualSize));
    prefs.fit = store.ReadInt(group, Name(kFit), 0) == 1;
    return prefs;
}

void ViewPrefs::Save(SettingsStore& store) const {
    const QString group = Name(kGroup);
    store.WriteInt(group, Name(kZoom), zoomPercent);
    store.WriteInt(group, Name(kFit), fit ? 1 : 0);
}
