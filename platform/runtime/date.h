// The runtime's date value: a calendar date with a time of day, in the Gregorian calendar
// (1900 is not a leap year, 2000 is), for the years 100 to 9999 that the runtime can hold.
// Dates are counted as the runtime counts them, in whole days from 12/30/1899, its day 0.
#pragma once

#include <compare>
#include <optional>
#include <string_view>

namespace runtime {

class Date {
public:
    // 12/30/1899 at midnight, the runtime's day 0.
    Date() = default;

    // The date of these parts, or empty when they name no date or time (02/29/1900, 04/31/2010,
    // month 13, hour 24, a year outside 100..9999).
    static std::optional<Date> FromParts(int year, int month, int day, int hour = 0, int minute = 0,
                                         int second = 0);

    // The date `serial` whole days after 12/30/1899 (before it when negative), at midnight.
    // Throws RuntimeError Overflow outside the years 100..9999.
    static Date FromDaySerial(long serial);

    int Year() const { return year_; }
    int Month() const { return month_; }
    int Day() const { return day_; }
    int Hour() const { return hour_; }
    int Minute() const { return minute_; }
    int Second() const { return second_; }

    // Whole days from 12/30/1899 to this date; the time of day does not count.
    long DaySerial() const;

    // Earlier dates order first; on the same day the earlier time.
    friend auto operator<=>(const Date&, const Date&) = default;

private:
    Date(int year, int month, int day, int hour, int minute, int second)
        : year_(year), month_(month), day_(day), hour_(hour), minute_(minute), second_(second) {}

    int year_ = 1899;
    int month_ = 12;
    int day_ = 30;
    int hour_ = 0;
    int minute_ = 0;
    int second_ = 0;
};

bool IsLeapYear(int year);

// The English name of the month 1 to 12 ("January"); the month must be valid.
std::string_view MonthName(int month);

// 28 to 31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// Calendar days from `from` to `to` (the runtime's day difference): positive when `to` is the
// later date, whatever the times of day.
long DaysBetween(const Date& from, const Date& to);

// The date moved by whole days, months or years, keeping the time of day. Moving by months or
// years keeps the day of the month where the target month has it and otherwise takes the
// month's last day (01/31/2001 plus one month is 02/28/2001; 02/29/2004 plus one year is
// 02/28/2005). All throw RuntimeError Overflow when the result leaves the years 100..9999.
Date AddDays(const Date& date, long days);
Date AddMonths(const Date& date, long months);
Date AddYears(const Date& date, long years);

} // namespace runtime
