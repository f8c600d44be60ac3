// Amounts as text and back, and through a dialog's controls.
#include "family/util/tests/host_windows.h"
#include "family/util/umbrant.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

std::string AmountText(double value, int withCents) {
    char text[420];
    std::memset(text, '#', sizeof text);
    _UtilDouble2String(text, value, withCents);
    return text;
}

TEST(Amounts, TextsWithThousandsSeparators) {
    struct Case {
        double value;
        int withCents;
        const char* expected;
    };
    const Case cases[] = {
        {1234.567, 0, "1,234"},
        {1234.567, 1, "1,234.57"},
        {0.999, 0, "1"},
        {0.999, 1, "1.00"},
        {-0.004, 1, "0.00"},
        {-0.004, 0, "0"},
        {1000000, 0, "1,000,000"},
        {-1234.5, 1, "-1,234.50"},
        {999.996, 0, "1,000"},
        {0, 1, "0.00"},
        {100, 0x100, "100"},
        {123456789.125, 0x101, "123,456,789.13"},
        // Negative amounts of at least a cent keep their sign even when no digit shows.
        {-0.5, 0, "-0"},
        {-0.01, 1, "-0.01"},
        {std::numeric_limits<double>::quiet_NaN(), 1, "0"},
        {std::numeric_limits<double>::infinity(), 1, "0"},
        {-std::numeric_limits<double>::infinity(), 0, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " " << c.withCents);
        EXPECT_EQ(AmountText(c.value, c.withCents), c.expected);
    }
}

TEST(Amounts, TheLargestFiniteValuesFitTheirBuffer) {
    const std::string text = AmountText(-DBL_MAX, 1);
    EXPECT_EQ(text.size(), 1 + 309 + 102 + 3);
    EXPECT_EQ(text.substr(0, 8), "-179,769");
}

TEST(Amounts, ParsesAmountTexts) {
    struct Case {
        const char* text;
        int allowDecimals;
        int result;
        double expected;
    };
    const Case cases[] = {
        {"1,234.56", 1, 0, 1234.56}, {"12.345", 1, 1, 0},    {"  -7", 1, 0, -7},
        {"12.5", 0, 0, 12},          {"12.5", 0x100, 0, 12}, {"   ", 1, 0, 0},
        {"1 000", 1, 1, 0},          {"", 1, 1, 0},          {"+5", 1, 0, 5},
        {"1,,2,", 1, 0, 12},         {"12.", 1, 0, 12},      {"12.3x", 1, 1, 0},
        {".5", 1, 0, 0.5},           {"-", 1, 0, 0},         {"1e5", 1, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        double value = 99;
        EXPECT_EQ(_UtilString2Double(&value, c.text, c.allowDecimals), c.result);
        EXPECT_DOUBLE_EQ(value, c.expected);
    }
}

TEST(Amounts, DialogControlsHoldTheText) {
    const ScopedHostWindows host;
    const HWND dialog = TestWindow(3);
    EXPECT_EQ(_UtilSetDlgItemDouble(dialog, 101, 1234.5, 1), TRUE);
    EXPECT_EQ((TestHost().controlTexts[{dialog, 101}]), "1,234.50");
    EXPECT_EQ(_UtilSetDlgItemDouble(dialog, 102, -DBL_MAX, 1), TRUE);
    EXPECT_EQ((TestHost().controlTexts[{dialog, 102}].size()), 415U);

    int valid = -1;
    EXPECT_DOUBLE_EQ(_UtilGetDlgItemDouble(dialog, 101, &valid, 1), 1234.5);
    EXPECT_EQ(valid, 1);
    TestHost().controlTexts[{dialog, 103}] = "12.345";
    EXPECT_DOUBLE_EQ(_UtilGetDlgItemDouble(dialog, 103, &valid, 1), 0);
    EXPECT_EQ(valid, 0);
    // Only the first 99 characters are read: the tail that makes the text invalid is not seen.
    TestHost().controlTexts[{dialog, 104}] = std::string(99, '1') + "x";
    _UtilGetDlgItemDouble(dialog, 104, &valid, 1);
    EXPECT_EQ(valid, 1);
}

} // namespace
