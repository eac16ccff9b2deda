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

// The statement's closing figure: the sheet's final amount (column 5 of its last row) and, with
// court interest, that amount plus the court-interest total's percentage of it.
struct ClosingTotal {
    std::string final;  // as the sheet holds it; "0" when court interest applies to no digit
    bool withInterest = false;
    std::string rate;      // the court-interest total, "0" when it has no digit
    std::string total;     // the figure after "TOTAL = " ends with
    std::string currency;  // currency of the last yield period (sheet column 0 of the last row)
};
ClosingTotal closingTotal(const DailySavings& calculation);

// The statement's bytes (Windows-1252, CR LF, a few lone CR as users' earlier statements have
// them) for the calculation as it stands after "Finalizar"'s steps 2 to 4. A court-interest
// total without a digit counts as "0".
std::string writeStatement(const DailySavings& calculation);

}  // namespace ruvivavu::dailysavings
