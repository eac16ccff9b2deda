// Calendar dates: serial days, texts in Brazilian notation and month arithmetic.
#include "core/common/dates.h"

#include "core/common/errors.h"

#include <string>
#include <vector>

namespace ruvivavu {

namespace {

// Days from civil, proleptic Gregorian (H. Hinnant's algorithm), shifted so 01/01/0001 is 0.
long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 719162;
}

[[noreturn]] void failDate(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' is not a valid date");
}

std::string pad(int value, int width) {
    std::string s = std::to_string(value < 0 ? -value : value);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
    return s;
}

}  // namespace

long Date::serial() const {
    return daysFromCivil(year, month, day);
}

Date Date::fromSerial(long serial) {
    long z = serial - 719162 + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
    return Date{y, m, d};
}

bool Bissexto(int year) {
    return year % 4 == 0 && !(year % 100 == 0 && year % 400 != 0);
}

int DiasPorMes(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return days[month - 1] + ((month == 2 && Bissexto(year)) ? 1 : 0);
}

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DiasPorMes(year, month);
}

Date StrToDate(std::string_view text) {
    // Blanks around the parts are tolerated; each part is digits only.
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '/') {
            parts.emplace_back();
        } else if (c == ' ') {
            continue;
        } else if (c >= '0' && c <= '9') {
            parts.back() += c;
        } else {
            failDate(text);
        }
    }
    if (parts.size() != 3) failDate(text);
    for (const auto& p : parts)
        if (p.empty() || p.size() > 4) failDate(text);
    const int day = std::stoi(parts[0]);
    const int month = std::stoi(parts[1]);
    int year = std::stoi(parts[2]);
    if (parts[2].size() <= 2) year += year < 50 ? 2000 : 1900;
    if (!isValidDate(year, month, day)) failDate(text);
    return Date{year, month, day};
}

std::string FormatDate(std::string_view pattern, const Date& date) {
    std::string out;
    size_t i = 0;
    while (i < pattern.size()) {
        const std::string_view rest = pattern.substr(i);
        if (rest.rfind("yyyy", 0) == 0) {
            out += pad(date.year, 4);
            i += 4;
        } else if (rest.rfind("yy", 0) == 0) {
            out += pad(date.year % 100, 2);
            i += 2;
        } else if (rest.rfind("mm", 0) == 0) {
            out += pad(date.month, 2);
            i += 2;
        } else if (rest.rfind("dd", 0) == 0) {
            out += pad(date.day, 2);
            i += 2;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

Date IncMonth(const Date& date, int months) {
    long total = static_cast<long>(date.year) * 12 + (date.month - 1) + months;
    int year = static_cast<int>(total / 12);
    int month = static_cast<int>(total % 12) + 1;
    if (total < 0 && month != 1 && (total % 12) != 0) {
        // Keep month within 1..12 for negative totals (not reached with real dates).
        year -= 1;
        month = static_cast<int>(total % 12 + 12) + 1;
    }
    const int last = DiasPorMes(year, month);
    return Date{year, month, date.day > last ? last : date.day};
}

}  // namespace ruvivavu
