// The first three pages of the daily-savings wizard as grid operations, shared with the São Paulo
// court-debt calculator, whose window has the same plan list, chosen plans, balances and
// differences: the chosen plans rebuilt from the plan list, the balances laid out with their
// currencies, the defaults before the difference values, and the rules run on leaving each grid.
#pragma once

#include "core/common/grid.h"

#include <string>
#include <vector>

namespace ruvivavu::shell {
class PlanTable;
}

namespace ruvivavu::dailysavings {

// One item of the plan check list (CPlanos): item i stands for plan-table row i+1.
struct PlanItem {
    std::string text;
    bool checked = false;
};

// A click in the plan list: the chosen plans get the checked plans of the table (name, month,
// difference %), packed from row 1, and a last row `endLabel` | the latest month of `indice`;
// the differences get one row per plan with its month and the month after it.
void rebuildChosenPlans(const shell::PlanTable& planTable, const std::vector<PlanItem>& planList,
                        const StringGrid& indice, const std::string& endLabel, StringGrid& chosenPlans,
                        StringGrid& differences);

// "Dia base" 1 and balance "0,00" where they have no digit.
void defaultBalances(StringGrid& balances);

// Reaching the balance page: defaults, one row per chosen plan (name, month), the currency of
// each month from `indice` column 32, then, when `planCurrencies` is given, the plan table's
// "Moeda" of each plan over it.
void layOutBalances(const StringGrid& chosenPlans, const StringGrid& indice, const shell::PlanTable* planCurrencies,
                    StringGrid& balances);

// Reaching the difference page, before the values are computed: balances and difference
// percentages without a digit become defaults.
void prepareDifferences(StringGrid& balances, StringGrid& differences);

// Leaving the grids.
void repairPlanMonths(StringGrid& chosenPlans);        // months repaired, cells without a digit emptied
void repairBalances(StringGrid& balances);             // "Dia base" to 1..28, balance in money format
void repairDifferenceMonths(StringGrid& differences);  // months repaired
void repairPeriodDates(StringGrid& periods);           // dates of columns 0 and 1 repaired

}  // namespace ruvivavu::dailysavings
