#include "settings/inifile.h"

#include <QByteArrayView>

#include <algorithm>
#include <iterator>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

bool IsPlainNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsHexDigit(char16_t c) {
    return c < 0x80 && HexValue(static_cast<char>(c)) >= 0;
}

// One logical line: a section header, a key with its value, or anything else (a comment, a line
// without '='). A quoted value or an escaped line break carries it over several physical lines.
struct Line {
    qsizetype start = 0;
    qsizetype end = 0;     // before the terminator, or before a ';' that starts a comment
    qsizetype equals = -1; // the first '=' outside quotes
};

bool NextLine(QByteArrayView data, qsizetype& pos, Line& line) {
    const qsizetype size = data.size();
    qsizetype i = pos;
    while (i < size && (IsBlank(data[i]) || IsLineBreak(data[i]))) {
        ++i;
    }
    if (i == size) {
        pos = i;
        return false;
    }
    line = Line{i, i, -1};
    if (data[i] == ';') {
        while (i < size && !IsLineBreak(data[i])) {
            ++i;
        }
        line.end = pos = i;
        return true;
    }
    bool quoted = false;
    for (; i < size; ++i) {
        const char c = data[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\') {
            // The escaped character never ends the line; an escaped CR LF is one break.
            if (i + 1 < size) {
                ++i;
                if (i + 1 < size && IsLineBreak(data[i]) && IsLineBreak(data[i + 1]) &&
                    data[i] != data[i + 1]) {
                    ++i;
                }
            }
        } else if (c == '=') {
            if (!quoted && line.equals < 0) {
                line.equals = i;
            }
        } else if ((IsLineBreak(c) || c == ';') && !quoted) {
            break;
        }
    }
    line.end = pos = i;
    return true;
}

// A name as the file writes it: '\' stands for '/', %XX and %UXXXX for other characters.
QString UnescapedName(QByteArrayView raw) {
    const QString decoded = QString::fromUtf8(raw.trimmed());
    QString name;
    name.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const QChar c = decoded.at(i);
        if (c == QLatin1Char('\\')) {
            name += QLatin1Char('/');
            continue;
        }
        if (c != QLatin1Char('%')) {
            name += c;
            continue;
        }
        const bool wide = i + 1 < decoded.size() && decoded.at(i + 1) == QLatin1Char('U');
        const qsizetype digits = wide ? 4 : 2;
        const qsizetype first = i + (wide ? 2 : 1);
        bool ok = false;
        const ushort code =
            first + digits <= decoded.size() ? decoded.mid(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            name += c;
            continue;
        }
        name += QChar(code);
        i = first + digits - 1;
    }
    return name;
}

QByteArray EscapedName(const QString& name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray escaped;
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            escaped += '\\';
        } else if (c < 0x80 && IsPlainNameChar(static_cast<char>(c))) {
            escaped += static_cast<char>(c);
        } else if (c <= 0xFF) {
            escaped += '%';
            escaped += kHex[c >> 4];
            escaped += kHex[c & 0xF];
        } else {
            escaped += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) {
                escaped += kHex[(c >> shift) & 0xF];
            }
        }
    }
    return escaped;
}

bool IsPlainName(QByteArrayView raw) {
    for (const char c : raw) {
        if (!IsPlainNameChar(c)) {
            return false;
        }
    }
    return !raw.isEmpty();
}

// The group a section header opens; "General" is the file's top level.
QString SectionName(QByteArrayView header) {
    QByteArrayView inside = header.sliced(1);
    const qsizetype close = inside.indexOf(']');
    if (close >= 0) {
        inside = inside.first(close);
    }
    inside = inside.trimmed();
    if (inside.compare("general", Qt::CaseInsensitive) == 0) {
        return {};
    }
    if (inside.compare("%general", Qt::CaseInsensitive) == 0) {
        return QString::fromLatin1(inside.sliced(1));
    }
    return UnescapedName(inside);
}

// Decodes a stored value: quoted runs, backslash escapes, and commas that make it a list.
struct DecodedValue {
    bool isList = false;
    QString text;
    QStringList list;
};

void ChopBlanks(QString& text, qsizetype limit) {
    while (text.size() > limit && (text.endsWith(QLatin1Char(' ')) || text.endsWith(u'\t'))) {
        text.chop(1);
    }
}

DecodedValue DecodeValue(QByteArrayView raw) {
    DecodedValue value;
    bool inQuotes = false;
    bool itemQuoted = false;
    qsizetype chopLimit = 0;
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < raw.size() && IsBlank(raw[i])) {
            ++i;
        }
    };
    skipBlanks();
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            ++i;
            if (i >= raw.size()) {
                break;
            }
            const char e = raw[i++];
            static constexpr char kCodes[][2] = {
                {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
                {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            const auto* named = std::find_if(std::begin(kCodes), std::end(kCodes),
                                             [e](const auto& code) { return code[0] == e; });
            if (named != std::end(kCodes)) {
                value.text += QLatin1Char((*named)[1]);
            } else if (e == 'x' || (e >= '0' && e <= '7')) {
                const int base = e == 'x' ? 16 : 8;
                const bool anyDigit = base == 8 || (i < raw.size() && HexValue(raw[i]) >= 0);
                char16_t code = base == 8 ? static_cast<char16_t>(e - '0') : 0;
                for (; i < raw.size(); ++i) {
                    const int digit = HexValue(raw[i]);
                    if (digit < 0 || digit >= base) {
                        break;
                    }
                    code = static_cast<char16_t>(code * base + digit);
                }
                if (anyDigit) {
                    value.text += QChar(code);
                }
            } else if (IsLineBreak(e) && i < raw.size() && IsLineBreak(raw[i]) && raw[i] != e) {
                ++i; // an escaped CR LF continues the value on the next line
            }
            chopLimit = value.text.size();
        } else if (c == '"') {
            ++i;
            itemQuoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
            }
            chopLimit = value.text.size();
        } else if (c == ',' && !inQuotes) {
            if (!itemQuoted) {
                ChopBlanks(value.text, chopLimit);
            }
            value.isList = true;
            value.list.append(value.text);
            value.text.clear();
            itemQuoted = false;
            chopLimit = 0;
            ++i;
            skipBlanks();
        } else {
            qsizetype j = i + 1;
            while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',') {
                ++j;
            }
            value.text += QString::fromUtf8(raw.sliced(i, j - i));
            i = j;
        }
    }
    if (!itemQuoted) {
        ChopBlanks(value.text, chopLimit);
    }
    if (value.isList) {
        value.list.append(value.text);
        value.text.clear();
    }
    return value;
}

// "@@..." is text that begins with '@'; "@Type(...)" is a stored type, of which only byte arrays
// are taken. Nothing else is ever interpreted.
enum class Marked {
    Text,
    Bytes,
    OtherType,
};

Marked Classify(QString& text) {
    if (!text.startsWith(QLatin1Char('@'))) {
        return Marked::Text;
    }
    if (text.startsWith(QLatin1String("@@"))) {
        text.remove(0, 1);
        return Marked::Text;
    }
    if (!text.endsWith(QLatin1Char(')'))) {
        return Marked::Text;
    }
    return text.startsWith(QLatin1String("@ByteArray(")) ? Marked::Bytes : Marked::OtherType;
}

std::optional<CIniValue> Interpret(DecodedValue decoded) {
    CIniValue value;
    if (decoded.isList) {
        for (QString& item : decoded.list) {
            if (Classify(item) != Marked::Text) {
                return std::nullopt;
            }
        }
        value.kind = CIniValue::Kind::List;
        value.list = std::move(decoded.list);
        return value;
    }
    switch (Classify(decoded.text)) {
    case Marked::Text:
        value.text = std::move(decoded.text);
        return value;
    case Marked::Bytes: {
        constexpr qsizetype kPrefix = 11; // "@ByteArray("
        value.kind = CIniValue::Kind::Bytes;
        value.bytes = decoded.text.mid(kPrefix, decoded.text.size() - kPrefix - 1).toLatin1();
        return value;
    }
    case Marked::OtherType:
        break;
    }
    return std::nullopt;
}

bool Matches(QByteArrayView rawKey, const QString& section, const QString& group,
             const QString& key) {
    // The common case, plain ASCII names, is compared without decoding anything.
    if (IsPlainName(rawKey)) {
        return section == group && key.size() == rawKey.size() &&
               key == QLatin1String(rawKey.data(), rawKey.size());
    }
    const QString name = UnescapedName(rawKey);
    const QString path = section.isEmpty() ? name : section + QLatin1Char('/') + name;
    return path == group + QLatin1Char('/') + key;
}

QByteArray LineBreakAt(QByteArrayView data, qsizetype pos) {
    return pos < data.size() && data[pos] == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

} // namespace

CIniFile::CIniFile(QByteArray data)
    : m_data(std::move(data)) {}

CIniFile::Placement CIniFile::Find(const QString& group, const QString& key) const {
    QByteArrayView data(m_data);
    qsizetype pos = 0;
    // A byte-order mark is not part of the first line.
    if (data.startsWith("\xEF\xBB\xBF")) {
        pos = 3;
    }
    Placement placement;
    QString section;
    bool inGroup = false;
    Line line;
    while (NextLine(data, pos, line)) {
        const QByteArrayView text = data.sliced(line.start, line.end - line.start);
        if (text.startsWith('[')) {
            section = SectionName(text);
            inGroup = section == group;
            if (inGroup) {
                placement.sectionEnd = line.end;
            }
            continue;
        }
        if (text.startsWith(';')) {
            continue;
        }
        if (inGroup) {
            placement.sectionEnd = line.end;
        }
        if (line.equals < 0) {
            continue;
        }
        const QByteArrayView rawKey = data.sliced(line.start, line.equals - line.start).trimmed();
        if (Matches(rawKey, section, group, key)) {
            qsizetype valueStart = line.equals + 1;
            while (valueStart < line.end && IsBlank(data[valueStart])) {
                ++valueStart;
            }
            placement.last = Definition{line.start, valueStart, line.end};
        }
    }
    return placement;
}

std::optional<CIniValue> CIniFile::Value(const QString& group, const QString& key) const {
    const Placement placement = Find(group, key);
    if (!placement.last) {
        return std::nullopt;
    }
    const Definition& found = *placement.last;
    return Interpret(DecodeValue(
        QByteArrayView(m_data).sliced(found.valueStart, found.lineEnd - found.valueStart)));
}

void CIniFile::SetText(const QString& group, const QString& key, const QString& text) {
    const QByteArray value = EscapedText(text);
    const Placement placement = Find(group, key);
    if (placement.last) {
        const Definition& found = *placement.last;
        m_data.replace(found.valueStart, found.lineEnd - found.valueStart, value);
        return;
    }
    const QByteArray entry = EscapedName(key) + '=' + value;
    if (placement.sectionEnd >= 0) {
        const QByteArray lineBreak = LineBreakAt(m_data, placement.sectionEnd);
        QByteArray insertion = lineBreak + entry;
        if (placement.sectionEnd == m_data.size()) {
            insertion += lineBreak;
        }
        m_data.insert(placement.sectionEnd, insertion);
        return;
    }
    if (!m_data.isEmpty()) {
        if (!IsLineBreak(m_data.back())) {
            m_data += '\n';
        }
        m_data += '\n';
    }
    QByteArray header = EscapedName(group);
    if (header.isEmpty()) {
        header = "General";
    } else if (header.compare("general", Qt::CaseInsensitive) == 0) {
        header.prepend('%');
    }
    m_data += '[' + header + "]\n" + entry + '\n';
}

void CIniFile::Remove(const QString& group, const QString& key) {
    // Each pass removes the last definition, so earlier positions stay valid; there are few.
    for (std::optional<Definition> found = Find(group, key).last; found;
         found = Find(group, key).last) {
        qsizetype end = found->lineEnd;
        if (end < m_data.size() && IsLineBreak(m_data.at(end))) {
            const char first = m_data.at(end++);
            if (end < m_data.size() && IsLineBreak(m_data.at(end)) && m_data.at(end) != first) {
                ++end;
            }
        }
        m_data.remove(found->lineStart, end - found->lineStart);
    }
}

QByteArray CIniFile::EscapedText(const QString& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    QByteArray escaped;
    escaped.reserve(text.size() + 2);
    bool needsQuotes = false;
    bool afterHexEscape = false;
    // Text that begins with '@' would read back as a stored type.
    if (text.startsWith(QLatin1Char('@'))) {
        escaped += '@';
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        needsQuotes = needsQuotes || c == u';' || c == u',' || c == u'=';
        // A digit right after a numeric escape would extend it.
        const bool extendsEscape = afterHexEscape && IsHexDigit(c);
        afterHexEscape = false;
        if (c == u'\n') {
            escaped += "\\n";
        } else if (c == u'\r') {
            escaped += "\\r";
        } else if (c == u'\t') {
            escaped += "\\t";
        } else if (c == u'"' || c == u'\\') {
            escaped += '\\';
            escaped += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F || extendsEscape) {
            escaped += "\\x";
            escaped += kHex[c >> 4];
            escaped += kHex[c & 0xF];
            afterHexEscape = true;
        } else if (c < 0x80) {
            escaped += static_cast<char>(c);
        } else {
            const bool pair =
                QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            escaped += QStringView(text).sliced(i, pair ? 2 : 1).toUtf8();
            i += pair ? 1 : 0;
        }
    }
    if (needsQuotes || escaped.startsWith(' ') || escaped.endsWith(' ')) {
        escaped.prepend('"');
        escaped += '"';
    }
    return escaped;
}
