#pragma once

#include <QString>
#include <QStringList>

// The most recently opened documents, newest first, kept in a file of their own beside the
// settings so they never mix with the program's preferences.
class CRecentFileList {
public:
    CRecentFileList(QString strFile, int nSize);

    // A file that is missing, unusable or garbled gives an empty list; entries that are not
    // text are skipped.
    void ReadList();
    // False when the list could not be stored; the file is then as it was.
    bool WriteList() const;

    // Puts the path first, dropping an older entry for the same file and the oldest beyond
    // the list's size.
    void Add(const QString& strPath);
    void Remove(int nIndex);

    const QStringList& Entries() const { return m_entries; }
    int Size() const { return m_nSize; }

private:
    QString m_strFile;
    int m_nSize;
    QStringList m_entries;
};
