// The wizard's pages, its arrival at the final page and its commands.
#include "core/common/errors.h"
#include "core/common/fileio.h"
#include "fixture.h"

#include <vector>

using namespace configured_test;

namespace {

struct PathCase {
    bool options[4];  // Rjsi, Rjcm, Rsaldoant, Rsaldopost
    bool checks[3];   // Cjc, Cjm, Chonorarios
    std::vector<int> forward;
    std::vector<int> back;
};

const PathCase kPaths[] = {
    {{false, true, false, false}, {false, false, false}, {0, 1, 3, 9}, {9, 3, 1, 0}},
    {{false, false, false, true}, {true, false, true}, {0, 1, 5, 6, 8, 9}, {9, 8, 6, 5, 1, 0}},
    {{true, false, false, false}, {true, true, true}, {0, 1, 2, 6, 7, 8, 9}, {9, 8, 7, 6, 2, 1, 0}},
    // A file may leave no option chosen: pages 2 to 5 are all skipped.
    {{false, false, false, false}, {false, true, false}, {0, 1, 7, 9}, {9, 7, 1, 0}},
};

}  // namespace

TEST_F(Calculator, PagesSkipUnchosenOptionsBothWays) {
    for (const PathCase& p : kPaths) {
        ConfiguredSavings c = make(kConfiguredSavings);
        Fields& f = c.fields;
        f.byInterest = p.options[0];
        f.byJcm = p.options[1];
        f.byBalanceBefore = p.options[2];
        f.byBalanceAfter = p.options[3];
        f.remuneratory = p.checks[0];
        f.moratory = p.checks[1];
        f.fees = p.checks[2];
        std::vector<int> forward{c.page};
        while (c.page < kFinalPage) forward.push_back((c.next(), c.page));
        std::vector<int> back{c.page};
        while (c.page > kStartPage) back.push_back((c.previous(), c.page));
        EXPECT_EQ(forward, p.forward);
        EXPECT_EQ(back, p.back);
    }
}

TEST_F(Calculator, UpdateDateWithoutDigitBlocksOnlyNext) {
    ConfiguredSavings c = make(kConfiguredSavings);
    c.page = kJcmPage;
    for (const char* date : {kEmptyDate, "", "          "}) {
        c.fields.updateDate = date;
        EXPECT_THROW(c.next(), UserMessage);
        EXPECT_EQ(c.page, kJcmPage);
    }
    c.previous();
    EXPECT_EQ(c.page, kInterestPage);
}

TEST_F(Calculator, FinalPageWithoutTableComputesNothing) {
    ConfiguredSavings c = make(kConfiguredSavings, {"10.000,00"});
    deleteFile(shell.dataFile("mes.tab"));
    c.page = kFeesPage;
    EXPECT_THROW(c.next(), UserMessage);
    EXPECT_EQ(c.page, kFinalPage);
    EXPECT_FALSE(c.finishEnabled);
    EXPECT_FALSE(c.backupExists());
}

TEST_F(Calculator, ArrivalFillsTheAccountWritesTheBackupAndComputes) {
    ConfiguredSavings c = make(kConfiguredSavings, {"10.000,00", "0,00", "250,00", "300,00"});
    walk(c);
    EXPECT_TRUE(c.finishEnabled);
    EXPECT_TRUE(c.backupExists());
    EXPECT_EQ(c.account.row(1),
              (std::vector<std::string>{"<b>Saldo Anterior:</b>", "10.000,00", "0,00", "250,00", "300,00"}));
    EXPECT_EQ(c.account.row(4),
              (std::vector<std::string>{"<b>Saldo Posterior:</b>", "11.861,06", "0,00", "251,25", "317,72"}));
    EXPECT_EQ(c.updateTable.cell(0, c.updateTable.rowCount() - 1), "AGO/94");
}

TEST_F(Calculator, FailedComputationLeavesFinishOff) {
    ConfiguredSavings c = make(kConfiguredSavings, {"10.000,00"});
    walk(c);
    ASSERT_TRUE(c.finishEnabled);
    // A rate that does not convert: no statement may come from the half-computed table.
    writeTextLines(shell.dataFile("mes.tab"), {"M\tI", "JUL/87\tx\t\t0,1"});
    EXPECT_THROW(c.next(), ConversionError);
    EXPECT_EQ(c.page, kFinalPage);
    EXPECT_FALSE(c.finishEnabled);
}

TEST_F(Calculator, NewClearsFiguresAndTextsButKeepsDateAndOptions) {
    ConfiguredSavings c = make(kConfiguredSavings, {"10.000,00"});
    c.fields.name = "Fulano";
    c.fields.byJcm = true;
    c.fields.byInterest = false;
    c.fields.remuneratoryStart = "01/01/2000";
    c.fields.feeValue = "10";
    c.page = kJcmPage;
    c.reset();
    EXPECT_EQ(c.page, kStartPage);
    Fields expected;
    expected.anniversaryDay = "";  // not "01"
    expected.updateDate = "15/08/1994";
    expected.byInterest = false;
    expected.byJcm = true;
    expected.remuneratoryRate = expected.moratoryRate = expected.feeValue = "0";
    expected.months.resize(4);
    EXPECT_EQ(c.fields, expected);
}

TEST_F(Calculator, ShowingLabelsTheTableByItsLastMonth) {
    writeTextLines(shell.dataFile("mes2.tab"), {"M\tI", "JUL/87\t0,1", "DEZ/25\t0,1"});
    ConfiguredSavings c(shell, kCollorSavings);
    c.shown();
    EXPECT_EQ(c.tableLabel, "Tabela atualizada até: DEZ/25");
}
