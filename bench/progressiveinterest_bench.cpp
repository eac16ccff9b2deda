// FGTS progressive interest: the recomputation every keystroke runs, over the shipped table's 193
// months, all of them with a value and the IPC reflections on.
#include "core/common/numeric.h"
#include "core/progressiveinterest/model.h"
#include "core/shell/shell.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ruvivavu;

struct AllMonths {
    shell::Shell shell;
    progressiveinterest::ProgressiveInterest model{shell};

    AllMonths() {
        shell.dataFolder = std::string(RUVIVAVU_SOURCE_DIR) + "/data";
        model.loadAtStart();
        model.shown();
        model.ipcReflections = true;
        for (int row = 1; row < progressiveinterest::kRows; ++row)
            model.values.setCell(1, row, FormatFloat(kMoney, 1000.0L + row * 37.31L));
        model.recalc();
    }
};

void BM_ProgressiveInterestKeystroke(benchmark::State& state) {
    AllMonths calc;
    int key = 0;
    for (auto _ : state) {
        calc.model.edit(100, key++ % 2 ? "1.234,56" : "1.234,5");
        benchmark::DoNotOptimize(calc.model.sheet.cell(10, 193).data());
    }
    state.counters["months"] = progressiveinterest::kRows - 1;
}
BENCHMARK(BM_ProgressiveInterestKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
