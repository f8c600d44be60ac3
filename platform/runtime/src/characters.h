// Internal to platform/runtime: the character classes the text readers share. Only ASCII
// counts; stored text is Windows-1252, whose other bytes are never digits, blanks or the
// letters of a month's name.
#pragma once

#include <string_view>

namespace runtime {

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

inline bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline char ToLowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// The text without the blanks and tabs around it.
inline std::string_view TrimBlanksAndTabs(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace runtime
