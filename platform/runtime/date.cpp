#include "platform/runtime/date.h"

#include "platform/runtime/runtime_error.h"

namespace runtime {
namespace {

constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

// More days than the years 100..9999 hold: counts beyond it fail before any arithmetic on them
// could overflow.
constexpr long kDaysBeyondRange = 10000L * 366;

// Days from 03/01/0000 of the proleptic Gregorian calendar, counting years from March so that
// the leap day falls at the end of a year (the usual civil-from-days arithmetic).
constexpr long DaysFromCivil(long year, long month, long day) {
    year -= month <= 2 ? 1 : 0;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

struct Civil {
    long year;
    int month;
    int day;
};

Civil CivilFromDays(long days) {
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

constexpr long kDayZero = DaysFromCivil(1899, 12, 30);

Date FromPartsOrOverflow(long year, int month, int day, const Date& time) {
    if (year < kFirstYear || year > kLastYear) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return *Date::FromParts(static_cast<int>(year), month, day, time.Hour(), time.Minute(),
                            time.Second());
}

} // namespace

std::optional<Date> Date::FromParts(int year, int month, int day, int hour, int minute,
                                    int second) {
    if (year < kFirstYear || year > kLastYear || day < 1 || day > DaysInMonth(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        return std::nullopt;
    }
    return Date(year, month, day, hour, minute, second);
}

Date Date::FromDaySerial(long serial) {
    if (serial < -kDaysBeyondRange || serial > kDaysBeyondRange) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    const Civil civil = CivilFromDays(serial + kDayZero);
    return FromPartsOrOverflow(civil.year, civil.month, civil.day, Date());
}

long Date::DaySerial() const {
    return DaysFromCivil(year_, month_, day_) - kDayZero;
}

std::string_view MonthName(int month) {
    static constexpr std::string_view kNames[] = {"January",   "February", "March",    "April",
                                                  "May",       "June",     "July",     "August",
                                                  "September", "October",  "November", "December"};
    return kNames[month - 1];
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

long DaysBetween(const Date& from, const Date& to) {
    return to.DaySerial() - from.DaySerial();
}

Date AddDays(const Date& date, long days) {
    if (days < -kDaysBeyondRange || days > kDaysBeyondRange) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    const Date moved = Date::FromDaySerial(date.DaySerial() + days);
    return FromPartsOrOverflow(moved.Year(), moved.Month(), moved.Day(), date);
}

Date AddMonths(const Date& date, long months) {
    constexpr long kMonthsInRange = 12L * 10000;
    if (months < -kMonthsInRange || months > kMonthsInRange) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    const long monthIndex = date.Year() * 12L + (date.Month() - 1) + months;
    const long year = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
    const int month = static_cast<int>(monthIndex - year * 12) + 1;
    if (year < kFirstYear || year > kLastYear) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    const int lastDay = DaysInMonth(static_cast<int>(year), month);
    return FromPartsOrOverflow(year, month, date.Day() < lastDay ? date.Day() : lastDay, date);
}

Date AddYears(const Date& date, long years) {
    constexpr long kYearsInRange = 10000;
    if (years < -kYearsInRange || years > kYearsInRange) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return AddMonths(date, years * 12);
}

} // namespace runtime
