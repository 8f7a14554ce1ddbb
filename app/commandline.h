#pragma once

#include "music/keyname.h"
#include "music/musicmodel.h"
#include "music/tuning.h"
#include "view/optionprefs.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for, parsed before any application object exists, so that the
// text and export fronts never need a display.
struct CommandLineOptions {
    enum class Mode {
        Window, // the program's window, optionally with a document path
        Text,   // --text: the diagrams as text on stdout
        Export, // --export FILE: PNG, SVG or PDF
        Help,
        Version,
    };

    Mode mode = Mode::Window;
    std::optional<KeyChoice> key;
    std::optional<int> style;
    std::optional<int> stringSpacing;
    std::optional<int> fretSpacing;
    std::optional<int> neckSpacing;
    std::optional<LabelKind> labels;
    std::optional<TuningMidi> tuning;
    std::optional<int> family;
    std::optional<bool> leftHanded;  // --left-handed or --right-handed
    std::optional<bool> fretNumbers; // --fret-numbers or --no-fret-numbers
    std::optional<SpellingKind> spelling;
    QString exportFile;
    std::optional<QSize> size;
    bool fit = false;       // --export: the whole drawing scaled into --size
    bool darkTheme = false; // --export: PNG and SVG in the dark screen colours
    QString documentPath;
    bool printDirect = false;
    QString error; // one line for stderr; when set, the program exits with status 2

    bool HasOverrides() const;
};

CommandLineOptions ParseCommandLine(const QStringList& arguments);

// The stored options with whatever the command line sets laid over them.
void ApplyCommandLine(const CommandLineOptions& options, OptionPrefs& prefs);
QString CommandLineHelp();
QString CommandLineVersion();

// Bounds of the spacings that the command line accepts.
inline constexpr int kMinCommandLineSpacing = 1;
inline constexpr int kMaxCommandLineSpacing = 1000;
