// The FGTS progressive-interest computation (recalc): for every month with a value, what the
// account was credited against what the table's multiplier makes due, and the difference carried
// forward with correction and across the currency changes of 1986 to 1994.
#pragma once

#include "core/common/grid.h"
#include "core/common/numeric.h"

#include <string_view>

namespace ruvivavu::progressiveinterest {

// Both grids always have 194 rows: the headings and 193 months.
inline constexpr int kRows = 194;

// Columns of the calculation grid (sfgts), with the letters the statement explains them by.
// Cells the computation does not write keep the table's text, so the table seeds g (and h) where
// an accumulation starts.
enum Column : int {
    kMonth = 0,         // "mar/86", "mai/90", ... (table)
    kCredited = 1,      // a: the value typed for the month
    kDivisor = 2,       // b (table)
    kBase = 3,          // c = a / b
    kFirstRate = 4,     // d: the rightmost of columns 4, 5, 6 holding a number (table)
    kLastRate = 6,      //
    kDue = 7,           // e = c x d
    kDifference = 8,    // f = e - a
    kCorrection = 9,    // g = previous h x d, or an IPC reflection
    kAccumulated = 10,  // h = f + (previous h + g), after the month's currency conversion
    kCurrency = 11,     // currency label of the month (table)
    kSheetColumns = 12
};

// The divisor of the currency change made in the month (mar/86, mar/89 and ago/93: 1000; jul/94:
// 2750), applied to the amount carried into it; 1 for any other month.
Number currencyDivisor(std::string_view month);

// Recomputes every month row of the calculation grid from the values typed (column 1 of `values`,
// rows 1 to its last row), in month order. A month without a value is skipped: its typed text is
// copied and nothing else of the row changes. With `ipcReflections`, g of mar/89 and mai/90 is
// the previous h times 1,208083 and 0,455047. Each result is stored as "#,##0.00" text and read
// back from it. A text that does not convert (ConversionError) or a zero divisor (ArithmeticError)
// stops the computation there; the rows already computed keep their new cells.
void recalc(const StringGrid& values, StringGrid& sheet, bool ipcReflections);

}  // namespace ruvivavu::progressiveinterest
