// Reading numbers out of texts, the two ways the original runtime does it: the leading-number
// rule that reads whatever number a text starts with, and the strict conversion of a whole
// text that accepts the money forms the program itself writes ("$1,234.50", "$-5").
#pragma once

#include <optional>
#include <string_view>

namespace runtime {

// The leading-number rule (the runtime's Val). Blanks, tabs and line feeds are ignored wherever
// they stand; then the longest leading number is read: an optional sign, digits with at most one
// decimal point, and an optional exponent ("E" or "e", an optional sign, digits). Reading stops
// at the first character that cannot continue the number, so "1,234.50" reads as 1 and "12abc"
// as 12; a text without a number ("", "abc", "-", ".") reads as 0. An exponent marker without
// digits is not part of the number ("1e" reads as 1).
// Throws RuntimeError Overflow when the number is beyond the range of a double; a number too
// small to represent reads as 0. Locale-independent: the decimal point is always ".".
double Val(std::string_view text);

// The strict conversion of a whole text to a number (the runtime's conversion of a text that
// must be a number, as when a money field is shown for editing). Accepted, with blanks and tabs
// around it: an optional sign and an optional "$" in either order ("-$5", "$-5"), digits in
// which "," may stand anywhere after the first digit before the decimal point and is ignored
// ("1,234" and "1,2,34" are 1234), an optional decimal point with digits before or after it,
// and an optional exponent with digits. Anything else, an empty or blank text included, is not
// a number: the result is empty.
// Throws RuntimeError Overflow when the number is beyond the range of a double.
std::optional<double> ParseNumber(std::string_view text);

} // namespace runtime
