// The configured-savings calculators' pages and commands.
#include "core/configuredsavings/model.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/tablefile.h"
#include "core/common/text.h"
#include "core/configuredsavings/calculationfile.h"
#include "core/configuredsavings/sheet.h"
#include "core/configuredsavings/statement.h"
#include "core/shell/shell.h"

#include <utility>

namespace ruvivavu::configuredsavings {

namespace {

// The table as its file holds it: a fresh grid, so that no row of an earlier load survives.
StringGrid loadTable(const std::string& path) {
    StringGrid table(1, 1, 0, 1);
    LoadFromFile(path, table);
    return table;
}

}  // namespace

std::string& MonthFields::operator[](MonthField field) {
    return const_cast<std::string&>(std::as_const(*this)[field]);
}

const std::string& MonthFields::operator[](MonthField field) const {
    switch (field) {
        case MonthField::Interest:
            return interest;
        case MonthField::Correction:
            return correction;
        case MonthField::Jcm:
            return jcm;
        case MonthField::Before:
            return before;
        case MonthField::After:
            break;
    }
    return after;
}

std::string Variant::repairDate(const std::string& text) const {
    return februaryFrom29 ? validadata(text) : validadata30(text);
}

ConfiguredSavings::ConfiguredSavings(shell::Shell& shell, const Variant& variant)
    : variant(variant), account(5, 5, 1, 1), updateTable(1, 1, 0, 1), shell_(shell) {
    fields.months.resize(variant.months.size());
    writeAccountHeadings(variant, account);
    settled_ = fields;
}

std::string ConfiguredSavings::feeText(const std::string& text) const {
    return fields.feesAsValue ? formatafloat(kMoney, text) : text;
}

void ConfiguredSavings::shown() {
    finishEnabled = false;
    const std::string path = shell_.dataFile(variant.tableFile);
    if (fileExists(path)) updateTable = loadTable(path);
    page = kStartPage;
    tableLabel = "Tabela atualizada até: " + updateTable.cell(kLabelColumn, updateTable.rowCount() - 1);
    writeAccountHeadings(variant, account);
}

void ConfiguredSavings::next() {
    if (!checkinteiro(fields.updateDate)) throw UserMessage(kNeedUpdateDate);
    if (page < kFinalPage) ++page;
    // In page order, so that one pass skips any run of unchosen pages.
    const bool chosen[] = {
        fields.byInterest, fields.byJcm, fields.byBalanceBefore, fields.byBalanceAfter, fields.remuneratory,
        fields.moratory,   fields.fees};
    for (int p = kInterestPage; p <= kFeesPage; ++p)
        if (page == p && !chosen[p - kInterestPage]) ++page;
    if (page == kFinalPage) reachFinalPage();
}

void ConfiguredSavings::previous() {
    if (page > kStartPage) --page;
    const bool chosen[] = {
        fields.byInterest, fields.byJcm, fields.byBalanceBefore, fields.byBalanceAfter, fields.remuneratory,
        fields.moratory,   fields.fees};
    for (int p = kFeesPage; p >= kInterestPage; --p)
        if (page == p && !chosen[p - kInterestPage]) --page;
}

void ConfiguredSavings::reachFinalPage() {
    const std::string path = shell_.dataFile(variant.tableFile);
    if (!fileExists(path)) throw UserMessage(kNoTable);
    StringGrid table = loadTable(path);
    table.setColCount(kTableColumns);
    finishEnabled = true;
    fillAccount(variant, fields, account);
    if (keepsBackup) {
        writeBackup();
        backedUp_ = fields;
    }
    updateTable = table;
    try {
        computeUpdateTable(variant, fields, account, table);
    } catch (...) {
        finishEnabled = false;
        throw;
    }
    updateTable = std::move(table);
}

void ConfiguredSavings::reset() {
    page = kStartPage;
    finishEnabled = false;
    fields.name.clear();
    fields.bank.clear();
    fields.branch.clear();
    fields.account.clear();
    fields.anniversaryDay.clear();
    for (MonthFields& month : fields.months) month = MonthFields();
    fields.remuneratoryStart = fields.remuneratoryEnd = kEmptyDate;
    fields.moratoryStart = fields.moratoryEnd = kEmptyDate;
    fields.remuneratoryRate = fields.moratoryRate = "0";
    fields.feeValue = feeText("0");
    settled_ = fields;
}

void ConfiguredSavings::leaveMonthField(int month, MonthField field) {
    deriveMonth(variant, variant.months[month], field, fields.months.at(month));
}

std::string ConfiguredSavings::finishToBytes() const {
    return writeStatement(variant, fields, account, updateTable, shell_.fontStyle());
}

void ConfiguredSavings::finish() {
    shell_.publishStatement(kStatementFile, finishToBytes());
    settled_ = fields;
}

void ConfiguredSavings::writeBackup() const {
    writeCalculationFile(shell_.dataFile(variant.backupFile), variant, fields);
}

bool ConfiguredSavings::backupExists() const {
    return fileExists(shell_.dataFile(variant.backupFile));
}

void ConfiguredSavings::open(const std::string& path) {
    page = kStartPage;
    readCalculationFile(path, variant, fields);
    finishEnabled = false;
    settled_ = fields;
}

void ConfiguredSavings::openBackup() {
    page = kStartPage;
    if (backupExists()) open(shell_.dataFile(variant.backupFile));
}

void ConfiguredSavings::saveCopy(const std::string& target) {
    shell_.copyBackup(variant.backupFile, target);
    if (backedUp_) settled_ = *backedUp_;
}

}  // namespace ruvivavu::configuredsavings
