// The command-line runner gives the bytes the window writes, and writes nothing itself.
#include "cli/runners.h"
#include "savings_fixture.h"

// The runner is part of the command-line program; it is compiled into this test as well.
#include "../../../src/cli/savings_runner.cpp"

#include <filesystem>

namespace savings_test {

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

    ruvivavu::cli::Options options;
    options.dataFolder = c.folder.path;
    options.input = saved;
    EXPECT_EQ(ruvivavu::cli::runSavings(options), window);
    EXPECT_FALSE(fileExists(c.file("teste.html")));
    EXPECT_FALSE(fileExists(c.file("temp2.back")));

    options.calculator = "sp-mes";
    EXPECT_THROW(ruvivavu::cli::runSavings(options), UserMessage);
}

}  // namespace savings_test
