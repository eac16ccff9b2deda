// The configured-savings computation.
#include "core/configuredsavings/sheet.h"

#include "core/common/text.h"

#include <algorithm>

namespace ruvivavu::configuredsavings {

namespace {

// The interest rate of savings accounts, a month.
constexpr Number kSavingsInterest = 0.005L;

// Writes a figure as money text and answers what that text reads back as.
Number store(const Variant& variant, std::string& field, Number value) {
    field = FormatFloat(kMoney, checked(value));
    return variant.fieldValue(field);
}

Number readField(const Variant& variant, const std::string& text) {
    return variant.lenientFields ? RemovePontoTodos(text) : RemovePonto(text);
}

}  // namespace

Number Variant::fieldValue(const std::string& text) const {
    return readField(*this, text);
}

void deriveMonth(const Variant& variant, const PurgeMonth& month, MonthField left, MonthFields& f) {
    auto read = [&](const std::string& text) { return readField(variant, text); };
    auto put = [&](std::string& field, Number value) { return store(variant, field, value); };
    const Number p = month.credited;
    const Number q = month.correction;
    switch (left) {
        case MonthField::Interest:
        case MonthField::Correction: {
            const Number jcm = put(f.jcm, read(f.interest) + read(f.correction));
            const Number before = put(f.before, divide(jcm, p) * 100);
            put(f.after, before * (p / 100 + 1));
            break;
        }
        case MonthField::Jcm: {
            const Number jcm = read(f.jcm);
            put(f.interest, divide(jcm, p / 100) * (q / 100 + 1) * kSavingsInterest);
            const Number before = put(f.before, divide(jcm, p / 100));
            put(f.correction, before * (q / 100));
            put(f.after, before * (p / 100 + 1));
            break;
        }
        case MonthField::Before: {
            const Number before = read(f.before);
            put(f.jcm, before * (p / 100));
            put(f.correction, before * (q / 100));
            put(f.interest, before * (q / 100 + 1) * kSavingsInterest);
            put(f.after, before * (p / 100 + 1));
            break;
        }
        case MonthField::After: {
            const Number before = put(f.before, divide(read(f.after), p / 100 + 1));
            put(f.jcm, before * (p / 100));
            put(f.correction, before * (q / 100));
            put(f.interest, before * (q / 100 + 1) * kSavingsInterest);
            break;
        }
    }
}

void writeAccountHeadings(const Variant& variant, StringGrid& account) {
    const int months = static_cast<int>(variant.months.size());
    account.setColCount(months + 1);
    account.setRowCount(5);
    account.setRow(0, {"<b>Extrato:</b>"});
    for (int k = 0; k < months; ++k) account.setCell(k + 1, 0, std::string("<b>") + variant.months[k].heading + "</b>");
    account.setCell(0, 1, "<b>Saldo Anterior:</b>");
    account.setCell(0, 2, "<b>Juros:</b>");
    account.setCell(0, 3, "<b>Seguro Inflação:</b>");
    account.setCell(0, 4, "<b>Saldo Posterior:</b>");
}

void fillAccount(const Variant& variant, const Fields& fields, StringGrid& account) {
    for (int k = 0; k < static_cast<int>(variant.months.size()); ++k) {
        const MonthFields& m = fields.months.at(k);
        const MonthField rows[] = {MonthField::Before, MonthField::Interest, MonthField::Correction, MonthField::After};
        for (int row = 1; row <= 4; ++row)
            account.setCell(k + 1, row, FormatFloat(kMoney, readField(variant, m[rows[row - 1]])));
    }
}

std::string monthLabel(const Date& date) {
    static const char* const kMonths[12] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                            "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    const int yy = date.year % 100;
    return std::string(kMonths[date.month - 1]) + "/" + char('0' + yy / 10) + char('0' + yy % 10);
}

void computeUpdateTable(const Variant& variant, const Fields& fields, const StringGrid& account, StringGrid& t) {
    auto number = [&t](int col, int row) { return RemovePonto(t.cell(col, row)); };
    auto put = [&t](int col, int row, Number value) {
        t.setCell(col, row, FormatFloat(kMoney, checked(value)));
        return RemovePonto(t.cell(col, row));
    };
    const auto& months = variant.months;
    std::vector<bool> positive;
    for (std::size_t k = 0; k < months.size(); ++k)
        positive.push_back(variant.fieldValue(fields.months.at(k).before) > 0);

    // A table shorter than the purge rows fails on the first missing rate, as a row without one does.
    const int last = std::max(t.rowCount() - 1, months.back().purgeRow);
    std::size_t nextPurge = 0;
    bool opened = false;  // a purge month already passed had a balance
    for (int r = 1; r <= last; ++r) {
        if (nextPurge < months.size() && months[nextPurge].purgeRow == r) {
            const std::size_t k = nextPurge++;
            if (positive[k]) {
                // The account's own balance earns the period; the earlier differences do not.
                const Number balance = RemovePonto(account.cell(static_cast<int>(k) + 1, 1));
                const Number c2 = put(kAmountColumn, r, number(kRateColumn, r) * balance);
                const Number c4 = put(kCreditedAmount, r, number(kCreditedRate, r) * balance);
                put(kDifference, r, c2 - c4);
                put(kBalanceColumn, r, k == 0 ? c2 - c4 : number(kBalanceColumn, r - 1) + (c2 - c4));
                opened = true;
            } else {
                t.setCell(kLabelColumn, r, "");
                t.setCell(kBalanceColumn, r, k == 0 ? std::string("0") : t.cell(kBalanceColumn, r - 1));
            }
            continue;
        }
        if (!opened) t.setCell(kLabelColumn, r, "");
        const Number above = number(kBalanceColumn, r - 1);
        const Number c2 = put(kAmountColumn, r, number(kRateColumn, r) * above);
        Number balance = above + c2;
        const std::string& label = t.cell(kLabelColumn, r);
        if (nextPurge == 1 && label == "JAN/89") balance = divide(above + c2, 1000);
        if (nextPurge == months.size() && label == "JUL/93") balance = divide(above + c2, 1000);
        if (nextPurge == months.size() && label == "JUN/94") balance = divide(above + c2, 2750);
        put(kBalanceColumn, r, balance);
    }

    for (int r = t.rowCount() - 1; r >= 1; --r)
        if (t.cell(kLabelColumn, r).empty()) RemoveLinha(t, r);

    const std::string cut = monthLabel(StrToDate(fields.updateDate));
    for (int r = t.rowCount() - 1; r >= 1; --r) {
        if (t.cell(kLabelColumn, r) == cut) {
            t.setRowCount(r + 1);
            break;
        }
    }
}

int interestMonths(const Date& start, const Date& end) {
    const Intervalo span = EntreDatas(end, start);
    return span.anos * 12 + span.meses;
}

std::string periodInterest(const std::string& start, const std::string& end, const std::string& base,
                           const std::string& label, const std::string& rate, Number& total) {
    if (!checkinteiro(rate) || !checkinteiro(start) || !checkinteiro(end)) return "";
    const int months = interestMonths(StrToDate(start), StrToDate(end));
    const Number r = RemovePonto(rate);
    const std::string percent = FormatFloat(kMoney, checked(r * months));
    const std::string interest = FormatFloat(kMoney, checked(RemovePonto(base) * (checked(r * months) / 100)));
    total = checked(total + RemovePonto(interest));
    if (months < 2) return "";
    return "<p align=\"center\"><b>" + label + " " + start + " a " + end + " de " + rate + "% x " +
           std::to_string(months) + "(meses) = " + percent + "</b></p><p align=\"center\"><b>Valor dos Juros: " + base +
           " x " + percent + "% = " + interest + "</b></p>";
}

}  // namespace ruvivavu::configuredsavings
