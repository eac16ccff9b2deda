// The month-by-month sheet, court interest and monthly interest: the worked examples.
#include "core/common/errors.h"
#include "core/dailysavings/fixture.h"
#include "core/dailysavings/interest.h"

namespace dailysavings_test {

namespace {

// One plan "Verão" 01/1989 (20,37 %) with balance 1.000,00 on day 1; end month `end`.
void onePlan(Calculator& c, const std::vector<IndexRow>& index, const std::string& end) {
    c.writeIndex(index);
    c.setPlans({{"Verão", "01/1989", "20,37", "", "NCz$"}});
    c.check(0);
    c.model.chosenPlans.setCell(1, 2, end);
    c.model.next();
    c.balance(1, "1", "1.000,00");
}

std::vector<IndexRow> verao() {
    return {{"12/1988", "28"}, {"01/1989", "22"}, {"02/1989", "10"}, {"03/1989", "5"}, {"04/1989", "2"}};
}

std::vector<std::string> amounts(const StringGrid& sheet, int col) {
    std::vector<std::string> out;
    for (int r = 1; r < sheet.rowCount(); ++r) out.push_back(sheet.cell(col, r));
    return out;
}

}  // namespace

TEST(Sheet, OnePlanGivesOneRowPerCreditMonthAndTheFinalRow) {
    Calculator c;
    onePlan(c, verao(), "03/1989");
    c.goTo(5);
    const StringGrid& s = c.sheet();
    ASSERT_EQ(s.rowCount(), 4);
    // Row 1: credit 02/1989 with V = 1.000,00 x 20,37 %.
    EXPECT_EQ(s.cell(4, 1), "02/1989");
    EXPECT_EQ(s.cell(5, 1), "203,70");
    EXPECT_EQ(s.cell(1, 1), "");
    // Row 2: period 02/1989 (10 %), credit 03/1989.
    EXPECT_EQ(s.row(2), (std::vector<std::string>{"NCz$", "02/1989", "10", "NCz$", "03/1989", "224,07", "0", "224,07",
                                                  "", "", "", "0", "", "", "", ""}));
    // Row 3: period 03/1989 (5 %), no credit month: 224,07 x 1,05 = 235,2735.
    EXPECT_EQ(s.cell(1, 3), "03/1989");
    EXPECT_EQ(s.cell(4, 3), "");
    EXPECT_EQ(s.cell(5, 3), "235,27");
    EXPECT_EQ(s.cell(7, 3), "");

    // An earlier end month shortens the sheet.
    c.model.previous();
    c.model.previous();
    c.model.previous();
    c.model.previous();
    c.model.chosenPlans.setCell(1, 2, "02/1989");
    c.goTo(5);
    EXPECT_EQ(c.sheet().rowCount(), 3);
    EXPECT_EQ(c.sheet().cell(5, 2), "224,07");
}

TEST(Sheet, AmountPaidInMonthMIsSubtractedInTheRowOfMonthMPlusOne) {
    Calculator c;
    onePlan(c, verao(), "04/1989");
    c.model.paidBack.setRow(1, {"02/1989", "Valor incontroverso", "100"});
    c.model.paidBack.setRow(2, {"03/1989", "sem valor", ""});
    c.goTo(5);
    const StringGrid& s = c.sheet();
    EXPECT_EQ(s.cell(8, 2), "Valor incontroverso");
    EXPECT_EQ(s.cell(11, 2), "100,00");
    // (203,70 - 100,00) x 1,10 = 114,07; x 1,05 = 119,7735 stored as 119,77; x 1,02 = 122,1654
    EXPECT_EQ(amounts(s, 5), (std::vector<std::string>{"203,70", "114,07", "119,77", "122,17"}));
    EXPECT_EQ(s.cell(8, 3), "");
    EXPECT_EQ(s.cell(11, 3), "0");

    c.model.finishToBytes();
    EXPECT_EQ(s.cell(11, 2), "-100,00");
    EXPECT_EQ(s.cell(11, 3), "0");
    EXPECT_EQ(s.cell(11, 1), "");
    // "Finalizar" again (its file could not be written): still one "-".
    c.model.finishToBytes();
    EXPECT_EQ(s.cell(11, 2), "-100,00");
}

TEST(Sheet, AmountPaidInTheMonthAPlanJoinsIsSubtractedOnce) {
    Calculator c;
    c.writeIndex(Calculator::months("12/1988", 8, "0"));
    c.setPlans({{"Plano A", "01/1989", "10", "", "NCz$"}, {"Plano B", "03/1989", "10", "", "NCz$"}});
    c.check(0);
    c.check(1);
    c.model.chosenPlans.setCell(1, 3, "05/1989");
    c.model.next();
    c.balance(1, "1", "1.000,00");
    c.balance(2, "1", "1.000,00");
    // Plan B joins in the row crediting 04/1989; 10,00 were paid in 04/1989, nothing in 03/1989.
    ASSERT_EQ(c.model.paidBack.cell(0, 3), "04/1989");
    c.model.paidBack.setRow(3, {"04/1989", "Pago", "10"});
    c.goTo(5);
    const StringGrid& s = c.sheet();
    EXPECT_EQ(amounts(s, 4), (std::vector<std::string>{"02/1989", "03/1989", "04/1989", "05/1989", ""}));
    EXPECT_EQ(amounts(s, 11), (std::vector<std::string>{"", "0", "0", "10,00", "0"}));
    EXPECT_EQ(amounts(s, 8), (std::vector<std::string>{"", "", "", "Pago", ""}));
    // 100,00 carried, 10,00 paid, 100,00 of plan B joining: 190,00.
    EXPECT_EQ(amounts(s, 5), (std::vector<std::string>{"100,00", "100,00", "100,00", "190,00", "190,00"}));
}

TEST(Sheet, JoiningPlanUsesItsOwnCurrencyDivisor) {
    Calculator c;
    c.writeIndex(Calculator::months("12/1988", 8, "0"));
    // The first table row has a divisor; the chosen plans are rows 2 and 3.
    c.setPlans({{"Antigo", "12/1988", "1", "1000", "Cz$"},
                {"Plano A", "01/1989", "10", "", "NCz$"},
                {"Plano B", "03/1989", "10", "4", "NCz$"}});
    c.check(1);
    c.check(2);
    c.model.chosenPlans.setCell(1, 3, "05/1989");
    c.model.next();
    c.balance(1, "1", "1.000,00");
    c.balance(2, "1", "1.000,00");
    c.goTo(5);
    const StringGrid& s = c.sheet();
    // Row 4 (period 04/1989, plan B's base month) receives plan B: its value 25,00 and the
    // carried 100,00 over plan B's divisor 4 (not the first table row's 1000).
    EXPECT_EQ(s.cell(15, 4), "Plano B");
    EXPECT_EQ(s.cell(12, 4), "25,00");
    EXPECT_EQ(s.cell(13, 4), "25,00");
    EXPECT_EQ(s.cell(14, 4), "50,00");
    EXPECT_EQ(s.cell(5, 4), "125,00");
}

TEST(Sheet, CurrencyDivisorAndIndexOverride) {
    Calculator c;
    auto index = verao();
    index[2].divisor = "1000";  // 02/1989
    index[2].currency = "Cr$";
    onePlan(c, index, "03/1989");
    c.yieldOverrides.grid.setRowCount(3);
    c.yieldOverrides.grid.setRow(1, {"03/1989", "50", "Sim"});
    c.yieldOverrides.grid.setRow(2, {"03/1989", "70", "Não"});
    c.goTo(5);
    const StringGrid& s = c.sheet();
    // 203,70 x 1,10 / 1000 = 0,22407
    EXPECT_EQ(s.cell(5, 2), "0,22");
    EXPECT_EQ(s.cell(0, 2), "Cr$");
    EXPECT_EQ(s.cell(3, 1), "Cr$");
    // 0,22 x 1,50 = 0,33
    EXPECT_EQ(s.cell(2, 3), "50");
    EXPECT_EQ(s.cell(5, 3), "0,33");
}

// A sheet whose build stopped half-way is never finished into a statement: the wizard steps back
// to page 4 with the sheet emptied and "Finalizar" off, and builds it again on the next "Próximo".
TEST(Sheet, FailedBuildLeavesNoSheetToFinish) {
    Calculator c;
    auto index = verao();
    onePlan(c, index, "03/1989");
    c.goTo(6);
    ASSERT_TRUE(c.model.finishEnabled);
    c.model.previous();
    c.model.previous();
    index[3].rate = "";  // the yield of 03/1989 is gone now
    c.writeIndex(index);
    EXPECT_THROW(c.model.next(), ConversionError);
    EXPECT_EQ(c.model.page, 4);
    EXPECT_FALSE(c.model.finishEnabled);
    EXPECT_EQ(c.sheet().rowCount(), 2);
    EXPECT_EQ(c.sheet().cell(5, 1), "");

    c.writeIndex(verao());
    c.model.next();
    EXPECT_EQ(c.sheet().cell(5, 2), "224,07");
}

TEST(CourtInterest, PeriodsProRataAndTotal) {
    Calculator c;
    EXPECT_EQ(courtInterestPercent("1", "15/01/2000", "20/03/2000", false), "2,0000");
    EXPECT_EQ(courtInterestPercent("1", "15/01/2000", "20/03/2000", true), "2,1667");
    EXPECT_EQ(courtInterestPercent("1", "15/01/2000", "15/01/2000", true), "0,0000");

    StringGrid& j = c.model.courtInterest;
    j.setRowCount(5);
    j.setRow(1, {"01/01/2000", "01/01/2001", "1"});
    j.setRow(2, {"", "", ""});
    j.setRow(3, {"01/01/2000", "01/07/2000", "1,0833"});
    j.setRow(4, {"01/01/2000", "", "1"});  // no end date: no result, kept
    computeCourtInterest(j, false);
    ASSERT_EQ(j.rowCount(), 5);
    EXPECT_EQ(j.cell(3, 1), "12,0000");
    EXPECT_EQ(j.cell(3, 2), "6,4998");
    EXPECT_EQ(j.cell(3, 3), "");
    EXPECT_EQ(j.row(4), (std::vector<std::string>{"", "", "Total", "18,50"}));
    // Reaching the page again rebuilds the total instead of adding a second one.
    j.setCell(2, 2, "1,0834");
    computeCourtInterest(j, false);
    ASSERT_EQ(j.rowCount(), 5);
    EXPECT_EQ(j.cell(3, 4), "18,50");
}

TEST(MonthlyInterest, QuarterlyCreditsEveryThirdMonthAndRestartsEachBuild) {
    Calculator c;
    c.model.monthlyInterest.setRow(1, {"01/02/1989", "31/12/1989", "1", "Sim"});
    std::vector<Number> got;
    MonthlyInterest quarterly(c.model.monthlyInterest);
    for (const char* d : {"01/02/1989", "01/03/1989", "01/04/1989", "01/05/1989", "01/06/1989", "01/07/1989"})
        got.push_back(quarterly.rateFor(StrToDate(d)));
    EXPECT_EQ(got, (std::vector<Number>{0, 0, 3, 0, 0, 3}));

    // A plain row; a later overlapping row decides the month.
    c.model.monthlyInterest.setRow(1, {"01/02/1989", "31/12/1989", "0,5", "Não"});
    c.model.monthlyInterest.setRow(2, {"01/06/1989", "30/06/1989", "2", "Não"});
    MonthlyInterest plain(c.model.monthlyInterest);
    EXPECT_EQ(plain.rateFor(StrToDate("01/05/1989")), 0.5L);
    EXPECT_EQ(plain.rateFor(StrToDate("01/06/1989")), 2.0L);
    c.model.monthlyInterest.setRow(2, {"", "", "", "Não"});

    // In the sheet: every row but the first asks for its month, in order.
    auto index = Calculator::months("12/1988", 12, "0");
    c.writeIndex(index);
    c.setPlans({{"Verão", "01/1989", "20,37", "", "NCz$"}});
    c.check(0);
    c.model.chosenPlans.setCell(1, 2, "08/1989");
    c.model.setWithMonthlyInterest(true);
    c.model.monthlyInterest.setRow(1, {"01/02/1989", "31/12/1989", "1", "Sim"});
    c.goTo(1);
    c.balance(1, "1", "1.000,00");
    c.goTo(5);
    const std::vector<std::string> expected{"", "0,00", "0,00", "3,00", "0,00", "0,00", "3,00", ""};
    EXPECT_EQ(amounts(c.sheet(), 6), expected);
    // 203,70 + 3 % = 209,81 in the credit month 05/1989 (row 4), carried on.
    EXPECT_EQ(c.sheet().cell(7, 4), "209,81");
    EXPECT_EQ(c.sheet().cell(5, 5), "209,81");
    // Walking back and forth rebuilds the same figures.
    c.model.previous();
    c.model.next();
    EXPECT_EQ(amounts(c.sheet(), 6), expected);
}

}  // namespace dailysavings_test

namespace dailysavings_test {

TEST(Sheet, BaseMonthMissingFromTheTableIsReported) {
    Calculator c;
    // The plan month is the table's last month: its base month is not in the table.
    onePlan(c, verao(), "04/1989");
    c.model.chosenPlans.setCell(1, 1, "04/1989");
    c.model.differences.setCell(3, 1, "05/1989");
    c.goTo(4);
    try {
        c.model.next();
        FAIL();
    } catch (const UserMessage& e) {
        EXPECT_STREQ(e.what(), "A data 05/1989 não existe na tabela, atualize o índice");
    }
    // The sheet that could not be built is gone and the wizard is back on page 4.
    EXPECT_EQ(c.model.page, 4);
    EXPECT_EQ(c.sheet().cell(5, 1), "");
}

// The shipped savings table: a Bresser claim for an account with anniversary day 15 reads the
// day-15 column in every month, and from 02/1991 on that column holds the day's own yield, not the
// day-1 yield (in 1994 the two are far apart).
TEST(Sheet, ShippedTableGivesAnniversaryDay15ItsOwnYieldsFrom1991On) {
    Calculator c;
    std::filesystem::copy_file(std::string(RUVIVAVU_SOURCE_DIR) + "/data/zurivodo13.tab", c.file("zurivodo13.tab"));
    ASSERT_TRUE(c.shell.loadIndice("zurivodo13.tab"));
    const StringGrid table = c.shell.indice;
    c.setPlans({{"Plano Bresser", "06/1987", "8,0796975", "", "Cz$", "LBC", "18,0205", "IPC", "26,06", ""}});
    c.check(0);
    c.model.chosenPlans.setCell(1, 2, "12/1996");
    c.model.next();
    c.balance(1, "15", "196.992,00");
    c.goTo(5);
    const StringGrid& s = c.sheet();

    auto tableRow = [&](const std::string& month) {
        for (int t = 1; t < table.rowCount(); ++t)
            if (table.cell(0, t) == month) return t;
        return -1;
    };
    int checked = 0;
    int differFromDay1 = 0;
    for (int r = 1; r < s.rowCount(); ++r) {
        const std::string month = s.cell(1, r);
        if (month.size() != 7 || month.substr(3) + month.substr(0, 2) < "199102") continue;
        const int t = tableRow(month);
        ASSERT_GE(t, 1) << month;
        EXPECT_EQ(s.cell(2, r), table.cell(15, t)) << month;
        if (table.cell(15, t) != table.cell(1, t)) ++differFromDay1;
        ++checked;
    }
    EXPECT_EQ(checked, 71);  // 02/1991 .. 12/1996
    EXPECT_GT(differFromDay1, 60);

    // A 1994 row, against the table's day-15 column and not its day-1 column.
    for (int r = 1; r < s.rowCount(); ++r) {
        if (s.cell(1, r) != "06/1994") continue;
        const int t = tableRow("06/1994");
        EXPECT_EQ(s.cell(2, r), table.cell(15, t));
        EXPECT_NE(s.cell(2, r), table.cell(1, t));
        return;
    }
    FAIL() << "no 06/1994 row in the sheet";
}

}  // namespace dailysavings_test
