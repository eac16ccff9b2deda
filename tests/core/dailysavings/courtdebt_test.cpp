// The month-by-month court-debt calculator: the daily-savings sheet and statement with the
// differences of a court-debt table.
#include "core/common/encoding.h"
#include "core/common/errors.h"
#include "core/common/indextable.h"
#include "core/common/text.h"
#include "core/dailysavings/fixture.h"
#include "core/dailysavings/headlessrun.h"
#include "core/dailysavings/sheet.h"
#include "core/dailysavings/statement.h"

namespace dailysavings_test {

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The two-plan case taken to the sheet page, with 03/1989 marked "Sim" at 50 % in the
// index-application table.
void twoPlansWithAnOverride(Calculator& c) {
    typeTwoPlanCase(c);
    c.yieldOverrides.grid.setRowCount(2);
    c.yieldOverrides.grid.setRow(1, {"03/1989", "50", "Sim"});
    c.goTo(6);
}

}  // namespace

// The index-application table and the joining plan's currency divisor belong to savings: the same
// inputs in the court-debt calculator read the table's rate and carry the joined amount undivided.
TEST(CourtDebtMonthly, SheetReadsTheTableAsItIs) {
    Calculator savings;
    Calculator court(Variant::CourtDebtMonthly);
    twoPlansWithAnOverride(savings);
    twoPlansWithAnOverride(court);

    // Row 3 earns the 03/1989 rate: the override in savings, the table's own (day 15) in court debts.
    EXPECT_EQ(savings.sheet().cell(kPeriod, 3), "03/1989");
    EXPECT_EQ(savings.sheet().cell(dailysavings::kYield, 3), "50");
    EXPECT_EQ(court.sheet().cell(dailysavings::kYield, 3), "6");

    // Plan B (divisor 10 in the plan table) joins on row 4: the amount carried, 224,07 - 50,00,
    // is divided by 10 in savings only.
    EXPECT_EQ(court.sheet().cell(kWithInterest, 2), "224,07");
    EXPECT_EQ(court.sheet().cell(kPaid, 3), "50,00");
    EXPECT_EQ(savings.sheet().cell(kJoinName, 4), "Plano B");
    EXPECT_EQ(court.sheet().cell(kJoinName, 4), "Plano B");
    EXPECT_EQ(savings.sheet().cell(kCarried, 4), "17,41");
    EXPECT_EQ(court.sheet().cell(kCarried, 4), "174,07");
}

TEST(CourtDebtMonthly, PageOneOnlyAsksForAPlan) {
    Calculator c(Variant::CourtDebtMonthly);
    c.writeIndex(Calculator::months("12/1988", 4, "1"), {}, "tjsp.tab");
    c.setPlans({{"Verão", "01/1989", "20,37", "", "NCz$"}});
    EXPECT_THROW(c.model.next(), UserMessage);  // "escolha um plano"
    EXPECT_EQ(c.model.page, 0);
    c.check(0);
    // An end month past the table is accepted here, and the currency comes from the table.
    c.model.chosenPlans.setCell(1, 2, "12/2030");
    c.model.next();
    EXPECT_EQ(c.model.page, 1);
    EXPECT_EQ(c.model.balances.cell(2, 1), "NCz$");
}

TEST(CourtDebtMonthly, StatementHeadsAndIndexLinePerCaption) {
    Calculator c(Variant::CourtDebtMonthly);
    typeTwoPlanCase(c);
    c.goTo(6);
    struct Case {
        std::string caption;
        std::string indexes;
    };
    for (const Case& k :
         {Case{kSaoPauloMonthlyCaption,
               "<tr><td> Índices usados: Tribunal de Justiça de São Paulo (OTN / IPC / INPC / IPC-r / INPC) "
               "</td></tr>\r\r\n"},
          Case{kMinasMonthlyCaption, "<tr><td> Índices usados: OTN/IPC/BTN/IPC/INPC/IPC-r/INPC </td></tr>\r\r\n"},
          Case{"MG - MT - MS - ES", "<tr><td> Índices usados: OTN/IPC/BTN/IPC/INPC/IPC-r/INPC </td></tr>\r\r\n"}}) {
        c.model.caption = k.caption;
        const std::string s = cp1252ToUtf8(c.model.finishToBytes());
        EXPECT_EQ(s.rfind("<html><head><title>Atualização</title>\r\n<meta name=\"keywords\"", 0), 0u);
        EXPECT_TRUE(contains(s, "\tfont-size:9.0pt;\r\n")) << "the head carries the font size";
        EXPECT_TRUE(contains(s, "thead td\t{font-size:9.0pt;\t}\r\n"));
        EXPECT_TRUE(
            contains(s, "</style></head> \r\n<body>\r\n<span style=\"font-size:9.0pt;font-family:Arial\">\r\n"));
        EXPECT_TRUE(contains(s, k.indexes)) << k.caption;
        EXPECT_FALSE(contains(s, "Tabela: Poupança Diária"));
        EXPECT_FALSE(contains(s, "</span></table>"));
        EXPECT_TRUE(contains(s,
                             "<body>\r\n<table border =0  span style=\"font-size:9.0pt;font-family:Arial\">\r\n\r\n"
                             "<thead><tr>\r\n<td><div align=Right>Moeda do inicio"));
        // Each row on one line, the heading row inside <thead>.
        EXPECT_TRUE(contains(s, "<td><div align=Right>Juros + Valor</div></td></tr></thead>\r\n<tr>\r\n"));
        EXPECT_TRUE(contains(s, "<tr>\r\n<td><div align=Right>Cr$</div></td><td><div align=Right>05/1989</div></td>"));
        EXPECT_TRUE(contains(s, "<td><div align=Right>22,72</div></td></tr>\r\n"));
        EXPECT_FALSE(contains(s, "<td><div align=Right>Juros + Valor</div></td>\r\n</tr>"));
    }
}

TEST(CourtDebtMonthly, LaunchNeedsTheCaptionsTableAndNovoReloadsIt) {
    Calculator c(Variant::CourtDebtMonthly);
    EXPECT_EQ(c.model.caption, "MG - MT - MS - ES");
    try {
        c.model.launchMonthly(kSaoPauloMonthlyCaption);
        FAIL();
    } catch (const UserMessage& e) {
        EXPECT_STREQ(e.what(), "tabela inexistente - faça a atualização das tabelas");
    }
    EXPECT_EQ(c.model.caption, "MG - MT - MS - ES");
    EXPECT_FALSE(c.shell.previewEnabled);

    c.writeIndex(Calculator::months("01/1990", 3, "1"), {}, "tjsp.tab");
    c.writeIndex(Calculator::months("01/1980", 2, "1"), {}, "tjmg.tab");
    c.model.launchMonthly(kSaoPauloMonthlyCaption);
    EXPECT_TRUE(c.shell.previewEnabled);
    EXPECT_EQ(c.model.tableFile(), "tjsp.tab");
    EXPECT_EQ(latestMonth(c.shell.indice), "03/1990");
    // "Novo" reloads the table the caption names, so the statement names the table used.
    c.shell.emptyIndice();
    c.model.reset();
    EXPECT_EQ(latestMonth(c.shell.indice), "03/1990");
    c.model.launchMonthly(kMinasMonthlyCaption);
    EXPECT_EQ(latestMonth(c.shell.indice), "02/1980");
}

// The command-line run of a saved court-debt calculation gives the bytes the window wrote.
TEST(CourtDebtMonthly, HeadlessRunGivesTheWindowsStatement) {
    Calculator c(Variant::CourtDebtMonthly);
    typeTwoPlanCase(c);
    std::filesystem::copy_file(c.file("zurivodo13.tab"), c.file("tjsp.tab"));
    c.planTable.save(c.shell);
    c.model.saveHeaderFooter();
    c.shell.saveFontIni();
    c.model.caption = kSaoPauloMonthlyCaption;
    c.goTo(6);
    c.model.finish();
    const std::string saved = c.folder.path + "/tjsp.e12";
    c.model.saveCopy(saved);
    const std::string window = readFileBytes(c.file("teste.html"));
    deleteFile(c.file("teste.html"));

    shell::Shell fresh;
    fresh.dataFolder = c.folder.path;
    EXPECT_EQ(runSaoPauloMonthlyFile(fresh, saved), window);
    EXPECT_FALSE(fileExists(c.file("teste.html")));
}

// The two windows share temp2.back: whichever finalised last owns it, and "Abrir Backup" restores it
// into the window that asked.
TEST(CourtDebtMonthly, BothWindowsShareTheBackup) {
    Calculator c(Variant::CourtDebtMonthly);
    DailySavings savings(c.shell, c.planTable, c.yieldOverrides);
    typeTwoPlanCase(c);
    c.goTo(6);
    c.model.finish();
    savings.rebuildPlanList();
    savings.openBackup();
    EXPECT_EQ(savings.balances.cell(4, 2), "2.000,00");
    EXPECT_TRUE(savings.planList[1].checked);

    // Daily savings finalises now: the court window restores the daily calculation.
    savings.chosenPlans.setCell(1, 3, "05/1989");
    for (int press = 0; press < DailySavings::kLastPage; ++press) savings.next();
    savings.finish();
    c.model.openBackup();
    EXPECT_EQ(c.model.chosenPlans.cell(1, 3), "05/1989");
}

}  // namespace dailysavings_test
