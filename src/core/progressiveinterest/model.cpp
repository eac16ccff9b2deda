// The FGTS progressive-interest calculator's commands.
#include "core/progressiveinterest/model.h"

#include "core/common/fileio.h"
#include "core/common/tablefile.h"
#include "core/common/text.h"
#include "core/progressiveinterest/calculationfile.h"
#include "core/progressiveinterest/statement.h"
#include "core/shell/shell.h"

namespace ruvivavu::progressiveinterest {

ProgressiveInterest::ProgressiveInterest(shell::Shell& shell)
    : values(2, 5, 1, 1),
      sheet(kSheetColumns, 5, 1, 1),
      shell_(shell),
      settledInputs_([this] { return textLinesBytes(calculationLines(*this)); }) {
    settledInputs_.settle();
}

void ProgressiveInterest::loadTable() {
    const std::string path = shell_.dataFile(kTableFile);
    if (!fileExists(path)) return;
    LoadFromFile(path, sheet);
    LoadFromFile(path, values);
    values.setColCount(2);
}

void ProgressiveInterest::loadAtStart() {
    if (!fileExists(shell_.dataFile(kTableFile))) return;
    loadTable();
    endMonthChoices.clear();
    for (int row = 2; row < values.rowCount(); ++row) endMonthChoices.push_back(values.cell(0, row));
    endMonth = values.cell(0, values.rowCount() - 1);
    settledInputs_.settle();
}

void ProgressiveInterest::shown() {
    // More empty rows are not typing.
    settledInputs_.keepSettled([this] {
        values.setRowCount(kRows);
        sheet.setRowCount(kRows);
    });
}

void ProgressiveInterest::edit(int row, const std::string& text) {
    values.setCell(1, row, text);
    recalc();
}

void ProgressiveInterest::recalc() {
    progressiveinterest::recalc(values, sheet, ipcReflections);
}

int ProgressiveInterest::repeat() {
    const int row = selectedRow;
    if (row >= values.rowCount()) return -1;
    if (checkinteiro(values.cell(0, row - 1))) values.setCell(1, row, values.cell(1, row - 1));
    selectedRow = row;
    recalc();
    selectedRow = row + 1;
    return row;
}

void ProgressiveInterest::reset() {
    header.clear();
    loadTable();
    shown();
    settledInputs_.settle();
}

void ProgressiveInterest::saveBackup() const {
    writeCalculationFile(shell_.dataFile(kBackupFile), *this);
}

void ProgressiveInterest::saveCopy(const std::string& target) {
    shell_.copyBackup(kBackupFile, target);
    // "Salvar" writes the backup of the calculation as it stands just before copying it.
    settledInputs_.settle();
}

bool ProgressiveInterest::open(const std::string& path) {
    if (!readCalculationFile(path, *this)) return false;
    settledInputs_.settle();
    return true;
}

std::string ProgressiveInterest::statement() const {
    return writeStatement(header, sheet, endMonth, shell_.fontStyle());
}

void ProgressiveInterest::finish() {
    shown();
    saveBackup();
    shell_.publishStatement(kStatementFile, statement());
    settledInputs_.settle();
}

}  // namespace ruvivavu::progressiveinterest
