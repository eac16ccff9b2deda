// Writes acordo.html.
#include "core/settlement/statement.h"

#include "core/common/encoding.h"
#include "core/common/text.h"
#include "core/shell/shell.h"

namespace ruvivavu::settlement {

namespace {

constexpr const char* kAgreement = "acordo de dezembro de 2017";
constexpr const char* kAmendment = "termo aditivo de 11/03/2020";
constexpr const char* kNotComputed = "não calculado";

std::string percent(int value) {
    return std::to_string(value) + " %";
}

std::string discountBand(int percentValue) {
    switch (percentValue) {
        case 0:
            return "sem desconto até 5.000,00";
        case 8:
            return "de 5.000,01 a 10.000,00";
        case 14:
            return "de 10.000,01 a 20.000,00";
        default:
            return "acima de 20.000,00";
    }
}

Step accountStep(const AccountResult& account) {
    Step step;
    step.label = "Valor-base - " + account.plan;
    if (!account.computed) {
        step.detail = account.reason;
        step.amount = kNotComputed;
        return step;
    }
    step.source = std::string("fator e dias de aniversário do ") + kAgreement + " (FEBRAPO, signatária)";
    const std::string& given = account.balance;
    std::string base = account.baseText;
    if (given.rfind("Cz$ ", 0) == 0 && base.rfind("NCz$ ", 0) == 0) {
        base = given + " ÷ 1.000 = " + base;
        step.source += "; um cruzado novo vale mil cruzados (Lei 7.730/1989)";
    }
    const PlanRule* rule = ruleFor(planNamed(account.plan));
    if (account.dayPaid) {
        step.detail = base + " × " + account.factor;
    } else {
        step.detail = "aniversário no dia " + account.day + ": o acordo paga só os dias " +
                      std::to_string(rule->firstDay) + " a " + std::to_string(rule->lastDay);
    }
    step.amount = account.value;
    return step;
}

}  // namespace

std::vector<Step> steps(const Result& result, const Claim& claim, const Comparison& comparison) {
    const bool original = result.regime == Regime::Original;
    std::vector<Step> list;
    for (const AccountResult& account : result.accounts) list.push_back(accountStep(account));
    list.push_back({"Valor consolidado",
                    "soma dos valores-base calculados (" + std::to_string(result.computedAccounts) + " conta" +
                        (result.computedAccounts == 1 ? ")" : "s)"),
                    result.consolidated, std::string("soma por poupador, ") + kAgreement});
    list.push_back({"Desconto",
                    percent(result.discountPercent) + " sobre todo o valor consolidado (" +
                        discountBand(result.discountPercent) + ")",
                    result.discount, std::string("cláusula 7.2.2 do ") + kAgreement});
    list.push_back({"Valor líquido ao poupador", "valor consolidado - desconto", result.net, ""});
    const std::string paymentSource =
        original ? std::string(kAgreement) +
                       ": à vista até 5.000,00; 1 + 2 parcelas semestrais até 10.000,00; 1 + 4 parcelas acima"
                 : std::string(kAmendment) + ": pagamento único, para todos os planos";
    for (const Instalment& instalment : result.instalments)
        list.push_back({std::to_string(instalment.number) + "ª parcela", instalment.when, instalment.amount,
                        instalment.number == 1 ? paymentSource : ""});
    list.push_back({"Honorários advocatícios",
                    percent(result.feePercent) +
                        " do valor líquido, pagos pelo banco ao advogado, sem desconto do valor do poupador",
                    result.fees,
                    original ? std::string(kAgreement) +
                                   " (nas execuções de ações civis públicas: 5 % ao advogado e 5 % à FEBRAPO)"
                             : std::string(kAmendment) + " (de 10 % para 15 %)"});
    if (claim.present) {
        const std::string until = claim.untilMonth.empty() ? "" : " (atualizado até " + claim.untilMonth + ")";
        const bool total = checkinteiro(claim.total);
        std::string detail = total
                                 ? "em " + (claim.currency.empty() ? std::string("moeda não indicada") : claim.currency)
                                 : comparison.reason;
        if (total && claim.withInterest) detail += ", com os juros processuais do cálculo";
        list.push_back({"TOTAL do cálculo da Poupança Diária" + until, detail, total ? claim.total : kNotComputed, ""});
        list.push_back({"Diferença",
                        comparison.computed ? "TOTAL do cálculo - valor líquido pelo acordo" : comparison.reason,
                        comparison.computed ? comparison.difference : kNotComputed, ""});
    }
    return list;
}

std::string writeStatement(const Settlement& settlement) {
    const Result result = settlement.result();
    const Comparison comparison = compare(settlement.claim, result);
    const std::string style = settlement.shell().fontStyle();
    const std::string span = "<span style=\"" + style + "\">";
    std::string html;
    auto line = [&html](const std::string& text) {
        html += text;
        html += "\r\n";
    };
    // A table row; `align` holds one letter per cell, L(eft) or R(ight).
    auto row = [](const std::vector<std::string>& cells, const std::string& align, bool bold = false) {
        std::string tr = "<tr>";
        for (size_t c = 0; c < cells.size(); ++c) {
            tr += std::string("<td><div align=") + (align[c] == 'L' ? "Left" : "Right") + ">" + (bold ? "<b>" : "") +
                  cells[c] + (bold ? "</b>" : "") + "</div></td>";
        }
        return tr + "</tr>";
    };

    line("<html><head>\r\n<title>Acordo dos Planos Econômicos</title>\r\n</head>");
    line("<body>");
    line(span);
    for (const std::string& text : settlement.header) line("<p><b>" + text + "</b></p>");
    line("<p><b>ACORDO COLETIVO DOS PLANOS ECONÔMICOS - VALOR PELO ACORDO</b></p>");
    line("<p>" + regimeTitle(result.regime) + "</p>");
    line("</span>");

    line("<table border =1 style=\"" + style + "\">");
    const std::string accountAlign = "LRRRRRR";
    line(row({"Plano", "Mês do saldo", "Aniversário", "Saldo informado", "Saldo base", "Fator", "Valor-base (R$)"},
             accountAlign, true));
    for (const AccountResult& account : result.accounts) {
        line(row({account.plan, account.month, account.day, account.balance, account.baseText, account.factor,
                  account.computed ? account.value : kNotComputed},
                 accountAlign));
    }
    line("</table>");

    line("<p>&nbsp;</p>");
    line("<table border =1 style=\"" + style + "\">");
    const std::string stepAlign = "LLRL";
    line(row({"Etapa", "Cálculo", "Valor (R$)", "Fonte"}, stepAlign, true));
    for (const Step& step : steps(result, settlement.claim, comparison))
        line(row({step.label, step.detail, step.amount, step.source}, stepAlign));
    line("</table>");

    line("<p>&nbsp;</p>");
    line("<div align=\"Center\">");
    if (settlement.claim.present) {
        line("<table border =1 style=\"" + style + "\">");
        line(row({"TOTAL do cálculo", "Valor líquido pelo acordo", "Diferença"}, "RRR", true));
        line(row({checkinteiro(settlement.claim.total) ? settlement.claim.total : kNotComputed, result.net,
                  comparison.computed ? comparison.difference : kNotComputed},
                 "RRR", true));
        line("</table>");
    } else {
        line("<b>VALOR LÍQUIDO PELO ACORDO = " + result.net + "</b>");
    }
    line("</div>");

    line("<p>&nbsp;</p>");
    line(span);
    line(
        "<p>O texto do acordo coletivo e o do termo aditivo prevalecem sobre este demonstrativo. Pontos "
        "incertos:</p>");
    for (const std::string& point : openPoints(result.regime)) line("<p>- " + point + "</p>");
    line("</span>");
    line("</body></html>");
    return utf8ToCp1252(html);
}

}  // namespace ruvivavu::settlement
