// Reading and writing configured-savings calculation files.
#include "core/configuredsavings/calculationfile.h"

#include "core/common/fileio.h"
#include "core/common/text.h"

namespace ruvivavu::configuredsavings {

namespace {

const char* flag(bool value) {
    return value ? "true" : "false";
}

// The month figures of one block of months: interest and correction month by month, then the
// JCM, the balances before and the balances after of every month.
template <class Visit>
void visitMonthBlock(const Variant& variant, bool trailing, Visit&& visit) {
    std::vector<int> block;
    for (int k = 0; k < static_cast<int>(variant.months.size()); ++k)
        if (variant.months[k].trailing == trailing) block.push_back(k);
    for (int k : block) {
        visit(k, MonthField::Interest);
        visit(k, MonthField::Correction);
    }
    for (MonthField field : {MonthField::Jcm, MonthField::Before, MonthField::After})
        for (int k : block) visit(k, field);
}

// A group of radio buttons set in line order: checking one clears the others, clearing one leaves
// the others alone.
void setRadio(std::initializer_list<bool*> group, bool* button, bool checked) {
    if (checked)
        for (bool* other : group) *other = false;
    *button = checked;
}

}  // namespace

std::vector<std::string> calculationLines(const Variant& variant, const Fields& f) {
    std::vector<std::string> lines{kVersionLine,
                                   f.name,
                                   f.bank,
                                   f.branch,
                                   f.account,
                                   f.anniversaryDay,
                                   f.updateDate,
                                   flag(f.byInterest),
                                   flag(f.byJcm),
                                   flag(f.byBalanceBefore),
                                   flag(f.byBalanceAfter),
                                   flag(f.remuneratory),
                                   flag(f.moratory),
                                   flag(f.fees)};
    auto month = [&](int k, MonthField field) { lines.push_back(f.months.at(k)[field]); };
    visitMonthBlock(variant, false, month);
    lines.insert(lines.end(),
                 {f.remuneratoryStart, f.remuneratoryEnd, f.remuneratoryRate, f.moratoryStart, f.moratoryEnd,
                  f.moratoryRate, flag(f.feesAsPercentage), flag(f.feesAsValue), f.feeValue});
    visitMonthBlock(variant, true, month);
    return lines;
}

void readCalculationLines(const Variant& variant, const std::vector<std::string>& lines, Fields& f) {
    std::size_t next = 1;  // the version line is not read
    auto readLine = [&]() -> std::string { return next < lines.size() ? lines[next++] : (++next, std::string()); };
    auto date = [](std::string text) { return text.empty() ? std::string(kEmptyDate) : text; };
    f.name = readLine();
    f.bank = readLine();
    f.branch = readLine();
    f.account = readLine();
    f.anniversaryDay = readLine();
    f.updateDate = date(readLine());
    const std::initializer_list<bool*> options{&f.byInterest, &f.byJcm, &f.byBalanceBefore, &f.byBalanceAfter};
    for (bool* option : options) setRadio(options, option, readLine() == "true");
    f.remuneratory = readLine() == "true";
    f.moratory = readLine() == "true";
    f.fees = readLine() == "true";
    f.months.resize(variant.months.size());
    auto month = [&](int k, MonthField field) { f.months[k][field] = formatafloat(kMoney, readLine()); };
    visitMonthBlock(variant, false, month);
    f.remuneratoryStart = date(readLine());
    f.remuneratoryEnd = date(readLine());
    f.remuneratoryRate = readLine();
    f.moratoryStart = date(readLine());
    f.moratoryEnd = date(readLine());
    f.moratoryRate = readLine();
    const std::initializer_list<bool*> feeModes{&f.feesAsPercentage, &f.feesAsValue};
    for (bool* mode : feeModes) setRadio(feeModes, mode, readLine() == "true");
    const std::string fee = readLine();
    f.feeValue = f.feesAsValue ? formatafloat(kMoney, fee) : fee;
    visitMonthBlock(variant, true, month);
}

void writeCalculationFile(const std::string& path, const Variant& variant, const Fields& fields) {
    writeTextLines(path, calculationLines(variant, fields));
}

void readCalculationFile(const std::string& path, const Variant& variant, Fields& fields) {
    const std::vector<std::string> lines = readTextLines(path);
    Fields read = fields;
    readCalculationLines(variant, lines, read);
    fields = std::move(read);
}

}  // namespace ruvivavu::configuredsavings
