// Calculation files, the commands that use the data folder and the run without a window.
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/progressiveinterest/calculationfile.h"
#include "core/progressiveinterest/headlessrun.h"
#include "core/progressiveinterest/model.h"
#include "fixture.h"

#include <gtest/gtest.h>

using namespace ruvivavu;
using namespace ruvivavu::progressiveinterest;

namespace {

// A calculator as start-up and the first show leave it, with abr/89 to jun/89 typed.
struct Typed {
    progressive_test::Folder folder;
    ProgressiveInterest c{folder.shell};
    Typed() {
        c.loadAtStart();
        c.shown();
        c.header = {"Reclamante: João", "Processo 1, 2ª vara"};
        c.endMonth = "mai/89";
        for (int row = 4; row <= 6; ++row) c.edit(row, "1.000,00");
    }
};

TEST(ProgressiveInterestStart, TableFillsBothGridsAndTheEndMonths) {
    progressive_test::Folder folder;
    ProgressiveInterest c(folder.shell);
    c.loadAtStart();
    EXPECT_EQ(c.values.colCount(), 2);
    EXPECT_EQ(c.values.rowCount(), 7);
    EXPECT_EQ(c.sheet.row(3), (std::vector<std::string>{"mar/89", "", "0,005", "", "0,006", "0,008", "0,010", "", "",
                                                        "0,00", "", "NCz$"}));
    EXPECT_EQ(c.endMonthChoices, (std::vector<std::string>{"fev/89", "mar/89", "abr/89", "mai/89", "jun/89"}));
    EXPECT_EQ(c.endMonth, "jun/89");
}

TEST(ProgressiveInterestFile, SavedAsVers13AndReadBack) {
    Typed t;
    t.c.ipcReflections = true;
    t.c.saveBackup();
    const std::vector<std::string> lines = readTextLines(t.folder.file(kBackupFile));
    ASSERT_EQ(lines.size(), 5u + kRows);
    EXPECT_EQ(
        std::vector<std::string>(lines.begin(), lines.begin() + 5),
        (std::vector<std::string>{"Vers 1.3", "mai/89", "\"Reclamante: João\",\"Processo 1, 2ª vara\"", "sim", "194"}));
    EXPECT_EQ(lines[4 + 5],
              "abr/89,\"1.000,00\",\"0,004\",\"250.000,00\",\"0,005\",\"0,007\",\"0,008\","
              "\"2.000,00\",\"1.000,00\",\"0,00\",\"1.000,00\",NCz$");
    EXPECT_EQ(lines.back(), ",,,,,,,,,,,");

    progressive_test::Folder other;
    ProgressiveInterest back(other.shell);
    back.loadAtStart();
    back.shown();
    ASSERT_TRUE(back.open(t.folder.file(kBackupFile)));
    EXPECT_EQ(back.header, t.c.header);
    EXPECT_EQ(back.endMonth, "mai/89");
    EXPECT_TRUE(back.ipcReflections);
    EXPECT_EQ(back.sheet.row(5), t.c.sheet.row(5));
    EXPECT_EQ(back.values.cell(1, 6), "1.000,00");
    // An empty cell comes back as a single blank, which holds no value.
    EXPECT_EQ(back.sheet.cell(1, 2), " ");
    EXPECT_EQ(back.values.cell(1, 2), " ");
    back.recalc();
    EXPECT_EQ(back.sheet.cell(10, 6), t.c.sheet.cell(10, 6));
}

TEST(ProgressiveInterestFile, ReadingRules) {
    struct Case {
        const char* name;
        std::string text;
        bool read;
        std::vector<std::string> header;
        bool ipc;
        int rows;
    };
    // The calculator starts with the IPC option ticked and a header of one line.
    const std::vector<Case> cases = {
        {"Vers 1.2 leaves the option",
         "Vers 1.2\r\njun/89\r\na,b,\"c d\"\r\n3\r\nx\r\ny\r\nz\r\n",
         true,
         {"a", "b", "c d"},
         true,
         3},
        {"Vers 1.3 clears it without sim", "Vers 1.3\r\njun/89\r\n\r\nSim\r\n2\r\nx\r\n", true, {}, false, 2},
        {"no digit keeps the row count", "Vers 1.3\r\n\r\n\"\"\r\nsim\r\n\r\n", true, {""}, true, kRows},
        {"a count is truncated and bounded", "Vers 1.3\r\n\r\n\r\nnao\r\n99999999,9\r\n", true, {}, false, 10000},
        {"another kind of file", "Vers 1.4\r\njun/89\r\na\r\nnao\r\n2\r\n", false, {"antes"}, true, kRows},
    };
    for (const Case& c : cases) {
        progressive_test::Folder folder;
        ProgressiveInterest p(folder.shell);
        p.loadAtStart();
        p.shown();
        p.header = {"antes"};
        p.ipcReflections = true;
        p.edit(4, "1.000,00");
        writeFileAtomic(folder.file("a.jfgts"), c.text);
        EXPECT_EQ(p.open(folder.file("a.jfgts")), c.read) << c.name;
        EXPECT_EQ(p.header, c.header) << c.name;
        EXPECT_EQ(p.ipcReflections, c.ipc) << c.name;
        EXPECT_EQ(p.sheet.rowCount(), c.rows) << c.name;
        // Rows counted but past the file's end are emptied; rows past the count and another kind of
        // file are left alone.
        EXPECT_EQ(p.values.cell(1, 4), c.read && c.rows > 4 ? "" : "1.000,00") << c.name;
    }
}

TEST(ProgressiveInterestFile, FailedReadChangesNothing) {
    Typed t;
    const std::vector<std::string> before = t.c.sheet.row(4);
    EXPECT_THROW(t.c.open(t.folder.file("missing.jfgts")), FileError);
    writeFileAtomic(t.folder.file("bad.jfgts"), "Vers 1.3\r\nx\r\nnovo\r\nsim\r\n1,9,4\r\n");
    EXPECT_THROW(t.c.open(t.folder.file("bad.jfgts")), ConversionError);
    EXPECT_EQ(t.c.sheet.row(4), before);
    EXPECT_EQ(t.c.endMonth, "mai/89");
    EXPECT_EQ(t.c.header.size(), 2u);
}

TEST(ProgressiveInterestCommands, NewReloadsTheTableAndKeepsEndMonthAndOption) {
    Typed t;
    t.c.ipcReflections = true;
    t.c.reset();
    EXPECT_TRUE(t.c.header.empty());
    EXPECT_EQ(t.c.endMonth, "mai/89");
    EXPECT_TRUE(t.c.ipcReflections);
    EXPECT_EQ(t.c.values.cell(1, 4), "");
    EXPECT_EQ(t.c.sheet.cell(10, 4), "");
    EXPECT_EQ(t.c.sheet.rowCount(), kRows);
}

TEST(ProgressiveInterestCommands, FinishWritesBackupAndStatementTheRunWithoutWindowWritesNothing) {
    Typed t;
    std::string shown;
    t.folder.shell.viewerLoad = [&](const std::string& path) { shown = path; };
    t.c.sheet.setRowCount(300);
    t.c.finish();
    EXPECT_EQ(t.c.sheet.rowCount(), kRows);
    EXPECT_EQ(shown, t.folder.file(kStatementFile));
    const std::string statement = readFileBytes(t.folder.file(kStatementFile));
    EXPECT_NE(statement.find("VALOR TOTAL DEVIDO EM: mai/89 = NCz$ 2.008,00"), std::string::npos);

    t.c.saveCopy(t.folder.file("copia.jfgts"));
    EXPECT_EQ(readFileBytes(t.folder.file("copia.jfgts")), readFileBytes(t.folder.file(kBackupFile)));

    // The run without a window: "Abrir" of the copy, a keystroke's recomputation, "Finalizar"'s
    // statement, with nothing written into the data folder.
    deleteFile(t.folder.file(kStatementFile));
    shell::Shell cli;
    cli.dataFolder = t.folder.dir.path;
    const std::string again = runCalculationFile(cli, t.folder.file("copia.jfgts"));
    EXPECT_NE(again.find("VALOR TOTAL DEVIDO EM: mai/89 = NCz$ 2.008,00"), std::string::npos);
    EXPECT_FALSE(fileExists(t.folder.file(kStatementFile)));

    writeFileAtomic(t.folder.file("outro.jfgts"), "0\r\n");
    EXPECT_THROW(runCalculationFile(cli, t.folder.file("outro.jfgts")), UserMessage);
}

}  // namespace
