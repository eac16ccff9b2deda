// The agreement's figures: the published examples, the boundary cases of its rules, the accounts it
// does not compute, and the claim of a saved daily-savings calculation beside the net amount.
#include "core/settlement/headlessrun.h"
#include "core/settlement/model.h"
#include "core/settlement/statement.h"
#include "core/shell/shell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace ruvivavu;
using namespace ruvivavu::settlement;

// Plan, month (empty: the plan's), day, currency, balance.
using Account = std::vector<std::string>;

Result settleAccounts(const std::vector<Account>& accounts, Regime regime = Regime::Amendment) {
    StringGrid grid(kAccountColumns, 1, 0, 1);
    grid.setRow(0, accountHeadings());
    for (const Account& account : accounts) {
        grid.setRowCount(grid.rowCount() + 1);
        grid.setRow(grid.rowCount() - 1, account);
    }
    return settle(grid, regime);
}

std::vector<std::string> amounts(const Result& result) {
    std::vector<std::string> out;
    for (const Instalment& instalment : result.instalments) out.push_back(instalment.amount);
    return out;
}

struct Example {
    const char* name;
    std::vector<Account> accounts;
    const char* consolidated;
    int discount;
    const char* net;
};

TEST(Settlement, PublishedExamplesAndDerivedCases) {
    const Example examples[] = {
        {"Bresser 100.000", {{"Plano Bresser", "", "1", "Cz$", "100.000,00"}}, "4.277,00", 0, "4.277,00"},
        {"Bresser 500.000", {{"Plano Bresser", "", "15", "Cz$", "500.000,00"}}, "21.385,00", 19, "17.321,85"},
        {"Verão 500,00", {{"Plano Verão", "", "10", "NCz$", "500,00"}}, "2.049,09", 0, "2.049,09"},
        {"Verão in cruzados", {{"Plano Verão", "01/1989", "15", "Cz$", "500.000,00"}}, "2.049,09", 0, "2.049,09"},
        {"Collor II day 2", {{"Plano Collor II", "", "2", "Cr$", "1.000.000,00"}}, "0,00", 0, "0,00"},
        {"Collor II day 3", {{"Plano Collor II", "", "3", "Cr$", "1.000.000,00"}}, "1.400,00", 0, "1.400,00"},
        {"Bresser day 16", {{"Plano Bresser", "", "16", "Cz$", "100.000,00"}}, "0,00", 0, "0,00"},
        {"two plans",
         {{"Plano Bresser", "", "1", "Cz$", "100.000,00"}, {"Plano Verão", "", "1", "NCz$", "500,00"}},
         "6.326,09",
         8,
         "5.820,00"},
    };
    for (const Example& example : examples) {
        SCOPED_TRACE(example.name);
        const Result result = settleAccounts(example.accounts);
        EXPECT_EQ(result.consolidated, example.consolidated);
        EXPECT_EQ(result.discountPercent, example.discount);
        EXPECT_EQ(result.net, example.net);
    }
}

TEST(Settlement, DiscountOnTheWholeValueAtTheBandLimits) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"5.000,00", "5.000,00"},   {"5.000,01", "4.600,01"},   {"10.000,00", "9.200,00"}, {"10.000,01", "8.600,01"},
        {"20.000,00", "17.200,00"}, {"20.000,01", "16.200,01"}, {"21.385,00", "17.321,85"}};
    for (const auto& [consolidated, net] : cases) EXPECT_EQ(netOf(consolidated), net) << consolidated;
}

TEST(Settlement, PaymentAndFeesByRegime) {
    const Account p2 = {"Plano Bresser", "", "5", "Cz$", "500.000,00"};
    Result original = settleAccounts({p2}, Regime::Original);
    EXPECT_EQ(amounts(original), std::vector<std::string>(5, "3.464,37"));
    EXPECT_EQ(original.instalments[1].when, "6 meses após a 1ª, corrigida pelo IPCA");
    EXPECT_EQ(original.feePercent, 10);
    EXPECT_EQ(original.fees, "1.732,19");

    const Result amended = settleAccounts({p2}, Regime::Amendment);
    EXPECT_EQ(amounts(amended), std::vector<std::string>{"17.321,85"});
    EXPECT_EQ(amended.instalments[0].when, "pagamento único");
    EXPECT_EQ(amended.fees, "2.598,28");

    // 5.560,10 less 8 % is 5.115,29: three parts of 1.705,10 would pay a cent too much.
    original = settleAccounts({{"Plano Bresser", "", "1", "Cz$", "130.000,00"}}, Regime::Original);
    EXPECT_EQ(amounts(original), (std::vector<std::string>{"1.705,09", "1.705,10", "1.705,10"}));
    // Up to 5.000,00 one payment, also under the original terms.
    EXPECT_EQ(amounts(settleAccounts({{"Plano Bresser", "", "1", "Cz$", "100.000,00"}}, Regime::Original)),
              std::vector<std::string>{"4.277,00"});
}

TEST(Settlement, AccountsOutsideTheRulesAreNotComputed) {
    struct Case {
        Account account;
        Regime regime;
        const char* reasonStart;
    };
    const Case cases[] = {
        {{"Plano Collor I - Abril/90", "04/1990", "1", "Cr$", "50.000,00"},
         Regime::Original,
         "não calculado: os termos originais do acordo não pagam o Plano Collor I"},
        {{"Plano Collor I", "", "1", "Cr$", "50.000,00"},
         Regime::Amendment,
         "não calculado: o termo aditivo de 2020 inclui o Plano Collor I"},
        {{"Plano Collor II", "02/1991", "5", "Cr$", "1.000,00"},
         Regime::Amendment,
         "não calculado: o acordo usa o saldo base de 01/1991; o saldo informado é de 02/1991"},
        {{"Plano Bresser", "", "1", "NCz$", "1.000,00"},
         Regime::Amendment,
         "não calculado: o saldo base do Plano Bresser é tomado em Cz$; o saldo informado está em NCz$"},
        {{"Plano Bresser", "", "32", "Cz$", "1.000,00"}, Regime::Amendment, "não calculado: dia do aniversário"},
        {{"Plano Verão", "", "1", "Cz$", ""}, Regime::Amendment, "não calculado: saldo base inválido"},
        {{"Poupança 1990", "03/1990", "1", "Cr$", "1.000,00"}, Regime::Amendment, "fora do acordo"},
    };
    for (const Case& c : cases) {
        const Result result = settleAccounts({c.account, {"Plano Bresser", "", "1", "Cz$", "100.000,00"}}, c.regime);
        ASSERT_EQ(result.accounts.size(), 2u);
        EXPECT_FALSE(result.accounts[0].computed) << c.account[0];
        EXPECT_EQ(result.accounts[0].reason.rfind(c.reasonStart, 0), 0u) << result.accounts[0].reason;
        // The other account alone makes the consolidated value.
        EXPECT_EQ(result.consolidated, "4.277,00");
        EXPECT_EQ(result.computedAccounts, 1);
    }
}

TEST(Settlement, PlanNamesOfThePlanTable) {
    const std::vector<std::pair<const char*, Plan>> names = {{"Plano Bresser", Plan::Bresser},
                                                             {"Plano Verão", Plan::Verao},
                                                             {"PLANO VERÃO", Plan::Verao},
                                                             {"Plano Collor I - Abril/90", Plan::CollorI},
                                                             {"Plano Collor I - Maio/90", Plan::CollorI},
                                                             {"Plano Collor II", Plan::CollorII},
                                                             {"Collor 2", Plan::CollorII},
                                                             {"Plano Real", Plan::Outside}};
    for (const auto& [name, plan] : names) EXPECT_EQ(planNamed(name), plan) << name;
}

// Plano Bresser Cz$ 196.992,00 and Plano Verão Cz$ 1.250.000,00, both on day 15, updated to 07/2026
// with 190 % court interest: TOTAL 40.066,55.
TEST(Settlement, SavedCalculationBesideTheAgreement) {
    shell::Shell shell;
    shell.dataFolder = RUVIVAVU_SOURCE_DIR "/data";
    const std::string file = RUVIVAVU_SOURCE_DIR "/examples/bresser_verao_juros.e12";
    const std::string bytes = runAgreementFile(shell, file, Regime::Original);

    // 8.425,35 + NCz$ 1.250,00 × 4,09818 = 5.122,73 -> 13.548,08, less 14 % = 11.651,35.
    EXPECT_NE(bytes.find("<b>40.066,55</b></div></td><td><div align=Right><b>11.651,35</b></div></td><td><div "
                         "align=Right><b>28.415,20</b>"),
              std::string::npos);
    EXPECT_NE(bytes.find("Cz$ 1.250.000,00 \xF7 1.000 = NCz$ 1.250,00 \xD7 4,09818"), std::string::npos);
    EXPECT_NE(bytes.find("2.330,27"), std::string::npos);  // the five parts: 2.330,27 each
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
}

}  // namespace
