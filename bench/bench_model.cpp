#include "music/musicmodel.h"

#include <benchmark/benchmark.h>

namespace {

// The model calls of one picture, in the drawing's order: per diagram, fret rows top to
// bottom, strings left to right, then the seven titles.
void BM_OnePictureOfModelCalls(benchmark::State& state) {
    CMusicModel model;
    model.m_nKey = 4;
    model.m_nAccidental = -1;
    model.m_nStyle = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < CMusicModel::kModes; ++i) {
            for (int j = 0; j < CMusicModel::kFrets; ++j) {
                for (int k = 0; k < CMusicModel::kStrings; ++k) {
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

BENCHMARK(BM_OnePictureOfModelCalls)->Arg(0)->Arg(1)->ArgName("style");

} // namespace

BENCHMARK_MAIN();
