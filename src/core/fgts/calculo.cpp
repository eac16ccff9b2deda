// The FGTS purge computation: JAM coefficient and currency lookups, the plan rows, totals, fees,
// costs and the closing rows of planilha, and the wizard's page counter.
#include "core/fgts/calculo.h"

#include "core/common/text.h"

#include <utility>

namespace ruvivavu::fgts {

namespace {

// One economic plan of the calculator.
struct Plano {
    int row;
    const char* label;     // column 0
    const char* monthKey;  // the month whose currency the statement value is in
    const char* baseDate;  // the month whose coefficient the correction starts from
    Number factorJR3;
    Number factorJR6;
};

// Plano Verão on the March 1989 balance, Plano Collor I on the May 1990 balance. The Collor I
// factors are multipliers (the value is in cruzeiros after the 1990 reform), not percentages.
constexpr Plano kVerao{1, "03/89", "01/03/1989", "01/03/89", 0.355693L, 0.352729L};
constexpr Plano kCollor{2, "05/90", "01/05/1990", "01/05/90", 182.11841L, 92.496404L};

// Writes a cell and answers the number its text reads back as.
Number put(StringGrid& grid, int col, int row, std::string text) {
    grid.setCell(col, row, std::move(text));
    return RemovePonto(grid.cell(col, row));
}

}  // namespace

Number devolvevalor(const StringGrid& indice, const Date& date, bool jr3, bool jr6) {
    for (int row = 1; row < indice.rowCount(); ++row) {
        const Date first = StrToDate("01/" + indice.cell(0, row));
        if (first >= date) {
            if (jr3) return RemovePonto(indice.cell(6, row));
            if (jr6) return RemovePonto(indice.cell(7, row));
            return 0;
        }
    }
    return 0;
}

std::string devolvemoeda(const StringGrid& indice, std::string_view text) {
    std::string month(text.size() > 7 ? text.substr(3, 7) : text);
    std::string result;
    for (int row = 1; row < indice.rowCount(); ++row) {
        if (indice.cell(0, row) == month) result = indice.cell(8, row) + " ";
    }
    return result;
}

int mesesDeJuros(const Date& dataini, const Date& datajuros) {
    const Intervalo i = EntreDatas(dataini, datajuros);
    return i.anos * 12 + i.meses;
}

void writeHeadings(StringGrid& planilha) {
    static const char* const kHeadings[kPlanilhaCols] = {
        "<b>Data</b>",  "<b>Valor original</b>", "<b>Diferença</b>", "<b>Valor da JAM</b>", "<b>Valor Corrigido</b>",
        "<b>Juros</b>", "<b>Total</b>"};
    for (int col = 0; col < kPlanilhaCols; ++col) planilha.setCell(col, 0, kHeadings[col]);
}

void computePlanilha(const Fields& f, const StringGrid& indice, StringGrid& result) {
    // Built on a copy and stored only when every step succeeded: a run that stops half-way (a date
    // that does not convert, a base month missing from the table) would otherwise leave its
    // half-written plan row behind the row count, where the next run does not empty it and a plan
    // that is no longer ticked would reach the statement.
    StringGrid planilha = result;
    Number somaCorrigido = 0;
    Number somaJuros = 0;
    Number somaTotal = 0;

    for (int row = 1; row < planilha.rowCount(); ++row) planilha.clearRow(row);
    planilha.setRowCount(1);

    auto plano = [&](const Plano& p, const std::string& valorText) {
        const Number v = RemovePonto(valorText);
        const int r = p.row;
        planilha.setCell(0, r, p.label);
        planilha.setCell(1, r, devolvemoeda(indice, p.monthKey) + FormatFloat(kMoney, v));
        const Number diferenca =
            put(planilha, 2, r, FormatFloat(kMoney, checked(v * (f.jr3 ? p.factorJR3 : p.factorJR6))));
        const Number s = divide(100, devolvevalor(indice, StrToDate(p.baseDate), f.jr3, f.jr6));
        const Number atual = devolvevalor(indice, StrToDate(f.dataini), f.jr3, f.jr6);
        const Number coef = put(planilha, 3, r, FormatFloat(kCoef6, divide(checked(atual * s), 100)));
        const Number corrigido = put(planilha, 4, r, FormatFloat(kMoney, checked(diferenca * coef)));
        Number juros;
        if (f.cjuros) {
            const int meses = mesesDeJuros(StrToDate(f.dataini), StrToDate(f.datajuros));
            const Number mensal = divide(RemovePonto(f.txjur), 12);
            const Number value = checked(checked(mensal * meses) * divide(corrigido, 100));
            juros = put(planilha, 5, r, FormatFloat(kMoney, value));
        } else {
            juros = put(planilha, 5, r, "0,00");
        }
        const Number total = put(planilha, 6, r, FormatFloat(kMoney, checked(corrigido + juros)));
        somaCorrigido = checked(somaCorrigido + corrigido);
        somaJuros = checked(somaJuros + juros);
        somaTotal = checked(somaTotal + total);
    };
    if (f.cverao) plano(kVerao, f.jcsaldos);
    if (f.ccollor) plano(kCollor, f.jcollor);

    // Row 3 stays blank; row 4 holds the sums in the update month's currency.
    const std::string moeda = devolvemoeda(indice, f.dataini);
    planilha.setCell(2, 4, "<b>Total</b>");
    planilha.setCell(4, 4, "<b>" + moeda + FormatFloat(kMoney, somaCorrigido) + "</b>");
    planilha.setCell(5, 4, "<b>" + moeda + FormatFloat(kMoney, somaJuros) + "</b>");
    planilha.setCell(6, 4, "<b>" + moeda + FormatFloat(kMoney, somaTotal) + "</b>");

    Number geral = somaTotal;
    int row = 5;
    if (f.chonorarios) {
        planilha.setCell(2, row, "<b>Honorários</b>");
        const Number fee = checked(RemovePonto(f.hono) * divide(somaTotal, 100));
        geral = checked(geral + put(planilha, 6, row, moeda + FormatFloat(kMoney, fee)));
        ++row;
    }
    if (f.ccustas) {
        planilha.setCell(2, row, "<b>Custas</b>");
        geral = checked(geral + put(planilha, 6, row, moeda + FormatFloat(kMoney, RemovePonto(f.cust))));
        ++row;
    }
    const int g = row;
    planilha.setCell(2, g, "<b>TOTAL GERAL</b>");
    planilha.setCell(3, g, f.dataini);
    planilha.setCell(6, g, "<b>" + moeda + FormatFloat(kMoney, geral) + "</b>");

    planilha.setCell(2, g + 2, "<b>Taxa de juros remuneratórios: </b>");
    planilha.setCell(3, g + 2, "<b>Incluídos na Tabela JAM</b>");
    planilha.setCell(6, g + 2, f.jr3 ? "<b>3%</b>" : "<b>6%</b>");
    int last = g + 3;
    if (f.cjuros) {
        planilha.setCell(2, g + 3, "<b>Taxa de juros moratórios: </b>");
        planilha.setCell(6, g + 3, "<b>" + f.txjur + "%</b>");
        last = g + 4;
    }
    planilha.setCell(2, last, "<b>Indexador aplicado: </b>");
    planilha.setCell(6, last, "<b>Tabela JAM</b>");
    planilha.setRowCount(last + 1);
    result = std::move(planilha);
}

Calculo::Calculo() : planilha(kPlanilhaCols, 5, 0, 1) {
    writeHeadings(planilha);
}

void Calculo::onShow() {
    page = 0;
    writeHeadings(planilha);
}

std::optional<PageCheck> Calculo::proximo() {
    if (page == 0 && !checkinteiro(fields.dataini)) return PageCheck{kNeedDataini, Campo::Dataini};
    if (page == 1 && !checkinteiro(fields.datajuros)) return PageCheck{kNeedDatajuros, Campo::Datajuros};
    if (page < kLastPage) ++page;
    if (page == 1 && !fields.cjuros) ++page;
    if (page == 2 && !fields.chonorarios) ++page;
    if (page == 3 && !fields.ccustas) ++page;
    if (page == 4) finalizarEnabled = true;
    return std::nullopt;
}

void Calculo::anterior() {
    if (page > 0) --page;
    if (page == 3 && !fields.ccustas) --page;
    if (page == 2 && !fields.chonorarios) --page;
    if (page == 1 && !fields.cjuros) --page;
}

void Calculo::novo() {
    fields.header.clear();
    fields.dataini = kEmptyDate;
    fields.datajuros = kEmptyDate;
    fields.cjuros = fields.chonorarios = fields.ccustas = false;
    fields.cverao = fields.ccollor = false;
    fields.txjur = fields.hono = fields.cust = fields.jcsaldos = fields.jcollor = "0,00";
    fields.jr3 = true;
    fields.jr6 = false;
    finalizarEnabled = false;
    page = 0;
}

void Calculo::afterOpen() {
    finalizarEnabled = false;
    page = 0;
}

}  // namespace ruvivavu::fgts
