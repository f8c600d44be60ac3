#include "platform/automation/text.h"

#include <array>
#include <limits>

namespace automation {

namespace {

// UTF-16 of the bytes 0x80 to 0x9F. The five bytes Windows-1252 leaves unassigned map to the
// control characters of the same number, so that every byte survives a round trip.
constexpr std::array<char16_t, 32> highControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t CharacterOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return highControlRange[byte - 0x80];
    }
    return byte;
}

char ByteOfCharacter(char16_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(character);
    }
    for (std::size_t i = 0; i < highControlRange.size(); ++i) {
        if (highControlRange[i] == character) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

} // namespace

BSTR BstrFromText(std::string_view text) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max() / sizeof(OLECHAR)) {
        return nullptr;
    }
    BSTR result = SysAllocStringLen(nullptr, static_cast<std::uint32_t>(text.size()));
    if (result == nullptr) {
        return nullptr;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        result[i] = CharacterOfByte(static_cast<unsigned char>(text[i]));
    }
    return result;
}

std::string TextFromBstr(BSTR text) {
    const std::uint32_t length = SysStringLen(text);
    std::string result;
    result.reserve(length);
    for (std::uint32_t i = 0; i < length; ++i) {
        const char16_t character = text[i];
        result += ByteOfCharacter(character);
        // A character outside the basic plane is a pair of code units but one "?".
        const bool highSurrogate = character >= 0xD800 && character <= 0xDBFF;
        if (highSurrogate && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;
        }
    }
    return result;
}

} // namespace automation
