// Runs a São Paulo court-debt calculation file as the window would.
#include "core/saopaulo/headlessrun.h"

#include "core/saopaulo/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

namespace ruvivavu::saopaulo {

std::string runCalculationFile(shell::Shell& shell, const std::string& path) {
    shell::PlanTable planTable;
    SaoPauloCourtDebt calculator(shell, planTable);
    calculator.loadAtStart();
    shell.loadFontIni();
    calculator.open(path);
    for (int press = 0; press < SaoPauloCourtDebt::kLastPage; ++press) calculator.next();
    return calculator.finishToBytes();
}

}  // namespace ruvivavu::saopaulo
