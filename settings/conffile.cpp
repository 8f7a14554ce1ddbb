#include "settings/conffile.h"

#include "settings/filedescriptor.h"
#include "settings/filereplace.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class ConfFile {
    Q_DECLARE_TR_FUNCTIONS(ConfFile)
};

// Waits for the lock in short steps: another process holds it for a millisecond or two, and
// QLockFile's own wait sleeps 100 ms at a time.
CConfFile::UpdateResult TakeLock(QLockFile& lock, const QString& lockPath, int nWaitMs) {
    using Status = CConfFile::UpdateResult::Status;
    // QLockFile takes anything in the lock's place for a lock held by someone else, for ever.
    struct stat info {};
    if (::lstat(QFile::encodeName(lockPath).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return {Status::Failed,
                ConfFile::tr("its lock file %1 is not a file").arg(QFileInfo(lockPath).fileName())};
    }
    QElapsedTimer waited;
    waited.start();
    int sleepMs = 1;
    while (!lock.tryLock(0)) {
        switch (lock.error()) {
        case QLockFile::PermissionError:
        case QLockFile::UnknownError:
            return {Status::Failed, ConfFile::tr("its lock file cannot be made: %1")
                                        .arg(QString::fromLocal8Bit(std::strerror(errno)))};
        case QLockFile::NoError:
        case QLockFile::LockFailedError:
            break;
        }
        const qint64 left = nWaitMs - waited.elapsed();
        if (left <= 0) {
            return {Status::Busy, ConfFile::tr("another program holds its lock")};
        }
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(sleepMs, left)));
        sleepMs = std::min(sleepMs * 2, 16);
    }
    return {};
}

} // namespace

CConfFile::CConfFile(QString path)
    : m_path(std::move(path)) {}

CConfFile::Contents CConfFile::Read() const {
    using Status = Contents::Status;
    const QByteArray native = QFile::encodeName(m_path);
    const CFileDescriptor fd(
        ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) {
        return {errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unusable, {}};
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxBytes) {
        return {Status::Unusable, {}};
    }
    // Read to the end rather than to the size fstat gave: the file may grow meanwhile.
    QByteArray data(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == data.size()) {
            if (filled > kMaxBytes) {
                break;
            }
            data.resize(std::min<qsizetype>(2 * filled, kMaxBytes + 1));
        }
        const ssize_t got =
            ::read(fd.Get(), data.data() + filled, static_cast<std::size_t>(data.size() - filled));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return {Status::Unusable, {}};
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    if (filled > kMaxBytes) {
        return {Status::Unusable, {}};
    }
    data.truncate(filled);
    return {Status::Read, std::move(data)};
}

CConfFile::UpdateResult CConfFile::Update(const std::function<bool(CIniFile&)>& edit,
                                          int nLockWaitMs) const {
    using Status = UpdateResult::Status;
    if (m_path.isEmpty() || !QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        return {Status::Failed, ConfFile::tr("its folder cannot be made")};
    }
    const QString lockPath = m_path + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    lock.setStaleLockTime(kStaleLockMs);
    if (UpdateResult locked = TakeLock(lock, lockPath, nLockWaitMs);
        locked.status != Status::Written) {
        return locked;
    }
    Contents current = Read();
    if (current.status == Contents::Status::Unusable) {
        return {Status::Failed, ConfFile::tr("it is not a regular settings file")};
    }
    CIniFile ini(current.data);
    if (!edit(ini)) {
        return {Status::Abandoned, {}};
    }
    if (current.status == Contents::Status::Read && ini.Data() == current.data) {
        return {};
    }
    if (QString error = ReplaceFile(m_path, ini.Data()); !error.isEmpty()) {
        return {Status::Failed, error};
    }
    return {};
}

void CConfFile::RemoveStaleTemporaries() const {
    const QFileInfo file(m_path);
    const QString prefix = file.fileName() + QLatin1String(kPartialInfix);
    static const QRegularExpression suffix(QStringLiteral("^[A-Za-z0-9]{6}$"));
    const QDateTime old = QDateTime::currentDateTime().addSecs(-60);
    const QFileInfoList entries = file.absoluteDir().entryInfoList(
        {prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        const QString rest = entry.fileName().mid(prefix.size());
        if (!entry.isSymLink() && entry.fileName().startsWith(prefix) &&
            suffix.match(rest).hasMatch() && entry.lastModified() < old &&
            entry.ownerId() == ::geteuid()) {
            QFile::remove(entry.absoluteFilePath());
        }
    }
}
