// The progressive-interest computation on hand-made months: the worked examples, the currency
// changes, the IPC reflections, skipped months and where the computation stops.
#include "core/progressiveinterest/sheet.h"
#include "core/common/errors.h"
#include "core/progressiveinterest/model.h"
#include "fixture.h"

#include <gtest/gtest.h>

#include <map>

using namespace ruvivavu;
using namespace ruvivavu::progressiveinterest;
using progressive_test::Month;

namespace {

struct Case {
    const char* name;
    std::vector<Month> months;
    std::vector<std::string> typed;
    bool ipc;
    int row;                              // the row checked
    std::map<int, std::string> expected;  // column -> text
};

// label, b, d4, d5, d6, g seed, h seed, currency
const std::vector<Case> kCases = {
    // f 50,00 and g 100,00 on a previous h of 10.000,00: (100,00 + 10.000,00) / 1000 + 50,00.
    {"Mar89NewCurrency",
     {{"fev/89", "", "", "", "", "", "10.000,00", "Cz$"}, {"mar/89", "0,005", "", "", "0,01", "0,00", "", "NCz$"}},
     {"", "50"},
     false,
     2,
     {{1, "50,00"}, {3, "10.000,00"}, {7, "100,00"}, {8, "50,00"}, {9, "100,00"}, {10, "60,10"}}},
    // The January 1989 reflection replaces g: 10.000,00 x 1,208083.
    {"Mar89WithIpc",
     {{"fev/89", "", "", "", "", "", "10.000,00", "Cz$"}, {"mar/89", "0,005", "", "", "0,01", "0,00", "", "NCz$"}},
     {"", "50"},
     true,
     2,
     {{9, "12.080,83"}, {10, "72,08"}}},
    // With the option, g of mai/90 is 1.000,00 x 0,455047 whatever columns 4 to 6 hold.
    {"Mai90WithIpc",
     {{"abr/90", "", "", "", "", "", "1.000,00", "Cr$"}, {"mai/90", "0,5", "0,5", "0,6", "0,7", "0,00", "", "Cr$"}},
     {"", "100,00"},
     true,
     2,
     {{3, "200,00"}, {7, "140,00"}, {8, "40,00"}, {9, "455,05"}, {10, "1.495,05"}}},
    // All three multipliers hold numbers: column 6 is d. The first month starts from zero.
    {"ColumnSixIsD",
     {{"jan/87", "1", "0,1", "0,2", "0,3", "0,00", "", "Cz$"}},
     {"10"},
     false,
     1,
     {{3, "10,00"}, {7, "3,00"}, {8, "-7,00"}, {9, "0,00"}, {10, "-7,00"}}},
    // Without the option mar/89 has no reflection, and jul/94 divides the carried amount by 2750.
    {"Jul94Real",
     {{"jun/94", "", "", "", "", "", "2.750.000,00", "CR$"}, {"jul/94", "1", "", "", "0,1", "0,00", "", "R$"}},
     {"", "1.000,00"},
     false,
     2,
     {{8, "-900,00"}, {9, "275.000,00"}, {10, "200,00"}}},
    // The option has nothing to reflect when the previous month shows no h: it starts from zero.
    {"IpcWithoutPreviousH",
     {{"fev/89", "", "", "", "", "", "", "Cz$"}, {"mar/89", "0,005", "", "", "0,01", "0,00", "", "NCz$"}},
     {"", "50"},
     true,
     2,
     {{9, "0,00"}, {10, "50,00"}}},
    // A month without a value keeps the table's cells; the next one starts from zero with no new g.
    {"SkippedMonthCarriesNothing",
     {{"jan/87", "1", "", "", "0,5", "0,00", "", "Cz$"},
      {"fev/87", "1", "", "", "0,5", "0,00", "", "Cz$"},
      {"mar/87", "1", "", "", "0,5", "0,00", "", "Cz$"}},
     {"100", "", "100"},
     false,
     3,
     {{9, "0,00"}, {10, "-50,00"}}},
    // Without a seed of g that month has no h at all.
    {"NoSeedNoH",
     {{"jan/87", "1", "", "", "0,5", "", "", "Cz$"}},
     {"100"},
     false,
     1,
     {{8, "-50,00"}, {9, ""}, {10, ""}}},
};

class Recalc : public ::testing::TestWithParam<Case> {};

TEST_P(Recalc, WorkedMonth) {
    const Case& c = GetParam();
    StringGrid sheet = progressive_test::sheetOf(c.months);
    const StringGrid values = progressive_test::valuesOf(sheet, c.typed);
    recalc(values, sheet, c.ipc);
    for (const auto& [col, text] : c.expected) EXPECT_EQ(sheet.cell(col, c.row), text) << "column " << col;
}

INSTANTIATE_TEST_SUITE_P(ProgressiveInterest, Recalc, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProgressiveInterestRecalc, SkippedMonthKeepsAnEarlierResultAndTheNextMonthCarriesIt) {
    StringGrid sheet = progressive_test::sheetOf({{"jan/87", "1", "", "", "0,5", "0,00", "", "Cz$"},
                                                  {"fev/87", "1", "", "", "0,5", "0,00", "", "Cz$"},
                                                  {"mar/87", "1", "", "", "0,5", "0,00", "", "Cz$"}});
    StringGrid values = progressive_test::valuesOf(sheet, {"100", "100", "100"});
    recalc(values, sheet, false);
    EXPECT_EQ(sheet.row(2), (std::vector<std::string>{"fev/87", "100,00", "1", "100,00", "", "", "0,5", "50,00",
                                                      "-50,00", "-25,00", "-125,00", "Cz$"}));
    EXPECT_EQ(sheet.cell(10, 3), "-237,50");  // -50,00 + (-62,50 + -125,00)

    // Erasing fev/87: its a follows, the rest of its row stays, and mar/87 carries its old h.
    values.setCell(1, 2, "");
    recalc(values, sheet, false);
    EXPECT_EQ(sheet.cell(1, 2), "");
    EXPECT_EQ(sheet.cell(10, 2), "-125,00");
    EXPECT_EQ(sheet.cell(10, 3), "-237,50");
}

TEST(ProgressiveInterestRecalc, StopsAtTheFailingCellKeepingWhatWasComputed) {
    struct Stop {
        const char* divisor;
        const char* typed;
        const char* message;
    };
    for (const Stop& s : {Stop{"0", "100", "Floating point division by zero"},
                          Stop{"1", "1,2,3", "'1,2,3' is not a valid floating point value"}}) {
        StringGrid sheet = progressive_test::sheetOf({{"jan/87", "1", "", "", "0,5", "0,00", "", "Cz$"},
                                                      {"fev/87", s.divisor, "", "", "0,5", "0,00", "", "Cz$"},
                                                      {"mar/87", "1", "", "", "0,5", "0,00", "", "Cz$"}});
        const StringGrid values = progressive_test::valuesOf(sheet, {"100", s.typed, "100"});
        try {
            recalc(values, sheet, false);
            ADD_FAILURE() << "no error for " << s.typed;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), s.message);
        }
        EXPECT_EQ(sheet.cell(10, 1), "-50,00");
        EXPECT_EQ(sheet.cell(10, 3), "");
    }
}

TEST(ProgressiveInterestModel, RepeatThreeTimesFromRowFiveCopiesRowFour) {
    progressive_test::Folder folder;
    ProgressiveInterest c(folder.shell);
    c.loadAtStart();
    c.shown();
    c.edit(4, "1.000,00");
    c.select(5);
    EXPECT_EQ(c.repeat(), 5);
    EXPECT_EQ(c.repeat(), 6);
    EXPECT_EQ(c.repeat(), 7);
    for (int row = 4; row <= 7; ++row) EXPECT_EQ(c.values.cell(1, row), "1.000,00") << row;
    EXPECT_EQ(c.values.cell(1, 8), "");
    EXPECT_EQ(c.selectedRow, 8);
    // abr/89 to jun/89 of the table: 1.000,00 / 0,004 x 0,008 - 1.000,00 each month, h carried on.
    EXPECT_EQ(c.sheet.cell(10, 4), "1.000,00");
    EXPECT_EQ(c.sheet.cell(10, 6), "3.024,06");

    // From the first month nothing is copied (the row above is the heading); past the last row
    // nothing at all happens.
    c.select(1);
    EXPECT_EQ(c.repeat(), 1);
    EXPECT_EQ(c.values.cell(1, 1), "");
    c.select(kRows);
    EXPECT_EQ(c.repeat(), -1);
    EXPECT_EQ(c.selectedRow, kRows);
}

}  // namespace
