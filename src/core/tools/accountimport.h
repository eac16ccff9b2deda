// Mass claims: a spreadsheet of accounts (one row per account, saved as CSV) turned into
// calculation files of the daily-savings calculator (".e12") or of the configured-savings
// calculators (".e20" four months, ".ex20" with Collor I and II), each the file "Salvar" would keep
// after the user had typed the row into the wizard and pressed "Finalizar". Every row is walked
// through the wizard's pages against the data folder's tables, so a file is only written when its
// calculation runs to the end; a bad row is reported by line, column and reason and gets no file.
//
// Columns, by their heading (case, accents, "-", "_" and a leading "Saldo" make no difference; any
// order). For every calculator:
//   Titular        required: the account holder
//   Banco, Agência, Conta   optional: with the holder they name the file (and the configured
//                  calculators keep them in it)
//   Dia            required: the account's anniversary day, 1 to 28
//   Calculadora    optional: "poupanca" (the default), "configurada" or "configurada-collor"
//   Juros de mora  optional: court-interest periods "dd/mm/aaaa a dd/mm/aaaa taxa", several
//                  separated by "|" (configured: one)
//   Arquivo        optional: the file's name (default "<Titular> - <Banco> <Agência> <Conta>")
// Daily savings:
//   <plan name>    one column per plan of the plan table (planos.ini), e.g. "Plano Bresser": the
//                  balance on the plan's anniversary day ("196.992,00"); empty when not claimed
//   Atualizar até  optional: the end month "mm/aaaa" (default: the savings table's last month)
//   Pró-rata       optional: "sim" or "não" (default "não")
//   Juros mensais  optional: monthly-interest periods the same way, at most 4, each optionally
//                  followed by "trimestral"
//   Valores pagos  optional: amounts already paid back "mm/aaaa valor descrição", several separated
//                  by "|" (the month must be one of the calculation's credit months)
// Configured savings:
//   Opção          required: the figure the month columns give: "juros e seguro inflação" (the
//                  interest and the correction credited, "59,01 + 1.802,05"), "jcm" (their sum),
//                  "saldo anterior" or "saldo posterior" (the balance before or after the credit)
//   Jul/87, Fev/89, Mai/90, Jun/90, and Abr/90, Mar/91 for Collor   that figure of each purge
//                  month; empty when not claimed
//   Atualizar até  required: the update date "dd/mm/aaaa", a month of the update table
//   Juros remuneratórios   optional: one period as the court interest
//   Honorários     optional: "10%" of the corrected value, or an amount "1.500,00"
// A column of the other calculator must be empty in the row. Fields are separated by ";" (as
// Brazilian spreadsheets save them), or "," or TAB when the heading row has no ";". The text is
// UTF-8 or Windows-1252.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ruvivavu::tools {

struct ImportProblem {
    int line = 0;        // line of the CSV file, from 1 (the heading row is line 1)
    std::string column;  // the column's heading as written; empty for the row (or file) as a whole
    std::string reason;
};

struct ImportReport {
    std::vector<std::string> written;     // the calculation files, in row order
    std::vector<ImportProblem> problems;  // in line order
    int rejectedRows = 0;                 // rows without a file
};

// "linha 3, coluna Dia: <reason>" or "linha 3: <reason>".
std::string describe(const ImportProblem& problem);

// Imports the accounts of the CSV text into `outputFolder` (created when missing) with the tables of
// the data folder. A problem of the heading row (an unknown, repeated or missing column) stops the
// import before any file is written; a file that cannot be written is its row's problem.
ImportReport importAccountsText(const std::string& dataFolder, std::string_view csvBytes,
                                const std::string& outputFolder);
ImportReport importAccounts(const std::string& dataFolder, const std::string& csvPath, const std::string& outputFolder);

}  // namespace ruvivavu::tools
