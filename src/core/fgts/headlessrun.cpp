// Runs an FGTS purge calculation file as the window would: open, "Próximo" to the last page,
// "Finalizar"; the statement is answered instead of being written into the data folder.
#include "core/fgts/headlessrun.h"

#include "core/fgts/model.h"
#include "core/fgts/sheet.h"
#include "core/fgts/statement.h"
#include "core/shell/shell.h"

namespace ruvivavu::fgts {

std::string runCalculationFile(shell::Shell& shell, const std::string& path) {
    shell.loadFontIni();
    FgtsPurge calculator(shell);
    calculator.launch();
    calculator.shown();
    calculator.open(path);
    while (calculator.page < kLastPage) calculator.next();
    computeSheet(calculator.fields, shell.indice, calculator.sheet);
    return writeStatement(calculator.fields.header, calculator.sheet, shell.fontStyle());
}

}  // namespace ruvivavu::fgts
