#pragma once

#include "app/recentfilelist.h"
#include "app/varneldoc.h"
#include "settings/settingsstore.h"

#include <QObject>

#include <memory>

class CMainFrame;
class QPrinter;
struct CommandLineOptions;

// The application: binds the settings store, creates the document and the main frame with its
// view, and owns what lives as long as the program: the store, the printer, the recent-file
// list and the About box's visited flags. The QApplication itself is made by main().
class CVarnelApp : public QObject {
    Q_OBJECT

public:
    CVarnelApp();
    ~CVarnelApp() override;
    Q_DISABLE_COPY_MOVE(CVarnelApp)

    // Start-up in order: store, profile, document and frame from the command line, show.
    // False when the program should end without a window; ExitCode() then says how.
    bool InitInstance(const CommandLineOptions& options);
    int ExitCode() const { return m_nExitCode; }

    void OnAppAbout();
    void OnFilePrintSetup();
    // Re-initialises the one document in place from a file, as a recent-file entry does.
    bool OpenDocumentFile(const QString& strPath);

    CMainFrame* MainFrame() const { return m_pMainWnd.get(); }
    const CVarnelDoc& Document() const { return m_doc; }
    const CRecentFileList* RecentFileList() const { return m_pRecentFileList.get(); }
    QPrinter& Printer() { return *m_pPrinter; }

    SettingsStore m_settings;
    bool m_bMailLinkVisited = false;
    bool m_bWebLinkVisited = false;

private:
    void LoadStdProfileSettings(int nMaxMRU);
    bool ProcessShellCommand(const CommandLineOptions& options);
    void OnRecentFile(int nIndex);
    void AddToRecentFileList(const QString& strPath);

    CVarnelDoc m_doc;
    std::unique_ptr<QPrinter> m_pPrinter;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::unique_ptr<CMainFrame> m_pMainWnd;
    int m_nExitCode = 0;
};
