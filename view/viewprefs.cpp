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
    prefs.zoomPercent = ZoomSteps::Valid(store.ReadIntInRange(
        group, Name(kZoom), ZoomSteps::kActualSize, ZoomSteps::kMin, ZoomSteps::kMax));
    prefs.fit = store.ReadIntInRange(group, Name(kFit), 0, 0, 1) == 1;
    return prefs;
}

void ViewPrefs::SaveChanges(SettingsStore& store, const ViewPrefs& before) const {
    const QString group = Name(kGroup);
    if (zoomPercent != before.zoomPercent) {
        store.WriteInt(group, Name(kZoom), zoomPercent);
    }
    if (fit != before.fit) {
        store.WriteInt(group, Name(kFit), fit ? 1 : 0);
    }
}
