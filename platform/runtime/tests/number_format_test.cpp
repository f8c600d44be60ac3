#include "platform/runtime/number_format.h"

#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace {

// Every pattern the program uses, with display rounding: the 15-digit decimal value, halves
// away from zero.
TEST(NumberFormat, WritesThePatternsOfTheProgram) {
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {1234.5, "##,###,##0.00", "1,234.50"},
        {0.0, "##,###,##0.00", "0.00"},
        {-5.0, "##,###,##0.00", "-5.00"},
        {0.125, "##,###,##0.00", "0.13"},
        {2.675, "##,###,##0.00", "2.68"},
        {0.005, "##,###,##0.00", "0.01"},
        {-0.005, "##,###,##0.00", "-0.01"},
        {-0.004, "##,###,##0.00", "0.00"},
        {999.995, "##,###,##0.00", "1,000.00"},
        {1234567.891, "##,###,##0.00", "1,234,567.89"},
        {1e12, "##,###,##0.00", "1,000,000,000,000.00"},
        {1234.0, "##,###,##0", "1,234"},
        {1234.5, "##,###,##0", "1,235"},
        {2.5, "##,###,##0", "3"},
        {-2.5, "##,###,##0", "-3"},
        {0.4, "##,###,##0", "0"},
        {100000.0, "##,###,##0", "100,000"},
        {999999.5, "##,###,##0", "1,000,000"},
        {-1234567.0, "##,###,##0", "-1,234,567"},
        {117647.1, "###,##0.00", "117,647.10"},
        {5882.35, "###,##0.00", "5,882.35"},
        {0.0, "###,##0.00", "0.00"},
        {27.4, "##.0", "27.4"},
        {17.0, "##.0", "17.0"},
        {1.0, "##.0", "1.0"},
        {0.5, "##.0", ".5"},
        {0.04, "##.0", ".0"},
        {0.25, "##.0", ".3"},
        {35.95, "##.0", "36.0"},
        {123.45, "##.0", "123.5"},
        {4.5, "#0.00", "4.50"},
        {6.0, "#0.00", "6.00"},
        {0.0, "#0.00", "0.00"},
        {12.005, "#0.00", "12.01"},
        {-1.0, "#0.00", "-1.00"},
        {950.0, "#########0", "950"},
        {1234.56, "#########0", "1235"},
        {1233.5, "#########0", "1234"},
        {0.0, "#########0", "0"},
        {12345678901.0, "#########0", "12345678901"},
        {1234.5, "###,##0.#######", "1,234.5"},
        {0.12345678, "###,##0.#######", "0.1234568"},
        {1234567.1234567, "###,##0.#######", "1,234,567.1234567"},
        {5.0, "###,##0.#######", "5."},
        {20500.0, "####0", "20500"},
        {5000.5, "####0", "5001"},
        {20500.0, "##,##0", "20,500"},
        {3500.0, "##,##0", "3,500"},
        {999.0, "##,##0", "999"},
        {123456789012345678.0, "#0", "123456789012346000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " with " << c.pattern);
        EXPECT_EQ(runtime::Format(c.value, c.pattern), c.expected);
    }
}

// A single is seen with 7 significant digits before it is rounded for display: 0.35f is
// 0.3499999940... in binary but 0.35 to the runtime.
TEST(NumberFormat, SeesSinglesWithSevenDigits) {
    EXPECT_EQ(runtime::Format(0.35f, "#0.0"), "0.4");
    EXPECT_EQ(runtime::Format(static_cast<double>(0.35f), "#0.0"), "0.3");
    EXPECT_EQ(runtime::Format(27.4f, "##.0"), "27.4");
    EXPECT_EQ(runtime::Format(5882.35f, "###,##0.00"), "5,882.35");
    EXPECT_EQ(runtime::Format(5, "#0.00"), "5.00");
}

TEST(NumberFormat, FormatsTextsThatAreNumbers) {
    struct Case {
        const char* text;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"$1,234", "#########0", "1234"},
        {"1234.56", "#########0", "1235"},
        {"$-5", "##,###,##0", "-5"},
        {"4.5", "#0.00", "4.50"},
        {" 117647.1", "###,##0.00", "117,647.10"},
        {"", "#########0", ""},
        {"   ", "#0.00", "   "},
        {"abc", "#0.00", "abc"},
        {"6.00%", "#0.00", "6.00%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.text << "\" with " << c.pattern);
        EXPECT_EQ(runtime::Format(std::string_view(c.text), c.pattern), c.expected);
    }
}

TEST(NumberFormat, RefusesPatternsItDoesNotKnow) {
    for (const char* pattern : {"0.0%", ",##0", "##0,", "#,,#", "abc", "#.#.#", "$#,##0"}) {
        SCOPED_TRACE(pattern);
        EXPECT_THROW(runtime::Format(1.0, pattern), std::invalid_argument);
        EXPECT_THROW(runtime::Format(std::string_view("1"), pattern), std::invalid_argument);
    }
    testkit::ExpectRuntimeError(runtime::ErrorNumber::Overflow, [] {
        runtime::Format(std::numeric_limits<double>::infinity(), "#0");
    });
}

} // namespace
