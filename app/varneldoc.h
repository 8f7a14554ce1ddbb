#pragma once

#include <QString>

// The program's document: it holds no data and is never modified, so nothing is ever read,
// written or asked about on closing. Only its path is remembered, for the recent-file list.
class CVarnelDoc {
public:
    bool OnNewDocument();
    // True when the path names a regular file that can be opened for reading; nothing is read
    // from it.
    bool OnOpenDocument(const QString& strPath);

    const QString& GetPathName() const { return m_strPathName; }
    bool IsModified() const { return false; }

private:
    QString m_strPathName;
};
