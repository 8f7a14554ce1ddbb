#include "app/commandline.h"
#include "app/mainframe.h"
#include "app/varnelapp.h"
#include "view/varnelview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

// From binding the store to the first painted window, in one process: what a guitarist waits
// for after the program itself has loaded.
static void BM_StartUpToFirstPaint(benchmark::State& state) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    for (auto _ : state) {
        CVarnelApp app;
        if (!app.InitInstance({})) {
            state.SkipWithError("start-up failed");
            break;
        }
        QElapsedTimer waited;
        waited.start();
        while (!app.MainFrame()->windowHandle()->isExposed() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents();
        }
        app.MainFrame()->View()->repaint();
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

// The whole executable, loading included, up to the end of `varnel --version`: the floor under
// every command-line run.
static void BM_ProcessVersion(benchmark::State& state) {
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(VARNEL_EXECUTABLE), {QStringLiteral("--version")});
        if (!process.waitForFinished(10000) || process.exitCode() != 0) {
            state.SkipWithError("varnel --version failed");
            break;
        }
    }
}
BENCHMARK(BM_ProcessVersion)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
