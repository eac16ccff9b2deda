// The daily-savings statement teste.html (impx): header, notes on each plan's difference, the
// month-by-month sheet, the court-interest table and total, footer.
#pragma once

#include "core/common/grid.h"

#include <string>
#include <vector>

namespace ruvivavu::dailysavings {

class DailySavings;

// The notes on plan-table row t (chosen-plan row a) that follow its balance line: the official and
// the required index of the plan, each plus 0,5 % interest, their difference and the missing value
// (UTF-8 lines, without line ends).
std::vector<std::string> planNoteLines(const StringGrid& planTable, const StringGrid& balances,
                                       const StringGrid& differences, int t, int a);

// The statement's bytes (Windows-1252, CR LF, a few lone CR as users' earlier statements have
// them) for the calculation as it stands after "Finalizar"'s steps 2 to 4. A court-interest
// total without a digit counts as "0".
std::string writeStatement(const DailySavings& calculation);

}  // namespace ruvivavu::dailysavings
