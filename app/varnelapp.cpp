#include "app/varnelapp.h"

#include "app/commandline.h"
#include "app/mainframe.h"
#include "app/settingslocation.h"
#include "app/terminaltext.h"
#include "dialogs/aboutdlg.h"
#include "res/resource.h"
#include "view/printframework.h"
#include "view/varnelview.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>

CVarnelApp::CVarnelApp()
    : m_pPrinter(std::make_unique<QPrinter>()) {}

CVarnelApp::~CVarnelApp() = default;

bool CVarnelApp::InitInstance(const CommandLineOptions& options) {
    // The frame and the view read the store while they are made: bind it first. A store that
    // cannot be created leaves the program on its defaults, silently.
    m_settings.Open(nullptr, SettingsRootFolder(), SettingsBasePath());
    LoadStdProfileSettings(4);
    if (!ProcessShellCommand(options)) {
        return false;
    }
    m_pMainWnd->show();
    return true;
}

void CVarnelApp::LoadStdProfileSettings(int nMaxMRU) {
    // Kept beside the settings, never in them.
    const QString folder = QDir(SettingsRootFolder()).filePath(QStringLiteral("Dovrane Software"));
    m_pRecentFileList = std::make_unique<CRecentFileList>(
        QDir(folder).filePath(QStringLiteral("Varnel Recent Files.conf")), nMaxMRU);
    m_pRecentFileList->ReadList();
}

bool CVarnelApp::ProcessShellCommand(const CommandLineOptions& options) {
    if (!options.documentPath.isEmpty()) {
        if (!m_doc.OnOpenDocument(options.documentPath)) {
            ReportError(tr("cannot open %1: no readable file of that name")
                            .arg(Quoted(QDir::toNativeSeparators(options.documentPath))));
            m_nExitCode = 1;
            return false;
        }
    } else {
        m_doc.OnNewDocument();
    }

    m_pMainWnd = std::make_unique<CMainFrame>(m_settings, *m_pPrinter);
    CMainFrame& frame = *m_pMainWnd;
    connect(frame.Action(ID_APP_ABOUT), &QAction::triggered, this, &CVarnelApp::OnAppAbout);
    connect(frame.Action(ID_FILE_PRINT_SETUP), &QAction::triggered, this,
            &CVarnelApp::OnFilePrintSetup);
    connect(&frame, &CMainFrame::recentFileChosen, this, &CVarnelApp::OnRecentFile);
    frame.View()->OnInitialUpdate();
    if (!m_doc.GetPathName().isEmpty()) {
        AddToRecentFileList(m_doc.GetPathName());
    }
    frame.SetRecentFiles(m_pRecentFileList->Entries());

    if (options.printDirect) {
        // Print and end, without showing the window. The page's scale follows the view's
        // size, so the frame lays its view out as if it were shown.
        frame.LayOutWithoutShowing();
        if (!frame.View()->OnFilePrintDirect()) {
            ReportError(tr("nothing was printed: no printer could be started"));
            m_nExitCode = 1;
        }
        return false;
    }
    return true;
}

bool CVarnelApp::OpenDocumentFile(const QString& strPath) {
    if (!m_doc.OnOpenDocument(strPath)) {
        return false;
    }
    AddToRecentFileList(m_doc.GetPathName());
    if (m_pMainWnd) {
        m_pMainWnd->SetRecentFiles(m_pRecentFileList->Entries());
        m_pMainWnd->View()->OnInitialUpdate();
    }
    return true;
}

void CVarnelApp::OnRecentFile(int nIndex) {
    const QStringList& entries = m_pRecentFileList->Entries();
    if (nIndex < 0 || nIndex >= entries.size()) {
        return;
    }
    const QString path = entries.at(nIndex);
    if (OpenDocumentFile(path)) {
        return;
    }
    // A file that has gone away leaves the list, as it could never be opened again.
    QMessageBox::warning(m_pMainWnd.get(), tr("Varnel"),
                         tr("Cannot open \"%1\".").arg(QDir::toNativeSeparators(path)));
    m_pRecentFileList->Remove(nIndex);
    m_pRecentFileList->WriteList();
    m_pMainWnd->SetRecentFiles(m_pRecentFileList->Entries());
}

void CVarnelApp::AddToRecentFileList(const QString& strPath) {
    m_pRecentFileList->Add(strPath);
    m_pRecentFileList->WriteList();
}

void CVarnelApp::OnAppAbout() {
    CAboutDlg dlg(&m_bMailLinkVisited, &m_bWebLinkVisited, m_pMainWnd.get());
    dlg.exec();
}

void CVarnelApp::OnFilePrintSetup() {
    RunPrintSetup(*m_pPrinter, m_pMainWnd.get());
}
