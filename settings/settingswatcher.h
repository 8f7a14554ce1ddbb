#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

// Tells when the settings file's contents change on disk, whoever changed them: another window,
// another program, the user's editor. The file is replaced whole on every write, so its folder
// is watched too, and a burst of changes is told once.
class CSettingsWatcher : public QObject {
    Q_OBJECT

public:
    CSettingsWatcher(QString filePath, QObject* pParent = nullptr);
    ~CSettingsWatcher() override;
    Q_DISABLE_COPY_MOVE(CSettingsWatcher)

Q_SIGNALS:
    void changed();

private:
    void Look();

    QString m_strFile;
    QByteArray m_lastSeen;
    QFileSystemWatcher* m_pWatcher = nullptr;
    QTimer* m_pSettle = nullptr;
};
