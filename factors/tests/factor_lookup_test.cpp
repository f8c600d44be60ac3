// The factor exports' argument checks, modes, clamping and floors, case by case. The expected
// values are the published divisors named beside each case; the whole tables are checked
// against the CSV files in whole_table_test.cpp.
#include "factors/tests/exports.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct SingleCase {
    std::int16_t mode, startAge, currentAge;
    float expected;
};

struct JointCase {
    std::int16_t firstAge, secondAge, mode;
    float expected;
};

TEST(SingleFactor, CodesComeFromTheFirstFailingCheckAsExactFloats) {
    const SingleCase cases[] = {
        {0, -1, 70, 101.0f},    {5, -1, 200, 101.0f}, {0, 116, 120, 102.0f}, {0, 116, -5, 102.0f},
        {0, 0, -1, 201.0f},     {9, 0, -1, 201.0f},   {0, 0, 116, 202.0f},   {0, 80, 70, 301.0f},
        {9, 80, 70, 301.0f},    {2, 70, 75, 401.0f},  {-3, 70, 75, 401.0f},  {32767, 0, 0, 401.0f},
        {-32768, 0, 0, 401.0f},
    };
    const auto& lib = Exports();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << c.mode << ", ages " << c.startAge << " and " << c.currentAge);
        EXPECT_EQ(lib.RMDSINGLEFACTOR(c.mode, c.startAge, c.currentAge), c.expected);
        EXPECT_EQ(lib.RMDSINGLEFACTOR2001(c.mode, c.startAge, c.currentAge), c.expected);
    }
}

TEST(SingleFactor, ModeZeroReducesTheStartAgeDivisorOtherModesReadTheCurrentAge) {
    // Current Single Life Table: 70 17.0, 75 13.4, 100 2.9, 115 1.0.
    const SingleCase cases[] = {
        {0, 70, 75, 12.0f},  // 17.0 less 5 years
        {0, 70, 70, 17.0f},  // equal ages pass the check
        {0, 100, 115, 1.0f}, // 2.9 less 15 is below 1.0
        {0, 0, 1, 81.4f},    // 82.4 less 1
        {1, 70, 75, 13.4f},  {-1, 70, 75, 13.4f}, {-2, 70, 75, 13.4f}, {1, 0, 115, 1.0f},
    };
    const auto& lib = Exports();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << c.mode << ", ages " << c.startAge << " and " << c.currentAge);
        EXPECT_FLOAT_EQ(lib.RMDSINGLEFACTOR(c.mode, c.startAge, c.currentAge), c.expected);
    }
}

TEST(SingleFactor, PreTwoThousandTwoTableFloorsOnlyModeZero) {
    // Table V: 5 76.6, 70 16.0, 75 12.5, 90 5.0.
    const SingleCase cases[] = {
        {1, 0, 0, 76.6f},   // age 0 reads age 5
        {1, 0, 3, 76.6f},   // age 3 reads age 5
        {-2, 2, 5, 76.6f},  // age 5 itself
        {0, 4, 4, 76.6f},   // mode 0 at start age 4 reads age 5
        {0, 70, 75, 11.0f}, // 16.0 less 5 years
        {1, 70, 75, 12.5f}, // the value at the current age
        {0, 90, 95, 1.0f},  // 5.0 less 5 years is below 1.0
    };
    const auto& lib = Exports();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << c.mode << ", ages " << c.startAge << " and " << c.currentAge);
        EXPECT_FLOAT_EQ(lib.RMDSINGLEFACTOR2001(c.mode, c.startAge, c.currentAge), c.expected);
    }
}

TEST(JointFactor, ModesPickTheCellAndAgesAreClamped) {
    // Current Joint and Last Survivor Table, younger/older: 0/5 87.8, 0/115 82.4, 55/70 31.1,
    // 60/70 27.4, 61/71 26.5, 70/75 19.9, 105/115 1.9.
    const JointCase cases[] = {
        {70, 0, 0, 27.4f},   // ten years younger: 60/70, the Uniform Lifetime divisor at 70
        {70, 99, -2, 27.4f}, // the second age is ignored
        {70, 75, -1, 27.4f}, // an older second person still gives ten years younger
        {70, 60, -1, 27.4f}, // a difference of exactly 10 uses ten years younger
        {70, 55, -1, 31.1f}, // more than 10 years younger: the actual ages
        {70, 55, 1, 31.1f},  // mode 1 means mode -1
        {70, 55, 0, 27.4f},  // mode 0 never uses the actual ages
        {71, 80, 0, 26.5f},        {115, 0, -2, 1.9f},
        {70, 75, 2, 19.9f},        {75, 70, 2, 19.9f}, // the actual ages, in either order
        {5, 0, 0, 87.8f},    // ten years younger is floored at 0: cell 0/5
        {-5, 200, 2, 82.4f}, // both ages clamped: cell 0/115
        {-32768, 32767, 2, 82.4f},
    };
    const auto& lib = Exports();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "ages " << c.firstAge << " and " << c.secondAge << ", mode " << c.mode);
        EXPECT_FLOAT_EQ(lib.RMDJOINTFACTOR(c.firstAge, c.secondAge, c.mode), c.expected);
    }
}

TEST(JointFactor, ModeOutsideTheRangeGives501WhateverTheAges) {
    const JointCase cases[] = {
        {70, 65, 3, 501.0f},     {70, 65, -3, 501.0f},   {200, 65, 9, 501.0f},
        {-5, -5, 32767, 501.0f}, {5, 5, -32768, 501.0f},
    };
    const auto& lib = Exports();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "ages " << c.firstAge << " and " << c.secondAge << ", mode " << c.mode);
        EXPECT_EQ(lib.RMDJOINTFACTOR(c.firstAge, c.secondAge, c.mode), c.expected);
        EXPECT_EQ(lib.RMDJOINTFACTOR2001(c.firstAge, c.secondAge, c.mode), c.expected);
    }
}

} // namespace
