#pragma once

#include "settings/inifile.h"

#include <QByteArray>
#include <QString>

#include <functional>

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

    struct UpdateResult {
        enum class Status {
            Written,   // the file holds the edit (or already did)
            Busy,      // another process held the lock throughout the wait: worth trying again
            Failed,    // reason says why; trying again only helps once that is mended
            Abandoned, // `edit` declined
        };
        Status status = Status::Written;
        QString reason;
    };

    explicit CConfFile(QString path);

    const QString& Path() const { return m_path; }

    Contents Read() const;

    // Under the file's lock, hands the contents as they are on disk now (a missing file is
    // empty) to `edit` and writes the result if it differs, so edits of other processes made
    // meanwhile are kept. Anything but Written leaves the file as it was.
    UpdateResult Update(const std::function<bool(CIniFile&)>& edit,
                        int nLockWaitMs = kLockWaitMs) const;

    // Removes what only this program writes and a writer killed mid-write can leave beside the
    // file: its own partial files, older than a minute. Nothing else is ever removed.
    void RemoveStaleTemporaries() const;

private:
    QString m_path;
};
