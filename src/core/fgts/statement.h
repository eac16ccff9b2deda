// The FGTS purge statement fgt.html: the header memo and the sheet as an HTML table.
#pragma once

#include "core/common/grid.h"

#include <string>
#include <vector>

namespace ruvivavu::fgts {

// The statement's bytes (Windows-1252, CR LF). fontStyle is the main window's
// "font-size:<size>.0pt;font-family:<family>".
std::string writeStatement(const std::vector<std::string>& header, const StringGrid& sheet,
                           const std::string& fontStyle);

}  // namespace ruvivavu::fgts
