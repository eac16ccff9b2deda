// Daily-savings calculation files in the "Vers 1.2" layout: the automatic backup temp2.back that
// "Finalizar" writes, the ".e12" files "Salvar" copies from it, read back by "Abrir" and "Abrir
// Backup". One value or one grid row (comma text) per line: the format mark, the plan list's
// checks, the chosen plans, balances and differences, four flags, the court-interest periods, the
// amounts paid back, the monthly-interest switch and its periods.
#pragma once

#include "core/common/grid.h"

#include <string>
#include <vector>

namespace ruvivavu::dailysavings {

class DailySavings;

// The first line of every file this calculator writes.
inline constexpr const char* kFormatMark = "Vers 1.2";

// The calculation as Windows-1252 bytes with CR LF (salvarx).
std::string writeCalculation(const DailySavings& calculation);

// A grid block: the row count (heading row included), then one comma-text line per data row.
void writeBlock(std::vector<std::string>& lines, const StringGrid& grid);

// The lines of a calculation file (bytes as on disk), read one after another; past the end every
// line is empty.
class LineReader {
public:
    explicit LineReader(const std::string& bytes);
    std::string next();
    size_t remaining() const;
    // A grid block into `grid`; ConversionError for a count line that is no integer.
    void readBlock(StringGrid& grid);

private:
    std::vector<std::string> lines_;
    size_t pos_ = 0;
};

// "O arquivo possui <extra> Plano(s) adicionai(s), impossível abrir".
std::string tooManyPlans(int extra);

// The first line of a file's bytes (the format mark of a calculation file).
std::string firstLine(const std::string& bytes);

// Reads a "Vers 1.2" calculation (bytes as on disk) into the grids and switches, from the plan
// count on; the first line must already be known to be the format mark. UserMessage "O arquivo
// possui <n> Plano(s) adicionai(s), impossível abrir" when the file has more plans than the plan
// list (nothing read).
void readCalculation(const std::string& bytes, DailySavings& calculation);

}  // namespace ruvivavu::dailysavings
