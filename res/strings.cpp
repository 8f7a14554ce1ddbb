#include "res/strings.h"

#include "res/resource.h"

#include <QCoreApplication>

namespace {

struct Entry {
    int id;
    const char* text;
};

// Texts are kept untranslated here and translated on lookup, so a translator sees them all in
// one context.
constexpr Entry kStrings[] = {
    {AFX_IDS_APP_TITLE, QT_TRANSLATE_NOOP("Strings", "Varnel")},
    {AFX_IDS_IDLEMESSAGE, QT_TRANSLATE_NOOP("Strings", "Ready")},
    {ID_INDICATOR_BLANK, "     "},
    {ID_KEY_A, QT_TRANSLATE_NOOP("Strings", "A\nA")},
    {ID_KEY_B, QT_TRANSLATE_NOOP("Strings", "B\nB")},
    {ID_KEY_C, QT_TRANSLATE_NOOP("Strings", "C\nC")},
    {ID_KEY_D, QT_TRANSLATE_NOOP("Strings", "D\nD")},
    {ID_KEY_E, QT_TRANSLATE_NOOP("Strings", "E\nE")},
    {ID_KEY_F, QT_TRANSLATE_NOOP("Strings", "F\nF")},
    {ID_KEY_G, QT_TRANSLATE_NOOP("Strings", "G\nG")},
    {ID_EDIT_PREFERENCES, QT_TRANSLATE_NOOP("Strings", "Preferences\nPreferences")},
    {ID_FILE_PRINT_SETUP,
     QT_TRANSLATE_NOOP("Strings", "Change the printer and printing options\nPrint Setup")},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("Strings", "Print the active document\nPrint")},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("Strings", "Display full pages\nPrint Preview")},
    {ID_APP_ABOUT,
     QT_TRANSLATE_NOOP("Strings",
                       "Display program information, version number and copyright\nAbout")},
    {ID_APP_EXIT,
     QT_TRANSLATE_NOOP("Strings", "Quit the application; prompts to save documents\nExit")},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Strings", "Show or hide the toolbar\nToggle ToolBar")},
    {ID_VIEW_STATUS_BAR,
     QT_TRANSLATE_NOOP("Strings", "Show or hide the status bar\nToggle StatusBar")},
};

} // namespace

QString LoadString(int id) {
    for (const Entry& entry : kStrings) {
        if (entry.id == id) {
            return id == ID_INDICATOR_BLANK ? QString::fromLatin1(entry.text)
                                            : QCoreApplication::translate("Strings", entry.text);
        }
    }
    return {};
}

QString CommandPrompt(int id) {
    return LoadString(id).section(QLatin1Char('\n'), 0, 0);
}

QString CommandTooltip(int id) {
    return LoadString(id).section(QLatin1Char('\n'), 1, 1);
}
