// São Paulo court-debt calculation files in the "estados" layout: the backup tempsp.back that
// "Finalizar" writes and the ".e12" files "Salvar" copies from it. One value or grid row (comma
// text) per line: the mark "estados", the plan list's checks, the chosen plans, balances and
// differences, the "Compostos", "Simples" and "Mês a mês" flags, "Pró-rata", the court-interest
// periods, the monthly-interest switch and its periods.
#pragma once

#include <string>

namespace ruvivavu::saopaulo {

class SaoPauloCourtDebt;

// The calculation as Windows-1252 bytes with CR LF (salvarx).
std::string writeCalculation(const SaoPauloCourtDebt& calculation);

// Reads an "estados" calculation (bytes as on disk) into the grids and switches, the kind of court
// interest ("Compostos" or "Simples") included. UserMessage "O arquivo possui <n>
// Plano(s) adicionai(s), impossível abrir" when the file has more plans than the list (nothing
// read).
void readCalculation(const std::string& bytes, SaoPauloCourtDebt& calculation);

}  // namespace ruvivavu::saopaulo
