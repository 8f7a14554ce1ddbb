// varnel --export in process: the files it writes and the ones it refuses to write.
#include "app/commandline.h"
#include "app/exportfront.h"
#include "app/settingslocation.h"
#include "settings/settingsstore.h"

#include "tests/support/pdfpages.h"
#include <QImage>
#include <QImageReader>

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

CommandLineOptions Options(const QStringList& arguments) {
    CommandLineOptions options = ParseCommandLine(QStringList{"varnel"} + arguments);
    return options;
}

void StorePrefs(int string, int fret, int neck) {
    SettingsStore store;
    QVERIFY(store.Open(nullptr, SettingsRootFolder(), SettingsBasePath()));
    QVERIFY(store.WriteInt("Prefs", "String", string));
    QVERIFY(store.WriteInt("Prefs", "Fret", fret));
    QVERIFY(store.WriteInt("Prefs", "Neck", neck));
}

void ForgetPrefs() {
    SettingsStore store;
    store.Bind(SettingsRootFolder(), SettingsBasePath());
    QFile::remove(store.FilePath());
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { ForgetPrefs(); }
    void cleanup() { ForgetPrefs(); }

    void pngOfCNatural() {
        QTemporaryDir dir;
        const QString path = dir.filePath("c.png");
        QCOMPARE(RunExport(Options({"--export", path})), 0);
        const QImage image(path);
        // Just large enough: dots reach x 845 and fret line 22 lies at 700, plus 20 around.
        QCOMPARE(image.size(), QSize(866, 721));
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(image.pixelColor(20, 56), QColor(0, 0, 255));      // F, string 0, fret 1
        QCOMPARE(image.pixelColor(14, 56), QColor(Qt::white));      // just left of that dot
        QCOMPARE(image.pixelColor(40, 116), QColor(255, 127, 127)); // C, string 1, fret 3
        QCOMPARE(image.pixelColor(70, 117), QColor(Qt::black));     // fret 3 marker
        QCOMPARE(image.pixelColor(50, 700), QColor(Qt::black));     // fret line 22
        QCOMPARE(image.pixelColor(50, 701), QColor(Qt::white));
        QCOMPARE(image.pixelColor(840, 100), QColor(Qt::black)); // last string
    }

    void optionsShapeThePicture_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("explicit size") << QStringList{"--size", "400x300"} << QSize(400, 300)
                                       << QPoint(20, 56) << QColor(0, 0, 255);
        // Eb: the tonic dot moves from fret 3 to fret 6 of the A string.
        QTest::newRow("key") << QStringList{"--key", "Eb"} << QSize(866, 721) << QPoint(40, 206)
                             << QColor(255, 127, 127);
        // Pattern fixed: the Dorian diagram has D as tonic, fret 5 of the A string.
        QTest::newRow("style") << QStringList{"--style", "pattern"} << QSize(866, 721)
                               << QPoint(160, 176) << QColor(255, 127, 127);
        QTest::newRow("spacings") << QStringList{"--string", "10", "--fret", "20", "--neck", "5"}
                                  << QSize(20 + 6 * 55 + 50 + 6 + 20, 40 + 440 + 1 + 20)
                                  << QPoint(20, 51) << QColor(0, 0, 255);
    }
    void optionsShapeThePicture() {
        QFETCH(QStringList, arguments);
        QFETCH(QSize, size);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        QTemporaryDir dir;
        const QString path = dir.filePath("shaped.png");
        const CommandLineOptions options = Options(QStringList{"--export", path} + arguments);
        QVERIFY2(options.error.isEmpty(), qPrintable(options.error));
        QCOMPARE(RunExport(options), 0);
        const QImage image(path);
        QCOMPARE(image.size(), size);
        QCOMPARE(image.pixelColor(pixel), colour);
    }

    void storedPreferencesAreRead() {
        StorePrefs(40, 30, 20);
        QTemporaryDir dir;
        const QString path = dir.filePath("stored.png");
        QCOMPARE(RunExport(Options({"--export", path})), 0);
        // Pitch 220: string 5 of diagram 6 at 20 + 6 x 220 + 200.
        QCOMPARE(QImage(path).width(), 1540 + 6 + 20);
        // The command line wins over the store.
        QCOMPARE(RunExport(Options({"--export", path, "--string", "20"})), 0);
        QCOMPARE(QImage(path).width(), 866);
    }

    void storedValuesTheDialogWouldRefuse_data() {
        QTest::addColumn<int>("string");
        QTest::addColumn<int>("fret");
        QTest::addColumn<int>("neck");
        QTest::newRow("zeros") << 0 << 0 << 0;
        QTest::newRow("negative") << -20 << -30 << -20;
        QTest::newRow("huge") << 2147483647 << 2147483647 << 2147483647;
        QTest::newRow("most negative") << -2147483647 - 1 << 30 << 20;
    }
    void storedValuesTheDialogWouldRefuse() {
        QFETCH(int, string);
        QFETCH(int, fret);
        QFETCH(int, neck);
        StorePrefs(string, fret, neck);
        QTemporaryDir dir;
        const QString path = dir.filePath("odd.png");
        QCOMPARE(RunExport(Options({"--export", path})), 0);
        // Spacings outside 1 to 1000 read as their defaults: the plain picture.
        QCOMPARE(QImageReader(path).size(), QSize(866, 721));
    }

    void svgIsTheScreenDrawing() {
        QTemporaryDir dir;
        const QString path = dir.filePath("c.svg");
        QCOMPARE(RunExport(Options({"--export", path})), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        QVERIFY(svg.contains("<svg"));
        QVERIFY(svg.contains("viewBox=\"0 0 866 721\""));
        QVERIFY(svg.contains("C Mixolydian"));
        QVERIFY(svg.contains("#ff7f7f", Qt::CaseInsensitive)); // the tonic colour
    }

    void pdfIsOnePrintedPage_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("mediaBox");
        QTest::newRow("A4") << QLocale(QLocale::German, QLocale::Germany) << "595";
        QTest::newRow("Letter") << QLocale(QLocale::English, QLocale::UnitedStates) << "612";
    }
    void pdfIsOnePrintedPage() {
        QFETCH(QLocale, locale);
        QFETCH(QString, mediaBox);
        const QLocale previous;
        QLocale::setDefault(locale);
        QTemporaryDir dir;
        const QString path = dir.filePath("c.pdf");
        // The page is made in memory: a temporary folder that is not there changes nothing.
        const QByteArray temp = qgetenv("TMPDIR");
        qputenv("TMPDIR", "/nonexistent-varnel-temp");
        const int status = RunExport(Options({"--export", path}));
        qputenv("TMPDIR", temp);
        QLocale::setDefault(previous);
        QCOMPARE(status, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(PdfPageCount(pdf), 1);
        const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+(\\d+)"));
        QCOMPARE(box.match(QString::fromLatin1(pdf)).captured(1), mediaBox);
    }

    void refusedLeavesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("status");
        QTest::newRow("unknown extension") << "picture.gif" << 2;
        QTest::newRow("no extension") << "picture" << 2;
        QTest::newRow("folder that is a file") << "plain.txt/picture.png" << 1;
        QTest::newRow("missing folder") << "missing/picture.svg" << 1;
        QTest::newRow("target is a folder") << "folder.pdf" << 1;
        QTest::newRow("under /proc") << "/proc/varnel-export.png" << 1;
        QTest::newRow("FIFO") << "fifo.svg" << 1;
        QTest::newRow("link to a device") << "device.png" << 1;
    }
    void refusedLeavesNothing() {
        QFETCH(QString, name);
        QFETCH(int, status);
        QTemporaryDir dir;
        {
            QFile plain(dir.filePath("plain.txt"));
            QVERIFY(plain.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkdir("folder.pdf"));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo.svg")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/null", dir.filePath("device.png")));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        const QString path = name.startsWith('/') ? name : dir.filePath(name);
        // A FIFO target would block an export that opened it; a hang fails the test.
        QCOMPARE(RunExport(Options({"--export", path})), status);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QVERIFY(!QFileInfo(path).isFile() || QFileInfo(path).isSymLink());
        QCOMPARE(QFileInfo(dir.filePath("device.png")).symLinkTarget(), QString("/dev/null"));
    }

    void linksAreFollowedOnlyAsTheKernelWould_data() {
        // Whose the link is (the user's or someone else's), whose the folder (the same), whether
        // the folder is shared like /tmp, and whether what it points at exists.
        QTest::addColumn<bool>("foreignLink");
        QTest::addColumn<bool>("foreignFolder");
        QTest::addColumn<bool>("sticky");
        QTest::addColumn<bool>("dangling");
        QTest::addColumn<int>("status");
        QTest::newRow("own link") << false << false << false << false << 0;
        QTest::newRow("own link in a shared folder") << false << true << true << false << 0;
        QTest::newRow("someone else's link in a shared folder")
            << true << false << true << false << 1;
        QTest::newRow("the shared folder owner's link") << true << true << true << false << 0;
        QTest::newRow("someone else's link in their own folder")
            << true << true << false << false << 0;
        QTest::newRow("dangling link") << false << false << false << true << 1;
    }
    void linksAreFollowedOnlyAsTheKernelWould() {
        QFETCH(bool, foreignLink);
        QFETCH(bool, foreignFolder);
        QFETCH(bool, sticky);
        QFETCH(bool, dangling);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString victim = dir.filePath("notes.txt");
        if (!dangling) {
            QFile notes(victim);
            QVERIFY(notes.open(QIODevice::WriteOnly));
            notes.write("someone's notes");
        }
        const QString shared = dir.filePath("shared");
        QVERIFY(QDir().mkdir(shared));
        QVERIFY(QFile::setPermissions(shared, QFileDevice::Permissions(0x7777)));
        if (sticky) {
            QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
        }
        const QString link = shared + "/report.png";
        QVERIFY(QFile::link(victim, link));
        // Another owner is one nobody logs in as; only root can give a file away.
        constexpr uid_t kNobody = 65534;
        if ((foreignLink && ::lchown(QFile::encodeName(link).constData(), kNobody, kNobody) != 0) ||
            (foreignFolder &&
             ::chown(QFile::encodeName(shared).constData(), kNobody, kNobody) != 0)) {
            QSKIP("cannot give a file to another user here (needs root)");
        }
        QCOMPARE(RunExport(Options({"--export", link})), status);
        QVERIFY(QFileInfo(link).isSymLink());
        if (status == 0) {
            QCOMPARE(QImage(victim).size(), QSize(866, 721));
        } else {
            QCOMPARE(QFileInfo::exists(victim), !dangling);
            if (!dangling) {
                QFile notes(victim);
                QVERIFY(notes.open(QIODevice::ReadOnly));
                QCOMPARE(notes.readAll(), QByteArray("someone's notes"));
            }
            QCOMPARE(QDir(shared).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                     QStringList{"report.png"});
        }
    }

    void existingFileIsReplaced() {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.png");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("not a picture");
        }
        QCOMPARE(RunExport(Options({"--export", path})), 0);
        QCOMPARE(QImage(path).size(), QSize(866, 721));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.png"});
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
