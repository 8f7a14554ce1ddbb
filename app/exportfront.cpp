#include "app/exportfront.h"

#include "app/commandline.h"
#include "app/pictureexport.h"
#include "app/settingslocation.h"
#include "app/terminaltext.h"
#include "settings/settingsstore.h"
#include "view/neckdrawing.h"
#include "view/neckprefs.h"
#include "view/optionprefs.h"

#include <QCoreApplication>

namespace {

constexpr int kRefused = 2;
constexpr int kWriteFailed = 1;

class Export {
    Q_DECLARE_TR_FUNCTIONS(Export)
};

// The stored preferences, then whatever the command line overrides. Returns why they cannot
// be combined, or an empty text.
QString SetUpDrawing(CNeckDrawing& drawing, const CommandLineOptions& options) {
    SettingsStore store;
    BindSettingsForReading(store);
    LoadNeckPrefs(drawing, store);
    OptionPrefs prefs = OptionPrefs::Load(store);
    if (QString refused = ApplyCommandLine(options, prefs); !refused.isEmpty()) {
        return refused;
    }
    prefs.ApplyTo(drawing);
    if (options.key) {
        drawing.m_nKey = options.key->key;
        drawing.m_nAccidental = options.key->accidental;
        drawing.NormaliseKey();
    }
    if (options.style) {
        drawing.m_nStyle = *options.style;
    }
    if (options.stringSpacing) {
        drawing.m_nStringSpacing = *options.stringSpacing;
    }
    if (options.fretSpacing) {
        drawing.m_nFretSpacing = *options.fretSpacing;
    }
    if (options.neckSpacing) {
        drawing.m_nNeckSpacing = *options.neckSpacing;
    }
    return {};
}

} // namespace

int RunExport(const CommandLineOptions& options) {
    const QString path = options.exportFile;
    const std::optional<PictureFormat> format = PictureFormatOf(path);
    if (!format) {
        ReportError(Export::tr("cannot export to %1: the file name must end in .png, .svg or .pdf")
                        .arg(Quoted(path)));
        return kRefused;
    }
    CNeckDrawing drawing;
    if (const QString refused = SetUpDrawing(drawing, options); !refused.isEmpty()) {
        ReportError(refused);
        return kRefused;
    }
    PictureRequest request;
    request.format = *format;
    request.size = options.size;
    request.fit = options.fit;
    request.dark = options.darkTheme;
    const QString error = WritePicture(drawing, path, request);
    if (!error.isEmpty()) {
        ReportError(Export::tr("cannot write %1: %2").arg(Quoted(path), error));
        return kWriteFailed;
    }
    return 0;
}
