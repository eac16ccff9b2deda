// Runs an FGTS progressive-interest calculation file as the window would: start-up loading,
// "Abrir", a keystroke's recomputation and "Finalizar"; the statement is answered instead of
// being written into the data folder.
#include "core/progressiveinterest/headlessrun.h"

#include "core/common/errors.h"
#include "core/progressiveinterest/model.h"
#include "core/shell/shell.h"

namespace ruvivavu::progressiveinterest {

std::string runCalculationFile(shell::Shell& shell, const std::string& path) {
    shell.loadFontIni();
    ProgressiveInterest calculator(shell);
    calculator.loadAtStart();
    calculator.shown();
    // The window opens such a file silently as nothing; without a window that would be a
    // statement of nothing reported as success.
    if (!calculator.open(path)) throw UserMessage("O arquivo não é um cálculo de juros progressivos do FGTS: " + path);
    calculator.recalc();
    calculator.shown();
    return calculator.statement();
}

}  // namespace ruvivavu::progressiveinterest
