// What the collective agreement on the savings purges ("Acordo Coletivo dos Planos Econômicos",
// December 2017, homologated by the STF in March 2018, amended on 11/03/2020) pays a saver:
//
// 1. per account and plan, the valor-base = saldo base × the plan's factor, when the account's
//    anniversary day is one the agreement pays (otherwise 0,00); the Verão balance is taken in
//    cruzados novos, so a balance given in cruzados is divided by 1.000 first;
// 2. the valor consolidado V = the sum of the valores-base of the saver;
// 3. the discount of clause 7.2.2 on the whole of V (not by bands): none up to 5.000,00, 8 % up to
//    10.000,00, 14 % up to 20.000,00, 19 % above; net = V × (1 − discount);
// 4. the payment: under the original terms 1, 3 or 5 equal parts of the net (by V: up to 5.000,00,
//    up to 10.000,00, above), the first at once and the others every six months, corrected by the
//    IPCA; under the 2020 amendment one payment;
// 5. the lawyers' fees, paid by the bank on top of the net: 10 % (original terms), 15 % (amendment).
//
// Every money result is rounded to the cent (half away from zero) and the next step reads the
// rounded figure, as all amounts of the program are. Collor I is never computed: the original
// terms pay nothing for it and the amendment's rule for it is known from one secondary source
// only. What the agreement's published sources leave open is listed by openPoints().
#pragma once

#include "core/common/grid.h"

#include <string>
#include <vector>

namespace ruvivavu::settlement {

// Which terms the adhesion follows.
enum class Regime {
    Original,   // the agreement as signed in December 2017 ("2017")
    Amendment,  // the amendment signed on 11/03/2020, homologated on 28/05/2020 ("2020")
};

enum class Plan { Bresser, Verao, CollorI, CollorII, Outside };

// The agreement's figures for a plan it pays.
struct PlanRule {
    Plan plan;
    const char* name;      // as the statement names it
    const char* month;     // month of the saldo base, "mm/yyyy"
    const char* factor;    // multiplier of the saldo base
    int firstDay;          // anniversary days paid, inclusive
    int lastDay;           //
    const char* currency;  // currency the factor applies to
};

// Bresser, Verão and Collor II; null for the plans the agreement does not compute.
const PlanRule* ruleFor(Plan plan);

// The plan a name stands for ("Plano Bresser", "Plano Verão", "Plano Collor I - Abril/90",
// "Plano Collor II", ... as the plan table names them), case and accents aside.
Plan planNamed(const std::string& name);

// The names offered when accounts are typed.
std::vector<std::string> planChoices();
// The currencies a plan's saldo base may be given in (the first is the default), none for the
// plans the agreement does not compute.
std::vector<std::string> currencyChoices(Plan plan);

// The accounts of one saver, a grid with row 0 the headings and one account per data row.
enum AccountColumn { PlanColumn = 0, MonthColumn = 1, DayColumn = 2, CurrencyColumn = 3, BalanceColumn = 4 };
inline constexpr int kAccountColumns = 5;
std::vector<std::string> accountHeadings();  // "Plano", "Mês do saldo", "Aniversário", "Moeda", "Saldo base"

// One account as the agreement takes it.
struct AccountResult {
    std::string plan;       // the plan's text as given
    std::string month;      // of the balance given
    std::string day;        // anniversary day as given
    std::string balance;    // currency + amount as given
    bool computed = false;  // false: the reason tells why it is not in V
    std::string reason;
    std::string baseText;  // the saldo base the factor applies to, with its currency (after ÷ 1.000)
    std::string factor;    // the plan's factor ("" when not computed)
    bool dayPaid = false;  // the anniversary day is one the agreement pays
    std::string value;     // valor-base, "#,##0.00"; "0,00" for a day not paid
};

struct Instalment {
    int number = 0;
    std::string amount;  // "#,##0.00"
    std::string when;    // "à vista", "6 meses após a 1ª", ...
};

struct Result {
    Regime regime = Regime::Amendment;
    std::vector<AccountResult> accounts;
    int computedAccounts = 0;
    std::string consolidated;  // V
    int discountPercent = 0;   // 0, 8, 14 or 19
    std::string discount;      // V − net
    std::string net;           // V × (1 − discount)
    std::vector<Instalment> instalments;
    int feePercent = 0;  // 10 or 15
    std::string fees;
};

// The agreement's steps for the accounts of the grid. Raises ArithmeticError on overflow only:
// an account that cannot be computed is answered with its reason.
Result settle(const StringGrid& accounts, Regime regime);

// The discount of clause 7.2.2 for a consolidated value (percent).
int discountPercentFor(const std::string& consolidated);
// The net amount for a consolidated value: V × (1 − its discount), to the cent.
std::string netOf(const std::string& consolidated);
// The number of equal parts of the original terms for a consolidated value.
int instalmentCountFor(const std::string& consolidated);

// The points the sources leave uncertain that bear on a result of this regime (for the statement's
// footer and the window).
std::vector<std::string> openPoints(Regime regime);

// "2017" and "2020", and back (answers false for another text).
std::string regimeCode(Regime regime);
bool regimeFromCode(const std::string& code, Regime& regime);
// The regime named in words with its dates.
std::string regimeTitle(Regime regime);

}  // namespace ruvivavu::settlement
