// Internal to platform/system: cutting blanks from the ends of a text. Each caller names the set
// of characters that count as blanks for its format.
#pragma once

#include <string_view>

namespace sys {

// The blanks around names and values in profile (INI) files and the settings store.
inline constexpr std::string_view kProfileBlanks = " \t";

// `text` without the characters of `blanks` at its start and end.
constexpr std::string_view Trim(std::string_view text, std::string_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// `text` without the characters of `blanks` at its end.
constexpr std::string_view TrimEnd(std::string_view text, std::string_view blanks) {
    const auto last = text.find_last_not_of(blanks);
    return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

} // namespace sys
