// The São Paulo court-debt sheet and its court interest.
#include "core/saopaulo/sheet.h"

#include "core/common/dates.h"
#include "core/common/errors.h"
#include "core/common/indextable.h"
#include "core/common/text.h"
#include "core/dailysavings/interest.h"

namespace ruvivavu::saopaulo {

std::string compoundInterestPercent(const std::string& rate, const std::string& start, const std::string& end) {
    const Intervalo span = EntreDatas(StrToDate(end), StrToDate(start));
    const Number months = 12 * span.anos + span.meses;
    const Number base = checked(1 + divide(RemovePonto(rate), 100));
    return FormatFloat(kMoney, checked((Pot(base, months) - 1) * 100));
}

void computeCourtInterest(StringGrid& periods, bool proRata, bool compound) {
    dailysavings::fillCourtInterest(periods, false, [&](int row) {
        std::string start = periods.cell(0, row);
        // Interest runs from the month after the first period's start.
        if (row == 1) start = FormatDate("dd/mm/yyyy", IncMonth(StrToDate(start), 1));
        const std::string& rate = periods.cell(2, row);
        const std::string& end = periods.cell(1, row);
        return compound ? compoundInterestPercent(rate, start, end)
                        : dailysavings::courtInterestPercent(rate, start, end, proRata);
    });
}

namespace {

// The factor of a month; a month the table lacks is refused rather than replaced by another
// plan's factor.
std::string requiredFactor(const StringGrid& indice, const std::string& month) {
    std::string factor = factorOf(indice, month);
    if (!checkinteiro(factor)) throw UserMessage("A data " + month + " não existe na tabela, atualize o índice");
    return factor;
}

}  // namespace

void buildSheet(const StringGrid& chosenPlans, const StringGrid& balances, const StringGrid& differences,
                const StringGrid& indice, StringGrid& sheet) {
    for (int row = 1; row < sheet.rowCount(); ++row) sheet.clearRow(row);
    sheet.setRowCount(2);
    const int plans = chosenPlans.rowCount() - 2;
    const std::string& updateMonth = chosenPlans.cell(1, chosenPlans.rowCount() - 1);
    const std::string updateFactor = requiredFactor(indice, updateMonth);
    Number sum = 0;
    for (int r = 1; r <= plans; ++r) {
        sheet.setRowCount(r + 2);
        sheet.clearRow(r);
        sheet.clearRow(r + 1);
        const std::string day = FormatFloat("00", RemovePonto(balances.cell(3, r)));
        const std::string& baseMonth = differences.cell(3, r);
        const std::string baseFactor = requiredFactor(indice, baseMonth);
        sheet.setCell(0, r, day + "/" + baseMonth);
        sheet.setCell(1, r, day + "/" + updateMonth);
        sheet.setCell(2, r, currencyOf(indice, baseMonth) + differences.cell(4, r));
        sheet.setCell(3, r, ":" + baseFactor + " X " + updateFactor);
        const Number value = RemovePonto(sheet.cell(2, r));
        const Number updated = checked(RemovePonto(updateFactor) * divide(value, RemovePonto(baseFactor)));
        sheet.setCell(4, r, FormatFloat(kMoney, updated));
        sum = checked(sum + RemovePonto(sheet.cell(4, r)));
    }
    const int total = plans + 1;
    sheet.setRowCount(total + 1);
    sheet.clearRow(total);
    sheet.setCell(3, total, "Total");
    sheet.setCell(4, total, currencyOf(indice, updateMonth) + FormatFloat(kMoney, sum));
}

}  // namespace ruvivavu::saopaulo
