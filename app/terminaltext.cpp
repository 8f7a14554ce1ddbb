#include "app/terminaltext.h"

#include <QCoreApplication>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

class Terminal {
    Q_DECLARE_TR_FUNCTIONS(Terminal)
};

constexpr std::size_t kMaxQuoted = 200;

bool& StandardOutputWasClosed() {
    static bool closed = false;
    return closed;
}

// C0 and C1 controls, DEL, the line and paragraph separators, and the bidirectional overrides
// that could make a name read differently from what it is.
bool NeedsEscape(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

QString Escaped(const QString& text, bool quoteMarks) {
    QString escaped;
    escaped.reserve(text.size() + 2);
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'\n':
            escaped += QLatin1String("\\n");
            continue;
        case U'\r':
            escaped += QLatin1String("\\r");
            continue;
        case U'\t':
            escaped += QLatin1String("\\t");
            continue;
        case U'\\':
            escaped += quoteMarks ? QLatin1String("\\\\") : QLatin1String("\\");
            continue;
        case U'"':
            escaped += quoteMarks ? QLatin1String("\\\"") : QLatin1String("\"");
            continue;
        default:
            break;
        }
        if (NeedsEscape(c)) {
            escaped += c <= 0xFF ? QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'))
                                 : QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        } else {
            escaped += QString::fromUcs4(&c, 1);
        }
    }
    return escaped;
}

} // namespace

QString Quoted(const QString& value) {
    // A message stays readable whatever was typed or found: a long value is cut.
    const std::u32string characters = value.toStdU32String();
    if (characters.size() > kMaxQuoted) {
        return QLatin1Char('"') +
               Escaped(QString::fromStdU32String(characters.substr(0, kMaxQuoted)), true) +
               QStringLiteral("...\"");
    }
    return QLatin1Char('"') + Escaped(value, true) + QLatin1Char('"');
}

QString OneLine(const QString& message) {
    return Escaped(message, false);
}

std::array<bool, 3> ReopenClosedStandardStreams() {
    std::array<bool, 3> closed{};
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        closed.at(static_cast<std::size_t>(fd)) = true;
        // open() takes the lowest free descriptor, which is this one.
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened != fd && opened >= 0) {
            ::close(opened);
        }
    }
    StandardOutputWasClosed() = closed[1];
    return closed;
}

void ReportError(const QString& message) {
    const QByteArray line = (QStringLiteral("varnel: ") + OneLine(message)).toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
}

int WriteToStdout(const QByteArray& bytes) {
    if (StandardOutputWasClosed()) {
        ReportError(Terminal::tr("cannot write to standard output: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(EBADF))));
        return 1;
    }
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()),
                                     stdout) == static_cast<std::size_t>(bytes.size());
    if (std::fflush(stdout) == 0 && written && std::ferror(stdout) == 0) {
        return 0;
    }
    const int error = errno;
    ReportError(Terminal::tr("cannot write to standard output: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(error != 0 ? error : EIO))));
    return 1;
}
