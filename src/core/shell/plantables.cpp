// The purge plan table and the index-application table.
#include "core/shell/plantables.h"

#include "core/common/fileio.h"
#include "core/common/tablefile.h"
#include "core/common/text.h"
#include "core/shell/shell.h"

#include <algorithm>

namespace ruvivavu::shell {

const char* const PlanTable::kFileName = "planos.ini";
const char* const IndexApplicationTable::kFileName = "indice.ini";

namespace {

// Rewrites every data cell of the column that holds a digit as a valid month/year.
void repairMonths(StringGrid& grid, int column) {
    for (int row = 1; row < grid.rowCount(); ++row) {
        const std::string& text = grid.cell(column, row);
        if (checkinteiro(text)) grid.setCell(column, row, validadataMA(text));
    }
}

void appendRow(StringGrid& grid) {
    grid.setRowCount(grid.rowCount() + 1);
    grid.clearRow(grid.rowCount() - 1);
}

void removeRow(StringGrid& grid, int& current) {
    if (current < 1 || current >= grid.rowCount()) return;
    // The heading and at least one data row stay, as on screen.
    if (grid.rowCount() <= 2) {
        grid.clearRow(current);
        return;
    }
    RemoveLinha(grid, current);
    current = std::min(current, grid.rowCount() - 1);
}

}  // namespace

// ---- PlanTable ----

PlanTable::PlanTable() : grid(kColumns, 2, 0, 1) {}

std::vector<std::string> PlanTable::headings() {
    return {"Expurgo",
            "Data",
            "Diferença sobre o saldo anterior em %",
            "Mudança de Moeda",
            "Moeda",
            "Índice Oficial",
            "Índice Oficial Valor",
            "Índice Requerido",
            "Índice Requerido Valor",
            "Moeda Mudança"};
}

std::vector<int> PlanTable::columnWidths() {
    return {90, 80, 179, 146, 64, 118, 136, 134, 132, 128};
}

std::string PlanTable::editMask(int column) {
    return column == Month ? "!99/0000;1" : "";
}

void PlanTable::writeHeadings() {
    auto texts = headings();
    for (int c = 0; c < kColumns; ++c) grid.setCell(c, 0, texts[c]);
}

void PlanTable::selectCell(int, int row) {
    currentRow = row;
}

void PlanTable::addRow() {
    appendRow(grid);
}

void PlanTable::deleteRow() {
    removeRow(grid, currentRow);
}

void PlanTable::leaveGrid() {
    repairMonths(grid, Month);
}

void PlanTable::save(const Shell& shell) {
    // Sort key yyyymm in an eleventh column, removed again after the sort.
    const int keyColumn = grid.colCount();
    grid.setColCount(keyColumn + 1);
    for (int row = 1; row < grid.rowCount(); ++row) {
        const std::string& month = grid.cell(Month, row);
        std::string key = (month.size() > 3 ? month.substr(3, 4) : std::string()) + month.substr(0, 2);
        grid.setCell(keyColumn, row, key);
    }
    Sortgrid(grid, keyColumn);
    for (int row = 1; row < grid.rowCount(); ++row) grid.setCell(keyColumn, row, "");
    grid.setColCount(keyColumn);
    SaveToFile(shell.dataFile(kFileName), grid);
    auto listeners = listeners_;
    for (auto& [id, rebuild] : listeners) rebuild();
}

bool PlanTable::loadAtStart(const Shell& shell) {
    std::string path = shell.dataFile(kFileName);
    if (!fileExists(path)) return false;
    LoadFromFile(path, grid);
    return true;
}

std::vector<std::string> PlanTable::planNames() const {
    std::vector<std::string> names;
    for (int row = 1; row < grid.rowCount(); ++row) names.push_back(grid.cell(Name, row));
    return names;
}

int PlanTable::lastRowNamed(const std::string& name) const {
    int found = -1;
    for (int row = 1; row < grid.rowCount(); ++row) {
        if (grid.cell(Name, row) == name) found = row;
    }
    return found;
}

int PlanTable::firstRowNamed(const std::string& name) const {
    for (int row = 1; row < grid.rowCount(); ++row) {
        if (grid.cell(Name, row) == name) return row;
    }
    return -1;
}

int PlanTable::addPlanListListener(std::function<void()> rebuild) {
    int id = nextListener_++;
    listeners_.emplace_back(id, std::move(rebuild));
    return id;
}

void PlanTable::removePlanListListener(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

// ---- IndexApplicationTable ----

IndexApplicationTable::IndexApplicationTable() : grid(3, 2, 0, 1) {}

std::vector<std::string> IndexApplicationTable::headings() {
    return {"Data", "Expurgo", "Aplicar ao índice"};
}

std::vector<int> IndexApplicationTable::columnWidths() {
    return {64, 134, 112};
}

std::string IndexApplicationTable::editMask(int column) {
    return column == 0 ? "!99/0000;1" : "";
}

bool IndexApplicationTable::isEditable(int column, int row) {
    return row >= 1 && (column == 0 || column == 1);
}

void IndexApplicationTable::writeHeadings() {
    auto texts = headings();
    for (int c = 0; c < 3; ++c) grid.setCell(c, 0, texts[c]);
}

bool IndexApplicationTable::selectCell(int column, int row) {
    currentColumn = column;
    currentRow = row;
    return isEditable(column, row);
}

bool IndexApplicationTable::clickCell(int column, int row) {
    if (column != 2 || row < 1 || row >= grid.rowCount()) return false;
    grid.setCell(2, row, grid.cell(2, row) == "Não" ? "Sim" : "Não");
    return true;
}

void IndexApplicationTable::addRow() {
    appendRow(grid);
}

void IndexApplicationTable::deleteRow() {
    removeRow(grid, currentRow);
}

void IndexApplicationTable::leaveGrid() {
    repairMonths(grid, 0);
}

void IndexApplicationTable::save(const Shell& shell) const {
    SaveToFile(shell.dataFile(kFileName), grid);
}

bool IndexApplicationTable::loadAtStart(const Shell& shell) {
    std::string path = shell.dataFile(kFileName);
    if (!fileExists(path)) return false;
    LoadFromFile(path, grid);
    return true;
}

bool IndexApplicationTable::overrideFor(const std::string& month, std::string& rate) const {
    bool found = false;
    for (int row = 1; row < grid.rowCount(); ++row) {
        if (grid.cell(2, row) == "Sim" && grid.cell(0, row) == month) {
            rate = grid.cell(1, row);
            found = true;
        }
    }
    return found;
}

}  // namespace ruvivavu::shell
