// Internal to platform/system: cutting blanks from the ends of a text. Each caller names the set
// of characters that count as blanks for its format.
#pragma once

#include <string_view>

namespace sys {

// The blanks around names and values in profile (INI) files and the settings store.
inline constexpr std::string_view kProfileBlanks = " \t";

// Whether `c` is one of `blanks`. A loop, not a library search: sets of blanks are a few
// characters, and profile look-ups test every line's ends.
constexpr bool IsBlank(char c, std::string_view blanks) {
    for (const char blank : blanks) {
        if (c == blank) {
            return true;
        }
    }
    return false;
}

// `text` without the characters of `blanks` at its end.
constexpr std::string_view TrimEnd(std::string_view text, std::string_view blanks) {
    while (!text.empty() && IsBlank(text.back(), blanks)) {
        text.remove_suffix(1);
    }
    return text;
}

// `text` without the characters of `blanks` at its start and end.
constexpr std::string_view Trim(std::string_view text, std::string_view blanks) {
    while (!text.empty() && IsBlank(text.front(), blanks)) {
        text.remove_prefix(1);
    }
    return TrimEnd(text, blanks);
}

} // namespace sys
