// The statement federal.html: the interest periods, the corrected value, the fees and the whole
// file of the examples.
#include "core/configuredsavings/statement.h"
#include "core/common/encoding.h"
#include "core/common/fileio.h"
#include "core/configuredsavings/headlessrun.h"
#include "core/configuredsavings/sheet.h"
#include "fixture.h"

using namespace configured_test;

namespace {

// The statement's lines after the update table (from "Valor atualizado até").
std::vector<std::string> closingLines(const std::string& bytes) {
    const std::vector<std::string> lines = splitLines(cp1252ToUtf8(bytes));
    std::vector<std::string> out;
    bool on = false;
    for (const std::string& line : lines) {
        on = on || line.find("Valor atualizado") != std::string::npos;
        if (on) out.push_back(line);
    }
    return out;
}

// A table whose last row holds a balance of 1.000,00.
StringGrid thousandTable() {
    StringGrid t(8, 2, 0, 1);
    t.setRow(0, {"Mês", "Índice", "Valor", "", "", "", "Saldo", "Moeda"});
    t.setRow(1, {"AGO/94", "0,05", "1,00", "", "", "", "1.000,00", "R$"});
    return t;
}

}  // namespace

TEST(InterestPeriod, CountsWholeMonthsAndExplainsFromTwo) {
    struct Case {
        const char* end;
        int months;
        const char* interest;
        bool explained;
    };
    const Case cases[] = {{"14/04/2000", 0, "0,00", false},
                          {"15/04/2000", 1, "10,00", false},
                          {"15/05/2000", 2, "20,00", true},
                          {"01/01/2000", 0, "0,00", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(interestMonths(StrToDate("15/03/2000"), StrToDate(c.end)), c.months) << c.end;
        Number total = 5;
        const std::string text = periodInterest("15/03/2000", c.end, "1.000,00", "Juros Moratórios de: ", "1", total);
        EXPECT_EQ(FormatFloat(kMoney, total - 5), c.interest) << c.end;
        EXPECT_EQ(!text.empty(), c.explained) << c.end;
    }
    Number total = 0;
    EXPECT_EQ(periodInterest("15/03/2000", "15/05/2000", "1.000,00", "Juros Moratórios de: ", "1", total),
              "<p align=\"center\"><b>Juros Moratórios de:  15/03/2000 a 15/05/2000 de 1% x 2(meses) = 2,00</b></p>"
              "<p align=\"center\"><b>Valor dos Juros: 1.000,00 x 2,00% = 20,00</b></p>");
    // A missing date or rate adds nothing; a date with digits that is no date stops the statement.
    EXPECT_EQ(periodInterest(kEmptyDate, "15/05/2000", "1.000,00", "x", "1", total), "");
    EXPECT_EQ(periodInterest("15/03/2000", "15/05/2000", "1.000,00", "x", "", total), "");
    EXPECT_EQ(FormatFloat(kMoney, total), "20,00");
    EXPECT_THROW(periodInterest("31/02/2000x", "15/05/2000", "1,00", "x", "1", total), ConversionError);
}

TEST(ConfiguredStatement, InterestCorrectedValueAndFees) {
    Fields f;
    f.months.resize(4);
    f.updateDate = "15/08/1994";
    f.remuneratory = f.moratory = f.fees = true;
    f.remuneratoryStart = f.moratoryStart = "10/01/2000";
    f.remuneratoryEnd = f.moratoryEnd = "10/01/2001";
    f.remuneratoryRate = "1";
    f.moratoryRate = "0,5";
    f.feeValue = "10";
    StringGrid account(5, 5, 1, 1);
    writeAccountHeadings(kConfiguredSavings, account);
    const std::string style = "font-size:8.0pt;font-family:Arial";
    const std::vector<std::string> lines =
        closingLines(writeStatement(kConfiguredSavings, f, account, thousandTable(), style));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "<p align=\"center\"><b>Valor atualizado até: 15/08/1994 = R$ 1.000,00</b></p>");
    EXPECT_NE(lines[1].find("Valor dos Juros: 1.000,00 x 12,00% = 120,00"), std::string::npos);
    EXPECT_NE(lines[2].find("Valor dos Juros: 1.000,00 x 6,00% = 60,00"), std::string::npos);
    EXPECT_EQ(lines[3],
              "<p align=\"center\"><b>VALOR CORRIGIDO + JUROS REMUNERATÓRIOS + JUROS MORATÓRIOS  = 1.180,00</b></p>");
    EXPECT_EQ(lines[4], "<p align=\"center\"><b>Valor dos Honorários de 10% =118,00</b></p>");

    // Fees as a value; one month of remuneratory interest: an empty line, yet the interest counts.
    f.moratory = false;
    f.remuneratoryEnd = "10/02/2000";
    f.feesAsPercentage = false;
    f.feesAsValue = true;
    f.feeValue = "2.500,00";
    const std::vector<std::string> other =
        closingLines(writeStatement(kConfiguredSavings, f, account, thousandTable(), style));
    EXPECT_EQ(other, (std::vector<std::string>{
                         "<p align=\"center\"><b>Valor atualizado até: 15/08/1994 = R$ 1.000,00</b></p>", "",
                         "<p align=\"center\"><b>VALOR CORRIGIDO + JUROS REMUNERATÓRIOS  = 1.010,00</b></p>",
                         "<p align=\"center\"><b>Valor dos Honorários = 2.500,00</b></p>", "</body></html>"}));

    // Neither interest nor fees: two blanks before "=".
    f.remuneratory = f.fees = false;
    EXPECT_EQ(closingLines(writeStatement(kConfiguredSavings, f, account, thousandTable(), style))[1],
              "<p align=\"center\"><b>VALOR CORRIGIDO  = 1.000,00</b></p>");
}

TEST_F(Calculator, ExamplesReplayToTheirCheckedStatementsWithoutWritingData) {
    const std::pair<const char*, std::string (*)(shell::Shell&, const std::string&)> examples[] = {
        {"configurada_bresser_collor.e20", &runCalculationFile},
        {"configurada_collor_todos.ex20", &runCollorCalculationFile},
    };
    for (const auto& [file, run] : examples) {
        const std::string name = std::string(file).substr(0, std::string(file).find('.'));
        EXPECT_EQ(run(shell, shipped(std::string("examples/") + file)),
                  readFileBytes(shipped("examples/esperado/" + name + ".html")))
            << file;
    }
    for (const char* written : {"temp3.back", "temp_4.back", "federal.html"})
        EXPECT_FALSE(fileExists(shell.dataFile(written))) << written;
}
