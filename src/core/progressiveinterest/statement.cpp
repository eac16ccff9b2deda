// Writes jfgts.html. The markup (two <body> tags, the header lines as table rows outside a table,
// "border =0 span style") is kept as users' earlier statements have it, so that statements of the
// same claim compare equal.
#include "core/progressiveinterest/statement.h"

#include "core/common/encoding.h"
#include "core/progressiveinterest/sheet.h"

#include <algorithm>

namespace ruvivavu::progressiveinterest {

namespace {

bool holds(const StringGrid& sheet, int row, const std::string& text) {
    for (int col = 0; col < kSheetColumns; ++col)
        if (sheet.cell(col, row) == text) return true;
    return false;
}

// How the columns are computed and the currency changes, after the total.
constexpr const char* kExplanation[] = {
    "<BR></BR>",
    "<BR><B>SISTEMÁTICA DO CÁLCULO:</B></BR>",
    "<BR><B>Coluna c</B> = a ÷ b</BR>",
    "<BR><B>Coluna e</B> = c x d</BR>",
    "<BR><B>Coluna f</B> = e - a</BR>",
    "<BR><B>Coluna g</B> = h(valor anterior) x d</BR>",
    "<BR><B>Coluna h</B> = h(valor anterior)+ f + g</BR>",
    "<BR><B>CONVERSÃO DE MOEDA</B></BR>",
    "<BR><B>mar/86:</B> ÷ 1000</BR>",
    "<BR><B>mar/89:</B> ÷ 1000</BR>",
    "<BR><B>mar/90:</B> ÷ 1</BR>",
    "<BR><B>ago/93:</B> ÷ 1000</BR>",
    "<BR><B>jul/94:</B> ÷ 2750</BR>",
    "<p>&nbsp;</p>",
    "</body></html>",
};

}  // namespace

int lastStatementRow(const StringGrid& sheet, const std::string& endMonth) {
    const int last = std::max(1, sheet.rowCount() - 1);
    for (int row = 2; row <= last; ++row)
        if (endMonth.empty() || holds(sheet, row - 1, endMonth)) return row - 1;
    return last;
}

std::string totalDue(const StringGrid& sheet, int row) {
    return sheet.cell(kMonth, row) + " = " + sheet.cell(kCurrency, row) + " " + sheet.cell(kAccumulated, row);
}

std::string writeStatement(const std::vector<std::string>& header, const StringGrid& sheet, const std::string& endMonth,
                           const std::string& fontStyle) {
    std::string html;
    auto line = [&html](const std::string& text) {
        html += text;
        html += "\r\n";
    };
    line("<html><head>\r\n<title>Diferenças dos Juros Progressivos no FGTS</title>\r\n</head>");
    line("<body>");
    line("<span style=\"" + fontStyle + "\">");
    for (const std::string& text : header)
        line("<tr><td><div align=Justify><p><b>" + text + "</b></p></div></td></tr>");
    line("</span>");
    line("<body>\r\n<table border =0 span style=\"" + fontStyle + "\">\r\n");
    const int last = lastStatementRow(sheet, endMonth);
    for (int row = 0; row <= last; ++row) {
        const char* open = row == 0 ? "<td><div align=Right><b>" : "<td><div align=Right>";
        const char* close = row == 0 ? "</b></div></td>" : "</div></td>";
        std::string tr = "<tr>\r\n";
        for (int col = 0; col < kSheetColumns; ++col) tr += open + sheet.cell(col, row) + close;
        line(tr);
        line("</tr>");
    }
    line("</table>");
    line("<BR><B>VALOR TOTAL DEVIDO EM: " + totalDue(sheet, last) + "</B></BR>");
    for (const char* text : kExplanation) line(text);
    return utf8ToCp1252(html);
}

}  // namespace ruvivavu::progressiveinterest
