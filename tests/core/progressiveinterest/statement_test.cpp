// The statement jfgts.html: where its table ends, its total and its markup byte for byte.
#include "core/progressiveinterest/statement.h"
#include "core/progressiveinterest/sheet.h"

#include <gtest/gtest.h>

using namespace ruvivavu;
using namespace ruvivavu::progressiveinterest;

namespace {

// 194 rows: months "m1" to "m193", with "jul/94" at row 100 and the currency "R$" in row 5.
StringGrid fullSheet() {
    StringGrid sheet(kSheetColumns, kRows, 1, 1);
    for (int row = 1; row < kRows; ++row) sheet.setCell(kMonth, row, "m" + std::to_string(row));
    sheet.setCell(kMonth, 100, "jul/94");
    sheet.setCell(kCurrency, 100, "R$");
    sheet.setCell(kAccumulated, 100, "1.234,56");
    sheet.setCell(kCurrency, 5, "R$");
    return sheet;
}

TEST(ProgressiveInterestStatement, TableEndsAtTheRowHoldingTheEndMonth) {
    struct Case {
        const char* endMonth;
        int last;
    };
    const StringGrid sheet = fullSheet();
    for (const Case& c : {Case{"jul/94", 100}, Case{"nenhum", 193}, Case{"", 1}, Case{"m1", 1}, Case{"R$", 5},
                          Case{"m193", 193}, Case{"JUL/94", 193}})
        EXPECT_EQ(lastStatementRow(sheet, c.endMonth), c.last) << c.endMonth;
    EXPECT_EQ(totalDue(sheet, 100), "jul/94 = R$ 1.234,56");
    EXPECT_EQ(totalDue(sheet, 193), "m193 =  ");
}

// The whole markup is pinned by the checked example statement (examples/esperado); here the parts
// that depend on the header and the end month.
TEST(ProgressiveInterestStatement, OneRowPerHeaderLineAndTheTableUpToTheEndMonth) {
    auto count = [](const std::string& text, const std::string& part) {
        int n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
        return n;
    };
    const StringGrid sheet = fullSheet();
    const std::string style = "font-size:10.0pt;font-family:Times New Roman";
    const std::string three = writeStatement({"Autor", "", "Processo"}, sheet, "jul/94", style);
    EXPECT_EQ(count(three, "<tr><td><div align=Justify><p><b>"), 3);
    EXPECT_NE(three.find("<p><b></b></p>"), std::string::npos);
    EXPECT_EQ(count(three, "<tr>\r\n"), 101);
    EXPECT_NE(three.find("<BR><B>VALOR TOTAL DEVIDO EM: jul/94 = R$ 1.234,56</B></BR>\r\n<BR></BR>\r\n"),
              std::string::npos);
    const std::string none = writeStatement({}, sheet, "", style);
    EXPECT_EQ(count(none, "<div align=Justify>"), 0);
    EXPECT_EQ(count(none, "<tr>\r\n"), 2);
    EXPECT_NE(none.find("VALOR TOTAL DEVIDO EM: m1 =  </B>"), std::string::npos);
}

}  // namespace
