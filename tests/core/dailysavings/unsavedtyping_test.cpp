// Typing neither saved nor finalised, which the program asks about before it closes.
#include "core/common/errors.h"
#include "core/dailysavings/fixture.h"

namespace dailysavings_test {

TEST(UnsavedTyping, TypingCountsUntilFinalisedOpenedRestoredOrReset) {
    using Steps = std::function<void(Calculator&)>;
    // A finished two-plan case, its backup written.
    const Steps finished = [](Calculator& c) {
        typeTwoPlanCase(c);
        c.goTo(6);
        c.model.finish();
    };
    struct Case {
        const char* what;
        Steps steps;
        bool unsaved;
    };
    const Case cases[] = {
        {"nothing typed: start-up, showing, a plan-table rebuild",
         [](Calculator& c) {
             c.setPlans({{"Plano A", "01/1989", "20,37"}});
             c.model.loadAtStart();
             c.model.shown();
             c.model.rebuildPlanList();
         },
         false},
        {"a plan ticked", [](Calculator& c) { typeTwoPlanCase(c); }, true},
        {"finalised", finished, false},
        {"finalised, then the pages walked again",
         [&](Calculator& c) {
             finished(c);
             while (c.model.page > 0) c.model.previous();
             c.goTo(6);
         },
         false},
        {"finalised, then a balance typed",
         [&](Calculator& c) {
             finished(c);
             c.balance(1, "2", "1.500,00");
         },
         true},
        {"typed after finalising, then \"Salvar\" (it copies the finalised backup)",
         [&](Calculator& c) {
             finished(c);
             c.model.paidBack.setCell(2, 3, "10,00");
             c.model.saveCopy(c.folder.path + "/copia.e12");
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
             c.model.proRata = !c.model.proRata;
             c.model.openBackup();
         },
         false},
        {"a file opened, then its court interest typed",
         [&](Calculator& c) {
             finished(c);
             c.model.saveCopy(c.folder.path + "/copia.e12");
             c.model.reset();
             c.model.open(c.folder.path + "/copia.e12");
             c.model.courtInterest.setCell(2, 1, "2");
         },
         true},
        {"typed, then a file that cannot be read",
         [](Calculator& c) {
             typeTwoPlanCase(c);
             try {
                 c.model.open(c.folder.path + "/nao-existe.e12");
             } catch (const FileError&) {
             }
         },
         true},
    };
    for (const Case& k : cases) {
        Calculator c;
        k.steps(c);
        EXPECT_EQ(c.model.hasUnsavedTyping(), k.unsaved) << k.what;
    }
}

}  // namespace dailysavings_test
