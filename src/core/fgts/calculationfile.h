// FGTS calculation files: the automatic backup fgts.back and saved ".fg" files share one layout of
// one value per line (header line count, header lines, then every field in a fixed order).
#pragma once

#include "core/fgts/model.h"

#include <string>
#include <vector>

namespace ruvivavu::fgts {

// The lines of a calculation file for the fields.
std::vector<std::string> calculationLines(const Fields& fields);

// Reads the lines of a calculation file into the fields: the header is emptied first; line 1 is
// the header's line count (ConversionError when it is not an integer, leaving the other fields
// as they were); flags are ticked only by an exact "true"; lines past the end read as empty;
// money texts go through the edit boxes' re-formatting, as typing them would.
void readCalculationLines(const std::vector<std::string>& lines, Fields& fields);

// Whole files (Windows-1252, CR LF). Raise FileError when the file cannot be opened or created.
void writeCalculationFile(const std::string& path, const Fields& fields);
void readCalculationFile(const std::string& path, Fields& fields);

}  // namespace ruvivavu::fgts
