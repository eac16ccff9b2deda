// Reading and writing FGTS calculation files.
#include "core/fgts/calcfile.h"

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

std::vector<std::string> calcFileLines(const Fields& f) {
    std::vector<std::string> lines;
    lines.push_back(std::to_string(f.header.size()));
    lines.insert(lines.end(), f.header.begin(), f.header.end());
    lines.insert(lines.end(),
                 {f.dataini, flag(f.cjuros), flag(f.chonorarios), flag(f.ccustas), f.datajuros, f.txjur, f.hono, f.cust,
                  flag(f.cverao), f.jcsaldos, flag(f.ccollor), f.jcollor, flag(f.jr3), flag(f.jr6)});
    return lines;
}

void readCalcLines(const std::vector<std::string>& lines, Fields& f) {
    std::size_t next = 0;
    auto readLine = [&]() -> std::string { return next < lines.size() ? lines[next++] : (++next, std::string()); };
    f.header.clear();
    const int count = StrToInt(readLine());
    const long headerLines = std::min<long>(count, kMaxHeaderLines);
    for (long i = 0; i < headerLines; ++i) f.header.push_back(readLine());
    auto money = [](const std::string& text) { return formatafloat(kMoney, text); };
    // A masked date edit given an empty text shows its empty mask.
    auto date = [](std::string text) { return text.empty() ? std::string(kEmptyDate) : text; };
    f.dataini = date(readLine());
    f.cjuros = readLine() == "true";
    f.chonorarios = readLine() == "true";
    f.ccustas = readLine() == "true";
    f.datajuros = date(readLine());
    f.txjur = money(readLine());
    f.hono = money(readLine());
    f.cust = money(readLine());
    f.cverao = readLine() == "true";
    f.jcsaldos = money(readLine());
    f.ccollor = readLine() == "true";
    f.jcollor = money(readLine());
    f.jr3 = readLine() == "true";
    f.jr6 = readLine() == "true";
    if (f.jr6) f.jr3 = false;  // selecting "6%" clears "3%"; clearing it leaves "3%" alone
}

void writeCalcFile(const std::string& path, const Fields& fields) {
    writeTextLines(path, calcFileLines(fields));
}

void readCalcFile(const std::string& path, Fields& fields) {
    readCalcLines(readTextLines(path), fields);
}

std::vector<std::string> memoLines(const std::string& text) {
    return splitLines(text);  // a line end closes its line without opening another
}

std::string memoText(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += '\n';
        text += lines[i];
    }
    if (!lines.empty() && lines.back().empty()) text += '\n';
    return text;
}

}  // namespace ruvivavu::fgts
