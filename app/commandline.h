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
    std::optional<int> frets;        // --frets N
    std::optional<bool> horizontal;  // --orientation horizontal or vertical
    std::optional<bool> openStrings; // --open-strings or --no-open-strings
    std::optional<PositionKind> positions;
    std::optional<CagedShape> caged;
    std::optional<bool> positionsOnly; // --positions-only or --no-positions-only
    std::optional<ChordKind> chordTones;
    std::optional<bool> characteristic; // --characteristic or --no-characteristic
    // --fret-window F-L, or "all"; checked against the instrument only once the stored values
    // are known, since the fret count may come from either.
    struct FretWindow {
        int first = 0;
        std::optional<int> last; // none: up to the instrument's last fret
        friend bool operator==(const FretWindow&, const FretWindow&) = default;
    };
    std::optional<FretWindow> fretWindow;
    QString exportFile;
    // --export FILE.mid or FILE.wav: the tempo, and the one neck played (1 the first).
    std::optional<int> tempo;
    std::optional<int> neckOnly;
    std::optional<QSize> size;
    bool fit = false;       // --export: the whole drawing scaled into --size
    bool darkTheme = false; // --export: PNG and SVG in the dark screen colours
    QString documentPath;
    bool printDirect = false;
    QString error; // one line for stderr; when set, the program exits with status 2

    bool HasOverrides() const;
};

CommandLineOptions ParseCommandLine(const QStringList& arguments);

// The stored options with whatever the command line sets laid over them. Returns one line for
// stderr (exit status 2) when the result is not a picture that can be drawn: a fret window
// beyond the frets in effect; prefs are then left as they were.
QString ApplyCommandLine(const CommandLineOptions& options, OptionPrefs& prefs);
QString CommandLineHelp();
QString CommandLineVersion();

// Bounds of the spacings that the command line accepts.
inline constexpr int kMinCommandLineSpacing = 1;
inline constexpr int kMaxCommandLineSpacing = 1000;
