// The month-by-month sheet (planocollor) and the difference value of each chosen plan.
#include "core/dailysavings/sheet.h"

#include "core/common/dates.h"
#include "core/common/errors.h"
#include "core/common/indextable.h"
#include "core/common/text.h"
#include "core/dailysavings/interest.h"
#include "core/shell/plantables.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>

namespace ruvivavu::dailysavings {

namespace {

bool has(const std::string& text) {
    return checkinteiro(text);
}

std::string money(Number value) {
    return FormatFloat(kMoney, value);
}

// Grows the amount carried into row r by the row's yield (column 2) and divides it by the
// currency-change divisor; then adds the month's interest (column 6) into column 7.
void applyYield(StringGrid& sheet, int r, Number divisor) {
    if (has(sheet.cell(kWithInterest, r - 1))) {
        Number amount = RemovePonto(sheet.cell(kWithInterest, r - 1)) - RemovePonto(sheet.cell(kPaid, r));
        if (has(sheet.cell(kJoinValue, r))) amount = amount + RemovePonto(sheet.cell(kJoinValue, r));
        Number grown = RemovePonto(sheet.cell(kYield, r)) * amount;
        grown = divide(grown, 100);
        grown = grown + amount;
        sheet.setCell(kAmount, r, money(checked(divide(grown, divisor))));
    }
    if (has(sheet.cell(kInterest, r))) {
        const Number value = RemovePonto(sheet.cell(kAmount, r));
        Number interest = RemovePonto(sheet.cell(kInterest, r)) * value;
        interest = divide(interest, 100);
        sheet.setCell(kWithInterest, r, money(checked(value + interest)));
    }
}

// The currency-change divisor of a plan, found by its name; a plan no table row carries had no
// currency change.
Number planDivisor(const shell::PlanTable& planTable, const std::string& name) {
    const int t = planTable.lastRowNamed(name);
    if (t >= 0 && has(planTable.grid.cell(shell::PlanTable::Divisor, t)))
        return RemovePonto(planTable.grid.cell(shell::PlanTable::Divisor, t));
    return 1;
}

}  // namespace

void buildSheet(const SheetInputs& in, StringGrid& sheet) {
    const StringGrid& indice = in.indice;
    const StringGrid& paidBack = in.paidBack;
    const StringGrid& plans = in.chosenPlans;
    const StringGrid& balances = in.balances;
    const StringGrid& differences = in.differences;

    // The first amortisation row of each month that holds an amount.
    std::unordered_map<std::string, int> paidRow;
    for (int row = paidBack.rowCount() - 1; row >= 1; --row) {
        if (has(paidBack.cell(2, row))) paidRow[paidBack.cell(0, row)] = row;
    }
    auto takePaid = [&](const std::string& month, int r) {
        auto it = paidRow.find(month);
        if (it == paidRow.end()) return;
        sheet.setCell(kPaidText, r, paidBack.cell(1, it->second));
        sheet.setCell(kPaid, r, money(RemovePonto(paidBack.cell(2, it->second))));
    };
    auto addRow = [&] {
        sheet.setRowCount(sheet.rowCount() + 1);
        sheet.clearRow(sheet.rowCount() - 1);
    };

    // Every build starts its own quarters: a figure never depends on an earlier build.
    std::optional<MonthlyInterest> monthly;

    const int plansCount = plans.rowCount() - 2;
    Number divisor = 1;  // the currency-change divisor left by the last walked row
    for (int p = 1; p <= plansCount; ++p) {
        // The anniversary day picks the index-table column of every rate of this plan.
        const int day = std::clamp(StrToInt(balances.cell(3, p)), 1, 28);
        const int s = sheet.rowCount() - 1;

        // Credit months P+1 .. next plan's month (or the end month).
        const Date start = StrToDate("01/" + plans.cell(1, p));
        const Date next = StrToDate("01/" + plans.cell(1, p + 1));
        for (int k = 1;; ++k) {
            const Date month = IncMonth(start, k);
            const int row = s + k - 1;
            if (!in.withMonthlyInterest)
                sheet.setCell(kInterest, row, "0");
            else if (sheet.rowCount() > 2) {
                // The periods are read at the first month that asks for them.
                if (!monthly) monthly.emplace(in.monthlyInterest);
                sheet.setCell(kInterest, row, money(monthly->rateFor(month)));
            }
            sheet.setCell(kCreditMonth, row, FormatDate("mm/yyyy", month));
            addRow();
            if (!(next > month)) break;
        }

        const Number value = RemovePonto(differences.cell(4, p));
        sheet.setCell(kAmount, s, money(value));
        sheet.setCell(kWithInterest, s, money(value));

        if (p > 1) {
            // The plan joins an amount already being carried.
            if (!has(sheet.cell(kPaid, s))) sheet.setCell(kPaid, s, "0");
            applyYield(sheet, s, divisor);
            // Row s already holds what was paid in the month before its credit month. Taking
            // here what was paid in its own credit month as well would subtract that payment
            // twice whenever the month before had none: once in row s (a month early, before
            // the currency change) and again in row s+1, where every payment belongs.
            if (!has(sheet.cell(kPaid, s))) sheet.setCell(kPaid, s, "0");

            const std::string& name = balances.cell(0, p);
            // The divisor of the joining plan itself, found by its name: the plan's position among
            // the chosen plans says nothing about its row in the plan table.
            const Number joiningDivisor = in.joiningDivisors ? planDivisor(*in.joiningDivisors, name) : 1;
            sheet.setCell(kJoinBalance, s + 1, money(RemovePonto(balances.cell(4, p))));
            sheet.setCell(kJoinPercent, s + 1, differences.cell(2, p));
            sheet.setCell(kJoinValue, s + 1, differences.cell(4, p));
            const Number carried = RemovePonto(sheet.cell(kWithInterest, s - 1)) - RemovePonto(sheet.cell(kPaid, s));
            sheet.setCell(kCarried, s + 1, money(divide(carried, joiningDivisor)));
            sheet.setCell(
                kCarriedPlusJoin, s + 1,
                money(checked(RemovePonto(sheet.cell(kJoinValue, s + 1)) + RemovePonto(sheet.cell(kCarried, s + 1)))));
            sheet.setCell(kJoinName, s + 1, name);
        }

        // The walk reads the yields from the base month on; without that month in the table it
        // would read the yields of unrelated months.
        const std::string& baseMonth = differences.cell(3, p);
        int g = findMonthRow(indice, baseMonth);
        if (g < 0) throw UserMessage("A data " + baseMonth + " não existe na tabela, atualize o índice");
        const int last = sheet.rowCount() - 1;
        for (int r = s; r <= last; ++r) {
            if (p == 1 && r == 1) continue;
            const int t = p == 1 ? g : g - 1;
            sheet.setCell(kPeriodCurrency, r, indice.cell(kCurrencyColumn, t));
            sheet.setCell(kPeriod, r, indice.cell(0, t));
            sheet.setCell(kYield, r, indice.cell(day, t));
            std::string rate;
            if (in.yieldOverrides && in.yieldOverrides->overrideFor(sheet.cell(kPeriod, r), rate))
                sheet.setCell(kYield, r, rate);
            divisor = has(indice.cell(kDivisorColumn, t)) ? RemovePonto(indice.cell(kDivisorColumn, t)) : 1;
            if (p == 1) {
                sheet.setCell(kCreditCurrency, r - 1, indice.cell(kCurrencyColumn, t));
                sheet.setCell(kCreditCurrency, r, indice.cell(kCurrencyColumn, t));
            } else {
                sheet.setCell(kCreditCurrency, r, indice.cell(kCurrencyColumn, g));
            }
            takePaid(sheet.cell(kCreditMonth, r - 1), r);
            if (!has(sheet.cell(kPaid, r))) sheet.setCell(kPaid, r, "0");
            if (p > 1) {
                if (!has(sheet.cell(kYield, r))) break;
                if (!has(sheet.cell(kWithInterest, r - 1))) sheet.setCell(kWithInterest, r - 1, "0");
            }
            applyYield(sheet, r, divisor);
            if (p > 1 && has(sheet.cell(kCarriedPlusJoin, r))) {
                if (!has(sheet.cell(kInterest, r))) sheet.setCell(kInterest, r, "0");
                applyYield(sheet, r, divisor);
            }
            ++g;
        }
    }
}

void computeDifferences(const shell::PlanTable& planTable, const StringGrid& balances, StringGrid& differences) {
    for (int row = 1; row < balances.rowCount(); ++row) {
        const Number divisor = planDivisor(planTable, differences.cell(0, row));
        const Number balance = RemovePonto(balances.cell(4, row));
        const Number percent = RemovePonto(differences.cell(2, row));
        Number value = checked(balance * percent);
        value = divide(value, 100);
        value = divide(value, divisor);
        differences.setCell(4, row, FormatFloat(kMoney, value));
    }
}

}  // namespace ruvivavu::dailysavings
