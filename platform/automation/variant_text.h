// This platform's conversions between VARIANT values and text, with fixed rules that do not
// depend on the locale: the decimal point is always ".", there are no thousands separators, and
// dates are written month/day/year.
#pragma once

#include "platform/automation/variant.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace automation {

// The text of a value, following a by-reference value to what it points at:
//   empty                        ""
//   16/32-bit integer, byte      decimal ("-12")
//   single, double               the shortest text that reads back as the same value ("0.1",
//                                "2", "1E+20")
//   currency                     decimal with up to four decimals, trailing zeros dropped
//   Boolean                      "-1" for true, "0" for false
//   date                         "M/D/YYYY", then " h:mm:ss AM" or " PM" when it has a time of day;
//                                the time alone when the day is 0 (30 December 1899)
//   text                         the text in Windows-1252
// Nothing for null, error codes, objects and malformed values.
TALLOWMERE_AUTOMATION_EXPORT std::optional<std::string> VariantText(const VARIANT& value);

// The shortest text that reads back as exactly `value`.
TALLOWMERE_AUTOMATION_EXPORT std::string ShortestText(float value);
TALLOWMERE_AUTOMATION_EXPORT std::string ShortestText(double value);

// Reads a whole number at the start of `text`: leading blanks, an optional sign, digits; the first
// other byte ends it. No digits give 0; a number beyond the 32-bit range gives the nearest end of
// the range.
TALLOWMERE_AUTOMATION_EXPORT std::int32_t ReadInteger(std::string_view text);

// Reads a decimal number at the start of `text`: leading blanks, an optional sign, digits with
// an optional "." and fraction, an optional exponent ("E-3"). No number gives 0.0; a number too
// large gives an infinity.
TALLOWMERE_AUTOMATION_EXPORT double ReadReal(std::string_view text);

// `value` truncated toward zero and held to the 32-bit range; NaN gives 0.
TALLOWMERE_AUTOMATION_EXPORT std::int32_t SaturatedInteger(double value);

} // namespace automation
