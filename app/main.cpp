#include "app/commandline.h"
#include "app/exportfront.h"
#include "app/qtmessagefilter.h"
#include "app/terminaltext.h"
#include "app/textfront.h"
#include "app/translations.h"
#include "app/varnelapp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <optional>

namespace {

class Main {
    Q_DECLARE_TR_FUNCTIONS(Main)
};

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i) {
        arguments.append(QFile::decodeName(argv[i]));
    }
    return arguments;
}

// An argument that does not survive decoding (a file name that is not valid in the system's
// encoding) would be used under another name; it is refused instead.
std::optional<QString> UndecodableArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QFile::encodeName(QFile::decodeName(bytes)) != bytes) {
            QString shown;
            for (const char c : bytes) {
                const auto byte = static_cast<unsigned char>(c);
                shown += byte < 0x80 ? QString(QLatin1Char(c))
                                     : QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
            }
            return shown;
        }
    }
    return std::nullopt;
}

// The headless fronts keep Qt away from their arguments: Qt would take "--style pattern" for a
// widget style. Only the program's name is passed on.
struct ProgramNameOnly {
    explicit ProgramNameOnly(char** programArguments)
        : argv{programArguments[0], nullptr} {}
    int argc = 1;
    char* argv[2];
};

// Without a desktop session there is no runtime folder; make the one Qt would fall back to,
// quietly, so a command-line run prints nothing but its own messages.
void EnsureRuntimeFolder() {
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        return;
    }
    const QString folder = QDir::tempPath() + QStringLiteral("/runtime-") +
                           qEnvironmentVariable("USER", QStringLiteral("varnel"));
    QDir().mkpath(folder);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

// What could not be done, should Qt end the front that the command line asks for.
QString FailureText(const CommandLineOptions& options) {
    switch (options.mode) {
    case CommandLineOptions::Mode::Text:
        return Main::tr("cannot print the diagrams as text");
    case CommandLineOptions::Mode::Export:
        return Main::tr("cannot export");
    case CommandLineOptions::Mode::Window:
    case CommandLineOptions::Mode::Help:
    case CommandLineOptions::Mode::Version:
        break;
    }
    return options.printDirect ? Main::tr("cannot print") : Main::tr("cannot start");
}

// Reads the command line into `options` and answers what needs no front: a refusal, the help,
// the version. Returns the exit status when that is all the program does.
std::optional<int> AnswerCommandLine(int argc, char** argv, CommandLineOptions& options) {
    if (const std::optional<QString> bad = UndecodableArgument(argc, argv)) {
        ReportError(Main::tr("cannot use the argument \"%1\": it is not valid text in the "
                             "system's encoding; rename the file")
                        .arg(*bad));
        return 2;
    }
    options = ParseCommandLine(Arguments(argc, argv));
    if (!options.error.isEmpty()) {
        ReportError(options.error);
        return 2;
    }
    switch (options.mode) {
    case CommandLineOptions::Mode::Help:
        return WriteToStdout(CommandLineHelp().toLocal8Bit());
    case CommandLineOptions::Mode::Version:
        return WriteToStdout(CommandLineVersion().toLocal8Bit());
    case CommandLineOptions::Mode::Text:
    case CommandLineOptions::Mode::Export:
    case CommandLineOptions::Mode::Window:
        break;
    }
    return std::nullopt;
}

// Until the window is up, a failure is the program's one line; afterwards Qt speaks freely.
int RunWindow(int argc, char** argv, const CommandLineOptions& options, CTranslations& translations,
              std::optional<CQtMessageFilter>& quiet) {
    QApplication app(argc, argv);
    translations.Install();
    CVarnelApp varnel;
    if (!varnel.InitInstance(options)) {
        return varnel.ExitCode();
    }
    quiet.reset();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    ReopenClosedStandardStreams();
    QCoreApplication::setApplicationName(QStringLiteral("Varnel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Dovrane Software"));
    // Desktops match the window to its launcher and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.dovrane.varnel"));
    CTranslations translations(QLocale::system());
    CommandLineOptions options;
    std::optional<CQtMessageFilter> quiet;
    {
        // Refusals and the help speak the user's language, which needs an application object;
        // this one is gone before the front's own is made.
        ProgramNameOnly name(argv);
        const QCoreApplication reading(name.argc, name.argv);
        translations.Install();
        if (const std::optional<int> status = AnswerCommandLine(argc, argv, options)) {
            return *status;
        }
        // Worded now: Qt fails while the next application object is being made, before it
        // has any translation.
        quiet.emplace(FailureText(options));
    }
    switch (options.mode) {
    case CommandLineOptions::Mode::Text: {
        ProgramNameOnly name(argv);
        QCoreApplication app(name.argc, name.argv);
        translations.Install();
        return RunTextFront(options);
    }
    case CommandLineOptions::Mode::Export: {
        // The picture needs fonts and a paint device, never a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        EnsureRuntimeFolder();
        ProgramNameOnly name(argv);
        QApplication app(name.argc, name.argv);
        translations.Install();
        return RunExport(options);
    }
    case CommandLineOptions::Mode::Window:
    case CommandLineOptions::Mode::Help:
    case CommandLineOptions::Mode::Version:
        break;
    }
    return RunWindow(argc, argv, options, translations, quiet);
}
