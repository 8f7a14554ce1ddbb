// Mode names in the user's language. The autopkgtest (debian/tests, run by CTest) checks that a
// German export titles its necks in German while --text stays English.
#include "app/translations.h"
#include "music/musicmodel.h"
#include "view/modenames.h"

#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

class TestModeNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyNameIsTranslated_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("english");
        for (const char* name : TranslatableModeNames()) {
            QTest::addRow("%s, German", name) << QLocale(QLocale::German) << QString(name);
            QTest::addRow("%s, French", name) << QLocale(QLocale::French) << QString(name);
        }
    }
    void everyNameIsTranslated() {
        QFETCH(QLocale, locale);
        QFETCH(QString, english);
        CTranslations translations(locale);
        translations.Install();
        const QString translated = TranslatedModeName(english.toStdString());
        // German keeps borrowed names as they are: the English Blues, the Chinese Man Gong and
        // the Japanese Ritusen.
        static const QStringList borrowed{QStringLiteral("Blues"),    QStringLiteral("Blues 3"),
                                          QStringLiteral("Blues 4"),  QStringLiteral("Blues 5"),
                                          QStringLiteral("Man Gong"), QStringLiteral("Ritusen")};
        const bool alike = locale.language() == QLocale::German && borrowed.contains(english);
        QVERIFY2(!translated.isEmpty() && (translated != english || alike), qPrintable(translated));
        // An altered degree such as "#6" or "bb7" is written alike in every language.
        const QRegularExpression degree(QStringLiteral("(#|b+)\\d"));
        for (const QRegularExpressionMatch& match : degree.globalMatch(english)) {
            QVERIFY2(translated.contains(match.captured()), qPrintable(translated));
        }
    }

    void everyModelNameIsInTheTable_data() {
        QTest::addColumn<QString>("english");
        for (int family = 0; family < CMusicModel::kFamilies; ++family) {
            for (int mode = 0; mode < ScaleFamilyOf(family).modeCount; ++mode) {
                for (const std::string_view name :
                     {CMusicModel::FamilyModeName(family, mode),
                      CMusicModel::FamilyShortModeName(family, mode)}) {
                    const std::string text(name);
                    QTest::addRow("%s", text.c_str()) << QString::fromStdString(text);
                }
            }
        }
    }
    void everyModelNameIsInTheTable() {
        QFETCH(QString, english);
        const auto names = TranslatableModeNames();
        QVERIFY(std::any_of(names.begin(), names.end(),
                            [&](const char* name) { return english == QLatin1String(name); }));
    }
};

QTEST_MAIN(TestModeNames)
#include "tst_modenames.moc"
