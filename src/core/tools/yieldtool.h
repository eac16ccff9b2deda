// The monthly yield check tool (TForm6) without its window: the texts of its edit boxes, its two
// options, "Calcular" and the comparison table of the official indexers.
#pragma once

#include "core/common/grid.h"
#include "core/shell/shell.h"

#include <string>

namespace ruvivavu::tools {

inline constexpr const char* kComparisonFile = "exp.ini";

// The texts of the tool's edit boxes and its two options.
struct MonthlyYield {
    std::string purgeBalance;             // Edit1, balance in the purge month
    std::string nextBalance;              // Edit2, balance in the following month
    std::string divisor = "1.000";        // Edit4, currency-change divisor
    std::string yield;                    // Edit3, the result
    bool withoutSavingsInterest = false;  // CheckBox1
    bool currencyChange = false;          // CheckBox2

    // "Calcular": the month's yield in percent of the purge-month balance, after an optional
    // currency change (the converted balance cut to two decimals) and an optional removal of the
    // savings' 0.5 % monthly interest, which reads whatever yield shows at that point. Each step
    // that ran keeps its result when a later one fails; a zero balance raises ArithmeticError.
    void calculate();
};

// The comparison grid of the second tab: 3 columns, one heading row, no fixed column.
StringGrid makeComparisonGrid();

// Each time the window is shown: exp.ini (when the data folder holds it) is read over the grid.
void loadComparison(const shell::Shell& shell, StringGrid& grid);

}  // namespace ruvivavu::tools
