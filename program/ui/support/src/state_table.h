// The fixed table of the 50 states, the District of Columbia and Puerto Rico (52 rows, index 0
// to 51, alphabetical by name with Puerto Rico last): codes, indices and names.
#pragma once

#include <string>
#include <string_view>

namespace ui {

inline constexpr int kStateCount = 52;

// With a non-empty `code`: upper-cases it in place and returns its row index as text ("0" for
// "AL"), or "99" when no row has it. With an empty `code`: reads `indexText` as a whole number
// (leading-number rule, rounded) and returns that row's code, or "XX" above 51.
std::string StateCodeLookup(std::string& code, std::string_view indexText);

// The state's full name for its exact (upper-case) code, or "Error".
std::string StateName(std::string_view code);

} // namespace ui
