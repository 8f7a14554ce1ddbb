#include "settings/settingsstore.h"

#include "settings/decimaltext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace {

QString ValueKey(const QString& subkey, const QString& valueName) {
    return subkey + QLatin1Char('/') + valueName;
}

// The bytes a value holds, as the registry would hand them back: text with its terminating
// zero, a list as zero-separated strings ending in an empty one, a byte array as it is.
std::optional<QByteArray> StoredBytes(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString().toUtf8().append('\0');
    case QMetaType::QStringList: {
        QByteArray bytes;
        for (const QString& item : value.toStringList()) {
            bytes += item.toUtf8().append('\0');
        }
        return bytes.append('\0');
    }
    case QMetaType::QByteArray:
        return value.toByteArray();
    default:
        if (value.canConvert<QString>()) {
            return value.toString().toUtf8().append('\0');
        }
        return std::nullopt;
    }
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
    const bool existed = QFileInfo::exists(file);
    QFile settingsFile(file);
    if (!settingsFile.open(QIODevice::ReadWrite | QIODevice::Append)) {
        return false;
    }
    if (pDisposition != nullptr) {
        *pDisposition = existed ? Disposition::OpenedExistingKey : Disposition::CreatedNewKey;
    }
    return true;
}

int SettingsStore::ReadInt(const QString& subkey, const QString& valueName, int nDefault) const {
    const QString file = FilePath();
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        return nDefault;
    }
    const QSettings settings(file, QSettings::IniFormat);
    const auto bytes = StoredBytes(settings.value(ValueKey(subkey, valueName)));
    if (!bytes || bytes->size() > kMaxValueBytes) {
        return nDefault;
    }
    return ParseDecimalInt(
               std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())))
        .value_or(nDefault);
}

bool SettingsStore::WriteInt(const QString& subkey, const QString& valueName, int nValue) {
    const QString file = FilePath();
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath())) {
        return false;
    }
    QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return false;
    }
    const QString text = QString::fromStdString(FormatDecimalInt(nValue));
    settings.setValue(ValueKey(subkey, valueName), text);
    settings.sync();
    if (settings.status() != QSettings::FormatError) {
        return settings.status() == QSettings::NoError;
    }
    // The old contents did not parse. The file was written anyway, but QSettings keeps only its
    // first error, so whether that write worked is hidden: a second pass has nothing to read or
    // write again only if it did.
    QSettings check(file, QSettings::IniFormat);
    check.sync();
    return check.status() == QSettings::NoError &&
           check.value(ValueKey(subkey, valueName)).toString() == text;
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
