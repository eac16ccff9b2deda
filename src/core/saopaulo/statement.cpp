// The São Paulo court-debt statement (teste.html).
#include "core/saopaulo/statement.h"

#include "core/common/encoding.h"
#include "core/common/indextable.h"
#include "core/common/text.h"
#include "core/dailysavings/statement.h"
#include "core/saopaulo/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

namespace ruvivavu::saopaulo {

std::string writeStatement(const SaoPauloCourtDebt& c) {
    const StringGrid& table = c.planTable().grid;
    const StringGrid& balances = c.balances;
    const StringGrid& differences = c.differences;
    const StringGrid& courtInterest = c.courtInterest;
    const StringGrid& sheet = c.sheet;
    const std::string size = c.shell().fontSize;
    const std::string name = c.shell().fontName;
    const std::string span = "<span style=\"font-size:" + size + ".0pt;font-family:" + name + "\">";
    std::string text;
    auto line = [&text](const std::string& l) {
        text += l;
        text += "\r\n";
    };

    line("<html><head>\r\n<title>Atualização</title>\r\n</head>");
    line("<body>");
    line(span);
    for (const std::string& l : c.header) line("<tr><td><div align=Justify><b>" + l + "</b></div></td></tr>");
    line("</span>");
    if (c.showNotes) {
        line(span);
        line("<tr><td></td></tr>\r");
        int a = 0;
        for (size_t i = 0; i < c.planList.size(); ++i) {
            const int t = static_cast<int>(i) + 1;
            // A checked plan without a month produced no balance row: it has no notes either.
            if (!c.planList[i].checked || !checkinteiro(table.cell(shell::PlanTable::Month, t))) continue;
            ++a;
            line("<p><tr><td><b>" + balances.cell(0, a) + " - saldo em conta em " + balances.cell(3, a) + "/" +
                 differences.cell(1, a) + " = " + balances.cell(2, a) + balances.cell(4, a) + "</b></td></tr>");
            for (const std::string& l : dailysavings::planNoteLines(table, balances, differences, t, a)) line(l);
        }
        line("</span>");
    }
    line("<p>&nbsp;</p>");
    line("</span></table>");
    line("<table border =0 span style=\"font-size:" + size + ".0pt;font-family:" + name + "\">");
    const int lastRow = sheet.rowCount() - 1;
    for (int r = 0; r <= lastRow; ++r) {
        std::string row = "<tr>\r\n";
        for (int col = 0; col < 5; ++col) {
            row += r == lastRow ? "<td><div align=Right><b>" : "<td><div align=Right>";
            row += sheet.cell(col, r);
            row += r == lastRow ? "</b></div></td>" : "</div></td>";
        }
        line(row);
        line("</tr>");
    }
    line("</table>");
    line(span);
    line("<tr><td> Tabela: Débitos Judiciais Tribunal de Justiça de São Paulo </td></tr>");
    line("</span>");

    std::string final = sheet.cell(4, lastRow);
    if (checkinteiro(courtInterest.cell(2, 1))) {
        line("<p>&nbsp;</p>");
        line("<div align=\"center\">");
        line("<center>");
        line(span);
        line("<b>JUROS</b>");
        line("<table border =1 span style=\"font-size:" + size + ".0pt;font-family:" + name + "\">");
        for (int r = 0; r < courtInterest.rowCount(); ++r) {
            std::string row = "<tr>\r\n";
            for (int col = 0; col < courtInterest.colCount(); ++col)
                row += "<td><div align=Right>" + courtInterest.cell(col, r) + "</div></td>";
            line(row);
            line("</tr>");
        }
        line("</table>");
        line("<p>&nbsp;</p>");
        const std::string& total = courtInterest.cell(3, courtInterest.rowCount() - 1);
        const std::string rate = checkinteiro(total) ? total : "0";
        if (!checkinteiro(final)) final = "0";
        const Number amount = RemovePonto(final);
        const Number interest = divide(checked(amount * RemovePonto(rate)), 100);
        const std::string& updateMonth = c.chosenPlans.cell(1, c.chosenPlans.rowCount() - 1);
        line(span);
        line("<b>TOTAL = " + final + " X " + rate + "% = " + currencyOf(c.shell().indice, updateMonth) +
             FormatFloat(kMoney, checked(amount + interest)) + "</b>");
        line("<p>&nbsp;</p>");
        line("</center>");
        line("</div>");
    } else {
        line("<p>&nbsp;</p>");
        line("<div align=\"Center\">");
        line("<Center>");
        line(span);
        line("<b>TOTAL = " + final + "</b>");
        line("<p>&nbsp;</p>");
        line("</Center>");
        line("</div>");
    }
    line("<p>&nbsp;</p>");
    for (const std::string& l : c.footer) line("<tr><td><div align=Justify>" + l + "</div></td></tr>");
    line("</span></table>");
    line("</body></html>");
    return utf8ToCp1252(text);
}

}  // namespace ruvivavu::saopaulo
