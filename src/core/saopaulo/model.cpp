// The São Paulo court-debt wizard: grids, plan list, navigation and the work done on reaching each
// page, "Finalizar", the file commands, launch, reset and start-up loading.
#include "core/saopaulo/model.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/indextable.h"
#include "core/common/text.h"
#include "core/dailysavings/calculationfile.h"
#include "core/dailysavings/interest.h"
#include "core/dailysavings/sheet.h"
#include "core/saopaulo/calculationfile.h"
#include "core/saopaulo/sheet.h"
#include "core/saopaulo/statement.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

#include <algorithm>

namespace ruvivavu::saopaulo {

namespace {

constexpr const char* kHeaderFile = "cabecalho.dat";
constexpr const char* kFooterFile = "rodape.dat";

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

void clearDataRows(StringGrid& grid) {
    for (int row = 1; row < grid.rowCount(); ++row) grid.clearRow(row);
}

}  // namespace

SaoPauloCourtDebt::SaoPauloCourtDebt(shell::Shell& shell, shell::PlanTable& planTable)
    : chosenPlans(2, 4, 1, 1),
      balances(5, 2, 3, 1),
      differences(5, 2, 1, 1),
      courtInterest(3, 3, 0, 1),
      monthlyInterest(4, 5, 0, 1),
      sheet(kSheetColumns, 2, 0, 1),
      shell_(shell),
      planTable_(planTable),
      settledInputs_([this] { return writeCalculation(*this); }) {
    listenerId_ = planTable_.addPlanListListener([this] { rebuildPlanList(); });
    settledInputs_.settle();
}

SaoPauloCourtDebt::~SaoPauloCourtDebt() {
    planTable_.removePlanListListener(listenerId_);
}

void SaoPauloCourtDebt::setCompound(bool on) {
    compound = on;
    simple = !on;
}

std::string SaoPauloCourtDebt::tableLabel() const {
    return ruvivavu::tableLabel(shell_.indice);
}

// ---- Show ----

void SaoPauloCourtDebt::writeHeadings() {
    chosenPlans.setCell(0, 0, "Expurgo");
    chosenPlans.setCell(1, 0, "Data");
    const char* balanceHeadings[] = {"Expurgo", "Data", "Moeda", "Dia base", "Saldo"};
    for (int c = 0; c < 5; ++c) balances.setCell(c, 0, balanceHeadings[c]);
    const char* differenceHeadings[] = {"Expurgo", "Diferença sobre o saldo em:", "Diferença %",
                                        "Base de cálculo - valor faltante na conta em:", "Valor"};
    for (int c = 0; c < 5; ++c) differences.setCell(c, 0, differenceHeadings[c]);
    const char* periodHeadings[] = {"Data Inicial", "Data Final", "Juros %"};
    for (int c = 0; c < 3; ++c) courtInterest.setCell(c, 0, periodHeadings[c]);
    for (int c = 0; c < 3; ++c) monthlyInterest.setCell(c, 0, periodHeadings[c]);
    monthlyInterest.setCell(3, 0, "Juros Trimestrais");
    const char* sheetHeadings[] = {"Data Inicial", "Data Final", "Valor", "Índice de Correção", "Valor Corrigido"};
    for (int c = 0; c < kSheetColumns; ++c) sheet.setCell(c, 0, sheetHeadings[c]);
}

void SaoPauloCourtDebt::shown() {
    settledInputs_.keepSettled([this] {
        writeHeadings();
        for (int row = 1; row < monthlyInterest.rowCount(); ++row) {
            if (isBlank(monthlyInterest.cell(3, row))) monthlyInterest.setCell(3, row, "Não");
        }
        page = 0;
    });
}

void SaoPauloCourtDebt::show() {
    if (showWindow)
        showWindow();
    else
        shown();
}

// ---- Plan list and cell rules ----

void SaoPauloCourtDebt::planListClicked() {
    dailysavings::rebuildChosenPlans(planTable_, planList, shell_.indice, "Data Atual", chosenPlans, differences);
}

void SaoPauloCourtDebt::setPlanChecked(int item, bool checked) {
    if (item < 0 || item >= static_cast<int>(planList.size())) return;
    planList[static_cast<size_t>(item)].checked = checked;
    planListClicked();
}

void SaoPauloCourtDebt::rebuildPlanList() {
    settledInputs_.keepSettled([this] {
        planList.clear();
        for (const std::string& name : planTable_.planNames()) planList.push_back({name, false});
    });
}

void SaoPauloCourtDebt::leaveChosenPlans() {
    dailysavings::repairPlanMonths(chosenPlans);
}

void SaoPauloCourtDebt::leaveBalances() {
    dailysavings::repairBalances(balances);
}

void SaoPauloCourtDebt::leaveDifferences() {
    dailysavings::repairDifferenceMonths(differences);
}

void SaoPauloCourtDebt::leaveCourtInterest() {
    dailysavings::repairPeriodDates(courtInterest);
}

// ---- Navigation ----

void SaoPauloCourtDebt::next() {
    settledInputs_.keepSettled([this] {
        page = std::min(page + 1, kLastPage);
        reachPage(page);
    });
}

void SaoPauloCourtDebt::previous() {
    page = std::max(page - 1, 0);
}

bool SaoPauloCourtDebt::hasUnsavedTyping() const {
    return settledInputs_.changed();
}

void SaoPauloCourtDebt::reachPage(int reached) {
    switch (reached) {
        case 1:
            // With no plan checked only the "Data Atual" row is left, which is no plan either.
            if (!checkinteiro(chosenPlans.cell(1, 1)) || chosenPlans.rowCount() <= 2) {
                page = 0;
                throw UserMessage("escolha um plano");
            }
            dailysavings::layOutBalances(chosenPlans, shell_.indice, &planTable_, balances);
            break;
        case 2:
            dailysavings::prepareDifferences(balances, differences);
            dailysavings::computeDifferences(planTable_, balances, differences);
            break;
        case 4:
            computeCourtInterest(courtInterest, proRata, compound);
            try {
                buildSheet(chosenPlans, balances, differences, shell_.indice, sheet);
            } catch (...) {
                // No statement comes from a half-built sheet: back to the interest page, where
                // "Próximo" builds it again once the table or the months are mended.
                clearSheet();
                page = 3;
                finishEnabled = false;
                throw;
            }
            break;
        case 5:
            finishEnabled = true;
            break;
        default:
            break;
    }
}

// ---- Buttons ----

void SaoPauloCourtDebt::clearCourtInterest() {
    clearDataRows(courtInterest);
    courtInterest.setRowCount(3);
    courtInterest.setColCount(3);
}

std::string SaoPauloCourtDebt::finishToBytes() {
    std::string bytes = writeStatement(*this);
    dailysavings::settleCourtInterestTotal(courtInterest);
    return bytes;
}

void SaoPauloCourtDebt::finish() {
    const std::string bytes = finishToBytes();
    shell_.publishStatement(kStatementFile, bytes);
    writeBackup();
    settledInputs_.settle();
    finishEnabled = false;
    shell_.refreshViewer();
}

// ---- Files ----

void SaoPauloCourtDebt::writeBackup() const {
    writeFileAtomic(shell_.dataFile(kBackupFile), writeCalculation(*this));
}

bool SaoPauloCourtDebt::backupExists() const {
    return fileExists(shell_.dataFile(kBackupFile));
}

void SaoPauloCourtDebt::saveCopy(const std::string& target) const {
    if (!backupExists()) return;
    shell_.copyBackup(kBackupFile, target);
}

void SaoPauloCourtDebt::clearSheet() {
    clearDataRows(sheet);
    sheet.setRowCount(2);
}

void SaoPauloCourtDebt::afterOpen() {
    // The inputs no longer match the sheet: it is built again on the way to "Finalizar".
    page = 0;
    finishEnabled = false;
    clearSheet();
}

void SaoPauloCourtDebt::open(const std::string& path) {
    const std::string bytes = readTextFileBytes(path);
    if (dailysavings::firstLine(bytes) != kFormatMark)
        throw UserMessage("Este programa não abre o arquivo da versão anterior, use a versão 1.0");
    shell_.loadIndice(kFactorTable);
    readCalculation(bytes, *this);
    settledInputs_.settle();
    show();
    afterOpen();
    loadHeaderFooterFiles();
}

void SaoPauloCourtDebt::openBackup() {
    const std::string path = shell_.dataFile(kBackupFile);
    if (!fileExists(path)) return;
    const std::string bytes = readTextFileBytes(path);
    shell_.loadIndice(kFactorTable);
    if (dailysavings::firstLine(bytes) != kFormatMark) return;
    // A backup with more plans than the list is refused but kept: it may open again once the
    // plan table has those plans.
    readCalculation(bytes, *this);
    settledInputs_.settle();
    afterOpen();
}

// ---- Launch, reset and start-up ----

void SaoPauloCourtDebt::launch() {
    shell_.loadIndice(kFactorTable);
    show();
}

void SaoPauloCourtDebt::loadHeaderFooterFiles() {
    const std::string headerPath = shell_.dataFile(kHeaderFile);
    if (fileExists(headerPath)) header = readTextLines(headerPath);
    const std::string footerPath = shell_.dataFile(kFooterFile);
    if (fileExists(footerPath)) footer = readTextLines(footerPath);
}

void SaoPauloCourtDebt::reset() {
    page = 0;
    shell_.loadIndice(kFactorTable);
    for (PlanItem& item : planList) item.checked = false;
    clearDataRows(chosenPlans);
    clearDataRows(balances);
    clearDataRows(differences);
    clearDataRows(courtInterest);
    setCompound(false);
    monthByMonth = false;
    proRata = false;
    monthlyInterest.setRowCount(5);
    for (int row = 1; row < monthlyInterest.rowCount(); ++row) {
        if (isBlank(monthlyInterest.cell(3, row))) monthlyInterest.setCell(3, row, "Não");
    }
    clearSheet();
    header.clear();
    footer.clear();
    loadHeaderFooterFiles();
    finishEnabled = false;
    show();
    settledInputs_.settle();
}

void SaoPauloCourtDebt::loadAtStart() {
    planTable_.loadAtStart(shell_);
    planList.clear();
    const StringGrid& table = planTable_.grid;
    chosenPlans.setRowCount(table.rowCount() + 2);
    for (int row = 1; row < table.rowCount(); ++row)
        planList.push_back({table.cell(shell::PlanTable::Name, row), false});
    loadHeaderFooterFiles();
    settledInputs_.settle();
}

}  // namespace ruvivavu::saopaulo
