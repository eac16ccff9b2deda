// Index-table lookups and the two user-editable tables.
#include "core/common/errors.h"
#include "core/common/indextable.h"
#include "core/dailysavings/fixture.h"

namespace dailysavings_test {

TEST(IndexLookups, FirstLineIsNeverMatchedAndDuplicatesTakeTheLastRow) {
    StringGrid indice(3, 4, 0, 1);
    indice.setRow(0, {"01/1989", "9", "Cz$"});  // a heading line that looks like a month
    indice.setRow(1, {"02/1989", "1", "NCz$"});
    indice.setRow(2, {"03/1989", "2", "NCz$"});
    indice.setRow(3, {"03/1989", "3", "Cr$"});
    EXPECT_EQ(monthRow(indice, "01/1989"), 1);  // not found: row 1
    EXPECT_EQ(monthRow(indice, "03/1989"), 3);
    EXPECT_EQ(factorOf(indice, "01/1989"), "");
    EXPECT_EQ(factorOf(indice, "03/1989"), "3");
    EXPECT_EQ(currencyOf(indice, "15/03/1989"), "Cr$ ");
    EXPECT_EQ(currencyOf(indice, "02/1989"), "NCz$ ");
    EXPECT_EQ(currencyOf(indice, "01/1989"), "");
    EXPECT_EQ(tableLabel(indice), "Tabela atualizada até: 03/1989");
}

TEST(IndexLookups, CurrencyPassFollowsTheBalancesInOrder) {
    StringGrid indice(33, 4, 0, 1);
    const char* rows[][2] = {{"06/1987", "Cz$"}, {"01/1989", "NCz$"}, {"03/1990", "Cr$"}};
    for (int r = 0; r < 3; ++r) {
        indice.setCell(0, r + 1, rows[r][0]);
        indice.setCell(32, r + 1, rows[r][1]);
    }
    StringGrid balances(3, 4, 0, 1);
    balances.setCell(1, 1, "06/1987");
    balances.setCell(1, 2, "02/1989");  // missing: keeps the cursor, so no later balance is found
    balances.setCell(1, 3, "03/1990");
    balances.setCell(2, 3, "old");
    fillCurrencies(indice, balances, 1, 2);
    EXPECT_EQ(balances.cell(2, 1), "Cz$");
    EXPECT_EQ(balances.cell(2, 2), "");
    EXPECT_EQ(balances.cell(2, 3), "");
}

TEST(IndexLookups, PlanMonthAfterTheTableIsReported) {
    StringGrid indice(1, 3, 0, 1);
    indice.setCell(0, 1, "01/1989");
    indice.setCell(0, 2, "02/1989");
    StringGrid plans(2, 3, 1, 1);
    plans.setRow(1, {"Verão", "01/1989"});
    plans.setRow(2, {"Atualizar até", "03/1989"});
    try {
        checkPlanMonths(indice, plans);
        FAIL();
    } catch (const UserMessage& e) {
        EXPECT_STREQ(e.what(), "A data 03/1989 não existe na tabela, atualize o índice");
    }
    plans.setCell(1, 2, "02/1989");
    EXPECT_NO_THROW(checkPlanMonths(indice, plans));
}

TEST(PlanTable, GravarSortsByYearThenMonthAndRebuildsThePlanList) {
    Calculator c;
    c.setPlans({{"Collor", "03/90", "84,32"}, {"Plano 2", "01/1989", "20,37"}, {"Bresser", "06/1987", "8,04"}});
    c.planTable.leaveGrid();
    EXPECT_EQ(c.planTable.grid.cell(1, 1), "03/1990");
    EXPECT_EQ(c.planTable.grid.cell(0, 2), "Plano 2");  // a name with digits is kept
    c.model.setPlanChecked(0, true);
    c.planTable.save(c.shell);
    EXPECT_EQ(c.planTable.grid.cell(0, 1), "Bresser");
    EXPECT_EQ(c.planTable.grid.cell(0, 2), "Plano 2");
    EXPECT_EQ(c.planTable.grid.cell(0, 3), "Collor");
    EXPECT_EQ(c.planTable.grid.colCount(), 10);
    ASSERT_EQ(c.model.planList.size(), 3u);
    EXPECT_EQ(c.model.planList[0].text, "Bresser");
    EXPECT_FALSE(c.model.planList[0].checked);

    PlanTable reread;
    EXPECT_TRUE(reread.loadAtStart(c.shell));
    EXPECT_EQ(reread.grid.cell(1, 3), "03/1990");
    EXPECT_EQ(reread.grid.cell(0, 0), "Expurgo");
}

// "Excluir Linha" removes the selected row, not the one "Nova Linha" added, and never the last
// data row (that one is emptied).
TEST(PlanTable, ExcluirLinhaRemovesTheSelectedRowAndKeepsOneDataRow) {
    PlanTable table;
    table.grid.setRowCount(4);
    table.grid.setRow(1, {"Bresser"});
    table.grid.setRow(2, {"Verão"});
    table.grid.setRow(3, {"Collor"});
    table.selectCell(PlanTable::Month, 2);
    table.addRow();
    table.grid.setCell(PlanTable::Name, 4, "Novo");
    table.deleteRow();
    ASSERT_EQ(table.grid.rowCount(), 4);
    EXPECT_EQ(table.planNames(), (std::vector<std::string>{"Bresser", "Collor", "Novo"}));
    table.selectCell(0, 3);
    table.deleteRow();
    table.deleteRow();  // the current row moved up to the new last row
    EXPECT_EQ(table.planNames(), (std::vector<std::string>{"Bresser"}));
    table.deleteRow();
    EXPECT_EQ(table.grid.rowCount(), 2);
    EXPECT_EQ(table.planNames(), (std::vector<std::string>{""}));
    table.writeHeadings();
    table.selectCell(0, 0);
    table.deleteRow();  // the heading row stays
    EXPECT_EQ(table.grid.cell(0, 0), "Expurgo");
}

TEST(IndexApplicationTable, ToggleAndOverride) {
    IndexApplicationTable table;
    EXPECT_TRUE(table.clickCell(2, 1));
    EXPECT_EQ(table.grid.cell(2, 1), "Não");
    table.clickCell(2, 1);
    EXPECT_EQ(table.grid.cell(2, 1), "Sim");
    table.clickCell(2, 1);
    EXPECT_EQ(table.grid.cell(2, 1), "Não");
    EXPECT_FALSE(table.clickCell(1, 1));
    EXPECT_FALSE(table.clickCell(2, 0));

    table.grid.setRowCount(3);
    table.grid.setRow(1, {"02/1989", "5", "Sim"});
    table.grid.setRow(2, {"02/1989", "7", "Sim"});
    std::string rate;
    EXPECT_TRUE(table.overrideFor("02/1989", rate));
    EXPECT_EQ(rate, "7");
    table.grid.setCell(2, 2, "Não");
    table.overrideFor("02/1989", rate);
    EXPECT_EQ(rate, "5");
}

TEST(StartUp, LoadsPlansHeaderFooterAndTables) {
    Calculator c;
    // Without planos.ini the plan table keeps its two rows: one empty plan item, SPlanos 4 rows.
    c.model.loadAtStart();
    ASSERT_EQ(c.model.planList.size(), 1u);
    EXPECT_EQ(c.model.planList[0].text, "");
    EXPECT_EQ(c.model.chosenPlans.rowCount(), 4);

    Calculator d;
    d.setPlans({{"Bresser", "06/1987", "8,04"}, {"Verão", "01/1989", "20,37"}});
    d.planTable.save(d.shell);
    writeTextLines(d.file("cabecalho.dat"), {"Cabeça", ""});
    writeTextLines(d.file("rodape.dat"), {"Pé"});
    d.writeIndex(Calculator::months("01/1989", 6, "1"));

    Calculator e;
    e.shell.dataFolder = d.folder.path;
    e.model.loadAtStart();
    ASSERT_EQ(e.model.planList.size(), 2u);
    EXPECT_EQ(e.model.planList[1].text, "Verão");
    EXPECT_EQ(e.model.chosenPlans.rowCount(), 5);
    EXPECT_EQ(e.model.header, (std::vector<std::string>{"Cabeça", ""}));
    EXPECT_EQ(e.model.footer, (std::vector<std::string>{"Pé"}));
    EXPECT_EQ(e.model.tableLabel(), "Tabela atualizada até: 06/1989");
}

}  // namespace dailysavings_test
