// Helpers on the system's stored text: single-byte Windows-1252 held in std::string.
#pragma once

#include <string>
#include <string_view>

namespace runtime {

// The text without the blanks (" ") at its start and end; tabs and other characters stay, as
// the runtime's Trim leaves them.
std::string Trim(std::string_view text);

// The text in capitals: "a" to "z" and the Windows-1252 letters that have a capital ("é" to
// "É", "š" to "Š", "œ" to "Œ", "ž" to "Ž", "ÿ" to "Ÿ"); "ß", "µ" and every other byte stay.
std::string UpperCase(std::string_view text);

} // namespace runtime
