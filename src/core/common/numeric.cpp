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

// Plain "[sign]digits[,digits]" texts with at most 19 digits: the exact integer divided once by the
// exact power of ten is the correctly rounded value, as strtold gives. With `numberCharsOnly`,
// every character other than a digit, "," or "-" is left out first (and the sign can only be "-").
// Answers false for any other text.
template <bool numberCharsOnly>
bool fastDecimal(std::string_view text, Number& out) {
    unsigned long long m = 0;
    int digits = 0;
    int decimals = 0;
    bool comma = false;
    bool negative = false;
    bool started = false;  // a sign is allowed only before everything else
    for (const char c : text) {
        const unsigned digit = static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
        if (digit <= 9) {
            m = m * 10 + digit;
            ++digits;
            decimals += comma;
        } else if (c == ',') {
            if (comma) return false;
            comma = true;
        } else if (c == '-' || (!numberCharsOnly && c == '+')) {
            if (started) return false;
            negative = c == '-';
        } else {
            if (!numberCharsOnly) return false;
            continue;
        }
        started = true;
    }
    if ((digits == 0 && !comma) || digits > 19) return false;
    const Number value = static_cast<Number>(m) / kScale[static_cast<size_t>(decimals)];
    out = negative ? -value : value;
    return true;
}

bool TryStrToFloat(std::string_view text, Number& out) {
    if (fastDecimal<false>(text, out)) return true;
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

Number StrToFloatOfNumberChars(std::string_view text) {
    Number value = 0;
    if (fastDecimal<true>(text, value)) return value;
    std::string kept;
    for (char c : text)
        if (c == ',' || c == '-' || isDigit(c)) kept += c;
    return StrToFloat(kept);
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

void failChecked(Number value) {
    if (std::isnan(value)) throw ArithmeticError(kInvalidOperation);
    throw ArithmeticError(kOverflow);
}

namespace {

struct FormatPattern {
    int minInt = 0;  // "0" digits before the point
    bool grouping = false;
    int minDec = 0;  // "0" digits after the point
    int maxDec = 0;  // "0" and "#" digits after the point
};

constexpr FormatPattern parseFormat(std::string_view format) {
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

// The formats of every calculation step, parsed once.
constexpr std::string_view kCommonFormats[] = {kMoney, kRate4, kCoef6, kYield};
constexpr FormatPattern kCommonPatterns[] = {parseFormat(kMoney), parseFormat(kRate4), parseFormat(kCoef6),
                                             parseFormat(kYield)};

FormatPattern patternOf(std::string_view format) {
    for (size_t i = 0; i < std::size(kCommonFormats); ++i)
        if (format.data() == kCommonFormats[i].data() && format.size() == kCommonFormats[i].size())
            return kCommonPatterns[i];
    for (size_t i = 0; i < std::size(kCommonFormats); ++i)
        if (format == kCommonFormats[i]) return kCommonPatterns[i];
    return parseFormat(format);
}

// 10^0 to 10^19.
constexpr auto kPow10 = [] {
    std::array<unsigned long long, 20> t{};
    t[0] = 1;
    for (size_t k = 1; k < t.size(); ++k) t[k] = t[k - 1] * 10;
    return t;
}();

constexpr unsigned long long kLow15 = 100000000000000ULL;    // 10^14
constexpr unsigned long long kHigh15 = 1000000000000000ULL;  // 10^15

// The 15 digits of printf("%.14Le") for a finite non-zero magnitude, from printf itself.
void printfDigits15(Number magnitude, char digits[16], int& exponent) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", magnitude);
    int j = 0;
    for (const char* p = buf; *p && *p != 'e'; ++p)
        if (isDigit(*p)) digits[j++] = *p;
    digits[15] = '\0';
    exponent = std::atoi(std::strchr(buf, 'e') + 1);
}

void digitsOf(unsigned long long q, char digits[16]) {
    for (int i = 14; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + q % 10);
        q /= 10;
    }
    digits[15] = '\0';
}

// For a top bit t from -64 to 63: the largest e with 10^e <= 2^t, worked out in integers. A
// magnitude in [2^t, 2^(t+1)) has floor(log10) e or e + 1, never less.
constexpr auto kDecimalExponentOfBit = [] {
    std::array<int, 128> table{};
    for (int t = -64; t < 64; ++t) {
        int e = 0;
        if (t >= 0) {
            const unsigned __int128 power2 = static_cast<unsigned __int128>(1) << t;
            unsigned __int128 power10 = 10;
            while (power10 <= power2) {
                power10 *= 10;
                ++e;
            }
        } else {
            const unsigned __int128 power2 = static_cast<unsigned __int128>(1) << -t;
            unsigned __int128 power10 = 1;
            while (power10 < power2) {
                power10 *= 10;
                --e;
            }
        }
        table[static_cast<size_t>(t + 64)] = e;
    }
    return table;
}();

// The 15 significant digits of a finite non-zero |value| as printf("%.14Le") rounds them (to
// nearest, ties to even, on the exact binary value), as the integer q, 10^14 <= q < 10^15, and the
// decimal exponent of the first digit. Exact integer arithmetic where the scale 10^k fits in 64 bits
// (magnitudes from about 10^-13 to 10^15); printf itself elsewhere.
void decimal15(Number value, unsigned long long& q, int& exponent) {
    const Number magnitude = value < 0 ? -value : value;
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
    const int topBit = mantissa == 0 ? 1000 : 63 - __builtin_clzll(mantissa) + binExp;
    if (topBit >= -64 && topBit < 64) {
        static constexpr auto kPow5 = [] {
            std::array<unsigned long long, 28> t{};
            t[0] = 1;
            for (size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 5;
            return t;
        }();
        int e = kDecimalExponentOfBit[static_cast<size_t>(topBit + 64)];
        for (int attempt = 0; attempt < 2; ++attempt, ++e) {
            const int k = 14 - e;
            if (k < 0 || k > 27) break;
            // magnitude * 10^k = mantissa * 5^k * 2^(binExp + k), rounded to an integer, ties to even.
            const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * kPow5[static_cast<size_t>(k)];
            const int s = -(binExp + k);
            if (s <= 0 || s >= 127) break;
            unsigned __int128 rounded = product >> s;
            const unsigned __int128 rest = product - (rounded << s);
            const unsigned __int128 half = static_cast<unsigned __int128>(1) << (s - 1);
            if (rest > half || (rest == half && (rounded & 1))) ++rounded;
            if (rounded < kLow15) break;  // cannot happen: e starts at or below the exponent
            if (rounded >= kHigh15) {
                if (rounded == kHigh15) {  // rounded up to the next power of ten
                    q = kLow15;
                    exponent = e + 1;
                    return;
                }
                continue;  // e was one below the exponent
            }
            q = static_cast<unsigned long long>(rounded);
            exponent = e;
            return;
        }
    }
    char digits[16];
    printfDigits15(magnitude, digits, exponent);
    q = 0;
    for (int i = 0; i < 15; ++i) q = q * 10 + static_cast<unsigned>(digits[i] - '0');
}

// The text of a value from its 15 digits (all "0" for zero) and their exponent: the digits are
// placed in a fixed-point buffer and rounded there half away from zero to the format's decimals.
std::string placeDigits(const FormatPattern& pattern, bool negative, const char d[16], int exponent, Number& readBack) {
    // num[0..intLen) the integer digits, num[intLen..) the decimals (a leading 0 leaves room for a carry).
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

// The digits of 0 to 999, three characters each.
constexpr auto kThreeDigits = [] {
    std::array<char, 3000> t{};
    for (int i = 0; i < 1000; ++i) {
        t[static_cast<size_t>(3 * i)] = static_cast<char>('0' + i / 100);
        t[static_cast<size_t>(3 * i + 1)] = static_cast<char>('0' + i / 10 % 10);
        t[static_cast<size_t>(3 * i + 2)] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

// Writes the last `count` digits of `value` (zeros in front included) backwards, ending at `p`;
// answers the first.
inline char* writeDigits(char* p, unsigned long long value, int count) {
    for (; count >= 3; count -= 3) {
        p -= 3;
        std::memcpy(p, &kThreeDigits[static_cast<size_t>(3 * (value % 1000))], 3);
        value /= 1000;
    }
    const char* digits = &kThreeDigits[static_cast<size_t>(3 * (value % 1000))];
    if (count >= 1) *--p = digits[2];
    if (count == 2) *--p = digits[1];
    return p;
}

// placeQuickly writes at most 19 digits, 6 thousands points, the comma and the sign.
static_assert(sizeof(NumberText::shortText) >= 27);

// placeDigits in integers, for the texts that hold at most 19 digits and at most one integer digit
// is required: the value in units of the last decimal is q rounded half up at that decimal. The
// text is written backwards, ending at `end`; answers its first character, or nullptr, leaving the
// text to placeDigits, for any other pattern or value.
char* placeQuickly(const FormatPattern& pattern, bool negative, unsigned long long q, int exponent, char* end,
                   Number& readBack) {
    if (pattern.minInt > 1 || pattern.maxDec > 18) return nullptr;
    unsigned long long units = 0;
    if (q != 0) {
        const int drop = 14 - exponent - pattern.maxDec;  // digits of q past the last decimal
        if (drop > 0) {
            if (drop <= 15) units = (q + 5 * kPow10[static_cast<size_t>(drop - 1)]) / kPow10[static_cast<size_t>(drop)];
        } else {
            if (exponent + 1 + pattern.maxDec > 19) return nullptr;
            units = q * kPow10[static_cast<size_t>(-drop)];
        }
    }
    int fracLen = pattern.maxDec;
    while (fracLen > pattern.minDec && units % 10 == 0) {
        units /= 10;
        --fracLen;
    }

    char* p = end;
    unsigned long long rest = units;
    if (fracLen > 0) {
        p = writeDigits(p, rest % kPow10[static_cast<size_t>(fracLen)], fracLen);
        rest /= kPow10[static_cast<size_t>(fracLen)];
        *--p = ',';
    }
    if (rest == 0) {
        if (pattern.minInt == 1) *--p = '0';
    } else {
        while (rest >= 1000) {
            p = writeDigits(p, rest % 1000, 3);
            rest /= 1000;
            if (pattern.grouping) *--p = '.';
        }
        p = writeDigits(p, rest, rest >= 100 ? 3 : rest >= 10 ? 2 : 1);
    }
    const bool shownNegative = negative && units != 0;
    if (shownNegative) *--p = '-';

    const Number magnitude = static_cast<Number>(units) / kScale[static_cast<size_t>(fracLen)];
    readBack = shownNegative ? -magnitude : magnitude;
    return p;
}

}  // namespace

std::string formatDigits15(Number value) {
    if (value == 0) return "0.00000000000000e+00";
    unsigned long long q = 0;
    int e = 0;
    decimal15(value, q, e);
    char digits[16];
    digitsOf(q, digits);
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
    NumberText room;
    const std::string_view text = FormatFloat(format, value, readBack, room);
    if (text.data() == room.longText.data()) return std::move(room.longText);
    return std::string(text);
}

std::string_view FormatFloat(std::string_view format, Number value, Number& readBack, NumberText& room) {
    checked(value);
    const FormatPattern pattern = patternOf(format);
    const bool negative = std::signbit(value);
    unsigned long long q = 0;
    int exponent = 0;
    if (value != 0) decimal15(value, q, exponent);
    char* const end = room.shortText + sizeof room.shortText;
    if (const char* text = placeQuickly(pattern, negative, q, exponent, end, readBack))
        return std::string_view(text, static_cast<size_t>(end - text));
    char digits[16];
    digitsOf(q, digits);
    room.longText = placeDigits(pattern, negative, digits, exponent, readBack);
    return room.longText;
}

std::string FormatFloatByPrintf(std::string_view format, Number value, Number& readBack) {
    checked(value);
    char digits[16] = "000000000000000";
    int exponent = 0;
    if (value != 0) printfDigits15(value < 0 ? -value : value, digits, exponent);
    return placeDigits(parseFormat(format), std::signbit(value), digits, exponent, readBack);
}

}  // namespace ruvivavu
