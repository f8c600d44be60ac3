#include "platform/runtime/date.h"

#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace {

using runtime::Date;

Date MakeDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return Date::FromParts(year, month, day, hour, minute, second).value();
}

void ExpectOverflow(const std::function<void()>& call) {
    testkit::ExpectRuntimeError(runtime::ErrorNumber::Overflow, call);
}

TEST(Date, KnowsWhichPartsNameADate) {
    struct Case {
        int year, month, day, hour, minute, second;
        bool valid;
    };
    const Case cases[] = {
        {1900, 2, 29, 0, 0, 0, false}, // 1900 is not a leap year
        {2000, 2, 29, 0, 0, 0, true},   {2004, 2, 29, 0, 0, 0, true},
        {2100, 2, 29, 0, 0, 0, false},  {2010, 2, 28, 0, 0, 0, true},
        {2010, 4, 31, 0, 0, 0, false},  {2010, 12, 31, 0, 0, 0, true},
        {2010, 13, 1, 0, 0, 0, false},  {2010, 0, 1, 0, 0, 0, false},
        {2010, 1, 0, 0, 0, 0, false},   {2010, 1, 32, 0, 0, 0, false},
        {99, 12, 31, 0, 0, 0, false},   {100, 1, 1, 0, 0, 0, true},
        {9999, 12, 31, 0, 0, 0, true},  {10000, 1, 1, 0, 0, 0, false},
        {2010, 1, 1, 23, 59, 59, true}, {2010, 1, 1, 24, 0, 0, false},
        {2010, 1, 1, 0, 60, 0, false},  {2010, 1, 1, 0, 0, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.day << "/" << c.year << " " << c.hour
                                        << ":" << c.minute << ":" << c.second);
        EXPECT_EQ(Date::FromParts(c.year, c.month, c.day, c.hour, c.minute, c.second).has_value(),
                  c.valid);
    }
}

// Serials as the runtime counts them: whole days from 12/30/1899.
TEST(Date, CountsDaysFromTheRuntimesDayZero) {
    struct Case {
        int year, month, day;
        long serial;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},     {1899, 12, 31, 1},       {1900, 1, 1, 2},
        {1900, 3, 1, 61},      {1930, 1, 1, 10959},     {2000, 1, 1, 36526},
        {2010, 12, 31, 40543}, {9999, 12, 31, 2958465}, {100, 1, 1, -657434},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.day << "/" << c.year);
        const Date date = MakeDate(c.year, c.month, c.day);
        EXPECT_EQ(date.DaySerial(), c.serial);
        EXPECT_EQ(Date::FromDaySerial(c.serial), date);
    }
    EXPECT_EQ(Date(), MakeDate(1899, 12, 30));
    ExpectOverflow([] { Date::FromDaySerial(2958466); });
    ExpectOverflow([] { Date::FromDaySerial(-657435); });
    ExpectOverflow([] { Date::FromDaySerial(LONG_MAX); });
}

TEST(Date, ComparesAndCountsDaysBetween) {
    const Date death = MakeDate(2005, 6, 15);
    const Date yearAfter = MakeDate(2006, 12, 31);
    EXPECT_EQ(runtime::DaysBetween(death, yearAfter), 564);
    EXPECT_EQ(runtime::DaysBetween(yearAfter, death), -564);
    EXPECT_EQ(runtime::DaysBetween(MakeDate(2010, 12, 31), MakeDate(2010, 11, 10)), -51);
    EXPECT_EQ(runtime::DaysBetween(MakeDate(2010, 1, 1, 23, 59, 59), MakeDate(2010, 1, 2)), 1);
    EXPECT_LT(death, yearAfter);
    EXPECT_LT(MakeDate(2010, 1, 1), MakeDate(2010, 1, 1, 0, 0, 1));
    EXPECT_GT(MakeDate(2010, 2, 1), MakeDate(2010, 1, 31));
}

TEST(Date, MovesByDaysMonthsAndYears) {
    struct Case {
        Date start;
        Date (*move)(const Date&, long);
        long amount;
        Date expected;
    };
    const Case cases[] = {
        {MakeDate(2010, 12, 31, 13, 5, 9), runtime::AddDays, 1, MakeDate(2011, 1, 1, 13, 5, 9)},
        {MakeDate(2004, 3, 1), runtime::AddDays, -1, MakeDate(2004, 2, 29)},
        {MakeDate(1900, 3, 1), runtime::AddDays, -1, MakeDate(1900, 2, 28)},
        {MakeDate(2001, 1, 31), runtime::AddMonths, 1, MakeDate(2001, 2, 28)},
        {MakeDate(2004, 1, 31), runtime::AddMonths, 1, MakeDate(2004, 2, 29)},
        {MakeDate(2010, 12, 15), runtime::AddMonths, 1, MakeDate(2011, 1, 15)},
        {MakeDate(2010, 3, 31), runtime::AddMonths, -1, MakeDate(2010, 2, 28)},
        {MakeDate(2010, 1, 15), runtime::AddMonths, -13, MakeDate(2008, 12, 15)},
        {MakeDate(2004, 2, 29), runtime::AddYears, 1, MakeDate(2005, 2, 28)},
        {MakeDate(2004, 2, 29), runtime::AddYears, 4, MakeDate(2008, 2, 29)},
        {MakeDate(1940, 3, 15, 8, 0, 0), runtime::AddYears, 70, MakeDate(2010, 3, 15, 8, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start.Month() << "/" << c.start.Day() << "/"
                                        << c.start.Year() << " by " << c.amount);
        EXPECT_EQ(c.move(c.start, c.amount), c.expected);
    }
}

TEST(Date, MovingOutOfTheRangeIsOverflow) {
    ExpectOverflow([] { runtime::AddYears(MakeDate(9999, 12, 31), 1); });
    ExpectOverflow([] { runtime::AddMonths(MakeDate(9999, 12, 1), 1); });
    ExpectOverflow([] { runtime::AddDays(MakeDate(100, 1, 1), -1); });
    ExpectOverflow([] { runtime::AddDays(MakeDate(2010, 1, 1), LONG_MAX); });
    ExpectOverflow([] { runtime::AddMonths(MakeDate(2010, 1, 1), LONG_MIN); });
    ExpectOverflow([] { runtime::AddYears(MakeDate(2010, 1, 1), LONG_MAX); });
}

} // namespace
