// The numeric contract of the program, in one place.
//
// - Arithmetic is done in `Number` (long double, 80-bit extended on x86-64), one operation at a
//   time in the order the calculation writes it. Callers divide with `divide()`, which raises
//   ArithmeticError("Floating point division by zero") instead of producing inf or NaN, and pass
//   results that may grow out of range through `checked()`, which raises
//   ArithmeticError("Floating point overflow").
// - Text to number (`StrToFloat`) is the correctly rounded conversion (strtold in the C locale) of
//   the text in Brazilian notation: optional blanks, optional sign, digits, optional "," and
//   digits, optional exponent. The point is not a decimal separator. Failures raise
//   ConversionError("'<text>' is not a valid floating point value").
// - Number to text (`FormatFloat`) first rounds the value to 15 significant digits exactly as
//   printf("%.14Le") does, then rounds that decimal half away from zero to the decimals of the
//   format. A value that shows as zero has no sign. No scientific notation is ever produced.
// - Every value a calculation stores is the formatted text, and the next step reads that text
//   again: the figures of a statement depend on that order.
#pragma once

#include <string>
#include <string_view>

namespace ruvivavu {

using Number = long double;

inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kOverflow = "Floating point overflow";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";

// Text to integer: optional leading blanks, optional sign, decimal digits.
// Raises ConversionError("'<text>' is not a valid integer value").
int StrToInt(std::string_view text);

// Text to number, as described above.
Number StrToFloat(std::string_view text);

// Same as StrToFloat but answers false instead of raising.
bool TryStrToFloat(std::string_view text, Number& out);

// StrToFloat of the text with every character other than digits, "," and "-" left out (how cells
// are read, see RemovePonto), without building that text when it is a plain decimal.
Number StrToFloatOfNumberChars(std::string_view text);

// Number to text. Format characters: "0" a digit always shown, "#" a digit shown when needed,
// "," before the point switches on thousands grouping with ".", "." marks the decimal comma.
// Raises ArithmeticError for inf or NaN.
std::string FormatFloat(std::string_view format, Number value);

// FormatFloat, and the number its text reads back as (the text without its thousands points
// through StrToFloat, as RemovePonto reads it), taken from the digits written instead of parsing
// them again: for steps that store a value and go on with the stored one.
std::string FormatFloat(std::string_view format, Number value, Number& readBack);

// Room for a formatted number: the usual short texts in place, long ones in `longText`.
struct NumberText {
    char shortText[32];
    std::string longText;
};

// The same text, written into `room` (the view is valid while it is): for steps that store the text
// where it goes without a temporary string.
std::string_view FormatFloat(std::string_view format, Number value, Number& readBack, NumberText& room);

// The 15 significant digits of a value as printf("%.14Le") writes them (exposed for tests).
std::string formatDigits15(Number value);

// FormatFloat the long way, with the digits printf("%.14Le") writes and no quick path: the
// reference FormatFloat is checked against.
std::string FormatFloatByPrintf(std::string_view format, Number value, Number& readBack);

// a / b; raises ArithmeticError(kDivisionByZero) when b is zero.
Number divide(Number a, Number b);

// Raises ArithmeticError(kOverflow) for an infinite value and ArithmeticError(kInvalidOperation)
// for NaN.
[[noreturn]] void failChecked(Number value);
// failChecked for a value that is not finite; otherwise returns the value (inline: every step calls it).
inline Number checked(Number value) {
    if (!__builtin_isfinite(value)) failChecked(value);
    return value;
}

// Money format of every amount, fee and percentage.
inline constexpr const char* kMoney = "#,##0.00";
// Interest percentages and month counts.
inline constexpr const char* kRate4 = "#,##0.0000";
// FGTS coefficients.
inline constexpr const char* kCoef6 = "#,##0.000000";
// The monthly yield check tool: two to sixteen decimals.
inline constexpr const char* kYield = "#,##0.00##############";

}  // namespace ruvivavu
