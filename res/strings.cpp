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
    {ID_KEY_A, QT_TRANSLATE_NOOP("Strings", "Key of A\nKey of A")},
    {ID_KEY_B, QT_TRANSLATE_NOOP("Strings", "Key of B\nKey of B")},
    {ID_KEY_C, QT_TRANSLATE_NOOP("Strings", "Key of C\nKey of C")},
    {ID_KEY_D, QT_TRANSLATE_NOOP("Strings", "Key of D\nKey of D")},
    {ID_KEY_E, QT_TRANSLATE_NOOP("Strings", "Key of E\nKey of E")},
    {ID_KEY_F, QT_TRANSLATE_NOOP("Strings", "Key of F\nKey of F")},
    {ID_KEY_G, QT_TRANSLATE_NOOP("Strings", "Key of G\nKey of G")},
    {ID_KEY_FLAT, QT_TRANSLATE_NOOP("Strings", "Make the key flat\nFlat")},
    {ID_KEY_NATURAL, QT_TRANSLATE_NOOP("Strings", "Make the key natural\nNatural")},
    {ID_KEY_SHARP, QT_TRANSLATE_NOOP("Strings", "Make the key sharp\nSharp")},
    {ID_VIEW_ZOOM_IN, QT_TRANSLATE_NOOP("Strings", "Show the diagrams larger\nZoom In")},
    {ID_VIEW_ZOOM_OUT, QT_TRANSLATE_NOOP("Strings", "Show the diagrams smaller\nZoom Out")},
    {ID_VIEW_ACTUAL_SIZE,
     QT_TRANSLATE_NOOP("Strings", "Show the diagrams at their actual size\nActual Size")},
    {ID_VIEW_FIT,
     QT_TRANSLATE_NOOP("Strings", "Show all seven diagrams in the window\nFit to Window")},
    {ID_FILE_EXPORT,
     QT_TRANSLATE_NOOP("Strings", "Save the diagrams as a PNG, SVG or PDF file\nExport")},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("Strings", "Copy the diagrams as a picture\nCopy")},
    {ID_VIEW_LEFT_HANDED,
     QT_TRANSLATE_NOOP("Strings", "Mirror the necks for a left-handed player\nLeft-Handed")},
    {ID_VIEW_FRET_NUMBERS,
     QT_TRANSLATE_NOOP("Strings", "Number the marked frets beside the first neck\nFret Numbers")},
    {ID_VIEW_SPELLING_FIRST,
     QT_TRANSLATE_NOOP("Strings", "Name each diagram's tonic by its pitch, sharps unless the key "
                                  "is flat, and its other notes from it\nSimple Spelling")},
    {ID_VIEW_SPELLING_FIRST + 1,
     QT_TRANSLATE_NOOP("Strings", "Name every note as the key's own scale writes it\nScale "
                                  "Spelling")},
    {ID_VIEW_TUNING_CUSTOM,
     QT_TRANSLATE_NOOP("Strings", "Tune 4 to 8 strings to notes of your own\nCustom Tuning")},
    {ID_VIEW_ORIENTATION_FIRST,
     QT_TRANSLATE_NOOP("Strings", "Stand the necks side by side, the nut at the top\nVertical")},
    {ID_VIEW_ORIENTATION_FIRST + 1,
     QT_TRANSLATE_NOOP("Strings", "Lay the necks one above the other, the nut on the left and the "
                                  "lowest string at the bottom, as in tablature\nHorizontal")},
    {ID_VIEW_OPEN_STRINGS,
     QT_TRANSLATE_NOOP("Strings", "Name each open string beside the nut and mark those in the "
                                  "scale\nOpen Strings")},
    {ID_VIEW_WHOLE_NECK,
     QT_TRANSLATE_NOOP("Strings", "Show every fret from the nut to the last\nWhole Neck")},
    {ID_VIEW_FRET_WINDOW,
     QT_TRANSLATE_NOOP("Strings", "Show only the frets from one to another\nFret Window")},
    {ID_VIEW_POSITIONS_FIRST,
     QT_TRANSLATE_NOOP("Strings", "Show every note of the scale alike\nAll Notes")},
    {ID_VIEW_POSITIONS_FIRST + 1,
     QT_TRANSLATE_NOOP("Strings", "Set apart on each neck the shape of three notes per string "
                                  "that starts on its tonic\nThree Notes per String")},
    {ID_VIEW_POSITIONS_FIRST + 2,
     QT_TRANSLATE_NOOP("Strings", "Show every note of the scale inside the fret window\nInside "
                                  "the Fret Window")},
    {ID_VIEW_POSITIONS_ONLY,
     QT_TRANSLATE_NOOP("Strings", "Hide the notes outside each shape instead of drawing them "
                                  "faint\nHide Notes Outside the Shape")},
    {ID_VIEW_CHORD_TONES_FIRST,
     QT_TRANSLATE_NOOP("Strings", "Mark no chord on the necks\nNo Chord Tones")},
    {ID_VIEW_CHORD_TONES_FIRST + 1,
     QT_TRANSLATE_NOOP("Strings", "Ring the triad built on each neck's tonic and name it in the "
                                  "title\nTriads")},
    {ID_VIEW_CHORD_TONES_FIRST + 2,
     QT_TRANSLATE_NOOP("Strings", "Ring the seventh chord built on each neck's tonic and name it "
                                  "in the title\nSeventh Chords")},
    {ID_VIEW_CHARACTERISTIC,
     QT_TRANSLATE_NOOP("Strings", "Ring the degree that sets each mode apart from the nearest "
                                  "major or minor scale\nCharacteristic Notes")},
    {ID_VIEW_POSITIONS_CAGED,
     QT_TRANSLATE_NOOP("Strings", "Set apart on each neck the CAGED box around its tonic\nCAGED")},
    {ID_VIEW_CAGED_FIRST,
     QT_TRANSLATE_NOOP("Strings", "Show the box of the C chord shape\nC Shape")},
    {ID_VIEW_CAGED_FIRST + 1,
     QT_TRANSLATE_NOOP("Strings", "Show the box of the A chord shape\nA Shape")},
    {ID_VIEW_CAGED_FIRST + 2,
     QT_TRANSLATE_NOOP("Strings", "Show the box of the G chord shape\nG Shape")},
    {ID_VIEW_CAGED_FIRST + 3,
     QT_TRANSLATE_NOOP("Strings", "Show the box of the E chord shape\nE Shape")},
    {ID_VIEW_CAGED_FIRST + 4,
     QT_TRANSLATE_NOOP("Strings", "Show the box of the D chord shape\nD Shape")},
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
