// The statement jfgts.html: where its table ends, its total and its markup byte for byte.
#include "core/progressiveinterest/statement.h"
#include "core/common/encoding.h"
#include "core/progressiveinterest/sheet.h"
#include "fixture.h"

#include <gtest/gtest.h>

using namespace ruvivavu;
using namespace ruvivavu::progressiveinterest;

namespace {

// 194 rows: months "m1" to "m193", with "jul/94" at row 100 and the currency "R$" in row 5.
StringGrid fullSheet() {
    StringGrid sheet(kSheetColumns, kRows, 1, 1);
    for (int row = 1; row < kRows; ++row) sheet.setCell(kMonth, row, "m" + std::to_string(row));
    sheet.setCell(kMonth, 100, "jul/94");
    sheet.setCell(kCurrency, 100, "R$");
    sheet.setCell(kAccumulated, 100, "1.234,56");
    sheet.setCell(kCurrency, 5, "R$");
    return sheet;
}

TEST(ProgressiveInterestStatement, TableEndsAtTheRowHoldingTheEndMonth) {
    struct Case {
        const char* endMonth;
        int last;
    };
    const StringGrid sheet = fullSheet();
    for (const Case& c : {Case{"jul/94", 100}, Case{"nenhum", 193}, Case{"", 1}, Case{"m1", 1}, Case{"R$", 5},
                          Case{"m193", 193}, Case{"JUL/94", 193}})
        EXPECT_EQ(lastStatementRow(sheet, c.endMonth), c.last) << c.endMonth;
    EXPECT_EQ(totalDue(sheet, 100), "jul/94 = R$ 1.234,56");
    EXPECT_EQ(totalDue(sheet, 193), "m193 =  ");
}

TEST(ProgressiveInterestStatement, HandCheckedStatement) {
    StringGrid sheet = progressive_test::sheetOf({{"jan/87", "1", "", "", "0,5", "0,00", "", "Cz$"},
                                                  {"fev/87", "1", "", "", "0,5", "0,00", "", "Cz$"},
                                                  {"mar/87", "1", "", "", "0,5", "0,00", "", "Cz$"}});
    recalc(progressive_test::valuesOf(sheet, {"100", "100", "100"}), sheet, false);
    const std::string expected = utf8ToCp1252(
        "<html><head>\r\n<title>Diferenças dos Juros Progressivos no FGTS</title>\r\n</head>\r\n"
        "<body>\r\n"
        "<span style=\"font-size:10.0pt;font-family:Times New Roman\">\r\n"
        "<tr><td><div align=Justify><p><b>Reclamante: João da Silva</b></p></div></td></tr>\r\n"
        "<tr><td><div align=Justify><p><b></b></p></div></td></tr>\r\n"
        "<tr><td><div align=Justify><p><b>Processo nº 123/2005</b></p></div></td></tr>\r\n"
        "</span>\r\n"
        "<body>\r\n<table border =0 span style=\"font-size:10.0pt;font-family:Times New Roman\">\r\n\r\n"
        "<tr>\r\n"
        "<td><div align=Right><b>Mês</b></div></td><td><div align=Right><b>a</b></div></td>"
        "<td><div align=Right><b>b</b></div></td><td><div align=Right><b>c</b></div></td>"
        "<td><div align=Right><b>d4</b></div></td><td><div align=Right><b>d5</b></div></td>"
        "<td><div align=Right><b>d6</b></div></td><td><div align=Right><b>e</b></div></td>"
        "<td><div align=Right><b>f</b></div></td><td><div align=Right><b>g</b></div></td>"
        "<td><div align=Right><b>Acumulado (h)</b></div></td>"
        "<td><div align=Right><b>Moeda</b></div></td>"
        "\r\n</tr>\r\n"
        "<tr>\r\n"
        "<td><div align=Right>jan/87</div></td><td><div align=Right>100,00</div></td>"
        "<td><div align=Right>1</div></td><td><div align=Right>100,00</div></td>"
        "<td><div align=Right></div></td><td><div align=Right></div></td>"
        "<td><div align=Right>0,5</div></td><td><div align=Right>50,00</div></td>"
        "<td><div align=Right>-50,00</div></td><td><div align=Right>0,00</div></td>"
        "<td><div align=Right>-50,00</div></td><td><div align=Right>Cz$</div></td>"
        "\r\n</tr>\r\n"
        "<tr>\r\n"
        "<td><div align=Right>fev/87</div></td><td><div align=Right>100,00</div></td>"
        "<td><div align=Right>1</div></td><td><div align=Right>100,00</div></td>"
        "<td><div align=Right></div></td><td><div align=Right></div></td>"
        "<td><div align=Right>0,5</div></td><td><div align=Right>50,00</div></td>"
        "<td><div align=Right>-50,00</div></td><td><div align=Right>-25,00</div></td>"
        "<td><div align=Right>-125,00</div></td><td><div align=Right>Cz$</div></td>"
        "\r\n</tr>\r\n"
        "</table>\r\n"
        "<BR><B>VALOR TOTAL DEVIDO EM: fev/87 = Cz$ -125,00</B></BR>\r\n"
        "<BR></BR>\r\n"
        "<BR><B>SISTEMÁTICA DO CÁLCULO:</B></BR>\r\n"
        "<BR><B>Coluna c</B> = a ÷ b</BR>\r\n"
        "<BR><B>Coluna e</B> = c x d</BR>\r\n"
        "<BR><B>Coluna f</B> = e - a</BR>\r\n"
        "<BR><B>Coluna g</B> = h(valor anterior) x d</BR>\r\n"
        "<BR><B>Coluna h</B> = h(valor anterior)+ f + g</BR>\r\n"
        "<BR><B>CONVERSÃO DE MOEDA</B></BR>\r\n"
        "<BR><B>mar/86:</B> ÷ 1000</BR>\r\n"
        "<BR><B>mar/89:</B> ÷ 1000</BR>\r\n"
        "<BR><B>mar/90:</B> ÷ 1</BR>\r\n"
        "<BR><B>ago/93:</B> ÷ 1000</BR>\r\n"
        "<BR><B>jul/94:</B> ÷ 2750</BR>\r\n"
        "<p>&nbsp;</p>\r\n"
        "</body></html>\r\n");
    EXPECT_EQ(writeStatement({"Reclamante: João da Silva", "", "Processo nº 123/2005"}, sheet, "fev/87",
                             "font-size:10.0pt;font-family:Times New Roman"),
              expected);
}

}  // namespace
