// The agreement calculator ("Acordo dos Planos Econômicos"): the saver's accounts as the window
// holds them, the regime chosen, the header of the statement and, when the accounts came from a
// daily-savings calculation, that calculation's TOTAL. The window shows this state and calls these
// operations; the command-line tool and the tests drive it without a window. The rules live in
// sheet.h, the statement in statement.h, the taking over of a daily-savings calculation in
// calculationfile.h and the run without a window in headlessrun.h.
#pragma once

#include "core/common/grid.h"
#include "core/settlement/sheet.h"
#include "core/shell/unsavedtyping.h"

#include <string>
#include <vector>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::settlement {

inline constexpr const char* kStatementFile = "acordo.html";
inline constexpr const char* kCaption = "Acordo dos Planos Econômicos";
// The regime a new calculation starts with: adhesions made since 2020 follow the amendment.
inline constexpr Regime kDefaultRegime = Regime::Amendment;

// What the claim is worth by the daily-savings calculation the accounts came from.
struct Claim {
    bool present = false;    // the accounts came from a daily-savings calculation
    std::string total;       // the figure its statement's "TOTAL = " line ends with
    std::string currency;    // currency of that figure (the sheet's last yield period)
    std::string untilMonth;  // its "Atualizar até" month
    bool withInterest = false;
};

// The claim's TOTAL beside the agreement's net amount.
struct Comparison {
    bool computed = false;
    std::string reason;      // why not, when not computed
    std::string difference;  // TOTAL − net, "#,##0.00" (negative: the agreement pays more)
};
Comparison compare(const Claim& claim, const Result& result);

class Settlement {
public:
    explicit Settlement(shell::Shell& shell);

    // The saver's accounts: row 0 the headings, one account per data row (columns in sheet.h).
    StringGrid accounts;
    Regime regime = kDefaultRegime;
    std::vector<std::string> header;  // statement header, one entry per line
    Claim claim;

    // "Nova conta": one more row, with the plan, its saldo-base month and its first currency.
    void addAccount(const std::string& plan = "Plano Bresser");
    // "Excluir conta": removes a data row (nothing for row 0 or a row past the last).
    void removeAccount(int row);
    // A plan chosen in a row: its saldo-base month where the month is empty or another plan's, its
    // first currency where the currency is not one it takes.
    void planChosen(int row);
    // Leaving the accounts grid: a balance with a digit is rewritten in the money format (a text
    // that does not convert stays as typed and is reported as invalid by the result).
    void leaveAccounts();
    // "Novo": no accounts, no claim, the default regime; the header stays.
    void reset();

    Result result() const { return settle(accounts, regime); }
    Comparison comparison() const { return compare(claim, result()); }

    // The statement's bytes (Windows-1252, CR LF).
    std::string statementBytes() const;
    // "Finalizar": acordo.html written into the data folder and shown in the viewer.
    void finish();

    // Whether the accounts, the regime or the header hold typing not finalised (settled at
    // start-up, "Finalizar", "Novo" and on taking a daily-savings calculation's accounts, which
    // that calculation still holds; see shell/unsavedtyping.h).
    bool hasUnsavedTyping() const { return settledInputs_.changed(); }
    void settleInputs() { settledInputs_.settle(); }

    shell::Shell& shell() { return shell_; }
    const shell::Shell& shell() const { return shell_; }

private:
    std::string inputsText() const;

    shell::Shell& shell_;
    shell::SettledInputs settledInputs_;
};

}  // namespace ruvivavu::settlement
