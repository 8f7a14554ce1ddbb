#include "app/mainframe.h"
#include "dialogs/fretwindowdlg.h"
#include "res/resource.h"
#include "settings/settingsstore.h"
#include "view/accidentalbutton.h"
#include "view/neckscrollarea.h"
#include "view/varnelview.h"

#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

namespace {

const QString kBasePath = QStringLiteral("Dovrane Software/Varnel");

// A frame over a settings store of its own, shown on the offscreen screen.
struct Frame {
    QTemporaryDir dir;
    SettingsStore store;
    QPrinter printer;
    std::unique_ptr<CMainFrame> frame;

    Frame() { store.Open(nullptr, dir.path(), kBasePath); }

    CMainFrame& Show() {
        frame = std::make_unique<CMainFrame>(store, printer);
        frame->View()->OnInitialUpdate();
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame.get())) {
            qFatal("frame not exposed");
        }
        return *frame;
    }

    WindowPlacement Stored() const {
        const QString screen = QStringLiteral("Screen");
        return {store.ReadInt(screen, QStringLiteral("x"), -1),
                store.ReadInt(screen, QStringLiteral("y"), -1),
                store.ReadInt(screen, QStringLiteral("cx"), -1),
                store.ReadInt(screen, QStringLiteral("cy"), -1)};
    }

    void StorePlacement(const WindowPlacement& p) {
        const QString screen = QStringLiteral("Screen");
        store.WriteInt(screen, QStringLiteral("x"), p.x);
        store.WriteInt(screen, QStringLiteral("y"), p.y);
        store.WriteInt(screen, QStringLiteral("cx"), p.cx);
        store.WriteInt(screen, QStringLiteral("cy"), p.cy);
    }
};

WindowPlacement OuterPlacement(const QWidget& window) {
    const QRect r = window.frameGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

// Clicks the way a guitarist does: the letters on the toolbar, the radio buttons on their
// indicator. The radio click is posted to the view and only handled by the event loop.
void Click(CMainFrame& frame, const QString& what) {
    CVarnelView* view = frame.View();
    CAccidentalButton* button = nullptr;
    if (what == QLatin1String("Flat")) {
        button = view->m_pFlatButton;
    } else if (what == QLatin1String("Natural")) {
        button = view->m_pNaturalButton;
    } else if (what == QLatin1String("Sharp")) {
        button = view->m_pSharpButton;
    }
    if (button != nullptr) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        return;
    }
    const int ids[] = {ID_KEY_A, ID_KEY_B, ID_KEY_C, ID_KEY_D, ID_KEY_E, ID_KEY_F, ID_KEY_G};
    const int letter = what.at(0).toLatin1() - 'A';
    QToolBar* toolbar = frame.findChild<QToolBar*>();
    QTest::mouseClick(toolbar->widgetForAction(frame.Action(ids[letter])), Qt::LeftButton);
}

QString CheckedButton(const CVarnelView& view) {
    QStringList checked;
    if (view.m_pFlatButton->isChecked()) {
        checked << QStringLiteral("Flat");
    }
    if (view.m_pNaturalButton->isChecked()) {
        checked << QStringLiteral("Natural");
    }
    if (view.m_pSharpButton->isChecked()) {
        checked << QStringLiteral("Sharp");
    }
    return checked.join(QLatin1Char('+'));
}

} // namespace

Q_DECLARE_METATYPE(WindowPlacement)

class TestMainFrame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keySequences_data();
    void keySequences();
    void accidentalChangeIsHandledAfterTheClick();
    void clickOnCheckedButtonOnlyRedraws();
    void normalisingMovesTheCheckWithoutASecondChange();
    void sameLetterStillRedraws();
    void startsAtCNaturalWithStoredPreferences_data();
    void startsAtCNaturalWithStoredPreferences();
    void buttonsSitOverTheFirstDiagrams();
    void buttonsSideBySideOverFewerNecks_data();
    void buttonsSideBySideOverFewerNecks();
    void reinitialisingKeepsOneSetOfButtons();
    void captionAndBars();
    void menusAndCommands_data();
    void menusAndCommands();
    void toolbarOrder();
    void toggleBars();
    void firstRunPlacement();
    void storedPlacementRestored();
    void placementFromLargerDisplayDropped();
    void maximisedFrameStoredClamped();
    void nothingStoredWhileMinimised();
    void recentFilesReplaceThePlaceholder();
    void keysByKeyboard_data();
    void keysByKeyboard();
    void zoomCommands_data();
    void zoomCommands();
    void scrollingAndFitting();
    void exportAndCopyAtActualSize();
    void optionCommands_data();
    void optionCommands();
    void pointerTellsWhatIsUnderIt_data();
    void pointerTellsWhatIsUnderIt();
    void fretWindowCommands();
};

void TestMainFrame::keySequences_data() {
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<int>("keyPitch");
    QTest::addColumn<QString>("checked");
    QTest::newRow("Flat from the start is B") << "Flat" << 11 << 0 << 11 << "Natural";
    QTest::newRow("Sharp then B is C") << "Sharp B" << 0 << 0 << 0 << "Natural";
    QTest::newRow("B then Sharp is C") << "B Sharp" << 0 << 0 << 0 << "Natural";
    QTest::newRow("D, Flat, F is E") << "D Flat F" << 4 << 0 << 4 << "Natural";
    QTest::newRow("E, Flat is Eb") << "E Flat" << 4 << -1 << 3 << "Flat";
    QTest::newRow("Sharp, D is D#") << "Sharp D" << 2 << 1 << 3 << "Sharp";
    QTest::newRow("E, Sharp is F") << "E Sharp" << 5 << 0 << 5 << "Natural";
    QTest::newRow("F, Flat is E") << "F Flat" << 4 << 0 << 4 << "Natural";
    QTest::newRow("E, Flat, C is B") << "E Flat C" << 11 << 0 << 11 << "Natural";
    QTest::newRow("B, Flat is Bb") << "B Flat" << 11 << -1 << 10 << "Flat";
    QTest::newRow("Sharp, A, Natural is A") << "Sharp A Natural" << 9 << 0 << 9 << "Natural";
    QTest::newRow("G, Sharp, Flat is Gb") << "G Sharp Flat" << 7 << -1 << 6 << "Flat";
}

void TestMainFrame::keySequences() {
    QFETCH(QString, clicks);
    QFETCH(int, key);
    QFETCH(int, accidental);
    QFETCH(int, keyPitch);
    QFETCH(QString, checked);
    Frame f;
    CMainFrame& frame = f.Show();
    for (const QString& click : clicks.split(QLatin1Char(' '))) {
        Click(frame, click);
        QCoreApplication::processEvents();
    }
    const CVarnelView& view = *frame.View();
    QCOMPARE(view.m_nKey, key);
    QCOMPARE(view.m_nAccidental, accidental);
    QCOMPARE(view.GetKeyPitch(), keyPitch);
    QCOMPARE(CheckedButton(view), checked);
}

void TestMainFrame::accidentalChangeIsHandledAfterTheClick() {
    Frame f;
    CMainFrame& frame = f.Show();
    CVarnelView& view = *frame.View();
    Click(frame, QStringLiteral("Sharp"));
    // The click has moved the check, but the view has not been told yet.
    QVERIFY(view.m_pSharpButton->isChecked());
    QCOMPARE(view.m_nAccidental, 0);
    QCoreApplication::processEvents();
    QCOMPARE(view.m_nAccidental, 1);
}

void TestMainFrame::clickOnCheckedButtonOnlyRedraws() {
    Frame f;
    CMainFrame& frame = f.Show();
    CVarnelView& view = *frame.View();
    QSignalSpy redraws(&view, &CVarnelView::invalidated);
    Click(frame, QStringLiteral("Natural"));
    QCoreApplication::processEvents();
    QCOMPARE(redraws.count(), 1);
    QCOMPARE(view.m_nAccidental, 0);
    QCOMPARE(view.m_nKey, 0);
    QCOMPARE(CheckedButton(view), QStringLiteral("Natural"));
}

void TestMainFrame::normalisingMovesTheCheckWithoutASecondChange() {
    Frame f;
    CMainFrame& frame = f.Show();
    CVarnelView& view = *frame.View();
    Click(frame, QStringLiteral("B"));
    QSignalSpy redraws(&view, &CVarnelView::invalidated);
    Click(frame, QStringLiteral("Sharp"));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(redraws.count(), 1);
    QCOMPARE(CheckedButton(view), QStringLiteral("Natural"));
    QCOMPARE(view.GetKeyPitch(), 0);
}

void TestMainFrame::sameLetterStillRedraws() {
    Frame f;
    CMainFrame& frame = f.Show();
    QSignalSpy redraws(frame.View(), &CVarnelView::invalidated);
    Click(frame, QStringLiteral("C"));
    Click(frame, QStringLiteral("C"));
    QCOMPARE(redraws.count(), 2);
    QCOMPARE(frame.View()->m_nKey, 0);
}

void TestMainFrame::startsAtCNaturalWithStoredPreferences_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QList<int>>("expected"); // fret, string, neck, style
    QTest::newRow("nothing stored") << QString() << QList<int>{30, 20, 20, 0};
    QTest::newRow("stored values") << "Fret=44\nString=33\nNeck=11\nStyle=1\n"
                                   << QList<int>{44, 33, 11, 1};
    // Spacings no picture can be drawn with read as their defaults; a stray style is kept.
    QTest::newRow("odd values") << "Fret=0\nString=-5\nNeck=2147483647\nStyle=7\n"
                                << QList<int>{30, 20, 20, 7};
    QTest::newRow("spacings at the limits") << "Fret=1\nString=1000\nNeck=1001\nStyle=1\n"
                                            << QList<int>{1, 1000, 20, 1};
    QTest::newRow("garbage") << "Fret=abc\nString=\nNeck=99999999999999\nStyle=x1\n"
                             << QList<int>{30, 20, 20, 0};
}

void TestMainFrame::startsAtCNaturalWithStoredPreferences() {
    QFETCH(QString, stored);
    QFETCH(QList<int>, expected);
    Frame f;
    if (!stored.isEmpty()) {
        QFile file(f.store.FilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Prefs]\n" + stored.toUtf8());
    }
    CMainFrame& frame = f.Show();
    const CVarnelView& view = *frame.View();
    QCOMPARE(QList<int>(
                 {view.m_nFretSpacing, view.m_nStringSpacing, view.m_nNeckSpacing, view.m_nStyle}),
             expected);
    QCOMPARE(view.m_nKey, 0);
    QCOMPARE(view.m_nAccidental, 0);
    QCOMPARE(CheckedButton(view), QStringLiteral("Natural"));
    QCOMPARE(view.m_nTitleWidth == -1 || view.m_nTitleWidth > 0, true);
}

void TestMainFrame::buttonsSitOverTheFirstDiagrams() {
    Frame f;
    CMainFrame& frame = f.Show();
    const CVarnelView& view = *frame.View();
    QCOMPARE(view.m_pFlatButton->geometry(), QRect(40, 0, 100, 20));
    QCOMPARE(view.m_pNaturalButton->geometry(), QRect(160, 0, 100, 20));
    QCOMPARE(view.m_pSharpButton->geometry(), QRect(280, 0, 100, 20));
    QCOMPARE(view.m_pFlatButton->text(), QStringLiteral("Flat"));
    QCOMPARE(view.m_pNaturalButton->text(), QStringLiteral("Natural"));
    QCOMPARE(view.m_pSharpButton->text(), QStringLiteral("Sharp"));
    // The buttons' faces take the colour behind the diagrams: right of the short label there is
    // nothing but face.
    const QImage face = view.m_pFlatButton->grab().toImage();
    QCOMPARE(face.pixelColor(face.width() - 3, face.height() / 2), view.BackgroundColour());
    // Each shows its command's keys, and zoomed out none covers another or cuts its text.
    QCOMPARE(view.m_pSharpButton->toolTip(), frame.Action(ID_KEY_SHARP)->toolTip());
    frame.View()->SetZoomPercent(25);
    const QRect flat = view.m_pFlatButton->geometry();
    const QRect natural = view.m_pNaturalButton->geometry();
    const QRect sharp = view.m_pSharpButton->geometry();
    QVERIFY(flat.right() < natural.left() && natural.right() < sharp.left());
    QVERIFY(natural.width() >= view.m_pNaturalButton->sizeHint().width());
}

void TestMainFrame::buttonsSideBySideOverFewerNecks_data() {
    QTest::addColumn<int>("family");
    QTest::addColumn<QList<int>>("lefts");
    QTest::newRow("whole tone, one neck")
        << static_cast<int>(ScaleFamily::WholeTone) << QList<int>{40, 140, 240};
    QTest::newRow("diminished, two necks")
        << static_cast<int>(ScaleFamily::Diminished) << QList<int>{40, 140, 240};
    QTest::newRow("blues, five necks")
        << static_cast<int>(ScaleFamily::Blues) << QList<int>{40, 160, 280};
}

void TestMainFrame::buttonsSideBySideOverFewerNecks() {
    QFETCH(int, family);
    QFETCH(QList<int>, lefts);
    Frame f;
    f.store.WriteInt(QStringLiteral("Options"), QStringLiteral("Family"), family);
    const CVarnelView& view = *f.Show().View();
    QCOMPARE(
        (QList<int>{view.m_pFlatButton->x(), view.m_pNaturalButton->x(), view.m_pSharpButton->x()}),
        lefts);
}

void TestMainFrame::reinitialisingKeepsOneSetOfButtons() {
    Frame f;
    CMainFrame& frame = f.Show();
    CVarnelView& view = *frame.View();
    Click(frame, QStringLiteral("Sharp"));
    QCoreApplication::processEvents();
    view.OnInitialUpdate();
    QCOMPARE(view.findChildren<CAccidentalButton*>().size(), 3);
    QCOMPARE(CheckedButton(view), QStringLiteral("Sharp"));
}

void TestMainFrame::captionAndBars() {
    Frame f;
    CMainFrame& frame = f.Show();
    QCOMPARE(frame.windowTitle(), QStringLiteral("Varnel"));
    QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Ready"));
    const auto panes = frame.statusBar()->findChildren<QLabel*>();
    QVERIFY(std::any_of(panes.begin(), panes.end(),
                        [](const QLabel* l) { return l->text() == QStringLiteral("     "); }));
    // A command's prompt replaces "Ready" while it is shown, and "Ready" comes back after.
    frame.statusBar()->showMessage(frame.Action(ID_FILE_PRINT)->statusTip());
    QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Print the active document"));
    frame.statusBar()->clearMessage();
    QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Ready"));
}

void TestMainFrame::menusAndCommands_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("print") << ID_FILE_PRINT << "&File"
                           << "&Print...\tCtrl+P"
                           << "Print the active document"
                           << "Print" << QKeySequence(Qt::CTRL | Qt::Key_P);
    QTest::newRow("preview") << ID_FILE_PRINT_PREVIEW << "&File"
                             << "Print Pre&view"
                             << "Display full pages"
                             << "Print Preview" << QKeySequence();
    QTest::newRow("setup") << ID_FILE_PRINT_SETUP << "&File"
                           << "P&rint Setup..."
                           << "Change the printer and printing options"
                           << "Print Setup" << QKeySequence();
    QTest::newRow("exit") << ID_APP_EXIT << "&File"
                          << "E&xit"
                          << "Quit the application; prompts to save documents"
                          << "Exit" << QKeySequence(QKeySequence::Quit);
    QTest::newRow("preferences") << ID_EDIT_PREFERENCES << "&Edit"
                                 << "&Preferences\tF2"
                                 << "Preferences"
                                 << "Preferences" << QKeySequence(Qt::Key_F2);
    QTest::newRow("toolbar") << ID_VIEW_TOOLBAR << "&View"
                             << "&Toolbar"
                             << "Show or hide the toolbar"
                             << "Toggle ToolBar" << QKeySequence();
    QTest::newRow("status bar") << ID_VIEW_STATUS_BAR << "&View"
                                << "&Status Bar"
                                << "Show or hide the status bar"
                                << "Toggle StatusBar" << QKeySequence();
    QTest::newRow("about") << ID_APP_ABOUT << "&Help"
                           << "&About Varnel..."
                           << "Display program information, version number and copyright"
                           << "About" << QKeySequence();
}

void TestMainFrame::menusAndCommands() {
    QFETCH(int, id);
    QFETCH(QString, menu);
    QFETCH(QString, text);
    QFETCH(QString, prompt);
    QFETCH(QString, tooltip);
    QFETCH(QKeySequence, shortcut);
    Frame f;
    CMainFrame& frame = f.Show();
    QAction* action = frame.Action(id);
    QVERIFY(action != nullptr);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->statusTip(), prompt);
    QCOMPARE(action->toolTip(), tooltip);
    QCOMPARE(action->shortcut(), shortcut);
    QVERIFY(action->isEnabled());
    QMenu* owner = nullptr;
    for (QAction* top : frame.menuBar()->actions()) {
        if (top->menu() != nullptr && top->menu()->actions().contains(action)) {
            owner = top->menu();
        }
    }
    QVERIFY(owner != nullptr);
    QCOMPARE(owner->title(), menu);
}

void TestMainFrame::toolbarOrder() {
    Frame f;
    CMainFrame& frame = f.Show();
    QStringList order;
    for (QAction* action : frame.findChild<QToolBar*>()->actions()) {
        order << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
        if (!action->isSeparator()) {
            QVERIFY2(!action->icon().isNull(), qPrintable(action->toolTip()));
        }
    }
    QCOMPARE(order.join(QLatin1Char(' ')),
             QStringLiteral("Key of A (A) Key of B (B) Key of C (C) Key of D (D) Key of E (E) "
                            "Key of F (F) Key of G (G) | Preferences | Print"));
    // The letters' prompt and tooltip both name the key and its shortcut.
    QCOMPARE(frame.Action(ID_KEY_E)->statusTip(), QStringLiteral("Key of E (E)"));
    QCOMPARE(frame.Action(ID_KEY_A)->data().toInt(), 32777);
    QCOMPARE(frame.Action(ID_KEY_B)->data().toInt(), 32771);
}

void TestMainFrame::toggleBars() {
    Frame f;
    CMainFrame& frame = f.Show();
    QToolBar* toolbar = frame.findChild<QToolBar*>();
    QVERIFY(frame.Action(ID_VIEW_TOOLBAR)->isChecked());
    frame.Action(ID_VIEW_TOOLBAR)->trigger();
    QVERIFY(!toolbar->isVisible());
    QVERIFY(!frame.Action(ID_VIEW_TOOLBAR)->isChecked());
    frame.Action(ID_VIEW_STATUS_BAR)->trigger();
    QVERIFY(!frame.statusBar()->isVisible());
    frame.Action(ID_VIEW_STATUS_BAR)->trigger();
    QVERIFY(frame.statusBar()->isVisible());
    QVERIFY(frame.Action(ID_VIEW_STATUS_BAR)->isChecked());
}

void TestMainFrame::firstRunPlacement() {
    Frame f;
    CMainFrame& frame = f.Show();
    const WindowPlacement expected = DefaultPlacement(frame.WorkArea());
    QCOMPARE(OuterPlacement(frame), expected);
    QCOMPARE(expected.y, 0);
    QCOMPARE(expected.cy, frame.WorkArea().height());
    // Once the window has settled its placement is written back.
    QTRY_COMPARE(f.Stored(), expected);
}

void TestMainFrame::storedPlacementRestored() {
    Frame f;
    const WindowPlacement stored{30, 40, 500, 400};
    f.StorePlacement(stored);
    CMainFrame& frame = f.Show();
    QCOMPARE(OuterPlacement(frame), stored);
    frame.move(60, 70);
    QTRY_COMPARE(f.Stored(), (WindowPlacement{60, 70, 500, 400}));
}

void TestMainFrame::placementFromLargerDisplayDropped() {
    Frame f;
    Frame probe;
    const QSize area = probe.Show().WorkArea();
    f.StorePlacement({30, 40, area.width() + 1, 400});
    CMainFrame& frame = f.Show();
    QCOMPARE(OuterPlacement(frame), DefaultPlacement(area));
}

void TestMainFrame::maximisedFrameStoredClamped() {
    Frame f;
    CMainFrame& frame = f.Show();
    const QSize area = frame.WorkArea();
    // A maximised frame hangs over the work area by its borders on every side.
    frame.setGeometry(-4, -4, area.width() + 8, area.height() + 8);
    QTRY_COMPARE(f.Stored(), (WindowPlacement{0, 0, area.width(), area.height()}));
}

void TestMainFrame::nothingStoredWhileMinimised() {
    Frame f;
    CMainFrame& frame = f.Show();
    frame.move(50, 60);
    QTRY_COMPARE(f.Stored().x, 50);
    const WindowPlacement before = f.Stored();
    frame.showMinimized();
    QTRY_VERIFY(frame.isMinimized());
    frame.move(5, 6);
    frame.resize(300, 200);
    QCoreApplication::processEvents();
    QCOMPARE(f.Stored(), before);
}

void TestMainFrame::recentFilesReplaceThePlaceholder() {
    Frame f;
    CMainFrame& frame = f.Show();
    QMenu* file = frame.menuBar()->actions().first()->menu();
    const auto recentTexts = [file] {
        QStringList texts;
        for (QAction* action : file->actions()) {
            const int id = action->data().toInt();
            if (action->isVisible() && id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + 16) {
                texts << action->text() + (action->isEnabled() ? QString() : QStringLiteral("!"));
            }
        }
        return texts;
    };
    QCOMPARE(recentTexts(), QStringList{QStringLiteral("Recent File!")});
    frame.SetRecentFiles({QStringLiteral("/tmp/one.vnl"), QStringLiteral("/tmp/a&b.vnl")});
    QCOMPARE(recentTexts(),
             (QStringList{QStringLiteral("&1 /tmp/one.vnl"), QStringLiteral("&2 /tmp/a&&b.vnl")}));
    QSignalSpy chosen(&frame, &CMainFrame::recentFileChosen);
    file->actions().at(8)->trigger();
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().first().toInt(), 1);
    // Controls and direction overrides show escaped; a long name is cut between characters.
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    frame.SetRecentFiles({QString::fromUtf16(u"/tmp/gpj.\u202Eexe.vnl"),
                          QStringLiteral("/tmp/tab\there.vnl"),
                          QStringLiteral("/") + QString(26, QLatin1Char('a')) + clef + clef +
                              QString(40, QLatin1Char('b'))});
    const QStringList shown = recentTexts();
    QCOMPARE(shown.mid(0, 2), (QStringList{QStringLiteral("&1 /tmp/gpj.\\u202eexe.vnl"),
                                           QStringLiteral("&2 /tmp/tab\\there.vnl")}));
    QCOMPARE(shown.at(2), QStringLiteral("&3 /") + QString(26, QLatin1Char('a')) + clef +
                              QStringLiteral("...") + QString(29, QLatin1Char('b')));
    frame.SetRecentFiles({});
    QCOMPARE(recentTexts(), QStringList{QStringLiteral("Recent File!")});
}

void TestMainFrame::keysByKeyboard_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("letter");
    QTest::addColumn<int>("accidental");
    QTest::addColumn<QString>("firstTitle");
    QTest::newRow("C, flat") << "C-" << ID_KEY_B << ID_KEY_NATURAL << "B Ionian";
    QTest::newRow("B, sharp") << "B+" << ID_KEY_C << ID_KEY_NATURAL << "C Ionian";
    QTest::newRow("E, sharp") << "E#" << ID_KEY_F << ID_KEY_NATURAL << "F Ionian";
    QTest::newRow("F, flat") << "F-" << ID_KEY_E << ID_KEY_NATURAL << "E Ionian";
    QTest::newRow("D, flat") << "D-" << ID_KEY_D << ID_KEY_FLAT << "Db Ionian";
    QTest::newRow("G, sharp, natural") << "G+N" << ID_KEY_G << ID_KEY_NATURAL << "G Ionian";
}

void TestMainFrame::keysByKeyboard() {
    QFETCH(QString, keys);
    QFETCH(int, letter);
    QFETCH(int, accidental);
    QFETCH(QString, firstTitle);
    Frame f;
    CMainFrame& frame = f.Show();
    for (const QChar key : keys) {
        QTest::keyClick(&frame, key.toLatin1());
        QCoreApplication::processEvents();
    }
    QVERIFY(frame.Action(letter)->isChecked() && frame.Action(accidental)->isChecked());
    QCOMPARE(frame.View()->accessibleDescription().section(", ", 0, 0), firstTitle);
}

void TestMainFrame::zoomCommands_data() {
    QTest::addColumn<int>("start"); // 0: fitted
    QTest::addColumn<int>("key");   // with Ctrl; 0: half notches of the wheel with Ctrl
    QTest::addColumn<int>("zoom");
    QTest::newRow("Ctrl+=") << 100 << int(Qt::Key_Equal) << 110;
    QTest::newRow("Ctrl++ at the top") << 400 << int(Qt::Key_Plus) << 400;
    QTest::newRow("Ctrl+- at the bottom") << 25 << int(Qt::Key_Minus) << 25;
    QTest::newRow("Ctrl+0 when fitted") << 0 << int(Qt::Key_0) << 100;
    QTest::newRow("two half notches") << 100 << 0 << 110;
}

void TestMainFrame::zoomCommands() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, zoom);
    Frame f;
    CVarnelView& view = *f.Show().View();
    start == 0 ? view.SetFitted(true) : view.SetZoomPercent(start);
    QWidget* viewport = f.frame->findChild<CNeckScrollArea*>()->viewport();
    for (int half = 0; key == 0 && half < 2; ++half) {
        QWheelEvent wheel({9, 9}, viewport->mapToGlobal(QPointF(9, 9)), {}, {0, 60}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        QCOMPARE(view.ZoomPercent(), half == 0 ? start : zoom);
    }
    if (key != 0) {
        QTest::keyClick(f.frame.get(), Qt::Key(key), Qt::ControlModifier);
    }
    QCOMPARE(view.ZoomPercent(), zoom);
    // Only what changed is written: a zoom never stored reads as actual size.
    QCOMPARE(f.store.ReadInt("View", "Zoom", 100), zoom);
    QCOMPARE(f.store.ReadInt("View", "Fit", 0), 0);
    // The buttons move with the diagrams they sit on; zoomed out they only keep apart.
    if (zoom >= 100) {
        QCOMPARE(view.m_pSharpButton->x(), qRound(280 * zoom / 100.0));
    } else {
        QVERIFY(view.m_pSharpButton->x() >= qRound(280 * zoom / 100.0));
    }
}

void TestMainFrame::scrollingAndFitting() {
    Frame f;
    CMainFrame& frame = f.Show();
    CVarnelView& view = *frame.View();
    auto* area = frame.findChild<CNeckScrollArea*>();
    QScrollBar* down = area->verticalScrollBar();
    QScrollBar* across = area->horizontalScrollBar();
    view.SetZoomPercent(25);
    QTRY_VERIFY(!down->isVisible() && !across->isVisible());
    view.SetZoomPercent(400);
    QTRY_VERIFY(down->isVisible() && across->isVisible());
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(down->value() == down->maximum() && across->value() == across->maximum());
    frame.Action(ID_VIEW_FIT)->trigger();
    QTRY_COMPARE(view.size(), area->viewport()->size());
    QVERIFY(!down->isVisible() && !across->isVisible());
    const QSizeF shown = QSizeF(view.DrawingSize()) * view.ScreenScale();
    QVERIFY(shown.width() <= view.width() + 0.01 && shown.height() <= view.height() + 0.01);
    QVERIFY(shown.width() > view.width() - 1 || shown.height() > view.height() - 1);
    QCOMPARE(f.store.ReadInt("View", "Fit", -1), 1);
}

void TestMainFrame::exportAndCopyAtActualSize() {
    Frame f;
    CMainFrame& frame = f.Show();
    frame.View()->SetZoomPercent(250);
    const QSize actual = frame.View()->DrawingSize();
    QCOMPARE(frame.ExportTo(f.dir.filePath("necks.PNG")), QString());
    QCOMPARE(QImage(f.dir.filePath("necks.PNG")).size(), actual);
    const QString fifo = f.dir.filePath("fifo.png");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!frame.ExportTo(fifo).isEmpty());
    QVERIFY(!QFileInfo(fifo).isFile());
    QTest::keyClick(&frame, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), actual);
}

void TestMainFrame::optionCommands_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("stored");
    QTest::newRow("Left-Handed") << ID_VIEW_LEFT_HANDED << "LeftHanded" << 1;
    // The tuning is one list, whose first number is read here.
    QTest::newRow("Drop D") << ID_VIEW_TUNING_FIRST + 1 << "Tuning" << 38;
    QTest::newRow("8-string guitar") << ID_VIEW_TUNING_MORE_FIRST + 1 << "Tuning" << 30;
    QTest::newRow("6-string bass, the last preset")
        << ID_VIEW_TUNING_MORE_FIRST + 4 << "Tuning" << 23;
    QTest::newRow("Horizontal") << ID_VIEW_ORIENTATION_FIRST + 1 << "Orientation" << 1;
    QTest::newRow("Open Strings") << ID_VIEW_OPEN_STRINGS << "OpenStrings" << 1;
    QTest::newRow("24 frets") << ID_VIEW_FRETS_FIRST + 12 << "Frets" << 24;
    // The whole neck stays whole on a longer instrument.
    QTest::newRow("24 frets, last fret shown") << ID_VIEW_FRETS_FIRST + 12 << "LastFret" << 24;
    QTest::newRow("Harmonic Major") << ID_VIEW_FAMILY_MORE_FIRST << "Family" << 3;
    QTest::newRow("Diminished, the last family") << ID_VIEW_FAMILY_MORE_FIRST + 5 << "Family" << 8;
    QTest::newRow("CAGED") << ID_VIEW_POSITIONS_CAGED << "Positions" << 3;
    QTest::newRow("D Shape") << ID_VIEW_CAGED_FIRST + 4 << "Caged" << 4;
    // A shape is chosen to be seen.
    QTest::newRow("A Shape shows the box") << ID_VIEW_CAGED_FIRST + 1 << "Positions" << 3;
}

void TestMainFrame::fretWindowCommands() {
    Frame f;
    CMainFrame& frame = f.Show();
    const auto stored = [&f] {
        return QStringLiteral("%1 frets, %2-%3")
            .arg(f.store.ReadInt("Options", "Frets", -1))
            .arg(f.store.ReadInt("Options", "FirstFret", -1))
            .arg(f.store.ReadInt("Options", "LastFret", -1));
    };
    QVERIFY(frame.Action(ID_VIEW_WHOLE_NECK)->isChecked());
    // The dialog is modal: it is answered once it is up.
    QTimer::singleShot(0, &frame, [] {
        auto* dlg = qobject_cast<CFretWindowDlg*>(QApplication::activeModalWidget());
        QVERIFY(dlg != nullptr);
        dlg->findChild<QSpinBox*>(QStringLiteral("IDC_FIRST_FRET"))->setValue(5);
        dlg->findChild<QSpinBox*>(QStringLiteral("IDC_LAST_FRET"))->setValue(9);
        dlg->accept();
    });
    frame.Action(ID_VIEW_FRET_WINDOW)->trigger();
    QCOMPARE(stored(), QStringLiteral("-1 frets, 5-9"));
    QVERIFY(frame.Action(ID_VIEW_FRET_WINDOW)->isChecked());
    // A shorter neck that still holds the window keeps it.
    frame.Action(ID_VIEW_FRETS_FIRST)->trigger();
    QCOMPARE(stored(), QStringLiteral("12 frets, 5-9"));
    frame.Action(ID_VIEW_WHOLE_NECK)->trigger();
    QCOMPARE(stored(), QStringLiteral("12 frets, 0-12"));
    QVERIFY(frame.Action(ID_VIEW_WHOLE_NECK)->isChecked());
    QCOMPARE(OptionPrefs::Of(*frame.View()), OptionPrefs::Load(f.store));
}

void TestMainFrame::optionCommands() {
    QFETCH(int, id);
    QFETCH(QString, name);
    QFETCH(int, stored);
    Frame f;
    CMainFrame& frame = f.Show();
    frame.Action(id)->trigger();
    QVERIFY(frame.Action(id)->isChecked());
    QCOMPARE(f.store.ReadInt("Options", name, -1), stored);
    const OptionPrefs shown = OptionPrefs::Of(*frame.View());
    QVERIFY(shown != OptionPrefs() && shown == OptionPrefs::Load(f.store));
}

void TestMainFrame::pointerTellsWhatIsUnderIt_data() {
    // C, key fixed, at actual size: neck n's lowest string is at x = 20 + 120 n, fret f's row
    // has its middle at y = 25 + 30 f, and the strings are 20 apart.
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("options"); // stored before the window opens
    QTest::newRow("a scale note") << QPoint(20, 55) << "String 6, fret 1: F2, 4th of C Ionian"
                                  << "";
    QTest::newRow("an altered degree")
        << QPoint(160, 205) << "String 5, fret 6: Eb3, 3rd (b3) of C Dorian"
        << "";
    QTest::newRow("a note off the scale")
        << QPoint(22, 85) << "String 6, fret 2: F#2, not in C Ionian"
        << "";
    QTest::newRow("a title") << QPoint(25, 26) << "C Ionian: C D E F G A B"
                             << "";
    QTest::newRow("nothing") << QPoint(4, 400) << ""
                             << "";
    // C Ionian's three-notes-per-string shape starts on fret 8 of the low E string.
    QTest::newRow("outside the shape")
        << QPoint(20, 55) << "String 6, fret 1: F2, 4th of C Ionian, outside the shape"
        << "Positions=1";
    QTest::newRow("inside the shape") << QPoint(20, 265) << "String 6, fret 8: C3, 1st of C Ionian"
                                      << "Positions=1";
    QTest::newRow("the blue note") << QPoint(20, 85) << "String 6, fret 2: Gb2, 5th (b5) of C Blues"
                                   << "Family=6";
}

void TestMainFrame::pointerTellsWhatIsUnderIt() {
    QFETCH(QPoint, point);
    QFETCH(QString, said);
    QFETCH(QString, options);
    Frame f;
    if (!options.isEmpty()) {
        const QStringList pair = options.split(QLatin1Char('='));
        f.store.WriteInt(QStringLiteral("Options"), pair.at(0), pair.at(1).toInt());
    }
    CMainFrame& frame = f.Show();
    CVarnelView& view = *frame.View();
    QSignalSpy hovered(&view, &CVarnelView::hovered);
    QTest::mouseMove(&view, QPoint(300, 700));
    QTest::mouseMove(&view, point);
    QCOMPARE(view.DescriptionAt(point), said);
    if (!said.isEmpty()) {
        QVERIFY(!hovered.isEmpty());
        QCOMPARE(hovered.last().first().toString(), said);
        QCOMPARE(frame.statusBar()->currentMessage(), said);
    }
}

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
