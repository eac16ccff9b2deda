// Reading and writing FGTS calculation files.
#include "core/fgts/calculationfile.h"

#include "core/common/fileio.h"
#include "core/common/text.h"

#include <algorithm>

namespace ruvivavu::fgts {

namespace {

const char* flag(bool value) {
    return value ? "true" : "false";
}

// A count in line 1 larger than the file is read as the file's own lines followed by empty ones;
// this bounds the empty ones so a damaged count cannot exhaust memory.
constexpr long kMaxHeaderLines = 100000;

}  // namespace

std::vector<std::string> calculationLines(const Fields& f) {
    std::vector<std::string> lines;
    lines.push_back(std::to_string(f.header.size()));
    lines.insert(lines.end(), f.header.begin(), f.header.end());
    lines.insert(lines.end(), {f.updateDate, flag(f.withInterest), flag(f.withFees), flag(f.withCosts), f.interestStart,
                               f.interestRate, f.feePercent, f.costs, flag(f.withVerao), f.veraoBalance,
                               flag(f.withCollor), f.collorBalance, flag(f.jam3), flag(f.jam6)});
    return lines;
}

void readCalculationLines(const std::vector<std::string>& lines, Fields& f) {
    std::size_t next = 0;
    auto readLine = [&]() -> std::string { return next < lines.size() ? lines[next++] : (++next, std::string()); };
    f.header.clear();
    const int count = StrToInt(readLine());
    const long headerLines = std::min<long>(count, kMaxHeaderLines);
    for (long i = 0; i < headerLines; ++i) f.header.push_back(readLine());
    auto money = [](const std::string& text) { return formatafloat(kMoney, text); };
    // A masked date edit given an empty text shows its empty mask.
    auto date = [](std::string text) { return text.empty() ? std::string(kEmptyDate) : text; };
    f.updateDate = date(readLine());
    f.withInterest = readLine() == "true";
    f.withFees = readLine() == "true";
    f.withCosts = readLine() == "true";
    f.interestStart = date(readLine());
    f.interestRate = money(readLine());
    f.feePercent = money(readLine());
    f.costs = money(readLine());
    f.withVerao = readLine() == "true";
    f.veraoBalance = money(readLine());
    f.withCollor = readLine() == "true";
    f.collorBalance = money(readLine());
    f.jam3 = readLine() == "true";
    f.jam6 = readLine() == "true";
    if (f.jam6) f.jam3 = false;  // selecting "6%" clears "3%"; clearing it leaves "3%" alone
}

void writeCalculationFile(const std::string& path, const Fields& fields) {
    writeTextLines(path, calculationLines(fields));
}

void readCalculationFile(const std::string& path, Fields& fields) {
    readCalculationLines(readTextLines(path), fields);
}

}  // namespace ruvivavu::fgts
