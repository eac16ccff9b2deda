// Reading and writing daily-savings calculation files.
#include "core/dailysavings/calculationfile.h"

#include "core/common/encoding.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "core/common/text.h"
#include "core/dailysavings/model.h"

#include <algorithm>

namespace ruvivavu::dailysavings {

namespace {

std::string flag(bool value) {
    return value ? "true" : "false";
}

}  // namespace

void writeBlock(std::vector<std::string>& lines, const StringGrid& grid) {
    lines.push_back(std::to_string(grid.rowCount()));
    for (int row = 1; row < grid.rowCount(); ++row) lines.push_back(GetCommaText(grid, row));
}

LineReader::LineReader(const std::string& bytes) : lines_(splitLines(cp1252ToUtf8(bytes))) {}

std::string LineReader::next() {
    return pos_ < lines_.size() ? lines_[pos_++] : std::string();
}

size_t LineReader::remaining() const {
    return lines_.size() - std::min(pos_, lines_.size());
}

void LineReader::readBlock(StringGrid& grid) {
    const int count = StrToInt(next());
    // A count beyond the file's end cannot be honoured: the grid gets the rows present.
    const int rows = std::min<long long>(count, static_cast<long long>(remaining()) + 1);
    grid.setRowCount(rows);
    for (int row = 1; row < rows; ++row) SetCommaText(grid, row, next());
}

std::string tooManyPlans(int extra) {
    return "O arquivo possui " + std::to_string(extra) + " Plano(s) adicionai(s), impossível abrir";
}

std::string writeCalculation(const DailySavings& c) {
    std::vector<std::string> lines;
    lines.push_back(kFormatMark);
    lines.push_back(std::to_string(c.planList.size()));
    for (const PlanItem& item : c.planList) lines.push_back(flag(item.checked));
    writeBlock(lines, c.chosenPlans);
    writeBlock(lines, c.balances);
    writeBlock(lines, c.differences);
    lines.push_back("false");
    lines.push_back("true");
    lines.push_back("false");
    lines.push_back(flag(c.proRata));
    writeBlock(lines, c.courtInterest);
    writeBlock(lines, c.paidBack);
    lines.push_back(flag(c.withMonthlyInterest));
    writeBlock(lines, c.monthlyInterest);
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return utf8ToCp1252(text);
}

std::string firstLine(const std::string& bytes) {
    return LineReader(bytes).next();
}

void readCalculation(const std::string& bytes, DailySavings& c) {
    LineReader in(bytes);
    in.next();  // the format mark
    const std::string count = in.next();
    if (checkinteiro(count)) {
        const int n = StrToInt(count);
        if (static_cast<int>(c.planList.size()) < n)
            throw UserMessage(tooManyPlans(n - static_cast<int>(c.planList.size())));
        for (int i = 0; i < n; ++i) c.planList[static_cast<size_t>(i)].checked = in.next() == "true";
    }
    in.readBlock(c.chosenPlans);
    in.readBlock(c.balances);
    in.readBlock(c.differences);
    in.next();
    in.next();
    in.next();
    c.compound = false;
    c.simple = true;
    c.monthByMonth = false;
    c.proRata = in.next() == "true";
    in.readBlock(c.courtInterest);
    in.readBlock(c.paidBack);
    // The two monthly-interest buttons always show one choice.
    c.setWithMonthlyInterest(in.next() == "true");
    in.readBlock(c.monthlyInterest);
}

}  // namespace ruvivavu::dailysavings
