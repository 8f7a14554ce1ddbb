#pragma once

#include "app/windowplacement.h"
#include "view/activeview.h"
#include "view/optionprefs.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <optional>

class CNeckScrollArea;
class CSoundMenu;
class CVarnelView;
class QActionGroup;
class QPrinter;
class QTimer;
class QToolBar;
class SettingsStore;

// The program's one top-level window: menus, toolbar and status bar around the neck view, a
// caption that always reads "Varnel", and a placement that is restored from and saved to the
// settings store.
class CMainFrame : public QMainWindow, public CActiveViewSource {
    Q_OBJECT

public:
    // Restores the placement and builds the view, then the bars; the store must be bound.
    CMainFrame(SettingsStore& settings, QPrinter& printer, QWidget* pParent = nullptr);
    ~CMainFrame() override;
    Q_DISABLE_COPY_MOVE(CMainFrame)

    QWidget* GetActiveView() const override;
    CVarnelView* View() const { return m_pView; }
    CSoundMenu* Sound() const { return m_pSound; }

    // The action of a command id (ID_FILE_PRINT, ID_KEY_A, ...); null for an unknown id.
    QAction* Action(int nId) const;

    // Shows the entries in the File menu in place of the grayed "Recent File" item.
    void SetRecentFiles(const QStringList& entries);

    // Lays the window out as it would be shown, without showing it, for a print asked for on
    // the command line.
    void LayOutWithoutShowing();

    // The usable part of the frame's screen, which the default placement fills.
    QSize WorkArea() const;
    // Every screen the placement is checked against.
    DesktopAreas Desktop() const;

    // Writes the picture to path in the format its extension names (PNG and SVG: the whole
    // drawing at actual size; PDF: the printed page). Returns why it failed, or an empty text.
    QString ExportTo(const QString& strPath) const;

    void OnFileExport();
    void OnEditCopy();

Q_SIGNALS:
    void recentFileChosen(int nIndex);

protected:
    void moveEvent(QMoveEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void PreCreateWindow();
    void OnCreate();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void OnWindowPosChanged();
    void WritePlacement();
    void MatchOuterSize();
    QAction* AddCommand(int nId, const QString& text);
    // A group of checkable commands with consecutive ids, one per name.
    QActionGroup* AddChoice(int nFirstId, const QStringList& names);
    void CreateKeyActions();
    void CreateViewActions();
    void CreateOptionActions();
    void ShowChecks();
    void ChangeOptions(const std::function<void(OptionPrefs&)>& change);
    void CreateInstrumentActions();
    void OnCustomTuning();
    void OnFretWindow();

    SettingsStore& m_settings;
    QPrinter& m_printer;
    CVarnelView* m_pView = nullptr;
    CNeckScrollArea* m_pScrollArea = nullptr;
    CSoundMenu* m_pSound = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QStatusBar* m_wndStatusBar = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentPlaceholder = nullptr;
    QAction* m_pRecentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    std::map<int, QAction*> m_actions;
    // The restored outer size, until the window manager's frame is known and can be taken off.
    std::optional<QSize> m_pendingOuterSize;
    // A drag moves the window many times a second: the placement is written once it settles.
    QTimer* m_pPlacementTimer = nullptr;
    std::optional<WindowPlacement> m_lastWritten;
};
