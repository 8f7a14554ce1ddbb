#pragma once

#include <QDir>
#include <QDirIterator>
#include <QStringList>
#include <QTemporaryDir>

// Where the program keeps its settings below a test's own config folder.
inline QString SettingsFile(const QTemporaryDir& config) {
    return config.filePath(QStringLiteral("Dovrane Software/Varnel.conf"));
}

// Every file and folder below `root`, so a test can tell that nothing was created.
inline QStringList Entries(const QString& root) {
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        entries << it.next();
    }
    entries.sort();
    return entries;
}
