#include "program/calc/src/annuity_factor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace calc;

TEST(AnnuityFactorTest, FactorsAtAgeAndRate) {
    struct Case {
        std::int16_t age;
        double rate;
        double factor;
    };
    const Case cases[] = {
        // At 114 only the payment due at once and one more at 115: 1 + (1 - q(114)) / (1 + r).
        {114, 0.0, 1.099181},
        {114, 0.12, 1 + 0.099181 / 1.12},
        {70, 0.05, 11.334172},
        {50, 0.05, 16.442583},
        {60, 0.05, 14.255447},
        {70, 0.03, 13.282393},
        // From birth at no interest: one more than the expected whole years lived.
        {0, 0.0, 82.951035},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "age " << c.age << " rate " << c.rate);
        EXPECT_NEAR(AnnuityFactor(c.age, c.rate), c.factor, 2e-6 * c.factor);
    }
}

TEST(AnnuityFactorTest, RefusedArgumentsGiveCodes) {
    struct Case {
        std::int16_t age;
        double rate;
        float result;
    };
    const Case cases[] = {
        {115, 0.05, kAnnuityAgeRefused},
        {-1, 0.05, kAnnuityAgeRefused},
        {200, 0.5, kAnnuityAgeRefused}, // the age is checked first
        {60, 0.1200001, kAnnuityRateRefused},
        {60, -0.0001, kAnnuityRateRefused},
        {60, std::numeric_limits<double>::quiet_NaN(), kAnnuityRateRefused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "age " << c.age << " rate " << c.rate);
        EXPECT_EQ(AnnuityFactor(c.age, c.rate), c.result);
    }
    EXPECT_GT(AnnuityFactor(60, 0.12), 0);
}

TEST(AnnuityFactorTest, TheMortalityTableRisesFromAgeSevenToCertainDeath) {
    MortalityTable q{};
    LoadMortalityTable(q);
    EXPECT_EQ(q[0], 0.001982);
    EXPECT_EQ(q[7], 0.000201);
    EXPECT_EQ(q[115], 1.0);
    for (int age = 8; age < kMortalityAges; ++age) {
        SCOPED_TRACE(age);
        EXPECT_GT(q[age], q[age - 1]);
    }
}

} // namespace
