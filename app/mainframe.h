#pragma once

#include "app/windowplacement.h"
#include "view/activeview.h"

#include <QMainWindow>

#include <map>
#include <optional>

class CVarnelView;
class QPrinter;
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

    // The action of a command id (ID_FILE_PRINT, ID_KEY_A, ...); null for an unknown id.
    QAction* Action(int nId) const;

    // Shows the entries in the File menu in place of the grayed "Recent File" item.
    void SetRecentFiles(const QStringList& entries);

    // The work area the placement is checked against: the usable part of the frame's screen.
    QSize WorkArea() const;

Q_SIGNALS:
    void recentFileChosen(int nIndex);

protected:
    void moveEvent(QMoveEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void PreCreateWindow();
    void OnCreate();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void OnWindowPosChanged();
    void MatchOuterSize();
    QAction* AddCommand(int nId, const QString& text);

    SettingsStore& m_settings;
    QPrinter& m_printer;
    CVarnelView* m_pView = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QStatusBar* m_wndStatusBar = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentPlaceholder = nullptr;
    QAction* m_pRecentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    std::map<int, QAction*> m_actions;
    // The restored outer size, until the window manager's frame is known and can be taken off.
    std::optional<QSize> m_pendingOuterSize;
};
