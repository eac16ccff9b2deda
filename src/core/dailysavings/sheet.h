// The month-by-month sheet (planocollor) and the difference value of each plan: every chosen
// plan's missing amount carried forward with the savings yield of the account's anniversary day,
// the currency changes, the amounts already paid back and the optional monthly interest, up to
// the end month.
#pragma once

#include "core/common/grid.h"

namespace ruvivavu::shell {
class PlanTable;
class IndexApplicationTable;
}  // namespace ruvivavu::shell

namespace ruvivavu::dailysavings {

// The sheet's 16 columns; row 0 holds the headings of columns 0 to 7, the others are working
// columns the statement reads.
enum SheetColumn {
    kPeriodCurrency = 0,    // "Moeda do inicio do período de rendimento"
    kPeriod = 1,            // "Período de Rendimento"
    kYield = 2,             // "Rendimento (%)"
    kCreditCurrency = 3,    // "Moeda do inicio do mês de crédito em conta"
    kCreditMonth = 4,       // "Mês do crédito em conta"
    kAmount = 5,            // "Valor corrigido a partir da base de cálculo"
    kInterest = 6,          // "Juros": the monthly interest rate, or "0"
    kWithInterest = 7,      // "Valor + Juros"
    kPaidText = 8,          // description of an amount paid back
    kJoinPercent = 9,       // difference % of a plan joining
    kJoinBalance = 10,      // its balance
    kPaid = 11,             // amount paid back, or "0"
    kJoinValue = 12,        // difference value of a plan joining
    kCarried = 13,          // the carried amount over the joining plan's divisor
    kCarriedPlusJoin = 14,  // kCarried + kJoinValue
    kJoinName = 15          // the joining plan's name
};
inline constexpr int kSheetColumns = 16;

// What the sheet is built from: the wizard's grids and tables.
struct SheetInputs {
    const StringGrid& chosenPlans;      // plan months and the end month ("Atualizar até") last
    const StringGrid& balances;         // anniversary day and balance of each plan
    const StringGrid& differences;      // difference %, base month and value of each plan
    const StringGrid& monthlyInterest;  // monthly-interest periods
    const StringGrid& paidBack;         // amounts already paid back, by credit month
    bool withMonthlyInterest;
    const StringGrid& indice;  // the yield table
    // The plan table whose "Mudança de Moeda" divides the amount a plan joins; null when a joining
    // plan never changes currency (the court-debt tables are in one currency per month already).
    const shell::PlanTable* joiningDivisors;
    // Months whose yield the user replaces by a rate of their own; null when the calculator
    // applies none.
    const shell::IndexApplicationTable* yieldOverrides;
};

// Builds the sheet into `sheet`, which must hold its heading row and one empty row. Every build
// starts the quarterly interest again. UserMessage "A data <base month> não existe na tabela,
// atualize o índice" when a plan's base month is not in indice; the rows written before stay.
void buildSheet(const SheetInputs& inputs, StringGrid& sheet);

// The difference value of each plan into column 4 of `differences`: balance × difference % / 100
// over the plan's currency-change divisor (found by the plan's name; 1 when it has none).
void computeDifferences(const shell::PlanTable& planTable, const StringGrid& balances, StringGrid& differences);

}  // namespace ruvivavu::dailysavings
