// The daily-savings wizard: grids, plan list, cell rules, navigation and the work of pages 1 and 2,
// the buttons, launch, reset and start-up loading.
#include "core/savings/dailysavings.h"

#include "core/common/dates.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/tablefile.h"
#include "core/common/text.h"
#include "core/savings/indextable.h"
#include "core/savings/plantables.h"
#include "core/shell/shell.h"

#include <algorithm>
#include <cmath>

namespace ruvivavu::savings {

const char* const DailySavings::kBackupFile = "temp2.back";
const char* const DailySavings::kStatementFile = "teste.html";
const char* const DailySavings::kHeaderFile = "cabecalho.dat";
const char* const DailySavings::kFooterFile = "rodape.dat";

namespace {

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

void clearDataRows(StringGrid& grid) {
    for (int row = 1; row < grid.rowCount(); ++row) grid.clearRow(row);
}

}  // namespace

DailySavings::DailySavings(shell::Shell& shell, PlanTable& planTable, IndexApplicationTable& indexTable)
    : SPlanos(2, 4, 1, 1),
      SSaldo(5, 2, 3, 1),
      SBase(5, 2, 1, 1),
      STJuros(3, 3, 0, 1),
      Jmes(4, 5, 0, 1),
      amortizacao(3, 2, 0, 1),
      planilha(16, 2, 0, 1),
      shell_(shell),
      planTable_(planTable),
      indexTable_(indexTable) {
    listenerId_ = planTable_.addPlanListListener([this] { rebuildPlanList(); });
}

DailySavings::~DailySavings() { planTable_.removePlanListListener(listenerId_); }

// ---- Presentation ----

StringGrid& DailySavings::grid(GridId id) {
    return const_cast<StringGrid&>(static_cast<const DailySavings*>(this)->grid(id));
}

const StringGrid& DailySavings::grid(GridId id) const {
    switch (id) {
        case GridId::Planos: return SPlanos;
        case GridId::Saldo: return SSaldo;
        case GridId::Base: return SBase;
        case GridId::TJuros: return STJuros;
        case GridId::Jmes: return Jmes;
        case GridId::Amortizacao: return amortizacao;
        case GridId::Planilha: break;
    }
    return planilha;
}

std::vector<int> DailySavings::columnWidths(GridId id) {
    switch (id) {
        case GridId::Planos: return {122, 89};
        case GridId::Saldo: return {109, 64, 70, 64, 64};
        case GridId::Base: return {64, 103, 132, 101, 81};
        case GridId::TJuros: return {80, 80, 64, 64};
        case GridId::Jmes: return {80, 80, 64, 110};
        case GridId::Amortizacao: return {64, 161, 64};
        case GridId::Planilha: break;
    }
    return std::vector<int>(16, 110);
}

std::string DailySavings::editMask(GridId id, int column) const {
    const std::string& heading = grid(id).cell(column, 0);
    switch (id) {
        case GridId::Planos:
            return heading == "Data" ? "!99/0000;1" : "";
        case GridId::Saldo:
            return heading == "Dia base" ? "!00;1" : "";
        case GridId::Base:
            return heading == "Diferença sobre o saldo em:" ||
                           heading == "Base de cálculo - valor faltante na conta em:"
                       ? "!99/0000;1"
                       : "";
        case GridId::TJuros:
        case GridId::Jmes:
            return heading == "Data Inicial" || heading == "Data Final" ? "!99/99/0000;1" : "";
        default:
            return "";
    }
}

bool DailySavings::isEditable(GridId id, int column, int row) {
    if (row < 1 || column < 0) return false;
    switch (id) {
        case GridId::Planos: return column == 1;
        case GridId::Saldo: return column == 3 || column == 4;
        case GridId::TJuros: return column <= 2;
        case GridId::Jmes: return column <= 2;
        case GridId::Amortizacao: return column <= 2;
        default: return false;
    }
}

std::string DailySavings::tableLabel() const { return savings::tableLabel(shell_.indice); }

void DailySavings::setMonthlyInterest(bool sim) {
    rcomjuros = sim;
    rsemjuros = !sim;
}

// ---- Show ----

void DailySavings::writeHeadings() {
    SPlanos.setCell(0, 0, "Expurgo");
    SPlanos.setCell(1, 0, "Data");
    const char* saldo[] = {"Expurgo", "Data", "Moeda", "Dia base", "Saldo"};
    for (int c = 0; c < 5; ++c) SSaldo.setCell(c, 0, saldo[c]);
    const char* base[] = {"Expurgo", "Diferença sobre o saldo em:", "Diferença %",
                          "Base de cálculo - valor faltante na conta em:", "Valor"};
    for (int c = 0; c < 5; ++c) SBase.setCell(c, 0, base[c]);
    const char* juros[] = {"Data Inicial", "Data Final", "Juros %"};
    for (int c = 0; c < 3; ++c) STJuros.setCell(c, 0, juros[c]);
    for (int c = 0; c < 3; ++c) Jmes.setCell(c, 0, juros[c]);
    Jmes.setCell(3, 0, "Juros Trimestrais");
    const char* amort[] = {"Data", "Descrição", "Valor"};
    for (int c = 0; c < 3; ++c) amortizacao.setCell(c, 0, amort[c]);
    const char* sheet[] = {"Moeda do inicio do período de rendimento",
                           "Período de Rendimento",
                           "Rendimento (%)",
                           "Moeda do inicio do mês de crédito em conta",
                           "Mês do crédito em conta",
                           "Valor corrigido a partir da base de cálculo",
                           "Juros",
                           "Valor + Juros"};
    for (int c = 0; c < 8; ++c) planilha.setCell(c, 0, sheet[c]);
}

void DailySavings::shown() {
    writeHeadings();
    for (int row = 1; row < Jmes.rowCount(); ++row) {
        if (isBlank(Jmes.cell(3, row))) Jmes.setCell(3, row, "Não");
    }
    page = 0;
}

// ---- Plan list ----

void DailySavings::planListClicked() {
    const StringGrid& table = planTable_.grid;
    SPlanos.setRowCount(table.rowCount() + 1);
    SPlanos.setColCount(3);
    clearDataRows(SPlanos);
    for (int a = 1; a < table.rowCount(); ++a) {
        if (a - 1 < static_cast<int>(plans.size()) && plans[static_cast<size_t>(a - 1)].checked) {
            SPlanos.setCell(0, a, table.cell(PlanTable::Name, a));
            SPlanos.setCell(1, a, table.cell(PlanTable::Month, a));
            SPlanos.setCell(2, a, table.cell(PlanTable::Percent, a));
        }
    }
    const int last = SPlanos.rowCount() - 1;
    SPlanos.setCell(0, last, "Atualizar até");
    SPlanos.setCell(1, last, latestMonth(shell_.indice));
    // Pack the chosen plans from row 1, keeping the "Atualizar até" row last.
    int row = 1;
    while (row < SPlanos.rowCount() - 1) {
        if (!checkinteiro(SPlanos.cell(1, row)))
            RemoveLinha(SPlanos, row);
        else
            ++row;
    }
    if (SPlanos.rowCount() > 2) {
        SBase.setRowCount(SPlanos.rowCount() - 1);
        for (int r = 1; r < SPlanos.rowCount() - 1; ++r) {
            const std::string& month = SPlanos.cell(1, r);
            SBase.setCell(0, r, SPlanos.cell(0, r));
            SBase.setCell(1, r, month);
            SBase.setCell(2, r, SPlanos.cell(2, r));
            SBase.setCell(3, r, FormatDate("mm/yyyy", IncMonth(StrToDate("01/" + month), 1)));
        }
    }
    SPlanos.setColCount(2);
}

void DailySavings::setPlanChecked(int item, bool checked) {
    if (item < 0 || item >= static_cast<int>(plans.size())) return;
    plans[static_cast<size_t>(item)].checked = checked;
    planListClicked();
}

void DailySavings::rebuildPlanList() {
    plans.clear();
    for (const std::string& name : planTable_.planNames()) plans.push_back({name, false});
}

// ---- Cell rules ----

void DailySavings::leaveSPlanos() {
    for (int row = 1; row < SPlanos.rowCount(); ++row) {
        const std::string& text = SPlanos.cell(1, row);
        SPlanos.setCell(1, row, checkinteiro(text) ? validadataMA(text) : std::string());
    }
}

void DailySavings::leaveSSaldo() {
    // A "Dia base" without a digit is left alone rather than read: the rows added on reaching
    // the balance page start blank, and reaching the difference page puts "1" into them.
    for (int row = 1; row < SSaldo.rowCount(); ++row) {
        if (checkinteiro(SSaldo.cell(3, row))) {
            if (std::trunc(RemovePonto(SSaldo.cell(3, row))) > 28) SSaldo.setCell(3, row, "28");
            const Number day = std::trunc(RemovePonto(SSaldo.cell(3, row)));
            // An anniversary day below 1 has no column in the index table.
            if (day < 1)
                SSaldo.setCell(3, row, "1");
            else if (day < 10)
                SSaldo.setCell(3, row, std::to_string(static_cast<long long>(day)));
        }
        if (checkinteiro(SSaldo.cell(4, row)))
            SSaldo.setCell(4, row, FormatFloat(kMoney, RemovePontoTodos(SSaldo.cell(4, row))));
    }
}

void DailySavings::leaveSBase() {
    for (int row = 1; row < SBase.rowCount(); ++row) {
        for (int col : {1, 3}) {
            const std::string& text = SBase.cell(col, row);
            if (checkinteiro(text)) SBase.setCell(col, row, validadataMA(text));
        }
    }
}

namespace {
void repairDates(StringGrid& grid) {
    for (int row = 1; row < grid.rowCount(); ++row) {
        for (int col : {0, 1}) {
            const std::string& text = grid.cell(col, row);
            if (checkinteiro(text)) grid.setCell(col, row, validadata(text));
        }
    }
}
}  // namespace

void DailySavings::leaveSTJuros() { repairDates(STJuros); }

void DailySavings::leaveJmes() { repairDates(Jmes); }

void DailySavings::leaveGrid(GridId id) {
    switch (id) {
        case GridId::Planos: leaveSPlanos(); break;
        case GridId::Saldo: leaveSSaldo(); break;
        case GridId::Base: leaveSBase(); break;
        case GridId::TJuros: leaveSTJuros(); break;
        case GridId::Jmes: leaveJmes(); break;
        default: break;
    }
}

void DailySavings::cellEdited(GridId id, int row) {
    if (id != GridId::TJuros && id != GridId::Jmes) return;
    StringGrid& g = grid(id);
    for (int col : {0, 1}) {
        if (g.cell(col, row) == "  /  /    ") g.setCell(col, row, "");
    }
}

bool DailySavings::clickJmes(int column, int row) {
    if (column != 3 || row < 1 || row >= Jmes.rowCount()) return false;
    Jmes.setCell(3, row, Jmes.cell(3, row) == "Não" ? "Sim" : "Não");
    return true;
}

// ---- Navigation ----

void DailySavings::next() {
    page = std::min(page + 1, kLastPage);
    reachPage(page);
}

void DailySavings::previous() { page = std::max(page - 1, 0); }

void DailySavings::reachPage(int reached) {
    switch (reached) {
        case 1: reachPage1(); break;
        case 2: reachPage2(); break;
        case 4: reachPage4(); break;
        case 5: reachPage5(); break;
        case 6: finalizarEnabled = true; break;
        default: break;
    }
}

void DailySavings::defaultBalances() {
    for (int row = 1; row < SSaldo.rowCount(); ++row) {
        if (!checkinteiro(SSaldo.cell(3, row))) SSaldo.setCell(3, row, "1");
        if (!checkinteiro(SSaldo.cell(4, row))) SSaldo.setCell(4, row, "0,00");
    }
}

void DailySavings::reachPage1() {
    // With no plan checked only the "Atualizar até" row is left, which is no plan either.
    if (!checkinteiro(SPlanos.cell(1, 1)) || SPlanos.rowCount() <= 2) {
        page = 0;
        throw UserMessage("escolha um plano");
    }
    try {
        checkPlanMonths(shell_.indice, SPlanos);
    } catch (const UserMessage&) {
        page = 0;
        throw;
    }
    defaultBalances();
    if (SPlanos.rowCount() > 2) {
        SSaldo.setRowCount(SPlanos.rowCount() - 1);
        for (int row = 1; row <= SPlanos.rowCount() - 2; ++row) {
            SSaldo.setCell(0, row, SPlanos.cell(0, row));
            SSaldo.setCell(1, row, SPlanos.cell(1, row));
        }
    }
    fillCurrencies(shell_.indice, SSaldo, 1, 2);
    for (int row = 1; row < SSaldo.rowCount(); ++row) {
        const int t = planTable_.firstRowNamed(SSaldo.cell(0, row));
        if (t >= 0) SSaldo.setCell(2, row, planTable_.grid.cell(PlanTable::Currency, t));
    }
    layOutAmortisation();
}

void DailySavings::reachPage2() {
    defaultBalances();
    for (int row = 1; row < SSaldo.rowCount(); ++row) {
        if (!checkinteiro(SSaldo.cell(4, row))) SSaldo.setCell(4, row, "0");
        if (!checkinteiro(SBase.cell(2, row))) SBase.setCell(2, row, "0");
    }
    computeDifferences();
}

void DailySavings::reachPage4() { computeCourtInterest(); }

void DailySavings::reachPage5() {
    clearDataRows(planilha);
    planilha.setRowCount(2);
    buildSheet();
}

// ---- Buttons ----

void DailySavings::clearCourtInterest() {
    clearDataRows(STJuros);
    STJuros.setRowCount(3);
    STJuros.setColCount(3);
}

void DailySavings::clearMonthly() {
    Jmes.setRowCount(5);
    for (int row = 1; row < Jmes.rowCount(); ++row) {
        Jmes.setCell(3, row, "Não");
        for (int col = 0; col < 3; ++col) Jmes.setCell(col, row, "");
    }
}

void DailySavings::clearAmortisation() {
    for (int row = 1; row < amortizacao.rowCount(); ++row) {
        amortizacao.setCell(1, row, "");
        amortizacao.setCell(2, row, "");
    }
}

void DailySavings::saveHeaderFooter() const {
    writeTextLines(shell_.dataFile(kHeaderFile), memo1);
    writeTextLines(shell_.dataFile(kFooterFile), memo2);
}

// ---- Launch, reset and start-up ----

void DailySavings::launch() {
    shell_.loadIndice(kSavingsTable);
    if (showWindow)
        showWindow();
    else
        shown();
}

void DailySavings::loadHeaderFooterFiles() {
    const std::string header = shell_.dataFile(kHeaderFile);
    if (fileExists(header)) memo1 = readTextLines(header);
    const std::string footer = shell_.dataFile(kFooterFile);
    if (fileExists(footer)) memo2 = readTextLines(footer);
}

void DailySavings::reset() {
    page = 0;
    try {
        deleteFile(shell_.dataFile(kBackupFile));
    } catch (const FileError&) {
        // A backup that cannot be deleted stays; the reset goes on.
    }
    shell_.loadIndice(kSavingsTable);
    for (PlanItem& item : plans) item.checked = false;
    clearDataRows(SPlanos);
    clearDataRows(SSaldo);
    clearDataRows(SBase);
    clearDataRows(STJuros);
    rcomposto = false;
    rsimples = true;
    rmes = false;
    cprorata = false;
    Jmes.setRowCount(5);
    for (int row = 1; row < Jmes.rowCount(); ++row) {
        if (isBlank(Jmes.cell(3, row))) Jmes.setCell(3, row, "Não");
    }
    clearDataRows(amortizacao);
    clearDataRows(planilha);
    sheetFinalized_ = false;
    memo1.clear();
    memo2.clear();
    loadHeaderFooterFiles();
    finalizarEnabled = false;
    if (showWindow)
        showWindow();
    else
        shown();
}

void DailySavings::loadPlansAtStart() {
    plans.clear();
    const StringGrid& table = planTable_.grid;
    SPlanos.setRowCount(table.rowCount() + 2);
    if (table.rowCount() >= 2) {
        for (int row = 1; row < table.rowCount(); ++row) plans.push_back({table.cell(PlanTable::Name, row), false});
    }
}

void DailySavings::loadHeaderAtStart() {
    const std::string header = shell_.dataFile(kHeaderFile);
    if (fileExists(header)) memo1 = readTextLines(header);
}

void DailySavings::loadFooterAtStart() {
    const std::string footer = shell_.dataFile(kFooterFile);
    if (fileExists(footer)) memo2 = readTextLines(footer);
}

void DailySavings::loadAtStart() {
    plans.clear();
    planTable_.loadAtStart(shell_);
    loadPlansAtStart();
    loadHeaderAtStart();
    loadFooterAtStart();
    indexTable_.loadAtStart(shell_);
    const std::string table = shell_.dataFile(kSavingsTable);
    if (fileExists(table)) LoadFromFile(table, shell_.indice);
}

}  // namespace ruvivavu::savings
