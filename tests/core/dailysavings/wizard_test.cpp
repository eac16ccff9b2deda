// The wizard: plan list, page checks and defaults, cell rules, difference values and "Novo".
#include "core/common/errors.h"
#include "core/dailysavings/fixture.h"
#include "core/dailysavings/sheet.h"

namespace dailysavings_test {

namespace {

void threePlans(Calculator& c) {
    c.writeIndex(Calculator::months("06/1987", 48, "1"));
    c.setPlans({{"Bresser", "06/1987", "8,04", "", "Cz$"},
                {"Verão", "01/1989", "20,37", "1000", "Cz$"},
                {"Sem data", "", "1"},
                {"Collor", "03/1990", "84,32", "", "NCz$"}});
}

}  // namespace

TEST(PlanClick, PacksChosenPlansInTableOrderBeforeTheEndRow) {
    Calculator c;
    threePlans(c);
    c.check(3);
    c.check(2);  // a plan without a month produces no plan
    c.check(0);
    const StringGrid& p = c.model.chosenPlans;
    ASSERT_EQ(p.rowCount(), 4);
    EXPECT_EQ(p.colCount(), 2);
    EXPECT_EQ(p.row(1), (std::vector<std::string>{"Bresser", "06/1987"}));
    EXPECT_EQ(p.row(2), (std::vector<std::string>{"Collor", "03/1990"}));
    EXPECT_EQ(p.row(3), (std::vector<std::string>{"Atualizar até", "05/1991"}));
    const StringGrid& b = c.model.differences;
    ASSERT_EQ(b.rowCount(), 3);
    EXPECT_EQ(b.row(2), (std::vector<std::string>{"Collor", "03/1990", "84,32", "04/1990", ""}));

    for (int item : {0, 2, 3}) c.model.setPlanChecked(item, false);
    ASSERT_EQ(p.rowCount(), 2);
    EXPECT_EQ(p.row(1), (std::vector<std::string>{"Atualizar até", "05/1991"}));
}

TEST(Pages, FirstPageChecksSendTheWizardBack) {
    Calculator c;
    threePlans(c);
    // Before any click, and with only the "Atualizar até" row left.
    for (int round = 0; round < 2; ++round) {
        try {
            c.model.next();
            FAIL();
        } catch (const UserMessage& e) {
            EXPECT_STREQ(e.what(), "escolha um plano");
        }
        EXPECT_EQ(c.model.page, 0);
        c.model.setPlanChecked(0, true);
        c.model.setPlanChecked(0, false);
    }
    c.check(1);
    c.model.chosenPlans.setCell(1, 2, "06/1991");
    EXPECT_THROW(c.model.next(), UserMessage);
    EXPECT_EQ(c.model.page, 0);

    // Without a table file nothing is in the table: the first plan month is reported.
    c.shell.loadIndice("nao-existe.tab");
    c.model.planListClicked();
    try {
        c.model.next();
        FAIL();
    } catch (const UserMessage& e) {
        EXPECT_STREQ(e.what(), "A data 01/1989 não existe na tabela, atualize o índice");
    }
    EXPECT_EQ(c.model.page, 0);
}

TEST(Pages, BalancesGetDefaultsCurrencyAndAmortisationMonths) {
    Calculator c;
    threePlans(c);
    c.check(0);
    c.check(3);
    c.model.chosenPlans.setCell(1, 3, "06/1990");
    c.model.next();
    EXPECT_EQ(c.model.page, 1);
    const StringGrid& s = c.model.balances;
    ASSERT_EQ(s.rowCount(), 3);
    // Rows that existed before get their defaults at once; new rows on page 2.
    EXPECT_EQ(s.row(1), (std::vector<std::string>{"Bresser", "06/1987", "Cz$", "1", "0,00"}));
    EXPECT_EQ(s.row(2), (std::vector<std::string>{"Collor", "03/1990", "NCz$", "", ""}));
    // Amortisation months from the first plan's month + 1 to the end month.
    EXPECT_EQ(c.model.paidBack.rowCount(), 37);
    EXPECT_EQ(c.model.paidBack.cell(0, 1), "07/1987");
    EXPECT_EQ(c.model.paidBack.cell(0, 36), "06/1990");

    c.model.next();  // page 2: defaults, then the difference values
    EXPECT_EQ(s.cell(3, 2), "1");
    EXPECT_EQ(s.cell(4, 2), "0,00");
    EXPECT_EQ(c.model.differences.cell(4, 2), "0,00");
}

TEST(CellRules, BalanceGridLeaveRule) {
    Calculator c;
    StringGrid& s = c.model.balances;
    s.setRowCount(5);
    s.setRow(1, {"a", "", "", "31", "1234567"});
    s.setRow(2, {"b", "", "", "07", "1.234,5"});
    s.setRow(3, {"c", "", "", "15", ""});
    s.setRow(4, {"d", "", "", "00", "-3"});
    c.model.leaveBalances();
    EXPECT_EQ(s.cell(3, 1), "28");
    EXPECT_EQ(s.cell(4, 1), "1.234.567,00");
    EXPECT_EQ(s.cell(3, 2), "7");
    EXPECT_EQ(s.cell(4, 2), "1.234,50");
    EXPECT_EQ(s.cell(3, 3), "15");
    EXPECT_EQ(s.cell(4, 3), "");
    EXPECT_EQ(s.cell(3, 4), "1");  // no anniversary day 0
    EXPECT_EQ(s.cell(4, 4), "-3,00");
}

TEST(CellRules, DateGridsAndQuarterlyToggle) {
    Calculator c;
    // Masks follow the headings, which the window's show routine writes.
    EXPECT_EQ(c.model.editMask(GridId::CourtInterest, 1), "");
    c.model.shown();
    EXPECT_EQ(c.model.editMask(GridId::CourtInterest, 1), "!99/99/0000;1");

    c.model.courtInterest.setRow(1, {"  /  /    ", "31/02/1999", "1"});
    c.model.cellEdited(GridId::CourtInterest, 1);
    c.model.leaveCourtInterest();
    EXPECT_EQ(c.model.courtInterest.row(1), (std::vector<std::string>{"", "28/02/1999", "1"}));

    EXPECT_EQ(c.model.monthlyInterest.cell(3, 4), "Não");
    c.model.toggleQuarterly(3, 4);
    EXPECT_EQ(c.model.monthlyInterest.cell(3, 4), "Sim");
    c.model.toggleQuarterly(3, 4);
    EXPECT_EQ(c.model.monthlyInterest.cell(3, 4), "Não");
}

TEST(Difference, ValueWithAndWithoutCurrencyDivisor) {
    Calculator c;
    threePlans(c);
    c.check(0);
    c.check(1);
    c.model.next();
    c.balance(1, "1", "1.000,00");
    c.balance(2, "1", "12.345,67");
    c.model.next();
    EXPECT_EQ(c.model.differences.cell(4, 1), "80,40");
    // 12.345,67 x 20,37 / 100 = 2.514,812979 ; / 1000
    EXPECT_EQ(c.model.differences.cell(4, 2), "2,51");

    // A plan no table row carries (renamed in the grid) has no currency change.
    c.model.differences.setCell(0, 2, "Outro");
    computeDifferences(c.planTable, c.model.balances, c.model.differences);
    EXPECT_EQ(c.model.differences.cell(4, 2), "2.514,81");
}

TEST(Navigation, LastPageAndNovo) {
    Calculator c;
    threePlans(c);
    c.check(0);
    c.goTo(6);
    EXPECT_TRUE(c.model.finishEnabled);
    c.model.next();
    EXPECT_EQ(c.model.page, 6);
    c.model.finish();
    EXPECT_TRUE(c.model.backupExists());
    EXPECT_TRUE(fileExists(c.file("teste.html")));

    c.model.monthlyInterest.setRow(1, {"01/01/1990", "31/12/1990", "1", ""});
    c.model.proRata = true;
    writeTextLines(c.file("cabecalho.dat"), {"novo"});
    c.model.reset();
    EXPECT_FALSE(c.model.backupExists());
    EXPECT_EQ(c.model.page, 0);
    EXPECT_FALSE(c.model.planList[0].checked);
    EXPECT_EQ(c.model.balances.cell(4, 1), "");
    EXPECT_EQ(c.model.monthlyInterest.row(1), (std::vector<std::string>{"01/01/1990", "31/12/1990", "1", "Não"}));
    EXPECT_FALSE(c.model.proRata);
    EXPECT_EQ(c.model.header, std::vector<std::string>{"novo"});
    EXPECT_NO_THROW(c.model.openBackup());  // nothing to restore
}

}  // namespace dailysavings_test
