#include "app/mainframe.h"
#include "music/tuning.h"
#include "settings/settingsstore.h"
#include "sound/audioport.h"
#include "sound/notesynth.h"
#include "sound/soundmenu.h"
#include "view/optionprefs.h"
#include "view/varnelview.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <mutex>
#include <vector>

namespace {

// What the window asked the synthesiser for, seen from the test's thread.
struct SynthLog {
    std::mutex mutex;
    std::vector<int> keys;
    int silenced = 0;

    std::vector<int> Keys() {
        const std::lock_guard lock(mutex);
        return keys;
    }
};

class RecordingSynth final : public NoteSynth {
public:
    explicit RecordingSynth(std::shared_ptr<SynthLog> log)
        : m_log(std::move(log)) {}
    void ProgramChange(int, int) override {}
    void NoteOn(int nChannel, int nKey, int) override {
        if (nChannel == 0) {
            const std::lock_guard lock(m_log->mutex);
            m_log->keys.push_back(nKey);
        }
    }
    void NoteOff(int, int) override {}
    void AllSoundOff() override {
        const std::lock_guard lock(m_log->mutex);
        ++m_log->silenced;
    }
    void SetVolume(int) override {}
    void Render(std::span<std::int16_t> frames) override {
        std::fill(frames.begin(), frames.end(), std::int16_t{0});
    }

private:
    std::shared_ptr<SynthLog> m_log;
};

SoundSetup RecordingSetup(const std::shared_ptr<SynthLog>& log, const QString& missing) {
    SoundSetup setup;
    setup.missing = [missing](const SoundPrefs&) { return missing; };
    setup.backend = [log](const SoundPrefs&) {
        SoundBackend backend;
        backend.makeSynth = [log](QString*) { return std::make_unique<RecordingSynth>(log); };
        backend.makePort = [](QString*) { return std::make_unique<NullAudioPort>(); };
        return backend;
    };
    return setup;
}

struct Window {
    QTemporaryDir dir;
    SettingsStore store;
    QPrinter printer;
    std::unique_ptr<CMainFrame> frame;
    std::shared_ptr<SynthLog> log = std::make_shared<SynthLog>();

    explicit Window(const QString& tuning, const QString& missing = QString()) {
        store.Open(nullptr, dir.path(), QStringLiteral("Dovrane Software/Varnel"));
        store.WriteText(QStringLiteral("Options"), QStringLiteral("Tuning"), tuning);
        frame = std::make_unique<CMainFrame>(store, printer);
        frame->View()->OnInitialUpdate();
        frame->Sound()->UseSetup(RecordingSetup(log, missing));
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame.get())) {
            qFatal("window not exposed");
        }
        frame->View()->setFocus();
    }
};

const QString kStandard = QStringLiteral("40 45 50 55 59 64");

} // namespace

class TestSoundWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clickPlaysTheDotsNote_data();
    void clickPlaysTheDotsNote();
    void enterPlaysTheFocusedCell_data();
    void enterPlaysTheFocusedCell();
    void missingSoundDisablesPlaying_data();
    void missingSoundDisablesPlaying();
    void escapeStops_data();
    void escapeStops();
};

void TestSoundWindow::clickPlaysTheDotsNote_data() {
    QTest::addColumn<QString>("tuning");
    QTest::addColumn<int>("neck");
    QTest::addColumn<int>("string");
    QTest::addColumn<int>("fret");
    QTest::addColumn<int>("midi"); // -1: no dot there, nothing plays
    QTest::newRow("C on the low E string") << kStandard << 0 << 0 << 8 << 48;
    QTest::newRow("high E at the first fret") << kStandard << 0 << 5 << 1 << 65;
    QTest::newRow("last fret of C Dorian") << kStandard << 1 << 5 << 22 << 86;
    QTest::newRow("last neck") << kStandard << 6 << 5 << 20 << 84;
    QTest::newRow("bass G string") << QStringLiteral("28 33 38 43") << 3 << 3 << 12 << 55;
    QTest::newRow("8-string low F# string")
        << QStringLiteral("30 35 40 45 50 55 59 64") << 0 << 0 << 1 << 31;
    QTest::newRow("F# is not in C Ionian") << kStandard << 0 << 0 << 2 << -1;
}

void TestSoundWindow::clickPlaysTheDotsNote() {
    QFETCH(QString, tuning);
    QFETCH(int, neck);
    QFETCH(int, string);
    QFETCH(int, fret);
    QFETCH(int, midi);
    Window window(tuning);
    CVarnelView* view = window.frame->View();
    const QRect dot = view->CellRect({neck, string, fret});
    QVERIFY(!dot.isEmpty());
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, dot.center());
    if (midi < 0) {
        QTest::qWait(100);
        QVERIFY(window.log->Keys().empty());
        QVERIFY(!window.frame->Sound()->IsPlaying());
        return;
    }
    QTRY_COMPARE(window.log->Keys(), std::vector<int>{midi});
    // The dot lights while its note sounds.
    QTRY_COMPARE(view->SoundingCells(), (std::vector<LayoutHit>{{neck, string, fret}}));
}

void TestSoundWindow::enterPlaysTheFocusedCell_data() {
    QTest::addColumn<QList<int>>("arrows");
    QTest::addColumn<int>("midi");
    // The first arrow puts the focus on the first neck's lowest string at fret 1: F.
    QTest::newRow("first cell") << QList<int>{Qt::Key_Down} << 41;
    QTest::newRow("a fret down") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << 43;
    QTest::newRow("a string across") << QList<int>{Qt::Key_Down, Qt::Key_Right} << 46;
    QTest::newRow("no fret above the first") << QList<int>{Qt::Key_Down, Qt::Key_Up} << 41;
    QTest::newRow("over to the next neck")
        << QList<int>{Qt::Key_Down,  Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                      Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}
        << 41;
}

void TestSoundWindow::enterPlaysTheFocusedCell() {
    QFETCH(QList<int>, arrows);
    QFETCH(int, midi);
    Window window(kStandard);
    CVarnelView* view = window.frame->View();
    QVERIFY(!view->FocusedCell());
    for (const int key : arrows) {
        QTest::keyClick(view, static_cast<Qt::Key>(key), Qt::ControlModifier);
    }
    QVERIFY(view->FocusedCell());
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_COMPARE(window.log->Keys(), std::vector<int>{midi});
}

void TestSoundWindow::missingSoundDisablesPlaying_data() {
    QTest::addColumn<QString>("missing");
    QTest::newRow("no SoundFont") << QStringLiteral("No SoundFont: install the timgm6mb-soundfont "
                                                    "package");
    QTest::newRow("no audio output") << QStringLiteral("No audio output: install and start "
                                                       "pipewire-pulse or pulseaudio");
}

void TestSoundWindow::missingSoundDisablesPlaying() {
    QFETCH(QString, missing);
    Window window(kStandard, missing);
    CSoundMenu* sound = window.frame->Sound();
    // Until the menu is looked at nothing is checked; a key that plays finds out.
    QTest::keyClick(window.frame->View(), Qt::Key_1);
    QCOMPARE(window.frame->statusBar()->currentMessage(), missing);
    QVERIFY(sound->MissingAction()->isVisible());
    QCOMPARE(sound->MissingAction()->text(), missing);
    QVERIFY(!sound->MissingAction()->isEnabled());
    QCOMPARE(sound->NeckActions().size(), window.frame->View()->NeckCount());
    for (QAction* action : sound->NeckActions()) {
        QVERIFY(!action->isEnabled());
    }
    QVERIFY(!sound->PlayAllAction()->isEnabled());
    QVERIFY(!sound->StopAction()->isEnabled());
    // The settings stay open, where a SoundFont can be chosen.
    QVERIFY(sound->SettingsAction()->isEnabled());
    QTest::qWait(50);
    QVERIFY(window.log->Keys().empty());
}

void TestSoundWindow::escapeStops_data() {
    QTest::addColumn<int>("what"); // 0 Play All, 1 the third neck, 2 a clicked dot
    QTest::newRow("Play All") << 0;
    QTest::newRow("Play Neck 3") << 1;
    QTest::newRow("a dot") << 2;
}

void TestSoundWindow::escapeStops() {
    QFETCH(int, what);
    Window window(kStandard);
    CSoundMenu* sound = window.frame->Sound();
    CVarnelView* view = window.frame->View();
    if (what == 0) {
        sound->PlayAllAction()->trigger();
    } else if (what == 1) {
        QTest::keyClick(view, Qt::Key_3);
    } else {
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, view->CellRect({0, 0, 8}).center());
    }
    QTRY_VERIFY(!window.log->Keys().empty());
    QVERIFY(sound->IsPlaying());
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!sound->IsPlaying());
    QVERIFY(view->SoundingCells().empty());
    // Nothing more is asked for once stopped.
    const std::size_t heard = window.log->Keys().size();
    QTest::qWait(300);
    QCOMPARE(window.log->Keys().size(), heard);
}

QTEST_MAIN(TestSoundWindow)
#include "tst_soundwindow.moc"
