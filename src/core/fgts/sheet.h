// The FGTS purge computation: each plan's difference corrected with the JAM coefficients up to
// the update date, moratory interest, totals, fees, costs and the closing rows of the sheet.
#pragma once

#include "core/common/dates.h"
#include "core/common/grid.h"
#include "core/common/numeric.h"
#include "core/fgts/model.h"

namespace ruvivavu::fgts {

inline constexpr int kSheetColumns = 7;

// The JAM coefficient for a date (devolvevalor): the first table month whose first day is on or
// after the date (so a date inside a month takes the following month), column 6 with 3 % and
// column 7 with 6 %. No such month, or neither rate chosen, gives 0.
Number jamCoefficient(const StringGrid& indice, const Date& date, bool jam3, bool jam6);

// The JAM table's currency column (for currencyOf).
inline constexpr int kJamCurrencyColumn = 8;

// Whole months from the start of the moratory interest to the update date (0 when the update
// date is not after it).
int monthsOfInterest(const Date& updateDate, const Date& interestStart);

// The headings of the sheet's row 0.
void writeHeadings(StringGrid& sheet);

// Fills the sheet (planilha) from the fields and the JAM table in `indice`. Every value a later
// step uses is read back from the text just written. Raises ConversionError / ArithmeticError (a
// base month missing from the table divides by zero), leaving the sheet as it was.
void computeSheet(const Fields& fields, const StringGrid& indice, StringGrid& sheet);

}  // namespace ruvivavu::fgts
