// The runtime's Format for numbers: a value written through a digit pattern such as
// "##,###,##0.00". Locale-independent: "," always groups thousands and "." is always the point.
//
// Pattern grammar (anything else is a mistake of the caller, std::invalid_argument):
//   integer part   "#", "0" and "," ; each "0" is a digit always written (so "#0" writes at
//                  least one digit and "##.0" writes .5 without a zero), "#" a digit written
//                  only when the number has it; a "," between two of them groups the digits
//                  by thousands.
//   fraction part  optional: "." followed by "0" (decimals always written) and "#" (decimals
//                  written only when not zero); the number of both is the most decimals.
//
// Display rounding: the value is first seen as the runtime sees it, 15 significant digits for
// a double and 7 for a single, and that decimal value is rounded to the pattern's decimals with
// a half going away from zero: 0.125 with "#0.00" gives 0.13, 2.675 gives 2.68, -2.5 with "#0"
// gives -3 (unlike Round and the whole-number conversions, which round halves to even).
//
// A negative value keeps its "-" in front unless it rounds to zero (-0.001 with "#0.00" gives
// 0.00). A pattern with a point whose decimals all come out empty keeps its point, as the
// runtime writes it: 5 with "###,##0.#######" gives "5.".
#pragma once

#include <concepts>
#include <string>
#include <string_view>

namespace runtime {

std::string Format(double value, std::string_view pattern);
std::string Format(float value, std::string_view pattern);

template <std::integral T>
requires(!std::same_as<T, bool>) std::string Format(T value, std::string_view pattern) {
    return Format(static_cast<double>(value), pattern);
}

// The runtime's Format of a text: a text that is a number by ParseNumber ("$1,234", "4.5") is
// formatted as that number; any other text, an empty one included, comes back unchanged.
std::string Format(std::string_view text, std::string_view pattern);

} // namespace runtime
