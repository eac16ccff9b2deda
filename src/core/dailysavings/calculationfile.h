// Daily-savings calculation files in the "Vers 1.2" layout: the automatic backup temp2.back that
// "Finalizar" writes, the ".e12" files "Salvar" copies from it, read back by "Abrir" and "Abrir
// Backup". One value or one grid row (comma text) per line: the format mark, the plan list's
// checks, the chosen plans, balances and differences, four flags, the court-interest periods, the
// amounts paid back, the monthly-interest switch and its periods.
#pragma once

#include <string>

namespace ruvivavu::dailysavings {

class DailySavings;

// The first line of every file this calculator writes.
inline constexpr const char* kFormatMark = "Vers 1.2";

// The calculation as Windows-1252 bytes with CR LF (salvarx).
std::string writeCalculation(const DailySavings& calculation);

// The first line of a file's bytes (the format mark of a calculation file).
std::string firstLine(const std::string& bytes);

// Reads a "Vers 1.2" calculation (bytes as on disk) into the grids and switches, from the plan
// count on; the first line must already be known to be the format mark. UserMessage "O arquivo
// possui <n> Plano(s) adicionai(s), impossível abrir" when the file has more plans than the plan
// list (nothing read).
void readCalculation(const std::string& bytes, DailySavings& calculation);

}  // namespace ruvivavu::dailysavings
