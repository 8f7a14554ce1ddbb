#pragma once

#include "music/keyname.h"

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
    QString exportFile;
    std::optional<QSize> size;
    QString documentPath;
    bool printDirect = false;
    QString error; // one line for stderr; when set, the program exits with status 2

    bool HasOverrides() const;
};

CommandLineOptions ParseCommandLine(const QStringList& arguments);
QString CommandLineHelp();
QString CommandLineVersion();

// Bounds of the spacings that the command line accepts.
inline constexpr int kMinCommandLineSpacing = 1;
inline constexpr int kMaxCommandLineSpacing = 1000;
