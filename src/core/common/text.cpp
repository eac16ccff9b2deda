// The shared operations on money, rate and date texts.
#include "core/common/text.h"

#include "core/common/errors.h"
#include "core/common/fileio.h"

#include <cmath>
#include <limits>

namespace ruvivavu {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of the 1-based characters a..b of t as an integer (characters past the end are absent).
int part(const std::string& t, size_t a, size_t b) {
    if (a > t.size()) return StrToInt("");
    return StrToInt(t.substr(a - 1, (b > t.size() ? t.size() : b) - (a - 1)));
}

void setPart(std::string& t, size_t a, const char* two) {
    t[a - 1] = two[0];
    t[a] = two[1];
}

std::string repairDate(std::string_view text, int februaryThreshold) {
    std::string t = RemoveChar(text);
    if (t.size() < 8) return "";
    if (part(t, 1, 2) == 0) return "";
    if (part(t, 4, 5) == 0) return "";
    if (part(t, 7, 10) == 0 && t.size() == 10) return "";
    if (t.size() == 8) {
        const int yy = part(t, 7, 8);
        if (yy > 30)
            t = t.substr(0, 6) + "19" + t.substr(6, 2);
        else if (yy < 30)
            t = t.substr(0, 6) + "20" + t.substr(6, 2);
    }
    if (part(t, 1, 2) > 31) setPart(t, 1, "31");
    if (part(t, 4, 5) > 12) setPart(t, 4, "12");
    if (part(t, 4, 5) == 2 && part(t, 1, 2) >= februaryThreshold) setPart(t, 1, Bissexto(part(t, 7, 10)) ? "29" : "28");
    const int month = part(t, 4, 5);
    if ((month == 4 || month == 6 || month == 9 || month == 11) && part(t, 1, 2) > 30) setPart(t, 1, "30");
    return t;
}

}  // namespace

bool checkinteiro(std::string_view text) {
    for (char c : text)
        if (isDigit(c)) return true;
    return false;
}

std::string RemoveChar(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c == '/' || isDigit(c)) out += c;
    return out;
}

Number RemovePonto(std::string_view text) {
    return StrToFloatOfNumberChars(text);
}

Number RemovePontoTodos(std::string_view text) {
    std::string kept;
    bool pastComma = false;
    int after = 0;
    for (char c : text) {
        if (!(c == ',' || c == '-' || isDigit(c))) continue;
        if (!pastComma) {
            kept += c;
            if (c == ',') pastComma = true;
            continue;
        }
        ++after;
        if (after == 1)
            kept += c;
        else if (after <= 8 && c != ',')
            kept += c;
    }
    if (!checkinteiro(kept)) kept = "0";
    return StrToFloat(kept);
}

std::string formatafloat(std::string_view format, std::string_view text) {
    if (text.empty()) text = "0,00";
    std::string digits;
    for (char c : text)
        if (isDigit(c)) digits += c;
    if (digits.empty()) {
        // Only a pasted text without digits gets here: the conversion of the empty digit string fails.
        StrToFloat(digits);
    }
    return FormatFloat(format, divide(StrToFloat(digits), 100));
}

std::string validadata(std::string_view text) {
    return repairDate(text, 29);
}

std::string validadata30(std::string_view text) {
    return repairDate(text, 30);
}

std::string validadataMA(std::string_view text) {
    std::string t = RemoveChar(text);
    if (t.size() < 5) return "";
    if (part(t, 1, 2) == 0) return "";
    if (part(t, 4, 7) == 0 && t.size() == 7) return "";
    if (t.size() == 5) {
        const int yy = part(t, 4, 5);
        if (yy > 30)
            t = t.substr(0, 3) + "19" + t.substr(3, 2);
        else if (yy < 30)
            t = t.substr(0, 3) + "20" + t.substr(3, 2);
    }
    if (part(t, 1, 2) > 12) setPart(t, 1, "12");
    return t;
}

Intervalo EntreDatas(const Date& later, const Date& earlier) {
    Intervalo r;
    if (!(later > earlier)) return r;
    Date e = later;
    int c = 0;
    do {
        e = IncMonth(e, -12);
        ++c;
    } while (e >= earlier);
    e = IncMonth(e, 12);
    r.anos = c - 1;
    c = 0;
    do {
        e = IncMonth(e, -1);
        ++c;
    } while (e >= earlier);
    e = IncMonth(e, 1);
    r.meses = c - 1;
    r.dias = static_cast<int>(e.serial() - earlier.serial());
    return r;
}

Number Arredondar(int n, Number x) {
    const Number ln10 = std::log(static_cast<Number>(10));
    const Number scaleUp = std::exp(static_cast<Number>(n + 1) * ln10);
    const Number scaleDown = std::exp(static_cast<Number>(n) * ln10);
    const Number b = std::trunc(checked(x * scaleUp));
    const Number r = std::nearbyint(b / 10);  // the default rounding mode: ties to even
    return divide(r, scaleDown);
}

Number Pot(Number base, Number exponent) {
    if (!(base > 0)) throw ArithmeticError(kInvalidOperation);
    const Number value = checked(std::exp(exponent * std::log(base)));
    // A value beyond the range of a double overflows when it is narrowed.
    if (std::fabs(value) > std::numeric_limits<double>::max()) throw ArithmeticError(kOverflow);
    return static_cast<Number>(static_cast<double>(value));
}

std::vector<std::string> memoLines(std::string_view text) {
    return splitLines(text);
}

std::string memoText(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += '\n';
        text += lines[i];
    }
    if (!lines.empty() && lines.back().empty()) text += '\n';
    return text;
}

}  // namespace ruvivavu
