// Ages on a date, half-age dates and the date check behind both, case by case.
#include "factors/tests/exports.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr std::int16_t kInvalidAge = -1000;
const std::string kInvalidDate = "00/00/0000";

// The date check is internal; CALCDATEHALFAGE answers "00/00/0000" exactly when the birth date
// fails it, so it shows the check's verdict.
bool IsValidDate(const char* text) {
    return TakeText(Exports().CALCDATEHALFAGE(text, 70)) != kInvalidDate;
}

TEST(DateCheck, AcceptsExactlyTheValidTexts) {
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"02/29/1900", true}, // every fourth year is a leap year, centuries included
        {"02/29/2100", true},
        {"02/29/2000", true},
        {"12/31/2200", true},
        {"01/01/1000", true},
        {"04/30/2020", true},
        {"01-15-2020", true}, // the separators are not examined
        {" 1/15/2020", true}, // a leading blank is skipped: month 1
        {"\t1/15/2020", true},
        {"+1/15/2020", true},
        {"1./15/2020", true},
        {".9/15/2020", true}, // 0.9 rounds to month 1
        {"01/15/2E03", true}, // the year field reads as a number: 2000
        {"02/29/2001", false},
        {"02/30/2000", false},
        {"04/31/2020", false},
        {"13/01/2020", false},
        {"00/10/2020", false},
        {"01/00/2020", false},
        {"01/32/2020", false},
        {"01/01/0999", false},
        {"01/01/2201", false},
        {"1/1/2020", false},    // 8 characters
        {"01/15/2020 ", false}, // 11 characters
        {"", false},
        {"ab/cd/efgh", false},
        {"-1/15/2020", false},
        {".5/15/2020", false},  // 0.5 rounds to the even 0
        {"\r1/15/2020", false}, // only blanks, tabs and line feeds are skipped
        {"01/15/9E99", false},  // a field beyond the 16-bit range makes the date invalid
        {"01/15/inf ", false},
        {"01/15/nan ", false},
        {"01/15/0x7D", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
        EXPECT_EQ(IsValidDate(c.text), c.valid);
    }
}

TEST(CalculateAge, LastAndNearestBirthday) {
    struct Case {
        const char* birth;
        const char* asOf;
        std::int16_t mode;
        std::int16_t expected;
    };
    const Case cases[] = {
        {"07/15/1950", "07/14/2020", 0, 69},
        {"07/15/1950", "07/15/2020", 0, 70}, // a birthday on the as-of date counts
        {"01/01/1950", "07/02/2020", 1, 70}, // 182 days after the birthday: not yet nearer
        {"01/01/1950", "07/03/2020", 1, 71},
        {"01/01/1950", "07/03/2020", -7, 71}, // every mode but 0 is the nearest birthday
        {"12/31/1950", "06/30/2020", 1, 69},
        {"12/31/1950", "07/02/2020", 1, 70},
        {"02/29/1952", "03/01/2020", 0, 68}, // February 29 counts as March 1
        {"02/29/1952", "02/28/2020", 0, 67},
        {"02/29/1952", "02/29/2020", 0, 68},
        {"12/31/1999", "01/01/2000", 0, 0},
        {"05/01/2020", "12/31/2020", 0, kInvalidAge}, // the as-of year must be after the birth
        {"05/01/2020", "01/01/2019", 0, kInvalidAge},
        {"1/5/1950", "07/15/2020", 0, kInvalidAge},
        {"07/15/1950", "02/30/2020", 0, kInvalidAge},
        {nullptr, "07/15/2020", 0, kInvalidAge},
        {"07/15/1950", nullptr, 0, kInvalidAge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.birth ? c.birth : "null") << " on "
                                        << (c.asOf ? c.asOf : "null") << ", mode " << c.mode);
        EXPECT_EQ(Exports().CALCULATEAGE(c.birth, c.asOf, c.mode), c.expected);
    }
}

TEST(CalculateAge, NumericTwinRefusesWhatTheTextFieldsCannotHold) {
    struct Case {
        std::int16_t birthMonth, birthDay, birthYear, asOfMonth, asOfDay, asOfYear, mode;
        std::int16_t expected;
    };
    const Case cases[] = {
        {7, 15, 1950, 7, 14, 2020, 0, 69},
        {7, 15, 1950, 7, 15, 2020, 0, 70},
        {1, 1, 1950, 7, 3, 2020, 1, 71},
        {7, 15, 950, 7, 14, 2020, 0, kInvalidAge}, // written "0950", below 1000
        {7, 15, 95, 7, 14, 2020, 0, kInvalidAge},
        {0, 15, 1950, 7, 14, 2020, 0, kInvalidAge},
        {13, 15, 1950, 7, 14, 2020, 0, kInvalidAge},
        // Cut to their last digits these would read as valid dates; they are refused instead.
        {-7, 15, 1950, 7, 14, 2020, 0, kInvalidAge},
        {107, 15, 1950, 7, 14, 2020, 0, kInvalidAge},
        {7, 115, 1950, 7, 14, 2020, 0, kInvalidAge},
        {7, 15, 11950, 7, 14, 2020, 0, kInvalidAge},
        {7, 15, 1950, 7, 14, -2020, 0, kInvalidAge},
        {7, 15, 1950, 7, 14, 12020, 0, kInvalidAge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.birthMonth << '/' << c.birthDay << '/' << c.birthYear
                                        << " on " << c.asOfMonth << '/' << c.asOfDay << '/'
                                        << c.asOfYear << ", mode " << c.mode);
        EXPECT_EQ(Exports()._c_calculateage(c.birthMonth, c.birthDay, c.birthYear, c.asOfMonth,
                                            c.asOfDay, c.asOfYear, c.mode),
                  c.expected);
    }
}

TEST(CalcDateHalfAge, SixMonthsAfterTheBirthdayWithTheDayCutToTheMonth) {
    struct Case {
        const char* birth;
        std::int16_t years;
        std::string expected;
    };
    const Case cases[] = {
        {"07/15/1950", 70, "01/15/2021"},
        {"06/30/1950", 70, "12/30/2020"},
        {"01/31/1950", 70, "07/31/2020"},
        {"08/31/1950", 70, "02/28/2021"},
        {"08/29/1949", 70, "02/28/2020"}, // February takes 28 days even in a leap year
        {"03/31/1950", 70, "09/30/2020"},
        {"05/31/1950", 70, "11/30/2020"},
        {"12/31/1950", 0, "06/30/1951"},
        {"07/15/1950", -1000, "01/15/ 951"}, // a year below 1000 shows a blank before it
        {"07/15/1000", -1000, "01/15/ 1"},
        {"02/30/1950", 70, kInvalidDate},
        {nullptr, 70, kInvalidDate},
        // A year that four characters cannot show is refused rather than cut.
        {"07/15/1950", -2000, kInvalidDate},
        {"07/15/2200", 32767, kInvalidDate},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.birth ? c.birth : "null") << " plus " << c.years);
        EXPECT_EQ(TakeText(Exports().CALCDATEHALFAGE(c.birth, c.years)), c.expected);
    }
}

TEST(CalcDateHalfAge, ValidDateIsTenBytesOfSingleByteText) {
    BSTR text = Exports().CALCDATEHALFAGE("07/15/1950", 70);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringByteLen(text), 10u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(text)), "01/15/2021");
    SysFreeString(text);
}

} // namespace
