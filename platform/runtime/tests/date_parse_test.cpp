#include "platform/runtime/date_parse.h"

#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

namespace {

// Every form the date help text promises ("01/01/1930", "1/1/1930", "1 Jan 1930",
// "January 1, 1930") and the others that are read, then texts that must not be dates.
TEST(DateParse, ReadsTheUsForms) {
    struct Case {
        const char* text;
        int year, month, day;
    };
    const Case cases[] = {
        {"01/01/1930", 1930, 1, 1},     {"1/1/1930", 1930, 1, 1},
        {"1 Jan 1930", 1930, 1, 1},     {"January 1, 1930", 1930, 1, 1},
        {"Jan 1 1930", 1930, 1, 1},     {"Jan 1, 1930", 1930, 1, 1},
        {"january 1,1930", 1930, 1, 1}, {"1-Jan-1930", 1930, 1, 1},
        {"1 JANUARY 1930", 1930, 1, 1}, {"12-31-2010", 2010, 12, 31},
        {"06/15/2005", 2005, 6, 15},    {"6/15/05", 2005, 6, 15},
        {"1/1/29", 2029, 1, 1},         {"1/1/30", 1930, 1, 1},
        {"1/1/99", 1999, 1, 1},         {"1/1/00", 2000, 1, 1},
        {"1930-01-01", 1930, 1, 1},     {"2010-12-31", 2010, 12, 31},
        {"2010/2/3", 2010, 2, 3},       {"  04/01/2011  ", 2011, 4, 1},
        {"\t4/1/2011", 2011, 4, 1},     {"02/29/2000", 2000, 2, 29},
        {"Sep 9 1999", 1999, 9, 9},     {"September 30, 2009", 2009, 9, 30},
        {"31 Dec 1999", 1999, 12, 31},  {"Feb 29 2004", 2004, 2, 29},
        {"12/31/9999", 9999, 12, 31},   {"1/1/0100", 100, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto date = runtime::ParseDate(c.text);
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(date->Year(), c.year);
        EXPECT_EQ(date->Month(), c.month);
        EXPECT_EQ(date->Day(), c.day);
        EXPECT_EQ(date->Hour() + date->Minute() + date->Second(), 0);
        EXPECT_TRUE(runtime::IsDate(c.text));
        EXPECT_EQ(runtime::ToDate(c.text), *date);
    }
}

TEST(DateParse, RefusesTextsThatAreNotDates) {
    const char* const texts[] = {
        "",
        "   ",
        "??",
        "abc",
        "1930",
        "12345",
        "02/29/1900", // not a leap year
        "02/30/2000",
        "04/31/2010",
        "13/01/1930", // month and day are never swapped
        "31/12/1999",
        "00/10/2010",
        "10/00/2010",
        "00/00/0000", // the factor library's answer for a refused date
        "1/1/930",    // three-digit year
        "1/1/1",
        "1/1/19300",
        "1/1/0099", // before the year 100
        "001/01/1930",
        "1/1-1930", // mixed separators
        "1//1930",
        "1/1/1930/",
        "1.1.1930",
        "1930-13-01",
        "30-01-01", // year first needs four digits
        "Jna 1 1930",
        "Ja 1 1930",
        "Janu 1 1930",
        "Jan 32 1930",
        "Jan 1",
        "1 Jan",
        "Jan 1930",
        "1 Jan, 1930",
        "Jan-1 1930",
        "1/1/1930 12:00:00",
        "12/31/2010x",
        "x12/31/2010",
        "2010-12-31T00:00",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(runtime::ParseDate(text).has_value());
        EXPECT_FALSE(runtime::IsDate(text));
        testkit::ExpectRuntimeError(runtime::ErrorNumber::TypeMismatch,
                                    [text] { runtime::ToDate(text); });
    }
}

} // namespace
