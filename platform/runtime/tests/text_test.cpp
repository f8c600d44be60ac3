#include "platform/runtime/text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Text, TrimRemovesBlanksOnly) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""},
        {"   ", ""},
        {"  Ann  ", "Ann"},
        {"Ann B. Lee", "Ann B. Lee"},
        {" a  b ", "a  b"},
        {"\tAnn\t", "\tAnn\t"},
        {" \tAnn\n ", "\tAnn\n"},
        {std::string(" x\0y ", 5), std::string("x\0y", 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_EQ(runtime::Trim(c.text), c.expected);
    }
}

// Windows-1252 bytes: é E9/C9, š 9A/8A, œ 9C/8C, ž 9E/8E, ÿ FF/9F, ß DF, µ B5, ÷ F7, × D7.
TEST(Text, UpperCaseKnowsTheWindows1252Letters) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""},
        {"ny", "NY"},
        {"Smith, John q.", "SMITH, JOHN Q."},
        {"abc xyz 123 {|}", "ABC XYZ 123 {|}"},
        {"\xE9\xE0\xFE", "\xC9\xC0\xDE"},
        {"\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"},
        {"\xDF\xB5\xF7\xD7", "\xDF\xB5\xF7\xD7"},
        {"\xC9\x8A", "\xC9\x8A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_EQ(runtime::UpperCase(c.text), c.expected);
    }
}

} // namespace
