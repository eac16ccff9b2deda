// The daily-savings statement teste.html (impx): header, notes on each plan's difference, the
// month-by-month sheet, the court-interest table and total, footer.
#pragma once

#include <string>

namespace ruvivavu::dailysavings {

class DailySavings;

// The statement's bytes (Windows-1252, CR LF, a few lone CR as users' earlier statements have
// them) for the calculation as it stands after "Finalizar"'s steps 2 to 4. A court-interest
// total without a digit counts as "0".
std::string writeStatement(const DailySavings& calculation);

}  // namespace ruvivavu::dailysavings
