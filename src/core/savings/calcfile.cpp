// Calculation files ("Vers 1.2" layout): the automatic backup temp2.back written by "Finalizar",
// "Salvar" (a copy of the backup), "Abrir" and "Abrir Backup".
#include "core/savings/dailysavings.h"

#include "core/common/encoding.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/text.h"
#include "core/savings/indextable.h"
#include "core/shell/shell.h"

#include <algorithm>

namespace ruvivavu::savings {

namespace {

const char* const kVersion = "Vers 1.2";
const char* const kOldVersion = "estados";
const char* const kOldVersionMessage = "Este programa não abre o arquivo da versão anterior, use a versão 1.0";

std::string flag(bool value) { return value ? "true" : "false"; }

void writeBlock(std::vector<std::string>& lines, const StringGrid& grid) {
    lines.push_back(std::to_string(grid.rowCount()));
    for (int row = 1; row < grid.rowCount(); ++row) lines.push_back(GetCommaText(grid, row));
}

// The lines of a calculation file, read one after another; past the end every line is empty.
class LineReader {
public:
    explicit LineReader(const std::string& bytes) : lines_(splitLines(cp1252ToUtf8(bytes))) {}
    std::string next() { return pos_ < lines_.size() ? lines_[pos_++] : std::string(); }
    size_t remaining() const { return lines_.size() - std::min(pos_, lines_.size()); }

    void readBlock(StringGrid& grid) {
        const int count = StrToInt(next());
        // A count beyond the file's end cannot be honoured: the grid gets the rows present.
        const int rows = std::min<long long>(count, static_cast<long long>(remaining()) + 1);
        grid.setRowCount(rows);
        for (int row = 1; row < rows; ++row) SetCommaText(grid, row, next());
    }

private:
    std::vector<std::string> lines_;
    size_t pos_ = 0;
};

std::string tooManyPlans(int extra) {
    return "O arquivo possui " + std::to_string(extra) + " Plano(s) adicionai(s), impossível abrir";
}

}  // namespace

std::string DailySavings::calculationBytes() const {
    std::vector<std::string> lines;
    lines.push_back(kVersion);
    lines.push_back(std::to_string(plans.size()));
    for (const PlanItem& item : plans) lines.push_back(flag(item.checked));
    writeBlock(lines, SPlanos);
    writeBlock(lines, SSaldo);
    writeBlock(lines, SBase);
    lines.push_back("false");
    lines.push_back("true");
    lines.push_back("false");
    lines.push_back(flag(cprorata));
    writeBlock(lines, STJuros);
    writeBlock(lines, amortizacao);
    lines.push_back(flag(rcomjuros));
    writeBlock(lines, Jmes);
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return utf8ToCp1252(text);
}

void DailySavings::writeBackup() const { writeFileAtomic(shell_.dataFile(kBackupFile), calculationBytes()); }

bool DailySavings::backupExists() const { return fileExists(shell_.dataFile(kBackupFile)); }

void DailySavings::saveCopy(const std::string& target) const {
    const std::string backup = shell_.dataFile(kBackupFile);
    if (!fileExists(backup)) return;
    try {
        copyFileReplacing(backup, target);
    } catch (const FileError&) {
        throw UserMessage("Erro ao copiar " + backup + " para " + target);
    }
}

void DailySavings::readCalculation(const std::string& bytes) {
    LineReader in(bytes);
    in.next();  // the format mark
    const std::string count = in.next();
    if (checkinteiro(count)) {
        const int n = StrToInt(count);
        if (static_cast<int>(plans.size()) < n) throw UserMessage(tooManyPlans(n - static_cast<int>(plans.size())));
        for (int i = 0; i < n; ++i) plans[static_cast<size_t>(i)].checked = in.next() == "true";
    }
    in.readBlock(SPlanos);
    in.readBlock(SSaldo);
    in.readBlock(SBase);
    in.next();
    in.next();
    in.next();
    rcomposto = false;
    rsimples = true;
    rmes = false;
    cprorata = in.next() == "true";
    in.readBlock(STJuros);
    in.readBlock(amortizacao);
    // The two monthly-interest buttons always show one choice.
    setMonthlyInterest(in.next() == "true");
    in.readBlock(Jmes);
}

void DailySavings::open(const std::string& path) {
    const std::string bytes = readFileBytes(path);
    const std::string first = LineReader(bytes).next();
    shell_.loadIndice(kSavingsTable);
    if (showWindow)
        showWindow();
    else
        shown();
    if (first != kVersion) {
        // "estados" files belong to the São Paulo calculator, which this program does not have.
        loadHeaderFooterFiles();
        throw UserMessage(kOldVersionMessage);
    }
    readCalculation(bytes);
    loadHeaderFooterFiles();
}

void DailySavings::openBackup() {
    const std::string path = shell_.dataFile(kBackupFile);
    if (!fileExists(path)) return;
    const std::string bytes = readFileBytes(path);
    if (LineReader(bytes).next() != kVersion) return;
    // A backup with more plans than the list is refused but kept: it is the user's last
    // calculation and may open again once the plan table has those plans.
    readCalculation(bytes);
}

}  // namespace ruvivavu::savings
