// A saved configured-savings calculation run without the window, as the command-line tool runs it.
#pragma once

#include <string>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::configuredsavings {

// font.ini from the shell's data folder, the file read as "Abrir" reads it, "Próximo" up to the
// final page (the update table computed there) and the statement of "Finalizar". Answers the
// statement's bytes; nothing is written into the data folder. The ".e20" calculator reads mes.tab,
// the ".ex20" one mes2.tab.
std::string runCalculationFile(shell::Shell& shell, const std::string& path);
std::string runCollorCalculationFile(shell::Shell& shell, const std::string& path);

}  // namespace ruvivavu::configuredsavings
