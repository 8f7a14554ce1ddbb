#include "app/settingslocation.h"

#include "settings/settingsstore.h"

#include <QStandardPaths>

QString SettingsRootFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString SettingsBasePath() {
    // The application name is the untranslated title, so a translation never moves the file.
    return QStringLiteral("Dovrane Software/Varnel");
}

void BindSettingsForReading(SettingsStore& store) {
    store.Bind(SettingsRootFolder(), SettingsBasePath());
}
