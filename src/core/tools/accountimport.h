// Mass claims: a spreadsheet of accounts (one row per account, saved as CSV) turned into
// daily-savings calculation files (".e12"), each the file "Salvar" would keep after the user had
// typed the row into the wizard and pressed "Finalizar". Every row is walked through the wizard's
// pages against the data folder's tables, so a file is only written when its calculation runs to
// the end; a bad row is reported by line, column and reason and gets no file.
//
// Columns, by their heading (case, accents, "-", "_" and a leading "Saldo" make no difference; any
// order):
//   Titular        required: the account holder
//   Banco, Agência, Conta   optional: with the holder they name the file
//   Dia            required: the account's anniversary day, 1 to 28
//   <plan name>    one column per plan of the plan table (planos.ini), e.g. "Plano Bresser": the
//                  balance on the plan's anniversary day ("196.992,00"); empty when not claimed
//   Atualizar até  optional: the end month "mm/aaaa" (default: the savings table's last month)
//   Pró-rata       optional: "sim" or "não" (default "não")
//   Juros de mora  optional: court-interest periods "dd/mm/aaaa a dd/mm/aaaa taxa", several
//                  separated by "|"
//   Juros mensais  optional: monthly-interest periods the same way, at most 4, each optionally
//                  followed by "trimestral"
//   Valores pagos  optional: amounts already paid back "mm/aaaa valor descrição", several separated
//                  by "|" (the month must be one of the calculation's credit months)
//   Arquivo        optional: the file's name (default "<Titular> - <Banco> <Agência> <Conta>")
// Fields are separated by ";" (as Brazilian spreadsheets save them), or "," or TAB when the heading
// row has no ";". The text is UTF-8 or Windows-1252.
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
