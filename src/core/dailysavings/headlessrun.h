// A saved daily-savings calculation run without the window, as the command-line tool runs it.
#pragma once

#include <functional>
#include <string>

namespace ruvivavu::shell {
class Shell;
}

namespace ruvivavu::dailysavings {

class DailySavings;

// The shell's data folder loaded as at program start (plan tables, header and footer, the savings
// table, font.ini), the file opened as "Abrir" does, six presses of "Próximo" (each page's work on
// arrival), then "Finalizar" up to the statement. Answers the statement's bytes; nothing is
// written into the data folder.
std::string runCalculationFile(shell::Shell& shell, const std::string& path);

// The same run up to the last page, without "Finalizar": the calculation, its sheet built, is
// handed to `use` (other calculators take their figures from it).
void walkCalculationFile(shell::Shell& shell, const std::string& path, const std::function<void(DailySavings&)>& use);

// The same run in the month-by-month court-debt calculator, launched with the São Paulo caption
// (tjsp.tab) or the MG - MT - MS - ES caption (tjmg.tab). UserMessage "tabela inexistente - faça a
// atualização das tabelas" when the data folder lacks that table.
std::string runSaoPauloMonthlyFile(shell::Shell& shell, const std::string& path);
std::string runMinasMonthlyFile(shell::Shell& shell, const std::string& path);

}  // namespace ruvivavu::dailysavings
