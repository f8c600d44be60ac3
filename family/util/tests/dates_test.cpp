// Dates in the formats WIN.INI gives, under a fixed clock: texts, parsing, comparison and the
// day count.
#include "family/util/tests/host_windows.h"
#include "family/util/umbrant.h"

#include "platform/system/clock.h"
#include "platform/system/folders.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Format {
    const char* iDate;
    const char* sDate;
    const char* sShortDate;
};

class Dates : public testing::Test {
protected:
    Dates() : clock_(sys::LocalDateTime{2026, 3, 15, 10, 0, 0}) { Use({"0", "/", "M/d/yy"}); }

    // Writes the format into WIN.INI and has the library read it; answers its result.
    int Use(const Format& format) {
        sandbox_.WriteFile(sys::WindowsFolder().lexically_relative(sandbox_.Root()) / "WIN.INI",
                           std::string("[intl]\niDate=") + format.iDate + "\nsDate=" +
                               format.sDate + "\nsShortDate=" + format.sShortDate + "\n");
        return _UtilResetDateFormat();
    }

    testkit::Sandbox sandbox_;
    sys::ScopedClock clock_;
    ScopedHostWindows host_;
};

std::string ShortText(const UtilDate& date) {
    char text[32];
    return _UtilDate2String(text, &date);
}

TEST_F(Dates, ShortTextsFollowTheRegionalFormat) {
    struct Case {
        Format format;
        UtilDate date;
        const char* expected;
    };
    // Examples of the regional settings a user can choose.
    const Case cases[] = {
        {{"0", "/", "M/d/yy"}, {2001, 7, 5}, "7/5/01"},
        {{"1", ".", "dd.MM.yyyy"}, {2001, 7, 5}, "05.07.2001"},
        {{"2", "-", "yyyy-M-d"}, {2001, 7, 5}, "2001-7-5"},
        {{"0", "/", "MM/dd/yy"}, {1999, 12, 31}, "12/31/99"},
        {{"0", "/", "M/d/yy"}, {2000, 1, 2}, "1/2/00"},
        {{"0", "--", "M/d/yy"}, {2000, 1, 2}, "1--2--00"},
        {{"0", "abc", "M/d/yy"}, {2000, 1, 2}, "1ab2ab00"},
        {{"3", "/", "M/d/yy"}, {2001, 7, 5}, "7/5/01"},
        {{"x", "/", "M/d/yy"}, {2001, 7, 5}, "7/5/01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.format.iDate << " " << c.format.sDate << " " << c.format.sShortDate);
        Use(c.format);
        EXPECT_EQ(ShortText(c.date), c.expected);
    }
}

TEST_F(Dates, ResetAnswersThePatternLengthAndDefaultsWithoutWinIni) {
    EXPECT_EQ(Use({"1", ".", "dd.MM.yyyy"}), 10);
    std::filesystem::remove(sys::WindowsFolder() / "WIN.INI");
    EXPECT_EQ(_UtilResetDateFormat(), 6) << "m/d/yy";
    EXPECT_EQ(ShortText({2001, 7, 5}), "7/5/01");
}

TEST_F(Dates, LeadingCenturyFlagHoldsUntilTheNextReset) {
    _UtilSetLeadingCentury(0x101);
    EXPECT_EQ(_UtilGetLeadingCentury(), 1);
    EXPECT_EQ(ShortText({2001, 7, 5}), "7/5/2001");
    _UtilSetLeadingCentury(0x100);
    EXPECT_EQ(_UtilGetLeadingCentury(), 0);
    _UtilSetLeadingCentury(1);
    _UtilResetDateFormat();
    EXPECT_EQ(_UtilGetLeadingCentury(), 0);
}

TEST_F(Dates, ParsesShortDates) {
    struct Case {
        Format format;
        const char* text;
        int result;
        UtilDate expected; // when valid
    };
    // Today is 15 March 2026: two-digit years up to 26 are this century's.
    const Case cases[] = {
        {{"0", "/", "M/d/yy"}, "2/29/2000", 0, {2000, 2, 29}},
        {{"0", "/", "M/d/yy"}, "2/29/1900", 1, {}},
        {{"0", "/", "M/d/yy"}, "2/30/2000", 1, {}},
        {{"0", "/", "M/d/yy"}, "4/31/2001", 1, {}},
        {{"0", "/", "M/d/yy"}, "1/1/1799", 1, {}},
        {{"0", "/", "M/d/yy"}, "1/1/2201", 1, {}},
        {{"0", "/", "M/d/yy"}, "1/1/1800", 0, {1800, 1, 1}},
        {{"0", "/", "M/d/yy"}, "12/31/2200", 0, {2200, 12, 31}},
        {{"0", "/", "M/d/yy"}, "7/5/01x", 1, {}},
        {{"0", "/", "M/d/yy"}, "7/5/01 ", 0, {2001, 7, 5}},
        {{"0", "/", "M/d/yy"}, " 7/ 5/ 01\t", 0, {2001, 7, 5}},
        {{"0", "/", "M/d/yy"}, "7/5", 1, {}},
        {{"0", "/", "M/d/yy"}, "", 1, {}},
        {{"0", "/", "M/d/yy"}, "13/1/01", 1, {}},
        {{"0", "/", "M/d/yy"}, "0/1/01", 1, {}},
        {{"0", "/", "M/d/yy"}, "1/0/01", 1, {}},
        {{"0", "/", "M/d/yy"}, "1/1/26", 0, {2026, 1, 1}},
        {{"0", "/", "M/d/yy"}, "1/1/27", 0, {1927, 1, 1}},
        {{"0", "/", "M/d/yyyy"}, "1/1/27", 1, {}},
        {{"0", "/", "M/d/yyyy"}, "1/1/1927", 0, {1927, 1, 1}},
        {{"0", "/", "M/d/yy"}, "1/1/99999999999", 1, {}},
        {{"1", ".", "dd.MM.yyyy"}, "05.07.2001", 0, {2001, 7, 5}},
        {{"1", ".", "dd.MM.yyyy"}, "05/07/2001", 1, {}},
        {{"2", "-", "yyyy-M-d"}, "2001-7-5", 0, {2001, 7, 5}},
        // The separator is matched as it stands, even where a scan format would read it.
        {{"0", "%", "M%d%yy"}, "7%5%01", 0, {2001, 7, 5}},
        {{"0", " ", "M d yy"}, "7 5 01", 0, {2001, 7, 5}},
        {{"0", " ", "M d yy"}, "7/5/01", 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.format.sShortDate << " \"" << c.text << "\"");
        Use(c.format);
        UtilDate date{1, 2, 3};
        EXPECT_EQ(_UtilString2Date(&date, c.text, nullptr), c.result);
        const UtilDate expected = c.result == 0 ? c.expected : UtilDate{1, 2, 3};
        EXPECT_EQ(date.year, expected.year);
        EXPECT_EQ(date.month, expected.month);
        EXPECT_EQ(date.day, expected.day);
    }
    EXPECT_TRUE(TestHost().messages.empty());
}

TEST_F(Dates, LongTrailingTextIsOnlyTestedForBlanks) {
    UtilDate date{};
    EXPECT_EQ(_UtilString2Date(&date, ("7/5/01" + std::string(5000, ' ')).c_str(), nullptr), 0);
    EXPECT_EQ(_UtilString2Date(&date, ("7/5/01 " + std::string(5000, 'x')).c_str(), nullptr), 1);
}

TEST_F(Dates, InvalidDateWithAnOwnerShowsOneMessageWithToday) {
    struct Case {
        Format format;
        const char* expected;
    };
    const Case cases[] = {
        {{"0", "/", "M/d/yy"},
         "Invalid Date.  Date must be in the month, day, year format.\n\nFor example today is:  "
         "3/15/26"},
        {{"1", ".", "dd.MM.yyyy"},
         "Invalid Date.  Date must be in the day, month, year format.\n\nFor example today is:  "
         "15.03.2026"},
        {{"2", "-", "yyyy-MM-dd"},
         "Invalid Date.  Date must be in the year, month, day format.\n\nFor example today is:  "
         "2026-03-15"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format.iDate);
        Use(c.format);
        TestHost().messages.clear();
        UtilDate date{1, 2, 3};
        EXPECT_EQ(_UtilString2Date(&date, "no date", TestWindow(7)), 1);
        ASSERT_EQ(TestHost().messages.size(), 1U);
        const ShownMessage& shown = TestHost().messages[0];
        EXPECT_EQ(shown.owner, TestWindow(7));
        EXPECT_EQ(shown.text, std::string(c.expected).substr(0, 99));
        EXPECT_EQ(shown.caption, "Entry Error");
        EXPECT_EQ(shown.style, 48);
        EXPECT_EQ(date.year, 1);
    }
}

TEST_F(Dates, TodayComesFromTheClock) {
    UtilDate today{};
    _UtilToday(&today);
    EXPECT_EQ(today.year, 2026);
    EXPECT_EQ(today.month, 3);
    EXPECT_EQ(today.day, 15);
}

TEST_F(Dates, LongTextsAndComparison) {
    char text[64] = "untouched";
    const UtilDate july{2001, 7, 5};
    _UtilDate2StringLong(text, &july);
    EXPECT_STREQ(text, "July 5, 2001");
    for (const std::int8_t month : {0, 13, -1}) {
        const UtilDate bad{2001, month, 5};
        _UtilDate2StringLong(text, &bad);
        EXPECT_STREQ(text, "") << int{month};
    }
    struct Case {
        UtilDate a;
        UtilDate b;
        int expected;
    };
    const Case cases[] = {
        {{2001, 7, 5}, {2001, 7, 5}, 0},  {{2001, 7, 5}, {2001, 7, 6}, -1},
        {{2001, 8, 1}, {2001, 7, 31}, 1}, {{2000, 12, 31}, {2001, 1, 1}, -1},
        {{-5, 1, 1}, {5, 1, 1}, -1},      {{2001, -1, 1}, {2001, 1, 1}, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(_UtilDateCmp(&c.a, &c.b), c.expected);
        EXPECT_EQ(_UtilDateCmp(&c.b, &c.a), -c.expected);
    }
}

TEST_F(Dates, DaysBetweenCountsThreeHundredSixtyFiveDayYears) {
    struct Case {
        UtilDate a;
        UtilDate b;
        int expected;
    };
    const Case cases[] = {
        {{2000, 1, 1}, {2001, 3, 10}, 433}, // 9 + 31 + 28 + 365
        {{2000, 12, 20}, {2001, 1, 10}, 21},
        {{2000, 2, 28}, {2000, 3, 1}, 1}, // February has 28 days even in 2000
        {{2001, 7, 5}, {2001, 7, 5}, 0},
        {{2000, 12, 31}, {2001, 12, 1}, 335},
        {{1900, 1, 1}, {2100, 1, 1}, 73000},
        // A month outside 1-12 gives 0 instead of counting for ever.
        {{2001, 13, 1}, {2002, 1, 1}, 0},
        {{2001, 1, 1}, {2002, 0, 1}, 0},
        // A day outside 1-31 gives 0, never a negative count.
        {{2000, 1, 40}, {2000, 2, 1}, 0},
        {{2000, 1, 31}, {2000, 2, -100}, 0},
        {{2000, 1, 0}, {2000, 3, 1}, 0},
        // A day past its month's length counts on from it, down to 0 at the least.
        {{2000, 2, 30}, {2000, 3, 1}, 0},
        {{2000, 2, 29}, {2000, 3, 5}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.a.year << "-" << int{c.a.month} << "-" << int{c.a.day} << " " << c.b.year
                     << "-" << int{c.b.month} << "-" << int{c.b.day});
        EXPECT_EQ(_UtilDaysBetweenDates(&c.a, &c.b), c.expected);
        EXPECT_EQ(_UtilDaysBetweenDates(&c.b, &c.a), c.expected);
    }
}

} // namespace
