// The date format of the process, as the regional settings in WIN.INI give it: the fields'
// order, the separator and the leading zeros and century of the short date.
#pragma once

#include <array>
#include <string>

namespace umbrant {

enum class DateField { Day, Month, Year };

struct DateFormat {
    // "iDate": 0 month-day-year, 1 day-month-year, 2 year-month-day. Windows defines no other
    // value; any other is taken as 0.
    int order = 0;
    std::string separator = "/"; // "sDate", at most 2 characters
    bool twoDigitDay = false;    // the short-date pattern holds "dd"
    bool twoDigitMonth = false;  // "mm"
    bool leadingCentury = false; // "yyyy", or set by _UtilSetLeadingCentury

    // The three fields in the order they are written and typed.
    std::array<DateField, 3> Fields() const;
};

// The process's format; filled by ReadDateFormat.
DateFormat& CurrentDateFormat();

// Reads section "intl" of WIN.INI into the current format; answers the length of the short-date
// pattern ("sShortDate", default "m/d/yy").
int ReadDateFormat();

} // namespace umbrant
