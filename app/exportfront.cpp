#include "app/exportfront.h"

#include "app/commandline.h"
#include "app/pictureexport.h"
#include "app/settingslocation.h"
#include "app/terminaltext.h"
#include "settings/filereplace.h"
#include "settings/settingsstore.h"
#include "settings/soundprefs.h"
#include "sound/playplan.h"
#include "sound/soundexport.h"
#include "sound/soundfontlocator.h"
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

// What Play All plays, or the one neck asked for, as a MIDI or WAV file.
int RunSoundExport(const CommandLineOptions& options, SoundFileFormat format) {
    const QString path = options.exportFile;
    CNeckDrawing drawing;
    if (const QString refused = SetUpDrawing(drawing, options); !refused.isEmpty()) {
        ReportError(refused);
        return kRefused;
    }
    SettingsStore store;
    BindSettingsForReading(store);
    SoundPrefs prefs = SoundPrefs::Load(store);
    prefs.tempoBpm = options.tempo.value_or(prefs.tempoBpm);
    std::vector<int> necks;
    if (options.neckOnly) {
        if (*options.neckOnly > drawing.NeckCount()) {
            ReportError(Export::tr("bad neck %1: there are %2 necks")
                            .arg(Quoted(QString::number(*options.neckOnly)))
                            .arg(drawing.NeckCount()));
            return kRefused;
        }
        necks.push_back(*options.neckOnly - 1);
    } else {
        for (int i = 0; i < drawing.NeckCount(); ++i) {
            necks.push_back(i);
        }
    }
    QString soundFont;
    if (format == SoundFileFormat::Wav) {
        soundFont = SoundFontLocator().Find(prefs.soundFont);
        if (soundFont.isEmpty()) {
            ReportError(Export::tr("cannot write %1: no General MIDI SoundFont found; install "
                                   "the %2 package or choose one in the Sound settings")
                            .arg(Quoted(path), QLatin1String(SoundFontLocator::kPackage)));
            return kWriteFailed;
        }
    }
    const RenderedSound sound =
        RenderSoundFile(PlanNecks(drawing, necks, prefs), format, soundFont, prefs.volumePercent);
    if (!sound.error.isEmpty()) {
        ReportError(Export::tr("cannot write %1: %2").arg(Quoted(path), sound.error));
        return kWriteFailed;
    }
    if (const QString error = ReplaceFile(path, sound.bytes); !error.isEmpty()) {
        ReportError(Export::tr("cannot write %1: %2").arg(Quoted(path), error));
        return kWriteFailed;
    }
    return 0;
}

} // namespace

int RunExport(const CommandLineOptions& options) {
    const QString path = options.exportFile;
    if (const std::optional<SoundFileFormat> sound = SoundFileFormatOf(path)) {
        return RunSoundExport(options, *sound);
    }
    const std::optional<PictureFormat> format = PictureFormatOf(path);
    if (!format) {
        ReportError(
            Export::tr("cannot export to %1: the file name must end in .png, .svg, .pdf, .mid "
                       "or .wav")
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
