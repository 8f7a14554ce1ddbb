#include "settings/settingswatcher.h"

#include "settings/conffile.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace {

// Long enough for a writer's lock, partial file and rename to count as one change.
constexpr int kSettleMs = 100;

} // namespace

CSettingsWatcher::CSettingsWatcher(QString filePath, QObject* pParent)
    : QObject(pParent)
    , m_strFile(std::move(filePath))
    , m_pWatcher(new QFileSystemWatcher(this))
    , m_pSettle(new QTimer(this)) {
    m_pSettle->setSingleShot(true);
    m_pSettle->setInterval(kSettleMs);
    connect(m_pSettle, &QTimer::timeout, this, &CSettingsWatcher::Look);
    if (m_strFile.isEmpty()) {
        return;
    }
    m_lastSeen = CConfFile(m_strFile).Read().data;
    m_pWatcher->addPath(QFileInfo(m_strFile).absolutePath());
    if (QFileInfo::exists(m_strFile)) {
        m_pWatcher->addPath(m_strFile);
    }
    const auto settle = [this] { m_pSettle->start(); };
    connect(m_pWatcher, &QFileSystemWatcher::directoryChanged, this, settle);
    connect(m_pWatcher, &QFileSystemWatcher::fileChanged, this, settle);
}

CSettingsWatcher::~CSettingsWatcher() = default;

void CSettingsWatcher::Look() {
    // A file replaced by a rename is a new file: it is watched afresh.
    if (!m_pWatcher->files().contains(m_strFile) && QFileInfo::exists(m_strFile)) {
        m_pWatcher->addPath(m_strFile);
    }
    QByteArray now = CConfFile(m_strFile).Read().data;
    if (now == m_lastSeen) {
        return;
    }
    m_lastSeen = std::move(now);
    Q_EMIT changed();
}
