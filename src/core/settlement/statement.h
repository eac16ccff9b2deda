// The agreement's statement acordo.html: the header, the regime, the accounts as given, every step
// with its figure and its source, the payment, the fees, the claim's TOTAL beside the net amount
// and a footer on what prevails and what is uncertain.
#pragma once

#include "core/settlement/model.h"

#include <string>
#include <vector>

namespace ruvivavu::settlement {

// One line of the calculation, as the window lists it and the statement prints it.
struct Step {
    std::string label;   // what the step is
    std::string detail;  // how its figure is reached, or why there is none
    std::string amount;  // the figure ("#,##0.00"), or "não calculado"
    std::string source;  // the rule applied, named in words
};

std::vector<Step> steps(const Result& result, const Claim& claim, const Comparison& comparison);

// The statement's bytes (Windows-1252, CR LF), with the shell's statement font.
std::string writeStatement(const Settlement& settlement);

}  // namespace ruvivavu::settlement
