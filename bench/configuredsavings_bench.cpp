// Leaving a month field of the configured-savings wizards recomputes its month's family of figures
// at once; reaching the final page computes the whole update table of the shipped mes2.tab.
#include "core/configuredsavings/model.h"
#include "core/shell/shell.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ruvivavu;
using namespace ruvivavu::configuredsavings;

// Each of the four families in turn, on the Abr/90 month of the six-month calculator.
void BM_LeaveMonthField(benchmark::State& state) {
    shell::Shell shell;
    ConfiguredSavings calculator(shell, kCollorSavings);
    const MonthField families[] = {MonthField::Interest, MonthField::Jcm, MonthField::Before, MonthField::After};
    calculator.fields.months[2].after = "2.000,00";
    int i = 0;
    for (auto _ : state) {
        calculator.leaveMonthField(2, families[i++ % 4]);
        benchmark::DoNotOptimize(calculator.fields.months[2].before);
    }
}
BENCHMARK(BM_LeaveMonthField);

// "Próximo" from the fees page: the table loaded, the statement of account, the update run.
void BM_ReachFinalPage(benchmark::State& state) {
    shell::Shell shell;
    shell.dataFolder = std::string(RUVIVAVU_SOURCE_DIR) + "/data";
    ConfiguredSavings calculator(shell, kCollorSavings);
    calculator.keepsBackup = false;
    calculator.shown();
    calculator.fields.updateDate = "15/08/2026";
    for (int k = 0; k < 6; ++k) {
        calculator.fields.months[k].before = "1.000,00";
        calculator.leaveMonthField(k, MonthField::Before);
    }
    for (auto _ : state) {
        calculator.page = kFeesPage;
        calculator.next();
        benchmark::DoNotOptimize(calculator.updateTable.rowCount());
    }
}
BENCHMARK(BM_ReachFinalPage)->Unit(benchmark::kMicrosecond);

}  // namespace
