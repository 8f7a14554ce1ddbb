#include "app/mainframe.h"
#include "app/translations.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/fretwindowdlg.h"
#include "dialogs/prefsdlg.h"
#include "dialogs/tuningdlg.h"
#include "music/tuning.h"
#include "settings/settingsstore.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<QDialog> MakeDialog(const QString& name) {
    if (name == QLatin1String("Preferences")) {
        return std::make_unique<CPrefsDlg>();
    }
    if (name == QLatin1String("About")) {
        return std::make_unique<CAboutDlg>(nullptr, nullptr);
    }
    if (name == QLatin1String("Fret window")) {
        return std::make_unique<CFretWindowDlg>(5, 9, CMusicModel::kMaxFrets);
    }
    return std::make_unique<CTuningDlg>(TuningPresets().front().midi);
}

// Whether a control's text fits the room it has: a label's on its line or, wrapped, in its
// height; a radio button's beside its indicator; a group box's title along its frame.
bool Fits(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                 : metrics.size(Qt::TextShowMnemonic, label->text()).width() <=
                                       label->contentsRect().width();
    }
    if (qobject_cast<const QRadioButton*>(&control) != nullptr) {
        return control.sizeHint().width() <= control.width();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
        return metrics.horizontalAdvance(box->title()) < box->width();
    }
    return true;
}

// A main frame over a settings store of its own.
struct Frame {
    QTemporaryDir dir;
    SettingsStore store;
    QPrinter printer;
    std::unique_ptr<CMainFrame> frame;

    Frame() {
        store.Open(nullptr, dir.path(), QStringLiteral("Varnel"));
        frame = std::make_unique<CMainFrame>(store, printer);
    }
};

// Each menu's items, and the menu bar's menus, need an accelerator of their own.
QStringList AcceleratorClashes(const QList<QAction*>& actions, const QString& where) {
    QStringList clashes;
    QMap<int, QString> taken;
    for (const QAction* action : actions) {
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        if (action->isSeparator() || key.isEmpty()) {
            continue;
        }
        const int letter = key[0].toCombined();
        if (taken.contains(letter)) {
            clashes << QStringLiteral("%1: %2 and %3").arg(where, taken[letter], action->text());
        }
        taken[letter] = action->text();
        if (action->menu() != nullptr) {
            clashes << AcceleratorClashes(action->menu()->actions(), action->text());
        }
    }
    return clashes;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowSpeaksTheLanguage_data();
    void windowSpeaksTheLanguage();
    void menuAcceleratorsAreUnique_data();
    void menuAcceleratorsAreUnique();
    void commandLineSpeaksTheLanguage_data();
    void commandLineSpeaksTheLanguage();
    void dialogTextsFitTheirControls_data();
    void dialogTextsFitTheirControls();
};

void TestTranslations::windowSpeaksTheLanguage_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("cancel"); // Qt's own text
    QTest::newRow("German") << QLocale(QLocale::German) << "&Datei"
                            << "Abbrechen";
    QTest::newRow("Swiss German") << QLocale(QLocale::German, QLocale::Switzerland) << "&Datei"
                                  << "Abbrechen";
    QTest::newRow("French") << QLocale(QLocale::French) << "&Fichier"
                            << "Annuler";
    QTest::newRow("Japanese, untranslated") << QLocale(QLocale::Japanese) << "&File"
                                            << "Cancel";
}

void TestTranslations::windowSpeaksTheLanguage() {
    QFETCH(QLocale, locale);
    QFETCH(QString, fileMenu);
    QFETCH(QString, cancel);
    CTranslations translations(locale);
    translations.Install();
    const Frame window;
    QCOMPARE(window.frame->menuBar()->actions().constFirst()->text(), fileMenu);
    const CTuningDlg tuning(TuningPresets().front().midi);
    const auto* buttons = tuning.findChild<QDialogButtonBox*>();
    QVERIFY(buttons != nullptr);
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), cancel);
}

void TestTranslations::menuAcceleratorsAreUnique_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("German") << QLocale(QLocale::German);
    QTest::newRow("French") << QLocale(QLocale::French);
}

void TestTranslations::menuAcceleratorsAreUnique() {
    QFETCH(QLocale, locale);
    CTranslations translations(locale);
    translations.Install();
    const Frame window;
    const QStringList clashes =
        AcceleratorClashes(window.frame->menuBar()->actions(), QStringLiteral("menu bar"));
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
}

void TestTranslations::commandLineSpeaksTheLanguage_data() {
    QTest::addColumn<QString>("language"); // LANGUAGE
    QTest::addColumn<QString>("lang");     // LANG
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("phrase"); // on stdout, or on stderr for a failure
    QTest::newRow("German help") << "de"
                                 << "de_DE.UTF-8" << QStringList{"--help"} << 0 << "Aufruf: varnel";
    QTest::newRow("French by LANG alone")
        << ""
        << "fr_FR.UTF-8" << QStringList{"--help"} << 0 << "Usage : varnel";
    QTest::newRow("English ranked before German")
        << "en:de"
        << "de_DE.UTF-8" << QStringList{"--help"} << 0 << "Usage: varnel";
    QTest::newRow("German refusal of the note H")
        << "de"
        << "de_DE.UTF-8" << QStringList{"--text", "--key", "H"} << 2
        << "varnel: ung\u00fcltige Tonart \"H\"";
    QTest::newRow("Qt's option parser in German")
        << "de"
        << "de_DE.UTF-8" << QStringList{"--no-such-option"} << 2 << "Unbekannte Option";
    QTest::newRow("French export failure")
        << "fr"
        << "fr_FR.UTF-8" << QStringList{"--export", "/nonexistent/varnel.png"} << 1
        << "varnel: impossible d'\u00e9crire";
}

void TestTranslations::commandLineSpeaksTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, lang);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, phrase);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LANGUAGE"), language);
    environment.insert(QStringLiteral("LANG"), lang);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VARNEL_EXECUTABLE), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), exitCode);
    const QByteArray output =
        exitCode == 0 ? process.readAllStandardOutput() : process.readAllStandardError();
    QVERIFY2(QString::fromUtf8(output).contains(phrase), output.constData());
}

void TestTranslations::dialogTextsFitTheirControls_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("dialog");
    for (const QString dialog : {"Preferences", "About", "Custom tuning", "Fret window"}) {
        QTest::addRow("%s, German", qPrintable(dialog)) << QLocale(QLocale::German) << dialog;
        QTest::addRow("%s, French", qPrintable(dialog)) << QLocale(QLocale::French) << dialog;
    }
}

void TestTranslations::dialogTextsFitTheirControls() {
    QFETCH(QLocale, locale);
    QFETCH(QString, dialog);
    CTranslations translations(locale);
    translations.Install();
    const std::unique_ptr<QDialog> shown = MakeDialog(dialog);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    QStringList overflows;
    for (const QWidget* control : shown->findChildren<QWidget*>()) {
        if (!Fits(*control)) {
            overflows << control->property("text").toString() +
                             control->property("title").toString();
        }
    }
    QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(u'\n')));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
