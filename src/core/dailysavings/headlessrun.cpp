// Runs a daily-savings calculation file as the window would.
#include "core/dailysavings/headlessrun.h"

#include "core/dailysavings/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

namespace ruvivavu::dailysavings {

std::string runCalculationFile(shell::Shell& shell, const std::string& path) {
    shell::PlanTable planTable;
    shell::IndexApplicationTable yieldOverrides;
    DailySavings calculator(shell, planTable, yieldOverrides);
    calculator.loadAtStart();
    shell.loadFontIni();
    calculator.open(path);
    for (int press = 0; press < DailySavings::kLastPage; ++press) calculator.next();
    return calculator.finishToBytes();
}

}  // namespace ruvivavu::dailysavings
