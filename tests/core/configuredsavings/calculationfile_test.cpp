// The calculation files: the layouts, a save and reopen, the reading rules and the cross-reading
// of ".e20" and ".ex20" files.
#include "core/configuredsavings/calculationfile.h"
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "fixture.h"

using namespace configured_test;

namespace {

// Every field set to something of its own; the periods of moratory interest left empty.
Fields everyField(const Variant& variant) {
    Fields f;
    f.name = "Ana Lúcia";
    f.bank = "Banco X";
    f.branch = "0001";
    f.account = "12.345-6";
    f.anniversaryDay = "07";
    f.updateDate = "15/08/1994";
    f.byInterest = false;
    f.byBalanceAfter = true;
    f.remuneratory = f.fees = true;
    f.months.resize(variant.months.size());
    for (std::size_t k = 0; k < f.months.size(); ++k) {
        const std::string n = std::to_string(k + 1);
        f.months[k] = {n + ",01", n + ",02", n + ",03", "1." + n + "00,04", n + ",05"};
    }
    f.remuneratoryStart = "01/02/1995";
    f.remuneratoryEnd = "01/02/2000";
    f.remuneratoryRate = "0,5";
    f.feesAsPercentage = false;
    f.feesAsValue = true;
    f.feeValue = "1.234,56";
    return f;
}

}  // namespace

TEST_F(Calculator, SavedFileReopensEveryField) {
    for (const Variant* variant : {&kConfiguredSavings, &kCollorSavings}) {
        ConfiguredSavings c(shell, *variant);
        c.fields = everyField(*variant);
        c.fields.updateDate = "15/08/1994";
        c.writeBackup();
        const std::string saved = shell.dataFile(std::string("saved.") + variant->extension);
        c.saveCopy(saved);
        ConfiguredSavings other(shell, *variant);
        other.page = kFeesPage;
        other.open(saved);
        EXPECT_EQ(other.fields, everyField(*variant)) << variant->extension;
        EXPECT_EQ(other.page, kStartPage);
    }
}

TEST_F(Calculator, ReadingRules) {
    ConfiguredSavings c(shell, kConfiguredSavings);
    // Short file: "True" is not "true", two radio buttons ticked keep the later, missing lines empty.
    writeTextLines(shell.dataFile("short.e20"),
                   {"anything", "Nome", "", "", "", "", "01/01/1995", "True", "true", "true", "false", "true"});
    c.open(shell.dataFile("short.e20"));
    EXPECT_EQ(c.fields.name, "Nome");
    EXPECT_FALSE(c.fields.byInterest);
    EXPECT_FALSE(c.fields.byJcm);
    EXPECT_TRUE(c.fields.byBalanceBefore);
    EXPECT_TRUE(c.fields.remuneratory);
    EXPECT_FALSE(c.fields.fees);
    EXPECT_EQ(c.fields.months[3], MonthFields());  // empty lines show 0,00
    EXPECT_EQ(c.fields.moratoryStart, kEmptyDate);
    EXPECT_EQ(c.fields.moratoryRate, "");
    EXPECT_FALSE(c.fields.feesAsPercentage);
    EXPECT_EQ(c.fields.feeValue, "");  // neither mode: kept as read, not an amount

    // A file that cannot be read leaves every field as it was.
    const Fields before = c.fields;
    EXPECT_THROW(c.open(shell.dataFile("missing.e20")), FileError);
    EXPECT_EQ(c.fields, before);

    // "Abrir Backup" without a backup does nothing.
    c.openBackup();
    EXPECT_EQ(c.fields, before);
}

TEST_F(Calculator, EitherWindowReadsTheOthersFile) {
    const Fields six = everyField(kCollorSavings);
    writeTextLines(shell.dataFile("todos.ex20"), calculationLines(kCollorSavings, six));
    ConfiguredSavings four(shell, kConfiguredSavings);
    four.open(shell.dataFile("todos.ex20"));
    // The four months are lines 15-34 of both layouts: Jul/87, Fev/89, Mai/90 and Jun/90.
    EXPECT_EQ(four.fields.months,
              (std::vector<MonthFields>{six.months[0], six.months[1], six.months[3], six.months[4]}));
    EXPECT_EQ(four.fields.feeValue, six.feeValue);

    writeTextLines(shell.dataFile("quatro.e20"), calculationLines(kConfiguredSavings, four.fields));
    ConfiguredSavings collor(shell, kCollorSavings);
    collor.fields.months[2].before = "9,99";
    collor.open(shell.dataFile("quatro.e20"));
    EXPECT_EQ(collor.fields.months[0], six.months[0]);
    EXPECT_EQ(collor.fields.months[2], MonthFields());  // Abr/90 and Mar/91 find empty lines: 0,00
    EXPECT_EQ(collor.fields.months[5], MonthFields());
    EXPECT_EQ(collor.fields.months[4], six.months[4]);
}
