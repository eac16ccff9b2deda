// The São Paulo court-debt statement teste.html (impx of `TForm5`): header, notes on each plan's
// difference, the sheet, the court-interest table and total, footer.
#pragma once

#include <string>

namespace ruvivavu::saopaulo {

class SaoPauloCourtDebt;

// The statement's bytes (Windows-1252, CR LF). A court-interest total without a digit counts as "0".
std::string writeStatement(const SaoPauloCourtDebt& calculation);

}  // namespace ruvivavu::saopaulo
