#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// A value as the INI files of Qt's settings class store it: plain text, a comma-separated list
// of texts, or an "@ByteArray(...)" value. Any other stored type ("@Variant(...)", "@Rect(...)"
// and the like) is never interpreted.
struct CIniValue {
    enum class Kind {
        Text,
        List,
        Bytes,
    };

    Kind kind = Kind::Text;
    QString text;     // Text
    QStringList list; // List
    QByteArray bytes; // Bytes
};

// The bytes of one INI file, read and edited in place. Lookups scan the text afresh and keep no
// parsed copy; edits change only the line of the value they set (or add one), so every other
// group, key, comment and line ending stays byte for byte as it was. Scanning is linear in the
// size of the text, whatever it holds.
class CIniFile final {
public:
    CIniFile() = default;
    explicit CIniFile(QByteArray data);

    const QByteArray& Data() const { return m_data; }

    // The last definition of group/key; nothing when there is none or when it holds another
    // type than text, a list of texts or a byte array. Names are compared case-sensitively.
    std::optional<CIniValue> Value(const QString& group, const QString& key) const;

    // Replaces the last definition of group/key with the text, or adds the key at the end of
    // the group's last section, or a new section at the end of the file.
    void SetText(const QString& group, const QString& key, const QString& text);

    // Removes every definition of group/key.
    void Remove(const QString& group, const QString& key);

    // The text as it is written after "key=": quoted and escaped so that it reads back as the
    // same text.
    static QByteArray EscapedText(const QString& text);

private:
    struct Definition {
        qsizetype lineStart = -1;
        qsizetype valueStart = -1;
        qsizetype lineEnd = -1; // just past the value, before the line terminator
    };
    struct Placement {
        std::optional<Definition> last; // the last definition of the key
        qsizetype sectionEnd = -1;      // where a new key of the group goes; -1 without a section
    };

    Placement Find(const QString& group, const QString& key) const;

    QByteArray m_data;
};
