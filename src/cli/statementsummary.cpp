// Reading the summary of a statement.
#include "cli/statementsummary.h"

#include "core/common/encoding.h"

#include <array>
#include <cctype>

namespace ruvivavu::cli {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The last amount of the text ("1.234,56", "-0,50"): digits and points, a comma, digits; a rate
// (an amount followed by "%") is no amount.
std::string lastAmount(std::string_view text) {
    std::string found;
    size_t i = 0;
    while (i < text.size()) {
        if (!isDigit(text[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < text.size() && (isDigit(text[i]) || text[i] == '.')) ++i;
        if (i + 1 >= text.size() || text[i] != ',' || !isDigit(text[i + 1])) continue;
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i;
        size_t next = i;
        while (next < text.size() && text[next] == ' ') ++next;
        if (next < text.size() && text[next] == '%') continue;
        const bool negative = start > 0 && text[start - 1] == '-';
        found = (negative ? "-" : "") + std::string(text.substr(start, i - start));
    }
    return found;
}

// The last place of the mark in the text (a forward search: it skips to the mark's first letter,
// where a backward one compares at every position of a long statement).
size_t lastOf(std::string_view text, std::string_view mark) {
    size_t last = std::string_view::npos;
    for (size_t at = text.find(mark); at != std::string_view::npos; at = text.find(mark, at + 1)) last = at;
    return last;
}

// The total line: from the last total mark of the statement to the end of its line.
std::string finalAmount(std::string_view html) {
    constexpr std::array<std::string_view, 4> kMarks{"TOTAL GERAL",
                                                     "TOTAL =", "VALOR TOTAL DEVIDO EM:", "VALOR CORRIGIDO"};
    size_t at = std::string_view::npos;
    for (std::string_view mark : kMarks) {
        const size_t found = lastOf(html, mark);
        if (found != std::string_view::npos && (at == std::string_view::npos || found > at)) at = found;
    }
    if (at == std::string_view::npos) return {};
    // Table rows of statements are written one line each: the total's line holds the amount.
    const std::string_view rest = html.substr(at);
    return lastAmount(plainText(rest.substr(0, rest.find('\n'))));
}

// The text of the line that begins right after `prefix`, up to the end of that line.
std::string lineAfter(std::string_view html, size_t at) {
    const size_t end = html.find_first_of("\r\n", at);
    return cp1252ToUtf8(plainText(html.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at)));
}

std::string firstHeaderLine(std::string_view html) {
    // Daily savings, court debts and progressive interest: one table row per header line.
    for (const char* prefix : {"<div align=Justify><p><b>", "<div align=Justify><b>"}) {
        if (const size_t at = html.find(prefix); at != std::string_view::npos)
            return lineAfter(html, at + std::string_view(prefix).size());
    }
    // FGTS purges: one paragraph per header line inside the first justified span.
    if (const size_t span = html.find("align= Justify>"); span != std::string_view::npos) {
        size_t at = span;
        for (int line = 0; line < 3; ++line) {
            at = html.find('\n', at);
            if (at == std::string_view::npos) break;
            ++at;
            if (html.substr(at, 3) == "<p>" && html.substr(at, 5) != "<p>\r\n" && html.substr(at, 4) != "<p>\n")
                return lineAfter(html, at);
            if (html.substr(at, 7) == "</span>" || html.substr(at, 6) == "<body>") break;
        }
    }
    // Configured savings: the holder's name heads the statement.
    if (const size_t at = html.find("<b>Nome: </b>"); at != std::string_view::npos) return lineAfter(html, at);
    return {};
}

}  // namespace

std::string plainText(std::string_view html) {
    std::string out;
    bool inTag = false;
    for (size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (inTag) {
            inTag = c != '>';
            continue;
        }
        if (c == '<') {
            inTag = true;
            continue;
        }
        if (c == '&') {
            constexpr std::array<std::pair<std::string_view, char>, 5> kEntities{
                {{"&nbsp;", ' '}, {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}}};
            bool replaced = false;
            for (const auto& [entity, character] : kEntities) {
                if (html.substr(i, entity.size()) == entity) {
                    out += character;
                    i += entity.size() - 1;
                    replaced = true;
                    break;
                }
            }
            if (replaced) continue;
        }
        out += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
    }
    const size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

StatementSummary summarizeStatement(std::string_view statement) {
    // The marks are plain ASCII: the bytes are searched as they are and only the header is decoded.
    // Every statement writes its header before its first table.
    return {firstHeaderLine(statement.substr(0, statement.find("<table"))), finalAmount(statement)};
}

}  // namespace ruvivavu::cli
