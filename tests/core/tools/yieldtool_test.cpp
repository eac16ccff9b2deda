// "Calcular" of the monthly yield check tool and its comparison table.
#include "core/tools/yieldtool.h"

#include "core/common/errors.h"

#include <gtest/gtest.h>

using namespace ruvivavu;
using ruvivavu::tools::Rendimento;

namespace {
Rendimento tool(const std::string& p, const std::string& s) {
    Rendimento r;
    r.edit1 = p;
    r.edit2 = s;
    return r;
}
}  // namespace

TEST(Rendimento, YieldAndHalfPercentExclusion) {
    Rendimento r = tool("1.000,00", "1.025,10");
    r.calcular();
    EXPECT_EQ(r.edit3, "2,51");
    r.excluirMeioPorCento = true;
    r.calcular();
    EXPECT_EQ(r.edit3, "2,00");

    // Without a purge-month balance nothing is recomputed, so the exclusion is applied again to
    // the result already shown, every time.
    r.edit1 = "";
    r.calcular();
    EXPECT_EQ(r.edit3, "1,49253731343284");
    r.calcular();
    EXPECT_EQ(r.edit3, "0,987599316848597");
}

TEST(Rendimento, CurrencyChangeCutsTheConvertedBalanceToCents) {
    Rendimento r = tool("2.000.000,00", "2.500,00");
    r.mudancaDeMoeda = true;
    r.calcular();
    EXPECT_EQ(r.edit3, "25,00");
    EXPECT_EQ(r.edit1, "2.000.000,00");

    // 1.234,56 / 1.000 is used as 1,23.
    r = tool("1.234,56", "1,25");
    r.mudancaDeMoeda = true;
    r.calcular();
    EXPECT_EQ(r.edit3, "1,6260162601626");
}

TEST(Rendimento, ZeroBalanceOrBadTextStopsAndKeepsTheResult) {
    Rendimento r = tool("0,00", "10,00");
    r.edit3 = "7,00";
    try {
        r.calcular();
        FAIL();
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    EXPECT_EQ(r.edit3, "7,00");
    r = tool("1,0,0", "10,00");
    EXPECT_THROW(r.calcular(), ConversionError);
    r = tool("10,00", "11,00");
    r.mudancaDeMoeda = true;
    r.edit4 = "0";
    EXPECT_THROW(r.calcular(), ArithmeticError);
    // The balance is read before the divisor, so a bad balance is the one reported.
    r = tool("1,2,3", "11,00");
    r.mudancaDeMoeda = true;
    r.edit4 = "4,5,6";
    try {
        r.calcular();
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1,2,3' is not a valid floating point value");
    }
    // In the yield itself, (S - P) / P, the following month's balance comes first.
    r = tool("1,2,3", "4,5,6");
    try {
        r.calcular();
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'4,5,6' is not a valid floating point value");
    }
}
