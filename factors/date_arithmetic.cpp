// The date exports: age in whole years on a date, the date of reaching an age and a half, and
// the C-convention twin of the age function that takes its dates as numbers.
//
// Date texts are "MM/DD/YYYY": month in characters 1-2, day in 4-5, year in 7-10. Characters 3
// and 6 are separators and are never examined, so "01-15-2020" is as good as "01/15/2020". Each
// field is read as a number on its own (ReadDateField), which lets " 1/15/2020" through with
// month 1. Years have 365 days for the age arithmetic: February 29 and March 1 are the same day
// of the year.
#include "factors/tallowmere.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

constexpr std::int16_t kInvalidAge = -1000;
constexpr std::string_view kInvalidDate = "00/00/0000";
constexpr int kHalfYearDays = 182;

// Days before each month (1 to 12) in a year of 365 days.
constexpr std::array<int, 13> kDaysBeforeMonth{0,   0,   31,  59,  90,  120, 151,
                                               181, 212, 243, 273, 304, 334};

struct CalendarDate {
    int month;
    int day;
    int year;
};

// A null text pointer reads as empty text.
std::string_view TextOf(const char* text) {
    return text == nullptr ? std::string_view() : std::string_view(text);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Rounds to the nearest whole number, a tie to the even one, whatever the floating-point
// environment of the calling program.
double RoundHalfToEven(double value) {
    const double whole = std::floor(value);
    const double fraction = value - whole;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0);
    return up ? whole + 1.0 : whole;
}

// One date field read as a number: leading blanks, tabs and line feeds skipped, an optional
// sign, digits with an optional decimal fraction and exponent, reading stopping at the first
// character that cannot continue the number ("1/" reads 1); a field with no number reads 0. The
// number is rounded to a whole number. Nothing when that lies outside the 16-bit range, which
// makes the date invalid.
std::optional<int> ReadDateField(std::string_view field) {
    const auto first = field.find_first_not_of(" \t\n");
    if (first == std::string_view::npos) {
        return 0;
    }
    field.remove_prefix(first);
    const bool negative = field.front() == '-';
    if (field.front() == '+' || field.front() == '-') {
        field.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan"; a number here starts with a digit or with a
    // point followed by a digit.
    const bool startsNumber =
        !field.empty() &&
        (IsDigit(field[0]) || (field.size() > 1 && field[0] == '.' && IsDigit(field[1])));
    if (!startsNumber) {
        return 0;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc()) {
        return std::nullopt;
    }
    const double whole = RoundHalfToEven(negative ? -value : value);
    if (whole < -32768.0 || whole > 32767.0) {
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

bool IsLeapYear(int year) {
    // Every fourth year, with no exception for centuries: 02/29/1900 is a valid date here.
    return year % 4 == 0;
}

int DaysInMonth(int month, int year) {
    switch (month) {
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

// The date a text names, or nothing when it is not a valid date: exactly 10 characters, a year
// from 1000 to 2200, a month from 1 to 12 and a day within that month.
std::optional<CalendarDate> ReadValidDate(std::string_view text) {
    if (text.size() != 10) {
        return std::nullopt;
    }
    const auto month = ReadDateField(text.substr(0, 2));
    const auto day = ReadDateField(text.substr(3, 2));
    const auto year = ReadDateField(text.substr(6, 4));
    if (!month || !day || !year) {
        return std::nullopt;
    }
    if (*year < 1000 || *year > 2200 || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(*month, *year)) {
        return std::nullopt;
    }
    return CalendarDate{*month, *day, *year};
}

int DayOfYear(const CalendarDate& date) {
    return kDaysBeforeMonth[date.month] + date.day;
}

BSTR NewText(std::string_view text) {
    return SysAllocStringByteLen(text.data(), static_cast<std::uint32_t>(text.size()));
}

} // namespace

std::int16_t CALCULATEAGE(const char* birthDate, const char* asOfDate, std::int16_t mode) {
    const auto birth = ReadValidDate(TextOf(birthDate));
    const auto asOf = ReadValidDate(TextOf(asOfDate));
    if (!birth || !asOf || asOf->year <= birth->year) {
        return kInvalidAge;
    }
    int age = asOf->year - birth->year;
    const int birthday = DayOfYear(*birth);
    const int asOfDay = DayOfYear(*asOf);
    if (mode == 0) {
        // Age at the last birthday; a birthday on the as-of date counts as reached.
        if (asOfDay < birthday) {
            --age;
        }
    } else {
        // Age at the nearest birthday.
        if (asOfDay + kHalfYearDays < birthday) {
            --age;
        }
        if (birthday + kHalfYearDays < asOfDay) {
            ++age;
        }
    }
    return static_cast<std::int16_t>(age);
}

BSTR CALCDATEHALFAGE(const char* birthDate, std::int16_t years) {
    const auto birth = ReadValidDate(TextOf(birthDate));
    if (!birth) {
        return NewText(kInvalidDate);
    }
    int year = birth->year + years;
    int month = birth->month + 6;
    if (month > 12) {
        month -= 12;
        ++year;
    }
    // A year the four-character field cannot show would come out as a wrong, valid-looking date.
    if (year < 0 || year > 9999) {
        return NewText(kInvalidDate);
    }
    // The birth day, cut to the new month: the 31st of a 30-day month becomes the 30th, and
    // February takes at most 28 days, leap year or not.
    int day = birth->day;
    if (month == 2) {
        day = std::min(day, 28);
    } else {
        day = std::min(day, DaysInMonth(month, year));
    }
    // The year is the last four characters of its decimal text with the sign place of a
    // non-negative number, a blank ("% d"): 2021 gives "2021" and 999 gives " 999".
    char yearText[16];
    const int yearLength = std::snprintf(yearText, sizeof yearText, "% d", year);
    char text[48];
    const int length = std::snprintf(text, sizeof text, "%02d/%02d/%s", month, day,
                                     yearText + std::max(0, yearLength - 4));
    return NewText(std::string_view(text, static_cast<std::size_t>(length)));
}

std::int16_t _c_calculateage(std::int16_t birthMonth, std::int16_t birthDay, std::int16_t birthYear,
                             std::int16_t asOfMonth, std::int16_t asOfDay, std::int16_t asOfYear,
                             std::int16_t mode) {
    char texts[2][16];
    const std::array<std::array<int, 3>, 2> dates{
        {{birthMonth, birthDay, birthYear}, {asOfMonth, asOfDay, asOfYear}}};
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const auto [month, day, year] = dates[i];
        // Numbers the fixed-width fields cannot hold are refused rather than cut to their last
        // digits, which could turn a wrong date into a valid one.
        if (month < 0 || month > 99 || day < 0 || day > 99 || year < 0 || year > 9999) {
            return kInvalidAge;
        }
        std::snprintf(texts[i], sizeof texts[i], "%02d/%02d/%04d", month, day, year);
    }
    return CALCULATEAGE(texts[0], texts[1], mode);
}
