#pragma once

#include "settings/inifile.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

// Writes every byte or fails: a write that stops short (a full disk reports the shortfall only
// on the next attempt) is carried on until the device gives its error, which errorString() then
// names.
bool WriteAll(QIODevice& device, const QByteArray& data);

// One settings file on disk, read and replaced so that no file content or file type can hang,
// crash or cost the program data: only a regular file of at most kMaxBytes is read (opened
// without blocking, so a FIFO or a device is refused at once), a change is written under a lock
// that is waited for only briefly, and the file is replaced atomically or not at all.
class CConfFile final {
public:
    // Larger files are not settings the program wrote: they read as unusable and are never
    // replaced, so whatever they hold is kept.
    static constexpr qint64 kMaxBytes = qint64{1} << 20;
    static constexpr int kLockWaitMs = 200;
    // A lock this old is left over from a process that died while writing.
    static constexpr int kStaleLockMs = 5000;

    struct Contents {
        enum class Status {
            Missing,  // no such file (or folder): reads as empty
            Read,     // data holds the file
            Unusable, // not a regular file, too large, or unreadable
        };
        Status status = Status::Missing;
        QByteArray data;
    };

    explicit CConfFile(QString path);

    const QString& Path() const { return m_path; }

    Contents Read() const;

    // Under the file's lock, hands the current contents (a missing file is empty) to `edit` and
    // writes the result if it differs. False, with the file as it was, when the folder cannot be
    // made, the lock is not had within nLockWaitMs, the file is unusable, `edit` returns false,
    // or the write fails.
    bool Update(const std::function<bool(CIniFile&)>& edit, int nLockWaitMs = kLockWaitMs) const;

    // Removes what a writer killed mid-write can leave beside the file: "<name>.XXXXXX"
    // temporaries older than a minute.
    void RemoveStaleTemporaries() const;

private:
    QString m_path;
};
