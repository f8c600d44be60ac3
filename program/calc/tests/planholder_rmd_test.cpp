#include "program/calc/planholder_rmd.h"

#include "program/calc/tests/field_writes_lookup.h"

#include <gtest/gtest.h>

namespace {

using namespace calc;

// A planholder born 03/15/1940 without a spouse: 70 and a half on 09/15/2010, first distribution
// year 2010, required beginning date 04/01/2011.
PlanholderRmdInputs Planholder(const std::string& year) {
    PlanholderRmdInputs in;
    in.birthDate = "03/15/1940";
    in.calculationYear = year;
    in.yearEndDate = "12/31/" + year;
    in.accountValue = "100000";
    in.planType = "IRA";
    in.planName = "Rollover";
    in.planholderName = "Ann Lee";
    in.representativeLine = "Rep\\par ";
    return in;
}

const std::string kAprilNote2010 =
    "** Although you can wait until April 1, 2011 to withdraw your Required Minimum "
    "Distribution, it is often unadvisable to do this since you will have to take a second "
    "distribution before the end of 2011. Since all distributions are taxed as ordinary income, "
    "this could put you into a higher income tax bracket and result in higher taxes than if you "
    "took the distribution in 2010. Consult your income tax advisor for details.";

TEST(PlanholderRmdTest, AYearAfterTheFirstDistributionYear) {
    const PlanholderRmdResult result =
        CalculatePlanholderRmd(Planholder("2011"), FactorLibrary::Program());
    // Age 71, Uniform Lifetime 26.5: 100000 / 26.5 = 3773.58, so 3774.
    ExpectWritten(result.writes, {{"R-RMD", "$3,774"},
                                  {"R-IRSPen", "$1,887"},
                                  {"6-RMD_Amt", "$3,774"},
                                  {"R-IRSTable", "26.5"},
                                  {"R-AA", "for age 71"},
                                  {"R-XTable", "Uniform Lifetime"},
                                  {"R-Dec31YYYY", "December 31, 2011"},
                                  {"R-NoteYear1", std::string(400, ' ')},
                                  {"R-YYYY", "2011"},
                                  {"R-YYY1", "2010"},
                                  {"R-Plan70", "September 15, 2010"},
                                  {"R-RBD", "April 1, 2011"},
                                  {"R-RetDate", "~R"},
                                  {"R-PHDOB", "March 15, 1940"},
                                  {"R-PlanValue", "$100,000"},
                                  {"R-PlanType", "IRA"},
                                  {"R-PlanName", "Rollover"},
                                  {"R-PHName", "Ann Lee"},
                                  {"R-Aname", "Rep\\par "},
                                  {"R-SpouseDOB", "(not written)"},
                                  {"R-1", "~X"},
                                  {"R-2", "~4"}});
    EXPECT_FALSE(result.details);
}

TEST(PlanholderRmdTest, TheFirstDistributionYearNotesTheAprilDeadline) {
    const PlanholderRmdResult result =
        CalculatePlanholderRmd(Planholder("2010"), FactorLibrary::Program());
    // Age 70, 27.4: 3649.64 goes up to 3650.
    ExpectWritten(result.writes, {{"R-Dec31YYYY", "April 1, 2011**"},
                                  {"R-NoteYear1", kAprilNote2010},
                                  {"R-RMD", "$3,650"},
                                  {"R-IRSTable", "27.4"}});
}

TEST(PlanholderRmdTest, BeforeTheFirstDistributionYearNothingIsDue) {
    const PlanholderRmdResult result =
        CalculatePlanholderRmd(Planholder("2009"), FactorLibrary::Program());
    const std::string note =
        "Note: Under the Worker, Retiree, and Employers Recovery Act of 2008 (H.R. 7327), Congress "
        "approved a one-year suspension of the required minimum distribution (RMD) for 2009.";
    ASSERT_EQ(note.size(), 173u);
    ExpectWritten(result.writes, {{"R-IRSTable", "N/A"},
                                  {"R-AA", " "},
                                  {"R-RMD", "$0"},
                                  {"R-IRSPen", "$0"},
                                  {"6-RMD_Amt", "$0"},
                                  {"R-Dec31YYYY", "December 31, 2009"},
                                  {"R-NoteYear1", note + std::string(227, ' ')}});
}

TEST(PlanholderRmdTest, AFirstDistributionYearOf2009KeepsTheAprilNoteButPaysNothing) {
    PlanholderRmdInputs in = Planholder("2009");
    in.birthDate = "03/15/1939";
    const PlanholderRmdResult result = CalculatePlanholderRmd(in, FactorLibrary::Program());
    ExpectWritten(result.writes,
                  {{"R-Dec31YYYY", "April 1, 2010**"}, {"R-RMD", "$0"}, {"R-IRSTable", "N/A"}});
    EXPECT_TRUE(Written(result.writes, "R-NoteYear1")
                    .starts_with("** Although you can wait until "
                                 "April 1, 2010 to withdraw"));
}

TEST(PlanholderRmdTest, ASpouseMoreThanTenYearsYoungerUsesTheJointTable) {
    PlanholderRmdInputs in = Planholder("2010");
    in.birthDate = "05/01/1935";
    in.spouseBirthDate = "2/1/1948";
    in.detailedMode = true;
    const PlanholderRmdResult result = CalculatePlanholderRmd(in, FactorLibrary::Program());
    // Ages 75 and 62, joint divisor 25.0: exactly 4000, which stays 4000.
    ExpectWritten(result.writes, {{"R-XTable", "Joint Life Expectancy"},
                                  {"R-AA", "for age 75 / 62"},
                                  {"R-IRSTable", "25.0"},
                                  {"R-RMD", "$4,000"},
                                  {"R-IRSPen", "$2,000"},
                                  {"R-SpouseDOB", "February 1, 1948"}});
    ASSERT_TRUE(result.details);
    EXPECT_EQ(result.details->title, "Calculation Details:");
    EXPECT_EQ(result.details->text, "Planholder Age on 12/31/2010: 75\r\n"
                                    "Spouse Age on 12/31/2010: 62\r\n"
                                    "RMD Factor from Joint Life Table = 25\r\n"
                                    "RMD: 4000");
}

TEST(PlanholderRmdTest, DetailsWithTheUniformTable) {
    PlanholderRmdInputs in = Planholder("2011");
    in.detailedMode = true;
    const PlanholderRmdResult result = CalculatePlanholderRmd(in, FactorLibrary::Program());
    ASSERT_TRUE(result.details);
    EXPECT_EQ(result.details->text, "Planholder Age on 12/31/2011: 71\r\n"
                                    "RMD Factor from Uniform Lifetime Table = 26.5\r\n"
                                    "RMD: 3774");
}

TEST(PlanholderRmdTest, ARothPlanHasNoBeginningDates) {
    PlanholderRmdInputs in = Planholder("2011");
    in.planType = "Roth IRA";
    const PlanholderRmdResult result = CalculatePlanholderRmd(in, FactorLibrary::Program());
    ExpectWritten(result.writes, {{"R-Plan70", ""},
                                  {"R-RBD", ""},
                                  {"R-RMD", "$0"},
                                  {"R-IRSTable", "N/A"},
                                  {"R-NoteYear1", std::string(400, ' ')}});
}

TEST(PlanholderRmdTest, ARetirementAfterSeventyAndAHalfStartsTheDistributions) {
    PlanholderRmdInputs in = Planholder("2012");
    in.planType = "401(k)";
    in.retirementDate = "06/30/2012";
    const PlanholderRmdResult result = CalculatePlanholderRmd(in, FactorLibrary::Program());
    // Age 72, 25.6: 3906.25 goes up to 3907.
    ExpectWritten(result.writes, {{"R-RetDate", "June 30, 2012"},
                                  {"R-RBD", "April 1, 2013"},
                                  {"R-Dec31YYYY", "April 1, 2013**"},
                                  {"R-RMD", "$3,907"},
                                  {"R-Plan70", "September 15, 2010"}});
    // An IRA ignores the retirement date for its dates but still shows it.
    in.planType = "IRA";
    ExpectWritten(CalculatePlanholderRmd(in, FactorLibrary::Program()).writes,
                  {{"R-RetDate", "June 30, 2012"}, {"R-RBD", "April 1, 2011"}});
}

TEST(PlanholderRmdTest, BlockMarkersByPlanType) {
    struct Case {
        const char* planType;
        const char* first;
        const char* second;
    };
    const Case cases[] = {{"SEP-IRA", "~X", "~4"}, {"SIMPLE IRA", "~X", "~4"},
                          {"403(b)", "~I", "~X"},  {"401(k)", "~I", "~4"},
                          {"457", "~I", "~4"},     {"401(a)", "~I", "~4"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.planType);
        PlanholderRmdInputs in = Planholder("2011");
        in.planType = c.planType;
        const illustration::FieldWrites writes =
            CalculatePlanholderRmd(in, FactorLibrary::Program()).writes;
        EXPECT_EQ(Written(writes, "R-1"), c.first);
        EXPECT_EQ(Written(writes, "R-2"), c.second);
    }
}

TEST(PlanholderRmdTest, ADeathInTheYearFollowsTheBirthDate) {
    PlanholderRmdInputs in = Planholder("2011");
    in.deathDate = " 06/01/2011 ";
    const PlanholderRmdResult result = CalculatePlanholderRmd(in, FactorLibrary::Program());
    ExpectWritten(result.writes,
                  {{"R-PHDOB", "March 15, 1940\\par \\tab Date of death \\tab June 1, 2011"},
                   {"R-RMD", "$3,774"}});
}

TEST(PlanholderRmdTest, WritesTheFieldsInOrder) {
    const illustration::FieldWrites writes =
        CalculatePlanholderRmd(Planholder("2011"), FactorLibrary::Program()).writes;
    std::vector<std::string> tags;
    for (const illustration::FieldWrite& write : writes) {
        tags.push_back(write.tag);
    }
    EXPECT_EQ(tags, (std::vector<std::string>{"R-Dec31YYYY", "R-NoteYear1", "R-YYYY",    "R-YYY1",
                                              "R-PlanType",  "R-PlanName",  "R-PHName",  "R-PHDOB",
                                              "R-XTable",    "R-Plan70",    "R-RetDate", "R-RBD",
                                              "R-PlanValue", "R-IRSTable",  "R-AA",      "R-RMD",
                                              "R-IRSPen",    "R-Aname",     "6-RMD_Amt", "R-1",
                                              "R-2"}));
}

} // namespace
