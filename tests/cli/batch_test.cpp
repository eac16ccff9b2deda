// Batches of calculation files: one statement per file, byte for byte the single run's, failures
// in the summary without stopping the others, and the summary a spreadsheet opens.
#include "cli/batch.h"
#include "cli/statementsummary.h"
#include "core/common/fileio.h"
#include "core/support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace ruvivavu;
using namespace ruvivavu::cli;
namespace fs = std::filesystem;

namespace {

const std::string kSource = RUVIVAVU_SOURCE_DIR;
const std::string kData = kSource + "/data";

TEST(Batch, MixedFolderGivesEachGoodFileItsStatementAndEachBadOneItsMessage) {
    enginetest::TempFolder work("batch");
    const std::string in = work.path + "/calculos";
    const std::string out = work.path + "/saida";
    fs::create_directories(in);
    fs::create_directories(out);
    for (const char* name : {"bresser.e12", "saopaulo_bresser.e12", "fgts_verao_collor.fg", "bresser_verao_juros.e12"})
        fs::copy_file(kSource + "/examples/" + name, in + "/" + name);
    writeFileAtomic(in + "/ruim.e12", "isto não é um cálculo\r\n");
    writeFileAtomic(in + "/curto.fg", "dois\r\n");
    writeFileAtomic(in + "/notas.txt", "anotações");
    writeFileAtomic(out + "/ruim.html", "demonstrativo de um lote anterior");
    const std::string stranger = work.path + "/planilha.xlsx";
    writeFileAtomic(stranger, "PK");

    BatchRequest request;
    request.dataFolder = kData;
    request.outputFolder = out;
    request.inputs = {in, stranger, in + "/bresser.e12", work.path + "/sumiu.fg"};
    request.threads = 3;
    const BatchReport report = runBatch(request);

    EXPECT_EQ(report.skipped, 1);  // notas.txt
    const struct {
        std::string source;
        std::string statement;
        std::string message;
    } expected[] = {
        {in + "/bresser.e12", "bresser.html", ""},
        {in + "/bresser_verao_juros.e12", "bresser_verao_juros.html", ""},
        {in + "/curto.fg", "", "'dois' is not a valid integer value"},
        {in + "/fgts_verao_collor.fg", "fgts_verao_collor.html", ""},
        {in + "/ruim.e12", "", "Este programa não abre o arquivo da versão anterior, use a versão 1.0"},
        {in + "/saopaulo_bresser.e12", "saopaulo_bresser.html", ""},
        {stranger, "", "tipo de arquivo de cálculo não reconhecido"},
        {work.path + "/sumiu.fg", "", "Cannot open file \"" + work.path + "/sumiu.fg\". No such file or directory"},
    };
    ASSERT_EQ(report.items.size(), std::size(expected));
    EXPECT_EQ(report.failures(), 4);
    for (size_t i = 0; i < std::size(expected); ++i) {
        const BatchItem& item = report.items[i];
        EXPECT_EQ(item.source, expected[i].source);
        EXPECT_EQ(item.statement, expected[i].statement) << item.source;
        EXPECT_EQ(item.message, expected[i].message) << item.source;
        if (!item.statement.empty()) {
            // The batch writes what the single run answers, which is the checked example statement.
            const std::string statement = readFileBytes(out + "/" + item.statement);
            const Calculator* calculator = calculatorForFile(item.source);
            ASSERT_NE(calculator, nullptr);
            EXPECT_TRUE(statement == runCalculation(*calculator, kData, item.source)) << item.source;
            EXPECT_TRUE(statement == readFileBytes(kSource + "/examples/esperado/" + item.statement)) << item.source;
        }
    }
    EXPECT_FALSE(fileExists(out + "/ruim.html"));  // no statement of an earlier batch beside its failure
    EXPECT_EQ(
        readFileBytes(out + "/resumo.csv"),
        "\xEF\xBB\xBF"
        "Arquivo;Demonstrativo;Calculadora;Cabeçalho;Valor final;Situação\r\n" +
            in + "/bresser.e12;bresser.html;poupanca;;8.618,62;OK\r\n" + in +
            "/bresser_verao_juros.e12;bresser_verao_juros.html;poupanca;;40.066,55;OK\r\n" + in +
            "/curto.fg;;.fg;;;'dois' is not a valid integer value\r\n" + in +
            "/fgts_verao_collor.fg;fgts_verao_collor.html;.fg;Processo nº "
            "0004567-89.2011.4.03.6100;31.747,86;OK\r\n" +
            in + "/ruim.e12;;poupanca;;;Este programa não abre o arquivo da versão anterior, use a versão 1.0\r\n" +
            in + "/saopaulo_bresser.e12;saopaulo_bresser.html;.e12 (estados);;1.245,79;OK\r\n" + stranger +
            ";;;;;tipo de arquivo de cálculo não reconhecido\r\n" + work.path +
            "/sumiu.fg;;.fg;;;\"Cannot open file \"\"" + work.path + "/sumiu.fg\"\". No such file or directory\"\r\n");
}

// Texts of the summary come from file names and typed headers: none may run as a formula when the
// spreadsheet opens it, while negative amounts stay numbers.
TEST(Batch, SummaryTextsNeverReadAsFormulas) {
    const struct {
        BatchItem item;
        std::string line;
    } cases[] = {
        {{"=HYPERLINK(\"x\").e12", "=x.html", "poupanca", "=1+1", "-1.234,56", ""},
         "\"'=HYPERLINK(\"\"x\"\").e12\";'=x.html;poupanca;'=1+1;-1.234,56;OK\r\n"},
        {{"+a.fg", "-a.html", ".fg", "@SUM(A1)", "", "-erro"}, "'+a.fg;'-a.html;.fg;'@SUM(A1);;'-erro\r\n"},
        {{"\t=a.fg", "", ".fg", "\r=2", "2,00", ""}, "'\t=a.fg;;.fg;\"'\r=2\";2,00;OK\r\n"},
        {{"a=b.e12", "a=b.html", "poupanca", "Autor: A-B", "0,50", ""},
         "a=b.e12;a=b.html;poupanca;Autor: A-B;0,50;OK\r\n"},
    };
    for (const auto& c : cases) {
        BatchReport report;
        report.items = {c.item};
        const std::string csv = summaryCsv(report);
        EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), c.line) << c.item.source;
    }
}

TEST(Batch, FilesSharingANameGetStatementsOfTheirOwn) {
    const struct {
        std::vector<std::string> files;
        std::vector<std::string> names;
    } cases[] = {
        {{"a/x.e12", "a/y.fg"}, {"x", "y"}},
        {{"a/x.e12", "a/x.fg"}, {"x.e12", "x.fg"}},
        {{"a/x.e12", "b/x.e12", "c/X.E12"}, {"x.e12", "x.e12 (2)", "X.E12 (3)"}},
        {{"a/x.e12", "b/x.fg", "c/x.fg"}, {"x.e12", "x.fg", "x.fg (2)"}},
    };
    for (const auto& c : cases) EXPECT_EQ(statementNames(c.files), c.names) << c.files.front();
}

// The summary reads the header's first line and the final amount of every calculator's statement.
TEST(StatementSummary, HeaderAndFinalAmountOfEachKindOfStatement) {
    const struct {
        std::string statement;
        std::string header;
        std::string amount;
    } cases[] = {
        {"<span>\r\n<tr><td><div align=Justify><p><b>Autor: Jos\xE9 &amp; Filhos</b></p></div></td></tr>\r\n"
         "<tr><td><div align=Justify><p><b>Processo 1</b></p></div></td></tr>\r\n"
         "<b>TOTAL = 13.816,05 X 190,00% = 40.066,55</b>\r\n<tr><td><div align=Justify>Rodap\xE9</div></td></tr>\r\n",
         "Autor: José & Filhos", "40.066,55"},
        {"<span>\r\n</span>\r\n<Center>\r\n<b>TOTAL = 8.618,62</b>\r\n<tr><td><div align=Justify>Rodap\xE9 "
         "1,00</div></td></tr>\r\n",
         "", "8.618,62"},
        {"<tr><td><div align=Justify><b>Processo SP</b></div></td></tr>\r\n<b>TOTAL = R$ 1.064,78 X 17,00% = R$ "
         "1.245,79</b>\r\n",
         "Processo SP", "1.245,79"},
        {"<body><span style=\"x\" align= Justify>\r\n<p>\r\n<p>Processo n\xBA 1</p>\r\n</p>\r\n"
         "<tr>\r\n<td><div align=Right><b>TOTAL GERAL</b></div></td><td><div align=Right>01/01/2026</div></td>"
         "<td><div align=Right><b>R$ 31.747,86</b></div></td>\r\n</tr>\r\n<tr><td>Taxa</td><td>1,00%</td></tr>\r\n",
         "Processo nº 1", "31.747,86"},
        {"<body><span style=\"x\" align= Justify>\r\n<p>\r\n</p>\r\n<body>\r\n<b>TOTAL GERAL</b></td><td>R$ -2,50</td>"
         "</tr>\r\n",
         "", "-2,50"},
        {"<p align=\"center\"><b>Nome: </b>Maria</p>\r\n<p align=\"center\"><b>VALOR CORRIGIDO  = 2.345,67</b></p>\r\n"
         "<p align=\"center\"><b>Valor dos Honor\xE1rios = 234,57</b></p>\r\n",
         "Nome: Maria", "2.345,67"},
        {"<BR><B>VALOR TOTAL DEVIDO EM: jul/94 = R$ 1.234,56</B></BR>\r\n<BR><B>jul/94:</B> \xF7 2750</BR>\r\n", "",
         "1.234,56"},
        // The later calculators' checked examples: the configured savings' corrected value with its
        // interest (not the updated value before it nor the fees after it), and the progressive
        // interest's accumulated difference of the end month.
        {readFileBytes(kSource + "/examples/esperado/configurada_bresser_collor.html"),
         "Nome: Maria Aparecida de Souza", "45,59"},
        {readFileBytes(kSource + "/examples/esperado/configurada_collor_todos.html"), "Nome: José Antônio Ferreira",
         "436,04"},
        {readFileBytes(kSource + "/examples/esperado/juros_progressivos.html"), "Autor: José Antônio Ferreira",
         "2.997,10"},
        {"<html>sem total</html>", "", ""},
    };
    for (const auto& c : cases) {
        const StatementSummary summary = summarizeStatement(c.statement);
        EXPECT_EQ(summary.header, c.header) << c.statement;
        EXPECT_EQ(summary.amount, c.amount) << c.statement;
    }
}

}  // namespace
