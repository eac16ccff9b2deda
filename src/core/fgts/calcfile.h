// FGTS calculation files: the automatic backup fgts.back and saved ".fg" files share one layout of
// one value per line (header line count, header lines, then every field in a fixed order).
#pragma once

#include "core/fgts/calculo.h"

#include <string>
#include <vector>

namespace ruvivavu::fgts {

// The lines of a calculation file for the fields.
std::vector<std::string> calcFileLines(const Fields& fields);

// Reads the lines of a calculation file into the fields: the header is emptied first; line 1 is
// the header's line count (ConversionError when it is not an integer, leaving the other fields
// as they were); flags are ticked only by an exact "true"; lines past the end read as empty;
// money texts go through the edit boxes' re-formatting, as typing them would.
void readCalcLines(const std::vector<std::string>& lines, Fields& fields);

// Whole files (Windows-1252, CR LF). Raise FileError when the file cannot be opened or created.
void writeCalcFile(const std::string& path, const Fields& fields);
void readCalcFile(const std::string& path, Fields& fields);

// The header memo's text and its lines: a final empty line of the text is not a line, as in the
// memo itself, so an empty memo has no lines.
std::vector<std::string> memoLines(const std::string& text);
std::string memoText(const std::vector<std::string>& lines);

}  // namespace ruvivavu::fgts
