// Conversion between the system's single-byte Windows-1252 text and UTF-8, for the edges that
// need UTF-8 (the window toolkit, the PDF and image text).
//
// The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the
// control characters U+0081, U+008D, U+008F, U+0090 and U+009D, as Windows converts them, so
// every byte string comes back unchanged through UTF-8 and back.
#pragma once

#include <string>
#include <string_view>

namespace runtime {

// The Unicode character that a Windows-1252 byte stands for.
char32_t Windows1252Character(unsigned char byte);

// The Windows-1252 byte of a Unicode character, or "?" when the code page has none.
char Windows1252Byte(char32_t character);

std::string Windows1252ToUtf8(std::string_view text);

// Each character that Windows-1252 cannot hold becomes "?", and so does each malformed UTF-8
// sequence (a stray continuation byte, a sequence cut short, an overlong form, a surrogate, a
// value beyond U+10FFFF), one "?" for the longest start of a valid sequence that it holds.
std::string Utf8ToWindows1252(std::string_view text);

} // namespace runtime
