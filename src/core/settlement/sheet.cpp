// The agreement's arithmetic: valores-base, consolidation, discount, payment and fees.
#include "core/settlement/sheet.h"

#include "core/common/errors.h"
#include "core/common/numeric.h"
#include "core/common/text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace ruvivavu::settlement {

namespace {

constexpr std::array kRules{
    PlanRule{Plan::Bresser, "Plano Bresser", "06/1987", "0,04277", 1, 15, "Cz$"},
    PlanRule{Plan::Verao, "Plano Verão", "01/1989", "4,09818", 1, 15, "NCz$"},
    PlanRule{Plan::CollorII, "Plano Collor II", "01/1991", "0,0014", 3, 31, "Cr$"},
};

// Verão balances of January 1989 were kept in cruzados until 15/01/1989: one cruzado novo is a
// thousand cruzados.
constexpr const char* kCruzado = "Cz$";
constexpr const char* kThousand = "1.000";

std::string money(Number value) {
    return FormatFloat(kMoney, checked(value));
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Lower case without the accents a plan name may carry.
std::string folded(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == 0xC3 && i + 1 < text.size()) {
            const unsigned char next = static_cast<unsigned char>(text[++i]) | 0x20;  // Ã -> ã
            out += next >= 0xA0 && next <= 0xA5 ? 'a' : next >= 0xA8 && next <= 0xAB ? 'e' : '?';
        } else {
            out += static_cast<char>(std::tolower(c));
        }
    }
    return out;
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// The anniversary day as a number 1 to 31; 0 when the text is no such day.
int dayOf(const std::string& text) {
    const std::string day = trimmed(text);
    if (day.empty() || day.size() > 2) return 0;
    for (char c : day)
        if (c < '0' || c > '9') return 0;
    const int value = StrToInt(day);
    return value >= 1 && value <= 31 ? value : 0;
}

std::string outsideReason(Plan plan, Regime regime) {
    if (plan == Plan::CollorI) {
        if (regime == Regime::Original)
            return "não calculado: os termos originais do acordo não pagam o Plano Collor I (nenhum pagamento devido)";
        return "não calculado: o termo aditivo de 2020 inclui o Plano Collor I só para ações individuais que tratam "
               "apenas dele, com regra (saldo de abril de 1990 × 0,03, com valores mínimos) conhecida de uma única "
               "fonte secundária";
    }
    return "fora do acordo: o acordo paga os planos Bresser (saldo de 06/1987), Verão (01/1989) e Collor II "
           "(01/1991)";
}

// One account: the checks, the conversion of a Verão balance in cruzados and the valor-base.
AccountResult settleAccount(const StringGrid& grid, int row, Regime regime) {
    AccountResult account;
    account.plan = grid.cell(PlanColumn, row);
    account.month = trimmed(grid.cell(MonthColumn, row));
    account.day = trimmed(grid.cell(DayColumn, row));
    const std::string currency = trimmed(grid.cell(CurrencyColumn, row));
    const std::string balance = trimmed(grid.cell(BalanceColumn, row));
    account.balance = currency + " " + balance;

    const PlanRule* rule = ruleFor(planNamed(account.plan));
    if (!rule) {
        account.reason = outsideReason(planNamed(account.plan), regime);
        return account;
    }
    if (account.month.empty()) account.month = rule->month;
    if (account.month != rule->month) {
        account.reason = std::string("não calculado: o acordo usa o saldo base de ") + rule->month +
                         "; o saldo informado é de " + account.month;
        return account;
    }
    const int day = dayOf(account.day);
    if (day == 0) {
        account.reason = "não calculado: dia do aniversário inválido";
        return account;
    }
    const std::vector<std::string> currencies = currencyChoices(rule->plan);
    if (currency.empty() || std::find(currencies.begin(), currencies.end(), currency) == currencies.end()) {
        account.reason = "não calculado: o saldo base do " + std::string(rule->name) + " é tomado em " +
                         rule->currency + (rule->plan == Plan::Verao ? " (ou em Cz$, dividido por 1.000)" : "") +
                         (currency.empty() ? "; informe a moeda" : "; o saldo informado está em " + currency);
        return account;
    }
    Number amount = 0;
    bool valid = checkinteiro(balance);
    if (valid) {
        try {
            amount = RemovePonto(balance);
        } catch (const ConversionError&) {
            valid = false;
        }
    }
    if (!valid || amount < 0) {
        account.reason = "não calculado: saldo base inválido";
        return account;
    }

    std::string base = money(amount);
    if (currency == kCruzado && rule->plan == Plan::Verao) base = money(divide(amount, RemovePonto(kThousand)));
    account.baseText = std::string(rule->currency) + " " + base;
    account.factor = rule->factor;
    account.dayPaid = day >= rule->firstDay && day <= rule->lastDay;
    account.value = account.dayPaid ? money(RemovePonto(base) * RemovePonto(rule->factor)) : money(0);
    account.computed = true;
    return account;
}

}  // namespace

const PlanRule* ruleFor(Plan plan) {
    for (const PlanRule& rule : kRules)
        if (rule.plan == plan) return &rule;
    return nullptr;
}

Plan planNamed(const std::string& name) {
    const std::string text = folded(name);
    if (contains(text, "bresser")) return Plan::Bresser;
    if (contains(text, "verao")) return Plan::Verao;
    if (contains(text, "collor ii") || contains(text, "collor 2")) return Plan::CollorII;
    if (contains(text, "collor i") || contains(text, "collor 1")) return Plan::CollorI;
    return Plan::Outside;
}

std::vector<std::string> planChoices() {
    return {"Plano Bresser", "Plano Verão", "Plano Collor I", "Plano Collor II"};
}

std::vector<std::string> currencyChoices(Plan plan) {
    switch (plan) {
        case Plan::Bresser:
            return {"Cz$"};
        case Plan::Verao:
            return {kCruzado, "NCz$"};
        case Plan::CollorII:
            return {"Cr$"};
        default:
            return {};
    }
}

std::vector<std::string> accountHeadings() {
    return {"Plano", "Mês do saldo", "Aniversário", "Moeda", "Saldo base"};
}

int discountPercentFor(const std::string& consolidated) {
    const Number value = RemovePonto(consolidated);
    if (value <= 5000) return 0;
    if (value <= 10000) return 8;
    if (value <= 20000) return 14;
    return 19;
}

std::string netOf(const std::string& consolidated) {
    const Number keep = 1 - divide(discountPercentFor(consolidated), 100);
    return money(RemovePonto(consolidated) * keep);
}

int instalmentCountFor(const std::string& consolidated) {
    const Number value = RemovePonto(consolidated);
    if (value <= 5000) return 1;
    if (value <= 10000) return 3;
    return 5;
}

Result settle(const StringGrid& accounts, Regime regime) {
    Result result;
    result.regime = regime;
    Number sum = 0;
    for (int row = 1; row < accounts.rowCount(); ++row) {
        bool empty = true;
        for (int col = 0; col < kAccountColumns; ++col) empty = empty && trimmed(accounts.cell(col, row)).empty();
        if (empty) continue;
        AccountResult account = settleAccount(accounts, row, regime);
        if (account.computed) {
            ++result.computedAccounts;
            sum = RemovePonto(money(sum + RemovePonto(account.value)));
        }
        result.accounts.push_back(std::move(account));
    }
    result.consolidated = money(sum);

    result.discountPercent = discountPercentFor(result.consolidated);
    result.net = netOf(result.consolidated);
    const Number net = RemovePonto(result.net);
    result.discount = money(sum - net);

    const int parts = regime == Regime::Original ? instalmentCountFor(result.consolidated) : 1;
    const Number part = RemovePonto(money(divide(net, parts)));
    // The cents a division leaves go with the first part, so that the parts add up to the net.
    const Number first = net - RemovePonto(money(part * (parts - 1)));
    for (int k = 1; k <= parts; ++k) {
        Instalment instalment;
        instalment.number = k;
        instalment.amount = money(k == 1 ? first : part);
        if (parts == 1)
            instalment.when = "pagamento único";
        else if (k == 1)
            instalment.when = "à vista";
        else
            instalment.when = std::to_string(6 * (k - 1)) + " meses após a 1ª, corrigida pelo IPCA";
        result.instalments.push_back(instalment);
    }

    result.feePercent = regime == Regime::Original ? 10 : 15;
    result.fees = money(divide(net * result.feePercent, 100));
    return result;
}

std::vector<std::string> openPoints(Regime regime) {
    std::vector<std::string> points{
        "O texto integral do acordo e o do termo aditivo não foram consultados: fatores, dias de aniversário, "
        "descontos, parcelas e honorários vêm da FEBRAPO (signatária do acordo), do IDEC, do portal oficial de "
        "adesão e da imprensa.",
        "Moeda do saldo base (inferida, não lida no acordo): no Plano Verão o saldo em cruzados é dividido por "
        "1.000 e tomado em cruzados novos; no Plano Collor II o saldo é tomado em cruzeiros.",
        "Os limites de exatamente 10.000,00 e 20.000,00 das faixas de desconto vêm só da imprensa.",
        "Não se sabe se as ações de um mesmo poupador são consolidadas juntas; aqui, as contas informadas formam "
        "um único valor consolidado.",
        "Nenhuma correção do valor consolidado entre a homologação e o pagamento foi encontrada; nenhuma foi "
        "aplicada. O reembolso de custas também não foi encontrado.",
        "O Plano Collor I não é calculado."};
    if (regime == Regime::Original) {
        points.push_back(
            "Parcelas semestrais: a data inicial e o método da correção pelo IPCA e o arredondamento das parcelas "
            "não constam das fontes; as parcelas aparecem sem a correção e os centavos da divisão ficam na 1ª "
            "parcela.");
    } else {
        points.push_back(
            "Os descontos da cláusula 7.2.2 foram aplicados também pelo termo aditivo; só há indício fraco de que "
            "continuam valendo.");
        points.push_back(
            "A divisão dos honorários nas execuções de ações civis públicas após o termo aditivo não "
            "foi confirmada.");
    }
    return points;
}

std::string regimeCode(Regime regime) {
    return regime == Regime::Original ? "2017" : "2020";
}

bool regimeFromCode(const std::string& code, Regime& regime) {
    if (code == "2017") {
        regime = Regime::Original;
        return true;
    }
    if (code == "2020") {
        regime = Regime::Amendment;
        return true;
    }
    return false;
}

std::string regimeTitle(Regime regime) {
    if (regime == Regime::Original)
        return "Termos originais do acordo (assinado em dezembro de 2017, homologado pelo STF em março de 2018)";
    return "Termo aditivo ao acordo (assinado em 11/03/2020, homologado pelo STF em 28/05/2020)";
}

}  // namespace ruvivavu::settlement
