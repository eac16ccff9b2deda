// Court interest, monthly (optionally quarterly) interest and the amortisation months.
#include "core/dailysavings/interest.h"

#include "core/common/text.h"

namespace ruvivavu::dailysavings {

std::string courtInterestPercent(const std::string& rate, const std::string& start, const std::string& end,
                                 bool proRata) {
    const Intervalo span = EntreDatas(StrToDate(end), StrToDate(start));
    const Number monthly = RemovePonto(rate);
    const Number months = 12 * span.anos + span.meses;
    Number extra = 0;
    if (proRata) extra = checked(divide(monthly, 30) * span.dias);
    return FormatFloat(kRate4, checked(checked(months * monthly) + extra));
}

void computeCourtInterest(StringGrid& periods, bool proRata) {
    fillCourtInterest(periods, true, [&](int row) {
        return courtInterestPercent(periods.cell(2, row), periods.cell(0, row), periods.cell(1, row), proRata);
    });
}

void fillCourtInterest(StringGrid& periods, bool rateRequired, const std::function<std::string(int row)>& percentOf) {
    if (!checkinteiro(periods.cell(0, 1))) return;
    periods.setColCount(4);
    for (int row = 1; row < periods.rowCount(); ++row) {
        if (checkinteiro(periods.cell(0, row)) && checkinteiro(periods.cell(1, row)) &&
            (!rateRequired || checkinteiro(periods.cell(2, row)))) {
            periods.setCell(3, row, percentOf(row));
        } else {
            // A period without its dates (and rate) has no result, not the one of an earlier run.
            periods.setCell(3, row, "");
        }
    }
    int row = 1;
    while (row < periods.rowCount()) {
        if (!checkinteiro(periods.cell(0, row)) && !checkinteiro(periods.cell(1, row)))
            RemoveLinha(periods, row);
        else
            ++row;
    }
    periods.setRowCount(periods.rowCount() + 1);
    const int total = periods.rowCount() - 1;
    periods.clearRow(total);
    Number sum = 0;
    for (int r = 1; r <= periods.rowCount() - 2; ++r) {
        const std::string& text = periods.cell(3, r);
        if (checkinteiro(text)) sum = checked(sum + RemovePonto(text));
    }
    periods.setCell(2, total, "Total");
    periods.setCell(3, total, FormatFloat(kMoney, sum));
}

void settleCourtInterestTotal(StringGrid& periods) {
    if (!checkinteiro(periods.cell(2, 1))) return;
    const int total = periods.rowCount() - 1;
    if (!checkinteiro(periods.cell(3, total))) periods.setCell(3, total, "0");
}

MonthlyInterest::MonthlyInterest(const StringGrid& periods) {
    for (int row = 1; row < periods.rowCount(); ++row) {
        if (!checkinteiro(periods.cell(0, row)) || !checkinteiro(periods.cell(1, row)) ||
            !checkinteiro(periods.cell(2, row)))
            continue;
        periods_.push_back({StrToDate(periods.cell(0, row)), StrToDate(periods.cell(1, row)), periods.cell(2, row),
                            periods.cell(3, row) != "Não"});
    }
}

Number MonthlyInterest::rateFor(const Date& day) {
    Number result = 0;
    for (const Period& period : periods_) {
        if (period.start > day || day > period.end) continue;
        const Number rate = RemovePonto(period.rate);
        if (!period.quarterly) {
            result = rate;
        } else {
            quarterSum_ = checked(quarterSum_ + rate);
            if (quarterCount_ == 3) {
                result = quarterSum_;
                quarterSum_ = 0;
                quarterCount_ = 1;
            } else {
                ++quarterCount_;
                result = 0;
            }
        }
    }
    return result;
}

void layOutPaidBack(const StringGrid& chosenPlans, StringGrid& paidBack) {
    const Date first = StrToDate("01/" + chosenPlans.cell(1, 1));
    const Date end = StrToDate("01/" + chosenPlans.cell(1, chosenPlans.rowCount() - 1));
    for (int k = 1;; ++k) {
        const Date month = IncMonth(first, k);
        paidBack.setCell(0, k, FormatDate("mm/yyyy", month));
        paidBack.setRowCount(k + 1);
        if (!(end > month)) break;
    }
}

}  // namespace ruvivavu::dailysavings
