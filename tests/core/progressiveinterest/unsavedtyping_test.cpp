// Typing neither saved nor finalised, which the program asks about before it closes.
#include "core/progressiveinterest/model.h"
#include "fixture.h"

#include <gtest/gtest.h>

#include <functional>

using namespace ruvivavu;
using namespace ruvivavu::progressiveinterest;

TEST(ProgressiveInterestUnsavedTyping, TypingCountsUntilSavedFinalisedOpenedOrReset) {
    struct Case {
        const char* what;
        std::function<void(ProgressiveInterest&, const std::string& folder)> steps;
        bool unsaved;
    };
    const auto typed = [](ProgressiveInterest& c, const std::string&) { c.edit(2, "1.000,00"); };
    const auto saved = [&](ProgressiveInterest& c, const std::string& folder) {
        typed(c, folder);
        c.saveBackup();
        c.saveCopy(folder + "/copia.jfgts");
    };
    const Case cases[] = {
        {"shown, a row selected, recomputed",
         [](ProgressiveInterest& c, const std::string&) {
             c.shown();
             c.select(3);
             c.recalc();
         },
         false},
        {"a value typed", typed, true},
        {"a header line typed", [](ProgressiveInterest& c, const std::string&) { c.header = {"Autor"}; }, true},
        {"the IPC option ticked", [](ProgressiveInterest& c, const std::string&) { c.ipcReflections = true; }, true},
        {"another end month", [](ProgressiveInterest& c, const std::string&) { c.endMonth = "mar/89"; }, true},
        {"\"Repetir\"", [&](ProgressiveInterest& c, const std::string& f) { typed(c, f), c.select(3), c.repeat(); },
         true},
        {"finalised", [&](ProgressiveInterest& c, const std::string& f) { typed(c, f), c.finish(); }, false},
        {"saved", saved, false},
        {"saved, then typed", [&](ProgressiveInterest& c, const std::string& f) { saved(c, f), c.edit(3, "5,00"); },
         true},
        {"typed, then \"Novo\"", [&](ProgressiveInterest& c, const std::string& f) { typed(c, f), c.reset(); }, false},
        {"saved, typed, then the file opened",
         [&](ProgressiveInterest& c, const std::string& f) {
             saved(c, f);
             c.edit(4, "7,00");
             c.open(f + "/copia.jfgts");
         },
         false},
    };
    for (const Case& k : cases) {
        progressive_test::Folder folder;
        ProgressiveInterest calculator(folder.shell);
        calculator.loadAtStart();
        calculator.shown();
        k.steps(calculator, folder.dir.path);
        EXPECT_EQ(calculator.hasUnsavedTyping(), k.unsaved) << k.what;
    }
}
