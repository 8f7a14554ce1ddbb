#include "app/mainframe.h"

#include "app/pictureexport.h"
#include "dialogs/fretwindowdlg.h"
#include "dialogs/trace.h"
#include "dialogs/tuningdlg.h"
#include "res/images.h"
#include "res/resource.h"
#include "res/strings.h"
#include "settings/settingsstore.h"
#include "sound/soundmenu.h"
#include "view/accidentalbutton.h"
#include "view/neckscrollarea.h"
#include "view/varnelview.h"
#include "view/zoomsteps.h"

#include "app/terminaltext.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMoveEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
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
// The pitch class of each letter command's natural note, in the order of kKeyCommands.
constexpr int kKeyPitches[] = {9, 11, 0, 2, 4, 5, 7};

// The presets' names as a translator sees them; the model keeps them in English.
[[maybe_unused]] constexpr const char* kTuningNames[] = {
    QT_TRANSLATE_NOOP("Tunings", "Standard"),
    QT_TRANSLATE_NOOP("Tunings", "Drop D"),
    QT_TRANSLATE_NOOP("Tunings", "DADGAD"),
    QT_TRANSLATE_NOOP("Tunings", "Open D"),
    QT_TRANSLATE_NOOP("Tunings", "Open G"),
    QT_TRANSLATE_NOOP("Tunings", "Half Step Down"),
    QT_TRANSLATE_NOOP("Tunings", "Whole Step Down"),
    QT_TRANSLATE_NOOP("Tunings", "7-String Guitar"),
    QT_TRANSLATE_NOOP("Tunings", "8-String Guitar"),
    QT_TRANSLATE_NOOP("Tunings", "4-String Bass"),
    QT_TRANSLATE_NOOP("Tunings", "5-String Bass"),
    QT_TRANSLATE_NOOP("Tunings", "6-String Bass")};

// The six-string presets kept the ids they always had; the rest came later.
constexpr int kTuningsWithFirstIds = ID_VIEW_LABELS_EXTENSIONS - ID_VIEW_TUNING_FIRST;

int TuningCommand(std::size_t nPreset) {
    const int preset = static_cast<int>(nPreset);
    return preset < kTuningsWithFirstIds
               ? ID_VIEW_TUNING_FIRST + preset
               : ID_VIEW_TUNING_MORE_FIRST + preset - kTuningsWithFirstIds;
}

// The first three families kept the ids they always had; the rest came later.
int FamilyCommand(int nFamily) {
    constexpr int kFamiliesWithFirstIds = 3;
    return nFamily < kFamiliesWithFirstIds
               ? ID_VIEW_FAMILY_FIRST + nFamily
               : ID_VIEW_FAMILY_MORE_FIRST + nFamily - kFamiliesWithFirstIds;
}

int PositionsCommand(PositionKind kind) {
    return kind == PositionKind::Caged ? ID_VIEW_POSITIONS_CAGED
                                       : ID_VIEW_POSITIONS_FIRST + static_cast<int>(kind);
}

// The Tuning menu's sections: guitar tunings, guitars of more strings, basses.
int TuningSection(const TuningPreset& preset) {
    if (preset.id.starts_with("bass-")) {
        return 2;
    }
    return preset.midi.size() > static_cast<std::size_t>(CMusicModel::kGuitarStrings) ? 1 : 0;
}

QString TuningName(const TuningPreset& preset) {
    const std::string name(preset.name);
    return QCoreApplication::translate("Tunings", name.c_str());
}

// A command's prompt or tooltip with its shortcuts, as in "Key of D (D)".
QString WithShortcuts(const QString& text, const QAction* action) {
    QStringList keys;
    for (const QKeySequence& shortcut : action->shortcuts()) {
        keys << shortcut.toString(QKeySequence::NativeText);
    }
    return keys.isEmpty() ? text
                          : QStringLiteral("%1 (%2)").arg(text, keys.join(QStringLiteral(", ")));
}

// How long a window stays put before its placement is written.
constexpr int kPlacementSettleMs = 300;

QString RecentEntryText(int index, const QString& path) {
    constexpr std::size_t kMaxShown = 60;
    // Controls and direction overrides in a name could make it read as another file's.
    QString shown = OneLine(QDir::toNativeSeparators(path));
    const std::u32string characters = shown.toStdU32String();
    if (characters.size() > kMaxShown) {
        // Cut between characters, never inside one.
        const std::size_t head = kMaxShown / 2 - 2;
        const std::size_t tail = kMaxShown / 2 - 1;
        shown = QString::fromStdU32String(characters.substr(0, head)) + QStringLiteral("...") +
                QString::fromStdU32String(characters.substr(characters.size() - tail));
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace

CMainFrame::CMainFrame(SettingsStore& settings, QPrinter& printer, QWidget* pParent)
    : QMainWindow(pParent)
    , m_settings(settings)
    , m_printer(printer)
    , m_pPlacementTimer(new QTimer(this)) {
    m_pPlacementTimer->setSingleShot(true);
    m_pPlacementTimer->setInterval(kPlacementSettleMs);
    connect(m_pPlacementTimer, &QTimer::timeout, this, &CMainFrame::WritePlacement);
    PreCreateWindow();
    OnCreate();
}

CMainFrame::~CMainFrame() {
    m_settings.SetFailureHandler(nullptr);
}

QWidget* CMainFrame::GetActiveView() const {
    return m_pView;
}

QAction* CMainFrame::Action(int nId) const {
    const auto found = m_actions.find(nId);
    return found == m_actions.end() ? nullptr : found->second;
}

void CMainFrame::LayOutWithoutShowing() {
    ensurePolished();
    layout()->activate();
    m_pScrollArea->UpdateViewSize();
}

QSize CMainFrame::WorkArea() const {
    const QScreen* frameScreen = screen();
    return frameScreen != nullptr ? frameScreen->availableGeometry().size() : QSize();
}

DesktopAreas CMainFrame::Desktop() const {
    DesktopAreas desktop;
    for (const QScreen* each : QGuiApplication::screens()) {
        desktop.screens.append(each->geometry());
        desktop.available.append(each->availableGeometry());
    }
    desktop.primaryWorkArea = WorkArea();
    return desktop;
}

void CMainFrame::PreCreateWindow() {
    // The caption never shows the document's name.
    setWindowTitle(LoadString(AFX_IDS_APP_TITLE));
    setWindowIcon(ApplicationIcon());
    const WindowPlacement stored{m_settings.ReadInt(ScreenGroup(), QStringLiteral("x"), 0),
                                 m_settings.ReadInt(ScreenGroup(), QStringLiteral("y"), 0),
                                 m_settings.ReadInt(ScreenGroup(), QStringLiteral("cx"), 0),
                                 m_settings.ReadInt(ScreenGroup(), QStringLiteral("cy"), 0)};
    const WindowPlacement placement = RestoredPlacement(stored, Desktop());
    move(placement.x, placement.y);
    resize(placement.cx, placement.cy);
    m_pendingOuterSize = QSize(placement.cx, placement.cy);
}

void CMainFrame::OnCreate() {
    // The view first (it reads its preferences as it is made), then the bars.
    m_pView = new CVarnelView(m_settings, m_printer, this);
    m_pScrollArea = new CNeckScrollArea(m_pView, this);
    setCentralWidget(m_pScrollArea);
    m_pSound = new CSoundMenu(*m_pView, m_settings, this);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    connect(m_pSound, &CSoundMenu::message, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(m_pView, &CVarnelView::keyChanged, this, &CMainFrame::ShowChecks);
    connect(m_pView, &CVarnelView::layoutChanged, this, &CMainFrame::ShowChecks);
    connect(m_pView, &CVarnelView::hovered, this, [this](const QString& description) {
        if (description.isEmpty()) {
            statusBar()->clearMessage();
        } else {
            statusBar()->showMessage(description);
        }
    });
    ShowChecks();
}

QAction* CMainFrame::AddCommand(int nId, const QString& text) {
    auto* action = new QAction(text, this);
    action->setData(nId);
    action->setStatusTip(CommandPrompt(nId));
    action->setToolTip(CommandTooltip(nId));
    m_actions[nId] = action;
    return action;
}

QActionGroup* CMainFrame::AddChoice(int nFirstId, const QStringList& names) {
    auto* group = new QActionGroup(this);
    for (int i = 0; i < names.size(); ++i) {
        QAction* action = AddCommand(nFirstId + i, names.at(i));
        action->setCheckable(true);
        group->addAction(action);
    }
    return group;
}

void CMainFrame::CreateKeyActions() {
    CVarnelView* view = m_pView;
    void (CVarnelView::*const keyHandlers[])() = {
        &CVarnelView::OnKeyA, &CVarnelView::OnKeyB, &CVarnelView::OnKeyC, &CVarnelView::OnKeyD,
        &CVarnelView::OnKeyE, &CVarnelView::OnKeyF, &CVarnelView::OnKeyG};
    // The toolbar shows the chosen letter, checked.
    auto* letters = new QActionGroup(this);
    for (std::size_t i = 0; i < std::size(kKeyCommands); ++i) {
        const QString letter = QString(QLatin1Char(static_cast<char>('A' + i)));
        QAction* key = AddCommand(kKeyCommands[i], letter);
        key->setIcon(ToolbarImage(static_cast<int>(i)));
        key->setCheckable(true);
        key->setShortcut(QKeySequence(letter));
        letters->addAction(key);
        connect(key, &QAction::triggered, view, keyHandlers[i]);
    }
    // The accidentals work as a click on their button would.
    const struct {
        int id;
        QString text;
        QList<QKeySequence> shortcuts;
        CAccidentalButton* CVarnelView::*button;
    } accidentals[] = {
        {ID_KEY_FLAT, tr("&Flat"), {QKeySequence(Qt::Key_Minus)}, &CVarnelView::m_pFlatButton},
        {ID_KEY_NATURAL, tr("&Natural"), {QKeySequence(Qt::Key_N)}, &CVarnelView::m_pNaturalButton},
        {ID_KEY_SHARP,
         tr("&Sharp"),
         {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_NumberSign)},
         &CVarnelView::m_pSharpButton},
    };
    auto* group = new QActionGroup(this);
    for (const auto& accidental : accidentals) {
        QAction* action = AddCommand(accidental.id, accidental.text);
        action->setCheckable(true);
        action->setShortcuts(accidental.shortcuts);
        group->addAction(action);
        connect(action, &QAction::triggered, view, [view, button = accidental.button] {
            if (view->*button != nullptr) {
                (view->*button)->click();
            }
        });
    }
}

void CMainFrame::CreateViewActions() {
    CVarnelView* view = m_pView;
    const auto currentPercent = [view] { return qRound(view->ScreenScale() * 100.0); };
    QAction* zoomIn = AddCommand(ID_VIEW_ZOOM_IN, tr("Zoom &In"));
    zoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(zoomIn, &QAction::triggered, view,
            [view, currentPercent] { view->SetZoomPercent(ZoomSteps::In(currentPercent())); });
    QAction* zoomOut = AddCommand(ID_VIEW_ZOOM_OUT, tr("Zoom &Out"));
    zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(zoomOut, &QAction::triggered, view,
            [view, currentPercent] { view->SetZoomPercent(ZoomSteps::Out(currentPercent())); });
    QAction* actual = AddCommand(ID_VIEW_ACTUAL_SIZE, tr("&Actual Size"));
    actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(actual, &QAction::triggered, view,
            [view] { view->SetZoomPercent(ZoomSteps::kActualSize); });
    QAction* fit = AddCommand(ID_VIEW_FIT, tr("&Fit to Window"));
    fit->setCheckable(true);
    connect(fit, &QAction::triggered, view, &CVarnelView::SetFitted);

    QAction* exportFile = AddCommand(ID_FILE_EXPORT, tr("&Export..."));
    exportFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportFile, &QAction::triggered, this, &CMainFrame::OnFileExport);
    QAction* copy = AddCommand(ID_EDIT_COPY, tr("&Copy"));
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &CMainFrame::OnEditCopy);
}

void CMainFrame::CreateOptionActions() {
    QActionGroup* labels = AddChoice(ID_VIEW_LABELS_FIRST,
                                     {tr("&None"), tr("No&tes"), tr("&Degrees"), tr("&Intervals")});
    QAction* extensions = AddCommand(ID_VIEW_LABELS_EXTENSIONS, tr("Intervals (e&xtensions)"));
    extensions->setCheckable(true);
    labels->addAction(extensions);
    for (QAction* action : labels->actions()) {
        const auto kind =
            action == extensions
                ? LabelKind::Extensions
                : static_cast<LabelKind>(action->data().toInt() - ID_VIEW_LABELS_FIRST);
        connect(action, &QAction::triggered, this,
                [this, kind] { ChangeOptions([kind](OptionPrefs& o) { o.labels = kind; }); });
    }
    const QActionGroup* spellings =
        AddChoice(ID_VIEW_SPELLING_FIRST, {tr("&Simple"), tr("&As the Key's Scale Writes It")});
    for (QAction* action : spellings->actions()) {
        const auto spelling =
            static_cast<SpellingKind>(action->data().toInt() - ID_VIEW_SPELLING_FIRST);
        connect(action, &QAction::triggered, this, [this, spelling] {
            ChangeOptions([spelling](OptionPrefs& o) { o.spelling = spelling; });
        });
    }
    const std::array familyNames{
        tr("&Major"),          tr("&Harmonic Minor"),   tr("M&elodic Minor"),
        tr("Harmonic Ma&jor"), tr("Major &Pentatonic"), tr("Minor Pe&ntatonic"),
        tr("&Blues"),          tr("&Whole Tone"),       tr("&Diminished")};
    static_assert(familyNames.size() == kScaleFamilies.size());
    auto* families = new QActionGroup(this);
    for (int family = 0; family < CMusicModel::kFamilies; ++family) {
        QAction* action =
            AddCommand(FamilyCommand(family), familyNames.at(static_cast<std::size_t>(family)));
        action->setCheckable(true);
        families->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, family] { ChangeOptions([family](OptionPrefs& o) { o.family = family; }); });
    }
    auto* presets = new QActionGroup(this);
    for (std::size_t i = 0; i < TuningPresets().size(); ++i) {
        const TuningPreset& preset = TuningPresets()[i];
        QAction* action = AddCommand(TuningCommand(i), TuningName(preset));
        action->setCheckable(true);
        presets->addAction(action);
        connect(action, &QAction::triggered, this, [this, midi = preset.midi] {
            ChangeOptions([midi](OptionPrefs& o) { o.tuning = midi; });
        });
    }
    QAction* custom = AddCommand(ID_VIEW_TUNING_CUSTOM, tr("&Custom..."));
    custom->setCheckable(true);
    presets->addAction(custom);
    connect(custom, &QAction::triggered, this, &CMainFrame::OnCustomTuning);
    CreateInstrumentActions();
    QAction* leftHanded = AddCommand(ID_VIEW_LEFT_HANDED, tr("&Left-Handed"));
    leftHanded->setCheckable(true);
    connect(leftHanded, &QAction::triggered, this, [this](bool checked) {
        ChangeOptions([checked](OptionPrefs& o) { o.leftHanded = checked; });
    });
    QAction* fretNumbers = AddCommand(ID_VIEW_FRET_NUMBERS, tr("Fret &Numbers"));
    fretNumbers->setCheckable(true);
    connect(fretNumbers, &QAction::triggered, this, [this](bool checked) {
        ChangeOptions([checked](OptionPrefs& o) { o.fretNumbers = checked; });
    });
}

void CMainFrame::CreateInstrumentActions() {
    auto* frets = new QActionGroup(this);
    for (int n = CMusicModel::kMinFrets; n <= CMusicModel::kMaxFrets; ++n) {
        QAction* action =
            AddCommand(ID_VIEW_FRETS_FIRST + n - CMusicModel::kMinFrets, QString::number(n));
        action->setCheckable(true);
        action->setStatusTip(tr("Draw necks of %1 frets").arg(n));
        frets->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, n] { ChangeOptions([n](OptionPrefs& o) { o.SetFrets(n); }); });
    }
    auto* window = new QActionGroup(this);
    QAction* whole = AddCommand(ID_VIEW_WHOLE_NECK, tr("&Whole Neck"));
    whole->setCheckable(true);
    window->addAction(whole);
    connect(whole, &QAction::triggered, this, [this] {
        ChangeOptions([](OptionPrefs& o) {
            o.firstFret = 0;
            o.lastFret = o.frets;
        });
    });
    QAction* fretWindow = AddCommand(ID_VIEW_FRET_WINDOW, tr("&Fret Window..."));
    fretWindow->setCheckable(true);
    window->addAction(fretWindow);
    connect(fretWindow, &QAction::triggered, this, &CMainFrame::OnFretWindow);

    const QActionGroup* orientations =
        AddChoice(ID_VIEW_ORIENTATION_FIRST, {tr("&Vertical"), tr("&Horizontal")});
    for (QAction* action : orientations->actions()) {
        const bool horizontal = action->data().toInt() != ID_VIEW_ORIENTATION_FIRST;
        connect(action, &QAction::triggered, this, [this, horizontal] {
            ChangeOptions([horizontal](OptionPrefs& o) { o.horizontal = horizontal; });
        });
    }
    QAction* openStrings = AddCommand(ID_VIEW_OPEN_STRINGS, tr("Open Strin&gs"));
    openStrings->setCheckable(true);
    connect(openStrings, &QAction::triggered, this, [this](bool checked) {
        ChangeOptions([checked](OptionPrefs& o) { o.openStrings = checked; });
    });
    QActionGroup* positions =
        AddChoice(ID_VIEW_POSITIONS_FIRST,
                  {tr("&All Notes"), tr("&Three Notes per String"), tr("Inside the Fret &Window")});
    QAction* caged = AddCommand(ID_VIEW_POSITIONS_CAGED, tr("&CAGED"));
    caged->setCheckable(true);
    positions->addAction(caged);
    for (QAction* action : positions->actions()) {
        const int id = action->data().toInt();
        const auto kind = id == ID_VIEW_POSITIONS_CAGED
                              ? PositionKind::Caged
                              : static_cast<PositionKind>(id - ID_VIEW_POSITIONS_FIRST);
        connect(action, &QAction::triggered, this,
                [this, kind] { ChangeOptions([kind](OptionPrefs& o) { o.positions = kind; }); });
    }
    const QActionGroup* cagedShapes =
        AddChoice(ID_VIEW_CAGED_FIRST,
                  {tr("&C Shape"), tr("&A Shape"), tr("&G Shape"), tr("&E Shape"), tr("&D Shape")});
    for (QAction* action : cagedShapes->actions()) {
        const auto shape = static_cast<CagedShape>(action->data().toInt() - ID_VIEW_CAGED_FIRST);
        // Choosing a shape shows it.
        connect(action, &QAction::triggered, this, [this, shape] {
            ChangeOptions([shape](OptionPrefs& o) {
                o.caged = shape;
                o.positions = PositionKind::Caged;
            });
        });
    }
    QAction* positionsOnly =
        AddCommand(ID_VIEW_POSITIONS_ONLY, tr("&Hide Notes Outside the Shape"));
    positionsOnly->setCheckable(true);
    connect(positionsOnly, &QAction::triggered, this, [this](bool checked) {
        ChangeOptions([checked](OptionPrefs& o) { o.positionsOnly = checked; });
    });
    const QActionGroup* chordTones =
        AddChoice(ID_VIEW_CHORD_TONES_FIRST, {tr("&None"), tr("&Triads"), tr("&Seventh Chords")});
    for (QAction* action : chordTones->actions()) {
        const auto kind =
            static_cast<ChordKind>(action->data().toInt() - ID_VIEW_CHORD_TONES_FIRST);
        connect(action, &QAction::triggered, this,
                [this, kind] { ChangeOptions([kind](OptionPrefs& o) { o.chordTones = kind; }); });
    }
    QAction* characteristic = AddCommand(ID_VIEW_CHARACTERISTIC, tr("Mar&k Characteristic Notes"));
    characteristic->setCheckable(true);
    connect(characteristic, &QAction::triggered, this, [this](bool checked) {
        ChangeOptions([checked](OptionPrefs& o) { o.characteristic = checked; });
    });
}

void CMainFrame::ChangeOptions(const std::function<void(OptionPrefs&)>& change) {
    OptionPrefs options = OptionPrefs::Of(*m_pView);
    change(options);
    m_pView->SetOptions(options);
    ShowChecks();
}

void CMainFrame::OnCustomTuning() {
    CTuningDlg dlg(m_pView->m_nTuning, this);
    if (dlg.exec() == QDialog::Accepted) {
        ChangeOptions([&dlg](OptionPrefs& o) { o.tuning = dlg.Tuning(); });
    }
    ShowChecks();
}

void CMainFrame::OnFretWindow() {
    const CVarnelView& view = *m_pView;
    CFretWindowDlg dlg(view.m_nFirstFret, view.m_nLastFret, view.m_nFrets, this);
    if (dlg.exec() == QDialog::Accepted) {
        ChangeOptions([&dlg](OptionPrefs& o) {
            o.firstFret = dlg.FirstFret();
            o.lastFret = dlg.LastFret();
        });
    }
    // A cancelled dialog leaves the check where the window is.
    ShowChecks();
}

void CMainFrame::ShowChecks() {
    const CVarnelView& view = *m_pView;
    // The view makes its buttons after the frame is built; they show their command's keys.
    for (const auto& [button, id] : {std::pair{view.m_pFlatButton, ID_KEY_FLAT},
                                     std::pair{view.m_pNaturalButton, ID_KEY_NATURAL},
                                     std::pair{view.m_pSharpButton, ID_KEY_SHARP}}) {
        if (button != nullptr) {
            button->setToolTip(Action(id)->toolTip());
        }
    }
    for (std::size_t i = 0; i < std::size(kKeyCommands); ++i) {
        Action(kKeyCommands[i])->setChecked(view.m_nKey == kKeyPitches[i]);
    }
    Action(ID_KEY_FLAT)->setChecked(view.m_nAccidental == -1);
    Action(ID_KEY_NATURAL)->setChecked(view.m_nAccidental == 0);
    Action(ID_KEY_SHARP)->setChecked(view.m_nAccidental == 1);
    Action(ID_VIEW_FIT)->setChecked(view.IsFitted());
    Action(view.m_labelKind == LabelKind::Extensions
               ? ID_VIEW_LABELS_EXTENSIONS
               : ID_VIEW_LABELS_FIRST + static_cast<int>(view.m_labelKind))
        ->setChecked(true);
    Action(ID_VIEW_SPELLING_FIRST + static_cast<int>(view.m_spelling))->setChecked(true);
    if (QAction* family = Action(FamilyCommand(view.GetNeckFamily()))) {
        family->setChecked(true);
    }
    const int preset = TuningPresetIndex(view.m_nTuning);
    Action(preset >= 0 ? TuningCommand(static_cast<std::size_t>(preset)) : ID_VIEW_TUNING_CUSTOM)
        ->setChecked(true);
    if (QAction* frets = Action(ID_VIEW_FRETS_FIRST + view.m_nFrets - CMusicModel::kMinFrets)) {
        frets->setChecked(true);
    }
    const bool wholeNeck = view.m_nFirstFret == 0 && view.m_nLastFret == view.m_nFrets;
    Action(wholeNeck ? ID_VIEW_WHOLE_NECK : ID_VIEW_FRET_WINDOW)->setChecked(true);
    Action(ID_VIEW_ORIENTATION_FIRST + (view.m_bHorizontal ? 1 : 0))->setChecked(true);
    Action(ID_VIEW_OPEN_STRINGS)->setChecked(view.m_bOpenStrings);
    Action(PositionsCommand(view.m_positions))->setChecked(true);
    Action(ID_VIEW_CAGED_FIRST + static_cast<int>(view.m_caged))->setChecked(true);
    Action(ID_VIEW_POSITIONS_ONLY)->setChecked(view.m_bPositionsOnly);
    Action(ID_VIEW_CHORD_TONES_FIRST + static_cast<int>(view.m_chordTones))->setChecked(true);
    Action(ID_VIEW_CHARACTERISTIC)->setChecked(view.m_bCharacteristic);
    Action(ID_VIEW_LEFT_HANDED)->setChecked(view.m_bLeftHanded);
    Action(ID_VIEW_FRET_NUMBERS)->setChecked(view.m_bFretNumbers);
    // A key or diagram the scale spelling writes from another name says so until the next
    // message.
    const QString respelling = view.RespellingText();
    if (!respelling.isEmpty() && m_wndStatusBar != nullptr) {
        m_wndStatusBar->showMessage(respelling);
    }
}

void CMainFrame::CreateActions() {
    CVarnelView* view = m_pView;
    CreateKeyActions();

    QAction* print = AddCommand(ID_FILE_PRINT, tr("&Print...\tCtrl+P"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print->setIcon(ToolbarImage(kPrintImage));
    connect(print, &QAction::triggered, view, &CVarnelView::OnFilePrint);
    connect(AddCommand(ID_FILE_PRINT_PREVIEW, tr("Print Pre&view")), &QAction::triggered, view,
            &CVarnelView::OnFilePrintPreview);
    // Print Setup belongs to the application, which connects it.
    AddCommand(ID_FILE_PRINT_SETUP, tr("P&rint Setup..."));
    QAction* exit = AddCommand(ID_APP_EXIT, tr("E&xit"));
    // The desktop's own Quit keys, beside the menu's accelerator.
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QAction* preferences = AddCommand(ID_EDIT_PREFERENCES, tr("&Preferences\tF2"));
    preferences->setShortcut(QKeySequence(Qt::Key_F2));
    preferences->setIcon(ToolbarImage(kPreferencesImage));
    connect(preferences, &QAction::triggered, view, &CVarnelView::OnPreferences);

    AddCommand(ID_VIEW_TOOLBAR, tr("&Toolbar"))->setCheckable(true);
    AddCommand(ID_VIEW_STATUS_BAR, tr("&Status Bar"))->setCheckable(true);
    CreateViewActions();
    CreateOptionActions();
    // About belongs to the application, which connects it.
    AddCommand(ID_APP_ABOUT, tr("&About Varnel..."));

    for (auto& [id, action] : m_actions) {
        // Shortcuts work wherever the focus is inside the frame, toolbar hidden or not.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    // The keyboard's commands show their keys with their prompt and tooltip.
    for (const int id : {ID_KEY_A, ID_KEY_B, ID_KEY_C, ID_KEY_D, ID_KEY_E, ID_KEY_F, ID_KEY_G,
                         ID_KEY_FLAT, ID_KEY_NATURAL, ID_KEY_SHARP, ID_VIEW_ZOOM_IN,
                         ID_VIEW_ZOOM_OUT, ID_VIEW_ACTUAL_SIZE, ID_FILE_EXPORT, ID_EDIT_COPY}) {
        QAction* action = Action(id);
        action->setStatusTip(WithShortcuts(action->statusTip(), action));
        action->setToolTip(WithShortcuts(action->toolTip(), action));
    }
}

void CMainFrame::CreateMenus() {
    m_pFileMenu = menuBar()->addMenu(tr("&File"));
    m_pFileMenu->addAction(Action(ID_FILE_PRINT));
    m_pFileMenu->addAction(Action(ID_FILE_PRINT_PREVIEW));
    m_pFileMenu->addAction(Action(ID_FILE_PRINT_SETUP));
    m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(Action(ID_FILE_EXPORT));
    m_pFileMenu->addSeparator();
    m_pRecentPlaceholder = m_pFileMenu->addAction(tr("Recent File"));
    m_pRecentPlaceholder->setData(ID_FILE_MRU_FILE1);
    m_pRecentPlaceholder->setEnabled(false);
    m_pRecentSeparator = m_pFileMenu->addSeparator();
    m_pFileMenu->addAction(Action(ID_APP_EXIT));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(Action(ID_EDIT_PREFERENCES));
    edit->addAction(Action(ID_EDIT_COPY));

    QMenu* key = menuBar()->addMenu(tr("&Key"));
    for (const int id : kKeyCommands) {
        key->addAction(Action(id));
    }
    key->addSeparator();
    for (const int id : {ID_KEY_FLAT, ID_KEY_NATURAL, ID_KEY_SHARP}) {
        key->addAction(Action(id));
    }

    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    viewMenu->addAction(Action(ID_VIEW_TOOLBAR));
    viewMenu->addAction(Action(ID_VIEW_STATUS_BAR));
    viewMenu->addSeparator();
    for (const int id : {ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, ID_VIEW_ACTUAL_SIZE, ID_VIEW_FIT}) {
        viewMenu->addAction(Action(id));
    }
    viewMenu->addSeparator();
    QMenu* labels = viewMenu->addMenu(tr("La&bels"));
    for (int i = 0; i <= static_cast<int>(LabelKind::Intervals); ++i) {
        labels->addAction(Action(ID_VIEW_LABELS_FIRST + i));
    }
    labels->addAction(Action(ID_VIEW_LABELS_EXTENSIONS));
    QMenu* spelling = viewMenu->addMenu(tr("S&pelling"));
    for (int i = 0; i <= static_cast<int>(SpellingKind::Scale); ++i) {
        spelling->addAction(Action(ID_VIEW_SPELLING_FIRST + i));
    }
    QMenu* family = viewMenu->addMenu(tr("Scale Fa&mily"));
    for (int i = 0; i < CMusicModel::kFamilies; ++i) {
        if (i == static_cast<int>(ScaleFamily::HarmonicMajor) ||
            i == static_cast<int>(ScaleFamily::MajorPentatonic) ||
            i == static_cast<int>(ScaleFamily::WholeTone)) {
            family->addSeparator();
        }
        family->addAction(Action(FamilyCommand(i)));
    }
    QMenu* tuning = viewMenu->addMenu(tr("T&uning"));
    for (std::size_t i = 0; i < TuningPresets().size(); ++i) {
        if (i > 0 && TuningSection(TuningPresets()[i]) != TuningSection(TuningPresets()[i - 1])) {
            tuning->addSeparator();
        }
        tuning->addAction(Action(TuningCommand(i)));
    }
    tuning->addSeparator();
    tuning->addAction(Action(ID_VIEW_TUNING_CUSTOM));
    QMenu* frets = viewMenu->addMenu(tr("F&rets"));
    for (int n = CMusicModel::kMinFrets; n <= CMusicModel::kMaxFrets; ++n) {
        frets->addAction(Action(ID_VIEW_FRETS_FIRST + n - CMusicModel::kMinFrets));
    }
    frets->addSeparator();
    frets->addAction(Action(ID_VIEW_WHOLE_NECK));
    frets->addAction(Action(ID_VIEW_FRET_WINDOW));
    QMenu* orientation = viewMenu->addMenu(tr("Ori&entation"));
    orientation->addAction(Action(ID_VIEW_ORIENTATION_FIRST));
    orientation->addAction(Action(ID_VIEW_ORIENTATION_FIRST + 1));
    viewMenu->addAction(Action(ID_VIEW_LEFT_HANDED));
    viewMenu->addAction(Action(ID_VIEW_FRET_NUMBERS));
    viewMenu->addAction(Action(ID_VIEW_OPEN_STRINGS));
    // Every letter of "Positions" already opens another View item.
    QMenu* positions = viewMenu->addMenu(tr("&Hand Positions"));
    for (int i = 0; i <= static_cast<int>(PositionKind::Caged); ++i) {
        positions->addAction(Action(PositionsCommand(static_cast<PositionKind>(i))));
    }
    QMenu* cagedShapes = positions->addMenu(tr("CAGED &Shape"));
    for (int i = 0; i <= static_cast<int>(CagedShape::D); ++i) {
        cagedShapes->addAction(Action(ID_VIEW_CAGED_FIRST + i));
    }
    positions->addSeparator();
    positions->addAction(Action(ID_VIEW_POSITIONS_ONLY));
    QMenu* chords = viewMenu->addMenu(tr("&Chord Tones"));
    for (int i = 0; i <= static_cast<int>(ChordKind::Seventh); ++i) {
        chords->addAction(Action(ID_VIEW_CHORD_TONES_FIRST + i));
    }
    viewMenu->addAction(Action(ID_VIEW_CHARACTERISTIC));

    menuBar()->addMenu(m_pSound->Menu());
    menuBar()->addMenu(tr("&Help"))->addAction(Action(ID_APP_ABOUT));
}

QString CMainFrame::ExportTo(const QString& strPath) const {
    const std::optional<PictureFormat> format = PictureFormatOf(strPath);
    if (!format) {
        return tr("the file name must end in .png, .svg or .pdf");
    }
    PictureRequest request;
    request.format = *format;
    if (*format == PictureFormat::Pdf) {
        // The page follows the window as a print does.
        request.fit = m_pView->IsFitted();
        request.size = m_pView->VisibleSize();
    }
    return WritePicture(*m_pView, strPath, request);
}

void CMainFrame::OnFileExport() {
    const QString png = tr("PNG image (*.png)");
    const QString svg = tr("SVG drawing (*.svg)");
    const QString pdf = tr("PDF document (*.pdf)");
    QString filter = png;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString path = QFileDialog::getSaveFileName(
        this, tr("Export"), QDir(folder).filePath(QStringLiteral("varnel.png")),
        QStringList{png, svg, pdf}.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) {
        return;
    }
    // A name without one of the formats' extensions takes the chosen filter's.
    if (!PictureFormatOf(path)) {
        path += filter == svg   ? QStringLiteral(".svg")
                : filter == pdf ? QStringLiteral(".pdf")
                                : QStringLiteral(".png");
    }
    const QString error = ExportTo(path);
    if (!error.isEmpty()) {
        QMessageBox::warning(
            this, tr("Varnel"),
            tr("Cannot write \u201C%1\u201D: %2.").arg(QDir::toNativeSeparators(path), error));
    }
}

void CMainFrame::OnEditCopy() {
    QGuiApplication::clipboard()->setImage(PictureImage(*m_pView));
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
    // A change that cannot be saved is said once, where the user is looking.
    m_settings.SetFailureHandler(
        [bar = m_wndStatusBar](const QString& message) { bar->showMessage(message); });

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

void CMainFrame::closeEvent(QCloseEvent* pEvent) {
    if (m_pPlacementTimer->isActive()) {
        m_pPlacementTimer->stop();
        WritePlacement();
    }
    QMainWindow::closeEvent(pEvent);
}

void CMainFrame::OnWindowPosChanged() {
    if (isMinimized()) {
        return;
    }
    MatchOuterSize();
    m_pPlacementTimer->start();
}

void CMainFrame::WritePlacement() {
    if (isMinimized()) {
        return;
    }
    const QRect outer = frameGeometry();
    const WindowPlacement placement =
        ClampedPlacement({outer.x(), outer.y(), outer.width(), outer.height()}, Desktop().Bounds());
    const WindowPlacement before = m_lastWritten.value_or(WindowPlacement{-1, -1, -1, -1});
    const std::pair<const char*, int> values[] = {
        {"x", placement.x}, {"y", placement.y}, {"cx", placement.cx}, {"cy", placement.cy}};
    const int previous[] = {before.x, before.y, before.cx, before.cy};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        if (values[i].second != previous[i]) {
            m_settings.WriteInt(ScreenGroup(), QLatin1String(values[i].first), values[i].second);
        }
    }
    m_lastWritten = placement;
    VARNEL_TRACE() << "wrote " << placement.x << ' ' << placement.y << ' ' << placement.cx << ' '
                   << placement.cy;
}
