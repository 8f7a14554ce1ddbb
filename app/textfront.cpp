#include "app/textfront.h"

#include "app/commandline.h"
#include "app/settingslocation.h"
#include "app/terminaltext.h"
#include "music/musicmodel.h"
#include "music/textdiagrams.h"
#include "settings/settingsstore.h"
#include "view/neckprefs.h"
#include "view/optionprefs.h"

namespace {

constexpr int kRefused = 2;

} // namespace

int RunTextFront(const CommandLineOptions& options) {
    SettingsStore store;
    BindSettingsForReading(store);
    CMusicModel model;
    model.m_nStyle = options.style ? *options.style
                                   : store.ReadInt(QString::fromLatin1(NeckPrefs::kGroup),
                                                   QString::fromLatin1(NeckPrefs::kStyle), 0);
    if (options.key) {
        model.m_nKey = options.key->key;
        model.m_nAccidental = options.key->accidental;
        model.NormaliseKey();
    }
    OptionPrefs prefs = OptionPrefs::Load(store);
    if (const QString refused = ApplyCommandLine(options, prefs); !refused.isEmpty()) {
        ReportError(refused);
        return kRefused;
    }
    prefs.ApplyTo(model);
    TextDiagramOptions text;
    text.leftHanded = prefs.leftHanded;
    text.degreeLabels = prefs.labels == LabelKind::Degrees;
    text.labels = prefs.labels;
    text.horizontal = prefs.horizontal;
    text.openStrings = prefs.openStrings;
    text.firstFret = prefs.firstFret;
    text.lastFret = prefs.lastFret;
    text.positions = prefs.positions;
    text.caged = prefs.caged;
    text.positionsOnly = prefs.positionsOnly;
    text.chordTones = prefs.chordTones;
    text.characteristic = prefs.characteristic;
    return WriteToStdout(QByteArray::fromStdString(FormatDiagramsAsText(model, text)));
}
