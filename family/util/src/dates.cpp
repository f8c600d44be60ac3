// Dates as text in the user's short format, the long form, comparison and the day count.
#include "family/util/src/date_format.h"
#include "family/util/src/host_functions.h"
#include "family/util/umbrant.h"

#include "platform/system/clock.h"
#include "platform/win32/library_entry.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using umbrant::CurrentDateFormat;
using umbrant::DateField;

constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};
// Every February has 28 days in the day count.
constexpr int kMonthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kDaysInYear = 365;
constexpr int kFirstYear = 1800;
constexpr int kLastYear = 2200;
// The library's own strings: the caption and the messages for each field order.
constexpr int kEntryErrorCaption = 1;
constexpr int kInvalidMonthDayYear = 2;
constexpr int kInvalidDayMonthYear = 3;
constexpr int kInvalidYearMonthDay = 4;
constexpr int kStringCapacity = 257;
// The message holds at most 99 characters.
constexpr std::size_t kMessageCapacity = 100;
constexpr int kMessageStyle = 0x30; // OK button, exclamation icon
// A short date text: three numbers of at most six characters and two separators of two.
constexpr std::size_t kShortDateCapacity = 32;

bool ValidMonth(int month) {
    return month >= 1 && month <= 12;
}

// Whether the day count can walk from or to the date: a month of 1-12 and a day of 1-31.
bool Countable(const UtilDate& date) {
    return ValidMonth(date.month) && date.day >= 1 && date.day <= 31;
}

bool IsLeapYear(int year) {
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

// The longest a month may be in a typed date.
int DaysInMonth(int month, int year) {
    if (month == 2) {
        return IsLeapYear(year) ? 29 : 28;
    }
    return kMonthLengths[month - 1];
}

// Reads an optionally signed decimal number after blanks, as scanf's %d reads one. Answers
// false when no digit follows; values beyond int are held at its limits.
bool ReadNumber(const char*& text, int& value) {
    const char* at = text;
    while (std::isspace(static_cast<unsigned char>(*at))) {
        ++at;
    }
    const bool negative = *at == '-';
    if (*at == '-' || *at == '+') {
        ++at;
    }
    if (!std::isdigit(static_cast<unsigned char>(*at))) {
        return false;
    }
    long long number = 0;
    for (; std::isdigit(static_cast<unsigned char>(*at)); ++at) {
        number = std::min<long long>(number * 10 + (*at - '0'), INT_MAX + 1LL);
    }
    number = negative ? -number : number;
    value = static_cast<int>(std::clamp<long long>(number, INT_MIN, INT_MAX));
    text = at;
    return true;
}

bool ReadSeparator(const char*& text, const std::string& separator) {
    if (std::strncmp(text, separator.c_str(), separator.size()) != 0) {
        return false;
    }
    text += separator.size();
    return true;
}

bool OnlyBlanks(const char* text) {
    for (; *text != '\0'; ++text) {
        if (!std::isspace(static_cast<unsigned char>(*text))) {
            return false;
        }
    }
    return true;
}

// The date of the text in the current format, before the checks of its fields.
bool ScanDate(const char* text, int& day, int& month, int& year) {
    const auto& format = CurrentDateFormat();
    const auto fields = format.Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0 && !ReadSeparator(text, format.separator)) {
            return false;
        }
        int& field = fields[i] == DateField::Day     ? day
                     : fields[i] == DateField::Month ? month
                                                     : year;
        if (!ReadNumber(text, field)) {
            return false;
        }
    }
    return OnlyBlanks(text);
}

// A two-digit year is taken in the century that puts it at or before this year.
int WidenYear(int year) {
    if (CurrentDateFormat().leadingCentury || year >= 100) {
        return year;
    }
    const int thisYear = static_cast<int>(sys::Today().year());
    const int widened = year + thisYear - thisYear % 100;
    return widened > thisYear ? widened - 100 : widened;
}

void ReportInvalidDate(HWND owner) {
    UtilDate today{};
    _UtilToday(&today);
    char todayText[kShortDateCapacity];
    _UtilDate2String(todayText, &today);
    const int order = CurrentDateFormat().order;
    const int messageId = order == 0   ? kInvalidMonthDayYear
                          : order == 1 ? kInvalidDayMonthYear
                                       : kInvalidYearMonthDay;
    char format[kStringCapacity];
    char caption[kStringCapacity];
    LoadStringA(win32::ThisModule(), messageId, format, sizeof format);
    LoadStringA(win32::ThisModule(), kEntryErrorCaption, caption, sizeof caption);
    // The message's one "%s" takes today's date; anything else in it is written as it stands.
    std::string message = format;
    const auto slot = message.find("%s");
    if (slot != std::string::npos) {
        message.replace(slot, 2, todayText);
    }
    message.resize(std::min(message.size(), kMessageCapacity - 1));
    umbrant::ShowMessage(owner, message.c_str(), caption, kMessageStyle);
}

// The date with every month moved on by one, December to January of the next year.
void NextMonth(UtilDate& date) {
    if (date.month == 12) {
        date.month = 1;
        ++date.year;
    } else {
        ++date.month;
    }
}

} // namespace

int _UtilResetDateFormat() {
    return umbrant::ReadDateFormat();
}

void _UtilSetLeadingCentury(int flag) {
    CurrentDateFormat().leadingCentury = (flag & 0xFF) != 0;
}

int _UtilGetLeadingCentury() {
    return CurrentDateFormat().leadingCentury ? 1 : 0;
}

void _UtilToday(UtilDate* out) {
    const auto today = sys::Today();
    out->year = static_cast<std::int16_t>(static_cast<int>(today.year()));
    out->month = static_cast<std::int8_t>(static_cast<unsigned>(today.month()));
    out->day = static_cast<std::int8_t>(static_cast<unsigned>(today.day()));
}

char* _UtilDate2String(char* out, const UtilDate* date) {
    const auto& format = CurrentDateFormat();
    std::string text;
    char field[16];
    const auto fields = format.Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        switch (fields[i]) {
        case DateField::Day:
            std::snprintf(field, sizeof field, format.twoDigitDay ? "%02d" : "%d", date->day);
            break;
        case DateField::Month:
            std::snprintf(field, sizeof field, format.twoDigitMonth ? "%02d" : "%d", date->month);
            break;
        case DateField::Year:
            if (format.leadingCentury) {
                std::snprintf(field, sizeof field, "%04d", date->year);
            } else {
                std::snprintf(field, sizeof field, "%02d", date->year % 100);
            }
            break;
        }
        text += field;
        if (i + 1 < fields.size()) {
            text += format.separator;
        }
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    return out;
}

void _UtilDate2StringLong(char* out, const UtilDate* date) {
    out[0] = '\0';
    if (!ValidMonth(date->month)) {
        return;
    }
    std::sprintf(out, "%s %d, %d", kMonthNames[date->month - 1], date->day, date->year);
}

int _UtilString2Date(UtilDate* out, const char* text, HWND owner) {
    int day = 0;
    int month = 0;
    int year = 0;
    bool valid = text != nullptr && ScanDate(text, day, month, year) && day >= 1 && day <= 31 &&
                 ValidMonth(month);
    if (valid) {
        year = WidenYear(year);
        valid = year >= kFirstYear && year <= kLastYear && day <= DaysInMonth(month, year);
    }
    if (!valid) {
        if (owner != nullptr) {
            ReportInvalidDate(owner);
        }
        return 1;
    }
    *out = {static_cast<std::int16_t>(year), static_cast<std::int8_t>(month),
            static_cast<std::int8_t>(day)};
    return 0;
}

int _UtilDateCmp(const UtilDate* a, const UtilDate* b) {
    const int byYear = (a->year > b->year) - (a->year < b->year);
    const int byMonth = (a->month > b->month) - (a->month < b->month);
    const int byDay = (a->day > b->day) - (a->day < b->day);
    return byYear != 0 ? byYear : byMonth != 0 ? byMonth : byDay;
}

int _UtilDaysBetweenDates(const UtilDate* a, const UtilDate* b) {
    const int order = _UtilDateCmp(a, b);
    if (order == 0 || !Countable(*a) || !Countable(*b)) {
        return 0;
    }
    UtilDate start = order < 0 ? *a : *b;
    const UtilDate& end = order < 0 ? *b : *a;
    int days = 0;
    if (start.day <= end.day) {
        days = end.day - start.day;
    } else {
        days = kMonthLengths[start.month - 1] - start.day + end.day;
        NextMonth(start);
    }
    while (start.month != end.month) {
        days += kMonthLengths[start.month - 1];
        NextMonth(start);
    }
    days += kDaysInYear * (end.year - start.year);
    // A day past its month's length in the count (February 30) can lie beyond the end.
    return std::max(days, 0);
}
