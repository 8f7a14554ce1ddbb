// The cost of a drawing pass on screen and on paper, and of a whole `varnel --export` run.
#include "layout/necklayout.h"
#include "music/tuning.h"
#include "view/neckcolours.h"
#include "view/neckdrawing.h"
#include "view/paintersurface.h"
#include "view/screenpass.h"
#include "view/zoomsteps.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <array>
#include <cmath>
#include <vector>

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

// One paint of a window as the view paints it, with the key changed before each pass so that
// only the frets, strings and markers kept from the pass before are reused.
void ViewPasses(benchmark::State& state, CNeckDrawing& drawing, QImage& image) {
    CScreenPass pass;
    const CNeckColours colours = PaperColours();
    int key = 0;
    for (auto _ : state) {
        drawing.m_nKey = std::array{0, 2, 4, 5, 7, 9, 11}[static_cast<std::size_t>(key++ % 7)];
        QPainter painter(&image);
        pass.Paint(painter, drawing, image.size(), 1.0, colours);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The default picture in a 900 x 720 window.
void BM_ScreenPass(benchmark::State& state) {
    QImage image(900, 720, QImage::Format_RGB32);
    CNeckDrawing drawing;
    ViewPasses(state, drawing, image);
}
BENCHMARK(BM_ScreenPass)->Unit(benchmark::kMicrosecond);

// The same window with each neck's three-notes-per-string shape set apart from faint notes.
void BM_ScreenPass3nps(benchmark::State& state) {
    QImage image(900, 720, QImage::Format_RGB32);
    CNeckDrawing drawing;
    drawing.m_positions = PositionKind::ThreePerString;
    ViewPasses(state, drawing, image);
}
BENCHMARK(BM_ScreenPass3nps)->Unit(benchmark::kMicrosecond);

// The five boxes of the minor pentatonic scale, each set apart from the faint rest.
void BM_ScreenPassPentatonic(benchmark::State& state) {
    QImage image(900, 720, QImage::Format_RGB32);
    CNeckDrawing drawing;
    drawing.m_nFamily = static_cast<int>(ScaleFamily::MinorPentatonic);
    drawing.m_nStyle = 1;
    drawing.m_positions = PositionKind::ThreePerString;
    ViewPasses(state, drawing, image);
}
BENCHMARK(BM_ScreenPassPentatonic)->Unit(benchmark::kMicrosecond);

// The same window drawn whole at every pass, as exports and printing draw.
void BM_UnkeptScreenPass(benchmark::State& state) {
    QImage image(900, 720, QImage::Format_RGB32);
    Pass(state, image, image.size(), false);
}
BENCHMARK(BM_UnkeptScreenPass)->Unit(benchmark::kMicrosecond);

// An eight-string guitar with 24 frets, necks stacked, in a window that shows them all.
void BM_ScreenPass8String24FretsHorizontal(benchmark::State& state) {
    CNeckDrawing drawing;
    drawing.m_nTuning = FindTuningPreset("8-string")->midi;
    drawing.m_nFrets = 24;
    drawing.m_nLastFret = 24;
    drawing.m_bHorizontal = true;
    QImage probe(1, 1, QImage::Format_RGB32);
    QImage image(drawing.PictureSize(QFont(), &probe, false), QImage::Format_RGB32);
    ViewPasses(state, drawing, image);
}
BENCHMARK(BM_ScreenPass8String24FretsHorizontal)->Unit(benchmark::kMicrosecond);

// What a paint costs at the least: one fill of the 900 x 720 window.
void BM_FillFloor(benchmark::State& state) {
    QImage image(900, 720, QImage::Format_RGB32);
    int shade = 0;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(shade, 255, 255));
        shade = (shade + 1) % 256;
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FillFloor)->Unit(benchmark::kMicrosecond);

// The pointer over every cell of the default picture in turn.
void BM_HitTest(benchmark::State& state) {
    const NeckLayout layout{NeckLayoutInput{}};
    std::vector<QPoint> centres;
    for (const NeckGeometry& neck : layout.Necks()) {
        for (const LayoutRow& row : neck.rows) {
            for (const LayoutCell& cell : row.cells) {
                centres.push_back(cell.centre);
            }
        }
    }
    for (auto _ : state) {
        int found = 0;
        for (const QPoint& centre : centres) {
            found += layout.HitTest(centre) ? 1 : 0;
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(centres.size()));
}
BENCHMARK(BM_HitTest)->Unit(benchmark::kMicrosecond);

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
