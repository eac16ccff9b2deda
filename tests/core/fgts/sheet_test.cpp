// The FGTS purge computation: lookups, the plan rows, the totals and closing rows, the wizard.
#include "core/fgts/sheet.h"

#include "core/shell/shell.h"

#include "core/common/errors.h"
#include "core/common/indextable.h"
#include "core/common/text.h"
#include "fixture.h"

#include <gtest/gtest.h>

using namespace ruvivavu;
using namespace ruvivavu::fgts;

namespace {

std::vector<std::string> rowOf(const StringGrid& g, int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < kSheetColumns; ++c) cells.push_back(g.cell(c, row));
    return cells;
}

const std::vector<std::string> kBlank(kSheetColumns, "");

StringGrid freshSheet() {
    StringGrid sheet(kSheetColumns, 5, 0, 1);
    writeHeadings(sheet);
    return sheet;
}

StringGrid compute(const Fields& f, const StringGrid& indice = fgts_test::tableGrid()) {
    StringGrid sheet = freshSheet();
    computeSheet(f, indice, sheet);
    return sheet;
}

}  // namespace

TEST(FgtsLookup, DateOnFirstDayTakesItsMonthAndLaterDayTheNextMonth) {
    const StringGrid t = fgts_test::tableGrid();
    EXPECT_EQ(jamCoefficient(t, StrToDate("01/06/2005"), true, false), RemovePonto("3,456789"));
    EXPECT_EQ(jamCoefficient(t, StrToDate("15/06/2005"), true, false), RemovePonto("3,500000"));
    EXPECT_EQ(jamCoefficient(t, StrToDate("15/06/2005"), false, true), RemovePonto("3,700000"));
    // Past the table's last month, and with no rate chosen: no coefficient.
    EXPECT_EQ(jamCoefficient(t, StrToDate("02/07/2005"), true, false), 0);
    EXPECT_EQ(jamCoefficient(t, StrToDate("01/06/2005"), false, false), 0);
}

TEST(FgtsLookup, DuplicateMonthTakesCurrencyFromLaterRowAndCoefficientFromEarlier) {
    const StringGrid t = fgts_test::tableGrid(
        "M\tA\tB\tC\tD\tE\tJ3\tJ6\tMoeda\t\r\n"
        "06/2005\tx\tx\tx\tx\tx\t1,100000\t1,200000\tCr$\t\r\n"
        "06/2005\tx\tx\tx\tx\tx\t9,900000\t9,800000\tR$\t\r\n");
    EXPECT_EQ(currencyOf(t, "01/06/2005", kJamCurrencyColumn), "R$ ");
    EXPECT_EQ(currencyOf(t, "06/2005", kJamCurrencyColumn), "R$ ");
    EXPECT_EQ(jamCoefficient(t, StrToDate("01/06/2005"), true, false), RemovePonto("1,100000"));
    EXPECT_EQ(currencyOf(t, "01/08/2005", kJamCurrencyColumn), "");
}

TEST(FgtsLookup, InterestMonthsAreWholeMonths) {
    EXPECT_EQ(monthsOfInterest(StrToDate("09/01/2001"), StrToDate("10/01/2000")), 11);
    EXPECT_EQ(monthsOfInterest(StrToDate("10/01/2001"), StrToDate("10/01/2000")), 12);
    EXPECT_EQ(monthsOfInterest(StrToDate("01/06/2005"), StrToDate("10/01/2000")), 64);
    EXPECT_EQ(monthsOfInterest(StrToDate("10/01/2000"), StrToDate("10/01/2000")), 0);
    EXPECT_EQ(monthsOfInterest(StrToDate("01/01/2000"), StrToDate("10/01/2000")), 0);
}

TEST(FgtsPlanilha, WorkedCaseBothPlansWithInterestFeesAndCosts) {
    const StringGrid p = compute(fgts_test::workedCase());
    ASSERT_EQ(p.rowCount(), 12);
    EXPECT_EQ(rowOf(p, 0), (std::vector<std::string>{"<b>Data</b>", "<b>Valor original</b>", "<b>Diferença</b>",
                                                     "<b>Valor da JAM</b>", "<b>Valor Corrigido</b>", "<b>Juros</b>",
                                                     "<b>Total</b>"}));
    // 1.234,56 x 0,355693 = 439,12; 3,456789 / 1,234567 = 2,800001; 64 months at 0,5 %.
    EXPECT_EQ(rowOf(p, 1), (std::vector<std::string>{"03/89", "NCz$ 1.234,56", "439,12", "2,800001", "1.229,54",
                                                     "393,45", "1.622,99"}));
    EXPECT_EQ(rowOf(p, 2), (std::vector<std::string>{"05/90", "Cr$ 2.345,67", "427.189,69", "1,473684", "629.542,61",
                                                     "201.453,64", "830.996,25"}));
    EXPECT_EQ(rowOf(p, 3), kBlank);
    EXPECT_EQ(p.cell(4, 4), "<b>R$ 630.772,15</b>");
    EXPECT_EQ(p.cell(5, 4), "<b>R$ 201.847,09</b>");
    EXPECT_EQ(p.cell(6, 4), "<b>R$ 832.619,24</b>");
    EXPECT_EQ(p.cell(6, 5), "R$ 83.261,92");
    EXPECT_EQ(p.cell(6, 6), "R$ 150,00");
    EXPECT_EQ(p.cell(3, 7), "01/06/2005");
    EXPECT_EQ(p.cell(6, 7), "<b>R$ 916.031,16</b>");
    EXPECT_EQ(rowOf(p, 8), kBlank);
    EXPECT_EQ(p.cell(6, 10), "<b>6,00%</b>");
    EXPECT_EQ(p.cell(2, 11), "<b>Indexador aplicado: </b>");
}

TEST(FgtsPlanilha, NeitherPlanStillGivesEveryTotalsRow) {
    Fields f;
    f.withVerao = f.withCollor = false;
    f.withCosts = true;
    f.withFees = true;
    f.feePercent = "20,00";
    f.costs = "99,90";
    f.updateDate = "  /  /    ";  // not read when no plan is computed
    const StringGrid p = compute(f);
    ASSERT_EQ(p.rowCount(), 11);
    for (int row : {1, 2, 3, 8}) EXPECT_EQ(rowOf(p, row), kBlank) << row;
    EXPECT_EQ(p.cell(6, 4), "<b>0,00</b>");
    EXPECT_EQ(p.cell(6, 5), "0,00");
    EXPECT_EQ(p.cell(6, 6), "99,90");
    EXPECT_EQ(p.cell(6, 7), "<b>99,90</b>");
    EXPECT_EQ(p.cell(6, 9), "<b>3%</b>");
    EXPECT_EQ(p.cell(6, 10), "<b>Tabela JAM</b>");
}

TEST(FgtsPlanilha, OnlyCollorLeavesRowOneBlankAndUsesSixPercentFactor) {
    Fields f;
    f.withVerao = false;
    f.jam3 = false;
    f.jam6 = true;
    f.updateDate = "15/06/2005";  // takes July's coefficient
    f.collorBalance = "1.000,00";
    const StringGrid p = compute(f);
    EXPECT_EQ(rowOf(p, 1), kBlank);
    // 1.000,00 x 92,496404; 3,700000 / 2,500000.
    EXPECT_EQ(rowOf(p, 2), (std::vector<std::string>{"05/90", "Cr$ 1.000,00", "92.496,40", "1,480000", "136.894,67",
                                                     "0,00", "136.894,67"}));
    // The currency is the update date's own month, though the coefficient is July's.
    EXPECT_EQ(p.cell(4, 4), "<b>R$ 136.894,67</b>");
    EXPECT_EQ(p.cell(6, 7), "<b>6%</b>");
    ASSERT_EQ(p.rowCount(), 9);
    EXPECT_EQ(p.cell(2, 8), "<b>Indexador aplicado: </b>");
}

TEST(FgtsPlanilha, UpdateDateAfterTheTableGivesZeroCoefficient) {
    Fields f = fgts_test::workedCase();
    f.updateDate = "01/08/2005";
    const StringGrid p = compute(f);
    EXPECT_EQ(p.cell(3, 1), "0,000000");
    EXPECT_EQ(p.cell(4, 1), "0,00");
    EXPECT_EQ(p.cell(6, 4), "<b>0,00</b>");  // no currency for a month outside the table
}

TEST(FgtsPlanilha, MissingBaseMonthIsDivisionByZeroNotInfinity) {
    // A table that ends before May 1990 has no coefficient for the Collor I base month.
    const StringGrid t = fgts_test::tableGrid(
        "M\tA\tB\tC\tD\tE\tJ3\tJ6\tMoeda\t\r\n"
        "03/1989\tx\tx\tx\tx\tx\t1,234567\t1,300000\tNCz$\t\r\n"
        "04/1989\tx\tx\tx\tx\tx\t1,334567\t1,400000\tNCz$\t\r\n");
    Fields f = fgts_test::workedCase();
    f.updateDate = "01/04/1989";
    try {
        compute(f, t);
        FAIL() << "no error";
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    f.withCollor = false;
    EXPECT_EQ(compute(f, t).cell(3, 1), "1,081000");
    // Neither rate selected (a short file) finds no coefficient either.
    f = fgts_test::workedCase();
    f.jam3 = false;
    EXPECT_THROW(compute(f), ArithmeticError);
}

TEST(FgtsPlanilha, EmptyDateIsAConversionError) {
    Fields f = fgts_test::workedCase();
    f.interestStart = kEmptyDate;
    EXPECT_THROW(compute(f), ConversionError);
}

TEST(FgtsPlanilha, ARerunEmptiesRowsOfTheLongerEarlierRun) {
    StringGrid sheet = freshSheet();
    computeSheet(fgts_test::workedCase(), fgts_test::tableGrid(), sheet);
    Fields f;
    f.updateDate = "01/06/2005";
    f.withCollor = false;
    computeSheet(f, fgts_test::tableGrid(), sheet);
    EXPECT_EQ(sheet.rowCount(), 9);
    EXPECT_EQ(rowOf(sheet, 2), kBlank);
    sheet.setRowCount(12);
    EXPECT_EQ(rowOf(sheet, 10), kBlank);
    EXPECT_EQ(rowOf(sheet, 11), kBlank);
}

TEST(FgtsPlanilha, ARunThatStopsHalfWayLeavesNothingForTheNextRun) {
    StringGrid sheet = freshSheet();
    computeSheet(fgts_test::workedCase(), fgts_test::tableGrid(), sheet);
    // Stops at the interest of the Plano Verão row, after its first columns were worked out.
    Fields f = fgts_test::workedCase();
    f.interestStart = "99/99/9999";
    EXPECT_THROW(computeSheet(f, fgts_test::tableGrid(), sheet), ConversionError);
    EXPECT_EQ(sheet.rowCount(), 12);
    // Plano Verão no longer ticked: its row is blank, not the figures of the failed run.
    f = fgts_test::workedCase();
    f.withVerao = false;
    computeSheet(f, fgts_test::tableGrid(), sheet);
    EXPECT_EQ(rowOf(sheet, 1), kBlank);
    EXPECT_EQ(sheet.cell(0, 2), "05/90");
}

TEST(FgtsWizard, NextAndPreviousSkipPagesOfClearOptions) {
    shell::Shell shell;
    FgtsPurge c(shell);
    c.fields.withCosts = true;
    try {
        c.next();
        FAIL();
    } catch (const PageCheckFailed& e) {
        EXPECT_STREQ(e.what(), "Preencha a data de atualização");
        EXPECT_EQ(e.field, DateField::UpdateDate);
    }
    EXPECT_EQ(c.page, 0);
    c.fields.updateDate = "01/06/2005";
    c.next();
    EXPECT_EQ(c.page, 3);
    EXPECT_FALSE(c.finishEnabled);
    c.previous();
    EXPECT_EQ(c.page, 0);

    c.fields.withInterest = true;
    c.next();
    EXPECT_EQ(c.page, 1);
    try {
        c.next();
        FAIL();
    } catch (const PageCheckFailed& e) {
        EXPECT_STREQ(e.what(), "Preencha a Data de início  - juros de mora");
        EXPECT_EQ(e.field, DateField::InterestStart);
    }
    EXPECT_EQ(c.page, 1);
    c.fields.interestStart = "01/01/2000";
    c.next();
    EXPECT_EQ(c.page, 3);
    c.next();
    EXPECT_EQ(c.page, 4);
    EXPECT_TRUE(c.finishEnabled);
    c.next();
    c.next();
    EXPECT_EQ(c.page, 5);
    c.previous();
    c.previous();
    EXPECT_EQ(c.page, 3);
    c.previous();
    EXPECT_EQ(c.page, 1);
    EXPECT_TRUE(c.finishEnabled);  // stays enabled once reached

    c.reset();
    EXPECT_EQ(c.page, 0);
    EXPECT_FALSE(c.finishEnabled);
    EXPECT_FALSE(c.fields.withVerao || c.fields.withCollor || c.fields.withInterest);
    EXPECT_EQ(c.fields.updateDate, kEmptyDate);
    EXPECT_TRUE(c.fields.jam3 && !c.fields.jam6);
}
