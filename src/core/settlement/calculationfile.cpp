// Accounts and claim taken from a daily-savings calculation.
#include "core/settlement/calculationfile.h"

#include "core/common/errors.h"
#include "core/dailysavings/model.h"
#include "core/dailysavings/statement.h"
#include "core/settlement/model.h"

namespace ruvivavu::settlement {

inline constexpr const char* kNoBalances =
    "O cálculo da Poupança Diária não tem saldos: escolha os planos e digite os saldos nele primeiro.";

void takeDailySavings(const dailysavings::DailySavings& calculation, Settlement& settlement) {
    const StringGrid& balances = calculation.balances;
    std::vector<std::vector<std::string>> rows;
    for (int row = 1; row < balances.rowCount(); ++row) {
        if (balances.cell(0, row).empty()) continue;
        // The balance grid: plan, month, currency, "Dia base", balance.
        rows.push_back({balances.cell(0, row), balances.cell(1, row), balances.cell(3, row), balances.cell(2, row),
                        balances.cell(4, row)});
    }
    if (rows.empty()) throw UserMessage(kNoBalances);

    settlement.accounts.clearRows();
    settlement.accounts.setRowCount(static_cast<int>(rows.size()) + 1);
    settlement.accounts.setRow(0, accountHeadings());
    for (size_t k = 0; k < rows.size(); ++k) settlement.accounts.setRow(static_cast<int>(k) + 1, rows[k]);
    settlement.header = calculation.header;

    Claim claim;
    claim.present = true;
    const StringGrid& plans = calculation.chosenPlans;
    claim.untilMonth = plans.cell(1, plans.rowCount() - 1);
    // The sheet is built on reaching its page; before that it holds no final amount.
    if (calculation.sheet.rowCount() > 2) {
        const dailysavings::ClosingTotal closing = dailysavings::closingTotal(calculation);
        claim.total = closing.total;
        claim.currency = closing.currency;
        claim.withInterest = closing.withInterest;
    }
    settlement.claim = claim;
    settlement.settleInputs();
}

}  // namespace ruvivavu::settlement
