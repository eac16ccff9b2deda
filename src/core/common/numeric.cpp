// Text to number, number to text and the checked arithmetic of the numeric contract.
#include "core/common/numeric.h"

#include "core/common/errors.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ruvivavu {

namespace {

bool isBlank(char c) { return c == ' '; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void failFloat(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void failInt(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

// Builds the C-locale text of a number in Brazilian notation; answers false when it is malformed.
bool toCText(std::string_view text, std::string& out) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    out.clear();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    bool mantissa = false;  // a digit or the comma was seen
    out += '0';            // so that ",5" reads as 0.5 and "," as 0
    while (i < n && isDigit(text[i])) {
        out += text[i++];
        mantissa = true;
    }
    if (i < n && text[i] == ',') {
        out += '.';
        ++i;
        mantissa = true;
        while (i < n && isDigit(text[i])) out += text[i++];
    }
    if (!mantissa) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) out += text[i++];
        bool expDigits = false;
        while (i < n && isDigit(text[i])) {
            out += text[i++];
            expDigits = true;
        }
        if (!expDigits) return false;
    }
    while (i < n && isBlank(text[i])) ++i;
    return i == n;
}

}  // namespace

int StrToInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) failInt(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) failInt(text);
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) failInt(text);
    }
    if (negative) value = -value;
    if (value > 2147483647LL || value < -2147483648LL) failInt(text);
    return static_cast<int>(value);
}

bool TryStrToFloat(std::string_view text, Number& out) {
    std::string c;
    if (!toCText(text, c)) return false;
    errno = 0;
    char* end = nullptr;
    const Number value = std::strtold(c.c_str(), &end);
    if (end != c.c_str() + c.size()) return false;
    if (std::isinf(value) || std::isnan(value)) return false;
    out = value;
    return true;
}

Number StrToFloat(std::string_view text) {
    Number value = 0;
    if (!TryStrToFloat(text, value)) failFloat(text);
    return value;
}

Number divide(Number a, Number b) {
    if (b == 0) throw ArithmeticError(kDivisionByZero);
    return checked(a / b);
}

Number checked(Number value) {
    if (std::isnan(value)) throw ArithmeticError(kInvalidOperation);
    if (std::isinf(value)) throw ArithmeticError(kOverflow);
    return value;
}

namespace {

struct FormatSpec {
    int minInt = 0;       // "0" digits before the point
    bool grouping = false;
    int minDec = 0;       // "0" digits after the point
    int maxDec = 0;       // "0" and "#" digits after the point
};

FormatSpec parseFormat(std::string_view format) {
    FormatSpec spec;
    const size_t point = format.find('.');
    const std::string_view intPart = point == std::string_view::npos ? format : format.substr(0, point);
    for (char c : intPart) {
        if (c == '0') ++spec.minInt;
        if (c == ',') spec.grouping = true;
    }
    if (point != std::string_view::npos) {
        for (char c : format.substr(point + 1)) {
            if (c == '0') ++spec.minDec;
            if (c == '0' || c == '#') ++spec.maxDec;
        }
    }
    return spec;
}

}  // namespace

std::string FormatFloat(std::string_view format, Number value) {
    checked(value);
    const FormatSpec spec = parseFormat(format);

    // 15 significant digits, as printf("%.14Le") rounds them.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", value);
    std::string s(buf);
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const size_t ePos = s.find('e');
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string digits;
    for (size_t i = 0; i < ePos; ++i)
        if (isDigit(s[i])) digits += s[i];

    // Integer and fractional digits of the 15-digit decimal.
    std::string intDigits;
    std::string fracDigits;
    if (exponent >= 0) {
        const size_t intLen = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            intDigits = digits + std::string(intLen - digits.size(), '0');
        } else {
            intDigits = digits.substr(0, intLen);
            fracDigits = digits.substr(intLen);
        }
    } else {
        intDigits = "0";
        fracDigits = std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }

    // Half away from zero to the format's decimals (the sign is applied afterwards).
    if (static_cast<int>(fracDigits.size()) > spec.maxDec) {
        const bool roundUp = fracDigits[static_cast<size_t>(spec.maxDec)] >= '5';
        fracDigits.resize(static_cast<size_t>(spec.maxDec));
        if (roundUp) {
            int i = static_cast<int>(fracDigits.size()) - 1;
            bool carry = true;
            for (; i >= 0 && carry; --i) {
                if (fracDigits[static_cast<size_t>(i)] == '9') {
                    fracDigits[static_cast<size_t>(i)] = '0';
                } else {
                    ++fracDigits[static_cast<size_t>(i)];
                    carry = false;
                }
            }
            for (int j = static_cast<int>(intDigits.size()) - 1; j >= 0 && carry; --j) {
                if (intDigits[static_cast<size_t>(j)] == '9') {
                    intDigits[static_cast<size_t>(j)] = '0';
                } else {
                    ++intDigits[static_cast<size_t>(j)];
                    carry = false;
                }
            }
            if (carry) intDigits.insert(intDigits.begin(), '1');
        }
    }
    // Optional decimals ("#") are dropped when they are zeros.
    while (static_cast<int>(fracDigits.size()) > spec.minDec && !fracDigits.empty() && fracDigits.back() == '0')
        fracDigits.pop_back();
    while (static_cast<int>(fracDigits.size()) < spec.minDec) fracDigits += '0';

    // Leading zeros down to the format's minimum integer digits.
    size_t firstNonZero = intDigits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) firstNonZero = intDigits.size();
    intDigits.erase(0, firstNonZero);
    while (static_cast<int>(intDigits.size()) < spec.minInt) intDigits.insert(intDigits.begin(), '0');

    const bool isZero = intDigits.find_first_not_of('0') == std::string::npos &&
                        fracDigits.find_first_not_of('0') == std::string::npos;

    std::string out;
    if (negative && !isZero) out += '-';
    for (size_t i = 0; i < intDigits.size(); ++i) {
        if (spec.grouping && i > 0 && (intDigits.size() - i) % 3 == 0) out += '.';
        out += intDigits[i];
    }
    if (!fracDigits.empty()) {
        out += ',';
        out += fracDigits;
    }
    return out;
}

}  // namespace ruvivavu
