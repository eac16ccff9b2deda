// Separated-values text as spreadsheets write it, and the encodings such files come in.
#include "core/common/csv.h"
#include "core/common/encoding.h"
#include "core/common/errors.h"

#include <gtest/gtest.h>

using namespace ruvivavu;

namespace {

using Fields = std::vector<std::string>;

TEST(Csv, RecordsKeepQuotedSeparatorsQuotesAndLineBreaksAndTheirFirstLine) {
    const std::string text =
        "Titular;Conta\r\n"
        "\"Silva; Maria\";\"12\"\"3\"\r\n"
        "\r\n"
        "\"Ana\r\nSouza\";9\n"
        ";\r"
        "fim";
    const std::vector<CsvRecord> records = parseCsv(text, ';');
    ASSERT_EQ(records.size(), 5u);
    const struct {
        int line;
        Fields fields;
    } expected[] = {{1, {"Titular", "Conta"}},
                    {2, {"Silva; Maria", "12\"3"}},
                    {4, {"Ana\r\nSouza", "9"}},
                    {6, {"", ""}},
                    {7, {"fim"}}};
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].line, expected[i].line) << i;
        EXPECT_EQ(records[i].fields, expected[i].fields) << i;
    }
}

TEST(Csv, AQuoteThatNeverEndsIsReportedAtItsLine) {
    try {
        parseCsv("a;b\r\nc;\"d\r\ne\r\n", ';');
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "linha 2: aspas sem fechamento");
    }
}

TEST(Csv, SeparatorComesFromTheHeadingRow) {
    EXPECT_EQ(detectCsvSeparator("a;b,c\r\nx,y"), ';');
    EXPECT_EQ(detectCsvSeparator("a\tb,c"), '\t');
    EXPECT_EQ(detectCsvSeparator("a,b\r\n;;"), ',');
}

TEST(Csv, WrittenFieldsReadBackTheSame) {
    const Fields fields{"plain", "1.234,56", "a;b", "say \"x\"", "two\r\nlines", ""};
    const std::string line = csvLine(fields, ';');
    EXPECT_EQ(line, "plain;1.234,56;\"a;b\";\"say \"\"x\"\"\";\"two\r\nlines\";\r\n");
    EXPECT_EQ(parseCsv(line, ';').front().fields, fields);
}

TEST(Encoding, SpreadsheetTextIsUtf8WhenItCanBeOtherwiseWindows1252) {
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"Ag\xC3\xAAncia", "Agência"},                     // UTF-8
        {"\xEF\xBB\xBFTitular", "Titular"},                // UTF-8 with its byte-order mark
        {"Ag\xEAncia", "Agência"},                         // Windows-1252
        {"\xC3\x28", "\xC3\x83("},                         // a broken sequence: Windows-1252
        {"\xE0\x80\xAF", "\xC3\xA0\xE2\x82\xAC\xC2\xAF"},  // an overlong form: Windows-1252
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // a surrogate: Windows-1252
    };
    for (const auto& c : cases) EXPECT_EQ(utf8OrCp1252(c.bytes), c.text) << c.bytes;
}

}  // namespace
