#include "app/commandline.h"
#include "tests/fuzz/fuzzcheck.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

// The bytes are argv after the program's name, each argument ended by a zero byte (the last one
// may go without), decoded as main() decodes argv.
QStringList Arguments(const std::uint8_t* data, std::size_t size) {
    QList<QByteArray> pieces =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0');
    if (pieces.constLast().isEmpty()) {
        pieces.removeLast();
    }
    QStringList arguments{QStringLiteral("varnel")};
    for (const QByteArray& piece : pieces) {
        arguments.append(QString::fromLocal8Bit(piece));
    }
    return arguments;
}

bool IsControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

// The text with its control characters spelled out, for the report of a broken invariant.
QByteArray Visible(const QString& text) {
    QByteArray visible;
    for (const QChar c : text) {
        visible += IsControl(c) ? QByteArray("\\x") + QByteArray::number(c.unicode(), 16)
                                : QString(c).toUtf8();
    }
    return visible;
}

bool InRange(const std::optional<int>& value, int low, int high) {
    return !value || (*value >= low && *value <= high);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CommandLineOptions options = ParseCommandLine(Arguments(data, size));
    if (!options.error.isEmpty()) {
        // The error is printed as one line after "varnel: ", whatever the user typed.
        if (std::any_of(options.error.cbegin(), options.error.cend(), IsControl)) {
            std::fprintf(stderr, "error text: %s\n", Visible(options.error).constData());
            FuzzCheck(false, "an error is a single line without control characters");
        }
        return 0;
    }
    for (const auto* spacing :
         {&options.stringSpacing, &options.fretSpacing, &options.neckSpacing}) {
        FuzzCheck(InRange(*spacing, kMinCommandLineSpacing, kMaxCommandLineSpacing),
                  "an accepted spacing lies within the command line's bounds");
    }
    FuzzCheck(!options.size || (options.size->width() >= 1 && options.size->height() >= 1),
              "an accepted size is at least one pixel each way");
    FuzzCheck(InRange(options.frets, CMusicModel::kMinFrets, CMusicModel::kMaxFrets),
              "an accepted fret count is one an instrument can have");
    const auto& window = options.fretWindow;
    FuzzCheck(!window || !window->last ||
                  (window->first >= 0 && window->first < *window->last &&
                   *window->last <= options.frets.value_or(CMusicModel::kMaxFrets)),
              "an accepted fret window runs upwards within the frets");
    return 0;
}
