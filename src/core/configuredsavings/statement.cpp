// Writes federal.html. The markup (two <body> tags, spans never closed, "border =1 span") is kept
// as users' earlier statements have it, so that statements of the same claim compare equal.
#include "core/configuredsavings/statement.h"

#include "core/common/encoding.h"
#include "core/common/text.h"
#include "core/configuredsavings/sheet.h"

namespace ruvivavu::configuredsavings {

std::string writeStatement(const Variant& variant, const Fields& f, const StringGrid& account, const StringGrid& table,
                           const std::string& fontStyle) {
    std::string html;
    auto line = [&html](const std::string& text) {
        html += text;
        html += "\r\n";
    };
    auto grid = [&line](const StringGrid& g) {
        for (int row = 0; row < g.rowCount(); ++row) {
            line("<tr>");
            std::string cells;
            for (int col = 0; col < g.colCount(); ++col)
                cells += "<td><div align=Right>" + g.cell(col, row) + "</div></td>";
            line(cells);
            line("</tr>");
        }
    };
    const std::string span = "<span align = center style=\"" + fontStyle + "\">";
    const std::string tableStart = "<table border =1 span style=\"" + fontStyle + "\">";
    line("<html><head>");
    line("<title>Atualização</title>");
    line("</head>");
    line(span);
    line("<p align=\"center\"><b>Nome: </b>" + f.name + "</p>");
    line("<p align=\"center\"><b>Banco: </b>" + f.bank + " - <b>Agencia: </b>" + f.branch + " - <b>Conta: </b>" +
         f.account + "</p>");
    line("<p align=\"center\"><b>Dia de Aniversário da Conta: </b>" + f.anniversaryDay + "</p>");
    line("<p align=\"center\">&nbsp;</p>");
    line("<div align=\"center\">");
    for (const StringGrid* g : {&account, &table}) {
        line("<body>");
        line(tableStart);
        line("");
        grid(*g);
        line("</table>");
        line("<p>&nbsp;</p>");
    }
    line("</div>");
    line(span);

    const int lastRow = table.rowCount() - 1;
    const std::string& balance = table.cell(kBalanceColumn, lastRow);
    const std::string base = checkinteiro(balance) ? balance : std::string("0");
    line("<p align=\"center\"><b>Valor atualizado até: " + f.updateDate + " = " + table.cell(kCurrencyColumn, lastRow) +
         " " + base + "</b></p>");
    Number interest = 0;
    std::string added;
    if (f.remuneratory) {
        line(periodInterest(f.remuneratoryStart, f.remuneratoryEnd, base,
                            "Juros Remuneratórios de: ", f.remuneratoryRate, interest));
        added += "+ JUROS REMUNERATÓRIOS ";
    }
    if (f.moratory) {
        line(periodInterest(f.moratoryStart, f.moratoryEnd, base, "Juros Moratórios de: ", f.moratoryRate, interest));
        added += "+ JUROS MORATÓRIOS ";
    }
    const std::string corrected = FormatFloat(kMoney, checked(RemovePonto(base) + interest));
    line("<p align=\"center\"><b>VALOR CORRIGIDO " + added + " = " + corrected + "</b></p>");
    if (f.fees) {
        if (f.feesAsPercentage) {
            const Number fee = divide(variant.fieldValue(f.feeValue), 100) * RemovePonto(corrected);
            line("<p align=\"center\"><b>Valor dos Honorários de " + f.feeValue +
                 "% =" + FormatFloat(kMoney, checked(fee)) + "</b></p>");
        } else {
            line("<p align=\"center\"><b>Valor dos Honorários = " +
                 FormatFloat(kMoney, variant.fieldValue(f.feeValue)) + "</b></p>");
        }
    }
    line("</body></html>");
    return utf8ToCp1252(html);
}

}  // namespace ruvivavu::configuredsavings
