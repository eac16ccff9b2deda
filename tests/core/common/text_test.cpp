// The shared money, rate and date text operations, both behaviours where there are two.
#include "core/common/text.h"
#include "core/common/errors.h"

#include <gtest/gtest.h>

using namespace ruvivavu;

TEST(Text, CheckinteiroAndRemoveChar) {
    EXPECT_TRUE(checkinteiro("R$ 1"));
    EXPECT_FALSE(checkinteiro(" "));
    EXPECT_FALSE(checkinteiro(""));
    EXPECT_EQ(RemoveChar("__/0_/20a5 x"), "/0/205");
}

TEST(RemovePonto, StrictAndLenientAgreeOnWellFormedAmounts) {
    EXPECT_EQ(RemovePonto("1.234,56"), StrToFloat("1234,56"));
    EXPECT_EQ(RemovePontoTodos("1.234,56"), StrToFloat("1234,56"));
    EXPECT_EQ(RemovePonto("R$ -0,50"), -0.5L);
    EXPECT_EQ(RemovePontoTodos("-0,50"), -0.5L);
    EXPECT_EQ(RemovePonto(","), 0.0L);
    EXPECT_EQ(RemovePontoTodos(","), 0.0L);
}

TEST(RemovePonto, StrictFailsWhereLenientReadsZeroOrCuts) {
    for (const char* text : {"", "abc", "-", "1,2,3"}) EXPECT_THROW(RemovePonto(text), ConversionError) << text;
    EXPECT_EQ(RemovePontoTodos(""), 0.0L);
    EXPECT_EQ(RemovePontoTodos("abc"), 0.0L);
    EXPECT_EQ(RemovePontoTodos("-"), 0.0L);
    EXPECT_EQ(RemovePontoTodos("1,2,3"), StrToFloat("1,23"));
    // Nine decimals: strict keeps them all, lenient the first eight.
    EXPECT_EQ(RemovePonto("0,123456789"), StrToFloat("0,123456789"));
    EXPECT_EQ(RemovePontoTodos("0,123456789"), StrToFloat("0,12345678"));
    // Texts the lenient reading still cannot convert.
    EXPECT_THROW(RemovePontoTodos("1-2"), ConversionError);
    EXPECT_THROW(RemovePontoTodos("1,,3"), ConversionError);
    try {
        RemovePonto("");
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
}

TEST(Formatafloat, DigitsShiftInFromTheRight) {
    EXPECT_EQ(formatafloat(kMoney, "0,001"), "0,01");
    EXPECT_EQ(formatafloat(kMoney, "0,012"), "0,12");
    EXPECT_EQ(formatafloat(kMoney, "0,123"), "1,23");
    EXPECT_EQ(formatafloat(kMoney, "1.234,567"), "12.345,67");
    EXPECT_EQ(formatafloat(kMoney, "0,0"), "0,00");
    EXPECT_EQ(formatafloat(kMoney, ""), "0,00");
    EXPECT_THROW(formatafloat(kMoney, "abc"), ConversionError);
}

struct DateCase {
    const char* input;
    const char* from29;
    const char* from30;
};

TEST(Validadata, RepairsWithBothFebruaryThresholds) {
    const DateCase cases[] = {
        {"31/02/2000", "29/02/2000", "29/02/2000"},
        {"31/02/1999", "28/02/1999", "28/02/1999"},
        {"29/02/1999", "28/02/1999", "29/02/1999"},
        {"45/13/2005", "31/12/2005", "31/12/2005"},
        {"31/04/2005", "30/04/2005", "30/04/2005"},
        {"01/02/99", "01/02/1999", "01/02/1999"},
        {"01/02/05", "01/02/2005", "01/02/2005"},
        {"01/01/00", "01/01/2000", "01/01/2000"},
        {"15/08/30", "15/08/30", "15/08/30"},
        {"00/02/2005", "", ""},
        {"01/01/0000", "", ""},
        {"__/__/____", "", ""},
        {"", "", ""},
        {"30/02/30", "28/02/30", "28/02/30"},
        {"01/02/199", "01/02/199", "01/02/199"},
        {"31/09/2001", "30/09/2001", "30/09/2001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(validadata(c.input), c.from29) << c.input;
        EXPECT_EQ(validadata30(c.input), c.from30) << c.input;
    }
}

TEST(Validadata, OneDigitDayFailsWithTheIntegerMessage) {
    try {
        validadata("1/02/2000_");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1/' is not a valid integer value");
    }
}

TEST(ValidadataMA, RepairsMonthYear) {
    EXPECT_EQ(validadataMA("13/1989"), "12/1989");
    EXPECT_EQ(validadataMA("06/87"), "06/1987");
    EXPECT_EQ(validadataMA("06/05"), "06/2005");
    EXPECT_EQ(validadataMA("06/30"), "06/30");
    EXPECT_EQ(validadataMA("00/1990"), "");
    EXPECT_EQ(validadataMA("01/0000"), "");
    EXPECT_EQ(validadataMA("__/____"), "");
}

TEST(Calendar, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(Bissexto(2000));
    EXPECT_FALSE(Bissexto(1900));
    EXPECT_TRUE(AnoBiSexto(1988));
    EXPECT_EQ(DiasPorMes(1900, 2), 28);
    EXPECT_EQ(DiasPorMes(2000, 2), 29);
    EXPECT_EQ(DiasPorMes(2001, 4), 30);
    EXPECT_EQ(DiasPorMes(2001, 12), 31);
}

TEST(Dates, TextConversionsAndMonthArithmetic) {
    const Date d = StrToDate("31/01/2001");
    EXPECT_EQ(FormatDate("dd/mm/yyyy", d), "31/01/2001");
    EXPECT_EQ(FormatDate("mm/yyyy", d), "01/2001");
    EXPECT_EQ(FormatDate("dd", StrToDate("05/03/1990")), "05");
    EXPECT_EQ(DateToStr(IncMonth(d, 1)), "28/02/2001");
    EXPECT_EQ(DateToStr(IncMonth(d, -11)), "29/02/2000");
    EXPECT_EQ(DateToStr(IncMonth(StrToDate("15/06/1987"), -18)), "15/12/1985");
    EXPECT_EQ(DateToStr(StrToDate("01/02/49")), "01/02/2049");
    EXPECT_EQ(DateToStr(StrToDate("01/02/50")), "01/02/1950");
    EXPECT_EQ(StrToDate("01/03/2000").serial() - StrToDate("28/02/2000").serial(), 2);
    EXPECT_EQ(Date::fromSerial(StrToDate("29/02/1988").serial()), StrToDate("29/02/1988"));
    for (const char* bad : {"31/02/2001", "", "1/2", "aa/bb/cccc", "00/01/2000"}) {
        try {
            StrToDate(bad);
            ADD_FAILURE() << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid date");
        }
    }
}

TEST(EntreDatas, ClampingAccumulatesAcrossSteps) {
    struct Case {
        const char* later;
        const char* earlier;
        int y, m, d;
    } cases[] = {
        {"31/05/2000", "01/03/2000", 0, 2, 28},  {"31/01/2001", "28/02/2000", 0, 11, 1},
        {"31/03/2001", "29/02/2000", 1, 1, 0},   {"15/03/2005", "10/01/2000", 5, 2, 5},
        {"10/01/2000", "10/01/2000", 0, 0, 0},   {"01/01/2000", "10/01/2000", 0, 0, 0},
        {"09/01/2001", "10/01/2000", 0, 11, 30},
    };
    for (const auto& c : cases) {
        const Intervalo r = EntreDatas(StrToDate(c.later), StrToDate(c.earlier));
        EXPECT_EQ(r.anos, c.y) << c.later << " " << c.earlier;
        EXPECT_EQ(r.meses, c.m) << c.later << " " << c.earlier;
        EXPECT_EQ(r.dias, c.d) << c.later << " " << c.earlier;
    }
}

TEST(Arredondar, DecidesOnTheTruncatedSeventhDecimal) {
    EXPECT_EQ(FormatFloat("0.000000", Arredondar(6, 0.12345675L)), "0,123457");
    EXPECT_EQ(FormatFloat("0.000000", Arredondar(6, 0.12345665L)), "0,123457");
    EXPECT_EQ(FormatFloat("0.000000", Arredondar(6, 0.1234565999L)), "0,123456");
}

TEST(Pot, PowerThroughLogarithms) {
    EXPECT_NEAR(static_cast<double>(Pot(1.005L, 12)), 1.0616778118644996, 1e-15);
    EXPECT_EQ(Pot(4, 0.5L), 2.0L);
    EXPECT_THROW(Pot(0, 2), ArithmeticError);
    EXPECT_THROW(Pot(-1, 2), ArithmeticError);
    // Finite in extended precision, too large for the double it returns.
    try {
        Pot(10, 400);
        FAIL();
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}
