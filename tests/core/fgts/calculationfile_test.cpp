// FGTS calculation files, the statement fgt.html, the commands that use the data folder and the
// run without a window.
#include "core/fgts/calculationfile.h"

#include "core/common/errors.h"
#include "core/common/indextable.h"
#include "core/common/text.h"
#include "core/fgts/headlessrun.h"
#include "core/fgts/model.h"
#include "core/fgts/sheet.h"
#include "core/shell/shell.h"
#include "fixture.h"

#include <gtest/gtest.h>

using namespace ruvivavu;
using namespace ruvivavu::fgts;

namespace {

std::string golden() {
    return readFileBytes(std::string(RUVIVAVU_SOURCE_DIR) + "/tests/core/fgts/data/fgt_ambos_planos.html");
}

// A data folder with the table and a 10 pt Times New Roman font setting.
void prepareFolder(const fgts_test::ScratchFolder& dir, shell::Shell& shell) {
    shell.dataFolder = dir.path();
    writeFileAtomic(dir.file("fgts.tab"), fgts_test::kTable);
    writeFileAtomic(dir.file("font.ini"), "Times New Roman\r\n10\r\n");
    shell.loadFontIni();
}

}  // namespace

TEST(FgtsStatement, WorkedCaseMatchesTheHandCheckedStatement) {
    fgts_test::ScratchFolder dir;
    shell::Shell shell;
    prepareFolder(dir, shell);
    std::string shown;
    shell.viewerLoad = [&](const std::string& path) { shown = path; };
    FgtsPurge c(shell);
    c.launch();
    c.fields = fgts_test::workedCase();
    c.finish();
    EXPECT_EQ(readFileBytes(dir.file("fgt.html")), golden());
    EXPECT_EQ(shown, dir.file("fgt.html"));

    // The backup holds the fields, and the command-line run of a copy gives the same bytes
    // without touching the data folder's statement.
    c.saveCopy(dir.file("copia.fg"));
    deleteFile(dir.file("fgt.html"));
    shell::Shell cli;
    cli.dataFolder = dir.path();
    EXPECT_EQ(runCalculationFile(cli, dir.file("copia.fg")), golden());
    EXPECT_FALSE(fileExists(dir.file("fgt.html")));
}

TEST(FgtsFile, RoundTripKeepsEveryFieldIncludingAnEmptyHeader) {
    fgts_test::ScratchFolder dir;
    Fields f = fgts_test::workedCase();
    f.header.clear();
    f.withVerao = false;
    f.jam3 = false;
    f.jam6 = true;
    writeCalculationFile(dir.file("a.fg"), f);
    EXPECT_EQ(readFileBytes(dir.file("a.fg")),
              "0\r\n01/06/2005\r\ntrue\r\ntrue\r\ntrue\r\n10/01/2000\r\n6,00\r\n10,00\r\n150,00\r\n"
              "false\r\n1.234,56\r\ntrue\r\n2.345,67\r\nfalse\r\ntrue\r\n");
    Fields back;
    back.header = {"old"};
    readCalculationFile(dir.file("a.fg"), back);
    EXPECT_EQ(back, f);

    f = fgts_test::workedCase();  // header with an empty line and accented text
    writeCalculationFile(dir.file("b.fg"), f);
    readCalculationFile(dir.file("b.fg"), back);
    EXPECT_EQ(back, f);
}

TEST(FgtsFile, ReadingRules) {
    Fields f;
    // Only an exact "true" ticks; money texts are re-formatted as typing them would be; a short
    // file leaves the rest empty with every flag clear.
    readCalculationLines({"1",
                          "cabe\xC3\xA7"
                          "alho",
                          "01/06/2005", "TRUE", "true ", "true", "", "6"},
                         f);
    EXPECT_EQ(f.header, std::vector<std::string>{"cabe\xC3\xA7"
                                                 "alho"});
    EXPECT_FALSE(f.withInterest);
    EXPECT_FALSE(f.withFees);
    EXPECT_TRUE(f.withCosts);
    EXPECT_EQ(f.interestStart, kEmptyDate);
    EXPECT_EQ(f.interestRate, "0,06");
    EXPECT_EQ(f.feePercent, "0,00");
    EXPECT_FALSE(f.withVerao || f.withCollor || f.jam3 || f.jam6);

    // A first line that is not a number: the header is emptied, the other fields stay.
    f = fgts_test::workedCase();
    EXPECT_THROW(readCalculationLines({"x", "01/01/2001"}, f), ConversionError);
    EXPECT_TRUE(f.header.empty());
    EXPECT_EQ(f.updateDate, "01/06/2005");

    // Two selected rates: the later one wins, as selecting a radio button clears the other.
    readCalculationLines({"0", "", "", "", "", "", "", "", "", "", "", "", "", "true", "true"}, f);
    EXPECT_TRUE(f.jam6 && !f.jam3);

    // A damaged count larger than the file reads the rest as empty lines.
    readCalculationLines({"3", "a"}, f);
    EXPECT_EQ(f.header, (std::vector<std::string>{"a", "", ""}));
    EXPECT_EQ(f.updateDate, kEmptyDate);
}

TEST(MemoText, LinesAndTextRoundTrip) {
    EXPECT_TRUE(memoLines("").empty());
    EXPECT_EQ(memoLines("a\n"), std::vector<std::string>{"a"});
    for (const auto& lines : std::vector<std::vector<std::string>>{{}, {""}, {"a", ""}, {"", "b"}, {"a", "b"}})
        EXPECT_EQ(memoLines(memoText(lines)), lines);
}

TEST(FgtsCommands, TableIsLoadedIntoAnEmptiedIndice) {
    fgts_test::ScratchFolder dir;
    shell::Shell shell;
    shell.dataFolder = dir.path();
    // A longer table left in indice by another calculator must not be scanned: its row for
    // 08/2005 would give a coefficient and a currency to a date past fgts.tab's end.
    for (int row = 1; row < 12; ++row) {
        shell.indice.setCell(0, row, "08/2005");
        shell.indice.setCell(6, row, "9,000000");
        shell.indice.setCell(8, row, "X$");
    }
    shell.indice.setRowCount(12);
    FgtsPurge c(shell);
    try {
        c.launch();
        FAIL();
    } catch (const UserMessage& e) {
        EXPECT_STREQ(e.what(), "A tabela não foi encontrada, atualize os índices");
    }
    EXPECT_EQ(shell.indice.rowCount(), 12);  // a missing table changes nothing
    writeFileAtomic(dir.file("fgts.tab"), fgts_test::kTable);
    c.launch();
    EXPECT_EQ(shell.indice.rowCount(), 6);
    EXPECT_EQ(jamCoefficient(shell.indice, StrToDate("01/08/2005"), true, false), 0);
    EXPECT_EQ(currencyOf(shell.indice, "01/08/2005", kJamCurrencyColumn), "");
}

TEST(FgtsCommands, OpeningAndSavingCalculations) {
    fgts_test::ScratchFolder dir;
    shell::Shell shell;
    prepareFolder(dir, shell);
    FgtsPurge c(shell);
    c.page = 5;
    c.finishEnabled = true;
    c.fields.header = {"x"};
    c.openBackup();  // no backup yet: only the header is emptied
    EXPECT_TRUE(c.fields.header.empty());
    EXPECT_EQ(c.page, 0);
    EXPECT_FALSE(c.finishEnabled);
    EXPECT_TRUE(c.fields.withVerao);

    EXPECT_THROW(c.saveCopy(dir.file("sem-backup.fg")), UserMessage);
    try {
        writeCalculationFile(dir.file("fgts.back"), fgts_test::workedCase());
        c.saveCopy(dir.file("falta/pasta/x.fg"));
        FAIL();
    } catch (const UserMessage& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Erro ao copiar " + dir.file("fgts.back") + " para " + dir.file("falta/pasta/x.fg"));
    }
    c.openBackup();
    EXPECT_EQ(c.fields, fgts_test::workedCase());

    // A command-line run stops at the first page check that fails.
    Fields semData = fgts_test::workedCase();
    semData.interestStart = kEmptyDate;
    writeCalculationFile(dir.file("c.fg"), semData);
    try {
        runCalculationFile(shell, dir.file("c.fg"));
        FAIL();
    } catch (const UserMessage& e) {
        EXPECT_STREQ(e.what(), "Preencha a Data de início  - juros de mora");
    }
}
