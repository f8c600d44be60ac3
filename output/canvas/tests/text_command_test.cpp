// The number forms and command words of canvas text.
#include "output/canvas/text_command.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace output;

TEST(TextNumbers, IntegersAndRelativeValues) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    struct Case {
        const char* text;
        std::int32_t base;
        std::int32_t integer;  // ReadInteger(text)
        std::int32_t relative; // ReadRelative(text, base)
    };
    const Case cases[] = {
        {"42", 100, 42, 42},
        {"  -7x", 100, -7, -7},
        {"+720", 1000, 720, 1720},
        {"-720", 1000, -720, 280},
        {"--5", 10, 0, 15},
        {"abc", 10, 0, 0},
        {"", 10, 0, 0},
        {"99999999999", 0, kMax, kMax},
        {"-99999999999", 0, kMin, kMin + 1},
        {"+1", kMax, 1, kMax},
        {"-1", kMin, -1, kMin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadInteger(c.text), c.integer);
        EXPECT_EQ(ReadRelative(c.text, c.base), c.relative);
    }
}

TEST(TextNumbers, PointListsSkipPairsThatDoNotSplitInTwo) {
    EXPECT_EQ(ReadPointList("10:20|30:40|50:60"),
              (std::vector<CanvasPoint>{{10, 20}, {30, 40}, {50, 60}}));
    EXPECT_EQ(ReadPointList("1:2|3|4:5:6||7:8"), (std::vector<CanvasPoint>{{1, 2}, {7, 8}}));
    // Coordinates are kept as unsigned 16-bit values.
    EXPECT_EQ(ReadPointList("-1:65536"), (std::vector<CanvasPoint>{{65535, 0}}));
    EXPECT_TRUE(ReadPointList("").empty());
}

TEST(TextCommands, WordsThatAreCommands) {
    struct Case {
        const char* word;
        bool command;
        TextKeyword keyword;
        std::size_t arguments;
    };
    const Case cases[] = {
        {"{NEWPAGE}", true, TextKeyword::NewPage, 0},
        {"{fontSize,100}", true, TextKeyword::FontSize, 1},
        {"{colorOfText,1,2}", true, TextKeyword::ColorOfText, 2},
        {"{LINE,+0,-5,,,}", true, TextKeyword::Line, 5},
        {"{UNKNOWN,1}", false, {}, 0},
        {"{}", false, {}, 0},
        {"{", false, {}, 0},
        {"NEWPAGE}", false, {}, 0},
        {"{NEWPAGE", false, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        std::optional<TextCommand> command = ParseTextCommand(c.word);
        ASSERT_EQ(command.has_value(), c.command);
        if (command) {
            EXPECT_EQ(command->keyword, c.keyword);
            EXPECT_EQ(command->arguments.size(), c.arguments);
        }
    }
    EXPECT_TRUE(ReadFlag("True"));
    EXPECT_FALSE(ReadFlag("1"));
}

} // namespace
