// The statement: a hand-checked golden file of a two-plan case and the single figures.
#include "core/dailysavings/statement.h"
#include "core/common/encoding.h"
#include "core/dailysavings/fixture.h"

namespace dailysavings_test {

namespace {

std::string text(const std::string& bytes) {
    return cp1252ToUtf8(bytes);
}

bool contains(const std::string& haystack, const std::string& needle) {
    return haystack.find(needle) != std::string::npos;
}

void onePlan(Calculator& c, const std::string& official, const std::string& required) {
    c.writeIndex({{"12/1988", "1"}, {"01/1989", "1"}, {"02/1989", "10"}, {"03/1989", "5"}});
    c.setPlans({{"Verão", "01/1989", "20,37", "", "NCz$", "LFT", official, "IPC", required, ""}});
    c.check(0);
    c.model.next();
    c.balance(1, "1", "1.000,00");
}

}  // namespace

TEST(Statement, TwoPlanCaseMatchesTheGoldenFileByteForByte) {
    Calculator c;
    typeTwoPlanCase(c);
    c.goTo(6);
    c.model.finish();
    const std::string golden =
        readFileBytes(std::string(RUVIVAVU_SOURCE_DIR) + "/tests/core/dailysavings/data/two_plans.html");
    EXPECT_EQ(readFileBytes(c.file("teste.html")), golden);
    // The figures checked by hand: 224,07 - 50,00 = 174,07 grown 6 % = 184,51; + 20,00 joining,
    // 4,4 %, / 10 = 21,35; + 3 % quarterly interest = 21,99; 3,3 % = 22,72; 2,75 % = 23,34.
    EXPECT_TRUE(contains(golden, "<b>TOTAL = 23,34 X 18,50% = 27,66</b>\r\n"));
    EXPECT_TRUE(contains(golden,
                         "<tr><td> Tabela: Poupan\xE7"
                         "a Di\xE1ria </td></tr>\r\r\n"));
    EXPECT_FALSE(c.model.finishEnabled);
    EXPECT_TRUE(c.model.backupExists());
}

TEST(Statement, SavingsInterestFiguresOfThePlan) {
    Calculator c;
    onePlan(c, "10", "42,72");
    c.goTo(6);
    const std::string s = text(c.model.finishToBytes());
    EXPECT_TRUE(contains(s, "<p><tr><td> 10 + 0,5% de juros = 10,5500% </td></tr>\r\n"));
    EXPECT_TRUE(contains(s, "<p><tr><td> 42,72 + 0,5% de juros = 43,4336% </td></tr>\r\n"));
    EXPECT_TRUE(contains(s, "<p><tr><td> 43,4336% - 10,5500% = <b>32,8836%</b> </td></tr>\r\n"));
    // Without a next plan-table row the currency before the value is empty.
    EXPECT_TRUE(contains(s, "= 1.000,00X 32,8836% = <b> 203,70</b></td></tr>\r\n"));
    EXPECT_TRUE(contains(s, "<Center>\r\n<b>TOTAL = 235,27</b>\r\n"));
}

TEST(Statement, CourtInterestTotalLine) {
    Calculator c;
    onePlan(c, "", "");
    c.goTo(6);
    c.model.sheet.setCell(5, c.model.sheet.rowCount() - 1, "1.000,00");
    c.model.courtInterest.setRowCount(4);
    c.model.courtInterest.setColCount(4);
    c.model.courtInterest.setRow(1, {"01/01/2000", "01/01/2001", "1", "12,0000"});
    c.model.courtInterest.setRow(2, {"01/01/2001", "01/07/2001", "1,0833", "6,5000"});
    c.model.courtInterest.setRow(3, {"", "", "Total", "18,50"});
    const std::string s = text(writeStatement(c.model));
    EXPECT_TRUE(contains(s, "<b>TOTAL = 1.000,00 X 18,50% = 1.185,00</b>\r\n"));
    // No index values: none of the savings-interest lines.
    EXPECT_FALSE(contains(s, "de juros ="));

    // Without an amount the court-interest total reckons with 0, the plain total shows the cell.
    c.model.sheet.setCell(5, c.model.sheet.rowCount() - 1, "");
    EXPECT_TRUE(contains(text(writeStatement(c.model)), "<b>TOTAL = 0 X 18,50% = 0,00</b>\r\n"));
    c.model.courtInterest.setCell(2, 1, "");
    EXPECT_TRUE(contains(text(writeStatement(c.model)), "<Center>\r\n<b>TOTAL = </b>\r\n"));
}

TEST(Statement, WithoutNotesAndWithoutMonthlyInterest) {
    Calculator c;
    onePlan(c, "10", "42,72");
    c.model.showNotes = false;
    c.goTo(6);
    const std::string s = text(c.model.finishToBytes());
    // From the header's "</span>" straight to the two empty rows.
    const std::string start =
        "<html><head>\r\n<title>Atualização</title>\r\n</head>\r\n<body>\r\n"
        "<span style=\"font-size:8.0pt;font-family:Arial\">\r\n</span>\r\n"
        "<tr><td><p>&nbsp;</p></td></tr>\r\n<tr><td><p>&nbsp;</p></td></tr>\r\n<tr><td><b> Valor";
    EXPECT_EQ(s.substr(0, start.size()), start);
    // "Não" for monthly interest: an empty "Juros" column and a column headed "Valor".
    EXPECT_TRUE(contains(s, "<td><div align=Right></div></td><td><div align=Right>Valor</div></td>\r\n</tr>"));
    EXPECT_EQ(c.model.sheet.cell(6, 2), "");
}

}  // namespace dailysavings_test

namespace dailysavings_test {

TEST(Statement, ACheckedPlanWithoutMonthHasNoNotes) {
    Calculator c;
    c.writeIndex({{"12/1988", "1"}, {"01/1989", "1"}, {"02/1989", "10"}, {"03/1989", "5"}});
    c.setPlans({{"Sem data", "", "1", "", "", "X", "1", "Y", "2", ""},
                {"Verão", "01/1989", "20,37", "", "NCz$", "LFT", "22,35", "IPC", "42,72", ""}});
    c.check(0);
    c.check(1);
    c.model.next();
    c.balance(1, "1", "1.000,00");
    c.goTo(6);
    const std::string s = text(c.model.finishToBytes());
    EXPECT_TRUE(contains(s,
                         "<p><tr><td>Verão - saldo em conta em 1/01/1989 = <b>NCz$1.000,00</b></td></tr>\r\n"
                         "<p><tr><td> Percentual de correção monetária com base na variação da LFT para 01/1989"));
    EXPECT_FALSE(contains(s, "variação da X"));
}

}  // namespace dailysavings_test
