// Interest of the daily-savings calculator: court interest over periods, the monthly interest of
// the sheet's credit months (optionally credited quarterly) and the months amounts paid back are
// laid out on.
#pragma once

#include "core/common/dates.h"
#include "core/common/grid.h"
#include "core/common/numeric.h"

#include <functional>
#include <string>
#include <vector>

namespace ruvivavu::dailysavings {

// The court-interest percentage of a period (juros) at a monthly rate, as "#,##0.0000": whole
// months × rate, plus rate / 30 × the remaining days when pró-rata.
std::string courtInterestPercent(const std::string& rate, const std::string& start, const std::string& end,
                                 bool proRata);

// The court-interest grid's result column: each period's percentage, rows without dates removed,
// the "Total" row rebuilt. Nothing happens while the first period has no start date.
void computeCourtInterest(StringGrid& periods, bool proRata);

// The same walk with the percentage of a period given by `percentOf(row)`, for the calculators
// that reckon court interest their own way. A period is computed when it has both dates and,
// where `rateRequired`, a rate; otherwise its result is emptied.
void fillCourtInterest(StringGrid& periods, bool rateRequired, const std::function<std::string(int row)>& percentOf);

// After a statement is written: the statement reckons a court-interest total without a digit as 0,
// and so does the grid from then on (only when court interest was entered).
void settleCourtInterestTotal(StringGrid& periods);

// The credit months of the amounts paid back (amortizarx): rows 1.. of `paidBack` get the months
// P+1 .. end month of the chosen plans (first plan's month P, end month last); columns 1 and 2
// are not touched.
void layOutPaidBack(const StringGrid& chosenPlans, StringGrid& paidBack);

// The monthly interest of the sheet's credit months (devolvejuro), read from the monthly-interest
// grid once. A plain period sets the month's rate; a quarterly one adds its rate to a running sum
// and credits the sum every third month.
class MonthlyInterest {
public:
    // The data rows whose start, end and rate all hold a digit, in grid order.
    explicit MonthlyInterest(const StringGrid& periods);
    // The rate of the credit month beginning on `day`; advances the quarterly state.
    Number rateFor(const Date& day);

private:
    struct Period {
        Date start;
        Date end;
        std::string rate;
        bool quarterly = false;
    };
    std::vector<Period> periods_;
    Number quarterSum_ = 0;
    int quarterCount_ = 1;
};

}  // namespace ruvivavu::dailysavings
