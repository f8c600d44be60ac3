#include "program/calc/stretch_calculation.h"

#include <gtest/gtest.h>

namespace {

using namespace calc;

using P = StretchProjection;

// A planholder born in June 1940, 70 at the end of 2010, with two years; no spouse; a
// beneficiary 80 at the end of 2010; 100000 at 5 percent.
StretchFields Account() {
    StretchFields fields;
    fields.rateOfReturn = "5.00 %";
    fields.accountValue = "$100,000";
    fields.contribution = "0";
    fields.contributionYears = "0";
    fields.illustrationDate = "01/05/2010";
    fields.planholderBirthDate = "6/15/1940";
    fields.planholderYears = "2";
    fields.beneficiaryBirthDate = "03/03/1930";
    return fields;
}

TEST(StretchCalculationTest, ProjectsThroughTheFactorLibrary) {
    StretchProjection projection;
    const StretchResult result = CalculateStretch(Account(), FactorLibrary::Program(), projection);
    EXPECT_EQ(result.planholderLE, 2);
    EXPECT_EQ(result.spouseLE, 2);
    EXPECT_FALSE(result.spousePhase);
    // The beneficiary's divisor runs from the Single Life 9.1 at 82 down by one a year; at 1.0
    // (year index 11) the whole balance is paid out.
    EXPECT_EQ(result.lastYearIndex, 11);
    EXPECT_EQ(result.beneLastYearIndex, 11);

    // Computed separately: Uniform Lifetime 27.4 and 26.5, then 9.1, 8.1, ... as floats.
    struct Row {
        int phase;
        int yearIndex;
        std::int64_t cells[6];
    };
    const Row rows[] = {
        {P::kPlanholder, 0, {2010, 70, 0, 3650, 3650, 101350}},
        {P::kPlanholder, 1, {2011, 71, 0, 3825, 7475, 102593}},
        {P::kBeneficiary, 2, {2012, 82, 0, 11274, 11274, 96449}},
        {P::kBeneficiary, 10, {2020, 90, 0, 18803, 130149, 2915}},
        {P::kBeneficiary, 11, {2021, 91, 0, 3060, 133209, 0}},
        {P::kAllYears, 2, {2012, 2, 0, 11274, 18749, 96449}},
        {P::kAllYears, 11, {2021, 11, 0, 3060, 140684, 0}},
    };
    for (const Row& row : rows) {
        for (int column = 0; column < P::kColumns; ++column) {
            SCOPED_TRACE(testing::Message() << "phase " << row.phase << " year " << row.yearIndex
                                            << " column " << column);
            EXPECT_EQ(projection.Cell(row.phase, column, row.yearIndex), row.cells[column]);
        }
    }
}

TEST(StretchCalculationTest, BornInJulyTheFirstDistributionIsAtSeventyOne) {
    StretchFields fields = Account();
    fields.planholderBirthDate = "07/01/1940";
    StretchProjection projection;
    CalculateStretch(fields, FactorLibrary::Program(), projection);
    EXPECT_EQ(projection.Cell(P::kPlanholder, P::kDistribution, 0), 0);
    EXPECT_EQ(projection.Cell(P::kPlanholder, P::kClosingBalance, 0), 105000);
    // 105000 / 26.5 at 71.
    EXPECT_EQ(projection.Cell(P::kPlanholder, P::kDistribution, 1), 3962);
}

TEST(StretchCalculationTest, ASpouseWithMoreYearsHasAPhase) {
    StretchFields fields = Account();
    fields.spouseBirthDate = "01/01/1945";
    fields.spouseYears = "4";
    StretchProjection projection;
    StretchResult result = CalculateStretch(fields, FactorLibrary::Program(), projection);
    EXPECT_TRUE(result.spousePhase);
    EXPECT_EQ(result.spouseLE, 4);
    EXPECT_EQ(projection.Cell(P::kSpouse, P::kAge, 2), 67);
    EXPECT_EQ(projection.Cell(P::kBeneficiary, P::kYear, 4), 2014);

    // Fewer years than the planholder: no spouse phase, the beneficiary starts after the
    // planholder.
    fields.spouseYears = "1";
    result = CalculateStretch(fields, FactorLibrary::Program(), projection);
    EXPECT_FALSE(result.spousePhase);
    EXPECT_EQ(result.spouseLE, 2);
    EXPECT_EQ(projection.Cell(P::kSpouse, P::kYear, 2), 0);
    EXPECT_EQ(projection.Cell(P::kBeneficiary, P::kYear, 2), 2012);
}

} // namespace
