// Writes fgt.html. The markup (the repeated <body> tags, "border =0", "align= Justify") is kept as
// users' earlier statements have it, so that statements of the same claim compare equal.
#include "core/fgts/statement.h"

#include "core/common/encoding.h"
#include "core/fgts/sheet.h"

namespace ruvivavu::fgts {

std::string writeStatement(const std::vector<std::string>& header, const StringGrid& sheet,
                           const std::string& fontStyle) {
    std::string html;
    auto line = [&html](const std::string& text) {
        html += text;
        html += "\r\n";
    };
    line("<html><head>\r\n<title>Cálculos dos Ruvivavu da Dudovizu</title>\r\n</head>");
    line("<body><span style=\"" + fontStyle + "\" align= Justify>");
    line("<p>");
    for (const std::string& text : header) line("<p>" + text + "</p>");
    line("</p>");
    line("<body>\r\n<table border =0 align=\"center\" style=\"" + fontStyle + "\">\r\n");
    for (int row = 0; row < sheet.rowCount(); ++row) {
        std::string tr = "<tr>\r\n";
        for (int col = 0; col < kSheetColumns; ++col)
            tr += "<td><div align=Right>" + sheet.cell(col, row) + "</div></td>";
        line(tr);
        line("</tr>");
    }
    line("<body>\r\n</table>\r\n");
    line("</span></body></html>");
    return utf8ToCp1252(html);
}

}  // namespace ruvivavu::fgts
