#include "app/recentfilelist.h"

#include "settings/conffile.h"

#include <QFileInfo>

namespace {

const QString& ListGroup() {
    static const QString group = QStringLiteral("Recent File List");
    return group;
}

QString EntryKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

// Longer than any path the system takes: not an entry this program wrote.
constexpr qsizetype kMaxPathLength = 4096;

} // namespace

CRecentFileList::CRecentFileList(QString strFile, int nSize)
    : m_strFile(std::move(strFile))
    , m_nSize(nSize) {}

void CRecentFileList::ReadList() {
    m_entries.clear();
    if (m_strFile.isEmpty()) {
        return;
    }
    const CConfFile file(m_strFile);
    file.RemoveStaleTemporaries();
    const CConfFile::Contents contents = file.Read();
    if (contents.status != CConfFile::Contents::Status::Read) {
        return;
    }
    const CIniFile ini(contents.data);
    for (int i = 0; i < m_nSize; ++i) {
        const std::optional<CIniValue> value = ini.Value(ListGroup(), EntryKey(i));
        if (!value || value->kind != CIniValue::Kind::Text) {
            continue;
        }
        const QString& path = value->text;
        if (!path.isEmpty() && path.size() <= kMaxPathLength && !m_entries.contains(path)) {
            m_entries.append(path);
        }
    }
}

bool CRecentFileList::WriteList() const {
    if (m_strFile.isEmpty()) {
        return false;
    }
    return CConfFile(m_strFile)
               .Update([this](CIniFile& ini) {
                   for (int i = 0; i < m_nSize; ++i) {
                       if (i < m_entries.size()) {
                           ini.SetText(ListGroup(), EntryKey(i), m_entries.at(i));
                       } else {
                           ini.Remove(ListGroup(), EntryKey(i));
                       }
                   }
                   // A garbled file can swallow what was set; then it is left as it is.
                   for (int i = 0; i < m_entries.size(); ++i) {
                       const std::optional<CIniValue> stored = ini.Value(ListGroup(), EntryKey(i));
                       if (!stored || stored->text != m_entries.at(i)) {
                           return false;
                       }
                   }
                   return true;
               })
               .status == CConfFile::UpdateResult::Status::Written;
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
