// Configured-savings calculation files: the automatic backup (temp3.back, temp_4.back) and the
// saved ".e20" and ".ex20" files share one layout of one value per line: the version line, the
// account holder, the options, the month figures of the four-month calculator, the interest
// periods and the fees (43 lines); the six-month calculator adds the figures of Abr/90 and Mar/91
// after them (53 lines). Each calculator reads the lines it knows, so either file opens in either
// window.
#pragma once

#include "core/configuredsavings/model.h"

#include <string>
#include <vector>

namespace ruvivavu::configuredsavings {

// The first line of every file; not checked on reading.
inline constexpr const char* kVersionLine = "Vers federal";

std::vector<std::string> calculationLines(const Variant& variant, const Fields& fields);

// Reads the lines into the fields in line order, as setting each field's text would: month figures
// through the amount re-formatting (an empty line shows 0,00), the fee by its mode, an empty date
// as the empty mask; options are ticked only by an exact "true" and the last ticked one of a group
// wins; lines past the end read as empty.
void readCalculationLines(const Variant& variant, const std::vector<std::string>& lines, Fields& fields);

// Whole files (Windows-1252, CR LF). FileError when the file cannot be created or read; a file that
// cannot be read leaves the fields as they were.
void writeCalculationFile(const std::string& path, const Variant& variant, const Fields& fields);
void readCalculationFile(const std::string& path, const Variant& variant, Fields& fields);

}  // namespace ruvivavu::configuredsavings
