// The daily-savings wizard: grids, plan list, cell rules, navigation and the work done on reaching
// each page, the buttons, "Finalizar", the file commands, launch, reset and start-up loading.
#include "core/dailysavings/model.h"

#include "core/common/dates.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/indextable.h"
#include "core/common/tablefile.h"
#include "core/common/text.h"
#include "core/dailysavings/calculationfile.h"
#include "core/dailysavings/interest.h"
#include "core/dailysavings/pages.h"
#include "core/dailysavings/sheet.h"
#include "core/dailysavings/statement.h"
#include "core/shell/plantables.h"
#include "core/shell/shell.h"

#include <algorithm>
#include <cmath>

namespace ruvivavu::dailysavings {

namespace {

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

void clearDataRows(StringGrid& grid) {
    for (int row = 1; row < grid.rowCount(); ++row) grid.clearRow(row);
}

}  // namespace

DailySavings::DailySavings(shell::Shell& shell, shell::PlanTable& planTable,
                           shell::IndexApplicationTable& yieldOverrides, Variant variant)
    : variant(variant),
      caption(variant == Variant::CourtDebtMonthly ? "MG - MT - MS - ES" : ""),
      chosenPlans(2, 4, 1, 1),
      balances(5, 2, 3, 1),
      differences(5, 2, 1, 1),
      courtInterest(3, 3, 0, 1),
      monthlyInterest(4, 5, 0, 1),
      paidBack(3, 2, 0, 1),
      sheet(16, 2, 0, 1),
      shell_(shell),
      planTable_(planTable),
      yieldOverrides_(yieldOverrides),
      settledInputs_([this] { return writeCalculation(*this); }) {
    listenerId_ = planTable_.addPlanListListener([this] { rebuildPlanList(); });
    settledInputs_.settle();
}

DailySavings::~DailySavings() {
    planTable_.removePlanListListener(listenerId_);
}

// ---- Presentation ----

StringGrid& DailySavings::grid(GridId id) {
    return const_cast<StringGrid&>(static_cast<const DailySavings*>(this)->grid(id));
}

const StringGrid& DailySavings::grid(GridId id) const {
    switch (id) {
        case GridId::ChosenPlans:
            return chosenPlans;
        case GridId::Balances:
            return balances;
        case GridId::Differences:
            return differences;
        case GridId::CourtInterest:
            return courtInterest;
        case GridId::MonthlyInterest:
            return monthlyInterest;
        case GridId::PaidBack:
            return paidBack;
        case GridId::Sheet:
            break;
    }
    return sheet;
}

std::vector<int> DailySavings::columnWidths(GridId id) {
    switch (id) {
        case GridId::ChosenPlans:
            return {122, 89};
        case GridId::Balances:
            return {109, 64, 70, 64, 64};
        case GridId::Differences:
            return {64, 103, 132, 101, 81};
        case GridId::CourtInterest:
            return {80, 80, 64, 64};
        case GridId::MonthlyInterest:
            return {80, 80, 64, 110};
        case GridId::PaidBack:
            return {64, 161, 64};
        case GridId::Sheet:
            break;
    }
    return std::vector<int>(16, 110);
}

std::string DailySavings::editMask(GridId id, int column) const {
    const std::string& heading = grid(id).cell(column, 0);
    switch (id) {
        case GridId::ChosenPlans:
            return heading == "Data" ? "!99/0000;1" : "";
        case GridId::Balances:
            return heading == "Dia base" ? "!00;1" : "";
        case GridId::Differences:
            return heading == "Diferença sobre o saldo em:" ||
                           heading == "Base de cálculo - valor faltante na conta em:"
                       ? "!99/0000;1"
                       : "";
        case GridId::CourtInterest:
        case GridId::MonthlyInterest:
            return heading == "Data Inicial" || heading == "Data Final" ? "!99/99/0000;1" : "";
        default:
            return "";
    }
}

bool DailySavings::isEditable(GridId id, int column, int row) {
    if (row < 1 || column < 0) return false;
    switch (id) {
        case GridId::ChosenPlans:
            return column == 1;
        case GridId::Balances:
            return column == 3 || column == 4;
        case GridId::CourtInterest:
            return column <= 2;
        case GridId::MonthlyInterest:
            return column <= 2;
        case GridId::PaidBack:
            return column <= 2;
        default:
            return false;
    }
}

std::string DailySavings::tableLabel() const {
    return ruvivavu::tableLabel(shell_.indice);
}

void DailySavings::setWithMonthlyInterest(bool sim) {
    withMonthlyInterest = sim;
    withoutMonthlyInterest = !sim;
}

// ---- Show ----

void DailySavings::writeHeadings() {
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
    const char* paidBackHeadings[] = {"Data", "Descrição", "Valor"};
    for (int c = 0; c < 3; ++c) paidBack.setCell(c, 0, paidBackHeadings[c]);
    const char* sheetHeadings[] = {"Moeda do inicio do período de rendimento",
                                   "Período de Rendimento",
                                   "Rendimento (%)",
                                   "Moeda do inicio do mês de crédito em conta",
                                   "Mês do crédito em conta",
                                   "Valor corrigido a partir da base de cálculo",
                                   "Juros",
                                   "Valor + Juros"};
    for (int c = 0; c < 8; ++c) sheet.setCell(c, 0, sheetHeadings[c]);
}

void DailySavings::shown() {
    settledInputs_.keepSettled([this] {
        writeHeadings();
        for (int row = 1; row < monthlyInterest.rowCount(); ++row) {
            if (isBlank(monthlyInterest.cell(3, row))) monthlyInterest.setCell(3, row, "Não");
        }
        page = 0;
    });
}

// ---- Plan list ----

void DailySavings::planListClicked() {
    rebuildChosenPlans(planTable_, planList, shell_.indice, "Atualizar até", chosenPlans, differences);
}

void DailySavings::setPlanChecked(int item, bool checked) {
    if (item < 0 || item >= static_cast<int>(planList.size())) return;
    planList[static_cast<size_t>(item)].checked = checked;
    planListClicked();
}

void DailySavings::rebuildPlanList() {
    settledInputs_.keepSettled([this] {
        planList.clear();
        for (const std::string& name : planTable_.planNames()) planList.push_back({name, false});
    });
}

// ---- Cell rules ----

void DailySavings::leaveChosenPlans() {
    repairPlanMonths(chosenPlans);
}

void DailySavings::leaveBalances() {
    repairBalances(balances);
}

void DailySavings::leaveDifferences() {
    repairDifferenceMonths(differences);
}

void DailySavings::leaveCourtInterest() {
    repairPeriodDates(courtInterest);
}

void DailySavings::leaveMonthlyInterest() {
    repairPeriodDates(monthlyInterest);
}

void DailySavings::leaveGrid(GridId id) {
    switch (id) {
        case GridId::ChosenPlans:
            leaveChosenPlans();
            break;
        case GridId::Balances:
            leaveBalances();
            break;
        case GridId::Differences:
            leaveDifferences();
            break;
        case GridId::CourtInterest:
            leaveCourtInterest();
            break;
        case GridId::MonthlyInterest:
            leaveMonthlyInterest();
            break;
        default:
            break;
    }
}

void DailySavings::cellEdited(GridId id, int row) {
    if (id != GridId::CourtInterest && id != GridId::MonthlyInterest) return;
    StringGrid& g = grid(id);
    for (int col : {0, 1}) {
        if (g.cell(col, row) == "  /  /    ") g.setCell(col, row, "");
    }
}

bool DailySavings::toggleQuarterly(int column, int row) {
    if (column != 3 || row < 1 || row >= monthlyInterest.rowCount()) return false;
    monthlyInterest.setCell(3, row, monthlyInterest.cell(3, row) == "Não" ? "Sim" : "Não");
    return true;
}

// ---- Navigation ----

void DailySavings::next() {
    settledInputs_.keepSettled([this] {
        page = std::min(page + 1, kLastPage);
        reachPage(page);
    });
}

void DailySavings::previous() {
    page = std::max(page - 1, 0);
}

bool DailySavings::hasUnsavedTyping() const {
    return settledInputs_.changed();
}

void DailySavings::reachPage(int reached) {
    switch (reached) {
        case 1:
            checkPlansChosen();
            layOutBalances();
            layOutPaidBack(chosenPlans, paidBack);
            break;
        case 2:
            dailysavings::prepareDifferences(balances, differences);
            computeDifferences(planTable_, balances, differences);
            break;
        case 4:
            computeCourtInterest(courtInterest, proRata);
            break;
        case 5:
            reachSheetPage();
            break;
        case 6:
            finishEnabled = true;
            break;
        default:
            break;
    }
}

void DailySavings::checkPlansChosen() {
    // With no plan checked only the "Atualizar até" row is left, which is no plan either.
    if (!checkinteiro(chosenPlans.cell(1, 1)) || chosenPlans.rowCount() <= 2) {
        page = 0;
        throw UserMessage("escolha um plano");
    }
    // A court-debt table may end before a plan month: the sheet then stops where the rates do.
    if (variant == Variant::CourtDebtMonthly) return;
    try {
        checkPlanMonths(shell_.indice, chosenPlans);
    } catch (const UserMessage&) {
        page = 0;
        throw;
    }
}

void DailySavings::layOutBalances() {
    // The court-debt tables give every month's currency; the plan table's is the savings account's.
    dailysavings::layOutBalances(chosenPlans, shell_.indice,
                                 variant == Variant::CourtDebtMonthly ? nullptr : &planTable_, balances);
}

void DailySavings::clearSheet() {
    clearDataRows(sheet);
    sheet.setRowCount(2);
    sheetFinalized_ = false;
}

void DailySavings::reachSheetPage() {
    clearSheet();
    try {
        buildSheet(SheetInputs{chosenPlans, balances, differences, monthlyInterest, paidBack, withMonthlyInterest,
                               shell_.indice, variant == Variant::DailySavings ? &planTable_ : nullptr,
                               variant == Variant::DailySavings ? &yieldOverrides_ : nullptr},
                   sheet);
    } catch (...) {
        // A statement must never come from a half-built sheet: the wizard steps back to the
        // page before it, where "Próximo" builds it again once the cause is mended.
        clearSheet();
        page = 4;
        finishEnabled = false;
        throw;
    }
}

// ---- Buttons ----

void DailySavings::clearCourtInterest() {
    clearDataRows(courtInterest);
    courtInterest.setRowCount(3);
    courtInterest.setColCount(3);
}

void DailySavings::clearMonthlyInterest() {
    monthlyInterest.setRowCount(5);
    for (int row = 1; row < monthlyInterest.rowCount(); ++row) {
        monthlyInterest.setCell(3, row, "Não");
        for (int col = 0; col < 3; ++col) monthlyInterest.setCell(col, row, "");
    }
}

void DailySavings::clearPaidBack() {
    for (int row = 1; row < paidBack.rowCount(); ++row) {
        paidBack.setCell(1, row, "");
        paidBack.setCell(2, row, "");
    }
}

void DailySavings::saveHeaderFooter() const {
    writeTextLines(shell_.dataFile(kHeaderFile), header);
    writeTextLines(shell_.dataFile(kFooterFile), footer);
}

// ---- "Finalizar" ----

std::string DailySavings::finishToBytes() {
    for (int row = 1; row < balances.rowCount(); ++row) {
        if (checkinteiro(balances.cell(4, row)))
            balances.setCell(4, row, FormatFloat(kMoney, RemovePonto(balances.cell(4, row))));
    }
    if (!sheetFinalized_) {
        for (int row = 1; row < sheet.rowCount(); ++row) {
            const std::string& paid = sheet.cell(kPaid, row);
            // Amounts paid back show as negative; rows without an amount stay empty.
            if (checkinteiro(paid) && paid != "0") sheet.setCell(kPaid, row, "-" + paid);
        }
        sheetFinalized_ = true;
    }
    if (withoutMonthlyInterest) {
        for (int row = 0; row < sheet.rowCount(); ++row) sheet.setCell(kInterest, row, "");
        sheet.setCell(kWithInterest, 0, "Valor");
    } else {
        sheet.setCell(kInterest, 0, "Juros");
        sheet.setCell(kWithInterest, 0, "Juros + Valor");
    }
    std::string bytes = writeStatement(*this);
    settleCourtInterestTotal(courtInterest);
    return bytes;
}

void DailySavings::finish() {
    const std::string bytes = finishToBytes();
    shell_.publishStatement(kStatementFile, bytes);
    writeBackup();
    settledInputs_.settle();
    finishEnabled = false;
    shell_.refreshViewer();
}

// ---- Files ----

void DailySavings::writeBackup() const {
    writeFileAtomic(shell_.dataFile(kBackupFile), writeCalculation(*this));
}

bool DailySavings::backupExists() const {
    return fileExists(shell_.dataFile(kBackupFile));
}

void DailySavings::saveCopy(const std::string& target) const {
    if (!backupExists()) return;
    shell_.copyBackup(kBackupFile, target);
}

void DailySavings::afterOpen() {
    // The inputs no longer match the sheet: it is built again on the way to "Finalizar".
    page = 0;
    finishEnabled = false;
    clearSheet();
}

void DailySavings::open(const std::string& path) {
    const std::string bytes = readTextFileBytes(path);
    shell_.loadIndice(tableFile());
    if (showWindow)
        showWindow();
    else
        shown();
    afterOpen();
    if (firstLine(bytes) != kFormatMark) {
        // "estados" files belong to the São Paulo calculator, which this program does not have.
        loadHeaderFooterFiles();
        throw UserMessage("Este programa não abre o arquivo da versão anterior, use a versão 1.0");
    }
    readCalculation(bytes, *this);
    settledInputs_.settle();
    loadHeaderFooterFiles();
}

void DailySavings::openBackup() {
    const std::string path = shell_.dataFile(kBackupFile);
    if (!fileExists(path)) return;
    const std::string bytes = readTextFileBytes(path);
    if (firstLine(bytes) != kFormatMark) return;
    afterOpen();
    // A backup with more plans than the list is refused but kept: it is the user's last
    // calculation and may open again once the plan table has those plans.
    readCalculation(bytes, *this);
    settledInputs_.settle();
}

// ---- Launch, reset and start-up ----

std::string DailySavings::tableFile() const {
    if (variant == Variant::DailySavings) return kSavingsTable;
    return caption == kSaoPauloMonthlyCaption ? kSaoPauloTable : kMinasTable;
}

void DailySavings::launch() {
    shell_.loadIndice(tableFile());
    if (showWindow)
        showWindow();
    else
        shown();
}

void DailySavings::launchMonthly(const std::string& newCaption) {
    const std::string table = newCaption == kSaoPauloMonthlyCaption ? kSaoPauloTable : kMinasTable;
    if (!fileExists(shell_.dataFile(table))) throw UserMessage(kNoCourtTable);
    caption = newCaption;
    shell_.enablePreview();
    launch();
}

void DailySavings::loadHeaderFooterFiles() {
    loadHeaderAtStart();
    loadFooterAtStart();
}

void DailySavings::reset() {
    page = 0;
    try {
        deleteFile(shell_.dataFile(kBackupFile));
    } catch (const FileError&) {
        // A backup that cannot be deleted stays; the reset goes on.
    }
    shell_.loadIndice(tableFile());
    for (PlanItem& item : planList) item.checked = false;
    clearDataRows(chosenPlans);
    clearDataRows(balances);
    clearDataRows(differences);
    clearDataRows(courtInterest);
    compound = false;
    simple = true;
    monthByMonth = false;
    proRata = false;
    monthlyInterest.setRowCount(5);
    for (int row = 1; row < monthlyInterest.rowCount(); ++row) {
        if (isBlank(monthlyInterest.cell(3, row))) monthlyInterest.setCell(3, row, "Não");
    }
    clearDataRows(paidBack);
    clearDataRows(sheet);
    sheetFinalized_ = false;
    header.clear();
    footer.clear();
    loadHeaderFooterFiles();
    finishEnabled = false;
    if (showWindow)
        showWindow();
    else
        shown();
    settledInputs_.settle();
}

void DailySavings::loadPlansAtStart() {
    settledInputs_.keepSettled([this] {
        planList.clear();
        const StringGrid& table = planTable_.grid;
        chosenPlans.setRowCount(table.rowCount() + 2);
        if (table.rowCount() >= 2) {
            for (int row = 1; row < table.rowCount(); ++row)
                planList.push_back({table.cell(shell::PlanTable::Name, row), false});
        }
    });
}

void DailySavings::loadHeaderAtStart() {
    const std::string path = shell_.dataFile(kHeaderFile);
    if (fileExists(path)) header = readTextLines(path);
}

void DailySavings::loadFooterAtStart() {
    const std::string path = shell_.dataFile(kFooterFile);
    if (fileExists(path)) footer = readTextLines(path);
}

void DailySavings::loadAtStart() {
    planList.clear();
    planTable_.loadAtStart(shell_);
    loadPlansAtStart();
    loadHeaderAtStart();
    loadFooterAtStart();
    settledInputs_.settle();
    if (variant != Variant::DailySavings) return;
    yieldOverrides_.loadAtStart(shell_);
    const std::string table = shell_.dataFile(kSavingsTable);
    if (fileExists(table)) LoadFromFile(table, shell_.indice);
}

}  // namespace ruvivavu::dailysavings
