// Text to number, number to text and the checked arithmetic of the numeric contract.
#include "core/common/numeric.h"

#include "core/common/errors.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace ruvivavu {

namespace {

bool isBlank(char c) {
    return c == ' ';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

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
    out += '0';             // so that ",5" reads as 0.5 and "," as 0
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

// 10^0 to 10^27, each exact in the 64-bit mantissa.
constexpr auto kScale = [] {
    std::array<Number, 28> t{};
    t[0] = 1;
    for (size_t k = 1; k < t.size(); ++k) t[k] = t[k - 1] * 10;
    return t;
}();

// Plain "digits[,digits]" texts with at most 19 significant digits and 27 decimals: the exact
// integer divided once by the exact power of ten is the correctly rounded value, as strtold gives.
bool fastDecimal(std::string_view text, Number& out) {
    size_t i = 0;
    const size_t n = text.size();
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    unsigned long long m = 0;
    int significant = 0;
    int decimals = 0;
    bool any = false;
    bool comma = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            any = true;
            if (m != 0 || c != '0') ++significant;
            if (significant > 19) return false;
            m = m * 10 + static_cast<unsigned>(c - '0');
            if (comma) ++decimals;
        } else if (c == ',' && !comma) {
            comma = true;
            any = true;
        } else {
            return false;
        }
    }
    if (!any || decimals > 27) return false;
    Number value = static_cast<Number>(m) / kScale[static_cast<size_t>(decimals)];
    out = negative ? -value : value;
    return true;
}

bool TryStrToFloat(std::string_view text, Number& out) {
    if (fastDecimal(text, out)) return true;
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

struct FormatPattern {
    int minInt = 0;  // "0" digits before the point
    bool grouping = false;
    int minDec = 0;  // "0" digits after the point
    int maxDec = 0;  // "0" and "#" digits after the point
};

FormatPattern parseFormat(std::string_view format) {
    FormatPattern pattern;
    const size_t point = format.find('.');
    const std::string_view intPart = point == std::string_view::npos ? format : format.substr(0, point);
    for (char c : intPart) {
        if (c == '0') ++pattern.minInt;
        if (c == ',') pattern.grouping = true;
    }
    if (point != std::string_view::npos) {
        for (char c : format.substr(point + 1)) {
            if (c == '0') ++pattern.minDec;
            if (c == '0' || c == '#') ++pattern.maxDec;
        }
    }
    return pattern;
}

// The 15 significant digits of a finite non-zero |value| as printf("%.14Le") rounds them (to
// nearest, ties to even, on the exact binary value): digits and the decimal exponent of the first.
// Exact integer arithmetic where the scale 10^k fits in 64 bits; printf itself elsewhere.
void decimal15(Number value, char digits[16], int& exponent) {
    Number magnitude = value < 0 ? -value : value;
    unsigned long long mantissa = 0;
    int binExp = 0;  // magnitude = mantissa * 2^binExp exactly
    if constexpr (sizeof(Number) >= 10 && std::numeric_limits<Number>::digits == 64) {
        // x87 extended: 64-bit mantissa with explicit integer bit, 15-bit biased exponent.
        unsigned char raw[sizeof(Number)];
        std::memcpy(raw, &magnitude, sizeof(Number));
        std::memcpy(&mantissa, raw, 8);
        const int biased = (raw[8] | (raw[9] << 8)) & 0x7FFF;
        binExp = (biased == 0 ? 1 : biased) - 16383 - 63;
    } else {
        int mantissaExp = 0;
        const Number fraction = std::frexp(magnitude, &mantissaExp);
        mantissa = static_cast<unsigned long long>(std::ldexp(fraction, 64));
        binExp = mantissaExp - 64;
    }
    // floor(log10(magnitude)) or one less, from the position of the highest bit.
    const int topBit = mantissa == 0 ? 0 : 63 - __builtin_clzll(mantissa) + binExp;
    int e = static_cast<int>(std::floor(topBit * 0.30102999566398120));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 14 - e;
        if (k < 0 || k > 27) break;
        static constexpr auto kPow5 = [] {
            std::array<unsigned long long, 28> t{};
            t[0] = 1;
            for (size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 5;
            return t;
        }();
        const unsigned __int128 pow5 = kPow5[static_cast<size_t>(k)];
        // magnitude * 10^k = mantissa * 5^k * 2^(binExp + k)
        unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * pow5;
        const int shift = binExp + k;
        unsigned __int128 q;
        if (shift >= 0) {
            if (shift > 60) break;
            q = product << shift;
        } else {
            const int s = -shift;
            if (s >= 127) break;
            q = product >> s;
            const unsigned __int128 rest = product - (q << s);
            const unsigned __int128 half = static_cast<unsigned __int128>(1) << (s - 1);
            if (rest > half || (rest == half && (q & 1))) ++q;
        }
        const unsigned long long low = 100000000000000ULL, high = 1000000000000000ULL;
        if (q < low) {
            --e;
            continue;
        }
        if (q >= high) {
            if (q == high) {  // rounded up to the next power of ten
                std::memcpy(digits, "100000000000000", 16);
                exponent = e + 1;
                return;
            }
            ++e;
            continue;
        }
        unsigned long long n = static_cast<unsigned long long>(q);
        for (int i = 14; i >= 0; --i) {
            digits[i] = static_cast<char>('0' + n % 10);
            n /= 10;
        }
        digits[15] = '\0';
        exponent = e;
        return;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", magnitude);
    int j = 0;
    for (const char* p = buf; *p && *p != 'e'; ++p)
        if (isDigit(*p)) digits[j++] = *p;
    digits[15] = '\0';
    exponent = std::atoi(std::strchr(buf, 'e') + 1);
}

}  // namespace

std::string formatDigits15(Number value) {
    if (value == 0) return "0.00000000000000e+00";
    char digits[16];
    int e = 0;
    decimal15(value, digits, e);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s%c.%se%c%02d", value < 0 ? "-" : "", digits[0], digits + 1, e < 0 ? '-' : '+',
                  e < 0 ? -e : e);
    return buf;
}

std::string FormatFloat(std::string_view format, Number value) {
    Number readBack;
    return FormatFloat(format, value, readBack);
}

std::string FormatFloat(std::string_view format, Number value, Number& readBack) {
    checked(value);
    const FormatPattern pattern = parseFormat(format);

    // 15 significant digits, as printf("%.14Le") rounds them, placed in a fixed-point buffer:
    // num[0..intLen) the integer digits, num[intLen..) the decimals (a leading 0 leaves room for a carry).
    char d[16] = "000000000000000";
    int exponent = 0;
    const bool negative = std::signbit(value);
    if (value != 0) decimal15(value, d, exponent);

    char num[400];
    int len = 0;
    int intLen = 0;
    num[len++] = '0';
    if (exponent >= 0) {
        if (exponent > 340) throw ArithmeticError(kOverflow);
        for (int i = 0; i <= exponent; ++i) num[len++] = i < 15 ? d[i] : '0';
        intLen = len;
        for (int i = exponent + 1; i < 15; ++i) num[len++] = d[i];
    } else {
        intLen = len;
        const int zeros = -exponent - 1;
        // Beyond the format's decimals everything rounds to zero.
        if (zeros > pattern.maxDec) {
            for (int i = 0; i < pattern.maxDec + 1; ++i) num[len++] = '0';
        } else {
            for (int i = 0; i < zeros; ++i) num[len++] = '0';
            for (int i = 0; i < 15; ++i) num[len++] = d[i];
        }
    }

    // Half away from zero to the format's decimals (the sign is applied afterwards).
    int fracLen = len - intLen;
    if (fracLen > pattern.maxDec) {
        const bool roundUp = num[intLen + pattern.maxDec] >= '5';
        len = intLen + pattern.maxDec;
        if (roundUp) {
            int i = len - 1;
            while (num[i] == '9') num[i--] = '0';
            ++num[i];
        }
        fracLen = pattern.maxDec;
    }
    // Optional decimals ("#") are dropped when they are zeros; required ones are filled in.
    while (fracLen > pattern.minDec && num[intLen + fracLen - 1] == '0') --fracLen;
    len = intLen + fracLen;
    while (fracLen < pattern.minDec) {
        num[len++] = '0';
        ++fracLen;
    }

    int first = 0;
    while (first < intLen && num[first] == '0') ++first;
    if (intLen - first < pattern.minInt) first = intLen - pattern.minInt < 0 ? 0 : intLen - pattern.minInt;
    bool isZero = true;
    for (int i = 0; i < len; ++i)
        if (num[i] != '0') isZero = false;

    char out[560];
    int n = 0;
    if (negative && !isZero) out[n++] = '-';
    for (int i = first; i < intLen; ++i) {
        if (pattern.grouping && i > first && (intLen - i) % 3 == 0) out[n++] = '.';
        out[n++] = num[i];
    }
    if (fracLen > 0) {
        out[n++] = ',';
        for (int i = 0; i < fracLen; ++i) out[n++] = num[intLen + i];
    }

    // The read-back: what fastDecimal makes of the digits (and the sign) just written; texts it
    // leaves to strtold go the same way.
    unsigned long long m = 0;
    int significant = 0;
    for (int i = first; i < len && significant <= 19; ++i) {
        if (m != 0 || num[i] != '0') ++significant;
        m = m * 10 + static_cast<unsigned>(num[i] - '0');
    }
    if (significant <= 19 && fracLen <= 27) {
        const Number magnitude = static_cast<Number>(m) / kScale[static_cast<size_t>(fracLen)];
        readBack = negative && !isZero ? -magnitude : magnitude;
    } else {
        std::string plain;
        for (int i = 0; i < n; ++i)
            if (out[i] != '.') plain += out[i];
        readBack = StrToFloat(plain);
    }
    return std::string(out, static_cast<size_t>(n));
}

}  // namespace ruvivavu
