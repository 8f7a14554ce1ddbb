#include "app/varneldoc.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool CVarnelDoc::OnNewDocument() {
    m_strPathName.clear();
    return true;
}

bool CVarnelDoc::OnOpenDocument(const QString& strPath) {
    // Opened without blocking, so a FIFO or a device in its place is refused at once instead of
    // waiting for a writer that never comes.
    const QByteArray native = QFile::encodeName(strPath);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    if (!regular) {
        return false;
    }
    m_strPathName = QFileInfo(strPath).absoluteFilePath();
    return true;
}
