// Runs a daily-savings calculation file (.e12).
#include "cli/runners.h"

#include "core/common/errors.h"
#include "core/dailysavings/headlessrun.h"
#include "core/shell/shell.h"

namespace ruvivavu::cli {

std::string runSavings(const Options& options) {
    if (!options.calculator.empty() && options.calculator != "poupanca")
        throw UserMessage("Calculadora \"" + options.calculator + "\" ainda não disponível na linha de comando");
    shell::Shell shell;
    if (!options.dataFolder.empty()) shell.dataFolder = options.dataFolder;
    return dailysavings::runCalculationFile(shell, options.input);
}

}  // namespace ruvivavu::cli
