// The FGTS purge calculator's pages and commands.
#include "core/fgts/model.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/text.h"
#include "core/fgts/calculationfile.h"
#include "core/fgts/sheet.h"
#include "core/fgts/statement.h"
#include "core/shell/shell.h"

namespace ruvivavu::fgts {

FgtsPurge::FgtsPurge(shell::Shell& shell) : sheet(kSheetColumns, 5, 0, 1), shell_(shell) {
    writeHeadings(sheet);
}

void FgtsPurge::launch() {
    // Without the table nothing changes, not even `indice`.
    if (!fileExists(shell_.dataFile(kTableFile))) throw UserMessage(kNoTable);
    shell_.loadIndice(kTableFile);
}

void FgtsPurge::shown() {
    page = 0;
    writeHeadings(sheet);
}

void FgtsPurge::next() {
    if (page == 0 && !checkinteiro(fields.updateDate)) throw PageCheckFailed(kNeedUpdateDate, DateField::UpdateDate);
    if (page == 1 && !checkinteiro(fields.interestStart))
        throw PageCheckFailed(kNeedInterestStart, DateField::InterestStart);
    if (page < kLastPage) ++page;
    if (page == 1 && !fields.withInterest) ++page;
    if (page == 2 && !fields.withFees) ++page;
    if (page == 3 && !fields.withCosts) ++page;
    if (page == 4) finishEnabled = true;
}

void FgtsPurge::previous() {
    if (page > 0) --page;
    if (page == 3 && !fields.withCosts) --page;
    if (page == 2 && !fields.withFees) --page;
    if (page == 1 && !fields.withInterest) --page;
}

void FgtsPurge::reset() {
    fields = Fields();
    fields.withVerao = fields.withCollor = false;
    finishEnabled = false;
    page = 0;
    settled_ = fields;
}

void FgtsPurge::afterOpen() {
    finishEnabled = false;
    page = 0;
}

void FgtsPurge::finish() {
    computeSheet(fields, shell_.indice, sheet);
    writeCalculationFile(shell_.dataFile(kBackupFile), fields);
    settled_ = fields;
    shell_.publishStatement(kStatementFile, writeStatement(fields.header, sheet, shell_.fontStyle()));
}

void FgtsPurge::open(const std::string& path) {
    fields.header.clear();
    afterOpen();
    readCalculationFile(path, fields);
    settled_ = fields;
}

void FgtsPurge::openBackup() {
    fields.header.clear();
    afterOpen();
    const std::string path = shell_.dataFile(kBackupFile);
    if (fileExists(path)) readCalculationFile(path, fields);
    settled_ = fields;
}

void FgtsPurge::saveCopy(const std::string& target) const {
    shell_.copyBackup(kBackupFile, target);
}

}  // namespace ruvivavu::fgts
