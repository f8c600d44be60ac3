#include "platform/automation/bstr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(Bstr, KeepsBytesLengthAndTerminator) {
    struct Case {
        const char* bytes;
        std::uint32_t length;
    };
    const Case cases[] = {
        {"", 0},
        {"07/01/1999", 10},
        {"odd", 3},
        {"with\0zero", 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.bytes, c.length));
        BSTR text = SysAllocStringByteLen(c.bytes, c.length);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(SysStringByteLen(text), c.length);
        const auto* stored = reinterpret_cast<const char*>(text);
        EXPECT_EQ(std::memcmp(stored, c.bytes, c.length), 0);
        EXPECT_EQ(stored[c.length], '\0');
        EXPECT_EQ(stored[c.length + 1], '\0');
        SysFreeString(text);
    }
}

TEST(Bstr, NullSourceGivesZeroedText) {
    BSTR text = SysAllocStringByteLen(nullptr, 4);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringByteLen(text), 4u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(text), 4), std::string(4, '\0'));
    SysFreeString(text);
}

TEST(Bstr, NullBstrIsEmptyAndFreeable) {
    EXPECT_EQ(SysStringByteLen(nullptr), 0u);
    SysFreeString(nullptr);
}

TEST(Bstr, RefusesLengthThatOverflowsThePrefix) {
    EXPECT_EQ(SysAllocStringByteLen(nullptr, 0xFFFFFFFFu), nullptr);
}

} // namespace
