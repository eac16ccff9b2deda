// The difference value of each chosen plan: the share of the balance the plan took from the
// account, expressed in the currency in which it is counted.
#include "core/savings/dailysavings.h"

#include "core/common/text.h"
#include "core/savings/plantables.h"

namespace ruvivavu::savings {

void DailySavings::computeDifferences() {
    const StringGrid& table = planTable_.grid;
    for (int row = 1; row < SSaldo.rowCount(); ++row) {
        // The currency-change divisor of the plan, found by name; a plan no table row carries
        // had no currency change.
        Number divisor = 1;
        const int t = planTable_.lastRowNamed(SBase.cell(0, row));
        if (t >= 0 && checkinteiro(table.cell(PlanTable::Divisor, t)))
            divisor = RemovePonto(table.cell(PlanTable::Divisor, t));
        const Number balance = RemovePonto(SSaldo.cell(4, row));
        const Number percent = RemovePonto(SBase.cell(2, row));
        Number value = checked(balance * percent);
        value = divide(value, 100);
        value = divide(value, divisor);
        SBase.setCell(4, row, FormatFloat(kMoney, value));
    }
}

}  // namespace ruvivavu::savings
