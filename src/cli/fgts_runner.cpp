// Runs an FGTS purge calculation file (.fg).
#include "cli/runners.h"

#include "core/fgts/headlessrun.h"
#include "core/shell/shell.h"

namespace ruvivavu::cli {

std::string runFgts(const Options& options) {
    shell::Shell shell;
    if (!options.dataFolder.empty()) shell.dataFolder = options.dataFolder;
    return fgts::runCalculationFile(shell, options.input);
}

}  // namespace ruvivavu::cli
