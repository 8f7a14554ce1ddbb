#include "settings/settingsstore.h"
#include "tests/support/configfolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <cstdio>

#include <sys/stat.h>

namespace {

const QString kBasePath = QStringLiteral("Dovrane Software/Varnel");
const QString kPrefs = QStringLiteral("Prefs");
const QString kScreen = QStringLiteral("Screen");
const QString kFret = QStringLiteral("Fret");
constexpr int kDefault = -12345;

QStringList g_messages;

void RecordMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    g_messages << message;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QByteArray PrefsFret(const QByteArray& value) {
    return "[Prefs]\nFret=" + value + "\n";
}

// A stored variant nested `depth` lists deep, escaped as the settings format writes it: enough
// to overflow the stack of a recursive reader.
QByteArray NestedVariant(int depth) {
    QByteArray value("@Variant(");
    for (int i = 0; i < depth; ++i) {
        value += "\\0\\0\\0\\t\\0\\0\\0\\0\\x1";
    }
    return value + "\\0\\0\\0\\x2\\0\\0\\0\\0\\x5)";
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void readsHandWrittenValue_data();
    void readsHandWrittenValue();
    void writesDecimalText_data();
    void writesDecimalText();
    void writeCreatesFileAndGroup();
    void writeKeepsOtherValues();
    void readOfMissingGroupCreatesNothing();
    void readOfMissingGroupLeavesFileAlone();
    void readSeesChangesMadeBehindItsBack();
    void openReportsDisposition();
    void openKeepsExistingValues();
    void openRecordsBindingEvenWhenItFails();
    void blockedFolderFallsBackSilently_data();
    void blockedFolderFallsBackSilently();
    void garbageFileGivesDefaults_data();
    void garbageFileGivesDefaults();
    void hostileFilesCostNothing_data();
    void hostileFilesCostNothing();
    void staleLockIsRecovered();
    void onlyOurOwnPartialFilesAreRemoved_data();
    void onlyOurOwnPartialFilesAreRemoved();
    void busyLockKeepsTheLastValue();
    void failureIsReportedOnce();
    void twentyWritersLoseNothing();

private:
    QtMessageHandler m_previousHandler = nullptr;
};

void TestSettingsStore::init() {
    g_messages.clear();
    m_previousHandler = qInstallMessageHandler(RecordMessage);
}

void TestSettingsStore::cleanup() {
    qInstallMessageHandler(m_previousHandler);
    // A store reports nothing, whatever happens to its file.
    QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join(QLatin1Char('\n'))));
}

void TestSettingsStore::readsHandWrittenValue_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("expected");

    QTest::newRow("plain") << PrefsFret("25") << 25;
    QTest::newRow("digits then letters") << PrefsFret("25abc") << 25;
    QTest::newRow("quoted blank then digits") << PrefsFret("\" 42\"") << 42;
    QTest::newRow("quoted tab then digits") << PrefsFret("\"\\t42\"") << 42;
    QTest::newRow("unquoted blank then digits") << PrefsFret(" 42") << 42;
    QTest::newRow("negative") << PrefsFret("-7") << -7;
    QTest::newRow("plus sign") << PrefsFret("+8") << 8;
    QTest::newRow("leading zeros") << PrefsFret("007") << 7;
    QTest::newRow("decimal point") << PrefsFret("3.9") << 3;
    QTest::newRow("hexadecimal reads its 0") << PrefsFret("0x1A") << 0;
    QTest::newRow("letters first") << PrefsFret("abc25") << kDefault;
    QTest::newRow("empty") << PrefsFret("") << kDefault;
    QTest::newRow("sign alone") << PrefsFret("-") << kDefault;
    QTest::newRow("sign then blank") << PrefsFret("\"- 5\"") << kDefault;
    QTest::newRow("other digits") << PrefsFret("\xD9\xA3") << kDefault;
    QTest::newRow("zero, below the dialog's range") << PrefsFret("0") << 0;
    QTest::newRow("negative spacing kept") << PrefsFret("-1") << -1;
    QTest::newRow("huge spacing kept") << PrefsFret("100000") << 100000;
    QTest::newRow("largest int") << PrefsFret("2147483647") << INT_MAX;
    QTest::newRow("smallest int") << PrefsFret("-2147483648") << INT_MIN;
    QTest::newRow("one past the largest int") << PrefsFret("2147483648") << kDefault;
    QTest::newRow("one below the smallest int") << PrefsFret("-2147483649") << kDefault;
    QTest::newRow("far out of range") << PrefsFret("99999999999999999999999") << kDefault;
    QTest::newRow("list") << PrefsFret("25, 30") << 25;
    QTest::newRow("list starting with letters") << PrefsFret("a, 30") << kDefault;
    QTest::newRow("byte array of digits") << PrefsFret("@ByteArray(17)") << 17;
    QTest::newRow("byte array of letters") << PrefsFret("@ByteArray(xyz)") << kDefault;
    QTest::newRow("empty byte array") << PrefsFret("@ByteArray()") << kDefault;
    QTest::newRow("quoted text") << PrefsFret("\"12\"") << 12;
    QTest::newRow("quoted text with words") << PrefsFret("\"12 frets\"") << 12;
    QTest::newRow("point") << PrefsFret("@Point(1 2)") << kDefault;
    QTest::newRow("value in another group") << QByteArray("[Screen]\nFret=5\n") << kDefault;
    QTest::newRow("value with another name") << QByteArray("[Prefs]\nFrets=5\n") << kDefault;
    QTest::newRow("no group at all") << QByteArray("Fret=5\n") << kDefault;
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + PrefsFret("26") << 26;
    QTest::newRow("CR LF") << QByteArray("[Prefs]\r\nFret=27\r\n") << 27;
    QTest::newRow("last definition wins") << QByteArray("[Prefs]\nFret=1\nFret=28\n") << 28;
    QTest::newRow("nested variant") << PrefsFret(NestedVariant(50)) << kDefault;
    QTest::newRow("date") << PrefsFret("@DateTime(2020)") << kDefault;

    // Text counts with its terminating zero: 259 bytes of text fit in 260, 260 do not.
    const QByteArray digits("25");
    QTest::newRow("text of 259 bytes") << PrefsFret(digits + QByteArray(257, 'x')) << 25;
    QTest::newRow("text of 260 bytes") << PrefsFret(digits + QByteArray(258, 'x')) << kDefault;
    QTest::newRow("long text of digits") << PrefsFret(QByteArray(300, '1')) << kDefault;
    // The limit is in bytes, not characters: each e-acute is two bytes of UTF-8.
    QByteArray accents;
    for (int i = 0; i < 128; ++i) {
        accents += "\xC3\xA9";
    }
    QTest::newRow("text of 259 bytes, 131 characters") << PrefsFret(digits + "x" + accents) << 25;
    QTest::newRow("text of 260 bytes, 131 characters")
        << PrefsFret(digits + "xy" + accents) << kDefault;
    // A byte array counts as it is.
    QTest::newRow("byte array of 260 bytes")
        << PrefsFret("@ByteArray(" + digits + QByteArray(258, 'x') + ")") << 25;
    QTest::newRow("byte array of 261 bytes")
        << PrefsFret("@ByteArray(" + digits + QByteArray(259, 'x') + ")") << kDefault;
    // A list counts each item's zero and a final one: 2 + 1 + 256 + 1 + 1 = 261.
    QTest::newRow("list of 260 bytes") << PrefsFret("25, " + QByteArray(255, 'x')) << 25;
    QTest::newRow("list of 261 bytes") << PrefsFret("25, " + QByteArray(256, 'x')) << kDefault;
}

void TestSettingsStore::readsHandWrittenValue() {
    QFETCH(QByteArray, contents);
    QFETCH(int, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    WriteBytes(SettingsFile(root), contents);
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    QCOMPARE(store.ReadInt(kPrefs, kFret, kDefault), expected);
    QCOMPARE(ReadBytes(SettingsFile(root)), contents);
}

void TestSettingsStore::writesDecimalText_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("minus five") << -5 << QByteArray("Fret=-5");
    QTest::newRow("zero") << 0 << QByteArray("Fret=0");
    QTest::newRow("thirty") << 30 << QByteArray("Fret=30");
    QTest::newRow("largest int") << INT_MAX << QByteArray("Fret=2147483647");
    QTest::newRow("smallest int") << INT_MIN << QByteArray("Fret=-2147483648");
}

void TestSettingsStore::writesDecimalText() {
    QFETCH(int, value);
    QFETCH(QByteArray, line);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    QVERIFY(store.WriteInt(kPrefs, kFret, value));
    const QList<QByteArray> lines = ReadBytes(SettingsFile(root)).split('\n');
    QVERIFY2(lines.contains(line), ReadBytes(SettingsFile(root)).constData());
    QCOMPARE(store.ReadInt(kPrefs, kFret, kDefault), value);
}

void TestSettingsStore::writeCreatesFileAndGroup() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    QVERIFY(!QFileInfo::exists(SettingsFile(root)));
    QVERIFY(store.WriteInt(kScreen, QStringLiteral("cx"), 640));
    QVERIFY(QFileInfo(SettingsFile(root)).isFile());
    QCOMPARE(store.FilePath(), SettingsFile(root));
    const QByteArray contents = ReadBytes(SettingsFile(root));
    QVERIFY2(contents.contains("[Screen]\ncx=640\n"), contents.constData());
    QCOMPARE(store.ReadInt(kScreen, QStringLiteral("cx"), kDefault), 640);
}

void TestSettingsStore::writeKeepsOtherValues() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    WriteBytes(SettingsFile(root), "[Prefs]\nFret=25abc\nNeck=12\n");
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    QVERIFY(store.WriteInt(kPrefs, QStringLiteral("String"), 18));
    QVERIFY(store.WriteInt(kScreen, QStringLiteral("x"), -3));
    QCOMPARE(store.ReadInt(kPrefs, kFret, kDefault), 25);
    QCOMPARE(store.ReadInt(kPrefs, QStringLiteral("Neck"), kDefault), 12);
    QCOMPARE(store.ReadInt(kPrefs, QStringLiteral("String"), kDefault), 18);
    QCOMPARE(store.ReadInt(kScreen, QStringLiteral("x"), kDefault), -3);
    QVERIFY(store.WriteInt(kPrefs, kFret, 31));
    QCOMPARE(store.ReadInt(kPrefs, kFret, kDefault), 31);
}

void TestSettingsStore::readOfMissingGroupCreatesNothing() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    QCOMPARE(store.ReadInt(kPrefs, kFret, 30), 30);
    QCOMPARE(store.ReadInt(kScreen, QStringLiteral("cy"), 0), 0);
    QCOMPARE(Entries(root.path()), QStringList());
}

void TestSettingsStore::readOfMissingGroupLeavesFileAlone() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QByteArray contents("[Screen]\nx=10\n");
    WriteBytes(SettingsFile(root), contents);
    const QStringList before = Entries(root.path());
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    QCOMPARE(store.ReadInt(kPrefs, kFret, 30), 30);
    QCOMPARE(ReadBytes(SettingsFile(root)), contents);
    QCOMPARE(Entries(root.path()), before);
}

void TestSettingsStore::readSeesChangesMadeBehindItsBack() {
    // Another running copy may write between two reads: nothing may be cached.
    QTemporaryDir root;
    QVERIFY(root.isValid());
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    QVERIFY(store.WriteInt(kPrefs, kFret, 25));
    QCOMPARE(store.ReadInt(kPrefs, kFret, kDefault), 25);
    WriteBytes(SettingsFile(root), PrefsFret("1234"));
    QCOMPARE(store.ReadInt(kPrefs, kFret, kDefault), 1234);
    QVERIFY(QFile::remove(SettingsFile(root)));
    QCOMPARE(store.ReadInt(kPrefs, kFret, kDefault), kDefault);
}

void TestSettingsStore::openReportsDisposition() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    SettingsStore first;
    auto disposition = SettingsStore::Disposition::OpenedExistingKey;
    QVERIFY(first.Open(&disposition, root.path(), kBasePath));
    QCOMPARE(disposition, SettingsStore::Disposition::CreatedNewKey);
    QVERIFY(QFileInfo(SettingsFile(root)).isFile());
    QCOMPARE(first.Folder(), root.filePath(QStringLiteral("Dovrane Software")));

    SettingsStore second;
    QVERIFY(second.Open(&disposition, root.path(), kBasePath));
    QCOMPARE(disposition, SettingsStore::Disposition::OpenedExistingKey);
    QVERIFY(second.Open(nullptr, root.path(), kBasePath));
}

void TestSettingsStore::openKeepsExistingValues() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QByteArray contents("[Prefs]\nFret=44\nStyle=1\n");
    WriteBytes(SettingsFile(root), contents);
    SettingsStore store;
    auto disposition = SettingsStore::Disposition::CreatedNewKey;
    QVERIFY(store.Open(&disposition, root.path(), kBasePath));
    QCOMPARE(disposition, SettingsStore::Disposition::OpenedExistingKey);
    QCOMPARE(ReadBytes(SettingsFile(root)), contents);
    QCOMPARE(store.ReadInt(kPrefs, kFret, kDefault), 44);
}

void TestSettingsStore::openRecordsBindingEvenWhenItFails() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString blocker = root.filePath(QStringLiteral("blocker"));
    WriteBytes(blocker, "not a folder");
    SettingsStore store;
    QVERIFY(!store.Open(nullptr, blocker, kBasePath));
    QCOMPARE(store.FilePath(), blocker + QStringLiteral("/Dovrane Software/Varnel.conf"));
}

void TestSettingsStore::blockedFolderFallsBackSilently_data() {
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>("rootBelowTemp");

    // blocker: a plain file made at that place below the temporary folder.
    QTest::newRow("file where the root folder should be") << "root"
                                                          << "root";
    QTest::newRow("file where the maker's folder should be") << "root/Dovrane Software"
                                                             << "root";
    QTest::newRow("folder where the settings file should be")
        << "root/Dovrane Software/Varnel.conf/"
        << "root";
    QTest::newRow("root under /proc") << QString() << QString();
}

void TestSettingsStore::blockedFolderFallsBackSilently() {
    QFETCH(QString, blocker);
    QFETCH(QString, rootBelowTemp);

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    QString rootFolder = QStringLiteral("/proc/varnel-settings-test");
    if (!rootBelowTemp.isEmpty()) {
        rootFolder = temp.filePath(rootBelowTemp);
        if (blocker.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(temp.filePath(blocker)));
        } else {
            WriteBytes(temp.filePath(blocker), "in the way");
        }
    }
    const QStringList before = Entries(temp.path());

    SettingsStore store;
    auto disposition = SettingsStore::Disposition::CreatedNewKey;
    QVERIFY(!store.Open(&disposition, rootFolder, kBasePath));
    QCOMPARE(store.ReadInt(kPrefs, kFret, 30), 30);
    QCOMPARE(store.ReadInt(kScreen, QStringLiteral("x"), -1), -1);
    QVERIFY(!store.WriteInt(kPrefs, kFret, 25));
    QVERIFY(!store.WriteInt(kScreen, QStringLiteral("cy"), 480));
    QCOMPARE(store.ReadInt(kPrefs, kFret, 30), 30);
    QCOMPARE(Entries(temp.path()), before);
    QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/varnel-settings-test")));
}

void TestSettingsStore::garbageFileGivesDefaults_data() {
    QTest::addColumn<QByteArray>("contents");

    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 151 + 7) % 256);
    }
    QTest::newRow("binary bytes") << binary;
    QTest::newRow("zero bytes") << QByteArray(1000, '\0');
    QTest::newRow("unclosed group") << QByteArray("[Prefs\nFret=25\n");
    QTest::newRow("unclosed quote") << QByteArray("[Prefs]\nFret=\"25\n");
    QTest::newRow("unclosed byte array") << QByteArray("[Prefs]\nFret=@ByteArray(25\n");
    QTest::newRow("unknown variant") << QByteArray("[Prefs]\nFret=@Variant(\\0\\0\\0\\x7f)\n");
    QTest::newRow("bad escapes") << QByteArray("[Prefs]\nFret=\\x\\u\\\n");
    QTest::newRow("invalid UTF-8") << QByteArray("[Prefs]\nFret=\xFF\xFE\xC3\n");
}

void TestSettingsStore::garbageFileGivesDefaults() {
    QFETCH(QByteArray, contents);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    WriteBytes(SettingsFile(root), contents);
    SettingsStore store;
    auto disposition = SettingsStore::Disposition::CreatedNewKey;
    QVERIFY(store.Open(&disposition, root.path(), kBasePath));
    QCOMPARE(disposition, SettingsStore::Disposition::OpenedExistingKey);
    for (const char* name : {"String", "Neck", "Style"}) {
        QCOMPARE(store.ReadInt(kPrefs, QString::fromLatin1(name), kDefault), kDefault);
    }
    QCOMPARE(store.ReadInt(kScreen, QStringLiteral("cx"), kDefault), kDefault);
    QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join(QLatin1Char('\n'))));
    g_messages.clear();
    // A write either stores its value or reports that it did not and leaves the file as it was.
    if (store.WriteInt(kScreen, QStringLiteral("cx"), 800)) {
        QCOMPARE(store.ReadInt(kScreen, QStringLiteral("cx"), kDefault), 800);
    } else {
        QCOMPARE(ReadBytes(SettingsFile(root)), contents);
    }
}

void TestSettingsStore::hostileFilesCostNothing_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("writable");

    QTest::newRow("nested variants") << "file"
                                     << "[Prefs]\nFret=" + NestedVariant(30000) + "\n"
                                     << true;
    QTest::newRow("larger than a settings file can be")
        << "file" << PrefsFret("25") + QByteArray(1 << 20, ';') << false;
    QTest::newRow("FIFO") << "fifo" << QByteArray() << false;
    QTest::newRow("link to a device") << "device link" << QByteArray() << false;
    QTest::newRow("folder in the lock's place") << "lock folder" << PrefsFret("x") << false;
    QTest::newRow("UTF-16") << "file" << QByteArray("\xFF\xFE[\0P\0]\0\n\0F\0=\0\x32\0", 16)
                            << true;
}

void TestSettingsStore::hostileFilesCostNothing() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, contents);
    QFETCH(bool, writable);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString path = SettingsFile(root);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("device link")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else {
        WriteBytes(path, contents);
    }
    if (kind == QLatin1String("lock folder")) {
        QVERIFY(QDir().mkpath(path + QStringLiteral(".lock")));
    }
    const QStringList before = Entries(root.path());
    const auto typeOf = [&path] {
        struct stat info {};
        return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT
                                                                        : 0U;
    };
    const auto typeBefore = typeOf();

    // A hang or a crash here fails the whole test program.
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    for (const char* name : {"Fret", "String", "Neck", "Style"}) {
        QCOMPARE(store.ReadInt(kPrefs, QString::fromLatin1(name), kDefault), kDefault);
    }
    QCOMPARE(store.WriteInt(kScreen, QStringLiteral("cx"), 800), writable);
    if (writable) {
        QCOMPARE(store.ReadInt(kScreen, QStringLiteral("cx"), kDefault), 800);
        QVERIFY(ReadBytes(path).startsWith(contents));
    } else {
        QCOMPARE(Entries(root.path()), before);
        if (kind == QLatin1String("file") || kind == QLatin1String("lock folder")) {
            QCOMPARE(ReadBytes(path), contents);
        }
        QCOMPARE(typeOf(), typeBefore);
    }
    // Writes after a lock that could not be had do not wait for it again.
    QCOMPARE(store.WriteInt(kScreen, QStringLiteral("cy"), 600), writable);
}

void TestSettingsStore::staleLockIsRecovered() {
    // A writer killed while holding the lock leaves an empty lock file behind.
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString path = SettingsFile(root);
    WriteBytes(path + QStringLiteral(".lock"), QByteArray());
    QFile lock(path + QStringLiteral(".lock"));
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                             QFileDevice::FileModificationTime));
    lock.close();
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    QVERIFY(store.WriteInt(kPrefs, kFret, 33));
    QCOMPARE(store.ReadInt(kPrefs, kFret, kDefault), 33);
    QVERIFY(!QFileInfo::exists(path + QStringLiteral(".lock")));
}

void TestSettingsStore::onlyOurOwnPartialFilesAreRemoved_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    for (const char* name : {"Varnel.conf.backup", "Varnel.conf.before", "Varnel.conf.2024v1",
                             "Varnel Recent Files.conf.backup", "Varnel.conf.bak",
                             "Varnel.conf.orig", "Varnel.conf.Ab12Cd"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << false;
    }
    QTest::newRow("a partial file of ours") << "Varnel.conf.varnel-partial-Ab12Cd" << true;
    QTest::newRow("ours, with a longer tail") << "Varnel.conf.varnel-partial-Ab12Cd7" << false;
}

void TestSettingsStore::onlyOurOwnPartialFilesAreRemoved() {
    QFETCH(QString, name);
    QFETCH(bool, removed);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString other = QFileInfo(SettingsFile(root)).absolutePath() + QLatin1Char('/') + name;
    QVERIFY(QDir().mkpath(QFileInfo(other).absolutePath()));
    WriteBytes(other, "the user's own");
    QFile file(other);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                             QFileDevice::FileModificationTime));
    file.close();
    SettingsStore store;
    QVERIFY(store.Open(nullptr, root.path(), kBasePath));
    QCOMPARE(!QFileInfo::exists(other), removed);
}

void TestSettingsStore::busyLockKeepsTheLastValue() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString path = SettingsFile(root);
    WriteBytes(path, "[Prefs]\nString=22\n");
    QLockFile other(path + QStringLiteral(".lock"));
    QVERIFY(other.lock());
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    QVERIFY(!store.WriteInt(kPrefs, kFret, 41));
    QVERIFY(!store.WriteInt(kPrefs, kFret, 42));
    QCOMPARE(store.ReadInt(kPrefs, kFret, kDefault), 42);
    QCOMPARE(ReadBytes(path), QByteArray("[Prefs]\nString=22\n"));
    other.unlock();
    QTRY_VERIFY(!store.HasPendingWrites());
    QCOMPARE(ReadBytes(path), QByteArray("[Prefs]\nString=22\nFret=42\n"));
}

void TestSettingsStore::failureIsReportedOnce() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString path = SettingsFile(root);
    QVERIFY(QDir().mkpath(path + QStringLiteral(".lock")));
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    QStringList messages;
    store.SetFailureHandler([&messages](const QString& message) { messages << message; });
    QVERIFY(!store.WriteInt(kPrefs, kFret, 41));
    QVERIFY(!store.WriteInt(kPrefs, kFret, 42));
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.constFirst().contains(path) && messages.constFirst().contains("lock"),
             qPrintable(messages.constFirst()));
    QVERIFY(!store.HasPendingWrites());
}

void TestSettingsStore::twentyWritersLoseNothing() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    constexpr int kWriters = 20;
    std::vector<std::unique_ptr<QProcess>> writers;
    QElapsedTimer took;
    took.start();
    for (int i = 0; i < kWriters; ++i) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QStringLiteral(SETTINGS_WRITER),
                              {root.path(), QStringLiteral("Key%1").arg(i), QString::number(i)});
    }
    for (auto& writer : writers) {
        QVERIFY(writer->waitForFinished(30000));
        QCOMPARE(writer->exitCode(), 0);
    }
    const QByteArray timing = QByteArray::number(kWriters) + " concurrent writers took " +
                              QByteArray::number(took.elapsed()) + " ms\n";
    std::fwrite(timing.constData(), 1, static_cast<std::size_t>(timing.size()), stdout);
    SettingsStore store;
    store.Bind(root.path(), kBasePath);
    for (int i = 0; i < kWriters; ++i) {
        QCOMPARE(store.ReadInt(QStringLiteral("Load"), QStringLiteral("Key%1").arg(i), -1), i);
    }
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
