// "Calcular" of the monthly yield check tool.
#include "core/tools/yieldtool.h"

#include "core/common/fileio.h"
#include "core/common/tablefile.h"
#include "core/common/text.h"

namespace ruvivavu::tools {

void MonthlyYield::calculate() {
    std::string p = purgeBalance;
    const std::string& s = nextBalance;
    if (currencyChange && checkinteiro(divisor) && checkinteiro(p)) {
        const Number balance = RemovePonto(p);  // the balance is read before the divisor
        p = FormatFloat(kMoney, divide(balance, RemovePonto(divisor)));
    }
    if (checkinteiro(p) && checkinteiro(s)) {
        // (S - P) / P: the following month's balance is read first.
        const Number sv = RemovePonto(s);
        const Number pv = RemovePonto(p);
        yield = FormatFloat(kYield, checked(divide(checked(sv - pv), pv) * 100));
    }
    if (withoutSavingsInterest && checkinteiro(yield)) {
        const Number y = RemovePonto(yield);
        yield = FormatFloat(kYield, divide(checked((y - 0.5L) * 100), 100.5L));
    }
}

StringGrid makeComparisonGrid() {
    return StringGrid(3, 5, 0, 1);
}

void loadComparison(const shell::Shell& shell, StringGrid& grid) {
    const std::string path = shell.dataFile(kComparisonFile);
    if (fileExists(path)) LoadFromFile(path, grid);
}

}  // namespace ruvivavu::tools
