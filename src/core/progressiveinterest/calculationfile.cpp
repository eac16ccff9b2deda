// Reading and writing FGTS progressive-interest calculation files.
#include "core/progressiveinterest/calculationfile.h"

#include "core/common/fileio.h"
#include "core/common/text.h"

#include <algorithm>
#include <cmath>

namespace ruvivavu::progressiveinterest {

namespace {

// A damaged row count must not exhaust memory; every count past 194 is cut when the window is
// shown again anyway.
constexpr Number kMaxRows = 10000;

}  // namespace

std::vector<std::string> calculationLines(const ProgressiveInterest& c) {
    std::vector<std::string> lines{kLayout, c.endMonth, GetCommaText(c.header), c.ipcReflections ? "sim" : "nao",
                                   std::to_string(c.sheet.rowCount())};
    for (int row = 0; row < c.sheet.rowCount(); ++row) lines.push_back(GetCommaText(c.sheet, row));
    return lines;
}

bool readCalculationLines(const std::vector<std::string>& lines, ProgressiveInterest& c) {
    std::size_t next = 0;
    auto readLine = [&]() -> std::string { return next < lines.size() ? lines[next++] : (++next, std::string()); };
    const std::string layout = readLine();
    if (layout != kLayout && layout != kOlderLayout) return false;
    const std::string endMonth = readLine();
    const std::vector<std::string> header = CommaTextItems(readLine());
    bool ipcReflections = c.ipcReflections;
    if (layout == kLayout) ipcReflections = readLine() == "sim";
    const std::string count = readLine();
    StringGrid sheet = c.sheet;
    if (checkinteiro(count)) {
        const Number rows = std::clamp<Number>(std::trunc(RemovePonto(count)), 1, kMaxRows);
        sheet.setRowCount(static_cast<int>(rows));
    }
    for (int row = 0; row < sheet.rowCount(); ++row) SetCommaText(sheet, row, readLine());

    c.endMonth = endMonth;
    c.header = header;
    c.ipcReflections = ipcReflections;
    c.sheet = std::move(sheet);
    for (int row = 0; row < c.sheet.rowCount(); ++row) {
        c.values.setCell(0, row, c.sheet.cell(kMonth, row));
        c.values.setCell(1, row, c.sheet.cell(kCredited, row));
    }
    return true;
}

void writeCalculationFile(const std::string& path, const ProgressiveInterest& calculator) {
    writeTextLines(path, calculationLines(calculator));
}

bool readCalculationFile(const std::string& path, ProgressiveInterest& calculator) {
    return readCalculationLines(readTextLines(path), calculator);
}

}  // namespace ruvivavu::progressiveinterest
