// A saved FGTS purge calculation run without the window, as the command-line tool runs it.
#pragma once

#include <string>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::fgts {

// font.ini and fgts.tab from the shell's data folder, the file read as "Abrir" reads it,
// "Próximo" to the last page (a failed page check raises its message) and the computation of
// "Finalizar". Answers the statement's bytes; nothing is written into the data folder.
std::string runCalculationFile(shell::Shell& shell, const std::string& path);

}  // namespace ruvivavu::fgts
