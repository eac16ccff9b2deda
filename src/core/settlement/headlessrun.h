// The agreement for a saved daily-savings calculation, without the window, as the command-line
// tool runs it.
#pragma once

#include "core/settlement/sheet.h"

#include <string>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::settlement {

// The daily-savings calculation file run as that calculator's own run does (the data folder loaded
// as at program start, "Abrir", "Próximo" to the last page), its balances, header and TOTAL taken
// over as the window's "Preencher com a Poupança Diária" does, and the statement acordo.html of
// the regime. Answers the statement's bytes; nothing is written into the data folder.
std::string runAgreementFile(shell::Shell& shell, const std::string& path, Regime regime);

}  // namespace ruvivavu::settlement
