// Reading and writing São Paulo court-debt calculation files.
#include "core/saopaulo/calculationfile.h"

#include "core/common/encoding.h"
#include "core/common/errors.h"
#include "core/common/text.h"
#include "core/dailysavings/calculationfile.h"
#include "core/saopaulo/model.h"

#include <vector>

namespace ruvivavu::saopaulo {

using dailysavings::LineReader;
using dailysavings::writeBlock;

namespace {

std::string flag(bool value) {
    return value ? "true" : "false";
}

}  // namespace

std::string writeCalculation(const SaoPauloCourtDebt& c) {
    std::vector<std::string> lines;
    lines.push_back(kFormatMark);
    lines.push_back(std::to_string(c.planList.size()));
    for (const PlanItem& item : c.planList) lines.push_back(flag(item.checked));
    writeBlock(lines, c.chosenPlans);
    writeBlock(lines, c.balances);
    writeBlock(lines, c.differences);
    lines.push_back(flag(c.compound));
    lines.push_back(flag(c.simple));
    lines.push_back(flag(c.monthByMonth));
    lines.push_back(flag(c.proRata));
    writeBlock(lines, c.courtInterest);
    lines.push_back(flag(c.withMonthlyInterest));
    writeBlock(lines, c.monthlyInterest);
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return utf8ToCp1252(text);
}

void readCalculation(const std::string& bytes, SaoPauloCourtDebt& c) {
    LineReader in(bytes);
    in.next();  // the format mark
    const std::string count = in.next();
    if (checkinteiro(count)) {
        const int n = StrToInt(count);
        const int items = static_cast<int>(c.planList.size());
        if (items < n) throw UserMessage(dailysavings::tooManyPlans(n - items));
        for (int i = 0; i < n; ++i) c.planList[static_cast<size_t>(i)].checked = in.next() == "true";
    }
    in.readBlock(c.chosenPlans);
    in.readBlock(c.balances);
    in.readBlock(c.differences);
    // The kind of court interest the file was finished with: reopening must give the same figures.
    c.setCompound(in.next() == "true");
    in.next();  // "Simples": the other of the two
    in.next();  // "Mês a mês": never chosen in this calculator
    c.monthByMonth = false;
    c.proRata = in.next() == "true";
    in.readBlock(c.courtInterest);
    c.withMonthlyInterest = in.next() == "true";
    in.readBlock(c.monthlyInterest);
}

}  // namespace ruvivavu::saopaulo
