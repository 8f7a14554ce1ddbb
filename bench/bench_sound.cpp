#include "app/mainframe.h"
#include "settings/settingsstore.h"
#include "sound/audioport.h"
#include "sound/fluidsynthengine.h"
#include "sound/playplan.h"
#include "sound/sequencer.h"
#include "sound/soundfontlocator.h"
#include "sound/soundmenu.h"
#include "view/neckdrawing.h"
#include "view/varnelview.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <memory>

namespace {

std::unique_ptr<FluidSynthEngine> MakeSynth() {
    std::string error;
    return FluidSynthEngine::Create(SoundFontLocator().Find(QString()).toStdString(), &error);
}

} // namespace

// One neck up and down its octave, fifteen notes, rendered offline through the SoundFont: the
// counter is seconds of audio made per second of CPU.
static void BM_RenderOctaveOffline(benchmark::State& state) {
    const std::unique_ptr<FluidSynthEngine> synth = MakeSynth();
    if (!synth) {
        state.SkipWithError("no SoundFont (timgm6mb-soundfont)");
        return;
    }
    const PlayPlan plan = PlanNecks(CNeckDrawing(), {0}, SoundPrefs());
    double audioSeconds = 0;
    for (auto _ : state) {
        const std::vector<std::int16_t> samples = RenderOffline(plan, *synth, 0);
        benchmark::DoNotOptimize(samples.data());
        audioSeconds = double(samples.size()) / NoteSynth::kChannels / NoteSynth::kSampleRate;
        synth->AllSoundOff();
    }
    state.counters["audio_s_per_cpu_s"] =
        benchmark::Counter(audioSeconds, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_RenderOctaveOffline)->Unit(benchmark::kMillisecond);

// A click on a dot of the window, through the view and the Sound menu to the first sample
// with sound that an audio port pulls. The port is a null one that pulls 10 ms every 10 ms,
// as a device would.
static void BM_ClickToFirstSample(benchmark::State& state) {
    if (SoundFontLocator().Find(QString()).isEmpty()) {
        state.SkipWithError("no SoundFont (timgm6mb-soundfont)");
        return;
    }
    QTemporaryDir config;
    SettingsStore store;
    store.Open(nullptr, config.path(), QStringLiteral("Dovrane Software/Varnel"));
    QPrinter printer;
    CMainFrame frame(store, printer);
    frame.View()->OnInitialUpdate();
    auto port = std::make_shared<std::atomic<NullAudioPort*>>(nullptr);
    SoundSetup setup;
    setup.missing = [](const SoundPrefs&) { return QString(); };
    setup.backend = [port](const SoundPrefs&) {
        SoundBackend backend;
        backend.makeSynth = [](QString*) -> std::unique_ptr<NoteSynth> { return MakeSynth(); };
        backend.makePort = [port](QString*) {
            auto made = std::make_unique<NullAudioPort>();
            port->store(made.get());
            return made;
        };
        return backend;
    };
    frame.Sound()->UseSetup(setup);
    CVarnelView* view = frame.View();
    const QPointF dot = view->CellRect({0, 0, 8}).center();
    const auto click = [view, dot] {
        QMouseEvent press(QEvent::MouseButtonPress, dot, view->mapToGlobal(dot), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &press);
    };
    const auto waitForSound = [&port] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while ((port->load() == nullptr ||
                port->load()->FirstSound() == NullAudioPort::Clock::time_point()) &&
               std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        return port->load() != nullptr &&
               port->load()->FirstSound() != NullAudioPort::Clock::time_point();
    };
    // The first click loads the SoundFont; the ones measured find it ready.
    click();
    if (!waitForSound()) {
        state.SkipWithError("no sound came through");
        return;
    }
    for (auto _ : state) {
        frame.Sound()->Stop();
        // A few blocks for the stop to be taken up and silence to come through.
        const auto settled = std::chrono::steady_clock::now() + std::chrono::milliseconds(40);
        while (std::chrono::steady_clock::now() < settled) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        port->load()->ForgetSound();
        const auto start = NullAudioPort::Clock::now();
        click();
        if (!waitForSound()) {
            state.SkipWithError("no sound came through");
            break;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(port->load()->FirstSound() - start).count());
    }
}
BENCHMARK(BM_ClickToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
