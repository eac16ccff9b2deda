// The shared operations on money, rate and date texts.
//
// Two operations exist in two behaviours, one function each:
// - RemovePonto (strict, the calculator windows' own reading) and RemovePontoTodos (lenient, the
//   shared helper object's reading);
// - validadata (February clamp from day 29) and validadata30 (February clamp from day 30).
#pragma once

#include "core/common/dates.h"
#include "core/common/numeric.h"

#include <string>
#include <string_view>
#include <vector>

namespace ruvivavu {

// True when the text holds at least one digit "0" to "9".
bool checkinteiro(std::string_view text);

// The text with every character other than "/" and the digits removed.
std::string RemoveChar(std::string_view text);

// Strict: keeps "," "-" and digits, then converts; an empty or malformed rest fails.
Number RemovePonto(std::string_view text);

// Lenient: keeps "," "-" and digits, at most eight characters after the first comma (a second
// comma only directly behind the first); no digit reads as 0.
Number RemovePontoTodos(std::string_view text);

// Number to text with the given format.
inline std::string formatfloatx(std::string_view format, Number value) {
    return FormatFloat(format, value);
}

// The amount edit-box rule on a text: empty becomes "0,00"; otherwise the digits, read as a whole
// number and divided by 100, formatted with the format (digits shift in from the right).
std::string formatafloat(std::string_view format, std::string_view text);

// Repairs a day/month/year text; February days from 29 on are clamped.
std::string validadata(std::string_view text);
// The same with the February clamp from day 30.
std::string validadata30(std::string_view text);
// Repairs a month/year text.
std::string validadataMA(std::string_view text);

struct Intervalo {
    int anos = 0;
    int meses = 0;
    int dias = 0;
};

// Whole years, whole months and remaining days from `earlier` to `later`, stepping back from the
// later date with month arithmetic so that end-of-month clamping accumulates.
Intervalo EntreDatas(const Date& later, const Date& earlier);

// Truncates x to n+1 decimals and rounds the last one away, ties to even.
Number Arredondar(int n, Number x);

// exp(exponent * ln base) in extended precision, returned rounded to double. Base must be positive.
Number Pot(Number base, Number exponent);

// The lines of a memo (header and footer texts) and back: a final line break closes the last
// line without opening another, so an empty memo has no lines and a last empty line needs the
// line break that ends it.
std::vector<std::string> memoLines(std::string_view text);
std::string memoText(const std::vector<std::string>& lines);

}  // namespace ruvivavu
