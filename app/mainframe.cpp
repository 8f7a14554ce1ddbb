#include "app/mainframe.h"

#include "dialogs/trace.h"
#include "res/images.h"
#include "res/resource.h"
#include "res/strings.h"
#include "settings/settingsstore.h"
#include "view/varnelview.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QMoveEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString& ScreenGroup() {
    static const QString group = QStringLiteral("Screen");
    return group;
}

// Toolbar order: the seven letters, Preferences, Print, with the image of the same index.
constexpr int kKeyCommands[] = {ID_KEY_A, ID_KEY_B, ID_KEY_C, ID_KEY_D,
                                ID_KEY_E, ID_KEY_F, ID_KEY_G};
constexpr int kPreferencesImage = 7;
constexpr int kPrintImage = 8;

QString RecentEntryText(int index, const QString& path) {
    constexpr int kMaxShown = 60;
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() > kMaxShown) {
        shown =
            shown.left(kMaxShown / 2 - 2) + QStringLiteral("...") + shown.right(kMaxShown / 2 - 1);
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace

CMainFrame::CMainFrame(SettingsStore& settings, QPrinter& printer, QWidget* pParent)
    : QMainWindow(pParent)
    , m_settings(settings)
    , m_printer(printer) {
    PreCreateWindow();
    OnCreate();
}

CMainFrame::~CMainFrame() = default;

QWidget* CMainFrame::GetActiveView() const {
    return m_pView;
}

QAction* CMainFrame::Action(int nId) const {
    const auto found = m_actions.find(nId);
    return found == m_actions.end() ? nullptr : found->second;
}

QSize CMainFrame::WorkArea() const {
    const QScreen* frameScreen = screen();
    return frameScreen != nullptr ? frameScreen->availableGeometry().size() : QSize();
}

void CMainFrame::PreCreateWindow() {
    // The caption never shows the document's name.
    setWindowTitle(LoadString(AFX_IDS_APP_TITLE));
    setWindowIcon(ApplicationIcon());
    const WindowPlacement stored{m_settings.ReadInt(ScreenGroup(), QStringLiteral("x"), 0),
                                 m_settings.ReadInt(ScreenGroup(), QStringLiteral("y"), 0),
                                 m_settings.ReadInt(ScreenGroup(), QStringLiteral("cx"), 0),
                                 m_settings.ReadInt(ScreenGroup(), QStringLiteral("cy"), 0)};
    const WindowPlacement placement = RestoredPlacement(stored, WorkArea());
    move(placement.x, placement.y);
    resize(placement.cx, placement.cy);
    m_pendingOuterSize = QSize(placement.cx, placement.cy);
}

void CMainFrame::OnCreate() {
    // The view first (it reads its preferences as it is made), then the bars.
    m_pView = new CVarnelView(m_settings, m_printer, this);
    setCentralWidget(m_pView);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
}

QAction* CMainFrame::AddCommand(int nId, const QString& text) {
    auto* action = new QAction(text, this);
    action->setData(nId);
    action->setStatusTip(CommandPrompt(nId));
    action->setToolTip(CommandTooltip(nId));
    m_actions[nId] = action;
    return action;
}

void CMainFrame::CreateActions() {
    CVarnelView* view = m_pView;
    void (CVarnelView::*const keyHandlers[])() = {
        &CVarnelView::OnKeyA, &CVarnelView::OnKeyB, &CVarnelView::OnKeyC, &CVarnelView::OnKeyD,
        &CVarnelView::OnKeyE, &CVarnelView::OnKeyF, &CVarnelView::OnKeyG};
    for (std::size_t i = 0; i < std::size(kKeyCommands); ++i) {
        QAction* key = AddCommand(kKeyCommands[i], CommandTooltip(kKeyCommands[i]));
        key->setIcon(ToolbarImage(static_cast<int>(i)));
        connect(key, &QAction::triggered, view, keyHandlers[i]);
    }

    QAction* print = AddCommand(ID_FILE_PRINT, tr("&Print...\tCtrl+P"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print->setIcon(ToolbarImage(kPrintImage));
    connect(print, &QAction::triggered, view, &CVarnelView::OnFilePrint);
    connect(AddCommand(ID_FILE_PRINT_PREVIEW, tr("Print Pre&view")), &QAction::triggered, view,
            &CVarnelView::OnFilePrintPreview);
    // Print Setup belongs to the application, which connects it.
    AddCommand(ID_FILE_PRINT_SETUP, tr("P&rint Setup..."));
    connect(AddCommand(ID_APP_EXIT, tr("E&xit")), &QAction::triggered, this, &QWidget::close);

    QAction* preferences = AddCommand(ID_EDIT_PREFERENCES, tr("&Preferences\tF2"));
    preferences->setShortcut(QKeySequence(Qt::Key_F2));
    preferences->setIcon(ToolbarImage(kPreferencesImage));
    connect(preferences, &QAction::triggered, view, &CVarnelView::OnPreferences);

    AddCommand(ID_VIEW_TOOLBAR, tr("&Toolbar"))->setCheckable(true);
    AddCommand(ID_VIEW_STATUS_BAR, tr("&Status Bar"))->setCheckable(true);
    // About belongs to the application, which connects it.
    AddCommand(ID_APP_ABOUT, tr("&About Varnel..."));

    for (auto& [id, action] : m_actions) {
        // Shortcuts work wherever the focus is inside the frame, toolbar hidden or not.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void CMainFrame::CreateMenus() {
    m_pFileMenu = menuBar()->addMenu(tr("&File"));
    m_pFileMenu->addAction(Action(ID_FILE_PRINT));
    m_pFileMenu->addAction(Action(ID_FILE_PRINT_PREVIEW));
    m_pFileMenu->addAction(Action(ID_FILE_PRINT_SETUP));
    m_pFileMenu->addSeparator();
    m_pRecentPlaceholder = m_pFileMenu->addAction(tr("Recent File"));
    m_pRecentPlaceholder->setData(ID_FILE_MRU_FILE1);
    m_pRecentPlaceholder->setEnabled(false);
    m_pRecentSeparator = m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(Action(ID_APP_EXIT));

    menuBar()->addMenu(tr("&Edit"))->addAction(Action(ID_EDIT_PREFERENCES));

    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    viewMenu->addAction(Action(ID_VIEW_TOOLBAR));
    viewMenu->addAction(Action(ID_VIEW_STATUS_BAR));

    menuBar()->addMenu(tr("&Help"))->addAction(Action(ID_APP_ABOUT));
}

void CMainFrame::CreateToolBar() {
    m_wndToolBar = new QToolBar(tr("Toolbar"), this);
    m_wndToolBar->setObjectName(QStringLiteral("toolbar"));
    m_wndToolBar->setIconSize(QSize(16, 15));
    m_wndToolBar->setMovable(true);
    m_wndToolBar->setFloatable(true);
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const int id : kKeyCommands) {
        m_wndToolBar->addAction(Action(id));
    }
    m_wndToolBar->addSeparator();
    m_wndToolBar->addAction(Action(ID_EDIT_PREFERENCES));
    m_wndToolBar->addSeparator();
    m_wndToolBar->addAction(Action(ID_FILE_PRINT));
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);

    QAction* toggle = Action(ID_VIEW_TOOLBAR);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_wndToolBar, &QWidget::setVisible);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    m_wndStatusBar = statusBar();
    auto* blank = new QLabel(LoadString(ID_INDICATOR_BLANK), m_wndStatusBar);
    blank->setFrameShape(QFrame::Panel);
    blank->setFrameShadow(QFrame::Sunken);
    m_wndStatusBar->addPermanentWidget(blank);
    // The message pane says "Ready" whenever no command's prompt is showing.
    const QString idle = LoadString(AFX_IDS_IDLEMESSAGE);
    connect(m_wndStatusBar, &QStatusBar::messageChanged, m_wndStatusBar,
            [bar = m_wndStatusBar, idle](const QString& message) {
                if (message.isEmpty()) {
                    bar->showMessage(idle);
                }
            });
    m_wndStatusBar->showMessage(idle);

    QAction* toggle = Action(ID_VIEW_STATUS_BAR);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_wndStatusBar, &QWidget::setVisible);
}

void CMainFrame::SetRecentFiles(const QStringList& entries) {
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    m_pRecentPlaceholder->setVisible(entries.isEmpty());
    for (int i = 0; i < entries.size(); ++i) {
        auto* entry = new QAction(RecentEntryText(i, entries.at(i)), this);
        entry->setData(ID_FILE_MRU_FILE1 + i);
        entry->setStatusTip(tr("Open this document"));
        connect(entry, &QAction::triggered, this, [this, i] { Q_EMIT recentFileChosen(i); });
        m_pFileMenu->insertAction(m_pRecentSeparator, entry);
        m_recentActions.append(entry);
    }
}

void CMainFrame::moveEvent(QMoveEvent* pEvent) {
    QMainWindow::moveEvent(pEvent);
    OnWindowPosChanged();
}

void CMainFrame::resizeEvent(QResizeEvent* pEvent) {
    QMainWindow::resizeEvent(pEvent);
    OnWindowPosChanged();
}

void CMainFrame::MatchOuterSize() {
    if (!m_pendingOuterSize || frameGeometry().size() == size()) {
        return;
    }
    // The stored size is the outer one: once the window manager's frame is known, take it
    // off, so a window does not grow by its frame at every start.
    const QSize frame = frameGeometry().size() - size();
    const QSize outer = *m_pendingOuterSize;
    m_pendingOuterSize.reset();
    resize(outer - frame);
}

void CMainFrame::OnWindowPosChanged() {
    if (isMinimized()) {
        return;
    }
    MatchOuterSize();
    const QRect outer = frameGeometry();
    const WindowPlacement placement =
        ClampedPlacement({outer.x(), outer.y(), outer.width(), outer.height()}, WorkArea());
    m_settings.WriteInt(ScreenGroup(), QStringLiteral("x"), placement.x);
    m_settings.WriteInt(ScreenGroup(), QStringLiteral("y"), placement.y);
    m_settings.WriteInt(ScreenGroup(), QStringLiteral("cx"), placement.cx);
    m_settings.WriteInt(ScreenGroup(), QStringLiteral("cy"), placement.cy);
    VARNEL_TRACE() << "wrote " << placement.x << ' ' << placement.y << ' ' << placement.cx << ' '
                   << placement.cy;
}
