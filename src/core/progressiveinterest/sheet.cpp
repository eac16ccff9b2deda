// The FGTS progressive-interest computation, one month row after another.
#include "core/progressiveinterest/sheet.h"

#include "core/common/text.h"

namespace ruvivavu::progressiveinterest {

namespace {

// IPC reflections of the purges of 01/1989 and 04/1990 on the accumulated difference.
constexpr Number kReflectionMar89 = 1.208083L;
constexpr Number kReflectionMai90 = 0.455047L;

// Stores a result as money text and answers the number that text reads back as.
Number store(StringGrid& sheet, int col, int row, Number value) {
    sheet.setCell(col, row, FormatFloat(kMoney, value));
    return RemovePonto(sheet.cell(col, row));
}

// The multiplier d of a row: the rightmost of columns 4 to 6 holding a number; false when none does.
bool rateOf(const StringGrid& sheet, int row, Number& rate) {
    for (int col = kLastRate; col >= kFirstRate; --col) {
        if (checkinteiro(sheet.cell(col, row))) {
            rate = RemovePonto(sheet.cell(col, row));
            return true;
        }
    }
    return false;
}

}  // namespace

Number currencyDivisor(std::string_view month) {
    if (month == "mar/86" || month == "mar/89" || month == "ago/93") return 1000;
    if (month == "jul/94") return 2750;
    return 1;
}

void recalc(const StringGrid& values, StringGrid& sheet, bool ipcReflections) {
    for (int r = 1; r < values.rowCount(); ++r) {
        sheet.setCell(kCredited, r, values.cell(1, r));
        if (!checkinteiro(sheet.cell(kCredited, r))) continue;
        const Number a = store(sheet, kCredited, r, RemovePonto(sheet.cell(kCredited, r)));
        if (checkinteiro(sheet.cell(kDivisor, r)))
            store(sheet, kBase, r, divide(a, RemovePonto(sheet.cell(kDivisor, r))));
        Number d = 0;
        const bool hasRate = rateOf(sheet, r, d);
        if (checkinteiro(sheet.cell(kBase, r)) && hasRate)
            store(sheet, kDue, r, checked(RemovePonto(sheet.cell(kBase, r)) * d));
        if (checkinteiro(sheet.cell(kDue, r)))
            store(sheet, kDifference, r, checked(RemovePonto(sheet.cell(kDue, r)) - a));

        const bool carries = checkinteiro(sheet.cell(kAccumulated, r - 1));
        const Number previous = carries ? RemovePonto(sheet.cell(kAccumulated, r - 1)) : 0;
        const std::string month = sheet.cell(kMonth, r);
        if (carries && hasRate) store(sheet, kCorrection, r, checked(previous * d));
        // A month whose previous month shows no accumulated difference has nothing to reflect:
        // it starts from zero, as every other month does.
        if (ipcReflections && carries) {
            if (month == "mar/89") store(sheet, kCorrection, r, checked(previous * kReflectionMar89));
            if (month == "mai/90") store(sheet, kCorrection, r, checked(previous * kReflectionMai90));
        }

        if (checkinteiro(sheet.cell(kDifference, r)) && checkinteiro(sheet.cell(kCorrection, r))) {
            const Number f = RemovePonto(sheet.cell(kDifference, r));
            Number carried = checked(RemovePonto(sheet.cell(kCorrection, r)) + previous);
            carried = divide(carried, currencyDivisor(month));
            store(sheet, kAccumulated, r, checked(f + carried));
        }
    }
}

}  // namespace ruvivavu::progressiveinterest
