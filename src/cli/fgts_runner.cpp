// Runs an FGTS purge calculation file (.fg) as the window would: open, "Próximo" to the last page,
// "Finalizar"; the statement is answered instead of being written into the data folder.
#include "cli/runners.h"

#include "core/fgts/acoes.h"
#include "core/shell/shell.h"

namespace ruvivavu::cli {

std::string runFgts(const Options& options) {
    shell::Shell shell;
    if (!options.dataFolder.empty()) shell.dataFolder = options.dataFolder;
    shell.loadFontIni();
    return fgts::calcularArquivo(shell, options.input);
}

}  // namespace ruvivavu::cli
