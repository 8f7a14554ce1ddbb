#include "music/musicmodel.h"
#include "music/tuning.h"

#include <benchmark/benchmark.h>

namespace {

// The model calls of one picture, in the drawing's order: per diagram, fret rows top to
// bottom, strings left to right, then the seven titles.
void OnePicture(benchmark::State& state, const CMusicModel& model) {
    for (auto _ : state) {
        for (int i = 0; i < CMusicModel::kModes; ++i) {
            for (int j = 0; j < CMusicModel::kGuitarFrets; ++j) {
                for (int k = 0; k < CMusicModel::kGuitarStrings; ++k) {
                    int role = model.GetNoteRole(j + 1, k, i);
                    benchmark::DoNotOptimize(role);
                }
            }
        }
        for (int i = 0; i < CMusicModel::kModes; ++i) {
            std::string name = model.GetRootName(i);
            benchmark::DoNotOptimize(name);
        }
        // The model is the view's state: let each pass read it afresh.
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * (7 * 22 * 6 + 7));
}

void BM_OnePictureOfModelCalls(benchmark::State& state) {
    CMusicModel model;
    model.m_nKey = 4;
    model.m_nAccidental = -1;
    model.m_nStyle = static_cast<int>(state.range(0));
    OnePicture(state, model);
}

// The same calls where the minor families spell their titles letter by letter and the open
// strings come from a tuning other than standard.
void BM_OnePictureHarmonicMinorPatternFixedDadgad(benchmark::State& state) {
    CMusicModel model;
    model.m_nKey = 4;
    model.m_nAccidental = -1;
    model.m_nStyle = 1;
    model.m_nFamily = static_cast<int>(ScaleFamily::HarmonicMinor);
    model.m_nTuning = FindTuningPreset("dadgad")->midi;
    OnePicture(state, model);
}

// A labelled picture asks for one note name per cell besides the roles.
void BM_OnePictureOfNoteLabels(benchmark::State& state) {
    CMusicModel model;
    model.m_nKey = 4;
    model.m_nAccidental = -1;
    model.m_nStyle = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < CMusicModel::kModes; ++i) {
            for (int j = 0; j < CMusicModel::kGuitarFrets; ++j) {
                for (int k = 0; k < CMusicModel::kGuitarStrings; ++k) {
                    std::string label = model.GetNoteLabel(LabelKind::Notes, j + 1, k, i);
                    benchmark::DoNotOptimize(label);
                }
            }
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * (7 * 22 * 6));
}

BENCHMARK(BM_OnePictureOfModelCalls)->Arg(0)->Arg(1)->ArgName("style");
BENCHMARK(BM_OnePictureHarmonicMinorPatternFixedDadgad);
BENCHMARK(BM_OnePictureOfNoteLabels)->Arg(0)->Arg(1)->ArgName("style");

} // namespace

BENCHMARK_MAIN();
