// The agreement calculator's state and the operations of its window.
#include "core/settlement/model.h"

#include "core/common/errors.h"
#include "core/common/numeric.h"
#include "core/common/text.h"
#include "core/settlement/statement.h"
#include "core/shell/shell.h"

#include <algorithm>

namespace ruvivavu::settlement {

Comparison compare(const Claim& claim, const Result& result) {
    Comparison comparison;
    if (!claim.present) {
        comparison.reason = "as contas não vieram de um cálculo da Poupança Diária";
    } else if (!checkinteiro(claim.total)) {
        comparison.reason = "o cálculo da Poupança Diária não chegou ao TOTAL (avance até a planilha)";
    } else if (claim.currency != "R$") {
        comparison.reason = "o TOTAL do cálculo está em " +
                            (claim.currency.empty() ? "moeda não indicada" : claim.currency) + ", não em R$";
    } else {
        comparison.computed = true;
        comparison.difference = FormatFloat(kMoney, checked(RemovePonto(claim.total) - RemovePonto(result.net)));
    }
    return comparison;
}

Settlement::Settlement(shell::Shell& shell)
    : accounts(kAccountColumns, 1, 0, 1), shell_(shell), settledInputs_([this] { return inputsText(); }) {
    accounts.setRow(0, accountHeadings());
    settledInputs_.settle();
}

std::string Settlement::inputsText() const {
    // The header's line count first, so that a header line cannot pass for an account cell.
    std::string text = regimeCode(regime) + '\n' + std::to_string(header.size()) + '\n';
    for (const std::string& line : header) text += line + '\n';
    for (int row = 1; row < accounts.rowCount(); ++row)
        for (const std::string& cell : accounts.row(row)) text += cell + '\n';
    return text;
}

void Settlement::addAccount(const std::string& plan) {
    const int row = accounts.rowCount();
    accounts.setRowCount(row + 1);
    accounts.clearRow(row);
    accounts.setCell(PlanColumn, row, plan);
    planChosen(row);
}

void Settlement::removeAccount(int row) {
    if (row < 1 || row >= accounts.rowCount()) return;
    RemoveLinha(accounts, row);
}

void Settlement::planChosen(int row) {
    const Plan plan = planNamed(accounts.cell(PlanColumn, row));
    // Only an empty month or another plan's saldo-base month is replaced: a month the user or the
    // daily-savings calculation gave stays, and the result says when it is not the plan's.
    const std::string& month = accounts.cell(MonthColumn, row);
    bool otherPlansMonth = false;
    for (Plan other : {Plan::Bresser, Plan::Verao, Plan::CollorII})
        otherPlansMonth = otherPlansMonth || (other != plan && month == ruleFor(other)->month);
    if (const PlanRule* rule = ruleFor(plan); rule && (month.empty() || otherPlansMonth))
        accounts.setCell(MonthColumn, row, rule->month);
    const std::vector<std::string> currencies = currencyChoices(plan);
    const std::string& currency = accounts.cell(CurrencyColumn, row);
    if (!currencies.empty() && std::find(currencies.begin(), currencies.end(), currency) == currencies.end())
        accounts.setCell(CurrencyColumn, row, currencies.front());
}

void Settlement::leaveAccounts() {
    for (int row = 1; row < accounts.rowCount(); ++row) {
        const std::string& balance = accounts.cell(BalanceColumn, row);
        if (!checkinteiro(balance)) continue;
        try {
            accounts.setCell(BalanceColumn, row, FormatFloat(kMoney, RemovePonto(balance)));
        } catch (const ConversionError&) {
        }
    }
}

void Settlement::reset() {
    accounts.clearRows();
    accounts.setRowCount(1);
    accounts.setRow(0, accountHeadings());
    regime = kDefaultRegime;
    claim = Claim{};
    settledInputs_.settle();
}

std::string Settlement::statementBytes() const {
    return writeStatement(*this);
}

void Settlement::finish() {
    shell_.publishStatement(kStatementFile, statementBytes());
    settledInputs_.settle();
}

}  // namespace ruvivavu::settlement
