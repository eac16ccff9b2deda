// Typing not finalised, which the program asks about before it closes.
#include "core/settlement/model.h"
#include "core/shell/shell.h"
#include "core/support/tempfolder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace ruvivavu;
using namespace ruvivavu::settlement;

TEST(SettlementUnsavedTyping, TypingCountsUntilFinalisedOrReset) {
    struct Case {
        const char* what;
        std::function<void(Settlement&)> steps;
        bool unsaved;
    };
    const auto typed = [](Settlement& s) {
        s.addAccount();
        s.accounts.setCell(BalanceColumn, 1, "1000");
        s.leaveAccounts();
    };
    const Case cases[] = {
        {"nothing typed", [](Settlement& s) { s.leaveAccounts(); }, false},
        {"an account added", [](Settlement& s) { s.addAccount(); }, true},
        {"the regime changed", [](Settlement& s) { s.regime = Regime::Original; }, true},
        {"a header line typed", [](Settlement& s) { s.header = {"Autor"}; }, true},
        {"finalised", [&](Settlement& s) { typed(s), s.finish(); }, false},
        {"finalised, then the balance retyped",
         [&](Settlement& s) {
             typed(s), s.finish();
             s.accounts.setCell(BalanceColumn, 1, "2.000,00");
         },
         true},
        {"finalised, then the account removed", [&](Settlement& s) { typed(s), s.finish(), s.removeAccount(1); }, true},
        {"typed, then \"Novo\"", [&](Settlement& s) { typed(s), s.reset(); }, false},
    };
    for (const Case& k : cases) {
        enginetest::TempFolder folder{"settlement"};
        shell::Shell shell;
        shell.dataFolder = folder.path;
        Settlement settlement(shell);
        k.steps(settlement);
        EXPECT_EQ(settlement.hasUnsavedTyping(), k.unsaved) << k.what;
    }
}
