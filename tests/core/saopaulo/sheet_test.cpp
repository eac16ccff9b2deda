// The sheet and the court interest of the São Paulo court-debt calculator: worked examples.
#include "core/saopaulo/sheet.h"
#include "core/common/errors.h"
#include "core/saopaulo/fixture.h"

namespace saopaulo_test {

TEST(Sheet, DifferenceUpdatedByTheRatioOfTheFactors) {
    Calculator c;
    c.writeFactors({{"01/1989", "1", "NCz$"}, {"02/1989", "2", "NCz$"}, {"03/1989", "5", "NCz$"}});
    c.setPlans({{"Plano A", "01/1989", "10", "", "NCz$", "LFT", "", "IPC", "", ""}});
    c.check(0);
    EXPECT_EQ(c.model.chosenPlans.cell(0, 2), "Data Atual");
    EXPECT_EQ(c.model.chosenPlans.cell(1, 2), "03/1989");
    c.model.next();
    c.balance(1, "3", "1.000,00");
    c.goTo(4);
    EXPECT_EQ(c.model.differences.cell(4, 1), "100,00");
    const StringGrid& s = c.model.sheet;
    ASSERT_EQ(s.rowCount(), 3);
    EXPECT_EQ(s.row(1), (std::vector<std::string>{"03/02/1989", "03/03/1989", "NCz$ 100,00", ":2 X 5", "250,00"}));
    EXPECT_EQ(s.cell(3, 2), "Total");
    EXPECT_EQ(s.cell(4, 2), "NCz$ 250,00");
}

TEST(Sheet, TwoPlansTotalInRowThreeWithTheUpdateMonthsCurrency) {
    Calculator c;
    typeTwoPlanCase(c);
    c.model.next();
    const StringGrid& s = c.model.sheet;
    ASSERT_EQ(s.rowCount(), 4);
    EXPECT_EQ(s.row(1), (std::vector<std::string>{"05/02/1989", "05/06/1990", "NCz$ 100,00", ":2 X 8", "400,00"}));
    EXPECT_EQ(s.row(2), (std::vector<std::string>{"15/04/1989", "15/06/1990", "NCz$ 200,00", ":4 X 8", "400,00"}));
    EXPECT_EQ(s.cell(3, 3), "Total");
    EXPECT_EQ(s.cell(4, 3), "Cr$ 800,00");
}

TEST(Sheet, ShippedTableCruzadosOf1988UpdatedToReais2002) {
    Calculator c;
    c.useShippedFactors();
    c.setPlans({{"Plano Bresser", "12/1987", "10", "", "Cz$", "LBC", "", "IPC", "", ""}});
    c.check(0);
    c.model.chosenPlans.setCell(1, 2, "01/2002");
    c.model.next();
    c.balance(1, "1", "10.000,00");
    c.goTo(4);
    const StringGrid& s = c.model.sheet;
    EXPECT_EQ(s.cell(2, 1), "Cz$ 1.000,00");
    EXPECT_EQ(s.cell(3, 1), ":596,94 X 24,517690");
    // 1.000,00 ÷ 596,94 × 24,517690 = 41,0720...
    EXPECT_EQ(s.cell(4, 1), "41,07");
    EXPECT_EQ(s.cell(4, 2), "R$ 41,07");
}

TEST(Sheet, MonthWithoutFactorIsReportedNotReplacedByAnotherPlans) {
    Calculator c;
    typeTwoPlanCase(c);
    // The second plan's base month 04/1989 leaves the table.
    c.writeFactors({{"01/1989", "1", "NCz$"}, {"02/1989", "2", "NCz$"}, {"06/1990", "8", "Cr$"}});
    c.model.page = 3;
    try {
        c.model.next();
        FAIL() << "no message";
    } catch (const UserMessage& m) {
        EXPECT_STREQ(m.what(), "A data 04/1989 não existe na tabela, atualize o índice");
    }
    EXPECT_EQ(c.model.page, 3);
    EXPECT_FALSE(c.model.finishEnabled);
    EXPECT_EQ(c.model.sheet.rowCount(), 2);
    EXPECT_EQ(c.model.sheet.cell(4, 1), "");

    // An update month the table lacks is reported the same way.
    c.model.chosenPlans.setCell(1, 3, "07/1990");
    try {
        c.model.next();
        FAIL() << "no message";
    } catch (const UserMessage& m) {
        EXPECT_STREQ(m.what(), "A data 07/1990 não existe na tabela, atualize o índice");
    }
}

TEST(CourtInterest, CompoundOnePercentForTwelveMonths) {
    EXPECT_EQ(compoundInterestPercent("1", "01/01/2000", "01/01/2001"), "12,68");
    EXPECT_EQ(compoundInterestPercent("0,5", "15/03/2000", "15/03/2000"), "0,00");
}

TEST(CourtInterest, FirstPeriodStartsOneMonthLater) {
    StringGrid simple(3, 3, 0, 1);
    simple.setRow(1, {"01/12/1999", "01/01/2001", "1"});
    simple.setRow(2, {"01/01/2001", "01/07/2001", "1"});
    StringGrid compound = simple;
    computeCourtInterest(simple, false, false);
    EXPECT_EQ(simple.cell(3, 1), "12,0000");
    EXPECT_EQ(simple.cell(3, 2), "6,0000");
    EXPECT_EQ(simple.row(3), (std::vector<std::string>{"", "", "Total", "18,00"}));
    computeCourtInterest(compound, false, true);
    EXPECT_EQ(compound.cell(3, 1), "12,68");
    EXPECT_EQ(compound.cell(3, 2), "6,15");
    EXPECT_EQ(compound.cell(3, 3), "18,83");
}

}  // namespace saopaulo_test
