#include "platform/runtime/conversions.h"

#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>

namespace {

void ExpectOverflow(const std::function<void()>& call) {
    testkit::ExpectRuntimeError(runtime::ErrorNumber::Overflow, call);
}

// Banker's rounding: a half goes to the even neighbour, anything else to the nearest integer.
TEST(ToInteger, RoundsHalvesToEven) {
    struct Case {
        double value;
        int expected;
    };
    const Case cases[] = {
        {0.5, 0},    {1.5, 2},   {2.5, 2},         {3.5, 4},           {-0.5, 0},
        {-1.5, -2},  {-2.5, -2}, {0.49999, 0},     {0.50001, 1},       {2.4, 2},
        {2.6, 3},    {-2.6, -3}, {70.0, 70},       {0.0, 0},           {-0.0, 0},
        {99.5, 100}, {98.5, 98}, {32767.4, 32767}, {-32768.5, -32768},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(runtime::ToInt16(c.value), c.expected);
        EXPECT_EQ(runtime::ToInt32(c.value), c.expected);
    }
}

TEST(ToInteger, FailsOutsideTheRange) {
    for (double value :
         {32767.5, 32768.0, -32768.6, -32769.0, 1e10, std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(value);
        ExpectOverflow([value] { runtime::ToInt16(value); });
    }
    EXPECT_EQ(runtime::ToInt32(32768.0), 32768);
    EXPECT_EQ(runtime::ToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(runtime::ToInt32(-2147483648.5), -2147483647 - 1);
    for (double value :
         {2147483647.5, -2147483648.6, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        ExpectOverflow([value] { runtime::ToInt32(value); });
    }
}

TEST(ToSingle, HoldsTheNearestSingle) {
    EXPECT_EQ(runtime::ToSingle(27.4), 27.4f);
    EXPECT_EQ(runtime::ToSingle(-5882.35), -5882.35f);
    EXPECT_EQ(runtime::ToSingle(3.4028234663852886e38), std::numeric_limits<float>::max());
    EXPECT_TRUE(std::isinf(runtime::ToSingle(std::numeric_limits<double>::infinity())));
    ExpectOverflow([] { runtime::ToSingle(1e39); });
    ExpectOverflow([] { runtime::ToSingle(-1e300); });
}

TEST(IntAndFix, CutTheFraction) {
    struct Case {
        double value;
        double floor;
        double truncated;
    };
    const Case cases[] = {
        {2.5, 2.0, 2.0},    {2.99, 2.0, 2.0}, {-2.5, -3.0, -2.0},         {-2.01, -3.0, -2.0},
        {-3.0, -3.0, -3.0}, {0.0, 0.0, 0.0},  {4000.995, 4000.0, 4000.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(runtime::Int(c.value), c.floor);
        EXPECT_EQ(runtime::Fix(c.value), c.truncated);
    }
}

TEST(Round, RoundsHalvesToEven) {
    struct Case {
        double value;
        int digits;
        double expected;
    };
    const Case cases[] = {
        {2.5, 0, 2.0},
        {3.5, 0, 4.0},
        {-2.5, 0, -2.0},
        {2.51, 0, 3.0},
        {0.125, 2, 0.12}, // an exact binary half goes to the even cent
        {0.375, 2, 0.38},
        {-0.125, 2, -0.12},
        {2.675, 2, 2.67}, // the double nearest 2.675 lies below the half
        {5882.352941, 2, 5882.35},
        {3773.584905, 2, 3773.58},
        {100000.0 / 17.0, 2, 5882.35},
        {1.0, 2, 1.0},
        {1234.5678, 3, 1234.568},
        {1e300, 2, 1e300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.digits);
        EXPECT_EQ(runtime::Round(c.value, c.digits), c.expected);
    }
    EXPECT_THROW(runtime::Round(1.0, -1), std::out_of_range);
    EXPECT_THROW(runtime::Round(1.0, 23), std::out_of_range);
}

} // namespace
