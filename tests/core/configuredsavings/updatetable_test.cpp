// The update table: which purge rows open it, the rows it carries, the currency reforms and the cut
// at the update month.
#include "core/common/tablefile.h"
#include "core/configuredsavings/sheet.h"
#include "fixture.h"

using namespace configured_test;

namespace {

std::vector<std::string> labels(const StringGrid& t) {
    std::vector<std::string> out;
    for (int r = 1; r < t.rowCount(); ++r) out.push_back(t.cell(0, r));
    return out;
}

StringGrid computed(ConfiguredSavings& c) {
    walk(c);
    return c.updateTable;
}

}  // namespace

TEST(MonthLabel, UpperCasePortugueseAbbreviations) {
    const std::pair<const char*, const char*> cases[] = {
        {"01/01/1989", "JAN/89"}, {"29/02/2000", "FEV/00"}, {"30/04/1990", "ABR/90"}, {"31/05/1990", "MAI/90"},
        {"15/08/1994", "AGO/94"}, {"01/09/2007", "SET/07"}, {"31/10/1999", "OUT/99"}, {"31/12/2049", "DEZ/49"},
    };
    for (const auto& [date, label] : cases) EXPECT_EQ(monthLabel(StrToDate(date)), label) << date;
}

TEST_F(Calculator, OnlyMayBalanceOpensTheTableAtItsPurgeRow) {
    ConfiguredSavings c = make(kConfiguredSavings, {"0,00", "0,00", "1.000,00", "0,00"});
    const StringGrid t = computed(c);
    // Row 37, MAI/90 with 0,45524 owed and 0,005 credited: 455,24 - 5,00.
    EXPECT_EQ(t.row(1),
              (std::vector<std::string>{"MAI/90", "0,45524", "455,24", "0,005", "5,00", "450,24", "450,24", "Cr$"}));
    // Row 38 carries it; the Jun/90 purge row (39) leaves the table with the balance unchanged.
    EXPECT_EQ(t.cell(0, 2), "JUN/90");
    EXPECT_EQ(t.cell(2, 2), "26,60");
    EXPECT_EQ(t.cell(6, 2), "476,84");
    EXPECT_EQ(t.cell(0, 3), "JUL/90");
    EXPECT_EQ(t.cell(6, 3), "525,28");  // 476,84 + 48,44 (0,10158): no yield of row 39 in between
}

TEST_F(Calculator, ZeroFebruaryPassesTheJanuaryBalanceOnWithoutItsYield) {
    ConfiguredSavings c = make(kConfiguredSavings, {"10.000,00"});
    const StringGrid t = computed(c);
    const std::vector<std::string> got = labels(t);
    ASSERT_EQ(got[19], "FEV/89");  // the ordinary February row 20
    EXPECT_EQ(got[20], "MAR/89");  // the purge row 21 is gone
    // MAR/89 earns on the balance of row 20.
    const Number above = RemovePonto(t.cell(6, 20));
    EXPECT_EQ(t.cell(2, 21), FormatFloat(kMoney, RemovePonto("0,189456") * above));
}

TEST_F(Calculator, CurrencyReformsDivideTheBalance) {
    // A table of its own, laid out as the calculator reads it: purge rows 1, 21, 37, 39.
    std::vector<std::string> lines{"Mês\tÍndice\tValor\tCred\tVCred\tDif\tSaldo\tMoeda"};
    for (int r = 1; r <= 42; ++r) {
        std::string label = "ROW/" + std::to_string(r);
        if (r == 20) label = "JAN/89";
        if (r == 40) label = "JUL/93";
        if (r == 41) label = "JUN/94";
        const bool purge = r == 1 || r == 21 || r == 37 || r == 39;
        // Row 1 owes the whole balance and credits nothing; every other row yields nothing.
        lines.push_back(label + "\t" + (r == 1 ? "1" : "0") + "\t\t" + (purge ? "0" : "") + "\t\t\t\tX$");
    }
    writeTextLines(shell.dataFile("mes.tab"), lines);
    ConfiguredSavings c = make(kConfiguredSavings, {"1.234.567,89", "1,00", "1,00", "1,00"});
    c.fields.updateDate = "01/01/2030";  // not in the table: every row stays
    const StringGrid t = computed(c);
    ASSERT_EQ(t.rowCount(), 43);
    EXPECT_EQ(t.cell(6, 19), "1.234.567,89");
    EXPECT_EQ(t.cell(6, 20), "1.234,57");  // JAN/89
    EXPECT_EQ(t.cell(6, 40), "1,23");      // JUL/93
    EXPECT_EQ(t.cell(6, 41), "0,00");      // JUN/94: 1,23 / 2750
}

TEST_F(Calculator, CutKeepsRowsUpToTheLastRowOfTheUpdateMonth) {
    const std::pair<const char*, const char*> cases[] = {
        {"01/02/1989", "FEV/89"},  // two FEV/89 rows: the later, the purge row, ends the table
        {"31/12/1987", "DEZ/87"},
        {"01/01/2049", ""},  // beyond the table: every row
    };
    for (const auto& [date, last] : cases) {
        ConfiguredSavings c = make(kConfiguredSavings, {"10.000,00", "500,00"});
        c.fields.updateDate = date;
        const StringGrid t = computed(c);
        const std::string expected = *last ? last : c.tableLabel.substr(c.tableLabel.size() - 6);
        EXPECT_EQ(t.cell(0, t.rowCount() - 1), expected) << date;
        if (std::string(date) == "01/02/1989") {
            EXPECT_EQ(t.cell(3, t.rowCount() - 1), "0,229708");
        }
    }
}

TEST_F(Calculator, OnlyMarch1991BalanceOpensTheSixMonthTableAtRow50) {
    ConfiguredSavings c = make(kCollorSavings, {"0,00", "0,00", "0,00", "0,00", "0,00", "1.000,00"});
    const StringGrid t = computed(c);
    EXPECT_EQ(t.row(1), (std::vector<std::string>{"MAR/91", "0,2247935", "224,79", "0,07535", "75,35", "149,44",
                                                  "149,44", "Cr$"}));
    EXPECT_EQ(t.cell(0, 2), "ABR/91");
}

TEST_F(Calculator, NoBalanceLeavesOnlyTheHeadingAndAZeroValue) {
    ConfiguredSavings c = make(kConfiguredSavings);
    const StringGrid t = computed(c);
    EXPECT_EQ(t.rowCount(), 1);
    EXPECT_EQ(t.cell(0, 0), "Mês");
}
