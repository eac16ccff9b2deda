// Runs a daily-savings calculation file as the window would.
#include "core/dailysavings/headlessrun.h"

#include "core/dailysavings/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

namespace ruvivavu::dailysavings {

namespace {

// Start-up loading, the launch (court-debt captions only), "Abrir", six presses of "Próximo" and
// "Finalizar" up to the statement.
std::string run(shell::Shell& shell, const std::string& path, Variant variant, const std::string& caption) {
    shell::PlanTable planTable;
    shell::IndexApplicationTable yieldOverrides;
    DailySavings calculator(shell, planTable, yieldOverrides, variant);
    calculator.loadAtStart();
    shell.loadFontIni();
    if (variant == Variant::CourtDebtMonthly) calculator.launchMonthly(caption);
    calculator.open(path);
    for (int press = 0; press < DailySavings::kLastPage; ++press) calculator.next();
    return calculator.finishToBytes();
}

}  // namespace

std::string runCalculationFile(shell::Shell& shell, const std::string& path) {
    return run(shell, path, Variant::DailySavings, "");
}

std::string runSaoPauloMonthlyFile(shell::Shell& shell, const std::string& path) {
    return run(shell, path, Variant::CourtDebtMonthly, kSaoPauloMonthlyCaption);
}

std::string runMinasMonthlyFile(shell::Shell& shell, const std::string& path) {
    return run(shell, path, Variant::CourtDebtMonthly, kMinasMonthlyCaption);
}

}  // namespace ruvivavu::dailysavings
