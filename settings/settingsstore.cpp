#include "settings/settingsstore.h"

#include "settings/conffile.h"
#include "settings/decimaltext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace {

class Store {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

// The bytes a value holds, as the registry would hand them back: text with its terminating
// zero, a list as zero-separated strings ending in an empty one, a byte array as it is.
QByteArray ValueBytes(const CIniValue& value) {
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

SettingsStore::~SettingsStore() {
    if (HasPendingWrites()) {
        FlushPending(kFinalLockWaitMs);
    }
}

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

std::optional<CIniValue> SettingsStore::StoredValue(const QString& subkey,
                                                    const QString& valueName) const {
    // A value still waiting to be written is what this program stored last.
    for (const PendingValue& pending : m_pending) {
        if (pending.subkey == subkey && pending.valueName == valueName) {
            CIniValue value;
            value.text = pending.text;
            return value;
        }
    }
    const QString file = FilePath();
    if (file.isEmpty()) {
        return std::nullopt;
    }
    const CConfFile::Contents contents = CConfFile(file).Read();
    if (contents.status != CConfFile::Contents::Status::Read) {
        return std::nullopt;
    }
    return CIniFile(contents.data).Value(subkey, valueName);
}

std::optional<QByteArray> SettingsStore::StoredBytes(const QString& subkey,
                                                     const QString& valueName) const {
    const std::optional<CIniValue> value = StoredValue(subkey, valueName);
    if (!value) {
        return std::nullopt;
    }
    QByteArray bytes = ValueBytes(*value);
    if (bytes.size() > kMaxValueBytes) {
        return std::nullopt;
    }
    return bytes;
}

int SettingsStore::ReadInt(const QString& subkey, const QString& valueName, int nDefault) const {
    const std::optional<QByteArray> bytes = StoredBytes(subkey, valueName);
    if (!bytes) {
        return nDefault;
    }
    return ParseDecimalInt(
               std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())))
        .value_or(nDefault);
}

int SettingsStore::ReadIntInRange(const QString& subkey, const QString& valueName, int nDefault,
                                  int nFirst, int nLast) const {
    const std::optional<QString> text = ReadText(subkey, valueName);
    if (!text) {
        return nDefault;
    }
    const std::optional<int> value = ParseWholeDecimalInt(text->toStdString());
    return value && *value >= nFirst && *value <= nLast ? *value : nDefault;
}

std::optional<QString> SettingsStore::ReadText(const QString& subkey,
                                               const QString& valueName) const {
    const std::optional<CIniValue> value = StoredValue(subkey, valueName);
    if (!value || value->kind != CIniValue::Kind::Text || value->text.size() > kMaxValueBytes) {
        return std::nullopt;
    }
    return value->text;
}

bool SettingsStore::WriteInt(const QString& subkey, const QString& valueName, int nValue) {
    return WriteText(subkey, valueName, QString::fromStdString(FormatDecimalInt(nValue)));
}

bool SettingsStore::WriteText(const QString& subkey, const QString& valueName,
                              const QString& text) {
    const auto same = [&](const PendingValue& pending) {
        return pending.subkey == subkey && pending.valueName == valueName;
    };
    // A newer change of a pending value replaces it, keeping its place.
    const auto found = std::find_if(m_pending.begin(), m_pending.end(), same);
    const bool wasPending = !m_pending.empty();
    if (found != m_pending.end()) {
        found->text = text;
    } else {
        m_pending.push_back({subkey, valueName, text});
    }
    // With a retry already on its way, this change joins it rather than waiting again.
    return FlushPending(wasPending ? 0 : CConfFile::kLockWaitMs);
}

bool SettingsStore::FlushPending(int nLockWaitMs) {
    if (m_pending.empty()) {
        return true;
    }
    const QString file = FilePath();
    if (file.isEmpty()) {
        m_pending.clear();
        return false;
    }
    // A garbled file (a quote left open, say) can swallow a new line: then nothing is written.
    const auto setValues = [this](CIniFile& ini) {
        for (const PendingValue& pending : m_pending) {
            ini.SetText(pending.subkey, pending.valueName, pending.text);
        }
        return std::all_of(m_pending.begin(), m_pending.end(), [&ini](const PendingValue& p) {
            const std::optional<CIniValue> stored = ini.Value(p.subkey, p.valueName);
            return stored && stored->kind == CIniValue::Kind::Text && stored->text == p.text;
        });
    };
    using Status = CConfFile::UpdateResult::Status;
    const CConfFile::UpdateResult result = CConfFile(file).Update(setValues, nLockWaitMs);
    switch (result.status) {
    case Status::Written:
        m_pending.clear();
        m_bFailureReported = false;
        return true;
    case Status::Abandoned:
        // The file as it stands cannot hold the values; keeping them would retry for ever.
        m_pending.clear();
        return false;
    case Status::Busy:
        ScheduleRetry(kBusyRetryMs);
        return false;
    case Status::Failed:
        break;
    }
    // Waiting alone does not mend this: the values are dropped, as the registry drops a failed
    // write, and the user is told once.
    m_pending.clear();
    if (!m_bFailureReported && m_failureHandler) {
        m_bFailureReported = true;
        m_failureHandler(Store::tr("Settings could not be saved to \"%1\": %2")
                             .arg(QDir::toNativeSeparators(file), result.reason));
    }
    return false;
}

void SettingsStore::ScheduleRetry(int nDelayMs) {
    // Without an event loop (a command-line run) the pending values are written when the store
    // goes.
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    if (!m_pRetry) {
        m_pRetry = std::make_unique<QTimer>();
        m_pRetry->setSingleShot(true);
        QObject::connect(m_pRetry.get(), &QTimer::timeout, [this] { FlushPending(0); });
    }
    m_pRetry->start(nDelayMs);
}

void SettingsStore::SetFailureHandler(std::function<void(const QString&)> handler) {
    m_failureHandler = std::move(handler);
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
