// The command-line tool's calculators and the runs it has of them.
#include "cli/calculators.h"

#include "core/common/errors.h"
#include "core/configuredsavings/headlessrun.h"
#include "core/dailysavings/headlessrun.h"
#include "core/fgts/headlessrun.h"
#include "core/progressiveinterest/headlessrun.h"
#include "core/saopaulo/headlessrun.h"
#include "core/shell/shell.h"

#include <array>

namespace ruvivavu::cli {

namespace {

// The month-by-month court-debt calculators read the same .e12 files as daily savings: they are
// chosen by name. A .e12 file beginning with "estados" is a São Paulo court-debt calculation.
constexpr std::array kCalculators{
    Calculator{"poupanca", ".e12", "Vers 1.2", &dailysavings::runCalculationFile},
    Calculator{"sp-mes", ".e12", "", &dailysavings::runSaoPauloMonthlyFile},
    Calculator{"mg-mes", ".e12", "", &dailysavings::runMinasMonthlyFile},
    Calculator{"", ".e12", "estados", &saopaulo::runCalculationFile},
    Calculator{"", ".fg", "", &fgts::runCalculationFile},
    Calculator{"", ".e20", "", &configuredsavings::runCalculationFile},
    Calculator{"", ".ex20", "", &configuredsavings::runCollorCalculationFile},
    Calculator{"", ".jfgts", "", &progressiveinterest::runCalculationFile},
};

}  // namespace

std::span<const Calculator> calculators() {
    return kCalculators;
}

const Calculator* calculatorNamed(std::string_view name) {
    if (name.empty()) return nullptr;
    for (const Calculator& calculator : kCalculators)
        if (calculator.name == name) return &calculator;
    return nullptr;
}

const Calculator* calculatorFor(std::string_view extension, std::string_view firstLine) {
    const Calculator* fallback = nullptr;
    for (const Calculator& calculator : kCalculators) {
        if (calculator.extension != extension) continue;
        if (!calculator.firstLine.empty() && calculator.firstLine == firstLine) return &calculator;
        if (!fallback) fallback = &calculator;
    }
    return fallback;
}

std::string runCalculation(const Calculator& calculator, const std::string& dataFolder, const std::string& path) {
    if (!calculator.run)
        throw UserMessage("Calculadora \"" + std::string(calculator.name) +
                          "\" ainda não disponível na linha de comando");
    shell::Shell shell;
    if (!dataFolder.empty()) shell.dataFolder = dataFolder;
    return calculator.run(shell, path);
}

}  // namespace ruvivavu::cli
