// The cost of a drawing pass on screen and on paper, and of a whole `varnel --export` run.
#include "view/neckdrawing.h"
#include "view/paintersurface.h"
#include "view/zoomsteps.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>

namespace {

void Pass(benchmark::State& state, QImage& image, QSize clientSize, bool bPrinting,
          LabelKind labels = LabelKind::None) {
    CNeckDrawing drawing;
    drawing.m_labelKind = labels;
    const QRect target = image.rect();
    for (auto _ : state) {
        QPainter painter(&image);
        {
            CPainterSurface surface(&painter, QColor(255, 255, 255));
            drawing.DrawNecks(&surface, clientSize, &target, bPrinting);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// One paint of a 900 x 720 window at the default metrics.
void BM_ScreenPass(benchmark::State& state) {
    QImage image(900, 720, QImage::Format_RGB32);
    Pass(state, image, image.size(), false);
}
BENCHMARK(BM_ScreenPass)->Unit(benchmark::kMicrosecond);

// The same paint with every scale note named inside its dot.
void BM_ScreenPassLabelNotes(benchmark::State& state) {
    QImage image(900, 720, QImage::Format_RGB32);
    Pass(state, image, image.size(), false, LabelKind::Notes);
}
BENCHMARK(BM_ScreenPassLabelNotes)->Unit(benchmark::kMicrosecond);

// The whole drawing fitted to a 1920 x 1080 window, as the view paints it: scaled once, with
// lines kept one device pixel wide.
void BM_FittedScreenPass1920x1080(benchmark::State& state) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    CNeckDrawing drawing;
    const QSize picture = drawing.PictureSize(QFont(), &image, false);
    const double scale = ZoomSteps::FitScale(picture, image.size());
    const QRect logical(0, 0, static_cast<int>(std::ceil(image.width() / scale)),
                        static_cast<int>(std::ceil(image.height() / scale)));
    for (auto _ : state) {
        QPainter painter(&image);
        painter.scale(scale, scale);
        {
            CPainterSurface surface(&painter, QColor(255, 255, 255));
            surface.SetDeviceAligned(true);
            drawing.DrawNecks(&surface, logical.size(), &logical, false);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FittedScreenPass1920x1080)->Unit(benchmark::kMicrosecond);

// The printed page of the same window on A4 at 300 dpi.
void BM_PrintPassA4At300Dpi(benchmark::State& state) {
    QImage image(2480, 3508, QImage::Format_RGB32);
    constexpr int kDotsPerMetre = 11811; // 300 dpi
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    Pass(state, image, QSize(900, 720), true);
}
BENCHMARK(BM_PrintPassA4At300Dpi)->Unit(benchmark::kMillisecond);

// The whole process, from start to the written file, with no stored preferences.
void BM_ExportPngProcess(benchmark::State& state) {
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    const QStringList arguments{QStringLiteral("--export"),
                                dir.filePath(QStringLiteral("out.png"))};
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VARNEL_EXECUTABLE), arguments);
        if (!process.waitForFinished(-1) || process.exitCode() != 0) {
            state.SkipWithError("varnel --export failed");
            break;
        }
    }
}
BENCHMARK(BM_ExportPngProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
