// Court interest, monthly (optionally quarterly) interest and the amortisation months.
#include "core/savings/dailysavings.h"

#include "core/common/dates.h"
#include "core/common/text.h"

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

Number DailySavings::devolvejuro(const std::string& date) {
    Number result = 0;
    const Date day = StrToDate(date);
    for (int row = 1; row < Jmes.rowCount(); ++row) {
        if (!checkinteiro(Jmes.cell(0, row)) || !checkinteiro(Jmes.cell(1, row)) || !checkinteiro(Jmes.cell(2, row)))
            continue;
        if (StrToDate(Jmes.cell(0, row)) > day || day > StrToDate(Jmes.cell(1, row))) continue;
        const Number rate = RemovePonto(Jmes.cell(2, row));
        if (Jmes.cell(3, row) == "Não") {
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
