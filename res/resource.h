#pragma once

// Resource and command ids. The numbers are kept as the program has always numbered them, so
// that an action, a control or a dialog can be found by the same id everywhere.

// Shared by the menu, accelerators, toolbar, icon and document template.
constexpr int IDR_MAINFRAME = 128;

// Dialogs and the hand cursor of the links.
constexpr int IDD_ABOUT = 100;
constexpr int IDD_PREFERENCES = 130;
constexpr int IDC_LINK_HAND = 119;

// Status-bar pane that only sets the width of the second pane.
constexpr int ID_INDICATOR_BLANK = 103;

// The program's own commands.
constexpr int ID_KEY_B = 32771;
constexpr int ID_KEY_C = 32772;
constexpr int ID_KEY_D = 32773;
constexpr int ID_KEY_E = 32774;
constexpr int ID_KEY_F = 32775;
constexpr int ID_KEY_G = 32776;
constexpr int ID_KEY_A = 32777;
constexpr int ID_EDIT_PREFERENCES = 32778;
constexpr int ID_KEY_FLAT = 32779;
constexpr int ID_KEY_NATURAL = 32780;
constexpr int ID_KEY_SHARP = 32781;
constexpr int ID_VIEW_ZOOM_IN = 32782;
constexpr int ID_VIEW_ZOOM_OUT = 32783;
constexpr int ID_VIEW_ACTUAL_SIZE = 32784;
constexpr int ID_VIEW_FIT = 32785;
constexpr int ID_FILE_EXPORT = 32786;
constexpr int ID_VIEW_LEFT_HANDED = 32787;
constexpr int ID_VIEW_FRET_NUMBERS = 32788;
constexpr int ID_VIEW_TUNING_CUSTOM = 32789;
// Consecutive ids: one per label kind, scale family and tuning preset, in their order.
constexpr int ID_VIEW_LABELS_FIRST = 32790; // to 32793: none, notes, degrees, intervals
constexpr int ID_VIEW_FAMILY_FIRST = 32794; // to 32796: major, harmonic, melodic minor
constexpr int ID_VIEW_TUNING_FIRST = 32797; // to 32803: the tuning presets
// The label kind that came after the ids above were taken.
constexpr int ID_VIEW_LABELS_EXTENSIONS = 32804;
constexpr int ID_VIEW_SPELLING_FIRST = 32805; // to 32806: simple, as the key's scale writes it
// The presets after the six-string guitar's, which found the ids above taken.
constexpr int ID_VIEW_TUNING_MORE_FIRST = 32807; // to 32811: 7- and 8-string, 4- to 6-string bass
constexpr int ID_VIEW_ORIENTATION_FIRST = 32812; // to 32813: vertical, horizontal
constexpr int ID_VIEW_OPEN_STRINGS = 32814;
constexpr int ID_VIEW_WHOLE_NECK = 32815;
constexpr int ID_VIEW_FRET_WINDOW = 32816;
constexpr int ID_VIEW_FRETS_FIRST = 32817;     // to 32829: instruments of 12 to 24 frets
constexpr int ID_VIEW_POSITIONS_FIRST = 32830; // to 32832: all, three per string, window
constexpr int ID_VIEW_POSITIONS_ONLY = 32833;
constexpr int ID_VIEW_CHORD_TONES_FIRST = 32834; // to 32836: none, triad, seventh
constexpr int ID_VIEW_CHARACTERISTIC = 32837;
// The scale families after the first three, which found the ids after those taken.
constexpr int ID_VIEW_FAMILY_MORE_FIRST = 32860; // to 32865: harmonic major to diminished
constexpr int ID_VIEW_POSITIONS_CAGED = 32866;
constexpr int ID_VIEW_CAGED_FIRST = 32867; // to 32871: the C, A, G, E and D shapes

// Commands whose numbers come from the application framework.
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_DIRECT = 57608;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_FILE_MRU_FILE1 = 57616;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;

// Framework strings.
constexpr int AFX_IDS_APP_TITLE = 57344;
constexpr int AFX_IDS_IDLEMESSAGE = 57345;

// Controls.
constexpr int IDC_FLAT = 1100;
constexpr int IDC_NATURAL = 1101;
constexpr int IDC_SHARP = 1102;
constexpr int IDC_STRING_SPACING = 1000;
constexpr int IDC_FRET_SPACING = 1001;
constexpr int IDC_NECK_SPACING = 1002;
constexpr int IDC_KEEP_KEY_FIXED = 1003;
constexpr int IDC_KEEP_PATTERN_FIXED = 1004;
constexpr int IDC_MAIL_LINK = 1042;
constexpr int IDC_WEB_LINK = 1043;
