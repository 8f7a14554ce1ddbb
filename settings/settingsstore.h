#pragma once

#include "settings/inifile.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTimer;

// Integer settings kept as decimal text in an INI file per application, one group per subkey.
// Every call opens the file afresh and keeps nothing: no value is cached, and two running copies
// of the program share their values. A write changes only its own value, merged into the file as
// it is on disk at that moment, so changes of other windows and programs are kept. A write that
// cannot be made at once because another process holds the lock is kept, read back as the
// stored value, and tried again, several changes of one value becoming the last; whatever is
// still pending is written when the store goes. A write that fails for another reason (a lock
// that is a folder, a read-only disk) is dropped and reported once. No file content or file type in
// place of the settings file can hang or crash a call (see CConfFile), and a value is never
// taken as anything but decimal text.
class SettingsStore {
public:
    enum class Disposition {
        CreatedNewKey,
        OpenedExistingKey,
    };

    SettingsStore();
    virtual ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Binds the store to "<root>/<path>.conf" (the binding is kept even if what follows fails)
    // and creates that file and its folders when they are missing. False when the store cannot
    // be written; it then runs on defaults.
    bool Open(Disposition* pDisposition, const QString& rootFolder, QString path);

    // Binds the store without creating anything, for callers that only read.
    void Bind(const QString& rootFolder, QString path);

    // Reads as "%d" does: leading digits count, whatever follows them is ignored.
    int ReadInt(const QString& subkey, const QString& valueName, int nDefault) const;
    // Only a value that is exactly a whole decimal number from nFirst to nLast; else nDefault.
    int ReadIntInRange(const QString& subkey, const QString& valueName, int nDefault, int nFirst,
                       int nLast) const;
    // True when the value is in the file now; false when it is kept to be written later.
    bool WriteInt(const QString& subkey, const QString& valueName, int nValue);

    // A value stored as plain text (a list of numbers, say); nothing when it is missing or of
    // another kind.
    std::optional<QString> ReadText(const QString& subkey, const QString& valueName) const;
    // As WriteInt, for text.
    bool WriteText(const QString& subkey, const QString& valueName, const QString& text);

    bool HasPendingWrites() const { return !m_pending.empty(); }
    // Writes everything pending at once, waiting up to nLockWaitMs for the lock; true when
    // nothing is left pending.
    bool FlushPending(int nLockWaitMs);
    // Called with a one-line message the first time a write fails for a reason that waiting
    // alone does not mend (a lock that is a folder, a read-only disk), naming the file; called
    // again only after a write has succeeded since.
    void SetFailureHandler(std::function<void(const QString&)> handler);

    // The settings file this store is bound to; empty before Open.
    QString FilePath() const;
    // The application's settings folder, where other per-application files may sit beside it.
    QString Folder() const;

    // More stored data than this reads as the default, as an oversized value would.
    static constexpr int kMaxValueBytes = 260;

    // How long the store waits for the lock when it goes with writes still pending.
    static constexpr int kFinalLockWaitMs = 5000;

private:
    struct PendingValue {
        QString subkey;
        QString valueName;
        QString text;
    };
    // How soon a pending write is tried again: a busy lock is let go within milliseconds.
    static constexpr int kBusyRetryMs = 50;

    std::optional<CIniValue> StoredValue(const QString& subkey, const QString& valueName) const;
    std::optional<QByteArray> StoredBytes(const QString& subkey, const QString& valueName) const;
    void ScheduleRetry(int nDelayMs);

    QString m_strBasePath;
    QString m_strRootFolder;
    std::vector<PendingValue> m_pending;
    std::function<void(const QString&)> m_failureHandler;
    bool m_bFailureReported = false;
    std::unique_ptr<QTimer> m_pRetry;
};
