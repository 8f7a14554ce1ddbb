#pragma once

#include <QString>

class SettingsStore;

// The settings live in "<config folder>/Dovrane Software/Varnel.conf"; the config folder
// follows XDG_CONFIG_HOME.
QString SettingsRootFolder();
QString SettingsBasePath();

// Binds the store for reading only: the command-line fronts create no settings file.
void BindSettingsForReading(SettingsStore& store);
