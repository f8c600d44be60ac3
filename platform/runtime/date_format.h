// The runtime's Format for dates: a date written through a pattern such as "MM/DD/YYYY",
// "MM/DD/YYYY HH:MM:SS" or "mmmm d, yyyy". Month names are English and "/" and ":" stand as
// they are, whatever the machine's locale.
//
// Pattern letters, in either case:
//   d, dd       day, without / with a leading zero
//   m, mm       month, without / with a leading zero; minutes instead when the previous
//               letter group was an hour ("HH:MM")
//   mmm, mmmm   the month's name, its first three letters / in full ("Jan", "January")
//   yy, yyyy    the year, its last two digits / four digits
//   h, hh       hour (0 to 23), without / with a leading zero
//   n, nn       minutes; s, ss  seconds
// Every other character that is not a letter is written as it stands. Other letters or group
// lengths are a mistake of the caller: std::invalid_argument.
#pragma once

#include "platform/runtime/date.h"

#include <string>
#include <string_view>

namespace runtime {

std::string FormatDate(const Date& date, std::string_view pattern);

} // namespace runtime
