// The agreement run of the command-line tool.
#include "cli/agreement.h"

#include "core/settlement/headlessrun.h"
#include "core/settlement/model.h"
#include "core/shell/shell.h"

namespace ruvivavu::cli {

std::string agreementUsageProblem(const std::string& regime, const std::string& calculator,
                                  const std::string& extension) {
    settlement::Regime parsed;
    if (!regime.empty() && !settlement::regimeFromCode(regime, parsed))
        return "regime desconhecido: " + regime + " (use 2017 ou 2020)";
    if (!calculator.empty()) return "--acordo não se combina com --calculadora";
    if (extension != ".e12") return "--acordo vale apenas para arquivos .e12 da Poupança Diária";
    return {};
}

std::string runAgreement(const std::string& dataFolder, const std::string& path, const std::string& regime) {
    settlement::Regime parsed = settlement::kDefaultRegime;
    if (!regime.empty()) settlement::regimeFromCode(regime, parsed);
    shell::Shell shell;
    if (!dataFolder.empty()) shell.dataFolder = dataFolder;
    return settlement::runAgreementFile(shell, path, parsed);
}

}  // namespace ruvivavu::cli
