// The configured-savings computation: the figures of a purge month derived from the one the user
// typed, the statement of account, the update table carried period by period to the update month,
// and the simple interest of the statement. Every value is stored as "#,##0.00" text and read back
// from that text by the next step, so the figures are rounded where the calculation stores them.
#pragma once

#include "core/common/dates.h"
#include "core/common/grid.h"
#include "core/configuredsavings/model.h"

#include <string>

namespace ruvivavu::configuredsavings {

// Columns of the update table.
enum TableColumn {
    kLabelColumn = 0,     // "JAN/89"; emptied for rows that leave the table
    kRateColumn = 1,      // yield of the period as a fraction
    kAmountColumn = 2,    // rate times the base
    kCreditedRate = 3,    // purge rows: the rate the banks credited
    kCreditedAmount = 4,  // purge rows: that rate times the balance before the purge
    kDifference = 5,      // purge rows: amount minus amount credited
    kBalanceColumn = 6,   // running balance of the differences
    kCurrencyColumn = 7,  // printed before the final balance
    kTableColumns = 8,
};

// Derives the other figures of a month from the field the user left (field values read with
// `variant`'s reading; P and Q from `month`).
void deriveMonth(const Variant& variant, const PurgeMonth& month, MonthField left, MonthFields& figures);

// Row 0 and column 0 of the statement of account (st2): one column per purge month.
void writeAccountHeadings(const Variant& variant, StringGrid& account);
// Rows 1 to 4: balance before, interest, correction and balance after of each month, formatted.
void fillAccount(const Variant& variant, const Fields& fields, StringGrid& account);

// The update table's label for a month: "mmm/yy" in upper case with the Portuguese abbreviations
// ("JAN" ... "DEZ"), whatever the machine's locale.
std::string monthLabel(const Date& date);

// Computes the freshly loaded table in place: purge rows from the balances before the purge (row 1
// of `account`), ordinary rows carrying the running balance, the currency reforms at "JAN/89",
// "JUL/93" and "JUN/94", the rows left out removed and the rows after the update month cut.
void computeUpdateTable(const Variant& variant, const Fields& fields, const StringGrid& account, StringGrid& table);

// Whole months of simple interest from `start` to `end` (0 unless end is after start).
int interestMonths(const Date& start, const Date& end);

// The interest of one period on the base value (jur): adds it to `total` and answers the statement's
// explanation, which is written only from two months on. A missing date or rate adds nothing.
std::string periodInterest(const std::string& start, const std::string& end, const std::string& base,
                           const std::string& label, const std::string& rate, Number& total);

}  // namespace ruvivavu::configuredsavings
