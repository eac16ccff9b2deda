// Runs a daily-savings calculation file (.e12) as the window would: the data folder loaded as at
// program start, the file opened as "Abrir" does, six presses of "Próximo" (each page's work on
// arrival), then "Finalizar" up to the statement, whose bytes are answered instead of being
// written into the data folder.
#include "cli/runners.h"

#include "core/common/errors.h"
#include "core/savings/dailysavings.h"
#include "core/savings/plantables.h"
#include "core/shell/shell.h"

namespace ruvivavu::cli {

std::string runSavings(const Options& options) {
    if (!options.calculator.empty() && options.calculator != "poupanca")
        throw UserMessage("Calculadora \"" + options.calculator + "\" ainda não disponível na linha de comando");
    shell::Shell shell;
    if (!options.dataFolder.empty()) shell.dataFolder = options.dataFolder;
    savings::PlanTable planTable;
    savings::IndexApplicationTable indexTable;
    savings::DailySavings calculator(shell, planTable, indexTable);
    calculator.loadAtStart();
    shell.loadFontIni();
    calculator.open(options.input);
    for (int press = 0; press < savings::DailySavings::kLastPage; ++press) calculator.next();
    return calculator.finalizeToBytes();
}

}  // namespace ruvivavu::cli
