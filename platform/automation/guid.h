// Globally unique identifiers of classes, interfaces and type libraries.
//
// Text form: 32 hexadecimal digits in groups of 8-4-4-4-12, optionally inside braces, digits in
// either case ("{8F12DD4E-08FB-11D6-9EFA-00105AE53874}"). The first three groups are numbers;
// the last two are eight bytes in the order written.
#pragma once

#include "platform/automation/export.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];

    friend constexpr bool operator==(const GUID&, const GUID&) = default;
};

using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

namespace automation {

// Reads a GUID in text form; nothing when the text is anything else.
constexpr std::optional<GUID> ParseGuid(std::string_view text) {
    if (text.size() == 38 && text.front() == '{' && text.back() == '}') {
        text = text.substr(1, 36);
    }
    if (text.size() != 36) {
        return std::nullopt;
    }
    std::uint8_t bytes[16] = {};
    std::size_t byte = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (text[i] != '-') {
                return std::nullopt;
            }
            ++i;
            continue;
        }
        int pair = 0;
        for (int half = 0; half < 2; ++half, ++i) {
            const char c = text[i];
            int digit = -1;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            }
            if (digit < 0) {
                return std::nullopt;
            }
            pair = pair * 16 + digit;
        }
        bytes[byte++] = static_cast<std::uint8_t>(pair);
    }
    GUID guid{};
    guid.Data1 = static_cast<std::uint32_t>(bytes[0]) << 24 |
                 static_cast<std::uint32_t>(bytes[1]) << 16 |
                 static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
    guid.Data2 = static_cast<std::uint16_t>(bytes[4] << 8 | bytes[5]);
    guid.Data3 = static_cast<std::uint16_t>(bytes[6] << 8 | bytes[7]);
    for (int i = 0; i < 8; ++i) {
        guid.Data4[i] = bytes[8 + i];
    }
    return guid;
}

// A GUID written in the source, checked when the program is compiled:
// GuidLiteral("8F12DD4E-08FB-11D6-9EFA-00105AE53874").
consteval GUID GuidLiteral(std::string_view text) {
    const auto guid = ParseGuid(text);
    if (!guid) {
        throw "malformed GUID literal";
    }
    return *guid;
}

// The text form in braces with upper-case digits, as the registry holds it.
TALLOWMERE_AUTOMATION_EXPORT std::string GuidText(const GUID& guid);

} // namespace automation
