// The command-line tool's calculators and the runs it has of them.
#include "cli/calculators.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/configuredsavings/headlessrun.h"
#include "core/dailysavings/headlessrun.h"
#include "core/fgts/headlessrun.h"
#include "core/progressiveinterest/headlessrun.h"
#include "core/saopaulo/headlessrun.h"
#include "core/shell/shell.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>

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

std::string lowerExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

namespace {

// The file's first line as the calculators' readers split lines (at CR LF, LF or CR); empty when
// the file cannot be read or passes the bounds of a text file (the calculator's own opening reports
// that).
std::string firstLineOf(const std::string& path) {
    std::string bytes;
    try {
        bytes = readTextFileBytes(path);
    } catch (const std::exception&) {
        return {};
    }
    return bytes.substr(0, bytes.find_first_of("\r\n"));
}

}  // namespace

const Calculator* calculatorForFile(const std::string& path, const Calculator* named) {
    const std::string ext = lowerExtension(path);
    if (named && named->extension == ext) return named;
    if (!calculatorFor(ext, {})) return nullptr;
    return calculatorFor(ext, firstLineOf(path));
}

std::string calculatorLabel(const Calculator& calculator) {
    if (!calculator.name.empty()) return std::string(calculator.name);
    std::string label(calculator.extension);
    if (!calculator.firstLine.empty()) label += " (" + std::string(calculator.firstLine) + ")";
    return label;
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
