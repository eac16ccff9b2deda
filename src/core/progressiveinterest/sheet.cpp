// The FGTS progressive-interest computation, one month row after another.
#include "core/progressiveinterest/sheet.h"

#include "core/common/text.h"

namespace ruvivavu::progressiveinterest {

namespace {

// IPC reflections of the purges of 01/1989 and 04/1990 on the accumulated difference.
constexpr Number kReflectionMar89 = 1.208083L;
constexpr Number kReflectionMai90 = 0.455047L;

// One month row being computed. A result is stored as money text and every later step reads the
// number that text reads back as; a cell stored in this pass is not parsed again (a stored money
// text always holds a digit), the others are read from their text.
class MonthRow {
public:
    MonthRow(StringGrid& sheet, int row) : sheet_(sheet), row_(row) {}

    Number store(int col, Number value) {
        NumberText room;
        sheet_.updateCell(col, row_, FormatFloat(kMoney, value, number_[col], room));
        fresh_[col] = true;
        return number_[col];
    }
    bool has(int col) const { return fresh_[col] || checkinteiro(sheet_.cell(col, row_)); }
    Number number(int col) const { return fresh_[col] ? number_[col] : RemovePonto(sheet_.cell(col, row_)); }

    // The multiplier d: the rightmost of columns 4 to 6 holding a number; false when none does.
    bool rate(Number& d) const {
        for (int col = kLastRate; col >= kFirstRate; --col) {
            if (has(col)) {
                d = number(col);
                return true;
            }
        }
        return false;
    }

private:
    StringGrid& sheet_;
    int row_;
    bool fresh_[kSheetColumns] = {};
    Number number_[kSheetColumns] = {};
};

}  // namespace

Number currencyDivisor(std::string_view month) {
    if (month == "mar/86" || month == "mar/89" || month == "ago/93") return 1000;
    if (month == "jul/94") return 2750;
    return 1;
}

void recalc(const StringGrid& values, StringGrid& sheet, bool ipcReflections) {
    // h of the previous row when this pass stored it.
    bool previousFresh = false;
    Number previousH = 0;
    for (int r = 1; r < values.rowCount(); ++r) {
        const bool previousStored = previousFresh;
        previousFresh = false;
        sheet.updateCell(kCredited, r, values.cell(1, r));
        if (!checkinteiro(sheet.cell(kCredited, r))) continue;
        const bool carries = previousStored || checkinteiro(sheet.cell(kAccumulated, r - 1));
        const Number previous = previousStored ? previousH : carries ? RemovePonto(sheet.cell(kAccumulated, r - 1)) : 0;

        MonthRow m(sheet, r);
        const Number a = m.store(kCredited, RemovePonto(sheet.cell(kCredited, r)));
        if (m.has(kDivisor)) m.store(kBase, divide(a, m.number(kDivisor)));
        Number d = 0;
        const bool hasRate = m.rate(d);
        if (m.has(kBase) && hasRate) m.store(kDue, checked(m.number(kBase) * d));
        if (m.has(kDue)) m.store(kDifference, checked(m.number(kDue) - a));

        const std::string month = sheet.cell(kMonth, r);
        if (carries && hasRate) m.store(kCorrection, checked(previous * d));
        // A month whose previous month shows no accumulated difference has nothing to reflect:
        // it starts from zero, as every other month does.
        if (ipcReflections && carries) {
            if (month == "mar/89") m.store(kCorrection, checked(previous * kReflectionMar89));
            if (month == "mai/90") m.store(kCorrection, checked(previous * kReflectionMai90));
        }

        if (m.has(kDifference) && m.has(kCorrection)) {
            const Number f = m.number(kDifference);
            Number carried = checked(m.number(kCorrection) + previous);
            carried = divide(carried, currencyDivisor(month));
            previousH = m.store(kAccumulated, checked(f + carried));
            previousFresh = true;
        }
    }
}

}  // namespace ruvivavu::progressiveinterest
