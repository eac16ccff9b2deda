// The daily-savings statement (teste.html).
#include "core/dailysavings/statement.h"

#include "core/common/encoding.h"
#include "core/common/text.h"
#include "core/dailysavings/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace ruvivavu::dailysavings {

namespace {

bool isAscii(std::string_view text) {
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, text.data() + i, 8);
        if (chunk & 0x8080808080808080ULL) return false;
    }
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
    return true;
}

// The statement's lines, kept as Windows-1252 bytes: plain ASCII text (nearly all of it) is
// appended as it is, other text goes through the encoder.
class Lines {
public:
    explicit Lines(size_t expected) { out_.reserve(expected); }
    void line(std::string_view text) {
        append(text);
        out_ += "\r\n";
    }
    void append(std::string_view text) {
        if (isAscii(text))
            out_ += text;
        else
            out_ += utf8ToCp1252(text);
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

std::string fmt2(Number value) {
    return FormatFloat(kMoney, value);
}
std::string fmt4(Number value) {
    return FormatFloat(kRate4, value);
}

// The head of the court-debt statement: a style sheet that keeps the sheet's heading row on every
// printed page. "@SIZE@" stands for the statement's font size.
void writeCourtDebtHead(Lines& out, const std::string& size) {
    const char* const lines[] = {
        "<html><head><title>Atualização</title>",
        "<meta name=\"keywords\" content=\"fixed table header; non-scroll header; fixed footer; freeze header; CSS "
        "tips; print repeating headers; print repeating footers\">",
        "<style type=\"text/css\">",
        "div.conteudodatabela {",
        "\twidth: 65%;\t\t/* table width will be 99% of this*/",
        "\theight: 200px; \t/* must be greater than tbody*/",
        "\toverflow: auto;",
        "\tmargin: 0 auto;",
        "\t}",
        "table {",
        "\twidth: 99%;\t\t/*100% of container produces horiz. scroll in Mozilla*/",
        "\tborder: none;",
        "}",
        "table>tbody\t{  /* child selector syntax which IE6 and older do not support*/",
        "\toverflow: auto;",
        "\theight: 200px;",
        "\toverflow-x: hidden;",
        "\t}",
        "thead tr\t{",
        "\tposition:relative;",
        "\ttop: expression(offsetParent.scrollTop); /*IE5+ only*/",
        "\t}",
        "thead td, thead th {",
        "\ttext-align: center;",
        "\tfont-size:@SIZE@.0pt;",
        "\tfont-weight: bold;",
        "\tborder-top: solid 1px #d8d8d8;",
        "\t}",
        "td\t{",
        "\tcolor: #000;",
        "\tpadding-right: 2px;",
        "\tfont-size:@SIZE@.0pt;",
        "\ttext-align: right;",
        "\tborder-bottom: solid 1px #d8d8d8;",
        "\tborder-left: solid 1px #d8d8d8;",
        "\tborder-right: solid 1px #d8d8d8;",
        "\t}",
        "table tfoot tr { ",
        "      position: relative;",
        "      overflow-x: hidden;",
        "      top: expression(parentNode.parentNode.offsetHeight >=",
        "\t  offsetParent.offsetHeight ? 0 - parentNode.parentNode.offsetHeight + offsetParent.offsetHeight + "
        "offsetParent.scrollTop : 0);",
        "      }",
        "tfoot td\t{",
        "\ttext-align: center;",
        "\tfont-size:@SIZE@.0pt;",
        "\tfont-weight: bold;",
        "\tborder-top: solid 1px slategray;",
        "\t}",
        "td:last-child {padding-right: 20px;} /*prevent Mozilla scrollbar from hiding cell content*/",
        "</style>",
        "<!-- Estilo para impressão -->",
        "<style type=\"text/css\" media=\"print\">",
        "div.conteudodatabela {overflow: visible;\t}",
        "table>tbody\t{overflow: visible; }",
        "td {height: 14pt;} /*adds control for test purposes*/",
        "thead td\t{font-size:@SIZE@.0pt;\t}",
        "tfoot td\t{",
        "\ttext-align: center;",
        "\tfont-size:@SIZE@.0pt;",
        "\tborder-bottom: solid 1px slategray;",
        "\t}",
        "thead\t{display: table-header-group;\t}",
        "tfoot\t{display: table-footer-group;\t}",
        "thead th, thead td\t{position: static; }",
        "thead tr\t{position: static; } /*prevent problem if print after scrolling table*/",
        "table tfoot tr {     position: static;    }",
        "</style></head> ",
        "<body>"};
    for (std::string text : lines) {
        if (const size_t at = text.find("@SIZE@"); at != std::string::npos) text.replace(at, 6, size);
        out.line(text);
    }
}

}  // namespace

std::vector<std::string> planNoteLines(const StringGrid& table, const StringGrid& balances,
                                       const StringGrid& differences, int t, int a) {
    std::vector<std::string> lines;
    lines.push_back("<p><tr><td> Percentual de correção monetária com base na variação da " +
                    table.cell(shell::PlanTable::OfficialName, t) + " para " + table.cell(shell::PlanTable::Month, t) +
                    ": " + table.cell(shell::PlanTable::OfficialValue, t) + ". </td></tr>");
    lines.push_back("<p><tr><td> Variação com base no " + table.cell(shell::PlanTable::RequiredName, t) + " para " +
                    differences.cell(3, a) + ": " + table.cell(shell::PlanTable::RequiredValue, t) + " </td></tr>");
    const std::string& official = table.cell(shell::PlanTable::OfficialValue, t);
    const std::string& required = table.cell(shell::PlanTable::RequiredValue, t);
    const Number factor = RemovePonto("1,005");
    const Number savingsInterest = RemovePonto("0,5");
    Number o = 0;
    Number q = 0;
    if (checkinteiro(official)) {
        o = checked(checked(RemovePonto(official) * factor) + savingsInterest);
        lines.push_back("<p><tr><td> " + official + " + 0,5% de juros = " + fmt4(o) + "% </td></tr>");
    }
    if (checkinteiro(required)) {
        q = checked(checked(RemovePonto(required) * factor) + savingsInterest);
        lines.push_back("<p><tr><td> " + required + " + 0,5% de juros = " + fmt4(q) + "% </td></tr>");
    }
    if (checkinteiro(official) && checkinteiro(required)) {
        lines.push_back("<p><tr><td> " + fmt4(q) + "% - " + fmt4(o) + "% = <b>" + fmt4(q - o) + "%</b> </td></tr>");
        const std::string& divisor = table.cell(shell::PlanTable::Divisor, t);
        if (checkinteiro(divisor)) {
            lines.push_back("<p><tr><td> Valor faltante em conta em " + differences.cell(3, a) + " = " +
                            balances.cell(4, a) + "X " + fmt4(q - o) + "% : " + divisor + " = <b>" +
                            table.cell(shell::PlanTable::NewCurrency, t) + " " + differences.cell(4, a) +
                            "</b></td></tr>");
        } else {
            lines.push_back("<p><tr><td> Valor faltante em conta em " + differences.cell(3, a) + " = " +
                            balances.cell(4, a) + "X " + fmt4(q - o) + "% = <b>" +
                            table.cell(shell::PlanTable::Currency, t + 1) + " " + differences.cell(4, a) +
                            "</b></td></tr>");
        }
    }
    return lines;
}

ClosingTotal closingTotal(const DailySavings& c) {
    const StringGrid& sheet = c.sheet;
    const StringGrid& courtInterest = c.courtInterest;
    const int lastRow = sheet.rowCount() - 1;
    ClosingTotal closing;
    closing.final = sheet.cell(5, lastRow);
    closing.currency = sheet.cell(0, lastRow);
    closing.withInterest = checkinteiro(courtInterest.cell(2, 1));
    if (!closing.withInterest) {
        closing.total = closing.final;
        return closing;
    }
    const std::string& total = courtInterest.cell(3, courtInterest.rowCount() - 1);
    closing.rate = checkinteiro(total) ? total : "0";
    // Only the court-interest total stands in "0" for a missing amount; the plain total shows the
    // cell as it is.
    if (!checkinteiro(closing.final)) closing.final = "0";
    const Number amount = RemovePonto(closing.final);
    Number interest = checked(amount * RemovePonto(closing.rate));
    interest = divide(interest, 100);
    closing.total = fmt2(checked(amount + interest));
    return closing;
}

std::string writeStatement(const DailySavings& c) {
    const bool courtDebt = c.variant == Variant::CourtDebtMonthly;
    const StringGrid& table = c.planTable().grid;
    const StringGrid& balances = c.balances;
    const StringGrid& differences = c.differences;
    const StringGrid& courtInterest = c.courtInterest;
    const StringGrid& sheet = c.sheet;
    const std::string size = c.shell().fontSize;
    const std::string name = c.shell().fontName;
    const std::string span = "<span style=\"font-size:" + size + ".0pt;font-family:" + name + "\">";
    Lines out(static_cast<size_t>(sheet.rowCount()) * 400 + 16384);

    if (courtDebt) {
        writeCourtDebtHead(out, size);
    } else {
        out.line("<html><head>\r\n<title>Atualização</title>\r\n</head>");
        out.line("<body>");
    }
    out.line(span);
    for (const std::string& text : c.header)
        out.line("<tr><td><div align=Justify><p><b>" + text + "</b></p></div></td></tr>");
    out.line("</span>");

    if (c.showNotes) {
        out.line(span);
        if (!courtDebt)
            out.line("<tr><td> Tabela: Poupança Diária </td></tr>\r");
        else if (c.caption == kSaoPauloMonthlyCaption)
            out.line(
                "<tr><td> Índices usados: Tribunal de Justiça de São Paulo (OTN / IPC / INPC / IPC-r / INPC) "
                "</td></tr>\r");
        else
            out.line("<tr><td> Índices usados: OTN/IPC/BTN/IPC/INPC/IPC-r/INPC </td></tr>\r");
        int a = 0;
        for (size_t i = 0; i < c.planList.size(); ++i) {
            const int t = static_cast<int>(i) + 1;
            // A checked plan without a month produced no balance row: it has no notes either.
            if (!c.planList[i].checked || !checkinteiro(table.cell(shell::PlanTable::Month, t))) continue;
            ++a;
            out.line("<p><tr><td>" + balances.cell(0, a) + " - saldo em conta em " + balances.cell(3, a) + "/" +
                     differences.cell(1, a) + " = <b>" + balances.cell(2, a) + balances.cell(4, a) + "</b></td></tr>");
            for (const std::string& text : planNoteLines(table, balances, differences, t, a)) out.line(text);
        }
        out.line("</span>");
    }

    out.line("<tr><td><p>&nbsp;</p></td></tr>");
    out.line("<tr><td><p>&nbsp;</p></td></tr>");
    out.line("<tr><td><b> Valor em conta em " + balances.cell(1, 1) + " = " + balances.cell(2, 1) +
             fmt2(RemovePonto(balances.cell(4, 1))) + "</b></td></tr>");
    out.line("<tr><td><b> Diferença faltante em conta no mês seguinte em % = " +
             fmt4(RemovePonto(differences.cell(2, 1))) + "</b></td></tr>");
    out.line("<p>&nbsp;</p>");
    if (!courtDebt) out.line("</span></table>");
    out.line(std::string(courtDebt ? "<body>\r\n<table border =0  span" : "<body>\r\n<table border =0 span") +
             " style=\"font-size:" + size + ".0pt;font-family:" + name + "\">" + "\r\n");

    const int lastRow = sheet.rowCount() - 1;
    std::string row;
    for (int r = 0; r <= lastRow; ++r) {
        row = courtDebt && r == 0 ? "<thead><tr>\r\n" : "<tr>\r\n";
        for (int c = 0; c <= 7; ++c) {
            row += r == lastRow ? "<td><div align=Right><b>" : "<td><div align=Right>";
            row += sheet.cell(c, r);
            row += r == lastRow ? "</b></div></td>" : "</div></td>";
        }
        if (!sheet.cell(8, r).empty()) {
            out.line("<tr>\r\n<td><td><td><td><td>" + sheet.cell(1, r) + "<td><td><div align=Left>" + sheet.cell(8, r) +
                     "</div><td><div align=Right>" + sheet.cell(11, r) +
                     "</div></td></td></td></td></td></td></td></td>" + "</tr>");
        }
        if (!sheet.cell(12, r).empty()) {
            out.line("<tr>\r\n<td><td><td><td><td><td><td><b><div align=Left>Adição - diferença faltante em conta em " +
                     sheet.cell(1, r) + " referente ao plano " + sheet.cell(15, r) +
                     "</div></b><td><b><div align=Right>" + sheet.cell(12, r) +
                     "</div></b></td></td></td></td></td></td></td></td>" + "</tr>");
        }
        if (courtDebt) {
            // The court-debt statement closes each row on its own line.
            out.line(row + (r == 0 ? "</tr></thead>" : "</tr>"));
        } else {
            out.line(row);
            out.line("</tr>");
        }
    }
    out.line("</table>");
    out.line(span);

    const ClosingTotal closing = closingTotal(c);
    if (closing.withInterest) {
        out.line("<p>&nbsp;</p>");
        out.line("<div align=\"center\">");
        out.line("<center>");
        out.line("<b>JUROS</b>");
        out.line("<body>\r\n<table border =1 span style=\"font-size:" + size + ".0pt;font-family:" + name + "\">" +
                 "\r\n");
        for (int r = 0; r < courtInterest.rowCount(); ++r) {
            std::string row = "<tr>\r\n";
            for (int c = 0; c < courtInterest.colCount(); ++c)
                row += "<td><div align=Right>" + courtInterest.cell(c, r) + "</div></td>";
            out.line(row);
            out.line("</tr>");
        }
        out.line("</table>");
        out.line("<p>&nbsp;</p>");
        out.line("<b>TOTAL = " + closing.final + " X " + closing.rate + "% = " + closing.total + "</b>");
        out.line("<p>&nbsp;</p>");
        out.line("</center>");
        out.line("</div>");
    } else {
        out.line("<p>&nbsp;</p>");
        out.line("<div align=\"Center\">");
        out.line("<Center>");
        out.line("<b>TOTAL = " + closing.final + "</b>");
        out.line("<p>&nbsp;</p>");
        out.line("</Center>");
        out.line("</div>");
    }
    out.line("<p>&nbsp;</p>");
    out.line(span);
    for (const std::string& text : c.footer) out.line("<tr><td><div align=Justify>" + text + "</div></td></tr>");
    out.line("</span>");
    out.line("</body></html>");
    return out.take();
}

}  // namespace ruvivavu::dailysavings
