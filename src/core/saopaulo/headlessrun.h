// A saved São Paulo court-debt calculation run without the window, as the command-line tool runs it.
#pragma once

#include <string>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::saopaulo {

// Start-up loading (plan table, header and footer, font.ini), the "estados" file opened as
// "Abrir" does (t0001.tab loaded), "Próximo" up to the last page, then "Finalizar" up to the
// statement. Answers the statement's bytes; nothing is written into the data folder.
std::string runCalculationFile(shell::Shell& shell, const std::string& path);

}  // namespace ruvivavu::saopaulo
