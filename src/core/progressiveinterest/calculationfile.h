// FGTS progressive-interest calculation files: the automatic backup temp_jfgts.back and saved
// ".jfgts" files share one layout. "Vers 1.3" (written): the end month, the header lines as one
// comma text, "sim" or "nao" for the IPC option, the row count of the calculation grid, then each
// of its rows as the comma text of its 12 cells. "Vers 1.2" (read only) has no option line.
#pragma once

#include "core/progressiveinterest/model.h"

#include <string>
#include <vector>

namespace ruvivavu::progressiveinterest {

inline constexpr const char* kLayout = "Vers 1.3";
inline constexpr const char* kOlderLayout = "Vers 1.2";

// The lines of a calculation file for the calculator's state.
std::vector<std::string> calculationLines(const ProgressiveInterest& calculator);

// Reads the lines into the calculator: header, end month, the option ("Vers 1.3" only: ticked by
// an exact "sim"), and the calculation grid, whose columns 0 and 1 then go into `values` as well.
// A row count with a digit sets the grid's rows; lines past the end read as empty rows. Nothing
// is recomputed. Answers false, changing nothing, when line 1 is not a known layout;
// ConversionError for a row count that does not convert, changing nothing either.
bool readCalculationLines(const std::vector<std::string>& lines, ProgressiveInterest& calculator);

// Whole files (Windows-1252, CR LF). Raise FileError when the file cannot be opened or created.
void writeCalculationFile(const std::string& path, const ProgressiveInterest& calculator);
bool readCalculationFile(const std::string& path, ProgressiveInterest& calculator);

}  // namespace ruvivavu::progressiveinterest
