// Typing neither saved nor finalised, which the program asks about before it closes.
#include "core/saopaulo/fixture.h"

#include <functional>

namespace saopaulo_test {

TEST(UnsavedTyping, TypingCountsUntilFinalisedOpenedRestoredOrReset) {
    using Steps = std::function<void(Calculator&)>;
    const Steps finished = [](Calculator& c) {
        typeTwoPlanCase(c);
        c.goTo(SaoPauloCourtDebt::kLastPage);
        c.model.finish();
    };
    struct Case {
        const char* what;
        Steps steps;
        bool unsaved;
    };
    const Case cases[] = {
        {"nothing typed: start-up and showing",
         [](Calculator& c) {
             c.model.loadAtStart();
             c.model.launch();
         },
         false},
        {"plans ticked and balances typed", [](Calculator& c) { typeTwoPlanCase(c); }, true},
        {"finalised", finished, false},
        {"finalised, then \"Compostos\" chosen",
         [&](Calculator& c) {
             finished(c);
             c.model.setCompound(true);
         },
         true},
        {"typed, then \"Novo\"",
         [](Calculator& c) {
             typeTwoPlanCase(c);
             c.model.reset();
         },
         false},
        {"typed, then \"Abrir Backup\"",
         [&](Calculator& c) {
             finished(c);
             c.balance(1, "6", "3,00");
             c.model.openBackup();
         },
         false},
    };
    for (const Case& k : cases) {
        Calculator c;
        k.steps(c);
        EXPECT_EQ(c.model.hasUnsavedTyping(), k.unsaved) << k.what;
    }
}

}  // namespace saopaulo_test
