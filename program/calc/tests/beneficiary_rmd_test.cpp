#include "program/calc/beneficiary_rmd.h"

#include "program/calc/src/distribution_rules.h"
#include "program/calc/tests/field_writes_lookup.h"

#include <gtest/gtest.h>

namespace {

using namespace calc;

// A beneficiary born 03/01/1960 of a planholder who died 06/15/2005.
BeneficiaryRmdInputs Beneficiary(const std::string& year) {
    BeneficiaryRmdInputs in;
    in.deathDate = "06/15/2005";
    in.beneficiaryBirthDate = "3/1/1960";
    in.beneficiaryName = "Bo Lee";
    in.calculationYear = year;
    in.yearEndDate = "12/31/" + year;
    in.accountValue = "100000";
    in.planType = "IRA";
    in.planName = "Inherited";
    in.representativeLine = "Rep\\par ";
    return in;
}

// A surviving spouse born 01/20/1945 of a planholder born 05/10/1940 who died 08/01/2005.
BeneficiaryRmdInputs SurvivingSpouse(const std::string& year) {
    BeneficiaryRmdInputs in = Beneficiary(year);
    in.deathDate = "08/01/2005";
    in.beneficiaryBirthDate = "01/20/1945";
    in.survivingSpouse = true;
    in.originalBirthDate = "05/10/1940";
    return in;
}

TEST(BeneficiaryRmdTest, ANonSpouseBeneficiaryDoesNotRecalculate) {
    BeneficiaryRmdInputs in = Beneficiary("2008");
    in.detailedMode = true;
    const BeneficiaryRmdResult result = CalculateBeneficiaryRmd(in, FactorLibrary::Program());
    // 46 on 12/31/2006, 48 now: 37.9 less 2 is 35.9; 100000 / 35.9 = 2785.52, so 2786.
    ExpectWritten(result.writes, {{"R-RMD", "$2,786"},
                                  {"R-IRSPen", "$1,393"},
                                  {"6-RMD_Amt", "$2,786"},
                                  {"R-IRSTable", "35.9"},
                                  {"R-AA", "for age 46 minus 2"},
                                  {"R-BAgeDD", "46"},
                                  {"Age of Beneficiary on RBD", "Age of Beneficiary on RBD"},
                                  {"R-RBD", "December 31, 2006"},
                                  {"R-DSpecial", "December 31, 2006"},
                                  {"R-DD", "June 15, 2005"},
                                  {"R-YYYY", "2008"},
                                  {"R-YYY1", "2007"},
                                  {"R-Dec31YYYY", "December 31, 2008"},
                                  {"R-PHDOB", "March 1, 1960"},
                                  {"R-PHName", "Bo Lee"},
                                  {"R-XTable", "Single Life Expectancy"},
                                  {"R-OriginalDOB", ""},
                                  {"R-NoteYear1", std::string(169, ' ')},
                                  {"R-PlanValue", "$100,000"},
                                  {"R-1", "~N"},
                                  {"R-2", "~X"}});
    ASSERT_TRUE(result.details);
    EXPECT_EQ(result.details->title, "IRA Calculation Details:");
    EXPECT_EQ(result.details->text, "Planholder's Death Date: 06/15/2005\r\n"
                                    "Beneficiary's Required Beginning Date: 12/31/2006\r\n"
                                    "Beneficiary Age on 12/31/2006: 46\r\n"
                                    "Beneficiary Age on 12/31/2008: 48\r\n"
                                    "Single RMD Factor (Without Recalc): 35.9\r\n"
                                    "RMD: 2786");
    EXPECT_EQ(result.beneficiaryBirthDate, "03/01/1960");
    EXPECT_EQ(result.yearAfterDeathDate, "12/31/2006");
}

TEST(BeneficiaryRmdTest, TheFirstYearAfterTheDeath) {
    const BeneficiaryRmdResult result =
        CalculateBeneficiaryRmd(Beneficiary("2006"), FactorLibrary::Program());
    ExpectWritten(result.writes,
                  {{"R-IRSTable", "37.9"}, {"R-RMD", "$2,639"}, {"R-AA", "for age 46"}});
}

TEST(BeneficiaryRmdTest, TheYear2009IsSuspended) {
    BeneficiaryRmdInputs in = Beneficiary("2009");
    in.detailedMode = true;
    const BeneficiaryRmdResult result = CalculateBeneficiaryRmd(in, FactorLibrary::Program());
    ExpectWritten(result.writes,
                  {{"R-RMD", "$0"},
                   {"R-IRSPen", "$0"},
                   {"R-IRSTable", "N/A"},
                   {"R-AA", " "},
                   {"R-NoteYear1",
                    "Note: Under the Worker, Retiree, and Employers Recovery Act of 2008 (H.R. "
                    "7327), Congress approved a one-year suspension of the required minimum "
                    "distribution (RMD) for 2009."}});
    EXPECT_FALSE(result.details);
}

TEST(BeneficiaryRmdTest, The2001YearTakesThePre2002Table) {
    BeneficiaryRmdInputs in = Beneficiary("2001");
    in.deathDate = "06/15/1999";
    const BeneficiaryRmdResult result = CalculateBeneficiaryRmd(in, FactorLibrary::Program());
    // 40 on 12/31/2000, 41 now: Table V at 40 is 42.5 (the current table has 43.6), less 1.
    ExpectWritten(result.writes, {{"R-IRSTable", "41.5"}, {"R-RMD", "$2,410"}});
}

TEST(BeneficiaryRmdTest, ASurvivingSpouseWaitsForTheDeceasedsSeventyAndAHalf) {
    const BeneficiaryRmdResult result =
        CalculateBeneficiaryRmd(SurvivingSpouse("2008"), FactorLibrary::Program());
    // The deceased would have reached 70 and a half on 11/10/2010.
    ExpectWritten(result.writes, {{"R-RMD", "$0"},
                                  {"R-IRSTable", "N/A"},
                                  {"R-AA", " "},
                                  {"R-BAgeDD", "63"},
                                  {"R-DSpecial", "December 31, 2010"},
                                  {"R-RBD", "December 31, 2006"},
                                  {"R-OriginalDOB", "May 10, 1940"},
                                  {"R-1", "~S"},
                                  {"R-2", ""}});
}

TEST(BeneficiaryRmdTest, ASurvivingSpouseInTheDeferralYear) {
    const BeneficiaryRmdResult result =
        CalculateBeneficiaryRmd(SurvivingSpouse("2010"), FactorLibrary::Program());
    // 65: the table value, not reduced; the spouse is younger, so no comparison.
    ExpectWritten(result.writes, {{"R-IRSTable", "21.0"},
                                  {"R-RMD", "$4,762"},
                                  {"R-IRSPen", "$2,381"},
                                  {"R-AA", "for age 65"}});
}

TEST(BeneficiaryRmdTest, AnOlderSpouseTakesTheDeceasedsLongerExpectancy) {
    BeneficiaryRmdInputs in = SurvivingSpouse("2007");
    in.deathDate = "03/15/2004";
    in.beneficiaryBirthDate = "06/01/1928";
    in.originalBirthDate = "02/01/1930";
    const BeneficiaryRmdResult result = CalculateBeneficiaryRmd(in, FactorLibrary::Program());
    // Deceased 74 at death and 77 now; spouse 79: 10.8 against 14.1 less 3 = 11.1.
    ExpectWritten(result.writes,
                  {{"R-IRSTable", "11.1"},
                   {"R-RMD", "$9,009"},
                   {"R-IRSPen", "$4,505"},
                   {"R-BAgeDD", "74"},
                   {"Age of Beneficiary on RBD", "Age of Original Planholder at Death"},
                   {"R-AA", "for age 74 minus 3"},
                   {"R-DSpecial", "December 31, 2000"},
                   {"R-RBD", "December 31, 2005"},
                   {"R-2", "~X"}});
}

TEST(BeneficiaryRmdTest, ATieGoesToTheDeceased) {
    BeneficiaryRmdInputs in = SurvivingSpouse("2007");
    in.deathDate = "03/15/2005";
    in.beneficiaryBirthDate = "06/01/1930";
    in.originalBirthDate = "02/01/1931";
    const BeneficiaryRmdResult result = CalculateBeneficiaryRmd(in, FactorLibrary::Program());
    // Spouse 77: 12.1; deceased 74 at death, 76 now: 14.1 less 2 is 12.1 as well.
    ExpectWritten(result.writes,
                  {{"R-IRSTable", "12.1"},
                   {"R-AA", "for age 74 minus 2"},
                   {"R-BAgeDD", "74"},
                   {"Age of Beneficiary on RBD", "Age of Original Planholder at Death"},
                   {"R-RMD", "$8,265"}});
}

TEST(BeneficiaryRmdTest, AnInvalidDateOfDeathWritesNothing) {
    BeneficiaryRmdInputs in = Beneficiary("2008");
    in.deathDate = "13/45/2005";
    const BeneficiaryRmdResult result = CalculateBeneficiaryRmd(in, FactorLibrary::Program());
    EXPECT_EQ(result.error, "Unexpected error: Invalid Date of Death.");
    EXPECT_TRUE(result.writes.empty());
    EXPECT_FALSE(result.details);
}

TEST(BeneficiaryRmdTest, WholeDollars) {
    struct Case {
        double accountValue;
        double distribution;
    };
    // Quotients 4000.005, 4000.02 and 4000 over a divisor of 10.
    const Case cases[] = {{40000.05, 4000}, {40000.2, 4001}, {40000, 4000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.accountValue);
        EXPECT_EQ(WholeDollarDistribution(c.accountValue, 10.0f), c.distribution);
    }
    EXPECT_EQ(DistributionPenalty(2785), 1393);
    EXPECT_EQ(DistributionPenalty(2786), 1393);
}

} // namespace
