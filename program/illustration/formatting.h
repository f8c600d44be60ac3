// The text routines of the illustration fields: cleaning a typed number, and writing amounts and
// dates for the reports.
#pragma once

#include <string>
#include <string_view>

namespace illustration {

// Removes every blank, "$", "%" and "," from `text`, which holds the cleaned text afterwards; the
// result is the cleaned text too. Points, minus signs, digits and letters stay. A pure text
// function: no window event runs while it works.
std::string CleanNumber(std::string& text);

// The number a typed text holds once cleaned: its leading number, 0 when it has none.
double CleanedNumber(std::string text);

// The amount a number text holds, grouped by thousands: with two decimals when the text has a
// point ("##,###,##0.00"), else whole ("##,###,##0"). The text is read by the leading-number
// rule, so a comma ends the number: pass cleaned texts. FormatDollars puts "$" in front, before
// any minus sign: "1234.5" gives "$1,234.50", "" gives "$0", "-5" gives "$-5".
std::string FormatDollars(std::string_view numberText);
std::string FormatAmount(std::string_view numberText);

// A date text written through a date pattern; a text that is not a date comes back unchanged.
std::string FormatDateText(std::string_view dateText, std::string_view pattern);

// The date texts that cross to the factor library: "MM/DD/YYYY".
inline constexpr std::string_view kShortDate = "MM/DD/YYYY";

// A date text as month name, day, comma and year: "04/01/2011" gives "April 1, 2011".
std::string FormatLongDate(std::string_view dateText);

} // namespace illustration
