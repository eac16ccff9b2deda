// Runs a configured-savings calculation file as the window would.
#include "core/configuredsavings/headlessrun.h"

#include "core/configuredsavings/model.h"
#include "core/shell/shell.h"

namespace ruvivavu::configuredsavings {

namespace {

std::string run(shell::Shell& shell, const std::string& path, const Variant& variant) {
    shell.loadFontIni();
    ConfiguredSavings calculator(shell, variant);
    calculator.keepsBackup = false;
    calculator.shown();
    calculator.open(path);
    while (calculator.page < kFinalPage) calculator.next();
    return calculator.finishToBytes();
}

}  // namespace

std::string runCalculationFile(shell::Shell& shell, const std::string& path) {
    return run(shell, path, kConfiguredSavings);
}

std::string runCollorCalculationFile(shell::Shell& shell, const std::string& path) {
    return run(shell, path, kCollorSavings);
}

}  // namespace ruvivavu::configuredsavings
