// Internal to program/store: number texts as a record stores them.
#pragma once

#include <string>
#include <string_view>

namespace store {

// The text without its blanks, "$", "%" and ",": "$1,234,567" gives "1234567". Points, minus
// signs, digits and letters stay.
std::string PlainNumberText(std::string_view text);

} // namespace store
