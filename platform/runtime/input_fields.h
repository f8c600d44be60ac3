// Numbers read from a text as free-format fields, the way the runtime's Input statement fills
// whole-number variables from a text file (a logo's placement file holds four such numbers).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace runtime {

// The first `count` fields of the text as 32-bit whole numbers. A field starts after any
// blanks, tabs and line breaks and ends at a comma, blank, tab or line break; one comma or line
// break after it (blanks before that allowed) closes it, so "1,,2" holds the fields 1, an empty
// field and 2. Each field is read by the leading-number rule (Val: an empty or non-numeric
// field is 0) and rounded to a whole number, halves to even.
// Throws RuntimeError InputPastEndOfFile when the text holds fewer fields, and Overflow for a
// number outside the 32-bit range.
std::vector<std::int32_t> InputIntegers(std::string_view text, std::size_t count);

} // namespace runtime
