// Reading and writing separated-values text.
#include "core/common/csv.h"

#include "core/common/errors.h"

namespace ruvivavu {

char detectCsvSeparator(std::string_view text) {
    const std::string_view first = text.substr(0, text.find_first_of("\r\n"));
    if (first.find(';') != std::string_view::npos) return ';';
    if (first.find('\t') != std::string_view::npos) return '\t';
    return ',';
}

std::vector<CsvRecord> parseCsv(std::string_view text, char separator) {
    std::vector<CsvRecord> records;
    CsvRecord record;
    std::string field;
    bool quoted = false;    // inside a quoted field
    bool anything = false;  // the current line has a field or a character
    int line = 1;
    int quoteLine = 0;
    record.line = 1;
    auto endRecord = [&] {
        if (anything) {
            record.fields.push_back(std::move(field));
            records.push_back(std::move(record));
        }
        record = CsvRecord{};
        field.clear();
        anything = false;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n' || (c == '\r' && !(i + 1 < text.size() && text[i + 1] == '\n'))) ++line;
                field += c;
            }
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRecord();
            ++line;
            record.line = line;
            continue;
        }
        if (!anything) record.line = line;
        anything = true;
        if (c == separator) {
            record.fields.push_back(std::move(field));
            field.clear();
        } else if (c == '"' && field.empty()) {
            quoted = true;
            quoteLine = line;
        } else {
            field += c;
        }
    }
    if (quoted) throw ConversionError("linha " + std::to_string(quoteLine) + ": aspas sem fechamento");
    endRecord();
    return records;
}

std::string csvField(std::string_view text, char separator) {
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string csvLine(const std::vector<std::string>& fields, char separator) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += separator;
        out += csvField(fields[i], separator);
    }
    out += "\r\n";
    return out;
}

}  // namespace ruvivavu
