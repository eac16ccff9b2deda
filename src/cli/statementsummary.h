// What the batch summary tells of a statement, read from the statement itself so that it always
// agrees with what was filed: the first line of its header (the case, the holder) and its final
// amount. Every calculator's statement ends with one of a few total lines ("TOTAL = ...", "TOTAL
// GERAL", "VALOR CORRIGIDO ...", "VALOR TOTAL DEVIDO EM: ..."), and heads its header lines in one of
// a few ways; a calculator added to the tool is summarised without further work when its
// statement follows them.
#pragma once

#include <string>
#include <string_view>

namespace ruvivavu::cli {

struct StatementSummary {
    std::string header;  // the header's first line as plain text (UTF-8); empty without a header
    std::string amount;  // the final amount as the statement writes it ("40.066,55"); empty if none
};

// The summary of a statement's bytes (Windows-1252, as written by the calculators).
StatementSummary summarizeStatement(std::string_view statement);

// Markup removed and the few entities statements use replaced; blanks trimmed; the encoding of
// the text is kept.
std::string plainText(std::string_view html);

}  // namespace ruvivavu::cli
