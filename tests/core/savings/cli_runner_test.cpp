// A saved calculation run headless, as the command-line tool runs it (fresh engine objects on the
// data folder, start-up loading, "Abrir", "Próximo" to the last page, "Finalizar" to bytes), gives
// the bytes the window writes and writes nothing into the data folder.
#include "savings_fixture.h"

namespace savings_test {

namespace {

std::string runHeadless(const std::string& dataFolder, const std::string& path) {
    shell::Shell shell;
    shell.dataFolder = dataFolder;
    PlanTable planTable;
    IndexApplicationTable indexTable;
    DailySavings calculator(shell, planTable, indexTable);
    calculator.loadAtStart();
    shell.loadFontIni();
    calculator.open(path);
    for (int press = 0; press < DailySavings::kLastPage; ++press) calculator.next();
    return calculator.finalizeToBytes();
}

}  // namespace

TEST(CommandLine, SameStatementBytesAsTheWindowForTheSameFile) {
    Calculator c;
    typeTwoPlanCase(c);
    c.planTable.save(c.shell);
    c.model.saveHeaderFooter();
    c.shell.saveFontIni();
    c.goTo(6);
    c.model.finalize();
    const std::string saved = c.folder.path + "/calculo.e12";
    c.model.saveCopy(saved);
    const std::string window = readFileBytes(c.file("teste.html"));
    deleteFile(c.file("teste.html"));
    deleteFile(c.file("temp2.back"));

    EXPECT_EQ(runHeadless(c.folder.path, saved), window);
    EXPECT_FALSE(fileExists(c.file("teste.html")));
    EXPECT_FALSE(fileExists(c.file("temp2.back")));
}

}  // namespace savings_test
