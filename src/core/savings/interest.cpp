// Court interest, monthly (optionally quarterly) interest and the amortisation months.
#include "core/savings/dailysavings.h"

#include "core/common/dates.h"
#include "core/common/text.h"
#include "core/savings/monthlyinterest.h"

namespace ruvivavu::savings {

std::string DailySavings::juros(const std::string& rate, const std::string& start, const std::string& end) const {
    const Intervalo span = EntreDatas(StrToDate(end), StrToDate(start));
    const Number monthly = RemovePonto(rate);
    const Number months = 12 * span.anos + span.meses;
    Number extra = 0;
    if (cprorata) extra = checked(divide(monthly, 30) * span.dias);
    return FormatFloat(kRate4, checked(checked(months * monthly) + extra));
}

void DailySavings::computeCourtInterest() {
    if (!checkinteiro(STJuros.cell(0, 1))) return;
    STJuros.setColCount(4);
    for (int row = 1; row < STJuros.rowCount(); ++row) {
        if (checkinteiro(STJuros.cell(0, row)) && checkinteiro(STJuros.cell(1, row)) &&
            checkinteiro(STJuros.cell(2, row))) {
            STJuros.setCell(3, row, juros(STJuros.cell(2, row), STJuros.cell(0, row), STJuros.cell(1, row)));
        } else {
            // A period without both dates and a rate has no result, not the one of an earlier run.
            STJuros.setCell(3, row, "");
        }
    }
    int row = 1;
    while (row < STJuros.rowCount()) {
        if (!checkinteiro(STJuros.cell(0, row)) && !checkinteiro(STJuros.cell(1, row)))
            RemoveLinha(STJuros, row);
        else
            ++row;
    }
    STJuros.setRowCount(STJuros.rowCount() + 1);
    const int total = STJuros.rowCount() - 1;
    STJuros.clearRow(total);
    Number sum = 0;
    for (int r = 1; r <= STJuros.rowCount() - 2; ++r) {
        const std::string& text = STJuros.cell(3, r);
        if (checkinteiro(text)) sum = checked(sum + RemovePonto(text));
    }
    STJuros.setCell(2, total, "Total");
    STJuros.setCell(3, total, FormatFloat(kMoney, sum));
}

std::vector<MonthlyPeriod> monthlyPeriods(const StringGrid& jmes) {
    std::vector<MonthlyPeriod> periods;
    for (int row = 1; row < jmes.rowCount(); ++row) {
        if (!checkinteiro(jmes.cell(0, row)) || !checkinteiro(jmes.cell(1, row)) || !checkinteiro(jmes.cell(2, row)))
            continue;
        periods.push_back({StrToDate(jmes.cell(0, row)), StrToDate(jmes.cell(1, row)), jmes.cell(2, row),
                           jmes.cell(3, row) != "Não"});
    }
    return periods;
}

Number monthlyRate(const std::vector<MonthlyPeriod>& periods, const Date& day, Number& quarterSum, int& quarterCount) {
    Number result = 0;
    for (const MonthlyPeriod& period : periods) {
        if (period.start > day || day > period.end) continue;
        const Number rate = RemovePonto(period.rate);
        if (!period.quarterly) {
            result = rate;
        } else {
            quarterSum = checked(quarterSum + rate);
            if (quarterCount == 3) {
                result = quarterSum;
                quarterSum = 0;
                quarterCount = 1;
            } else {
                ++quarterCount;
                result = 0;
            }
        }
    }
    return result;
}

Number DailySavings::devolvejuro(const std::string& date) {
    const Date day = StrToDate(date);
    return monthlyRate(monthlyPeriods(Jmes), day, quarterSum, quarterCount);
}

void DailySavings::layOutAmortisation() {
    const Date first = StrToDate("01/" + SPlanos.cell(1, 1));
    const Date end = StrToDate("01/" + SPlanos.cell(1, SPlanos.rowCount() - 1));
    for (int k = 1;; ++k) {
        const Date month = IncMonth(first, k);
        amortizacao.setCell(0, k, FormatDate("mm/yyyy", month));
        amortizacao.setRowCount(k + 1);
        if (!(end > month)) break;
    }
}

}  // namespace ruvivavu::savings
