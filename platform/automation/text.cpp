#include "platform/automation/text.h"

#include "platform/runtime/windows1252.h"

#include <limits>

namespace automation {

BSTR BstrFromText(std::string_view text) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max() / sizeof(OLECHAR)) {
        return nullptr;
    }
    BSTR result = SysAllocStringLen(nullptr, static_cast<std::uint32_t>(text.size()));
    if (result == nullptr) {
        return nullptr;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        // ASCII is the same code in both; only the other bytes are looked up.
        const auto byte = static_cast<unsigned char>(text[i]);
        result[i] = byte < 0x80 ? static_cast<char16_t>(byte)
                                : static_cast<char16_t>(runtime::Windows1252Character(byte));
    }
    return result;
}

std::string TextFromBstr(BSTR text) {
    const std::uint32_t length = SysStringLen(text);
    std::string result;
    result.reserve(length);
    for (std::uint32_t i = 0; i < length; ++i) {
        const char16_t character = text[i];
        result +=
            character < 0x80 ? static_cast<char>(character) : runtime::Windows1252Byte(character);
        // A character outside the basic plane is a pair of code units but one "?".
        const bool highSurrogate = character >= 0xD800 && character <= 0xDBFF;
        if (highSurrogate && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;
        }
    }
    return result;
}

} // namespace automation
