#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The executable itself, for what only a whole process shows: exit statuses and what is
// printed before any window exists.
class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusals_data();
    void refusals();
};

void TestStartup::refusals_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing document") << QStringList{QStringLiteral("/nonexistent/song.vnl")} << 1
                                      << "cannot open \"/nonexistent/song.vnl\"";
    QTest::newRow("two documents")
        << QStringList{QStringLiteral("a"), QStringLiteral("b")} << 2 << "only one document";
    QTest::newRow("key without text")
        << QStringList{QStringLiteral("--key"), QStringLiteral("D")} << 2 << "need --text";
    QTest::newRow("size with text")
        << QStringList{QStringLiteral("--text"), QStringLiteral("--size"), QStringLiteral("9x9")}
        << 2 << "--size";
}

void TestStartup::refusals() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir config;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VARNEL_EXECUTABLE), arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    const QString error = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(error.count(QLatin1Char('\n')), 1);
    if (status == 2) {
        // A refused command line ends before the settings are even bound.
        QVERIFY(!QFileInfo::exists(config.filePath(QStringLiteral("Dovrane Software"))));
    }
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
