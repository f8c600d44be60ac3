// Pieces of PDF syntax: strings, decimals and integers written the same in every locale.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace output {

// A literal string's inside: "\", "(" and ")" escaped, bytes outside 32..126 as three octal
// digits.
inline std::string PdfEscape(std::string_view text) {
    std::string out;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '(' || c == ')') {
            out += '\\';
            out += c;
        } else if (byte < 32 || byte > 126) {
            out += '\\';
            out += static_cast<char>('0' + (byte >> 6));
            out += static_cast<char>('0' + ((byte >> 3) & 7));
            out += static_cast<char>('0' + (byte & 7));
        } else {
            out += c;
        }
    }
    return out;
}

// `value` in fixed point with `decimals` decimals.
inline std::string PdfDecimal(double value, int decimals) {
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return error == std::errc{} ? std::string(buffer, end) : std::string("0");
}

} // namespace output
