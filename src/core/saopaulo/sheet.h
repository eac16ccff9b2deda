// The São Paulo court-debt sheet (planilha of `TForm5`): each plan's difference value updated by
// the ratio of the factor of the update month to the factor of its base month in t0001.tab, one
// line per plan and a total line; and the court interest, simple or compound (`JuroCompostox`).
#pragma once

#include "core/common/grid.h"

#include <string>

namespace ruvivavu::saopaulo {

// The sheet's columns: "Data Inicial", "Data Final", "Valor", "Índice de Correção", "Valor Corrigido".
inline constexpr int kSheetColumns = 5;

// The compound court-interest percentage of a period at a monthly rate, "#,##0.00": whole months
// m from start to end, ((1 + rate / 100) ^ m − 1) × 100.
std::string compoundInterestPercent(const std::string& rate, const std::string& start, const std::string& end);

// The court-interest grid's result column: nothing while row 1 has no start date. Every period
// with both dates gets its percentage, simple ("#,##0.0000", pró-rata when asked) or compound;
// the first period starts one month after its typed start date. Rows without both dates are
// removed and the "Total" row rebuilt. A period with dates but no rate fails with the conversion
// error.
void computeCourtInterest(StringGrid& periods, bool proRata, bool compound);

// Builds the sheet into `sheet` (emptied to 2 rows first): one row per chosen plan (rows 1 to
// count − 2 of `chosenPlans`, whose last row holds the update month "Data Atual"), then the total
// row carrying the update month's currency. UserMessage "A data <mm/yyyy> não existe na tabela,
// atualize o índice" for a base or update month without a factor in `indice`.
void buildSheet(const StringGrid& chosenPlans, const StringGrid& balances, const StringGrid& differences,
                const StringGrid& indice, StringGrid& sheet);

}  // namespace ruvivavu::saopaulo
