// "ruvivavu-cli --acordo [--regime 2017|2020] CALCULO.e12": the collective agreement on the savings
// purges for the balances of a saved daily-savings calculation, beside that calculation's TOTAL.
#pragma once

#include <string>

namespace ruvivavu::cli {

inline constexpr const char* kAgreementOption = "--acordo";
inline constexpr const char* kRegimeOption = "--regime";

// What is wrong with the agreement's options (empty when nothing): the regime code, a calculator
// named besides it, a file that is no ".e12".
std::string agreementUsageProblem(const std::string& regime, const std::string& calculator,
                                  const std::string& extension);

// The statement acordo.html (Windows-1252 bytes) for the calculation file against the data folder
// (empty: the shell's default); regime "2017" or "2020" (empty: the window's default regime).
std::string runAgreement(const std::string& dataFolder, const std::string& path, const std::string& regime);

}  // namespace ruvivavu::cli
