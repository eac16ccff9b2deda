// Monthly-interest periods read once from the grid, for the sheet's month-by-month lookups.
#pragma once

#include "core/common/dates.h"
#include "core/common/grid.h"
#include "core/common/numeric.h"

#include <string>
#include <vector>

namespace ruvivavu::savings {

struct MonthlyPeriod {
    Date start;
    Date end;
    std::string rate;
    bool quarterly = false;
};

// The data rows whose start, end and rate all hold a digit, in grid order.
std::vector<MonthlyPeriod> monthlyPeriods(const StringGrid& jmes);

// The monthly interest rate of the credit month beginning on `day`: a plain period sets it; a
// quarterly one adds its rate to the running sum and credits the sum every third month.
Number monthlyRate(const std::vector<MonthlyPeriod>& periods, const Date& day, Number& quarterSum, int& quarterCount);

}  // namespace ruvivavu::savings
