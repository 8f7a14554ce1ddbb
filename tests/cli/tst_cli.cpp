#include "music/musicmodel.h"
#include "music/textdiagrams.h"
#include "tests/support/configfolder.h"
#include "tests/support/musickey.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

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
    void storedStyleIsUsedWithoutStyleOption();
    void styleOptionOverridesStoredStyle();
    void textCreatesNoSettings();
    void badArgumentsAreRefused_data();
    void badArgumentsAreRefused();
    void helpAndVersion_data();
    void helpAndVersion();
    void exportIsSilentWithoutADisplay();

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

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
