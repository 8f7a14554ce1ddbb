#include "app/recentfilelist.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QString EntryKey(int index) {
    return QStringLiteral("Recent File List/File%1").arg(index + 1);
}

} // namespace

CRecentFileList::CRecentFileList(QString strFile, int nSize)
    : m_strFile(std::move(strFile))
    , m_nSize(nSize) {}

void CRecentFileList::ReadList() {
    m_entries.clear();
    if (m_strFile.isEmpty() || !QFileInfo(m_strFile).isFile()) {
        return;
    }
    const QSettings profile(m_strFile, QSettings::IniFormat);
    for (int i = 0; i < m_nSize; ++i) {
        const QString path = profile.value(EntryKey(i)).toString();
        if (!path.isEmpty() && !m_entries.contains(path)) {
            m_entries.append(path);
        }
    }
}

void CRecentFileList::WriteList() const {
    if (m_strFile.isEmpty()) {
        return;
    }
    QSettings profile(m_strFile, QSettings::IniFormat);
    for (int i = 0; i < m_nSize; ++i) {
        if (i < m_entries.size()) {
            profile.setValue(EntryKey(i), m_entries.at(i));
        } else {
            profile.remove(EntryKey(i));
        }
    }
}

void CRecentFileList::Add(const QString& strPath) {
    const QString path = QFileInfo(strPath).absoluteFilePath();
    m_entries.removeAll(path);
    m_entries.prepend(path);
    while (m_entries.size() > m_nSize) {
        m_entries.removeLast();
    }
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex >= 0 && nIndex < m_entries.size()) {
        m_entries.removeAt(nIndex);
    }
}
