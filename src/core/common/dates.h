// Calendar dates and their texts in Brazilian notation.
#pragma once

#include <string>
#include <string_view>

namespace ruvivavu {

struct Date {
    int year = 1899;
    int month = 12;
    int day = 30;

    // Days since 01/01/0001 (proleptic Gregorian): differences are whole days.
    long serial() const;
    static Date fromSerial(long serial);

    friend bool operator==(const Date&, const Date&) = default;
    friend auto operator<=>(const Date& a, const Date& b) { return a.serial() <=> b.serial(); }
};

bool Bissexto(int year);
inline bool AnoBiSexto(int year) {
    return Bissexto(year);
}

// Days of month (1 to 12) in year.
int DiasPorMes(int year, int month);

bool isValidDate(int year, int month, int day);

// "dd/mm/yyyy" (day, month and year separated by "/"). A two-digit year reads 00-49 as 20xx and
// 50-99 as 19xx. Raises ConversionError("'<text>' is not a valid date").
Date StrToDate(std::string_view text);

// Patterns "dd/mm/yyyy", "mm/yyyy", "dd", "yyyy", "mm" and any text made of them and "/".
std::string FormatDate(std::string_view pattern, const Date& date);
inline std::string DateToStr(const Date& date) {
    return FormatDate("dd/mm/yyyy", date);
}

// Adds n months (n may be negative); a day past the end of the target month becomes its last day.
Date IncMonth(const Date& date, int months);

}  // namespace ruvivavu
