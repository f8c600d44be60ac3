#include "platform/runtime/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Windows1252, ConvertsToUtf8) {
    struct Case {
        std::string text;
        std::string utf8;
    };
    const Case cases[] = {
        {"", ""},
        {"Plan 401(k)", "Plan 401(k)"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"\x80", "\u20AC"}, // euro sign
        {"\x85", "\u2026"}, // ellipsis
        {"\x93Q\x94", "\u201CQ\u201D"},
        {"\x99", "\u2122"}, // trade mark
        {"\x9F", "\u0178"}, // Y with diaeresis
        {"\xA0", "\u00A0"},
        {"\xE9", "\u00E9"},
        {"\xFF", "\u00FF"},
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"}, // undefined in 1252
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(runtime::Windows1252ToUtf8(c.text), c.utf8);
        EXPECT_EQ(runtime::Utf8ToWindows1252(c.utf8), c.text);
    }
}

TEST(Windows1252, EveryByteComesBackUnchanged) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    EXPECT_EQ(runtime::Utf8ToWindows1252(runtime::Windows1252ToUtf8(all)), all);
}

TEST(Windows1252, ReplacesWhatItCannotHold) {
    struct Case {
        const char* utf8;
        const char* expected;
    };
    const Case cases[] = {
        {"\u4E2D", "?"},         // a character without a 1252 byte
        {"a\U0001F600b", "a?b"}, // beyond the basic plane
        {"\u0080", "?"},         // a control character 1252 does not hold
        {"\xC3", "?"},           // cut short at the end
        {"\xC3x", "?x"},         // cut short before an ASCII byte
        {"\xE2\x82", "?"},       // a three-byte sequence cut short: one "?"
        {"\xE2\x82x", "?x"},
        {"\x80", "?"}, // stray continuation byte
        {"\xBF\xBF", "??"},
        {"\xC0\xAF", "??"},           // overlong "/"
        {"\xE0\x80\xAF", "???"},      // overlong "/"
        {"\xED\xA0\x80", "???"},      // surrogate
        {"\xF4\x90\x80\x80", "????"}, // beyond U+10FFFF
        {"\xF5\x80", "??"},
        {"\xFF", "?"},
        {"\xC3\xA9\xE2\x82\xAC", "\xE9\x80"}, // valid "é€" still converts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(runtime::Utf8ToWindows1252(c.utf8), c.expected);
    }
}

} // namespace
