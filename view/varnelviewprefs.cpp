#include "view/varnelview.h"

#include "dialogs/prefsdlg.h"
#include "settings/settingsstore.h"
#include "view/neckprefs.h"

namespace {

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

} // namespace

void CVarnelView::OnPreferences() {
    const QString group = Name(NeckPrefs::kGroup);
    CPrefsDlg dlg(window());
    // What is stored is shown; the view's own values where nothing usable can be read.
    const unsigned int shownFret =
        static_cast<unsigned int>(ReadSpacing(m_settings, NeckPrefs::kFret, m_nFretSpacing));
    const unsigned int shownString =
        static_cast<unsigned int>(ReadSpacing(m_settings, NeckPrefs::kString, m_nStringSpacing));
    const unsigned int shownNeck =
        static_cast<unsigned int>(ReadSpacing(m_settings, NeckPrefs::kNeck, m_nNeckSpacing));
    const int shownStyle = m_settings.ReadInt(group, Name(NeckPrefs::kStyle), m_nStyle);
    dlg.m_uFretSpacing = shownFret;
    dlg.m_uStringSpacing = shownString;
    dlg.m_uNeckSpacing = shownNeck;
    dlg.m_nStyleChoice = shownStyle;
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    // Only what the user changed is written: a value another window stored meanwhile stays.
    const auto keep = [this, &group](const char* name, int value, int shown) {
        if (value != shown) {
            m_settings.WriteInt(group, Name(name), value);
        }
    };
    // The dialog accepts only 10 to 50, so the spacings fit an int.
    m_nFretSpacing = static_cast<int>(dlg.m_uFretSpacing);
    keep(NeckPrefs::kFret, m_nFretSpacing, static_cast<int>(shownFret));
    m_nStringSpacing = static_cast<int>(dlg.m_uStringSpacing);
    keep(NeckPrefs::kString, m_nStringSpacing, static_cast<int>(shownString));
    m_nNeckSpacing = static_cast<int>(dlg.m_uNeckSpacing);
    keep(NeckPrefs::kNeck, m_nNeckSpacing, static_cast<int>(shownNeck));
    m_nStyle = dlg.m_nStyleChoice;
    keep(NeckPrefs::kStyle, m_nStyle, shownStyle);
    // Not measured again: an unmeasured width (-1) leaves the titles long.
    m_bShortTitles = m_nTitleWidth > 6 * m_nStringSpacing;
    Invalidate();
}
