#include "app/commandline.h"
#include "app/exportfront.h"
#include "app/textfront.h"
#include "app/varnelapp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
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

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Varnel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Dovrane Software"));
    const CommandLineOptions options = ParseCommandLine(Arguments(argc, argv));
    if (!options.error.isEmpty()) {
        Print(stderr, QStringLiteral("varnel: %1\n").arg(options.error));
        return 2;
    }
    switch (options.mode) {
    case CommandLineOptions::Mode::Help:
        Print(stdout, CommandLineHelp());
        return 0;
    case CommandLineOptions::Mode::Version:
        Print(stdout, CommandLineVersion());
        return 0;
    case CommandLineOptions::Mode::Text: {
        ProgramNameOnly name(argv);
        QCoreApplication app(name.argc, name.argv);
        return RunTextFront(options);
    }
    case CommandLineOptions::Mode::Export: {
        // The picture needs fonts and a paint device, never a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        EnsureRuntimeFolder();
        ProgramNameOnly name(argv);
        QApplication app(name.argc, name.argv);
        return RunExport(options);
    }
    case CommandLineOptions::Mode::Window:
        break;
    }
    QApplication app(argc, argv);
    CVarnelApp varnel;
    if (!varnel.InitInstance(options)) {
        return varnel.ExitCode();
    }
    return QApplication::exec();
}
