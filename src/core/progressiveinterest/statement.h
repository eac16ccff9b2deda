// The FGTS progressive-interest statement jfgts.html: the header, the calculation grid up to the
// month chosen in "Cálcular até:", the total due at that month and how the columns are computed.
#pragma once

#include "core/common/grid.h"

#include <string>
#include <vector>

namespace ruvivavu::progressiveinterest {

// The last row the statement's table shows (its total comes from that row). Rows 0 and 1 are
// always shown; before each further row, the previous row's cells are compared with the end
// month, and the first row holding it (or row 1, when the end month is empty) ends the table.
// When no row holds it, every row is shown.
int lastStatementRow(const StringGrid& sheet, const std::string& endMonth);

// The total due of a row: "<month> = <currency> <h>".
std::string totalDue(const StringGrid& sheet, int row);

// The statement's bytes (Windows-1252, CR LF). fontStyle is the main window's
// "font-size:<size>.0pt;font-family:<family>".
std::string writeStatement(const std::vector<std::string>& header, const StringGrid& sheet, const std::string& endMonth,
                           const std::string& fontStyle);

}  // namespace ruvivavu::progressiveinterest
