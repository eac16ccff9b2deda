// Typing neither saved nor finalised, which the program asks about before it closes, in both
// configured-savings calculators.
#include "fixture.h"

#include <functional>

namespace configured_test {
namespace {

TEST_F(Calculator, TypingCountsUntilFinalisedSavedOpenedOrReset) {
    struct Case {
        const char* what;
        std::function<void(ConfiguredSavings&)> steps;
        bool unsaved;
    };
    const auto walked = [](ConfiguredSavings& c) {
        c.fields.name = "Maria";
        walk(c);
    };
    const Case cases[] = {
        {"shown, pages walked there and back", [](ConfiguredSavings& c) { walk(c), c.previous(), c.shown(); }, false},
        {"a name typed", [](ConfiguredSavings& c) { c.fields.name = "Maria"; }, true},
        {"an option ticked", [](ConfiguredSavings& c) { c.fields.fees = true; }, true},
        {"final page reached, not finalised", walked, true},
        {"finalised", [&](ConfiguredSavings& c) { walked(c), c.finish(); }, false},
        {"final page reached, then \"Salvar\"",
         [&](ConfiguredSavings& c) { walked(c), c.saveCopy(folder.path + "/copia.e20"); }, false},
        {"typed after the final page, then \"Salvar\"",
         [&](ConfiguredSavings& c) {
             walked(c);
             c.fields.bank = "Banco";
             c.saveCopy(folder.path + "/copia.e20");
         },
         true},
        {"typed, then \"Novo\"", [](ConfiguredSavings& c) { c.fields.name = "Maria", c.reset(); }, false},
        {"typed, then a file opened",
         [&](ConfiguredSavings& c) {
             walked(c);
             c.saveCopy(folder.path + "/copia.e20");
             c.fields.account = "123";
             c.open(folder.path + "/copia.e20");
         },
         false},
        {"typed, then \"Abrir Backup\"",
         [&](ConfiguredSavings& c) {
             walked(c);
             c.fields.moratory = true;
             c.openBackup();
         },
         false},
    };
    for (const Variant* variant : {&kConfiguredSavings, &kCollorSavings})
        for (const Case& k : cases) {
            ConfiguredSavings c(shell, *variant);
            c.shown();
            c.fields.updateDate = "15/08/1994";
            c.reset();  // keeps the update date, which the walks need
            k.steps(c);
            EXPECT_EQ(c.hasUnsavedTyping(), k.unsaved) << variant->extension << ": " << k.what;
        }
}

}  // namespace
}  // namespace configured_test
