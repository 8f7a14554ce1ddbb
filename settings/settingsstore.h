#pragma once

#include <QElapsedTimer>
#include <QString>

// Integer settings kept as decimal text in an INI file per application, one group per subkey.
// Every call opens the file afresh and keeps nothing: no value is cached, and two running copies
// of the program share their values (the last write wins). Failures are silent: a read falls back
// to the caller's default and a write reports false. No file content or file type in place of
// the settings file can hang or crash a call (see CConfFile), and a value is never taken as
// anything but decimal text.
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

    int ReadInt(const QString& subkey, const QString& valueName, int nDefault) const;
    bool WriteInt(const QString& subkey, const QString& valueName, int nValue);

    // The settings file this store is bound to; empty before Open.
    QString FilePath() const;
    // The application's settings folder, where other per-application files may sit beside it.
    QString Folder() const;

    // More stored data than this reads as the default, as an oversized value would.
    static constexpr int kMaxValueBytes = 260;

private:
    // How long writes skip waiting for a lock after one could not be had.
    static constexpr qint64 kLockBackoffMs = 2000;

    QString m_strBasePath;
    QString m_strRootFolder;
    QElapsedTimer m_lockFailure;
};
