#include "platform/runtime/windows1252.h"

#include <array>
#include <cstdint>

namespace runtime {
namespace {

// The characters of the bytes 0x80 to 0x9F; the bytes 0xA0 to 0xFF are U+00A0 to U+00FF and
// the undefined bytes stand for the control characters of the same value.
constexpr std::array<char32_t, 32> kBytes80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// One UTF-8 sequence read at the start of `text`: the character and the bytes it took; for a
// malformed sequence `valid` is false and `length` counts the bytes of its valid start (at
// least one), which are skipped together.
struct Decoded {
    bool valid;
    char32_t character;
    std::size_t length;
};

Decoded DecodeOne(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) {
        return {true, lead, 1};
    }
    std::size_t length = 0;
    char32_t character = 0;
    // The range of the first continuation byte rules out overlong forms, surrogates and values
    // beyond U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        character = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        character = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        character = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {false, 0, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= text.size()) {
            return {false, 0, i};
        }
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < low || byte > high) {
            return {false, 0, i};
        }
        low = 0x80;
        high = 0xBF;
        character = (character << 6) | (byte & 0x3F);
    }
    return {true, character, length};
}

} // namespace

char32_t Windows1252Character(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kBytes80To9F[byte - 0x80] : byte;
}

char Windows1252Byte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(character);
    }
    for (std::size_t i = 0; i < kBytes80To9F.size(); ++i) {
        if (kBytes80To9F[i] == character) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        AppendUtf8(out, Windows1252Character(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const Decoded decoded = DecodeOne(text);
        out += decoded.valid ? Windows1252Byte(decoded.character) : '?';
        text.remove_prefix(decoded.length);
    }
    return out;
}

} // namespace runtime
