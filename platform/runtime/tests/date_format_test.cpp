#include "platform/runtime/date_format.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using runtime::Date;

TEST(DateFormat, WritesThePatternsOfTheProgram) {
    struct Case {
        Date date;
        const char* pattern;
        const char* expected;
    };
    const Date morning = Date::FromParts(2004, 1, 5, 9, 7, 3).value();
    const Date evening = Date::FromParts(2010, 12, 31, 23, 59, 58).value();
    const Case cases[] = {
        {morning, "MM/DD/YYYY", "01/05/2004"},
        {evening, "MM/DD/YYYY", "12/31/2010"},
        {morning, "MM/DD/YYYY HH:MM:SS", "01/05/2004 09:07:03"},
        {evening, "MM/DD/YYYY HH:MM:SS", "12/31/2010 23:59:58"},
        {morning, "mmmm d, yyyy", "January 5, 2004"},
        {evening, "mmmm d, yyyy", "December 31, 2010"},
        {Date::FromParts(2011, 4, 1).value(), "mmmm d, yyyy", "April 1, 2011"},
        {Date::FromParts(2009, 9, 30).value(), "mmmm d, yyyy", "September 30, 2009"},
        {morning, "m/d/yy", "1/5/04"},
        {morning, "d-mmm-yyyy", "5-Jan-2004"},
        {morning, "h:nn:ss", "9:07:03"},
        {Date::FromParts(100, 2, 3).value(), "MM/DD/YYYY", "02/03/0100"},
        {Date(), "MM/DD/YYYY", "12/30/1899"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(runtime::FormatDate(c.date, c.pattern), c.expected);
    }
}

TEST(DateFormat, RefusesLettersItDoesNotKnow) {
    for (const char* pattern : {"ddd", "dddd", "y", "yyy", "mmmmm", "hhh", "ampm", "ww"}) {
        SCOPED_TRACE(pattern);
        EXPECT_THROW(runtime::FormatDate(Date(), pattern), std::invalid_argument);
    }
}

} // namespace
