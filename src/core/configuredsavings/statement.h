// The configured-savings statement federal.html: the account holder, the statement of account, the
// update table, the updated value, the interest lines, the corrected value and the fees. Both
// calculators write the same file.
#pragma once

#include "core/common/grid.h"
#include "core/configuredsavings/model.h"

#include <string>

namespace ruvivavu::configuredsavings {

// The statement's bytes (Windows-1252, CR LF). fontStyle is the main window's
// "font-size:<size>.0pt;font-family:<family>".
std::string writeStatement(const Variant& variant, const Fields& fields, const StringGrid& account,
                           const StringGrid& table, const std::string& fontStyle);

}  // namespace ruvivavu::configuredsavings
