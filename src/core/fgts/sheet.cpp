// The FGTS purge computation: JAM coefficient lookups, the plan rows, totals, fees, costs and the
// closing rows of the sheet.
#include "core/fgts/sheet.h"

#include "core/common/indextable.h"
#include "core/common/text.h"

#include <utility>

namespace ruvivavu::fgts {

namespace {

// One economic plan of the calculator.
struct Plan {
    int row;
    const char* label;     // column 0
    const char* monthKey;  // the month whose currency the statement value is in
    const char* baseDate;  // the month whose coefficient the correction starts from
    Number factorJR3;
    Number factorJR6;
};

// Plano Verão on the March 1989 balance, Plano Collor I on the May 1990 balance. The Collor I
// factors are multipliers (the value is in cruzeiros after the 1990 reform), not percentages.
constexpr Plan kVerao{1, "03/89", "01/03/1989", "01/03/89", 0.355693L, 0.352729L};
constexpr Plan kCollor{2, "05/90", "01/05/1990", "01/05/90", 182.11841L, 92.496404L};

// Writes a cell and answers the number its text reads back as.
Number put(StringGrid& grid, int col, int row, std::string text) {
    grid.setCell(col, row, std::move(text));
    return RemovePonto(grid.cell(col, row));
}

}  // namespace

Number jamCoefficient(const StringGrid& indice, const Date& date, bool jam3, bool jam6) {
    for (int row = 1; row < indice.rowCount(); ++row) {
        const Date first = StrToDate("01/" + indice.cell(0, row));
        if (first >= date) {
            if (jam3) return RemovePonto(indice.cell(6, row));
            if (jam6) return RemovePonto(indice.cell(7, row));
            return 0;
        }
    }
    return 0;
}

int monthsOfInterest(const Date& updateDate, const Date& interestStart) {
    const Intervalo i = EntreDatas(updateDate, interestStart);
    return i.anos * 12 + i.meses;
}

void writeHeadings(StringGrid& sheet) {
    static const char* const kHeadings[kSheetColumns] = {
        "<b>Data</b>",  "<b>Valor original</b>", "<b>Diferença</b>", "<b>Valor da JAM</b>", "<b>Valor Corrigido</b>",
        "<b>Juros</b>", "<b>Total</b>"};
    for (int col = 0; col < kSheetColumns; ++col) sheet.setCell(col, 0, kHeadings[col]);
}

void computeSheet(const Fields& f, const StringGrid& indice, StringGrid& result) {
    // Built on a copy and stored only when every step succeeded: a run that stops half-way (a date
    // that does not convert, a base month missing from the table) would otherwise leave its
    // half-written plan row behind the row count, where the next run does not empty it and a plan
    // that is no longer ticked would reach the statement.
    StringGrid sheet = result;
    Number correctedSum = 0;
    Number interestSum = 0;
    Number totalSum = 0;

    for (int row = 1; row < sheet.rowCount(); ++row) sheet.clearRow(row);
    sheet.setRowCount(1);

    auto addPlan = [&](const Plan& p, const std::string& balanceText) {
        const Number v = RemovePonto(balanceText);
        const int r = p.row;
        sheet.setCell(0, r, p.label);
        sheet.setCell(1, r, currencyOf(indice, p.monthKey, kJamCurrencyColumn) + FormatFloat(kMoney, v));
        const Number difference =
            put(sheet, 2, r, FormatFloat(kMoney, checked(v * (f.jam3 ? p.factorJR3 : p.factorJR6))));
        const Number s = divide(100, jamCoefficient(indice, StrToDate(p.baseDate), f.jam3, f.jam6));
        const Number current = jamCoefficient(indice, StrToDate(f.updateDate), f.jam3, f.jam6);
        const Number coefficient = put(sheet, 3, r, FormatFloat(kCoef6, divide(checked(current * s), 100)));
        const Number corrected = put(sheet, 4, r, FormatFloat(kMoney, checked(difference * coefficient)));
        Number interest;
        if (f.withInterest) {
            const int months = monthsOfInterest(StrToDate(f.updateDate), StrToDate(f.interestStart));
            const Number monthly = divide(RemovePonto(f.interestRate), 12);
            const Number value = checked(checked(monthly * months) * divide(corrected, 100));
            interest = put(sheet, 5, r, FormatFloat(kMoney, value));
        } else {
            interest = put(sheet, 5, r, "0,00");
        }
        const Number total = put(sheet, 6, r, FormatFloat(kMoney, checked(corrected + interest)));
        correctedSum = checked(correctedSum + corrected);
        interestSum = checked(interestSum + interest);
        totalSum = checked(totalSum + total);
    };
    if (f.withVerao) addPlan(kVerao, f.veraoBalance);
    if (f.withCollor) addPlan(kCollor, f.collorBalance);

    // Row 3 stays blank; row 4 holds the sums in the update month's currency.
    const std::string currency = currencyOf(indice, f.updateDate, kJamCurrencyColumn);
    sheet.setCell(2, 4, "<b>Total</b>");
    sheet.setCell(4, 4, "<b>" + currency + FormatFloat(kMoney, correctedSum) + "</b>");
    sheet.setCell(5, 4, "<b>" + currency + FormatFloat(kMoney, interestSum) + "</b>");
    sheet.setCell(6, 4, "<b>" + currency + FormatFloat(kMoney, totalSum) + "</b>");

    Number grandTotal = totalSum;
    int row = 5;
    if (f.withFees) {
        sheet.setCell(2, row, "<b>Honorários</b>");
        const Number fee = checked(RemovePonto(f.feePercent) * divide(totalSum, 100));
        grandTotal = checked(grandTotal + put(sheet, 6, row, currency + FormatFloat(kMoney, fee)));
        ++row;
    }
    if (f.withCosts) {
        sheet.setCell(2, row, "<b>Custas</b>");
        grandTotal = checked(grandTotal + put(sheet, 6, row, currency + FormatFloat(kMoney, RemovePonto(f.costs))));
        ++row;
    }
    const int g = row;
    sheet.setCell(2, g, "<b>TOTAL GERAL</b>");
    sheet.setCell(3, g, f.updateDate);
    sheet.setCell(6, g, "<b>" + currency + FormatFloat(kMoney, grandTotal) + "</b>");

    sheet.setCell(2, g + 2, "<b>Taxa de juros remuneratórios: </b>");
    sheet.setCell(3, g + 2, "<b>Incluídos na Tabela JAM</b>");
    sheet.setCell(6, g + 2, f.jam3 ? "<b>3%</b>" : "<b>6%</b>");
    int last = g + 3;
    if (f.withInterest) {
        sheet.setCell(2, g + 3, "<b>Taxa de juros moratórios: </b>");
        sheet.setCell(6, g + 3, "<b>" + f.interestRate + "%</b>");
        last = g + 4;
    }
    sheet.setCell(2, last, "<b>Indexador aplicado: </b>");
    sheet.setCell(6, last, "<b>Tabela JAM</b>");
    sheet.setRowCount(last + 1);
    result = std::move(sheet);
}

}  // namespace ruvivavu::fgts
