// Runs a daily-savings calculation file as the window would.
#include "core/dailysavings/headlessrun.h"

#include "core/dailysavings/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

namespace ruvivavu::dailysavings {

namespace {

// Start-up loading, the launch (court-debt captions only), "Abrir" and six presses of "Próximo";
// then the calculation goes to `use`.
void walk(shell::Shell& shell, const std::string& path, Variant variant, const std::string& caption,
          const std::function<void(DailySavings&)>& use) {
    shell::PlanTable planTable;
    shell::IndexApplicationTable yieldOverrides;
    DailySavings calculator(shell, planTable, yieldOverrides, variant);
    calculator.loadAtStart();
    shell.loadFontIni();
    if (variant == Variant::CourtDebtMonthly) calculator.launchMonthly(caption);
    calculator.open(path);
    for (int press = 0; press < DailySavings::kLastPage; ++press) calculator.next();
    use(calculator);
}

// The walk, then "Finalizar" up to the statement.
std::string run(shell::Shell& shell, const std::string& path, Variant variant, const std::string& caption) {
    std::string bytes;
    walk(shell, path, variant, caption, [&bytes](DailySavings& calculator) { bytes = calculator.finishToBytes(); });
    return bytes;
}

}  // namespace

std::string runCalculationFile(shell::Shell& shell, const std::string& path) {
    return run(shell, path, Variant::DailySavings, "");
}

void walkCalculationFile(shell::Shell& shell, const std::string& path, const std::function<void(DailySavings&)>& use) {
    walk(shell, path, Variant::DailySavings, "", use);
}

std::string runSaoPauloMonthlyFile(shell::Shell& shell, const std::string& path) {
    return run(shell, path, Variant::CourtDebtMonthly, kSaoPauloMonthlyCaption);
}

std::string runMinasMonthlyFile(shell::Shell& shell, const std::string& path) {
    return run(shell, path, Variant::CourtDebtMonthly, kMinasMonthlyCaption);
}

}  // namespace ruvivavu::dailysavings
