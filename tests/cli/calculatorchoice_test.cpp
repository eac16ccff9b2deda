// Which calculator a file given on the command line runs in: its extension, then its first line.
#include "cli/calculators.h"
#include "core/common/fileio.h"
#include "core/support/tempfolder.h"

#include <gtest/gtest.h>

#include <string>

using namespace ruvivavu;
using namespace ruvivavu::cli;

TEST(CalculatorChoice, FirstLineEndsAsTheReadersEndLinesAndLargeFilesAreNotRead) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* calculator;  // the São Paulo one, or the .e12 default
    };
    const Case cases[] = {
        {"CR LF", "estados\r\nx\r\n", "estados"},
        {"LF", "estados\nx\n", "estados"},
        {"CR alone", "estados\rx\r", "estados"},
        {"only line, no line end", "estados", "estados"},
        {"daily savings", "Vers 1.2\r\n", "Vers 1.2"},
        {"too large: not read, the default", "estados\r\n" + std::string(kMaxTextFileBytes, 'x'), "Vers 1.2"},
    };
    enginetest::TempFolder folder{"calculatorchoice"};
    for (const Case& k : cases) {
        const std::string path = folder.path + "/calculo.e12";
        writeFileAtomic(path, k.bytes);
        const Calculator* calculator = calculatorForFile(path);
        ASSERT_NE(calculator, nullptr) << k.what;
        EXPECT_EQ(calculator->firstLine, k.calculator) << k.what;
    }
}
