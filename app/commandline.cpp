#include "app/commandline.h"

#include "app/pictureexport.h"

#include "app/terminaltext.h"

#include "settings/decimaltext.h"
#include "settings/soundprefs.h"
#include "sound/soundexport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption text{QStringLiteral("text")};
    QCommandLineOption exportFile{QStringLiteral("export"), QString(), QStringLiteral("FILE")};
    QCommandLineOption key{QStringLiteral("key"), QString(), QStringLiteral("K")};
    QCommandLineOption style{QStringLiteral("style"), QString(), QStringLiteral("STYLE")};
    QCommandLineOption stringSpacing{QStringLiteral("string"), QString(), QStringLiteral("N")};
    QCommandLineOption fretSpacing{QStringLiteral("fret"), QString(), QStringLiteral("N")};
    QCommandLineOption neckSpacing{QStringLiteral("neck"), QString(), QStringLiteral("N")};
    QCommandLineOption size{QStringLiteral("size"), QString(), QStringLiteral("WxH")};
    QCommandLineOption fit{QStringLiteral("fit")};
    QCommandLineOption theme{QStringLiteral("theme"), QString(), QStringLiteral("THEME")};
    QCommandLineOption labels{QStringLiteral("labels"), QString(), QStringLiteral("KIND")};
    QCommandLineOption leftHanded{QStringLiteral("left-handed")};
    QCommandLineOption rightHanded{QStringLiteral("right-handed")};
    QCommandLineOption tuning{QStringLiteral("tuning"), QString(), QStringLiteral("TUNING")};
    QCommandLineOption family{QStringLiteral("family"), QString(), QStringLiteral("FAMILY")};
    QCommandLineOption fretNumbers{QStringLiteral("fret-numbers")};
    QCommandLineOption noFretNumbers{QStringLiteral("no-fret-numbers")};
    QCommandLineOption spelling{QStringLiteral("spelling"), QString(), QStringLiteral("SPELLING")};
    QCommandLineOption frets{QStringLiteral("frets"), QString(), QStringLiteral("N")};
    QCommandLineOption fretWindow{QStringLiteral("fret-window"), QString(), QStringLiteral("F-L")};
    QCommandLineOption orientation{QStringLiteral("orientation"), QString(),
                                   QStringLiteral("ORIENTATION")};
    QCommandLineOption openStrings{QStringLiteral("open-strings")};
    QCommandLineOption noOpenStrings{QStringLiteral("no-open-strings")};
    QCommandLineOption positions{QStringLiteral("positions"), QString(),
                                 QStringLiteral("POSITIONS")};
    QCommandLineOption caged{QStringLiteral("caged"), QString(), QStringLiteral("SHAPE")};
    QCommandLineOption positionsOnly{QStringLiteral("positions-only")};
    QCommandLineOption noPositionsOnly{QStringLiteral("no-positions-only")};
    QCommandLineOption chordTones{QStringLiteral("chord-tones"), QString(),
                                  QStringLiteral("CHORD")};
    QCommandLineOption characteristic{QStringLiteral("characteristic")};
    QCommandLineOption noCharacteristic{QStringLiteral("no-characteristic")};
    QCommandLineOption tempo{QStringLiteral("tempo"), QString(), QStringLiteral("N")};
    QCommandLineOption neckOnly{QStringLiteral("neck-only"), QString(), QStringLiteral("N")};
    QCommandLineOption print{QStringLiteral("print")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};

    Parser() {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({text,        exportFile,     key,
                           style,       stringSpacing,  fretSpacing,
                           neckSpacing, size,           fit,
                           theme,       labels,         leftHanded,
                           rightHanded, tuning,         family,
                           fretNumbers, noFretNumbers,  spelling,
                           frets,       fretWindow,     orientation,
                           openStrings, noOpenStrings,  positions,
                           caged,       positionsOnly,  noPositionsOnly,
                           chordTones,  characteristic, noCharacteristic,
                           tempo,       neckOnly,       print,
                           help,        version});
        AddQtOptions();
    }

    // QApplication takes its own options (-platform offscreen, -style ...) out of the
    // arguments later; they are accepted here and otherwise ignored.
    void AddQtOptions() {
        for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                                 "qwindowgeometry", "qwindowicon", "qwindowtitle", "display",
                                 "geometry", "stylesheet", "session", "title", "name"}) {
            QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("V"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
            QCommandLineOption option(QString::fromLatin1(name));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
};

std::optional<int> ParseSpacing(const QString& value) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < kMinCommandLineSpacing || number > kMaxCommandLineSpacing) {
        return std::nullopt;
    }
    return number;
}

std::optional<QSize> ParseSize(const QString& value) {
    const QStringList parts = value.split(QLatin1Char('x'));
    if (parts.size() != 2) {
        return std::nullopt;
    }
    constexpr int kMaxSide = 16384;
    bool okWidth = false;
    bool okHeight = false;
    const int width = parts[0].toInt(&okWidth);
    const int height = parts[1].toInt(&okHeight);
    if (!okWidth || !okHeight || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) {
        return std::nullopt;
    }
    return QSize(width, height);
}

// A preset's name or 4 to 8 note names, lowest string first.
bool ReadTuning(const QString& value, CommandLineOptions& opts) {
    const std::string text = value.toStdString();
    if (const TuningPreset* preset = FindTuningPreset(text)) {
        opts.tuning = preset->midi;
        return true;
    }
    const TuningParse parsed = ParseTuning(text);
    if (parsed.midi) {
        opts.tuning = parsed.midi;
        return true;
    }
    QStringList names;
    for (const TuningPreset& preset : TuningPresets()) {
        names << QString::fromLatin1(preset.id.data(), static_cast<qsizetype>(preset.id.size()));
    }
    const QString accepted =
        CommandLine::tr("use %1, or 4 to 8 note names, lowest string first (for example \"D A "
                        "D G B E\" or \"B0 E1 A1 D2 G2\")")
            .arg(names.join(QStringLiteral(", ")));
    if (!parsed.badEntry.empty()) {
        opts.error =
            CommandLine::tr("bad tuning %1: %2 is not a note; %3")
                .arg(Quoted(value), Quoted(QString::fromStdString(parsed.badEntry)), accepted);
    } else {
        opts.error = CommandLine::tr("bad tuning %1: it has %2 notes, not 4 to 8; %3")
                         .arg(Quoted(value))
                         .arg(parsed.count)
                         .arg(accepted);
    }
    return false;
}

// "5-9" or "all"; the window is checked against the frets in effect later, when they are known.
bool ReadFretWindow(const QString& value, CommandLineOptions& opts) {
    if (value == QLatin1String("all")) {
        opts.fretWindow = CommandLineOptions::FretWindow{};
        return true;
    }
    static const QRegularExpression kWindow(QStringLiteral("^([0-9]{1,9})-([0-9]{1,9})$"));
    const QRegularExpressionMatch match = kWindow.match(value);
    if (!match.hasMatch()) {
        opts.error = CommandLine::tr("bad fret window %1: use FIRST-LAST (for example 5-9), or "
                                     "all for the whole neck")
                         .arg(Quoted(value));
        return false;
    }
    const int first = match.captured(1).toInt();
    const int last = match.captured(2).toInt();
    const int frets = opts.frets.value_or(CMusicModel::kMaxFrets);
    if (first >= last) {
        opts.error = CommandLine::tr("bad fret window %1: the first fret must be below the last")
                         .arg(Quoted(value));
        return false;
    }
    if (last > frets) {
        opts.error = opts.frets ? CommandLine::tr("bad fret window %1: the instrument has %2 frets")
                                      .arg(Quoted(value))
                                      .arg(frets)
                                : CommandLine::tr("bad fret window %1: no instrument has more "
                                                  "than %2 frets")
                                      .arg(Quoted(value))
                                      .arg(frets);
        return false;
    }
    opts.fretWindow = CommandLineOptions::FretWindow{first, last};
    return true;
}

// The strings, the frets, the window on them and how the necks lie.
bool ReadInstrument(const Parser& p, CommandLineOptions& opts) {
    if (p.parser.isSet(p.tuning) && !ReadTuning(p.parser.value(p.tuning), opts)) {
        return false;
    }
    if (p.parser.isSet(p.frets)) {
        const QString value = p.parser.value(p.frets);
        opts.frets = ParseWholeDecimalInt(value.toStdString());
        if (!opts.frets || *opts.frets < CMusicModel::kMinFrets ||
            *opts.frets > CMusicModel::kMaxFrets) {
            opts.frets.reset();
            opts.error = CommandLine::tr("bad frets %1: use a whole number from %2 to %3")
                             .arg(Quoted(value))
                             .arg(CMusicModel::kMinFrets)
                             .arg(CMusicModel::kMaxFrets);
            return false;
        }
    }
    if (p.parser.isSet(p.fretWindow) && !ReadFretWindow(p.parser.value(p.fretWindow), opts)) {
        return false;
    }
    if (p.parser.isSet(p.orientation)) {
        const QString value = p.parser.value(p.orientation);
        if (value != QLatin1String("vertical") && value != QLatin1String("horizontal")) {
            opts.error = CommandLine::tr("bad orientation %1: use vertical or horizontal")
                             .arg(Quoted(value));
            return false;
        }
        opts.horizontal = value == QLatin1String("horizontal");
    }
    return true;
}

// Reads the options that shape a picture; returns false with opts.error set on a bad value.
// pictureMode: --text or --export, where every value must be the program's own.
bool ReadPictureOptions(const Parser& p, CommandLineOptions& opts, bool pictureMode) {
    if (p.parser.isSet(p.key)) {
        const QString value = p.parser.value(p.key);
        opts.key = ParseKeyName(value.toStdString());
        if (!opts.key) {
            opts.error =
                CommandLine::tr("bad key %1: use a letter A to G, optionally followed by b, "
                                "#, \u266D or \u266F (for example Eb or F#)")
                    .arg(Quoted(value));
            return false;
        }
    }
    if (p.parser.isSet(p.style)) {
        const QString value = p.parser.value(p.style);
        if (value == QLatin1String("key")) {
            opts.style = 0;
        } else if (value == QLatin1String("pattern")) {
            opts.style = 1;
        } else if (!pictureMode) {
            // The window's mode: Qt takes any other name as a widget style ("-style Fusion").
        } else {
            opts.error = CommandLine::tr("bad style %1: use key or pattern").arg(Quoted(value));
            return false;
        }
    }
    if (p.parser.isSet(p.labels)) {
        const QString value = p.parser.value(p.labels);
        static const QStringList kinds{QStringLiteral("none"), QStringLiteral("notes"),
                                       QStringLiteral("degrees"), QStringLiteral("intervals"),
                                       QStringLiteral("extensions")};
        if (!kinds.contains(value)) {
            opts.error =
                CommandLine::tr("bad labels %1: use none, notes, degrees, intervals or extensions")
                    .arg(Quoted(value));
            return false;
        }
        opts.labels = static_cast<LabelKind>(kinds.indexOf(value));
    }
    if (p.parser.isSet(p.family)) {
        const QString value = p.parser.value(p.family);
        QStringList families;
        for (const FamilyDefinition& family : kScaleFamilies) {
            families << QString::fromLatin1(family.option.data(),
                                            static_cast<qsizetype>(family.option.size()));
        }
        if (!families.contains(value)) {
            opts.error = CommandLine::tr("bad family %1: use %2")
                             .arg(Quoted(value), families.join(QStringLiteral(", ")));
            return false;
        }
        opts.family = static_cast<int>(families.indexOf(value));
    }
    if (!ReadInstrument(p, opts)) {
        return false;
    }
    if (p.parser.isSet(p.spelling)) {
        const QString value = p.parser.value(p.spelling);
        if (value == QLatin1String("simple")) {
            opts.spelling = SpellingKind::Simple;
        } else if (value == QLatin1String("scale")) {
            opts.spelling = SpellingKind::Scale;
        } else {
            opts.error = CommandLine::tr("bad spelling %1: use simple or scale").arg(Quoted(value));
            return false;
        }
    }
    if (p.parser.isSet(p.positions)) {
        const QString value = p.parser.value(p.positions);
        static const QStringList kinds{QStringLiteral("all"), QStringLiteral("3nps"),
                                       QStringLiteral("window"), QStringLiteral("caged")};
        if (!kinds.contains(value)) {
            opts.error = CommandLine::tr("bad positions %1: use all, 3nps, caged or window")
                             .arg(Quoted(value));
            return false;
        }
        opts.positions = static_cast<PositionKind>(kinds.indexOf(value));
    }
    if (p.parser.isSet(p.caged)) {
        const QString value = p.parser.value(p.caged);
        static const QStringList shapes{QStringLiteral("C"), QStringLiteral("A"),
                                        QStringLiteral("G"), QStringLiteral("E"),
                                        QStringLiteral("D")};
        if (!shapes.contains(value, Qt::CaseInsensitive)) {
            opts.error =
                CommandLine::tr("bad CAGED shape %1: use C, A, G, E or D").arg(Quoted(value));
            return false;
        }
        opts.caged = static_cast<CagedShape>(shapes.indexOf(value.toUpper()));
        // A shape alone asks to see it.
        if (!opts.positions) {
            opts.positions = PositionKind::Caged;
        }
    }
    if (p.parser.isSet(p.chordTones)) {
        const QString value = p.parser.value(p.chordTones);
        static const QStringList kinds{QStringLiteral("none"), QStringLiteral("triad"),
                                       QStringLiteral("seventh")};
        if (!kinds.contains(value)) {
            opts.error = CommandLine::tr("bad chord tones %1: use none, triad or seventh")
                             .arg(Quoted(value));
            return false;
        }
        opts.chordTones = static_cast<ChordKind>(kinds.indexOf(value));
    }
    // Each switch has its opposite, so that a stored choice can be undone for one run.
    const struct {
        const QCommandLineOption& on;
        const QCommandLineOption& off;
        std::optional<bool>& target;
    } switches[] = {{p.leftHanded, p.rightHanded, opts.leftHanded},
                    {p.fretNumbers, p.noFretNumbers, opts.fretNumbers},
                    {p.openStrings, p.noOpenStrings, opts.openStrings},
                    {p.positionsOnly, p.noPositionsOnly, opts.positionsOnly},
                    {p.characteristic, p.noCharacteristic, opts.characteristic}};
    for (const auto& option : switches) {
        const bool on = p.parser.isSet(option.on);
        const bool off = p.parser.isSet(option.off);
        if (on && off) {
            opts.error = CommandLine::tr("--%1 and --%2 cannot be used together")
                             .arg(option.on.names().constFirst(), option.off.names().constFirst());
            return false;
        }
        if (on || off) {
            option.target = on;
        }
    }
    const struct {
        const QCommandLineOption& option;
        std::optional<int>& target;
    } spacings[] = {{p.stringSpacing, opts.stringSpacing},
                    {p.fretSpacing, opts.fretSpacing},
                    {p.neckSpacing, opts.neckSpacing}};
    for (const auto& spacing : spacings) {
        if (!p.parser.isSet(spacing.option)) {
            continue;
        }
        const QString value = p.parser.value(spacing.option);
        spacing.target = ParseSpacing(value);
        if (!spacing.target) {
            opts.error =
                CommandLine::tr("bad --%1 spacing %2: use a whole number of pixels from %3 "
                                "to %4")
                    .arg(spacing.option.names().constFirst(), Quoted(value))
                    .arg(kMinCommandLineSpacing)
                    .arg(kMaxCommandLineSpacing);
            return false;
        }
    }
    return true;
}

} // namespace

bool CommandLineOptions::HasOverrides() const {
    return key || style || stringSpacing || fretSpacing || neckSpacing || labels || tuning ||
           family || leftHanded || fretNumbers || spelling || frets || horizontal || openStrings ||
           fretWindow || positions || caged || positionsOnly || chordTones || characteristic;
}

// --tempo and --neck-only, which only a MIDI or WAV export has a use for. The neck is checked
// against the number of necks once the family is known.
bool ReadSoundOptions(const Parser& p, CommandLineOptions& opts, bool soundExport) {
    if ((p.parser.isSet(p.tempo) || p.parser.isSet(p.neckOnly)) && !soundExport) {
        opts.error =
            CommandLine::tr("--tempo and --neck-only are only for --export FILE.mid or FILE.wav");
        return false;
    }
    if (p.parser.isSet(p.tempo)) {
        const QString value = p.parser.value(p.tempo);
        opts.tempo = ParseWholeDecimalInt(value.toStdString());
        if (!opts.tempo || *opts.tempo < SoundPrefs::kMinTempo ||
            *opts.tempo > SoundPrefs::kMaxTempo) {
            opts.tempo.reset();
            opts.error = CommandLine::tr("bad tempo %1: use a whole number from %2 to %3")
                             .arg(Quoted(value))
                             .arg(SoundPrefs::kMinTempo)
                             .arg(SoundPrefs::kMaxTempo);
            return false;
        }
    }
    if (p.parser.isSet(p.neckOnly)) {
        const QString value = p.parser.value(p.neckOnly);
        opts.neckOnly = ParseWholeDecimalInt(value.toStdString());
        if (!opts.neckOnly || *opts.neckOnly < 1) {
            opts.neckOnly.reset();
            opts.error = CommandLine::tr("bad neck %1: use a whole number from 1 to the number of "
                                         "necks")
                             .arg(Quoted(value));
            return false;
        }
    }
    return true;
}

CommandLineOptions ParseCommandLine(const QStringList& arguments) {
    CommandLineOptions opts;
    Parser p;
    if (!p.parser.parse(arguments)) {
        opts.error = OneLine(p.parser.errorText());
        return opts;
    }
    if (p.parser.isSet(p.help)) {
        opts.mode = CommandLineOptions::Mode::Help;
        return opts;
    }
    if (p.parser.isSet(p.version)) {
        opts.mode = CommandLineOptions::Mode::Version;
        return opts;
    }
    const bool text = p.parser.isSet(p.text);
    const bool exporting = p.parser.isSet(p.exportFile);
    if (text && exporting) {
        opts.error = CommandLine::tr("--text and --export cannot be used together");
        return opts;
    }
    if (!ReadPictureOptions(p, opts, text || exporting)) {
        return opts;
    }
    const bool soundExport =
        exporting && SoundFileFormatOf(p.parser.value(p.exportFile)).has_value();
    if (!ReadSoundOptions(p, opts, soundExport)) {
        return opts;
    }
    const QStringList positional = p.parser.positionalArguments();
    if (text || exporting) {
        opts.mode = text ? CommandLineOptions::Mode::Text : CommandLineOptions::Mode::Export;
        if (!positional.isEmpty()) {
            opts.error =
                CommandLine::tr("unexpected argument %1").arg(Quoted(positional.constFirst()));
        } else if (p.parser.isSet(p.print)) {
            opts.error =
                CommandLine::tr("--print opens the window's print path; it cannot be used with "
                                "--text or --export");
        } else if (text && (p.parser.isSet(p.stringSpacing) || p.parser.isSet(p.fretSpacing) ||
                            p.parser.isSet(p.neckSpacing))) {
            opts.error = CommandLine::tr("--string, --fret and --neck are only for --export");
        } else if (text && p.parser.isSet(p.size)) {
            opts.error = CommandLine::tr("--size is only for --export");
        } else if (text && (p.parser.isSet(p.fit) || p.parser.isSet(p.theme))) {
            opts.error = CommandLine::tr("--fit and --theme are only for --export");
        } else if (soundExport &&
                   (p.parser.isSet(p.size) || p.parser.isSet(p.fit) || p.parser.isSet(p.theme))) {
            opts.error = CommandLine::tr("--size, --fit and --theme are only for pictures");
        } else if (exporting && p.parser.isSet(p.theme) &&
                   PictureFormatOf(p.parser.value(p.exportFile)) == PictureFormat::Pdf) {
            opts.error = CommandLine::tr("--theme is only for PNG and SVG: a PDF is the printed "
                                         "page, always in the paper's colours");
        } else if (exporting && p.parser.isSet(p.fit) && !p.parser.isSet(p.size)) {
            opts.error = CommandLine::tr("--fit needs --size WxH: without a size there is "
                                         "nothing to fit the drawing into");
        }
        if (!opts.error.isEmpty()) {
            return opts;
        }
        if (exporting) {
            opts.exportFile = p.parser.value(p.exportFile);
            opts.fit = p.parser.isSet(p.fit);
            if (p.parser.isSet(p.theme)) {
                const QString theme = p.parser.value(p.theme);
                if (theme != QLatin1String("light") && theme != QLatin1String("dark")) {
                    opts.error =
                        CommandLine::tr("bad theme %1: use light or dark").arg(Quoted(theme));
                    return opts;
                }
                opts.darkTheme = theme == QLatin1String("dark");
            }
            if (p.parser.isSet(p.size)) {
                const QString value = p.parser.value(p.size);
                opts.size = ParseSize(value);
                if (!opts.size) {
                    opts.error =
                        CommandLine::tr("bad size %1: use WIDTHxHEIGHT in pixels, each from 1 "
                                        "to 16384 (for example 900x720)")
                            .arg(Quoted(value));
                }
            }
        }
        return opts;
    }
    if (opts.HasOverrides() || p.parser.isSet(p.size) || p.parser.isSet(p.fit) ||
        p.parser.isSet(p.theme)) {
        opts.error =
            CommandLine::tr("--key, --style key|pattern, --string, --fret, --neck, "
                            "--size, --fit, --theme, --labels, --tuning, --family, "
                            "--spelling, --left-handed, --right-handed, --fret-numbers, "
                            "--no-fret-numbers, --frets, --fret-window, --orientation, "
                            "--open-strings, --no-open-strings, --positions, "
                            "--caged, --positions-only, --no-positions-only, --chord-tones, "
                            "--characteristic and --no-characteristic need --text or "
                            "--export; "
                            "the window always starts at C natural with the stored "
                            "preferences");
        return opts;
    }
    if (positional.size() > 1) {
        opts.error = CommandLine::tr("only one document can be opened; got %1 and %2")
                         .arg(Quoted(positional.at(0)), Quoted(positional.at(1)));
        return opts;
    }
    opts.documentPath = positional.value(0);
    opts.printDirect = p.parser.isSet(p.print);
    return opts;
}

QString ApplyCommandLine(const CommandLineOptions& options, OptionPrefs& stored) {
    OptionPrefs prefs = stored;
    if (options.labels) {
        prefs.labels = *options.labels;
    }
    if (options.tuning) {
        prefs.tuning = *options.tuning;
    }
    if (options.frets) {
        prefs.SetFrets(*options.frets);
    }
    if (options.fretWindow) {
        const int first = options.fretWindow->first;
        const int last = options.fretWindow->last.value_or(prefs.frets);
        if (!OptionPrefs::IsFretWindow(first, last, prefs.frets)) {
            // Only the stored fret count can be short of a window the parser let through.
            return CommandLine::tr("bad fret window %1: the instrument has %2 frets (stored); "
                                   "give --frets too, or a window within them")
                .arg(Quoted(QStringLiteral("%1-%2").arg(first).arg(last)))
                .arg(prefs.frets);
        }
        prefs.firstFret = first;
        prefs.lastFret = last;
    }
    prefs.horizontal = options.horizontal.value_or(prefs.horizontal);
    prefs.openStrings = options.openStrings.value_or(prefs.openStrings);
    prefs.positions = options.positions.value_or(prefs.positions);
    prefs.caged = options.caged.value_or(prefs.caged);
    prefs.positionsOnly = options.positionsOnly.value_or(prefs.positionsOnly);
    prefs.chordTones = options.chordTones.value_or(prefs.chordTones);
    prefs.characteristic = options.characteristic.value_or(prefs.characteristic);
    if (options.family) {
        prefs.family = *options.family;
    }
    prefs.leftHanded = options.leftHanded.value_or(prefs.leftHanded);
    prefs.fretNumbers = options.fretNumbers.value_or(prefs.fretNumbers);
    if (options.spelling) {
        prefs.spelling = *options.spelling;
    }
    stored = prefs;
    return {};
}

QString CommandLineHelp() {
    return CommandLine::tr(
        "Usage: varnel [FILE]\n"
        "       varnel --print [FILE]\n"
        "       varnel --text [--key K] [--style key|pattern] [MUSIC OPTIONS] [--labels KIND]\n"
        "       varnel --export FILE.png|FILE.svg|FILE.pdf [--key K] [--style key|pattern]\n"
        "              [--string N] [--fret N] [--neck N] [--size WxH [--fit]]\n"
        "              [--theme light|dark] [MUSIC OPTIONS] [--labels KIND]\n"
        "              [--fret-numbers|--no-fret-numbers]\n"
        "       varnel --export FILE.mid|FILE.wav [--key K] [--style key|pattern]\n"
        "              [--tempo N] [--neck-only N] [MUSIC OPTIONS]\n"
        "\n"
        "Shows the seven mode patterns of a key on the guitar neck.\n"
        "\n"
        "Options:\n"
        "  --text             print the seven diagrams as text and exit\n"
        "  --export FILE      write the picture to FILE (PNG, SVG or PDF) and exit; a\n"
        "                     .mid or .wav FILE gets what Sound > Play All plays: a\n"
        "                     Standard MIDI File, or 16-bit 44.1 kHz stereo audio\n"
        "                     rendered through a General MIDI SoundFont (Debian package\n"
        "                     timgm6mb-soundfont, or the one the Sound settings name)\n"
        "  --tempo N          beats per minute of a .mid or .wav export, 40 to 240\n"
        "                     (default: the stored Sound settings, else 120)\n"
        "  --neck-only N      play only neck N of a .mid or .wav export (1 the first)\n"
        "  --key K            key letter A to G with an optional b, #, \u266D or \u266F "
        "(default C)\n"
        "  --style STYLE      key: keep the key fixed; pattern: keep the pattern fixed\n"
        "                     (default: the stored preference; in the window any other\n"
        "                     name is Qt's widget style)\n"
        "  --string N         string spacing in pixels (1 to 1000)\n"
        "  --fret N           fret spacing in pixels (1 to 1000)\n"
        "  --neck N           spacing between the necks in pixels (1 to 1000)\n"
        "  --size WxH         window size the export stands for (PNG and SVG: the image "
        "size)\n"
        "  --fit              scale the whole drawing into --size (PDF: onto the page)\n"
        "  --theme THEME      light (default) or dark colours for PNG and SVG\n"
        "  --labels KIND      none, notes, degrees, intervals or extensions inside the\n"
        "                     dots (--text: degrees shows each note's degree 1 to 7; notes,\n"
        "                     intervals and extensions print the labels in columns)\n"
        "  --fret-numbers     number the marker frets shown beside the first neck\n"
        "                     (below the last neck when horizontal)\n"
        "  --no-fret-numbers  no fret numbers, whatever is stored\n"
        "  --print            print the diagrams to the current printer and exit\n"
        "  -h, --help         show this help and exit\n"
        "  -v, --version      show the version and exit\n"
        "\n"
        "Music options:\n"
        "  --family FAMILY    major (default), harmonic-minor, melodic-minor,\n"
        "                     harmonic-major (seven necks each), major-pentatonic,\n"
        "                     minor-pentatonic, blues (five necks; the blue note in a\n"
        "                     colour of its own, --text: 'b'), whole-tone (one neck) or\n"
        "                     diminished (two necks: half-whole and whole-half)\n"
        "  --tuning TUNING    standard, drop-d, dadgad, open-d, open-g, half-down,\n"
        "                     whole-down, 7-string, 8-string, bass-4, bass-5, bass-6, or\n"
        "                     4 to 8 notes lowest first (\"D A D G B E\", \"B0 E1 A1 D2 G2\")\n"
        "  --frets N          frets of the instrument, 12 to 24 (default 22)\n"
        "  --fret-window F-L  show frets F to L only, 0 <= F < L <= the frets (the nut\n"
        "                     only when F is 0); all: the whole neck (default)\n"
        "  --orientation ORIENTATION\n"
        "                     vertical (default): the necks side by side; horizontal:\n"
        "                     stacked, the nut on the left, the lowest string at the\n"
        "                     bottom as in tablature\n"
        "  --open-strings     name each open string beside the nut and mark those in\n"
        "                     the scale\n"
        "  --no-open-strings  no open strings, whatever is stored\n"
        "  --positions POSITIONS\n"
        "                     all (default): every scale note; 3nps: each neck's three-\n"
        "                     notes-per-string shape from its tonic on the lowest string,\n"
        "                     the other notes faint (--text: '.'), two notes per string\n"
        "                     in the five- and six-note scales; caged: the CAGED box\n"
        "                     around each neck's tonic; window: every note inside the\n"
        "                     fret window\n"
        "  --caged SHAPE      C (default), A, G, E or D: the CAGED box shown (alone, it\n"
        "                     sets --positions caged)\n"
        "  --positions-only   hide the notes outside a shape instead (--text: '-')\n"
        "  --no-positions-only  draw them faint, whatever is stored\n"
        "  --chord-tones CHORD\n"
        "                     none (default), triad or seventh: ring the chord built on\n"
        "                     each neck's tonic from its scale and name it in the title\n"
        "                     (--text: '*', and the title ends in the chord's name)\n"
        "  --characteristic   ring each mode's characteristic degree in a colour of its\n"
        "                     own (--text: '!')\n"
        "  --no-characteristic  no characteristic notes, whatever is stored\n"
        "  --spelling SPELLING\n"
        "                     simple (default): each title's tonic with sharps, or flats\n"
        "                     in a flat key; scale: every note as the key's scale writes it\n"
        "  --left-handed      mirror the necks: the highest string on the left\n"
        "  --right-handed     the lowest string on the left, whatever is stored\n"
        "\n"
        "Every option not given keeps its stored value; none, major, standard, simple,\n"
        "--frets 22, --fret-window all, --orientation vertical, --positions all,\n"
        "--chord-tones none, --right-handed, --no-fret-numbers, --no-open-strings,\n"
        "--no-positions-only and --no-characteristic give back the defaults.\n"
        "\n"
        "Exit status: 0 success, 1 a failure to read or write (the reason is printed),\n"
        "2 a bad command line.\n");
}

QString CommandLineVersion() {
    return QStringLiteral("Varnel %1\n").arg(QStringLiteral(VARNEL_VERSION));
}
