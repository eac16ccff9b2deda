// A saved FGTS progressive-interest calculation run without the window, as the command-line tool
// runs it.
#pragma once

#include <string>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::progressiveinterest {

// font.ini and fgtsjuros.tab from the shell's data folder, the file read as "Abrir" reads it, one
// recomputation (as the first keystroke would make) and the statement of "Finalizar". Answers the
// statement's bytes; nothing is written into the data folder. UserMessage for a file that is not
// a progressive-interest calculation.
std::string runCalculationFile(shell::Shell& shell, const std::string& path);

}  // namespace ruvivavu::progressiveinterest
