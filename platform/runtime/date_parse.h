// Date recognition: which texts are dates, and which date they name. One reading serves input
// validation, the calculations and the stored texts alike.
//
// The forms read, with blanks and tabs around the text allowed (month names in any letter case,
// in full or their first three letters):
//   M/D/Y and M-D-Y        "1/1/1930", "01/01/1930", "12-31-2010" (month first, always)
//   Y-M-D and Y/M/D        "1930-01-01" (a four-digit year first)
//   month name, day, year  "January 1, 1930", "Jan 1 1930", "Jan 1,1930"
//   day, month name, year  "1 Jan 1930", "1-Jan-1930", "1 January 1930"
// Month and day take one or two digits. The year takes four digits (100 to 9999) or two: 00 to
// 29 are the years 2000 to 2029, 30 to 99 the years 1930 to 1999 (ISO forms need four). The
// date must exist in the Gregorian calendar: "02/29/1900" and "04/31/2010" are not dates, and
// neither is "13/01/1930": month and day are never swapped to make a text a date. Any other
// text, an empty one included, is not a date.
#pragma once

#include "platform/runtime/date.h"

#include <optional>
#include <string_view>

namespace runtime {

// The date the text names, at midnight, or empty when the text is not a date.
std::optional<Date> ParseDate(std::string_view text);

bool IsDate(std::string_view text);

// The date the text names (the runtime's conversion of a text that must be a date); throws
// RuntimeError TypeMismatch when the text is not a date.
Date ToDate(std::string_view text);

} // namespace runtime
