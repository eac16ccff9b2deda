// Text to number and number to text: the numeric contract's conversions and rounding.
#include "core/common/numeric.h"
#include "core/common/errors.h"
#include "core/common/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace ruvivavu;

TEST(StrToFloat, AcceptsBrazilianNotation) {
    EXPECT_EQ(StrToFloat("1234,25"), 1234.25L);
    EXPECT_EQ(StrToFloat("0,5"), 0.5L);
    EXPECT_EQ(StrToFloat(",5"), 0.5L);
    EXPECT_EQ(StrToFloat(","), 0.0L);
    EXPECT_EQ(StrToFloat("  -12 "), -12.0L);
    EXPECT_EQ(StrToFloat("+3,"), 3.0L);
    EXPECT_EQ(StrToFloat("1,5E2"), 150.0L);
    EXPECT_EQ(StrToFloat("15e-1"), 1.5L);
}

TEST(StrToFloat, IsTheCorrectlyRoundedConversion) {
    EXPECT_EQ(StrToFloat("0,1"), 0.1L);
    EXPECT_EQ(StrToFloat("1234,56"), 1234.56L);
}

TEST(StrToFloat, RejectsWhatIsNotANumber) {
    for (const char* bad : {"", "-", "1.5", "abc", "1,2,3", "1e", "1 2", "--1", "e5"}) {
        try {
            StrToFloat(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid floating point value");
        }
    }
}

TEST(StrToInt, ReadsSignedDecimalsOnly) {
    EXPECT_EQ(StrToInt("28"), 28);
    EXPECT_EQ(StrToInt(" -7"), -7);
    EXPECT_EQ(StrToInt("05"), 5);
    EXPECT_THROW(StrToInt(""), ConversionError);
    EXPECT_THROW(StrToInt("1/"), ConversionError);
    EXPECT_THROW(StrToInt("99999999999"), ConversionError);
    try {
        StrToInt("1/");
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1/' is not a valid integer value");
    }
}

struct FormatCase {
    const char* format;
    long double value;
    const char* expected;
};

TEST(FormatFloat, RoundsHalfAwayFromZeroAfterFifteenDigits) {
    const FormatCase cases[] = {
        {kMoney, 0.125L, "0,13"},
        {kMoney, 2.675L, "2,68"},
        {kMoney, -0.005L, "-0,01"},
        {kMoney, -0.001L, "0,00"},
        {kMoney, -0.0L, "0,00"},
        {kMoney, 0.0L, "0,00"},
        {kMoney, 1.005L, "1,01"},
        {kMoney, 1234567.891L, "1.234.567,89"},
        {kMoney, 999.995L, "1.000,00"},
        {kMoney, 100.0L, "100,00"},
        {kMoney, -1234.5L, "-1.234,50"},
        {kMoney, 1e15L, "1.000.000.000.000.000,00"},
        {kRate4, 2.0L, "2,0000"},
        {kRate4, 2.16666666666L, "2,1667"},
        {kCoef6, 1.0000005L, "1,000001"},
        {kYield, 2.51L, "2,51"},
        {kYield, 2.0L, "2,00"},
        {kYield, 0.1234567L, "0,1234567"},
        {kYield, 1.0L / 3.0L, "0,333333333333333"},
        {"0", 2.5L, "3"},
        {"00", 5.0L, "05"},
        {"#,##0.00", 1e-20L, "0,00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.format, c.value), c.expected) << c.format << " " << (double)c.value;
}

TEST(FormatFloat, RefusesInfinityAndNaN) {
    EXPECT_THROW(FormatFloat(kMoney, INFINITY), ArithmeticError);
    EXPECT_THROW(FormatFloat(kMoney, NAN), ArithmeticError);
}

TEST(Arithmetic, DivisionByZeroIsAnErrorNeverInfinity) {
    EXPECT_EQ(divide(1, 4), 0.25L);
    try {
        divide(1, 0);
        FAIL();
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    EXPECT_THROW(checked(HUGE_VALL), ArithmeticError);
}

// The quick paths of both conversions must give exactly what strtold and printf give.
TEST(NumericContract, QuickPathsAgreeWithTheCLibrary) {
    long double x = 0.000123L;
    char buf[64];
    for (int i = 0; i < 300000; ++i) {
        x = x * 1.0000937L + 0.0031L;
        const long double values[] = {x, -x, x * 1e-9L, x * 1e12L, 1.0L / (i + 1)};
        for (long double v : values) {
            std::snprintf(buf, sizeof buf, "%.14Le", v);
            ASSERT_EQ(formatDigits15(v), buf) << i;
        }
    }
    EXPECT_EQ(formatDigits15(0.0L), "0.00000000000000e+00");
    std::snprintf(buf, sizeof buf, "%.14Le", 9.9999999999999995L);
    EXPECT_EQ(formatDigits15(9.9999999999999995L), buf);
    for (const char* text :
         {"1234,56", "0,1", "-0,005", "2,675", "123456789012345678,9", "0,000000000000000000000000001",
          "18446744073709551615", "99999999999999999999", "1,0000000000000000000000000001"}) {
        std::string c(text);
        for (auto& ch : c)
            if (ch == ',') ch = '.';
        EXPECT_EQ(StrToFloat(text), std::strtold(c.c_str(), nullptr)) << text;
    }
}

// A stored value read back from its digits is exactly what reading the text again gives.
TEST(NumericContract, ReadBackOfAFormattedValueIsTheTextsValue) {
    long double x = 0.0137L;
    for (int i = 0; i < 5000; ++i) {
        x = x * 1.0031L + 0.7L;
        const long double values[] = {x, -x, x * 1e-7L, x * 1e9L, -x * 1e17L, 0.0L, -0.004L, 0.005L};
        for (long double v : values) {
            for (const char* format : {kMoney, kRate4, kCoef6, kYield, "0"}) {
                Number back = -1;
                const std::string text = FormatFloat(format, v, back);
                ASSERT_EQ(text, FormatFloat(format, v)) << format;
                ASSERT_EQ(back, RemovePonto(text)) << text;
                ASSERT_EQ(std::signbit(back), std::signbit(RemovePonto(text))) << text;
            }
        }
    }
}
