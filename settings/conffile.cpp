#include "settings/conffile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return m_fd; }

private:
    int m_fd;
};

bool WriteAtomically(const QString& path, const QByteArray& data) {
    // The temporary file is made beside the target (or the target a link points to) and takes
    // its place only when everything was written; on failure QSaveFile removes it. Unbuffered,
    // because a buffered QSaveFile takes a short write on a full disk for success.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && WriteAll(file, data) &&
           file.commit();
}

} // namespace

bool WriteAll(QIODevice& device, const QByteArray& data) {
    qsizetype written = 0;
    while (written < data.size()) {
        const qint64 step = device.write(data.constData() + written, data.size() - written);
        if (step <= 0) {
            return false;
        }
        written += step;
    }
    return true;
}

CConfFile::CConfFile(QString path)
    : m_path(std::move(path)) {}

CConfFile::Contents CConfFile::Read() const {
    using Status = Contents::Status;
    const QByteArray native = QFile::encodeName(m_path);
    const FileDescriptor fd(
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

bool CConfFile::Update(const std::function<bool(CIniFile&)>& edit, int nLockWaitMs) const {
    if (m_path.isEmpty() || !QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        return false;
    }
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(nLockWaitMs)) {
        return false;
    }
    Contents current = Read();
    if (current.status == Contents::Status::Unusable) {
        return false;
    }
    CIniFile ini(current.data);
    if (!edit(ini)) {
        return false;
    }
    if (current.status == Contents::Status::Read && ini.Data() == current.data) {
        return true;
    }
    return WriteAtomically(m_path, ini.Data());
}

void CConfFile::RemoveStaleTemporaries() const {
    const QFileInfo file(m_path);
    const QDir folder = file.absoluteDir();
    static const QRegularExpression suffix(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    const QDateTime old = QDateTime::currentDateTime().addSecs(-60);
    const QFileInfoList entries = folder.entryInfoList(
        {file.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        const QString rest = entry.fileName().mid(file.fileName().size());
        if (!entry.isSymLink() && suffix.match(rest).hasMatch() && entry.lastModified() < old) {
            QFile::remove(entry.absoluteFilePath());
        }
    }
}
