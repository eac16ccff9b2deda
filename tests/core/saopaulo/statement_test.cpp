// The São Paulo court-debt statement: the fragments that carry the figures, as bytes.
#include "core/common/encoding.h"
#include "core/saopaulo/fixture.h"

namespace saopaulo_test {

namespace {

bool contains(const std::string& bytes, const std::string& utf8) {
    return bytes.find(utf8ToCp1252(utf8)) != std::string::npos;
}

}  // namespace

TEST(Statement, CourtInterestTotalInTheUpdateMonthsCurrency) {
    Calculator c;
    typeTwoPlanCase(c);
    c.model.courtInterest.setRow(1, {"01/12/1999", "01/01/2001", "1"});
    c.goTo(5);
    EXPECT_TRUE(c.model.finishEnabled);
    const std::string bytes = c.model.finishToBytes();
    const std::string span = "<span style=\"font-size:9.0pt;font-family:Arial\">\r\n";
    EXPECT_EQ(bytes.rfind(utf8ToCp1252("<html><head>\r\n<title>Atualização</title>\r\n</head>\r\n"), 0), 0u);
    EXPECT_TRUE(contains(bytes, "<body>\r\n" + span +
                                    "<tr><td><div align=Justify><b>Autor: José da Silva</b></div></td></tr>\r\n"
                                    "</span>\r\n" +
                                    span +
                                    "<tr><td></td></tr>\r\r\n"
                                    "<p><tr><td><b>Plano A - saldo em conta em 5/01/1989 = NCz$1.000,00"
                                    "</b></td></tr>\r\n"
                                    "<p><tr><td> Percentual de correção monetária com base na variação da LFT "
                                    "para 01/1989: 22,35. </td></tr>\r\n"));
    EXPECT_TRUE(
        contains(bytes,
                 "<p>&nbsp;</p>\r\n</span></table>\r\n"
                 "<table border =0 span style=\"font-size:9.0pt;font-family:Arial\">\r\n"
                 "<tr>\r\n<td><div align=Right>Data Inicial</div></td><td><div align=Right>Data Final</div></td>"
                 "<td><div align=Right>Valor</div></td><td><div align=Right>Índice de Correção</div></td>"
                 "<td><div align=Right>Valor Corrigido</div></td>\r\n</tr>\r\n"
                 "<tr>\r\n<td><div align=Right>05/02/1989</div></td><td><div align=Right>05/06/1990</div></td>"
                 "<td><div align=Right>NCz$ 100,00</div></td><td><div align=Right>:2 X 8</div></td>"
                 "<td><div align=Right>400,00</div></td>\r\n</tr>\r\n"));
    EXPECT_TRUE(contains(bytes,
                         "<tr>\r\n<td><div align=Right><b></b></div></td><td><div align=Right><b></b></div></td>"
                         "<td><div align=Right><b></b></div></td><td><div align=Right><b>Total</b></div></td>"
                         "<td><div align=Right><b>Cr$ 800,00</b></div></td>\r\n</tr>\r\n</table>\r\n" +
                             span +
                             "<tr><td> Tabela: Débitos Judiciais Tribunal de Justiça de São Paulo </td></tr>\r\n"
                             "</span>\r\n<p>&nbsp;</p>\r\n<div align=\"center\">\r\n<center>\r\n" +
                             span + "<b>JUROS</b>\r\n"));
    EXPECT_TRUE(contains(bytes,
                         "<td><div align=Right>Total</div></td><td><div align=Right>12,00</div></td>\r\n</tr>\r\n"
                         "</table>\r\n<p>&nbsp;</p>\r\n" +
                             span +
                             "<b>TOTAL = Cr$ 800,00 X 12,00% = Cr$ 896,00</b>\r\n<p>&nbsp;</p>\r\n"
                             "</center>\r\n</div>\r\n<p>&nbsp;</p>\r\n"
                             "<tr><td><div align=Justify>São Paulo, 1º de março de 1990.</div></td></tr>\r\n"
                             "</span></table>\r\n</body></html>\r\n"));
    EXPECT_EQ(bytes.size() - bytes.rfind("</body></html>\r\n"), 16u);
}

TEST(Statement, WithoutCourtInterestOrNotes) {
    Calculator c;
    typeTwoPlanCase(c);
    c.model.showNotes = false;
    c.goTo(5);
    const std::string bytes = c.model.finishToBytes();
    const std::string span = "<span style=\"font-size:9.0pt;font-family:Arial\">\r\n";
    EXPECT_TRUE(contains(bytes, "</b></div></td></tr>\r\n</span>\r\n<p>&nbsp;</p>\r\n</span></table>\r\n"));
    EXPECT_TRUE(contains(bytes, "<p>&nbsp;</p>\r\n<div align=\"Center\">\r\n<Center>\r\n" + span +
                                    "<b>TOTAL = Cr$ 800,00</b>\r\n<p>&nbsp;</p>\r\n</Center>\r\n</div>\r\n"));
    EXPECT_FALSE(contains(bytes, "JUROS"));
}

}  // namespace saopaulo_test
