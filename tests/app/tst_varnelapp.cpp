#include "app/commandline.h"
#include "app/mainframe.h"
#include "app/varnelapp.h"
#include "dialogs/aboutdlg.h"
#include "res/resource.h"
#include "tests/support/configfolder.h"
#include "tests/support/pdfpages.h"
#include "view/accidentalbutton.h"
#include "view/varnelview.h"

#include <QAction>
#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

CommandLineOptions WithDocument(const QString& path) {
    CommandLineOptions options;
    options.documentPath = path;
    return options;
}

} // namespace

class TestVarnelApp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void storeIsBoundBeforeTheViewReadsIt();
    void firstStartCreatesTheSettingsFile();
    void unusableSettingsFolderStillGivesAWindow();
    void documentOnTheCommandLine();
    void unreadableDocumentEndsWithoutAWindow_data();
    void unreadableDocumentEndsWithoutAWindow();
    void recentEntryReinitialisesInPlace();
    void recentListKeepsFourNewestFirst();
    void recentMenuEntryOpensItsDocument();
    void recentListSurvivesARestart();
    void aboutBoxChangesNothing();
    void printDirectlyPrintsOnePageAndEnds();
    void printDirectlyWithoutAPrinterFails();

private:
    std::unique_ptr<QTemporaryDir> m_config;
};

void TestVarnelApp::init() {
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
}

void TestVarnelApp::storeIsBoundBeforeTheViewReadsIt() {
    WriteFile(SettingsFile(*m_config), "[Prefs]\nFret=44\nString=33\nNeck=11\nStyle=1\n");
    CVarnelApp app;
    QVERIFY(app.InitInstance({}));
    const CVarnelView& view = *app.MainFrame()->View();
    // The view reads only while it is made: these values prove the store was bound by then.
    QCOMPARE(view.m_nFretSpacing, 44);
    QCOMPARE(view.m_nStringSpacing, 33);
    QCOMPARE(view.m_nNeckSpacing, 11);
    QCOMPARE(view.m_nStyle, 1);
    WriteFile(SettingsFile(*m_config), "[Prefs]\nFret=12\n");
    QCoreApplication::processEvents();
    QCOMPARE(view.m_nFretSpacing, 44);
}

void TestVarnelApp::firstStartCreatesTheSettingsFile() {
    QVERIFY(!QFileInfo::exists(SettingsFile(*m_config)));
    CVarnelApp app;
    QVERIFY(app.InitInstance({}));
    QVERIFY(QFileInfo(SettingsFile(*m_config)).isFile());
    QVERIFY(app.MainFrame()->isVisible());
    QCOMPARE(app.MainFrame()->View()->m_nFretSpacing, 30);
    QVERIFY(!app.m_bMailLinkVisited);
    QVERIFY(!app.m_bWebLinkVisited);
}

void TestVarnelApp::unusableSettingsFolderStillGivesAWindow() {
    // A plain file where the settings folder should be.
    WriteFile(m_config->filePath(QStringLiteral("Dovrane Software")), "not a folder");
    CVarnelApp app;
    QVERIFY(app.InitInstance({}));
    QCOMPARE(app.MainFrame()->View()->m_nStringSpacing, 20);
    app.MainFrame()->move(20, 30);
    QCoreApplication::processEvents();
    QVERIFY(QFileInfo(m_config->filePath(QStringLiteral("Dovrane Software"))).isFile());
}

void TestVarnelApp::documentOnTheCommandLine() {
    const QString document = m_config->filePath(QStringLiteral("song.vnl"));
    WriteFile(document, "whatever is inside is never read");
    CVarnelApp app;
    QVERIFY(app.InitInstance(WithDocument(document)));
    QCOMPARE(app.Document().GetPathName(), document);
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Varnel"));
    QCOMPARE(app.RecentFileList()->Entries(), QStringList{document});
    // The list lives in a file of its own; the settings never mention the document.
    QFile settings(SettingsFile(*m_config));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(!settings.readAll().contains("song.vnl"));
    const CVarnelView& view = *app.MainFrame()->View();
    QCOMPARE(view.m_nKey, 0);
    QVERIFY(view.m_pNaturalButton->isChecked());
}

void TestVarnelApp::unreadableDocumentEndsWithoutAWindow_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << "missing.vnl";
    QTest::newRow("a folder") << ".";
}

void TestVarnelApp::unreadableDocumentEndsWithoutAWindow() {
    QFETCH(QString, name);
    CVarnelApp app;
    QVERIFY(!app.InitInstance(WithDocument(m_config->filePath(name))));
    QCOMPARE(app.ExitCode(), 1);
    QCOMPARE(app.MainFrame(), nullptr);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestVarnelApp::recentEntryReinitialisesInPlace() {
    const QString first = m_config->filePath(QStringLiteral("first.vnl"));
    const QString second = m_config->filePath(QStringLiteral("second.vnl"));
    WriteFile(first, "");
    WriteFile(second, "");
    CVarnelApp app;
    QVERIFY(app.InitInstance(WithDocument(first)));
    CVarnelView* view = app.MainFrame()->View();
    view->OnKeyD();
    QVERIFY(app.OpenDocumentFile(second));
    QCOMPARE(app.MainFrame()->View(), view);
    QCOMPARE(view->findChildren<CAccidentalButton*>().size(), 3);
    QCOMPARE(app.RecentFileList()->Entries(), (QStringList{second, first}));
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Varnel"));
    QVERIFY(!app.OpenDocumentFile(m_config->filePath(QStringLiteral("gone.vnl"))));
    QCOMPARE(app.Document().GetPathName(), second);
}

void TestVarnelApp::recentMenuEntryOpensItsDocument() {
    const QString older = m_config->filePath(QStringLiteral("older.vnl"));
    const QString newer = m_config->filePath(QStringLiteral("newer.vnl"));
    WriteFile(older, "");
    WriteFile(newer, "");
    CVarnelApp app;
    QVERIFY(app.InitInstance(WithDocument(older)));
    QVERIFY(app.OpenDocumentFile(newer));
    QAction* second = nullptr;
    for (QAction* action : app.MainFrame()->findChildren<QAction*>()) {
        if (action->data().toInt() == ID_FILE_MRU_FILE1 + 1 && action->isVisible()) {
            second = action;
        }
    }
    QVERIFY(second != nullptr);
    QVERIFY(second->text().endsWith(QStringLiteral("older.vnl")));
    second->trigger();
    QCOMPARE(app.Document().GetPathName(), older);
    QCOMPARE(app.RecentFileList()->Entries(), (QStringList{older, newer}));
}

void TestVarnelApp::recentListKeepsFourNewestFirst() {
    CVarnelApp app;
    QVERIFY(app.InitInstance({}));
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths << m_config->filePath(QStringLiteral("song%1.vnl").arg(i));
        WriteFile(paths.last(), "");
        QVERIFY(app.OpenDocumentFile(paths.last()));
    }
    QVERIFY(app.OpenDocumentFile(paths.at(2)));
    QCOMPARE(app.RecentFileList()->Entries(),
             (QStringList{paths.at(2), paths.at(4), paths.at(3), paths.at(1)}));
}

void TestVarnelApp::recentListSurvivesARestart() {
    const QString document = m_config->filePath(QStringLiteral("kept.vnl"));
    WriteFile(document, "");
    {
        CVarnelApp app;
        QVERIFY(app.InitInstance(WithDocument(document)));
    }
    CVarnelApp again;
    QVERIFY(again.InitInstance({}));
    QCOMPARE(again.RecentFileList()->Entries(), QStringList{document});
    QCOMPARE(again.Document().GetPathName(), QString());
}

void TestVarnelApp::aboutBoxChangesNothing() {
    CVarnelApp app;
    QVERIFY(app.InitInstance({}));
    QCoreApplication::processEvents();
    QFile settings(SettingsFile(*m_config));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray before = settings.readAll();
    settings.close();
    QSignalSpy redraws(app.MainFrame()->View(), &CVarnelView::invalidated);
    QString caption;
    QTimer::singleShot(0, [&caption] {
        auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        if (about != nullptr) {
            caption = about->windowTitle();
            QTest::keyClick(about, Qt::Key_Escape);
        }
    });
    app.MainFrame()->Action(ID_APP_ABOUT)->trigger();
    QCOMPARE(caption, QStringLiteral("About Varnel"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QCOMPARE(settings.readAll(), before);
    QCOMPARE(redraws.count(), 0);
    QVERIFY(!app.m_bMailLinkVisited);
    QVERIFY(!app.m_bWebLinkVisited);
}

void TestVarnelApp::printDirectlyPrintsOnePageAndEnds() {
    const QString pdf = m_config->filePath(QStringLiteral("printed.pdf"));
    CVarnelApp app;
    app.Printer().setOutputFormat(QPrinter::PdfFormat);
    app.Printer().setOutputFileName(pdf);
    CommandLineOptions options;
    options.printDirect = true;
    QVERIFY(!app.InitInstance(options));
    QCOMPARE(app.ExitCode(), 0);
    QVERIFY(!app.MainFrame()->isVisible());
    QCOMPARE(PdfFilePageCount(pdf), 1);
    // The page was scaled from the view as the placed window would show it.
    QCOMPARE(app.MainFrame()->View()->VisibleSize().width(), app.MainFrame()->width());
}

void TestVarnelApp::printDirectlyWithoutAPrinterFails() {
    CVarnelApp app;
    app.Printer().setOutputFormat(QPrinter::PdfFormat);
    // A file that cannot be created stands for a printer that cannot be started.
    app.Printer().setOutputFileName(m_config->filePath(QStringLiteral("no/such/folder/p.pdf")));
    CommandLineOptions options;
    options.printDirect = true;
    QVERIFY(!app.InitInstance(options));
    QCOMPARE(app.ExitCode(), 1);
}

QTEST_MAIN(TestVarnelApp)
#include "tst_varnelapp.moc"
