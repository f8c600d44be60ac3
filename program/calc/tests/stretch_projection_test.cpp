#include "program/calc/stretch_projection.h"

#include "platform/runtime/runtime_error.h"
#include "platform/testing/runtime_errors.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using namespace calc;

using P = StretchProjection;

// A planholder of 70 with 1000 at 10 percent for one year (divisor 10), then a non-spouse
// beneficiary whose divisors run 3, 2, 1.
StretchInputs ShortAccount() {
    StretchInputs in{};
    in.ratePercent = 10;
    in.startingValue = 1000;
    in.year = 2010;
    in.planholderAge = 70;
    in.spouseAge = 70;
    in.beneficiaryAge = 50;
    in.planholderStartAge = 70;
    in.planholderLE = 1;
    in.spouseLE = 1;
    return in;
}

StretchDivisors CountdownDivisors(float planholder, float beneficiaryStart) {
    return {[=](int, int) { return planholder; },
            [=](int start, int current) { return beneficiaryStart - (current - start); }};
}

struct ExpectedYear {
    int phase;
    int yearIndex;
    std::int64_t cells[6];
};

void ExpectYears(const StretchProjection& projection, const std::vector<ExpectedYear>& years) {
    for (const ExpectedYear& year : years) {
        for (int column = 0; column < P::kColumns; ++column) {
            SCOPED_TRACE(testing::Message() << "phase " << year.phase << " year " << year.yearIndex
                                            << " column " << column);
            EXPECT_EQ(projection.Cell(year.phase, column, year.yearIndex), year.cells[column]);
        }
    }
}

TEST(StretchProjectionTest, FollowsTheAccountToItsEnd) {
    StretchProjection projection;
    const int last = ProjectStretch(ShortAccount(), CountdownDivisors(10, 3), projection);
    EXPECT_EQ(last, 3);
    // Year 0: 1000 grows to 1100, 1000 / 10 is paid. Year 1: 1000 grows to 1100, 1000 / 3 is
    // paid, 766.67 stays. Year 2: 843.33, 766.67 / 2 paid, 460 stays. Year 3: divisor 1.0 pays
    // the grown 506 out. Running totals add the unrounded distribution to the rounded cell of the
    // year before: 333 + 383.33 = 716.33.
    ExpectYears(projection, {
                                {P::kPlanholder, 0, {2010, 70, 0, 100, 100, 1000}},
                                {P::kBeneficiary, 1, {2011, 51, 0, 333, 333, 767}},
                                {P::kBeneficiary, 2, {2012, 52, 0, 383, 716, 460}},
                                {P::kBeneficiary, 3, {2013, 53, 0, 506, 1222, 0}},
                                {P::kAllYears, 0, {2010, 0, 0, 100, 100, 1000}},
                                {P::kAllYears, 1, {2011, 1, 0, 333, 433, 767}},
                                {P::kAllYears, 2, {2012, 2, 0, 383, 816, 460}},
                                {P::kAllYears, 3, {2013, 3, 0, 506, 1322, 0}},
                                {P::kBeneficiary, 4, {0, 0, 0, 0, 0, 0}},
                                {P::kSpouse, 1, {0, 0, 0, 0, 0, 0}},
                            });
}

TEST(StretchProjectionTest, ContributionsComeFirstAndStopAfterTheirYears) {
    StretchInputs in = ShortAccount();
    in.ratePercent = 0;
    in.startingValue = 10000;
    in.contribution = 1000;
    in.contributionYears = 3;
    in.planholderAge = 60; // no distribution before 70
    in.planholderLE = 5;
    in.spouseLE = 5;
    StretchProjection projection;
    ProjectStretch(in, CountdownDivisors(10, 3), projection);
    const std::int64_t paidIn[] = {11000, 12000, 13000, 13000, 13000};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(projection.Cell(P::kPlanholder, P::kPaidIn, i), paidIn[i]);
        EXPECT_EQ(projection.Cell(P::kPlanholder, P::kClosingBalance, i), paidIn[i]);
        EXPECT_EQ(projection.Cell(P::kPlanholder, P::kDistribution, i), 0);
    }
    // The beneficiary years carry the total paid in.
    EXPECT_EQ(projection.Cell(P::kBeneficiary, P::kPaidIn, 5), 13000);

    in.contributionYears = 0;
    ProjectStretch(in, CountdownDivisors(10, 3), projection);
    EXPECT_EQ(projection.Cell(P::kPlanholder, P::kPaidIn, 0), 0);
    EXPECT_EQ(projection.Cell(P::kPlanholder, P::kClosingBalance, 0), 10000);
}

TEST(StretchProjectionTest, TheDistributionIsOnTheBalanceBeforeTheContribution) {
    StretchInputs in = ShortAccount();
    in.contribution = 500;
    in.contributionYears = 1;
    StretchProjection projection;
    ProjectStretch(in, CountdownDivisors(10, 3), projection);
    // (1000 + 500) x 1.1 = 1650; 1000 / 10 = 100 is paid.
    ExpectYears(projection, {{P::kPlanholder, 0, {2010, 70, 1500, 100, 100, 1550}}});
}

TEST(StretchProjectionTest, ASpousePhaseStartsItsOwnTotalAndItsDistributionsAt71) {
    StretchInputs in = ShortAccount();
    in.ratePercent = 0;
    in.spouseAge = 68;
    in.spouseLE = 3;
    std::vector<std::pair<int, int>> jointCalls;
    const StretchDivisors divisors = {[&](int first, int second) {
                                          jointCalls.emplace_back(first, second);
                                          return 10.0f;
                                      },
                                      [](int, int) { return 1.0f; }};
    StretchProjection projection;
    EXPECT_EQ(ProjectStretch(in, divisors, projection), 3);
    // The planholder's divisor uses both ages. The spouse is 69 and 70 in the spouse years, never
    // above 70, so takes nothing; the spouse's total starts at 0, the total of all years goes on.
    EXPECT_EQ(jointCalls, (std::vector<std::pair<int, int>>{{70, 68}}));
    ExpectYears(projection, {
                                {P::kSpouse, 1, {2011, 69, 0, 0, 0, 900}},
                                {P::kSpouse, 2, {2012, 70, 0, 0, 0, 900}},
                                {P::kAllYears, 2, {2012, 2, 0, 0, 100, 900}},
                                {P::kBeneficiary, 3, {2013, 53, 0, 900, 900, 0}},
                                {P::kAllYears, 3, {2013, 3, 0, 900, 1000, 0}},
                            });

    in.spouseAge = 70;
    jointCalls.clear();
    ProjectStretch(in, divisors, projection);
    EXPECT_EQ(jointCalls, (std::vector<std::pair<int, int>>{{70, 70}, {71, 71}, {72, 72}}));
    EXPECT_EQ(projection.Cell(P::kSpouse, P::kDistributionsToDate, 1), 90);
    EXPECT_EQ(projection.Cell(P::kSpouse, P::kDistributionsToDate, 2), 171);
    EXPECT_EQ(projection.Cell(P::kAllYears, P::kDistributionsToDate, 2), 271);
}

TEST(StretchProjectionTest, RothPlanholderAndSpouseTakeNothing) {
    StretchInputs in = ShortAccount();
    in.roth = true;
    in.spouseLE = 2;
    StretchProjection projection;
    ProjectStretch(in, CountdownDivisors(10, 1), projection);
    ExpectYears(projection, {
                                {P::kPlanholder, 0, {2010, 70, 0, 0, 0, 1100}},
                                {P::kSpouse, 1, {2011, 71, 0, 0, 0, 1210}},
                                // The non-spouse beneficiary still takes the whole balance.
                                {P::kBeneficiary, 2, {2012, 52, 0, 1331, 1331, 0}},
                            });
}

TEST(StretchProjectionTest, TheBeneficiarysDivisorIsNotRecalculated) {
    StretchInputs in = ShortAccount();
    in.ratePercent = 0;
    std::vector<std::pair<int, int>> singleCalls;
    const StretchDivisors divisors = {[](int, int) { return 10.0f; },
                                      [&](int start, int current) {
                                          singleCalls.emplace_back(start, current);
                                          return 2.0f - (current - start);
                                      }};
    StretchProjection projection;
    ProjectStretch(in, divisors, projection);
    EXPECT_EQ(singleCalls, (std::vector<std::pair<int, int>>{{51, 51}, {51, 52}}));
}

TEST(StretchProjectionTest, EndsEarly) {
    struct Case {
        const char* name;
        float beneficiaryDivisor;
        double startingValue;
        int last;
    };
    const Case cases[] = {
        // A result code in the divisor's place counts as 1.0: the whole balance is paid out.
        {"a result code", 102.0f, 1000, 1},
        {"a divisor below 1", 0.5f, 1000, 1},
        // 80 grows to 88 and 80 / 10 is paid: 80 stays, below 100 at once.
        {"a balance below 100 in the first year", 10.0f, 80, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StretchInputs in = ShortAccount();
        in.startingValue = c.startingValue;
        const float divisor = c.beneficiaryDivisor;
        StretchProjection projection;
        EXPECT_EQ(
            ProjectStretch(in, {[](int, int) { return 10.0f; }, [=](int, int) { return divisor; }},
                           projection),
            c.last);
        EXPECT_LT(projection.Cell(P::kBeneficiary, P::kClosingBalance, c.last), 100);
    }
}

TEST(StretchProjectionTest, ABalanceThatNeverFallsRunsToTheLastYear) {
    StretchInputs in = ShortAccount();
    in.ratePercent = 2;
    StretchProjection projection;
    EXPECT_EQ(ProjectStretch(in, {[](int, int) { return 10.0f; }, [](int, int) { return 50.0f; }},
                             projection),
              120);
    EXPECT_GT(projection.Cell(P::kBeneficiary, P::kClosingBalance, 120), 100);
}

TEST(StretchProjectionTest, LargeAccountsFitAndOverflowIsAnError) {
    StretchInputs in = ShortAccount();
    in.startingValue = 5e12; // beyond 32-bit cells
    StretchProjection projection;
    ProjectStretch(in, CountdownDivisors(10, 3), projection);
    EXPECT_EQ(projection.Cell(P::kPlanholder, P::kClosingBalance, 0), 5000000000000);

    in.startingValue = 1e18;
    in.ratePercent = 1000;
    in.planholderLE = 3;
    in.spouseLE = 3;
    testkit::ExpectRuntimeError(runtime::ErrorNumber::Overflow,
                                [&] { ProjectStretch(in, CountdownDivisors(10, 3), projection); });
}

TEST(StretchProjectionTest, ShapesAndBounds) {
    StretchProjection projection;
    EXPECT_EQ(projection.PhaseCount() * projection.ColumnCount() * projection.YearCount(), 1);
    EXPECT_THROW(projection.Cell(0, 0, 1), runtime::RuntimeError);
    projection.ResetToProjection();
    EXPECT_EQ(projection.Cell(3, 5, 120), 0);
    EXPECT_THROW(projection.Cell(4, 0, 0), runtime::RuntimeError);
    EXPECT_THROW(projection.Cell(0, 6, 0), runtime::RuntimeError);
    EXPECT_THROW(projection.Cell(0, 0, 121), runtime::RuntimeError);
    EXPECT_THROW(projection.SetCell(0, 0, -1, 1), runtime::RuntimeError);
    projection.ResetToSingleElement();
    EXPECT_THROW(projection.Cell(0, 0, 1), runtime::RuntimeError);
}

} // namespace
