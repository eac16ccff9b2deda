// Plan list, balances and differences of the daily-savings wizard's first pages.
#include "core/dailysavings/pages.h"

#include "core/common/dates.h"
#include "core/common/indextable.h"
#include "core/common/text.h"
#include "core/shell/plantables.h"

#include <cmath>

namespace ruvivavu::dailysavings {

void rebuildChosenPlans(const shell::PlanTable& planTable, const std::vector<PlanItem>& planList,
                        const StringGrid& indice, const std::string& endLabel, StringGrid& chosenPlans,
                        StringGrid& differences) {
    const StringGrid& table = planTable.grid;
    chosenPlans.setRowCount(table.rowCount() + 1);
    chosenPlans.setColCount(3);
    for (int row = 1; row < chosenPlans.rowCount(); ++row) chosenPlans.clearRow(row);
    for (int a = 1; a < table.rowCount(); ++a) {
        if (a - 1 < static_cast<int>(planList.size()) && planList[static_cast<size_t>(a - 1)].checked) {
            chosenPlans.setCell(0, a, table.cell(shell::PlanTable::Name, a));
            chosenPlans.setCell(1, a, table.cell(shell::PlanTable::Month, a));
            chosenPlans.setCell(2, a, table.cell(shell::PlanTable::Percent, a));
        }
    }
    const int last = chosenPlans.rowCount() - 1;
    chosenPlans.setCell(0, last, endLabel);
    chosenPlans.setCell(1, last, latestMonth(indice));
    // Pack the chosen plans from row 1, keeping the end-month row last.
    int row = 1;
    while (row < chosenPlans.rowCount() - 1) {
        if (!checkinteiro(chosenPlans.cell(1, row)))
            RemoveLinha(chosenPlans, row);
        else
            ++row;
    }
    if (chosenPlans.rowCount() > 2) {
        differences.setRowCount(chosenPlans.rowCount() - 1);
        for (int r = 1; r < chosenPlans.rowCount() - 1; ++r) {
            const std::string& month = chosenPlans.cell(1, r);
            differences.setCell(0, r, chosenPlans.cell(0, r));
            differences.setCell(1, r, month);
            differences.setCell(2, r, chosenPlans.cell(2, r));
            differences.setCell(3, r, FormatDate("mm/yyyy", IncMonth(StrToDate("01/" + month), 1)));
        }
    }
    chosenPlans.setColCount(2);
}

void defaultBalances(StringGrid& balances) {
    for (int row = 1; row < balances.rowCount(); ++row) {
        if (!checkinteiro(balances.cell(3, row))) balances.setCell(3, row, "1");
        if (!checkinteiro(balances.cell(4, row))) balances.setCell(4, row, "0,00");
    }
}

void layOutBalances(const StringGrid& chosenPlans, const StringGrid& indice, const shell::PlanTable* planCurrencies,
                    StringGrid& balances) {
    defaultBalances(balances);
    if (chosenPlans.rowCount() > 2) {
        balances.setRowCount(chosenPlans.rowCount() - 1);
        for (int row = 1; row <= chosenPlans.rowCount() - 2; ++row) {
            balances.setCell(0, row, chosenPlans.cell(0, row));
            balances.setCell(1, row, chosenPlans.cell(1, row));
        }
    }
    fillCurrencies(indice, balances, 1, 2);
    if (!planCurrencies) return;
    for (int row = 1; row < balances.rowCount(); ++row) {
        const int t = planCurrencies->firstRowNamed(balances.cell(0, row));
        if (t >= 0) balances.setCell(2, row, planCurrencies->grid.cell(shell::PlanTable::Currency, t));
    }
}

void prepareDifferences(StringGrid& balances, StringGrid& differences) {
    defaultBalances(balances);
    for (int row = 1; row < balances.rowCount(); ++row) {
        if (!checkinteiro(balances.cell(4, row))) balances.setCell(4, row, "0");
        if (!checkinteiro(differences.cell(2, row))) differences.setCell(2, row, "0");
    }
}

void repairPlanMonths(StringGrid& chosenPlans) {
    for (int row = 1; row < chosenPlans.rowCount(); ++row) {
        const std::string& text = chosenPlans.cell(1, row);
        chosenPlans.setCell(1, row, checkinteiro(text) ? validadataMA(text) : std::string());
    }
}

void repairBalances(StringGrid& balances) {
    // A "Dia base" without a digit is left alone rather than read: the rows added on reaching
    // the balance page start blank, and reaching the difference page puts "1" into them.
    for (int row = 1; row < balances.rowCount(); ++row) {
        if (checkinteiro(balances.cell(3, row))) {
            if (std::trunc(RemovePonto(balances.cell(3, row))) > 28) balances.setCell(3, row, "28");
            const Number day = std::trunc(RemovePonto(balances.cell(3, row)));
            // An anniversary day below 1 has no column in the index table.
            if (day < 1)
                balances.setCell(3, row, "1");
            else if (day < 10)
                balances.setCell(3, row, std::to_string(static_cast<long long>(day)));
        }
        if (checkinteiro(balances.cell(4, row)))
            balances.setCell(4, row, FormatFloat(kMoney, RemovePontoTodos(balances.cell(4, row))));
    }
}

void repairDifferenceMonths(StringGrid& differences) {
    for (int row = 1; row < differences.rowCount(); ++row) {
        for (int col : {1, 3}) {
            const std::string& text = differences.cell(col, row);
            if (checkinteiro(text)) differences.setCell(col, row, validadataMA(text));
        }
    }
}

void repairPeriodDates(StringGrid& periods) {
    for (int row = 1; row < periods.rowCount(); ++row) {
        for (int col : {0, 1}) {
            const std::string& text = periods.cell(col, row);
            if (checkinteiro(text)) periods.setCell(col, row, validadata(text));
        }
    }
}

}  // namespace ruvivavu::dailysavings
