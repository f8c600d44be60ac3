// Small text procedures shared by the windows.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// The text before the first NUL; empty when the text holds no NUL or begins with one.
std::string StripNull(std::string_view text);

// The text without blanks and the characters `@~#$%^&*()+-={}[]|\/?><.:'" (comma, semicolon,
// underscore and "!" stay), cut to 255 characters; `empty` tells whether nothing is left.
std::string RemoveSpecialChars(std::string_view text, bool& empty);

// The text with the first occurrence of `find` (case-sensitive) replaced.
std::string ReplaceFirst(std::string_view text, std::string_view find,
                         std::string_view replacement);

// "Last, First Middle", leaving out the empty parts and their separators ("Smith, John Q";
// a first name alone gives " John").
std::string FormatFullName(std::string_view first, std::string_view middle, std::string_view last);

} // namespace ui
