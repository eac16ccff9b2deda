// Reads of the shared index grid `indice` (main window), as the calculators make them.
//
// Index table layout (zurivodo13.tab, tjsp.tab, tjmg.tab): column 0 the month "mm/yyyy" in
// ascending order; columns 1 to 28 the rate in percent for the anniversary day of that number;
// column 32 the currency in force; column 33 the currency-change divisor of that month (empty
// when there was none). Factor table (t0001.tab): 0 month, 1 cumulative factor, 2 currency.
//
// Every lookup scans rows 1 to RowCount-1: the first line of a table file is a heading that is
// never matched. Months are compared as exact texts.
#pragma once

#include "core/common/grid.h"

#include <string>
#include <string_view>

namespace ruvivavu {

inline constexpr int kCurrencyColumn = 32;
inline constexpr int kDivisorColumn = 33;

// Row of the last row whose column 0 equals the month; 1 when none does.
int monthRow(const StringGrid& indice, std::string_view month);

// Row of the last row whose column 0 equals the month; -1 when none does.
int findMonthRow(const StringGrid& indice, std::string_view month);

// One forward pass over the table with a cursor on the balances (rows 1.. of `balances`): each
// time column 0 equals the month of the balance under the cursor (column `monthColumn`), that
// balance takes column 32 into `currencyColumn` and the cursor moves on. A balance whose month
// is not found keeps an empty currency (and holds the cursor, as the balances are in ascending
// month order).
void fillCurrencies(const StringGrid& indice, StringGrid& balances, int monthColumn, int currencyColumn);

// Column 1 of the last row whose month matches; empty text when none does.
std::string factorOf(const StringGrid& indice, std::string_view month);

// The currency of a date or month (devolvemoeda): "dd/mm/yyyy" is looked up by its "mm/yyyy", a
// text of 7 characters or fewer as it is. Answers the currency column of the last matching row
// followed by one blank, or the empty text when no row matches. The factor table keeps the
// currency in column 2, the FGTS JAM table in column 8.
std::string currencyOf(const StringGrid& indice, std::string_view date, int currencyColumn = 2);

// Column 0 of the last row: the latest month of the table (empty for an emptied `indice`).
std::string latestMonth(const StringGrid& indice);

// "Tabela atualizada até: " + the latest month.
std::string tableLabel(const StringGrid& indice);

// The plan-month check made on leaving the first page: for every data row of `plans` with a digit
// in column 1 (the "Atualizar até" row included), the date "01/" + month must not be later than
// "01/" + the latest month. Raises UserMessage("A data " + month + " não existe na tabela,
// atualize o índice") at the first month that is (the first month of all when the table is
// empty); ConversionError for a month that is no date.
void checkPlanMonths(const StringGrid& indice, const StringGrid& plans);

}  // namespace ruvivavu
