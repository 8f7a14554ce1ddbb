// Writes one value through the program's settings store, as a separate process would, and says
// by its exit status whether the value landed: settingswriter ROOT KEY VALUE.
#include "settings/settingsstore.h"

#include <QString>

int main(int argc, char** argv) {
    if (argc != 4) {
        return 2;
    }
    SettingsStore store;
    store.Bind(QString::fromLocal8Bit(argv[1]), QStringLiteral("Dovrane Software/Varnel"));
    store.WriteInt(QStringLiteral("Load"), QString::fromLocal8Bit(argv[2]),
                   QString::fromLocal8Bit(argv[3]).toInt());
    return store.FlushPending(SettingsStore::kFinalLockWaitMs) ? 0 : 1;
}
