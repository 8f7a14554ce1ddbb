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
    // What is stored is shown; the view's own values only where nothing can be read. The
    // dialog shows spacings as unsigned numbers, so a stored -1 appears as 4294967295.
    dlg.m_uFretSpacing = static_cast<unsigned int>(
        m_settings.ReadInt(group, Name(NeckPrefs::kFret), m_nFretSpacing));
    dlg.m_uStringSpacing = static_cast<unsigned int>(
        m_settings.ReadInt(group, Name(NeckPrefs::kString), m_nStringSpacing));
    dlg.m_uNeckSpacing = static_cast<unsigned int>(
        m_settings.ReadInt(group, Name(NeckPrefs::kNeck), m_nNeckSpacing));
    dlg.m_nStyleChoice = m_settings.ReadInt(group, Name(NeckPrefs::kStyle), m_nStyle);
    if (dlg.exec() != QDialog::Accepted) {
        return;
    }
    // The dialog accepts only 10 to 50, so the spacings fit an int.
    m_nFretSpacing = static_cast<int>(dlg.m_uFretSpacing);
    m_settings.WriteInt(group, Name(NeckPrefs::kFret), m_nFretSpacing);
    m_nStringSpacing = static_cast<int>(dlg.m_uStringSpacing);
    m_settings.WriteInt(group, Name(NeckPrefs::kString), m_nStringSpacing);
    m_nNeckSpacing = static_cast<int>(dlg.m_uNeckSpacing);
    m_settings.WriteInt(group, Name(NeckPrefs::kNeck), m_nNeckSpacing);
    m_nStyle = dlg.m_nStyleChoice;
    m_settings.WriteInt(group, Name(NeckPrefs::kStyle), m_nStyle);
    // Not measured again: an unmeasured width (-1) leaves the titles long.
    m_bShortTitles = m_nTitleWidth > 6 * m_nStringSpacing;
    Invalidate();
}
