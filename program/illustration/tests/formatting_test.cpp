#include "program/illustration/formatting.h"

#include <gtest/gtest.h>

namespace {

using namespace illustration;

TEST(FormattingTest, CleanNumberRemovesBlanksDollarsPercentsAndCommas) {
    struct Case {
        std::string text;
        std::string cleaned;
    };
    const Case cases[] = {
        {"$1,234.50", "1234.50"}, {"4.00 %", "4.00"},  {"", ""},
        {"-1,000", "-1000"},      {" $ 1 , 0 ", "10"}, {"12abc.-", "12abc.-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string text = c.text;
        EXPECT_EQ(CleanNumber(text), c.cleaned);
        EXPECT_EQ(text, c.cleaned);
    }
}

TEST(FormattingTest, DollarsAndAmounts) {
    struct Case {
        const char* text;
        const char* dollars;
        const char* amount;
    };
    const Case cases[] = {
        {"1234.5", "$1,234.50", "1,234.50"},
        {"1234", "$1,234", "1,234"},
        {"", "$0", "0"},
        {"1234.", "$1,234.00", "1,234.00"},
        {"1,234.50", "$1.00", "1.00"}, // uncleaned: the comma ends the number
        {"-5", "$-5", "-5"},
        {"100000", "$100,000", "100,000"},
        {"0.125", "$0.13", "0.13"},
        {"12345678901", "$12,345,678,901", "12,345,678,901"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatDollars(c.text), c.dollars);
        EXPECT_EQ(FormatAmount(c.text), c.amount);
    }
}

TEST(FormattingTest, Dates) {
    EXPECT_EQ(FormatLongDate("12/31/2010"), "December 31, 2010");
    EXPECT_EQ(FormatLongDate("04/01/2011"), "April 1, 2011");
    EXPECT_EQ(FormatLongDate("3/5/1940"), "March 5, 1940");
    EXPECT_EQ(FormatDateText("3/5/1940", "MM/DD/YYYY"), "03/05/1940");
    EXPECT_EQ(FormatDateText("not a date", "MM/DD/YYYY"), "not a date");
    EXPECT_EQ(FormatLongDate(""), "");
}

} // namespace
