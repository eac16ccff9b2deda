// The month-by-month sheet (planocollor): every chosen plan's missing amount carried forward with
// the savings yield of the account's anniversary day, the currency changes, the amounts already
// paid back and the optional monthly interest, up to the end month.
#include "core/savings/dailysavings.h"

#include "core/common/dates.h"
#include "core/common/errors.h"
#include "core/common/text.h"
#include "core/savings/indextable.h"
#include "core/savings/monthlyinterest.h"
#include "core/savings/plantables.h"
#include "core/shell/shell.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>

namespace ruvivavu::savings {

namespace {

enum SheetColumn {
    kPeriodCurrency = 0, kPeriod = 1, kYield = 2, kCreditCurrency = 3, kCreditMonth = 4, kAmount = 5,
    kInterest = 6, kWithInterest = 7, kPaidText = 8, kJoinPercent = 9, kJoinBalance = 10, kPaid = 11,
    kJoinValue = 12, kCarried = 13, kCarriedPlusJoin = 14, kJoinName = 15
};

bool has(const std::string& text) { return checkinteiro(text); }

std::string money(Number value) { return FormatFloat(kMoney, value); }

}  // namespace

// Grows the amount carried into row r by the row's yield (column 2) and divides it by the
// currency-change divisor; then adds the month's interest (column 6) into column 7.
void DailySavings::applyYield(int r, Number divisor) {
    StringGrid& sheet = planilha;
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

void DailySavings::buildSheet() {
    // Every build starts its own quarters: a figure never depends on an earlier build.
    quarterSum = 0;
    quarterCount = 1;
    sheetFinalized_ = false;

    const StringGrid& indice = shell_.indice;
    StringGrid& sheet = planilha;
    const StringGrid& table = planTable_.grid;

    // The first amortisation row of each month that holds an amount.
    std::unordered_map<std::string, int> paidRow;
    for (int row = amortizacao.rowCount() - 1; row >= 1; --row) {
        if (has(amortizacao.cell(2, row))) paidRow[amortizacao.cell(0, row)] = row;
    }
    auto takePaid = [&](const std::string& month, int r) {
        auto it = paidRow.find(month);
        if (it == paidRow.end()) return;
        sheet.setCell(kPaidText, r, amortizacao.cell(1, it->second));
        sheet.setCell(kPaid, r, money(RemovePonto(amortizacao.cell(2, it->second))));
    };
    auto addRow = [&] {
        sheet.setRowCount(sheet.rowCount() + 1);
        sheet.clearRow(sheet.rowCount() - 1);
    };

    std::optional<std::vector<MonthlyPeriod>> periods;

    const int plansCount = SPlanos.rowCount() - 2;
    Number divisor = 1;  // the currency-change divisor left by the last walked row
    for (int p = 1; p <= plansCount; ++p) {
        // The anniversary day picks the index-table column of every rate of this plan.
        const int day = std::clamp(StrToInt(SSaldo.cell(3, p)), 1, 28);
        const int s = sheet.rowCount() - 1;

        // Credit months P+1 .. next plan's month (or the end month).
        const Date start = StrToDate("01/" + SPlanos.cell(1, p));
        const Date next = StrToDate("01/" + SPlanos.cell(1, p + 1));
        for (int k = 1;; ++k) {
            const Date month = IncMonth(start, k);
            const int row = s + k - 1;
            if (!rcomjuros)
                sheet.setCell(kInterest, row, "0");
            else if (sheet.rowCount() > 2) {
                // The periods are read at the first month that asks for them.
                if (!periods) periods = monthlyPeriods(Jmes);
                sheet.setCell(kInterest, row, money(monthlyRate(*periods, month, quarterSum, quarterCount)));
            }
            sheet.setCell(kCreditMonth, row, FormatDate("mm/yyyy", month));
            addRow();
            if (!(next > month)) break;
        }

        const Number value = RemovePonto(SBase.cell(4, p));
        sheet.setCell(kAmount, s, money(value));
        sheet.setCell(kWithInterest, s, money(value));

        if (p > 1) {
            // The plan joins an amount already being carried.
            if (!has(sheet.cell(kPaid, s))) sheet.setCell(kPaid, s, "0");
            applyYield(s, divisor);
            // Row s already holds what was paid in the month before its credit month. Taking
            // here what was paid in its own credit month as well would subtract that payment
            // twice whenever the month before had none: once in row s (a month early, before
            // the currency change) and again in row s+1, where every payment belongs.
            if (!has(sheet.cell(kPaid, s))) sheet.setCell(kPaid, s, "0");

            const std::string& name = SSaldo.cell(0, p);
            // The divisor of the joining plan itself, found by its name: the plan's position among
            // the chosen plans says nothing about its row in the plan table.
            Number planDivisor = 1;
            const int t = planTable_.lastRowNamed(name);
            if (t >= 0 && has(table.cell(PlanTable::Divisor, t)))
                planDivisor = RemovePonto(table.cell(PlanTable::Divisor, t));
            sheet.setCell(kJoinBalance, s + 1, money(RemovePonto(SSaldo.cell(4, p))));
            sheet.setCell(kJoinPercent, s + 1, SBase.cell(2, p));
            sheet.setCell(kJoinValue, s + 1, SBase.cell(4, p));
            const Number carried =
                RemovePonto(sheet.cell(kWithInterest, s - 1)) - RemovePonto(sheet.cell(kPaid, s));
            sheet.setCell(kCarried, s + 1, money(divide(carried, planDivisor)));
            sheet.setCell(kCarriedPlusJoin, s + 1,
                          money(checked(RemovePonto(sheet.cell(kJoinValue, s + 1)) +
                                        RemovePonto(sheet.cell(kCarried, s + 1)))));
            sheet.setCell(kJoinName, s + 1, name);
        }

        // The walk reads the yields from the base month on; without that month in the table it
        // would read the yields of unrelated months.
        const std::string& baseMonth = SBase.cell(3, p);
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
            if (indexTable_.overrideFor(sheet.cell(kPeriod, r), rate)) sheet.setCell(kYield, r, rate);
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
            applyYield(r, divisor);
            if (p > 1 && has(sheet.cell(kCarriedPlusJoin, r))) {
                if (!has(sheet.cell(kInterest, r))) sheet.setCell(kInterest, r, "0");
                applyYield(r, divisor);
            }
            ++g;
        }
    }
}

}  // namespace ruvivavu::savings
