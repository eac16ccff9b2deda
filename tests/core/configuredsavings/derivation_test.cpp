// The figures of a purge month derived from the field the user leaves, in both calculators.
#include "core/configuredsavings/sheet.h"
#include "fixture.h"

using namespace configured_test;

namespace {

struct DerivationCase {
    const Variant* variant;
    int month;
    MonthField left;
    const char* typed;
    // interest, correction, jcm, before, after
    MonthFields expected;
};

const DerivationCase kCases[] = {
    // 10.000,00 before the Jul/87 credit.
    {&kConfiguredSavings,
     0,
     MonthField::Before,
     "10.000,00",
     {"59,01", "1.802,05", "1.861,06", "10.000,00", "11.861,06"}},
    // The JCM of that month gives the same figures back.
    {&kConfiguredSavings, 0, MonthField::Jcm, "1.861,06", {"59,01", "1.802,05", "1.861,06", "10.000,00", "11.861,06"}},
    // Mai/90 had no correction: the interest is the whole JCM.
    {&kConfiguredSavings, 2, MonthField::Jcm, "12,34", {"12,34", "0,00", "12,34", "2.468,00", "2.480,34"}},
    {&kConfiguredSavings, 2, MonthField::Before, "1.000,00", {"5,00", "0,00", "5,00", "1.000,00", "1.005,00"}},
    // Interest and correction typed: their sum, then the balances from the sum.
    {&kConfiguredSavings, 3, MonthField::Interest, "", {"1,58", "16,14", "17,72", "299,99", "317,71"}},
    // The balance after the Abr/90 credit, and the one before Mar/91, in the six-month calculator.
    {&kCollorSavings, 2, MonthField::After, "2.000,00", {"9,95", "581,46", "591,41", "1.408,58", "2.000,00"}},
    {&kCollorSavings, 5, MonthField::Before, "1.000,00", {"5,35", "70,00", "75,35", "1.000,00", "1.075,35"}},
};

}  // namespace

TEST(MonthDerivation, LeavingAFieldDerivesTheOtherFiguresOfItsMonth) {
    for (const DerivationCase& c : kCases) {
        MonthFields figures;
        if (c.left == MonthField::Interest) {
            figures.interest = "1,58";
            figures.correction = "16,14";
        } else {
            figures[c.left] = c.typed;
        }
        deriveMonth(*c.variant, c.variant->months[c.month], c.left, figures);
        EXPECT_EQ(figures, c.expected) << c.variant->months[c.month].heading << " " << c.typed;
    }
}

TEST(MonthDerivation, SixMonthCalculatorReadsFieldsLeniently) {
    // The lenient reading takes a field without digits as zero; the strict one refuses it.
    MonthFields figures;
    figures.before = "";
    deriveMonth(kCollorSavings, kCollorSavings.months[0], MonthField::Before, figures);
    EXPECT_EQ(figures.after, "0,00");
    EXPECT_THROW(deriveMonth(kConfiguredSavings, kConfiguredSavings.months[0], MonthField::Before, figures),
                 ConversionError);
}
