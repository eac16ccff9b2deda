// "Calcular" of the monthly yield check tool and its comparison table.
#include "core/tools/yieldtool.h"

#include "core/common/errors.h"

#include <gtest/gtest.h>

using namespace ruvivavu;
using ruvivavu::tools::MonthlyYield;

namespace {
MonthlyYield tool(const std::string& p, const std::string& s) {
    MonthlyYield r;
    r.purgeBalance = p;
    r.nextBalance = s;
    return r;
}
}  // namespace

TEST(MonthlyYield, YieldAndHalfPercentExclusion) {
    MonthlyYield r = tool("1.000,00", "1.025,10");
    r.calculate();
    EXPECT_EQ(r.yield, "2,51");
    r.withoutSavingsInterest = true;
    r.calculate();
    EXPECT_EQ(r.yield, "2,00");

    // Without a purge-month balance nothing is recomputed, so the exclusion is applied again to
    // the result already shown, every time.
    r.purgeBalance = "";
    r.calculate();
    EXPECT_EQ(r.yield, "1,49253731343284");
    r.calculate();
    EXPECT_EQ(r.yield, "0,987599316848597");
}

TEST(MonthlyYield, CurrencyChangeCutsTheConvertedBalanceToCents) {
    MonthlyYield r = tool("2.000.000,00", "2.500,00");
    r.currencyChange = true;
    r.calculate();
    EXPECT_EQ(r.yield, "25,00");
    EXPECT_EQ(r.purgeBalance, "2.000.000,00");

    // 1.234,56 / 1.000 is used as 1,23.
    r = tool("1.234,56", "1,25");
    r.currencyChange = true;
    r.calculate();
    EXPECT_EQ(r.yield, "1,6260162601626");
}

TEST(MonthlyYield, ZeroBalanceOrBadTextStopsAndKeepsTheResult) {
    MonthlyYield r = tool("0,00", "10,00");
    r.yield = "7,00";
    try {
        r.calculate();
        FAIL();
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    EXPECT_EQ(r.yield, "7,00");
    r = tool("1,0,0", "10,00");
    EXPECT_THROW(r.calculate(), ConversionError);
    r = tool("10,00", "11,00");
    r.currencyChange = true;
    r.divisor = "0";
    EXPECT_THROW(r.calculate(), ArithmeticError);
    // The balance is read before the divisor, so a bad balance is the one reported.
    r = tool("1,2,3", "11,00");
    r.currencyChange = true;
    r.divisor = "4,5,6";
    try {
        r.calculate();
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1,2,3' is not a valid floating point value");
    }
    // In the yield itself, (S - P) / P, the following month's balance comes first.
    r = tool("1,2,3", "4,5,6");
    try {
        r.calculate();
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'4,5,6' is not a valid floating point value");
    }
}
