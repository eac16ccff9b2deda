// Reads of the shared index grid.
#include "core/common/indextable.h"

#include "core/common/dates.h"
#include "core/common/errors.h"
#include "core/common/text.h"

namespace ruvivavu {

int findMonthRow(const StringGrid& indice, std::string_view month) {
    int found = -1;
    for (int row = 1; row < indice.rowCount(); ++row) {
        if (indice.cell(0, row) == month) found = row;
    }
    return found;
}

int monthRow(const StringGrid& indice, std::string_view month) {
    const int found = findMonthRow(indice, month);
    return found < 0 ? 1 : found;
}

void fillCurrencies(const StringGrid& indice, StringGrid& balances, int monthColumn, int currencyColumn) {
    for (int row = 1; row < balances.rowCount(); ++row) balances.setCell(currencyColumn, row, "");
    int cursor = 1;
    for (int row = 1; row < indice.rowCount() && cursor < balances.rowCount(); ++row) {
        if (indice.cell(0, row) == balances.cell(monthColumn, cursor)) {
            balances.setCell(currencyColumn, cursor, indice.cell(kCurrencyColumn, row));
            ++cursor;
        }
    }
}

std::string factorOf(const StringGrid& indice, std::string_view month) {
    std::string factor;
    for (int row = 1; row < indice.rowCount(); ++row) {
        if (indice.cell(0, row) == month) factor = indice.cell(1, row);
    }
    return factor;
}

std::string currencyOf(const StringGrid& indice, std::string_view date, int currencyColumn) {
    std::string_view month = date.size() > 7 ? date.substr(3, 7) : date;
    std::string currency;
    bool found = false;
    for (int row = 1; row < indice.rowCount(); ++row) {
        if (indice.cell(0, row) == month) {
            currency = indice.cell(currencyColumn, row);
            found = true;
        }
    }
    return found ? currency + " " : std::string();
}

std::string latestMonth(const StringGrid& indice) {
    return indice.cell(0, indice.rowCount() - 1);
}

std::string tableLabel(const StringGrid& indice) {
    return "Tabela atualizada até: " + latestMonth(indice);
}

void checkPlanMonths(const StringGrid& indice, const StringGrid& plans) {
    // Without a table (nothing loaded) no month is in it.
    const std::string latest = latestMonth(indice);
    const bool empty = !checkinteiro(latest);
    for (int row = 1; row < plans.rowCount(); ++row) {
        const std::string& month = plans.cell(1, row);
        if (!checkinteiro(month)) continue;
        if (empty || StrToDate("01/" + month) > StrToDate("01/" + latest)) {
            throw UserMessage("A data " + month + " não existe na tabela, atualize o índice");
        }
    }
}

}  // namespace ruvivavu
