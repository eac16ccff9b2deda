// The run without a window gives the bytes the window writes, and writes nothing itself.
#include "core/dailysavings/headlessrun.h"

#include "core/dailysavings/fixture.h"

namespace dailysavings_test {

TEST(HeadlessRun, SameStatementBytesAsTheWindowForTheSameFile) {
    Calculator c;
    typeTwoPlanCase(c);
    c.planTable.save(c.shell);
    c.model.saveHeaderFooter();
    c.shell.saveFontIni();
    c.goTo(6);
    c.model.finish();
    const std::string saved = c.folder.path + "/calculo.e12";
    c.model.saveCopy(saved);
    const std::string window = readFileBytes(c.file("teste.html"));
    deleteFile(c.file("teste.html"));
    deleteFile(c.file("temp2.back"));

    shell::Shell fresh;
    fresh.dataFolder = c.folder.path;
    EXPECT_EQ(runCalculationFile(fresh, saved), window);
    EXPECT_FALSE(fileExists(c.file("teste.html")));
    EXPECT_FALSE(fileExists(c.file("temp2.back")));
}

}  // namespace dailysavings_test
