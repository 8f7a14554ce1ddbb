#include "settings/filereplace.h"

#include "settings/filedescriptor.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

class Replace {
    Q_DECLARE_TR_FUNCTIONS(Replace)
};

// As many links in a row as one export follows before giving up, as the kernel does at 40.
constexpr int kMaxLinks = 8;
// Keeps the partial file's name within NAME_MAX whatever the target's name.
constexpr qsizetype kMaxNameStem = 200;

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString NotRegular() {
    return Replace::tr("it is not a regular file");
}

struct Target {
    CFileDescriptor folder;
    QByteArray name;
    bool exists = false;
    mode_t mode = 0;
};

// A link here is one the kernel's protection for shared folders would refuse to follow.
bool IsForeignLinkInSharedFolder(int folder, const struct stat& link) {
    struct stat info {};
    if (::fstat(folder, &info) != 0) {
        return true;
    }
    const bool shared = (info.st_mode & S_ISVTX) != 0 && (info.st_mode & S_IWOTH) != 0;
    return shared && link.st_uid != ::geteuid() && link.st_uid != info.st_uid;
}

// Follows the link named `name` in `folder` by one step: its folder is opened (the kernel
// resolves that part) and its last part becomes the name.
QString StepThroughLink(Target& target) {
    QByteArray link(PATH_MAX, Qt::Uninitialized);
    const ssize_t length =
        ::readlinkat(target.folder.Get(), target.name.constData(), link.data(), PATH_MAX);
    if (length < 0) {
        return SystemReason(errno);
    }
    if (length >= PATH_MAX) {
        return SystemReason(ENAMETOOLONG);
    }
    link.truncate(length);
    const qsizetype slash = link.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? "/" : link.left(slash);
    CFileDescriptor next(
        ::openat(target.folder.Get(), folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!next.IsOpen()) {
        return SystemReason(errno);
    }
    target.folder = std::move(next);
    target.name = link.mid(slash + 1);
    return target.name.isEmpty() ? NotRegular() : QString();
}

QString FindTarget(const QString& path, Target& target) {
    const QFileInfo info(path);
    target.name = QFile::encodeName(info.fileName());
    if (target.name.isEmpty()) {
        return NotRegular();
    }
    target.folder = CFileDescriptor(
        ::open(QFile::encodeName(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!target.folder.IsOpen()) {
        return SystemReason(errno);
    }
    for (int hop = 0;; ++hop) {
        struct stat entry {};
        if (::fstatat(target.folder.Get(), target.name.constData(), &entry, AT_SYMLINK_NOFOLLOW) !=
            0) {
            if (errno != ENOENT) {
                return SystemReason(errno);
            }
            target.exists = false;
            return {};
        }
        if (!S_ISLNK(entry.st_mode)) {
            if (!S_ISREG(entry.st_mode)) {
                return NotRegular();
            }
            target.exists = true;
            target.mode = entry.st_mode & 07777;
            return {};
        }
        if (hop == kMaxLinks) {
            return SystemReason(ELOOP);
        }
        if (IsForeignLinkInSharedFolder(target.folder.Get(), entry)) {
            return Replace::tr("it is a link in a shared folder and belongs to someone else");
        }
        struct stat pointed {};
        if (::fstatat(target.folder.Get(), target.name.constData(), &pointed, 0) != 0) {
            return errno == ENOENT ? Replace::tr("it is a link to a file that does not exist")
                                   : SystemReason(errno);
        }
        if (const QString error = StepThroughLink(target); !error.isEmpty()) {
            return error;
        }
    }
}

QByteArray PartialName(const QByteArray& name) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray partial = name.left(kMaxNameStem) + kPartialInfix;
    for (int i = 0; i < 6; ++i) {
        partial += kAlphabet[QRandomGenerator::system()->bounded(int{sizeof kAlphabet} - 1)];
    }
    return partial;
}

bool WriteEverything(int fd, const QByteArray& data) {
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t step = ::write(fd, data.constData() + written,
                                     static_cast<std::size_t>(data.size() - written));
        if (step < 0 && errno == EINTR) {
            continue;
        }
        if (step <= 0) {
            if (step == 0) {
                errno = EIO;
            }
            return false;
        }
        written += step;
    }
    return true;
}

QString WriteAndRename(const Target& target, const QByteArray& data) {
    const int folder = target.folder.Get();
    QByteArray partial;
    CFileDescriptor file;
    for (int attempt = 0; attempt < 100 && !file.IsOpen(); ++attempt) {
        partial = PartialName(target.name);
        file =
            CFileDescriptor(::openat(folder, partial.constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!file.IsOpen() && errno != EEXIST) {
            return SystemReason(errno);
        }
    }
    if (!file.IsOpen()) {
        return SystemReason(EEXIST);
    }
    const bool written =
        (!target.exists || ::fchmod(file.Get(), target.mode) == 0) &&
        WriteEverything(file.Get(), data) && ::fsync(file.Get()) == 0 && file.Close() &&
        ::renameat(folder, partial.constData(), folder, target.name.constData()) == 0;
    if (!written) {
        const int error = errno;
        ::unlinkat(folder, partial.constData(), 0);
        return SystemReason(error);
    }
    return {};
}

} // namespace

QString ReplaceFile(const QString& path, const QByteArray& data) {
    Target target;
    if (QString error = FindTarget(path, target); !error.isEmpty()) {
        return error;
    }
    return WriteAndRename(target, data);
}
