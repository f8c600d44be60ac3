#include "program/report/compose/src/logo_placement.h"

#include <gtest/gtest.h>

namespace {

using namespace compose;

TEST(LogoPlacement, ReadsFourNumbersOrNamesTheFault) {
    struct Case {
        const char* text;
        std::int32_t left, height, width; // read
        const char* error;                // or refused
    };
    const Case kCases[] = {
        {"0, 0, 1440, 0", 0, 1440, 0, ""},
        {"1\r\n2000\r\n720\r\n900", 2000, 720, 900, ""},
        {"5 -100,,300\t400 99", -100, 300, 400, ""},
        {"0,1.5,2.5,x", 2, 2, 0, ""},
        {"0, 0, 1440", 0, 0, 0, "it holds 3 of its 4 numbers"},
        {"", 0, 0, 0, "it holds 0 of its 4 numbers"},
        {"0,0,99999999999,0", 0, 0, 0, "its number 3 is out of range"},
    };
    for (const Case& testCase : kCases) {
        SCOPED_TRACE(testCase.text);
        const LogoPlacementRead read = ReadLogoPlacement(testCase.text);
        EXPECT_EQ(read.error, testCase.error);
        if (*testCase.error == '\0') {
            ASSERT_TRUE(read.placement.has_value());
            EXPECT_EQ(read.placement->left, testCase.left);
            EXPECT_EQ(read.placement->height, testCase.height);
            EXPECT_EQ(read.placement->width, testCase.width);
        } else {
            EXPECT_FALSE(read.placement.has_value());
        }
    }
}

} // namespace
