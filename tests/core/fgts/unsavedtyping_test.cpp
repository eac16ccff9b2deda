// Typing neither saved nor finalised, which the program asks about before it closes.
#include "core/fgts/model.h"
#include "core/shell/shell.h"
#include "fixture.h"

#include <gtest/gtest.h>

#include <functional>

using namespace ruvivavu;
using namespace ruvivavu::fgts;

TEST(FgtsUnsavedTyping, TypingCountsUntilFinalisedOpenedRestoredOrReset) {
    struct Case {
        const char* what;
        std::function<void(FgtsPurge&, const std::string& folder)> steps;
        bool unsaved;
    };
    const auto finished = [](FgtsPurge& c, const std::string&) {
        c.fields = fgts_test::workedCase();
        c.finish();
    };
    const Case cases[] = {
        {"nothing typed",
         [](FgtsPurge& c, const std::string&) {
             c.launch();
             c.shown();
         },
         false},
        {"a balance typed", [](FgtsPurge& c, const std::string&) { c.fields.veraoBalance = "1.000,00"; }, true},
        {"finalised", finished, false},
        {"finalised, then 6 % chosen",
         [&](FgtsPurge& c, const std::string& folder) {
             finished(c, folder);
             c.fields.jam3 = false;
             c.fields.jam6 = true;
         },
         true},
        {"typed after finalising, then \"Salvar\"",
         [&](FgtsPurge& c, const std::string& folder) {
             finished(c, folder);
             c.fields.costs = "1,00";
             c.saveCopy(folder + "/copia.fg");
         },
         true},
        {"typed, then \"Novo\"",
         [](FgtsPurge& c, const std::string&) {
             c.fields = fgts_test::workedCase();
             c.reset();
         },
         false},
        {"typed, then a file opened",
         [&](FgtsPurge& c, const std::string& folder) {
             finished(c, folder);
             c.saveCopy(folder + "/copia.fg");
             c.fields.header.push_back("mais uma linha");
             c.open(folder + "/copia.fg");
         },
         false},
        {"typed, then \"Abrir Backup\"",
         [&](FgtsPurge& c, const std::string& folder) {
             finished(c, folder);
             c.fields.withFees = false;
             c.openBackup();
         },
         false},
    };
    for (const Case& k : cases) {
        fgts_test::ScratchFolder dir;
        shell::Shell shell;
        shell.dataFolder = dir.path();
        writeFileAtomic(dir.file("fgts.tab"), fgts_test::kTable);
        FgtsPurge calculator(shell);
        calculator.launch();
        k.steps(calculator, dir.path());
        EXPECT_EQ(calculator.hasUnsavedTyping(), k.unsaved) << k.what;
    }
}
