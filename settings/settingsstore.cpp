#include "settings/settingsstore.h"

#include "settings/conffile.h"
#include "settings/decimaltext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The bytes a value holds, as the registry would hand them back: text with its terminating
// zero, a list as zero-separated strings ending in an empty one, a byte array as it is.
QByteArray StoredBytes(const CIniValue& value) {
    switch (value.kind) {
    case CIniValue::Kind::Text:
        return value.text.toUtf8().append('\0');
    case CIniValue::Kind::List: {
        QByteArray bytes;
        for (const QString& item : value.list) {
            bytes += item.toUtf8().append('\0');
        }
        return bytes.append('\0');
    }
    case CIniValue::Kind::Bytes:
        break;
    }
    return value.bytes;
}

// Creates an empty regular file, or finds one there; anything else in its place is refused.
bool EnsureRegularFile(const QString& path, bool* pExisted) {
    const CConfFile::Contents contents = CConfFile(path).Read();
    if (contents.status != CConfFile::Contents::Status::Missing) {
        *pExisted = true;
        return contents.status == CConfFile::Contents::Status::Read;
    }
    *pExisted = false;
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

} // namespace

SettingsStore::SettingsStore()
    : m_strRootFolder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) {}

SettingsStore::~SettingsStore() = default;

void SettingsStore::Bind(const QString& rootFolder, QString path) {
    m_strBasePath = std::move(path);
    m_strRootFolder = rootFolder;
}

bool SettingsStore::Open(Disposition* pDisposition, const QString& rootFolder, QString path) {
    Bind(rootFolder, std::move(path));
    const QString file = FilePath();
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath())) {
        return false;
    }
    bool existed = false;
    if (!EnsureRegularFile(file, &existed)) {
        return false;
    }
    CConfFile(file).RemoveStaleTemporaries();
    if (pDisposition != nullptr) {
        *pDisposition = existed ? Disposition::OpenedExistingKey : Disposition::CreatedNewKey;
    }
    return true;
}

int SettingsStore::ReadInt(const QString& subkey, const QString& valueName, int nDefault) const {
    const QString file = FilePath();
    if (file.isEmpty()) {
        return nDefault;
    }
    const CConfFile::Contents contents = CConfFile(file).Read();
    if (contents.status != CConfFile::Contents::Status::Read) {
        return nDefault;
    }
    const std::optional<CIniValue> value = CIniFile(contents.data).Value(subkey, valueName);
    if (!value) {
        return nDefault;
    }
    const QByteArray bytes = StoredBytes(*value);
    if (bytes.size() > kMaxValueBytes) {
        return nDefault;
    }
    return ParseDecimalInt(
               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
        .value_or(nDefault);
}

bool SettingsStore::WriteInt(const QString& subkey, const QString& valueName, int nValue) {
    const QString file = FilePath();
    if (file.isEmpty()) {
        return false;
    }
    const QString text = QString::fromStdString(FormatDecimalInt(nValue));
    // After a lock that could not be had, the next writes do not wait for it again at once: a
    // window being dragged writes many times a second.
    const bool recentlyBlocked =
        m_lockFailure.isValid() && !m_lockFailure.hasExpired(kLockBackoffMs);
    // A garbled file (a quote left open, say) can swallow the new line: then nothing is written.
    const auto setValue = [&](CIniFile& ini) {
        ini.SetText(subkey, valueName, text);
        const std::optional<CIniValue> stored = ini.Value(subkey, valueName);
        return stored && stored->kind == CIniValue::Kind::Text && stored->text == text;
    };
    const bool written =
        CConfFile(file).Update(setValue, recentlyBlocked ? 0 : CConfFile::kLockWaitMs);
    if (written) {
        m_lockFailure.invalidate();
    } else {
        m_lockFailure.start();
    }
    return written;
}

QString SettingsStore::FilePath() const {
    if (m_strBasePath.isEmpty() || m_strRootFolder.isEmpty()) {
        return {};
    }
    return m_strRootFolder + QLatin1Char('/') + m_strBasePath + QStringLiteral(".conf");
}

QString SettingsStore::Folder() const {
    const QString file = FilePath();
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}
