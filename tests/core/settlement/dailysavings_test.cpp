// The accounts and the claim taken from a daily-savings calculation as it stands in its window.
#include "core/common/errors.h"
#include "core/dailysavings/model.h"
#include "core/settlement/calculationfile.h"
#include "core/settlement/model.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

#include <gtest/gtest.h>

namespace {

using namespace ruvivavu;
using namespace ruvivavu::settlement;

struct Calculation {
    shell::Shell shell;
    shell::PlanTable planTable;
    shell::IndexApplicationTable yieldOverrides;
    dailysavings::DailySavings model{shell, planTable, yieldOverrides};
    Calculation() {
        shell.dataFolder = RUVIVAVU_SOURCE_DIR "/data";  // only read
        model.loadAtStart();
    }
};

// Plano Bresser and Plano Collor II of the shipped plan table; the table puts Collor II in 02/1991.
TEST(TakeDailySavings, BalancesBecomeAccountsAndTheTotalComesWithTheSheet) {
    Calculation c;
    Settlement settlement(c.shell);
    EXPECT_THROW(takeDailySavings(c.model, settlement), UserMessage);

    c.model.setPlanChecked(0, true);
    c.model.setPlanChecked(4, true);
    c.model.next();
    c.model.balances.setCell(3, 1, "1");
    c.model.balances.setCell(4, 1, "100.000,00");
    c.model.balances.setCell(3, 2, "3");
    c.model.balances.setCell(4, 2, "1.000.000,00");
    takeDailySavings(c.model, settlement);

    Result result = settlement.result();
    ASSERT_EQ(result.accounts.size(), 2u);
    EXPECT_EQ(result.accounts[0].value, "4.277,00");
    EXPECT_FALSE(result.accounts[1].computed);
    EXPECT_EQ(result.accounts[1].reason,
              "não calculado: o acordo usa o saldo base de 01/1991; o saldo informado é de 02/1991");
    EXPECT_EQ(settlement.comparison().reason,
              "o cálculo da Poupança Diária não chegou ao TOTAL (avance até a planilha)");

    // Choosing the plan again keeps the month the calculation gave; another plan's month goes.
    settlement.planChosen(2);
    EXPECT_EQ(settlement.accounts.cell(MonthColumn, 2), "02/1991");
    settlement.accounts.setCell(PlanColumn, 1, "Plano Verão");
    settlement.planChosen(1);
    EXPECT_EQ(settlement.accounts.row(1),
              (std::vector<std::string>{"Plano Verão", "01/1989", "1", "Cz$", "100.000,00"}));
    settlement.accounts.setCell(PlanColumn, 1, "Plano Bresser");
    settlement.planChosen(1);

    // The user gives the January 1991 balance in the agreement's window.
    settlement.accounts.setCell(MonthColumn, 2, "01/1991");
    EXPECT_EQ(settlement.result().consolidated, "5.677,00");

    for (int page = 1; page < dailysavings::DailySavings::kLastPage; ++page) c.model.next();
    takeDailySavings(c.model, settlement);
    EXPECT_EQ(settlement.claim.currency, "R$");
    EXPECT_EQ(settlement.claim.untilMonth, c.model.chosenPlans.cell(1, c.model.chosenPlans.rowCount() - 1));
    EXPECT_FALSE(settlement.claim.withInterest);
    EXPECT_TRUE(settlement.comparison().computed);
}

TEST(TakeDailySavings, DifferenceOnlyForATotalInReais) {
    Result result;
    result.net = "1.000,00";
    struct Case {
        Claim claim;
        bool computed;
        const char* text;
    };
    const Case cases[] = {
        {Claim{}, false, "as contas não vieram de um cálculo da Poupança Diária"},
        {Claim{true, "", "", "", false}, false,
         "o cálculo da Poupança Diária não chegou ao TOTAL (avance até a planilha)"},
        {Claim{true, "2.500,00", "Cr$", "12/1991", false}, false, "o TOTAL do cálculo está em Cr$, não em R$"},
        {Claim{true, "2.500,00", "R$", "07/2026", true}, true, "1.500,00"},
        {Claim{true, "800,00", "R$", "07/2026", false}, true, "-200,00"},
    };
    for (const Case& c : cases) {
        const Comparison comparison = compare(c.claim, result);
        EXPECT_EQ(comparison.computed, c.computed);
        EXPECT_EQ(c.computed ? comparison.difference : comparison.reason, c.text);
    }
}

}  // namespace
