#include "app/textfront.h"

#include "app/commandline.h"
#include "app/settingslocation.h"
#include "app/terminaltext.h"
#include "music/musicmodel.h"
#include "music/textdiagrams.h"
#include "settings/settingsstore.h"
#include "view/neckprefs.h"

int RunTextFront(const CommandLineOptions& options) {
    CMusicModel model;
    if (options.style) {
        model.m_nStyle = *options.style;
    } else {
        SettingsStore store;
        BindSettingsForReading(store);
        model.m_nStyle = store.ReadInt(QString::fromLatin1(NeckPrefs::kGroup),
                                       QString::fromLatin1(NeckPrefs::kStyle), 0);
    }
    if (options.key) {
        model.m_nKey = options.key->key;
        model.m_nAccidental = options.key->accidental;
        model.NormaliseKey();
    }
    return WriteToStdout(QByteArray::fromStdString(FormatDiagramsAsText(model)));
}
