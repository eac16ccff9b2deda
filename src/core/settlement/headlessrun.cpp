// Runs the agreement for a daily-savings calculation file as the window would.
#include "core/settlement/headlessrun.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/dailysavings/calculationfile.h"
#include "core/dailysavings/headlessrun.h"
#include "core/dailysavings/model.h"
#include "core/settlement/calculationfile.h"
#include "core/settlement/model.h"

namespace ruvivavu::settlement {

namespace {
constexpr const char* kNotDailySavings =
    "O acordo é calculado com os saldos de um cálculo da Poupança Diária (arquivo .e12 \"Vers 1.2\").";
}

std::string runAgreementFile(shell::Shell& shell, const std::string& path, Regime regime) {
    if (dailysavings::firstLine(readTextFileBytes(path)) != dailysavings::kFormatMark)
        throw UserMessage(kNotDailySavings);
    Settlement settlement(shell);
    settlement.regime = regime;
    dailysavings::walkCalculationFile(shell, path, [&settlement](dailysavings::DailySavings& calculation) {
        takeDailySavings(calculation, settlement);
    });
    return settlement.statementBytes();
}

}  // namespace ruvivavu::settlement
