// Mode names in the user's language on screen and in pictures, English in the text diagrams.
#include "app/translations.h"
#include "music/musicmodel.h"
#include "view/modenames.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

class TestModeNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyNameIsTranslated_data();
    void everyNameIsTranslated();
    void everyModelNameIsInTheTable_data();
    void everyModelNameIsInTheTable();
    void unknownNamesPassUnchanged();
    void outputsTitleTheNecks_data();
    void outputsTitleTheNecks();
};

void TestModeNames::everyNameIsTranslated_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("english");
    for (const char* name : TranslatableModeNames()) {
        QTest::addRow("%s, German", name) << QLocale(QLocale::German) << QString(name);
        QTest::addRow("%s, French", name) << QLocale(QLocale::French) << QString(name);
    }
}

void TestModeNames::everyNameIsTranslated() {
    QFETCH(QLocale, locale);
    QFETCH(QString, english);
    CTranslations translations(locale);
    translations.Install();
    const QString translated = TranslatedModeName(english.toStdString());
    QVERIFY(!translated.isEmpty());
    QVERIFY2(translated != english, qPrintable(translated));
    QCOMPARE(translated.trimmed(), translated);
    // An altered degree such as "#6" or "bb7" is written the same in every language.
    const QRegularExpression degree(QStringLiteral("(#|b+)\\d"));
    for (const QRegularExpressionMatch& match : degree.globalMatch(english)) {
        QVERIFY2(translated.contains(match.captured()), qPrintable(translated));
    }
}

void TestModeNames::everyModelNameIsInTheTable_data() {
    QTest::addColumn<QString>("english");
    for (int family = 0; family < CMusicModel::kFamilies; ++family) {
        for (int mode = 0; mode < CMusicModel::kModes; ++mode) {
            for (const std::string_view name : {CMusicModel::FamilyModeName(family, mode),
                                                CMusicModel::FamilyShortModeName(family, mode)}) {
                QTest::addRow("family %d, mode %d: %s", family, mode, std::string(name).c_str())
                    << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
            }
        }
    }
}

void TestModeNames::everyModelNameIsInTheTable() {
    QFETCH(QString, english);
    const auto names = TranslatableModeNames();
    QVERIFY(std::find_if(names.begin(), names.end(), [&](const char* name) {
                return english == QLatin1String(name);
            }) != names.end());
}

void TestModeNames::unknownNamesPassUnchanged() {
    CTranslations translations{QLocale(QLocale::German)};
    translations.Install();
    QCOMPARE(TranslatedModeName("Hirajoshi"), QString("Hirajoshi"));
    QCOMPARE(TranslatedModeName(""), QString());
}

void TestModeNames::outputsTitleTheNecks_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    const QStringList svg{"--export", "picture.svg"};
    QTest::newRow("German picture")
        << "de" << svg << QStringList{"C ionisch", "C dorisch", "C lokrisch"}
        << QStringList{"Ionian"};
    QTest::newRow("French picture")
        << "fr" << svg << QStringList{"C ionien", "C dorien", "C locrien"}
        << QStringList{"Ionian"};
    QTest::newRow("German melodic minor picture")
        << "de" << (svg + QStringList{"--family", "melodic-minor", "--string", "40"})
        << QStringList{"C melodisch Moll", "lydisch b7"} << QStringList{"Melodic"};
    QTest::newRow("English picture")
        << "en" << svg << QStringList{"C Ionian", "C Locrian"} << QStringList{"ionisch"};
    QTest::newRow("German text stays English")
        << "de" << QStringList{"--text"} << QStringList{"C Ionian", "C Locrian"}
        << QStringList{"ionisch"};
    QTest::newRow("French text stays English")
        << "fr" << QStringList{"--text", "--family", "harmonic-minor"}
        << QStringList{"C Harmonic Minor", "Phrygian Dominant"} << QStringList{"mineur"};
}

void TestModeNames::outputsTitleTheNecks() {
    QFETCH(QString, language);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), language);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(VARNEL_EXECUTABLE), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QByteArray output = process.readAllStandardOutput();
    if (arguments.contains(QStringLiteral("--export"))) {
        QFile picture(dir.filePath(QStringLiteral("picture.svg")));
        QVERIFY(picture.open(QIODevice::ReadOnly));
        output = picture.readAll();
    }
    const QString text = QString::fromUtf8(output);
    for (const QString& phrase : present) {
        QVERIFY2(text.contains(phrase), qPrintable(phrase));
    }
    for (const QString& phrase : absent) {
        QVERIFY2(!text.contains(phrase), qPrintable(phrase));
    }
}

QTEST_MAIN(TestModeNames)
#include "tst_modenames.moc"
