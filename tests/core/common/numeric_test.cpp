// Text to number and number to text: the numeric contract's conversions and rounding.
#include "core/common/numeric.h"
#include "core/common/errors.h"
#include "core/common/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>

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

// Values where formatting goes wrong first: random bit patterns, amounts in cents and their
// neighbours, halves at a format's last decimal, ties at the fifteenth digit, powers of ten, the
// ends of the range. RUVIVAVU_NUMERIC_CASES raises the count for a long run by hand.
class HardValues {
public:
    explicit HardValues(unsigned long long seed) : random_(seed) {}

    long double next() {
        long double v = 0;
        switch (random_() % 8) {
            case 0: {  // any bits, half of them where the quick paths work
                const long double mantissa = static_cast<long double>(random_() | (1ULL << 63));
                const bool near = random_() % 2;
                v = std::ldexp(mantissa,
                               static_cast<int>(near ? random_() % 140 : random_() % 32700) - (near ? 133 : 16400));
                break;
            }
            case 1:  // cents
                v = static_cast<long double>(random_() % 1000000000000ULL) / 100;
                break;
            case 2: {  // half of a last decimal (2, 4 or 6 decimals)
                const int decimals = 2 * static_cast<int>(1 + random_() % 3);
                v = static_cast<long double>((random_() % 10000000000ULL) * 10 + 5) / std::pow(10.0L, decimals + 1);
                break;
            }
            case 3: {  // exact ties at the fifteenth digit: (2q + 1) / 2 * 10^(e - 14), e from -8 to 19
                const int e = static_cast<int>(random_() % 28) - 8;
                unsigned long long odd = 0;
                if (e >= 14) {
                    odd = 200000000000000ULL + 2 * (random_() % 900000000000000ULL) + 1;
                    v = std::ldexp(static_cast<long double>(odd), e - 15) * std::pow(5.0L, e - 14);
                } else {
                    const unsigned long long five = static_cast<unsigned long long>(std::pow(5.0L, 14 - e));
                    const unsigned long long span = 1800000000000000ULL / five;
                    odd = (200000000000000ULL / five + random_() % (span ? span : 1)) | 1;
                    v = std::ldexp(static_cast<long double>(odd), e - 15);
                }
                break;
            }
            case 4:  // powers of ten
                v = std::pow(10.0L, static_cast<int>(random_() % 60) - 30);
                break;
            case 5: {  // the ends of the range
                const long double ends[] = {LDBL_MAX, LDBL_MIN, LDBL_TRUE_MIN, 1e300L,
                                            1e-300L,  1e4000L,  1e-4000L,      0.0L};
                v = ends[random_() % std::size(ends)];
                break;
            }
            case 6:  // values just below a rounding to the next decade: 9,99...95 and 99...9,995
                v = std::pow(10.0L, static_cast<int>(random_() % 30) - 12) -
                    std::pow(10.0L, -static_cast<int>(random_() % 20));
                break;
            default:  // a calculation's products
                v = static_cast<long double>(random_() % 100000000) / 100 *
                    (1.0L + static_cast<long double>(random_() % 1000000) / 1e6L);
        }
        for (unsigned steps = random_() % 4; steps == 1 || steps == 2; steps = 0)  // a neighbour now and then
            v = std::nextafter(v, random_() % 2 ? INFINITY : 0.0L);
        if (std::isinf(v)) v = LDBL_MAX;
        return random_() % 2 ? -v : v;
    }

private:
    std::mt19937_64 random_;
};

long long hardValueCount(long long usual) {
    const char* count = std::getenv("RUVIVAVU_NUMERIC_CASES");
    return count ? std::atoll(count) : usual;
}

std::string formattedOrError(std::string_view format, long double v, bool byPrintf, long double& back) {
    try {
        back = -7;
        return byPrintf ? FormatFloatByPrintf(format, v, back) : FormatFloat(format, v, back);
    } catch (const ArithmeticError& e) {
        return std::string("error ") + e.what();
    }
}

TEST(NumericContract, FormattingAgreesWithPrintfOnHardValues) {
    HardValues values(20261209);
    char buf[64];
    const long long count = hardValueCount(25000);
    for (long long i = 0; i < count; ++i) {
        const long double v = values.next();
        std::snprintf(buf, sizeof buf, "%.14Le", v);
        ASSERT_EQ(formatDigits15(v), v == 0 ? "0.00000000000000e+00" : buf) << i;
        for (const char* format : {kMoney, kRate4, kCoef6, kYield, "0", "00", "0.000000", "#.##", "#,##0", "0.00"}) {
            long double back = 0, expectedBack = 0;
            const std::string text = formattedOrError(format, v, false, back);
            ASSERT_EQ(text, formattedOrError(format, v, true, expectedBack)) << format << " " << buf;
            ASSERT_EQ(back, expectedBack) << format << " " << buf;
            ASSERT_EQ(std::signbit(back), std::signbit(expectedBack)) << format << " " << buf;
        }
    }
}

// Texts read as strtold reads them once the characters around the number are dropped.
TEST(NumericContract, ReadingAgreesWithStrtoldOnRandomTexts) {
    std::mt19937_64 random(14);
    const std::string alphabet = "0123456789000,,--+. eR";
    const long long count = hardValueCount(25000) * 4;
    for (long long i = 0; i < count; ++i) {
        std::string text;
        for (size_t n = random() % 26; n > 0; --n) text += alphabet[random() % alphabet.size()];
        // What the cell reading keeps, and strtold of it when it is a plain decimal.
        std::string kept, c = "0";
        for (char ch : text)
            if (ch == ',' || ch == '-' || (ch >= '0' && ch <= '9')) kept += ch;
        const size_t start = !kept.empty() && kept[0] == '-' ? 1 : 0;
        const bool plain = kept.size() > start && kept.find('-', start) == std::string::npos &&
                           std::count(kept.begin(), kept.end(), ',') <= 1;
        for (size_t k = start; k < kept.size(); ++k) c += kept[k] == ',' ? '.' : kept[k];
        long double got = 0;
        bool read = true;
        try {
            got = RemovePonto(text);
        } catch (const ConversionError& e) {
            read = false;
            EXPECT_EQ(std::string(e.what()), "'" + kept + "' is not a valid floating point value");
        }
        ASSERT_EQ(read, plain) << text;
        if (!plain) continue;
        const long double expected = std::strtold(c.c_str(), nullptr);
        ASSERT_EQ(got, start ? -expected : expected) << text;
        ASSERT_EQ(std::signbit(got), start == 1) << text;
        long double direct = 0;
        ASSERT_EQ(TryStrToFloat(kept, direct), true) << kept;
        ASSERT_EQ(direct, got) << kept;
    }
}
