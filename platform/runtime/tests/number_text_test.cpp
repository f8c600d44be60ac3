#include "platform/runtime/number_text.h"

#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

// Double precision: at most 15 significant digits; the exponent form from 1E+15 up and below
// 1E-04.
TEST(NumberText, WritesDoubles) {
    struct Case {
        double value;
        const char* str;
        const char* cstr;
    };
    const Case cases[] = {
        {0.0, " 0", "0"},
        {-0.0, " 0", "0"},
        {70.0, " 70", "70"},
        {-5.0, "-5", "-5"},
        {0.5, " .5", "0.5"},
        {-0.5, "-.5", "-0.5"},
        {1234.5, " 1234.5", "1234.5"},
        {0.1 + 0.2, " .3", "0.3"},
        {1.0 / 3.0, " .333333333333333", "0.333333333333333"},
        {2.0 / 3.0, " .666666666666667", "0.666666666666667"},
        {123456789012345.0, " 123456789012345", "123456789012345"},
        {999999999999999.9, " 1E+15", "1E+15"},
        {1e15, " 1E+15", "1E+15"},
        {1e16, " 1E+16", "1E+16"},
        {-1.23456789012345e20, "-1.23456789012345E+20", "-1.23456789012345E+20"},
        {1e100, " 1E+100", "1E+100"},
        {0.0001, " .0001", "0.0001"},
        {1.5e-5, " 1.5E-05", "1.5E-05"},
        {-1.5e-5, "-1.5E-05", "-1.5E-05"},
        {2786.0, " 2786", "2786"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cstr);
        EXPECT_EQ(runtime::Str(c.value), c.str);
        EXPECT_EQ(runtime::CStr(c.value), c.cstr);
    }
}

// Single precision: at most 7 significant digits; the exponent form from 1E+07 up.
TEST(NumberText, WritesSingles) {
    struct Case {
        float value;
        const char* str;
        const char* cstr;
    };
    const Case cases[] = {
        {117647.06f, " 117647.1", "117647.1"},
        {5882.35f, " 5882.35", "5882.35"},
        {27.4f, " 27.4", "27.4"},
        {35.9f, " 35.9", "35.9"},
        {25.0f, " 25", "25"},
        {-1.0f, "-1", "-1"},
        {0.1f, " .1", "0.1"},
        {1234567.0f, " 1234567", "1234567"},
        {12345678.0f, " 1.234568E+07", "1.234568E+07"},
        {1e7f, " 1E+07", "1E+07"},
        {0.00001f, " 1E-05", "1E-05"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cstr);
        EXPECT_EQ(runtime::Str(c.value), c.str);
        EXPECT_EQ(runtime::CStr(c.value), c.cstr);
    }
}

TEST(NumberText, WritesWholeNumbers) {
    EXPECT_EQ(runtime::Str(std::int16_t{70}), " 70");
    EXPECT_EQ(runtime::Str(std::int16_t{-1}), "-1");
    EXPECT_EQ(runtime::Str(std::int16_t{-1}).substr(1), "1");
    EXPECT_EQ(runtime::Str(0), " 0");
    EXPECT_EQ(runtime::Str(std::numeric_limits<std::int32_t>::max()), " 2147483647");
    EXPECT_EQ(runtime::Str(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(runtime::CStr(std::int16_t{70}), "70");
    EXPECT_EQ(runtime::CStr(-32768), "-32768");
}

TEST(NumberText, NonFiniteValuesAreOverflow) {
    for (double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        testkit::ExpectRuntimeError(runtime::ErrorNumber::Overflow,
                                    [value] { runtime::Str(value); });
        testkit::ExpectRuntimeError(runtime::ErrorNumber::Overflow,
                                    [value] { runtime::CStr(value); });
    }
}

} // namespace
