#include "app/commandline.h"
#include "music/musicmodel.h"
#include "music/textdiagrams.h"
#include "tests/support/configfolder.h"
#include "tests/support/musickey.h"
#include "view/neckcolours.h"
#include "view/optionprefs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <array>

#include <sys/stat.h>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

void WriteSettings(const QTemporaryDir& config, const QByteArray& contents) {
    QVERIFY(QDir().mkpath(config.filePath(QStringLiteral("Dovrane Software"))));
    QFile file(SettingsFile(config));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(contents), contents.size());
}

QStringList Lines(const QByteArray& text) {
    QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QStringList Titles(const QByteArray& text) {
    const QStringList lines = Lines(text);
    QStringList titles;
    for (int first = 0; first < lines.size(); first += 24) {
        titles << lines[first];
    }
    return titles;
}

// The instrument and its window as one line, so that a failing row shows every part at once.
QString Instrument(const OptionPrefs& prefs) {
    QStringList notes;
    for (const int note : prefs.tuning) {
        notes << QString::number(note);
    }
    return QStringLiteral("%1; %2 %3-%4%5%6")
        .arg(notes.join(QLatin1Char(' ')))
        .arg(prefs.frets)
        .arg(prefs.firstFret)
        .arg(prefs.lastFret)
        .arg(prefs.horizontal ? "; horizontal" : "", prefs.openStrings ? "; open" : "");
}

QByteArray ExpectedText(int key, int accidental, int style) {
    CMusicModel model = ModelOfKey(key, accidental, style);
    model.NormaliseKey();
    return QByteArray::fromStdString(FormatDiagramsAsText(model));
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void textForKeyAndStyle();
    void normalisedKeyIsNamedAsNormalised();
    void chordTonesNameTheChords();
    void storedStyleIsUsedWithoutStyleOption();
    void styleOptionOverridesStoredStyle();
    void textCreatesNoSettings();
    void badArgumentsAreRefused_data();
    void badArgumentsAreRefused();
    void helpAndVersion_data();
    void helpAndVersion();
    void exportIsSilentWithoutADisplay();
    void hostileRunsEndInOneLine_data();
    void hostileRunsEndInOneLine();
    void fittedExportIsExactlyTheSize();
    void themes();
    void windowLeavesOtherStylesToQt();
    void storedOptionsSwitchedOff_data();
    void storedOptionsSwitchedOff();
    void instrumentCommandLines_data();
    void instrumentCommandLines();
    void windowBeyondStoredFretsIsRefused_data();
    void windowBeyondStoredFretsIsRefused();
    void threeNotesPerStringShapes_data();
    void threeNotesPerStringShapes();
    void soundExports_data();
    void soundExports();

private:
    Run RunVarnel(const QStringList& arguments);
    std::unique_ptr<QTemporaryDir> m_config;
};

void TestCli::init() {
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
}

Run TestCli::RunVarnel(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VARNEL_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForStarted() || !process.waitForFinished(60000)) {
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

void TestCli::textForKeyAndStyle() {
    const Run run = RunVarnel({"--text", "--key", "Eb", "--style", "pattern"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(Titles(run.out), QStringList({"Eb Ionian", "F Dorian", "G Phrygian", "Ab Lydian",
                                           "Bb Mixolydian", "C Aeolian", "D Locrian"}));
    const QStringList lines = Lines(run.out);
    QCOMPARE(lines.size(), 7 * 23 + 6);
    QVERIFY(run.out.endsWith("\n"));
    for (int diagram = 0; diagram < 6; ++diagram) {
        QCOMPARE(lines[diagram * 24 + 23], QString());
    }
    QCOMPARE(run.out, ExpectedText(4, -1, 1));
}

void TestCli::chordTonesNameTheChords() {
    const Run run =
        RunVarnel({"--text", "--chord-tones", "seventh", "--style", "pattern", "--key", "C"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(Titles(run.out),
             QStringList({"C Ionian \u00b7 Cmaj7", "D Dorian \u00b7 Dm7", "E Phrygian \u00b7 Em7",
                          "F Lydian \u00b7 Fmaj7", "G Mixolydian \u00b7 G7", "A Aeolian \u00b7 Am7",
                          "B Locrian \u00b7 Bm7b5"}));
}

void TestCli::normalisedKeyIsNamedAsNormalised() {
    const Run run = RunVarnel({"--text", "--key", "Cb", "--style", "key"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(Titles(run.out), QStringList({"B Ionian", "B Dorian", "B Phrygian", "B Lydian",
                                           "B Mixolydian", "B Aeolian", "B Locrian"}));
    QCOMPARE(run.out, ExpectedText(11, 0, 0));
}

void TestCli::storedStyleIsUsedWithoutStyleOption() {
    WriteSettings(*m_config, "[Prefs]\nStyle=1\n");
    const Run run = RunVarnel({"--text"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(Titles(run.out), QStringList({"C Ionian", "D Dorian", "E Phrygian", "F Lydian",
                                           "G Mixolydian", "A Aeolian", "B Locrian"}));
    QCOMPARE(run.out, ExpectedText(0, 0, 1));
}

void TestCli::styleOptionOverridesStoredStyle() {
    const QByteArray settings("[Prefs]\nStyle=1\n");
    WriteSettings(*m_config, settings);
    const Run run = RunVarnel({"--text", "--key", "g", "--style", "key"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, ExpectedText(7, 0, 0));
    QFile file(SettingsFile(*m_config));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), settings);
}

void TestCli::textCreatesNoSettings() {
    const Run run = RunVarnel({"--text", "--key", "F#"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, ExpectedText(5, 1, 0));
    QCOMPARE(Entries(m_config->path()), QStringList());
}

void TestCli::badArgumentsAreRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");

    QTest::newRow("key H") << QStringList{"--text", "--key", "H"} << "\"H\"";
    QTest::newRow("key Cbb") << QStringList{"--text", "--key", "Cbb"} << "\"Cbb\"";
    QTest::newRow("key with blank") << QStringList{"--text", "--key", "C "} << "\"C \"";
    QTest::newRow("empty key") << QStringList{"--text", "--key", ""} << "\"\"";
    QTest::newRow("style modal") << QStringList{"--text", "--style", "modal"} << "\"modal\"";
    QTest::newRow("style as a number") << QStringList{"--text", "--style", "1"} << "\"1\"";
    QTest::newRow("unknown option") << QStringList{"--text", "--frobnicate"} << "frobnicate";
    QTest::newRow("key without its value") << QStringList{"--text", "--key"} << "key";
    QTest::newRow("unexpected argument") << QStringList{"--text", "extra"} << "\"extra\"";
    QTest::newRow("theme") << QStringList{"--export", "x.png", "--theme", "blue"} << "\"blue\"";
    QTest::newRow("family") << QStringList{"--text", "--family", "minor"} << "\"minor\"";
    QTest::newRow("labels") << QStringList{"--text", "--labels", "all"} << "\"all\"";
    QTest::newRow("tuning entry") << QStringList{"--text", "--tuning", "E A D G X E"} << "\"X\"";
    QTest::newRow("fit without size") << QStringList{"--export", "x.png", "--fit"} << "--size";
    QTest::newRow("text with a spacing") << QStringList{"--text", "--string", "20"} << "--string";
    QTest::newRow("text with a neck spacing") << QStringList{"--text", "--neck", "5"} << "--neck";
    QTest::newRow("dark PDF") << QStringList{"--export", "x.pdf", "--theme", "dark"} << "--theme";
    QTest::newRow("long value cut")
        << QStringList{"--text", "--key", QString(300, 'A')} << "\"" + QString(200, 'A') + "...\"";
    QTest::newRow("spelling") << QStringList{"--text", "--spelling", "fancy"} << "\"fancy\"";
    QTest::newRow("both hands") << QStringList{"--text", "--left-handed", "--right-handed"}
                                << "--right-handed";
    QTest::newRow("numbers on and off")
        << QStringList{"--text", "--fret-numbers", "--no-fret-numbers"} << "--no-fret-numbers";
    QTest::newRow("3 notes") << QStringList{"--text", "--tuning", "E A D"} << "\"E A D\"";
    QTest::newRow("9 notes") << QStringList{"--text", "--tuning", "B0 E1 A1 D2 G2 C3 F3 B3 E4"}
                             << "has 9 notes";
    QTest::newRow("bass note that is not one")
        << QStringList{"--export", "x.svg", "--tuning", "B0 E1 H1 D2 G2"} << "\"H1\"";
    QTest::newRow("frets 11") << QStringList{"--text", "--frets", "11"} << "\"11\"";
    QTest::newRow("frets 25") << QStringList{"--export", "x.png", "--frets", "25"} << "\"25\"";
    QTest::newRow("window beyond the frets given")
        << QStringList{"--text", "--frets", "12", "--fret-window", "5-13"} << "\"5-13\"";
    QTest::newRow("window beyond any neck")
        << QStringList{"--text", "--fret-window", "0-25"} << "\"0-25\"";
    QTest::newRow("window backwards") << QStringList{"--text", "--fret-window", "9-5"} << "\"9-5\"";
    QTest::newRow("window of no frets")
        << QStringList{"--text", "--fret-window", "5-5"} << "\"5-5\"";
    QTest::newRow("window below the nut")
        << QStringList{"--text", "--fret-window", "-1-5"} << "\"-1-5\"";
    QTest::newRow("orientation") << QStringList{"--text", "--orientation", "up"} << "\"up\"";
    QTest::newRow("open strings on and off")
        << QStringList{"--text", "--open-strings", "--no-open-strings"} << "--no-open-strings";
    QTest::newRow("positions") << QStringList{"--text", "--positions", "boxes"} << "\"boxes\"";
    QTest::newRow("CAGED shape") << QStringList{"--text", "--caged", "F"} << "\"F\"";

    QTest::newRow("positions only on and off")
        << QStringList{"--text", "--positions-only", "--no-positions-only"}
        << "--no-positions-only";
    QTest::newRow("chord tones") << QStringList{"--text", "--chord-tones", "ninth"} << "\"ninth\"";
    QTest::newRow("characteristic on and off")
        << QStringList{"--text", "--characteristic", "--no-characteristic"}
        << "--no-characteristic";
    QTest::newRow("instrument without a picture") << QStringList{"--frets", "24"} << "--frets";
    QTest::newRow("tempo below 40")
        << QStringList{"--export", "x.mid", "--tempo", "39"} << "\"39\"";
    QTest::newRow("tempo above 240")
        << QStringList{"--export", "x.wav", "--tempo", "241"} << "\"241\"";
    QTest::newRow("tempo not a number")
        << QStringList{"--export", "x.mid", "--tempo", "12x"} << "\"12x\"";
    QTest::newRow("neck 0") << QStringList{"--export", "x.mid", "--neck-only", "0"} << "\"0\"";
    QTest::newRow("neck past the last")
        << QStringList{"--export", "x.mid", "--neck-only", "8"} << "\"8\"";
    QTest::newRow("tempo for a picture")
        << QStringList{"--export", "x.png", "--tempo", "90"} << "--tempo";
    QTest::newRow("neck for the text")
        << QStringList{"--text", "--neck-only", "1"} << "--neck-only";
    QTest::newRow("size for sound")
        << QStringList{"--export", "x.wav", "--size", "10x10"} << "--size";
}

void TestCli::storedOptionsSwitchedOff_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("line"); // of the output
    QTest::addColumn<QString>("text");

    const QByteArray all("[Options]\nLeftHanded=1\nLabels=2\nFamily=1\nTuning0=38\n"
                         "Spelling=1\nFretNumbers=1\n");
    // C major, key fixed, standard tuning: fret 1 reads F Bb Eb Ab C F, lowest string first.
    QTest::newRow("every stored option undone")
        << all << QStringList{"--text", "--right-handed", "--labels", "none",       "--family",
                              "major",  "--tuning",       "standard", "--spelling", "simple"}
        << 1 << " 1 o---@o";
    // C harmonic minor on D A D G B E, mirrored, after the line that says its Altered bb7
    // is written from B#.
    QTest::newRow("stored options kept")
        << all << QStringList{"--text", "--labels", "none"} << 2 << " 1 o@oo-o";
    QTest::newRow("notes in columns")
        << QByteArray() << QStringList{"--text", "--key", "F", "--labels", "notes"} << 1
        << " 1 F  Bb -  -  C  F";
    QTest::newRow("intervals in columns")
        << QByteArray() << QStringList{"--text", "--labels", "intervals"} << 1
        << " 1 4  -  -  -  1  4";
    QTest::newRow("scale spelling says what it respelled")
        << QByteArray()
        << QStringList{"--text", "--key", "A#", "--style", "pattern", "--spelling", "scale"} << 0
        << "A# major drawn as Bb major";
}

void TestCli::storedOptionsSwitchedOff() {
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, arguments);
    QFETCH(int, line);
    QFETCH(QString, text);

    if (!stored.isEmpty()) {
        WriteSettings(*m_config, stored);
    }
    const Run run = RunVarnel(arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(Lines(run.out).value(line), text);
}

void TestCli::badArgumentsAreRefused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);

    const Run run = RunVarnel(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    const QStringList errorLines = Lines(run.err);
    QCOMPARE(errorLines.size(), 1);
    QVERIFY2(errorLines.constFirst().contains(named), run.err.constData());
    QCOMPARE(Entries(m_config->path()), QStringList());
}

void TestCli::soundExports_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("expected"); // bytes the file must hold at `at`
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("size"); // -1: any
    // A tempo track and seven necks' tracks: "MThd", 6, format 1, 8 tracks, 480 to the beat.
    QTest::newRow("all necks") << QStringList{"--key", "D"}
                               << QByteArray("MThd\0\0\0\x06\0\x01\0\x08\x01\xe0", 14) << 0 << -1;
    // 90 beats a minute: 666666 microseconds a beat, after the tempo track's delta and FF 51 03.
    QTest::newRow("tempo") << QStringList{"--tempo", "90"}
                           << QByteArray("\0\xff\x51\x03\x0a\x2c\x2a", 7) << 22 << -1;
    QTest::newRow("one neck") << QStringList{"--neck-only", "3"} << QByteArray("\0\x01\0\x02", 4)
                              << 8 << -1;
    // Fifteen notes at 240: 14.9 beats of a quarter second, then a second of release, in
    // 44100 frames of four bytes a second: 208372 frames after the 44-byte header.
    QTest::newRow("wav length") << QStringList{"--neck-only", "1", "--tempo", "240"}
                                << QByteArray("data\xd0\xb7\x0c\x00", 8) << 36 << 44 + 4 * 208372;
}

void TestCli::soundExports() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, expected);
    QFETCH(int, at);
    QFETCH(int, size);
    const QString name = size < 0 ? QStringLiteral("modes.mid") : QStringLiteral("modes.wav");
    const QString path = m_config->filePath(name);
    const Run run = RunVarnel(QStringList{QStringLiteral("--export"), path} + arguments);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.mid(at, expected.size()), expected);
    if (size >= 0) {
        QCOMPARE(bytes.size(), size);
    }
}

void TestCli::helpAndVersion_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("--help") << "--help"
                            << "^Usage: varnel";
    QTest::newRow("-h") << "-h"
                        << "^Usage: varnel";
    QTest::newRow("--version") << "--version"
                               << "^Varnel \\d+\\.\\d+";
    QTest::newRow("-v") << "-v"
                        << "^Varnel \\d+\\.\\d+";
}

void TestCli::helpAndVersion() {
    QFETCH(QString, option);
    QFETCH(QString, pattern);

    const Run run = RunVarnel({option});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    QVERIFY2(QString::fromUtf8(run.out).contains(QRegularExpression(pattern)), run.out.constData());
    QCOMPARE(Entries(m_config->path()), QStringList());
}

void TestCli::exportIsSilentWithoutADisplay() {
    // No display and no desktop session: the export must still work and print nothing, and
    // "--style pattern" must reach the program, not Qt's widget-style option.
    const QString png = m_config->filePath(QStringLiteral("necks.png"));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->path());
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VARNEL_EXECUTABLE),
                  {QStringLiteral("--export"), png, QStringLiteral("--key"), QStringLiteral("Bb"),
                   QStringLiteral("--style"), QStringLiteral("pattern")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(!QImage(png).isNull());
}

void TestCli::hostileRunsEndInOneLine_data() {
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // empty: nothing on stderr, C natural on stdout

    QTest::newRow("full disk keeps the old file")
        << "full disk" << QStringList{"--export", "@/disk/old.svg"} << 1
        << "\"@/disk/old.svg\": No space left on device";
    QTest::newRow("control characters are escaped")
        << "" << QStringList{"--text", "--key", "E\x1b[31m\nx"} << 2 << "\"E\\x1b[31m\\nx\"";
    QTest::newRow("help into a full stdout") << "full stdout" << QStringList{"--help"} << 1
                                             << "standard output: No space left on device";
    QTest::newRow("version into a full stdout") << "full stdout" << QStringList{"--version"} << 1
                                                << "standard output: No space left on device";
    QTest::newRow("text into a full stdout") << "full stdout" << QStringList{"--text"} << 1
                                             << "standard output: No space left on device";
    QTest::newRow("nested variants in the settings")
        << "nested settings" << QStringList{"--text"} << 0 << "";
    QTest::newRow("FIFO in the settings' place")
        << "fifo settings" << QStringList{"--text"} << 0 << "";
    QTest::newRow("FIFO as the document")
        << "" << QStringList{"@/fifo"} << 1 << "cannot open \"@/fifo\"";
    QTest::newRow("print without a display")
        << "no display" << QStringList{"--print"} << 1 << "cannot print: no display";
    QTest::newRow("text with standard output closed")
        << "closed stdout" << QStringList{"--text"} << 1
        << "cannot write to standard output: Bad file descriptor";
    QTest::newRow("export with standard output closed")
        << "closed stdout" << QStringList{"--export", "@/picture.png"} << 0 << "";
    QTest::newRow("file name that is not UTF-8")
        << "" << QStringList{"--export", "bad\\377.png"} << 2 << "\"bad\\xff.png\"";
}

void TestCli::hostileRunsEndInOneLine() {
    QFETCH(QString, setUp);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);

    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString disk = work.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk));
    QCOMPARE(::mkfifo(QFile::encodeName(work.filePath(QStringLiteral("fifo"))).constData(), 0600),
             0);
    const QByteArray oldFile("<svg>the old picture</svg>");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->path());
    const QString settings = SettingsFile(*m_config);
    if (setUp == QLatin1String("full disk")) {
        // A file system of 64 KiB, too small for the picture; only root may mount one.
        if (QProcess::execute(QStringLiteral("mount"),
                              {"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}) != 0) {
            QSKIP("cannot mount a small file system here (needs root)");
        }
        QFile old(disk + QStringLiteral("/old.svg"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        QCOMPARE(old.write(oldFile), oldFile.size());
    } else if (setUp == QLatin1String("full stdout")) {
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
    } else if (setUp == QLatin1String("nested settings")) {
        QByteArray nested("[Prefs]\nStyle=@Variant(");
        for (int i = 0; i < 30000; ++i) {
            nested += "\\0\\0\\0\\t\\0\\0\\0\\0\\x1";
        }
        WriteSettings(*m_config, nested + ")\n");
    } else if (setUp == QLatin1String("fifo settings")) {
        QVERIFY(QDir().mkpath(QFileInfo(settings).absolutePath()));
        QCOMPARE(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    } else if (setUp == QLatin1String("no display")) {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
    }
    for (QString& argument : arguments) {
        argument.replace(QLatin1Char('@'), work.path());
    }
    process.setProcessEnvironment(environment);
    // Arguments go through the shell's printf so that bytes which are not UTF-8 reach the program
    // as they are.
    const QString closing =
        setUp == QLatin1String("closed stdout") ? QStringLiteral(" >&-") : QString();
    QStringList shellArguments{
        QStringLiteral("-c"),
        QStringLiteral("i=0; for a; do b=$(printf \"x$a\"); set -- \"$@\" "
                       "\"${b#x}\"; i=$((i+1)); done; shift $i; exec \"$0\" \"$@\"") +
            closing,
        QStringLiteral(VARNEL_EXECUTABLE)};
    for (const QString& argument : arguments) {
        shellArguments << QString(argument).replace(QLatin1Char('%'), QLatin1String("%%"));
    }
    process.start(QStringLiteral("/bin/sh"), shellArguments);
    const bool finished = process.waitForStarted() && process.waitForFinished(30000);
    if (setUp == QLatin1String("full disk")) {
        const QByteArray kept = [&] {
            QFile old(disk + QStringLiteral("/old.svg"));
            return old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray();
        }();
        const QStringList left =
            QDir(disk).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QProcess::execute(QStringLiteral("umount"), {disk});
        QCOMPARE(kept, oldFile);
        QCOMPARE(left, QStringList{"old.svg"});
    }
    QVERIFY2(finished, "hung or did not start");
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    if (message.isEmpty()) {
        QCOMPARE(error, QString());
        if (arguments.contains(QStringLiteral("--export"))) {
            QCOMPARE(QImage(work.filePath(QStringLiteral("picture.png"))).size(), QSize(866, 721));
        } else {
            QCOMPARE(process.readAllStandardOutput(), ExpectedText(0, 0, 0));
        }
        return;
    }
    QCOMPARE(error.count(QLatin1Char('\n')), 1);
    QVERIFY2(error.startsWith(QLatin1String("varnel: ")), qPrintable(error));
    QVERIFY2(error.contains(QString(message).replace(QLatin1Char('@'), work.path())),
             qPrintable(error));
}

void TestCli::fittedExportIsExactlyTheSize() {
    const QString png = m_config->filePath(QStringLiteral("fit.png"));
    QCOMPARE(RunVarnel({"--export", png, "--fit", "--size", "300x200"}).exitCode, 0);
    const QImage image(png);
    QCOMPARE(image.size(), QSize(300, 200));
    // 721 units high in 200 pixels: the seventh neck (740 units on) shows past pixel 205, uncut.
    QRect drawn;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            drawn |= image.pixelColor(x, y) != QColor(Qt::white) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    QVERIFY(drawn.right() > 205 && drawn.right() < 299 && drawn.bottom() < 199);
}

void TestCli::themes() {
    QStringList files;
    for (const QString theme : {"", "light", "dark"}) {
        files << m_config->filePath(theme + QStringLiteral("theme.png"));
        const QStringList option = theme.isEmpty() ? QStringList() : QStringList{"--theme", theme};
        QCOMPARE(RunVarnel(QStringList{"--export", files.last()} + option).exitCode, 0);
    }
    QFile plain(files[0]);
    QFile light(files[1]);
    QVERIFY(plain.open(QIODevice::ReadOnly) && light.open(QIODevice::ReadOnly));
    QCOMPARE(light.readAll(), plain.readAll());
    QCOMPARE(QImage(files[2]).pixelColor(2, 2), ScreenColours(DarkNeckPalette()).background);
}

void TestCli::instrumentCommandLines_data() {
    QTest::addColumn<QStringList>("stored"); // laid over the defaults first, as if stored
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("instrument");

    QTest::newRow("five-string bass across, 24 frets, open strings")
        << QStringList{} << QStringList{"--tuning",      "B0 E1 A1 D2 G2", "--frets",       "24",
                                        "--orientation", "horizontal",     "--open-strings"}
        << "23 28 33 38 43; 24 0-24; horizontal; open";
    QTest::newRow("8-string preset") << QStringList{} << QStringList{"--tuning", "8-string"}
                                     << "30 35 40 45 50 55 59 64; 22 0-22";
    QTest::newRow("four notes without octaves sit as a bass")
        << QStringList{} << QStringList{"--tuning", "E A D G"} << "28 33 38 43; 22 0-22";
    QTest::newRow("nut and fret 1")
        << QStringList{} << QStringList{"--fret-window", "0-1"} << "40 45 50 55 59 64; 22 0-1";
    QTest::newRow("last fret of 12")
        << QStringList{} << QStringList{"--frets", "12", "--fret-window", "11-12"}
        << "40 45 50 55 59 64; 12 11-12";
    QTest::newRow("last fret of 24 stored")
        << QStringList{"--frets", "24"} << QStringList{"--fret-window", "20-24"}
        << "40 45 50 55 59 64; 24 20-24";
    QTest::newRow("whole neck follows the frets")
        << QStringList{} << QStringList{"--frets", "15"} << "40 45 50 55 59 64; 15 0-15";
    QTest::newRow("stored window too long gives the whole neck")
        << QStringList{"--fret-window", "15-20"} << QStringList{"--frets", "12"}
        << "40 45 50 55 59 64; 12 0-12";
    QTest::newRow("every stored choice switched back")
        << QStringList{"--tuning",      "bass-5",     "--frets",       "24", "--fret-window", "3-7",
                       "--orientation", "horizontal", "--open-strings"}
        << QStringList{"--tuning",         "standard", "--frets",       "22",
                       "--fret-window",    "all",      "--orientation", "vertical",
                       "--no-open-strings"}
        << "40 45 50 55 59 64; 22 0-22";
}

void TestCli::instrumentCommandLines() {
    QFETCH(QStringList, stored);
    QFETCH(QStringList, arguments);
    QFETCH(QString, instrument);

    OptionPrefs prefs;
    for (const QStringList& each : {stored, arguments}) {
        const CommandLineOptions options = ParseCommandLine(QStringList{"varnel", "--text"} + each);
        QCOMPARE(options.error, QString());
        QCOMPARE(ApplyCommandLine(options, prefs), QString());
    }
    QCOMPARE(Instrument(prefs), instrument);
}

void TestCli::windowBeyondStoredFretsIsRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("text") << QStringList{"--text", "--fret-window", "5-13"};
    QTest::newRow("export") << QStringList{"--export", "@/x.svg", "--fret-window", "5-13"};
}

void TestCli::windowBeyondStoredFretsIsRefused() {
    QFETCH(QStringList, arguments);
    WriteSettings(*m_config, "[Options]\nFrets=12\n");
    const Run run = RunVarnel(arguments.replaceInStrings(QStringLiteral("@"), m_config->path()));
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(Lines(run.err).size(), 1);
    QVERIFY2(run.err.contains("\"5-13\": the instrument has 12 frets"), run.err.constData());
    QVERIFY(!QFile::exists(m_config->filePath(QStringLiteral("x.svg"))));
}

void TestCli::threeNotesPerStringShapes_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<char>("outside");
    QTest::newRow("faint") << QByteArray() << QStringList{"--positions", "3nps"} << '.';
    QTest::newRow("hidden") << QByteArray()
                            << QStringList{"--positions", "3nps", "--positions-only"} << '-';
    QTest::newRow("stored") << QByteArray("[Options]\nPositions=1\nPositionsOnly=1\n")
                            << QStringList{} << '-';
}

// Each neck's shape: on every string three notes, as 'o' or '@', the first on the lowest
// string its tonic; every other scale note is marked as outside.
void TestCli::threeNotesPerStringShapes() {
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, arguments);
    QFETCH(char, outside);
    if (!stored.isEmpty()) {
        WriteSettings(*m_config, stored);
    }
    const Run run =
        RunVarnel(QStringList{"--text", "--key", "A", "--style", "pattern"} + arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(Titles(run.out), QStringList({"A Ionian", "B Dorian", "C# Phrygian", "D Lydian",
                                           "E Mixolydian", "F# Aeolian", "G# Locrian"}));
    const QStringList lines = Lines(run.out);
    const QByteArray plain = ExpectedText(9, 0, 1);
    const QStringList plainLines = Lines(plain);
    for (int neck = 0; neck < 7; ++neck) {
        std::array<int, 6> inShape{};
        char lowest = 0;
        for (int fret = 1; fret <= 22; ++fret) {
            const QString row = lines.value(neck * 24 + fret);
            const QString plainRow = plainLines.value(neck * 24 + fret);
            for (int string = 0; string < 6; ++string) {
                const QChar mark = row.at(3 + string);
                const QChar plainMark = plainRow.at(3 + string);
                if (mark == QLatin1Char('o') || mark == QLatin1Char('@')) {
                    QCOMPARE(mark, plainMark);
                    ++inShape.at(static_cast<std::size_t>(string));
                    if (string == 0 && lowest == 0) {
                        lowest = mark.toLatin1();
                    }
                } else if (plainMark != QLatin1Char('-')) {
                    QCOMPARE(mark, QLatin1Char(outside));
                }
            }
        }
        QCOMPARE(inShape, (std::array<int, 6>{3, 3, 3, 3, 3, 3}));
        QCOMPARE(lowest, '@');
    }
}

void TestCli::windowLeavesOtherStylesToQt() {
    const CommandLineOptions options = ParseCommandLine({"varnel", "-style", "Fusion"});
    QCOMPARE(options.error, QString());
    QCOMPARE(options.mode, CommandLineOptions::Mode::Window);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
