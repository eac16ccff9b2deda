// Separated-values text as spreadsheets write and read it: fields separated by ";" (Brazilian
// spreadsheets; "," elsewhere), a field holding the separator, a quote or a line break enclosed in
// double quotes with its quotes doubled. Text is UTF-8 here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ruvivavu {

struct CsvRecord {
    int line = 0;  // the line of the text (from 1) where the record begins
    std::vector<std::string> fields;
};

// The separator of a text by its first line: ";" when it has one, otherwise a TAB when it has
// one, otherwise ",".
char detectCsvSeparator(std::string_view text);

// The records of the text; lines end at CR LF, LF or CR (inside quotes they belong to the field);
// empty lines are skipped. ConversionError "linha <n>: aspas sem fechamento" for a quoted field
// that never ends.
std::vector<CsvRecord> parseCsv(std::string_view text, char separator);

// A field as written into such a text: enclosed in quotes only when it needs them.
std::string csvField(std::string_view text, char separator);

// One record: its fields joined by the separator, ended by CR LF.
std::string csvLine(const std::vector<std::string>& fields, char separator);

}  // namespace ruvivavu
