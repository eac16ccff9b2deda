// The daily-savings statement (teste.html) and "Finalizar".
#include "core/savings/dailysavings.h"

#include "core/common/encoding.h"
#include "core/common/fileio.h"
#include "core/common/text.h"
#include "core/savings/plantables.h"
#include "core/shell/shell.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace ruvivavu::savings {

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

std::string fmt2(Number value) { return FormatFloat(kMoney, value); }
std::string fmt4(Number value) { return FormatFloat(kRate4, value); }

}  // namespace

std::string DailySavings::statementBytes() {
    const StringGrid& table = planTable_.grid;
    const std::string size = shell_.fontSize;
    const std::string name = shell_.fontName;
    const std::string span = "<span style=\"font-size:" + size + ".0pt;font-family:" + name + "\">";
    Lines out(static_cast<size_t>(planilha.rowCount()) * 400 + 16384);

    out.line("<html><head>\r\n<title>Atualização</title>\r\n</head>");
    out.line("<body>");
    out.line(span);
    for (const std::string& text : memo1) out.line("<tr><td><div align=Justify><p><b>" + text + "</b></p></div></td></tr>");
    out.line("</span>");

    if (cnotas) {
        out.line(span);
        out.line("<tr><td> Tabela: Poupança Diária </td></tr>\r");
        int a = 0;
        for (size_t i = 0; i < plans.size(); ++i) {
            const int t = static_cast<int>(i) + 1;
            // A checked plan without a month produced no balance row: it has no notes either.
            if (!plans[i].checked || !checkinteiro(table.cell(PlanTable::Month, t))) continue;
            ++a;
            out.line("<p><tr><td>" + SSaldo.cell(0, a) + " - saldo em conta em " + SSaldo.cell(3, a) + "/" +
                     SBase.cell(1, a) + " = <b>" + SSaldo.cell(2, a) + SSaldo.cell(4, a) + "</b></td></tr>");
            out.line("<p><tr><td> Percentual de correção monetária com base na variação da " +
                     table.cell(PlanTable::OfficialName, t) + " para " + table.cell(PlanTable::Month, t) + ": " +
                     table.cell(PlanTable::OfficialValue, t) + ". </td></tr>");
            out.line("<p><tr><td> Variação com base no " + table.cell(PlanTable::RequiredName, t) + " para " +
                     SBase.cell(3, a) + ": " + table.cell(PlanTable::RequiredValue, t) + " </td></tr>");
            const std::string& official = table.cell(PlanTable::OfficialValue, t);
            const std::string& required = table.cell(PlanTable::RequiredValue, t);
            const Number factor = RemovePonto("1,005");
            const Number savingsInterest = RemovePonto("0,5");
            Number o = 0;
            Number q = 0;
            if (checkinteiro(official)) {
                o = checked(checked(RemovePonto(official) * factor) + savingsInterest);
                out.line("<p><tr><td> " + official + " + 0,5% de juros = " + fmt4(o) + "% </td></tr>");
            }
            if (checkinteiro(required)) {
                q = checked(checked(RemovePonto(required) * factor) + savingsInterest);
                out.line("<p><tr><td> " + required + " + 0,5% de juros = " + fmt4(q) + "% </td></tr>");
            }
            if (checkinteiro(official) && checkinteiro(required)) {
                out.line("<p><tr><td> " + fmt4(q) + "% - " + fmt4(o) + "% = <b>" + fmt4(q - o) + "%</b> </td></tr>");
                const std::string& divisor = table.cell(PlanTable::Divisor, t);
                if (checkinteiro(divisor)) {
                    out.line("<p><tr><td> Valor faltante em conta em " + SBase.cell(3, a) + " = " + SSaldo.cell(4, a) +
                             "X " + fmt4(q - o) + "% : " + divisor + " = <b>" + table.cell(PlanTable::NewCurrency, t) +
                             " " + SBase.cell(4, a) + "</b></td></tr>");
                } else {
                    out.line("<p><tr><td> Valor faltante em conta em " + SBase.cell(3, a) + " = " + SSaldo.cell(4, a) +
                             "X " + fmt4(q - o) + "% = <b>" + table.cell(PlanTable::Currency, t + 1) + " " +
                             SBase.cell(4, a) + "</b></td></tr>");
                }
            }
        }
        out.line("</span>");
    }

    out.line("<tr><td><p>&nbsp;</p></td></tr>");
    out.line("<tr><td><p>&nbsp;</p></td></tr>");
    out.line("<tr><td><b> Valor em conta em " + SSaldo.cell(1, 1) + " = " + SSaldo.cell(2, 1) +
             fmt2(RemovePonto(SSaldo.cell(4, 1))) + "</b></td></tr>");
    out.line("<tr><td><b> Diferença faltante em conta no mês seguinte em % = " + fmt4(RemovePonto(SBase.cell(2, 1))) +
             "</b></td></tr>");
    out.line("<p>&nbsp;</p>");
    out.line("</span></table>");
    out.line("<body>\r\n<table border =0 span style=\"font-size:" + size + ".0pt;font-family:" + name + "\">" + "\r\n");

    const int lastRow = planilha.rowCount() - 1;
    std::string row;
    for (int r = 0; r <= lastRow; ++r) {
        row = "<tr>\r\n";
        for (int c = 0; c <= 7; ++c) {
            row += r == lastRow ? "<td><div align=Right><b>" : "<td><div align=Right>";
            row += planilha.cell(c, r);
            row += r == lastRow ? "</b></div></td>" : "</div></td>";
        }
        if (!planilha.cell(8, r).empty()) {
            out.line("<tr>\r\n<td><td><td><td><td>" + planilha.cell(1, r) + "<td><td><div align=Left>" +
                     planilha.cell(8, r) + "</div><td><div align=Right>" + planilha.cell(11, r) +
                     "</div></td></td></td></td></td></td></td></td>" + "</tr>");
        }
        if (!planilha.cell(12, r).empty()) {
            out.line("<tr>\r\n<td><td><td><td><td><td><td><b><div align=Left>Adição - diferença faltante em conta em " +
                     planilha.cell(1, r) + " referente ao plano " + planilha.cell(15, r) +
                     "</div></b><td><b><div align=Right>" + planilha.cell(12, r) +
                     "</div></b></td></td></td></td></td></td></td></td>" + "</tr>");
        }
        out.line(row);
        out.line("</tr>");
    }
    out.line("</table>");
    out.line(span);

    std::string final = planilha.cell(5, lastRow);
    if (checkinteiro(STJuros.cell(2, 1))) {
        out.line("<p>&nbsp;</p>");
        out.line("<div align=\"center\">");
        out.line("<center>");
        out.line("<b>JUROS</b>");
        out.line("<body>\r\n<table border =1 span style=\"font-size:" + size + ".0pt;font-family:" + name + "\">" + "\r\n");
        for (int r = 0; r < STJuros.rowCount(); ++r) {
            std::string row = "<tr>\r\n";
            for (int c = 0; c < STJuros.colCount(); ++c) row += "<td><div align=Right>" + STJuros.cell(c, r) + "</div></td>";
            out.line(row);
            out.line("</tr>");
        }
        out.line("</table>");
        out.line("<p>&nbsp;</p>");
        const int totalRow = STJuros.rowCount() - 1;
        if (!checkinteiro(STJuros.cell(3, totalRow))) STJuros.setCell(3, totalRow, "0");
        const std::string rate = STJuros.cell(3, totalRow);
        // Only the court-interest total stands in "0" for a missing amount; the plain total shows
        // the cell as it is.
        if (!checkinteiro(final)) final = "0";
        const Number amount = RemovePonto(final);
        Number interest = checked(amount * RemovePonto(rate));
        interest = divide(interest, 100);
        out.line("<b>TOTAL = " + final + " X " + rate + "% = " + fmt2(checked(amount + interest)) + "</b>");
        out.line("<p>&nbsp;</p>");
        out.line("</center>");
        out.line("</div>");
    } else {
        out.line("<p>&nbsp;</p>");
        out.line("<div align=\"Center\">");
        out.line("<Center>");
        out.line("<b>TOTAL = " + final + "</b>");
        out.line("<p>&nbsp;</p>");
        out.line("</Center>");
        out.line("</div>");
    }
    out.line("<p>&nbsp;</p>");
    out.line(span);
    for (const std::string& text : memo2) out.line("<tr><td><div align=Justify>" + text + "</div></td></tr>");
    out.line("</span>");
    out.line("</body></html>");
    return out.take();
}

std::string DailySavings::finalizeToBytes() {
    for (int row = 1; row < SSaldo.rowCount(); ++row) {
        if (checkinteiro(SSaldo.cell(4, row))) SSaldo.setCell(4, row, fmt2(RemovePonto(SSaldo.cell(4, row))));
    }
    if (!sheetFinalized_) {
        for (int row = 1; row < planilha.rowCount(); ++row) {
            const std::string& paid = planilha.cell(11, row);
            // Amounts paid back show as negative; rows without an amount stay empty.
            if (checkinteiro(paid) && paid != "0") planilha.setCell(11, row, "-" + paid);
        }
        sheetFinalized_ = true;
    }
    if (rsemjuros) {
        for (int row = 0; row < planilha.rowCount(); ++row) planilha.setCell(6, row, "");
        planilha.setCell(7, 0, "Valor");
    } else {
        planilha.setCell(6, 0, "Juros");
        planilha.setCell(7, 0, "Juros + Valor");
    }
    return statementBytes();
}

void DailySavings::finalize() {
    const std::string bytes = finalizeToBytes();
    writeFileAtomic(shell_.dataFile(kStatementFile), bytes);
    shell_.showStatement(kStatementFile);
    writeBackup();
    finalizarEnabled = false;
    shell_.refreshViewer();
}

}  // namespace ruvivavu::savings
