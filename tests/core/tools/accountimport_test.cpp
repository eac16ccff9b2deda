// Accounts of a spreadsheet turned into daily-savings calculation files: the file the wizard would
// save for the same inputs, and every bad row named by line, column and reason, without a file.
#include "core/tools/accountimport.h"
#include "core/common/fileio.h"
#include "core/support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace ruvivavu;
using namespace ruvivavu::tools;

namespace {

const std::string kData = RUVIVAVU_SOURCE_DIR "/data";
// An empty 13th heading, as spreadsheets save a column once touched.
const std::string kHeadings =
    "Titular;Banco;Agência;Conta;Dia;Plano Bresser;Plano Verão;Atualizar até;Pró-rata;Juros de mora;Juros "
    "mensais;Valores pagos;\r\n";

// The example spreadsheet's first account is the checked example calculation, as the wizard saved it.
TEST(AccountImport, TheExampleAccountGivesTheFileTheWizardSaves) {
    enginetest::TempFolder out("accountimport");
    const ImportReport report = importAccounts(kData, RUVIVAVU_SOURCE_DIR "/examples/contas.csv", out.path);
    EXPECT_TRUE(report.problems.empty()) << describe(report.problems.front());
    ASSERT_EQ(report.written.size(), 2u);
    EXPECT_EQ(report.written[0], out.path + "/Maria da Silva - Banco do Brasil 0123 45.678-9.e12");
    EXPECT_TRUE(readFileBytes(report.written[0]) ==
                readFileBytes(RUVIVAVU_SOURCE_DIR "/examples/bresser_verao_juros.e12"));
}

TEST(AccountImport, BadRowsAreNamedByLineColumnAndReasonAndGetNoFile) {
    enginetest::TempFolder out("accountimport");
    const std::string good = ";;;15;1.000,00;;;;;;\r\n";
    const std::string csv = kHeadings +                                                           // line 1
                            "Bom;" + good +                                                       // 2
                            "Dia;;;;31;1.000,00;;;;;;\r\n" +                                      // 3
                            "Saldo;;;;15;1,000.00;;;;;;\r\n" +                                    // 4
                            "Mes;;;;15;1.000,00;;13/2026;;;;\r\n" +                               // 5
                            "Pro;;;;15;1.000,00;;;talvez;;;\r\n" +                                // 6
                            "Mora;;;;15;1.000,00;;;;01/02/2010 até 31/12/2025 1;;\r\n" +          // 7
                            "Datas;;;;15;1.000,00;;;;31/12/2025 a 01/02/2010 1;;\r\n" +           // 8
                            "Mensal;;;;15;1.000,00;;;;;01/01/1995 a 31/12/2000 0,5 anual;\r\n" +  // 9
                            "Pago;;;;15;1.000,00;;;;;;1987 100,00\r\n" +                          // 10
                            ";;;;15;1.000,00;;;;;;\r\n" +                                         // 11
                            "Nada;;;;15;;;;;;;\r\n" +                                             // 12
                            "Tabela;;;;15;1.000,00;;08/2099;;;;\r\n" +                            // 13
                            "Fora;;;;15;1.000,00;;;;;;05/2030 1,00 Acordo\r\n" +                  // 14
                            "Bom;" + good +                                                       // 15
                            "Demais;;;;15;1.000,00;;;;;;;;x\r\n" +                                // 16
                            "Sem titulo;;;;15;1.000,00;;;;;;;x\r\n" +                             // 17
                            ";;;;;;;;;;;\r\n";                                                    // blank: skipped
    const ImportReport report = importAccountsText(kData, csv, out.path);
    const struct {
        int line;
        std::string column;
        std::string reason;
    } expected[] = {
        {3, "Dia", "dia de aniversário deve ser de 1 a 28 (\"31\")"},
        {4, "Plano Bresser", "saldo inválido \"1,000.00\" (use 1.234,56)"},
        {5, "Atualizar até", "mês inválido \"13/2026\" (use mm/aaaa)"},
        {6, "Pró-rata", "use sim ou não (\"talvez\")"},
        {7, "Juros de mora", "período inválido \"01/02/2010 até 31/12/2025 1\" (use dd/mm/aaaa a dd/mm/aaaa taxa)"},
        {8, "Juros de mora", "período termina antes de começar \"31/12/2025 a 01/02/2010 1\""},
        {9, "Juros mensais",
         "período inválido \"01/01/1995 a 31/12/2000 0,5 anual\" (use dd/mm/aaaa a dd/mm/aaaa taxa [trimestral])"},
        {10, "Valores pagos", "pagamento inválido \"1987 100,00\" (use mm/aaaa valor descrição)"},
        {11, "Titular", "titular em branco"},
        {12, "", "nenhum saldo de plano informado"},
        {13, "", "A data 08/2099 não existe na tabela, atualize o índice"},
        {14, "", "pagamento em 05/2030, fora dos meses do cálculo"},
        {15, "", "o arquivo \"Bom.e12\" já é o da linha 2 (use a coluna Arquivo)"},
        {16, "", "mais campos (14) que colunas no cabeçalho (13)"},
        {17, "", "valor na coluna 13, que não tem título"},
    };
    ASSERT_EQ(report.problems.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(report.problems[i].line, expected[i].line) << i;
        EXPECT_EQ(report.problems[i].column, expected[i].column) << i;
        EXPECT_EQ(report.problems[i].reason, expected[i].reason) << i;
    }
    EXPECT_EQ(report.rejectedRows, 15);
    ASSERT_EQ(report.written.size(), 1u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path), {}), 1);
    EXPECT_EQ(describe(report.problems[0]), "linha 3, coluna Dia: dia de aniversário deve ser de 1 a 28 (\"31\")");
    EXPECT_EQ(describe(report.problems[9]), "linha 12: nenhum saldo de plano informado");
}

// A heading row that cannot be read stops the import before any file is written.
TEST(AccountImport, AHeadingProblemWritesNoFileAtAll) {
    const struct {
        std::string headings;
        std::string problem;
    } cases[] = {
        {"Titular;Dia;Plano Bresser;Plano Cruzado",
         "linha 1, coluna Plano Cruzado: coluna desconhecida (nem campo da "
         "planilha nem plano da tabela de planos)"},
        {"Titular;Dia;Plano Bresser;saldo plano bresser", "linha 1, coluna saldo plano bresser: coluna repetida"},
        {"Titular;Plano Bresser", "linha 1: falta a coluna Dia"},
        {"Titular;Dia", "linha 1: falta uma coluna de saldo com o nome de um plano da tabela de planos"},
    };
    for (const auto& c : cases) {
        enginetest::TempFolder out("accountimport");
        const ImportReport report = importAccountsText(kData, c.headings + "\r\nAna;15;1.000,00;2,00\r\n", out.path);
        ASSERT_FALSE(report.problems.empty()) << c.headings;
        EXPECT_EQ(describe(report.problems.front()), c.problem);
        EXPECT_TRUE(report.written.empty());
        EXPECT_TRUE(std::filesystem::is_empty(out.path));
    }
}

// Headings are matched as people type them; a Windows-1252 spreadsheet with "," reads the same.
TEST(AccountImport, HeadingsIgnoreCaseAccentsAndSeparatorsAndTheTextMayBeWindows1252) {
    enginetest::TempFolder out("accountimport");
    const std::string csv =
        "TITULAR,DIA,saldo plano_bresser,ARQUIVO,PRO_RATA\r\n"
        "Jo\xE3o,7,\"2.500,00\",cliente 7,N\xC3O\r\n";
    const ImportReport report = importAccountsText(kData, csv, out.path);
    EXPECT_TRUE(report.problems.empty()) << describe(report.problems.front());
    ASSERT_EQ(report.written.size(), 1u);
    EXPECT_EQ(report.written[0], out.path + "/cliente 7.e12");
    const std::string bytes = readFileBytes(report.written[0]);
    EXPECT_NE(bytes.find("\"Plano Bresser\",06/1987,Cz$,7,\"2.500,00\"\r\n"), std::string::npos);
}

}  // namespace

namespace {

// Configured-savings rows of the example spreadsheet give the checked example files byte for byte.
TEST(ConfiguredImport, TheExampleRowsGiveTheFilesTheWindowSaves) {
    enginetest::TempFolder out("accountimport");
    const ImportReport report =
        importAccounts(kData, RUVIVAVU_SOURCE_DIR "/examples/contas_configuradas.csv", out.path);
    EXPECT_TRUE(report.problems.empty()) << describe(report.problems.front());
    ASSERT_EQ(report.written.size(), 2u);
    for (const std::string name : {"configurada_bresser_collor.e20", "configurada_collor_todos.ex20"}) {
        const std::string written = out.path + "/" + name;
        EXPECT_NE(std::find(report.written.begin(), report.written.end(), written), report.written.end()) << name;
        EXPECT_TRUE(readFileBytes(written) == readFileBytes(RUVIVAVU_SOURCE_DIR "/examples/" + name)) << name;
    }
}

// Whichever figure of a month the row gives, the month's other figures follow as on leaving that
// field of the window: one Jul/87 account typed four ways (its column as a spreadsheet may turn it
// into, too).
TEST(ConfiguredImport, EachOptionDerivesTheMonthFromItsFigure) {
    const struct {
        std::string option;
        std::string heading;
        std::string figure;
        int optionLine;  // the option's line of the file, from 0
    } cases[] = {
        {"juros e seguro inflação", "Jul/87", "59,01 + 1.802,05", 7},
        {"JCM", "jul/87", "1.861,06", 8},
        {"Saldo Anterior", "07/1987", "10000", 9},
        {"saldo posterior", "Saldo Jul/87", "11.861,06", 10},
    };
    for (const auto& c : cases) {
        enginetest::TempFolder out("accountimport");
        const ImportReport report =
            importAccountsText(kData,
                               "Titular;Dia;Calculadora;Opção;" + c.heading + ";Atualizar até\r\nAna;5;configurada;" +
                                   c.option + ";" + c.figure + ";01/07/1994\r\n",
                               out.path);
        ASSERT_EQ(report.written.size(), 1u) << describe(report.problems.front());
        EXPECT_EQ(report.written[0], out.path + "/Ana.e20");
        const std::vector<std::string> lines = readTextLines(report.written[0]);
        ASSERT_EQ(lines.size(), 43u);
        for (int line = 7; line <= 10; ++line)
            EXPECT_EQ(lines[line], line == c.optionLine ? "true" : "false") << c.option;
        // Interest, correction, JCM, balance before and after.
        for (const auto& [line, figure] :
             {std::pair{14, "59,01"}, {15, "1.802,05"}, {22, "1.861,06"}, {26, "10.000,00"}, {30, "11.861,06"}})
            EXPECT_EQ(lines[line], figure) << c.option;
    }
}

TEST(ConfiguredImport, BadRowsAreNamedAndGetNoFile) {
    enginetest::TempFolder out("accountimport");
    const std::string csv =
        "Titular;Dia;Calculadora;Opção;Jul/87;Abr/90;Atualizar até;Juros de mora;Honorários;Pró-rata;Plano "
        "Bresser\r\n"                                                                                             // 1
        "Bom;1;configurada;saldo anterior;100,00;;01/07/1994;;;;\r\n"                                             // 2
        "Calc;1;configurado;saldo anterior;100,00;;01/07/1994;;;;\r\n"                                            // 3
        "SemOpcao;1;configurada;;100,00;;01/07/1994;;;;\r\n"                                                      // 4
        "Opcao;1;configurada;saldo atual;100,00;;01/07/1994;;;;\r\n"                                              // 5
        "Collor;1;configurada;saldo anterior;;100,00;01/07/1994;;;;\r\n"                                          // 6
        "Jsi;1;configurada;jsi;100,00;;01/07/1994;;;;\r\n"                                                        // 7
        "Valor;1;configurada;jcm;1,000.00;;01/07/1994;;;;\r\n"                                                    // 8
        "SemData;1;configurada;jcm;100,00;;;;;;\r\n"                                                              // 9
        "Data;1;configurada;jcm;100,00;;07/1994;;;;\r\n"                                                          // 10
        "Futuro;1;configurada;jcm;100,00;;15/08/2099;;;;\r\n"                                                     // 11
        "Mora;1;configurada;jcm;100,00;;01/07/1994;01/01/1995 a 01/01/1996 1 | 01/01/1996 a 01/01/1997 1;;;\r\n"  // 12
        "Fee;1;configurada;jcm;100,00;;01/07/1994;;dez%;;\r\n"                                                    // 13
        "Misto;1;configurada;jcm;100,00;;01/07/1994;;;sim;1.000,00\r\n"                                           // 14
        "Diaria;1;;saldo anterior;;;;;10%;;1.000,00\r\n"                                                          // 15
        "Ana \xF0\x9F\x98\x80;1;configurada;jcm;100,00;;01/07/1994;;;;\r\n"                                       // 16
        "Dia;001;configurada;jcm;100,00;;01/07/1994;;;;\r\n"                                                      // 17
        "Nada;1;configurada;jcm;;;01/07/1994;;;;\r\n"                                                             // 18
        "Bom;1;configurada;jcm;100,00;;01/07/1994;;;;\r\n"                                                        // 19
        "Bom;1;poupanca;;;;;;;;1.000,00\r\n"                                                                      // 20
        "Collor;1;configurada-collor;saldo anterior;;100,00;01/07/1994;;1.500,00;;\r\n"                           // 21
        "Antigo;1;configurada;jcm;100,00;;01/01/1987;;;;\r\n"                                                     // 22
        "\"Ana\r\nBia\";1;configurada;jcm;100,00;;01/07/1994;;;;\r\n";                                            // 23
    const ImportReport report = importAccountsText(kData, csv, out.path);
    const std::string options = " (use juros e seguro inflação, jcm, saldo anterior ou saldo posterior)";
    const struct {
        int line;
        std::string column;
        std::string reason;
    } expected[] = {
        {3, "Calculadora",
         "calculadora desconhecida \"configurado\" (use poupanca, configurada ou configurada-collor)"},
        {4, "Opção", "falta a opção" + options},
        {5, "Opção", "opção desconhecida \"saldo atual\"" + options},
        {6, "Abr/90", "só vale para a calculadora configurada-collor"},
        {7, "Jul/87", "valores inválidos \"100,00\" (use juros + correção: 59,01 + 1.802,05)"},
        {8, "Jul/87", "valor inválido \"1,000.00\" (use 1.234,56)"},
        {9, "Atualizar até", "a calculadora configurada precisa da data de atualização (dd/mm/aaaa)"},
        {10, "Atualizar até", "data inválida \"07/1994\" (use dd/mm/aaaa)"},
        {11, "", "a data de atualização 15/08/2099 está fora da tabela do cálculo (JUL/87 a AGO/26)"},
        {12, "Juros de mora", "a calculadora configurada aceita um só período"},
        {13, "Honorários", "honorários inválidos \"dez%\" (use 10% ou 1.500,00)"},
        {14, "Pró-rata", "não vale para a calculadora configurada"},
        {14, "Plano Bresser", "não vale para a calculadora configurada (use as colunas dos meses)"},
        {15, "Opção", "só vale para a calculadora configurada"},
        {15, "Honorários", "só vale para a calculadora configurada"},
        {16, "Titular", "caractere que o arquivo de cálculo não guarda"},
        {17, "Dia", "dia de aniversário deve ser de 1 a 28 (\"001\")"},
        {18, "", "nenhum valor de mês informado"},
        {19, "", "o arquivo \"Bom.e20\" já é o da linha 2 (use a coluna Arquivo)"},
        {22, "", "a data de atualização 01/01/1987 está fora da tabela do cálculo (JUL/87 a AGO/26)"},
        {23, "Titular", "quebra de linha no texto"},
    };
    ASSERT_EQ(report.problems.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(report.problems[i].line, expected[i].line) << i;
        EXPECT_EQ(report.problems[i].column, expected[i].column) << i;
        EXPECT_EQ(report.problems[i].reason, expected[i].reason) << i;
    }
    EXPECT_EQ(report.rejectedRows, 19);
    // Line 2's .e20, line 20's .e12 beside it, and line 21's Collor file: nothing else.
    const std::vector<std::string> written{out.path + "/Bom.e20", out.path + "/Bom.e12", out.path + "/Collor.ex20"};
    EXPECT_EQ(report.written, written);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path), {}), 3);
}

}  // namespace
