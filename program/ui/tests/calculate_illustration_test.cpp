#include "program/ui/main_window/calculate_illustration.h"

#include "platform/forms/application.h"
#include "platform/forms/testing/driver.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/clock.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace ui;

using Fields = std::map<std::string, std::string>;
using illustration::IllustrationType;

// The main window and the representative window, with the clock at 03/04/2011 and a
// representative Ann B. Lee of Lee Agency.
class CalculateIllustrationTest : public testing::Test {
protected:
    CalculateIllustrationTest() {
        repInfo.txtInput(0).SetText("Ann");
        repInfo.txtInput(1).SetText("B");
        repInfo.txtInput(2).SetText("Lee");
        repInfo.txtInput(4).SetText("Lee Agency");
        repInfo.txtInput(5).SetText("555-0100");
    }

    void Type(IllustrationType illustrationType, const Fields& fields) {
        program.IllustrationType = illustrationType;
        for (const auto& [tag, text] : fields) {
            main.SetField(text, tag);
        }
    }

    void ExpectFields(const Fields& expected) {
        for (const auto& [tag, text] : expected) {
            SCOPED_TRACE(tag);
            EXPECT_EQ(main.GetField(tag), text);
        }
    }

    sys::ScopedClock clock{sys::LocalDateTime{2011, 3, 4, 10, 0, 0}};
    forms::Application app;
    forms::testing::Driver driver{app};
    ProgramState program;
    frmMain& main = app.Create<frmMain>(program);
    frmRepInfo& repInfo = app.Create<frmRepInfo>();
    calc::StretchProjection result;
};

const char* const kRepresentativeLine = "Ann B. Lee \\bullet  Lee Agency\\par Office: 555-0100";

TEST_F(CalculateIllustrationTest, PlanholderRmdFromTheFieldsToTheReportFields) {
    Type(IllustrationType::PlanholderRmd,
         {{"8-PlanName0", "Rollover Plan"}, {"7-SpouseDOB", ""}, {"7-PlanRetDate", ""}});
    main.cmboPlanType(0).SetText("IRA");
    main.validated = {.name = "John Q Public",
                      .birthDate = "03/15/1940",
                      .calculationYear = "2011",
                      .accountValue = "100000",
                      .planType = "IRA"};
    result.ResetToProjection();
    CalculateIllustration(main, repInfo, result);

    EXPECT_EQ(result.PhaseCount() * result.ColumnCount() * result.YearCount(), 1);
    ExpectFields({{"R-YYYY", "2011"},
                  {"R-YYY1", "2010"},
                  {"R-PlanType", "IRA"},
                  {"R-PlanName", "Rollover Plan"},
                  {"R-PHName", "John Q Public"},
                  {"R-PHDOB", "March 15, 1940"},
                  {"R-SpouseDOB", "R-SpouseDOB"},
                  {"R-XTable", "Uniform Lifetime"},
                  {"R-Plan70", "September 15, 2010"},
                  {"R-RetDate", "~R"},
                  {"R-RBD", "April 1, 2011"},
                  {"R-PlanValue", "$100,000"},
                  {"R-IRSTable", "26.5"},
                  {"R-AA", "for age 71"},
                  {"R-RMD", "$3,774"},
                  {"R-IRSPen", "$1,887"},
                  {"R-Aname", kRepresentativeLine},
                  {"6-RMD_Amt", "$3,774"},
                  {"6-IllustrationDate", "03/04/2011"},
                  {"R-Dec31YYYY", "December 31, 2011"},
                  {"R-NoteYear1", std::string(400, ' ')},
                  {"R-1", "~X"},
                  {"R-2", "~4"}});
    EXPECT_EQ(main.RepresentativeLine, kRepresentativeLine);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(CalculateIllustrationTest, DetailedModeShowsTheWorkingBeforeTheFieldsAreWritten) {
    Type(IllustrationType::PlanholderRmd, {});
    main.validated = {.name = "P",
                      .birthDate = "03/15/1940",
                      .calculationYear = "2011",
                      .accountValue = "100000",
                      .planType = "IRA"};
    main.DetailedCalculations = true;
    driver.ExpectMessageBox("Calculation Details:", forms::vbOK);
    CalculateIllustration(main, repInfo, result);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].icon, forms::MessageBoxIcon::Information);
    EXPECT_EQ(driver.MessageBoxes()[0].prompt,
              "Planholder Age on 12/31/2011: 71\r\n"
              "RMD Factor from Uniform Lifetime Table = 26.5\r\nRMD: 3774");
    EXPECT_EQ(main.GetField("R-RMD"), "$3,774");
}

// A planholder of 70 at the end of 2001 without a spouse takes the pre-2002 joint divisor of
// his age and an age ten years younger: 26.2, the published cell (60, 70).
TEST_F(CalculateIllustrationTest, PlanholderRmdOf2001TakesThePreTwoThousandTwoDivisor) {
    Type(IllustrationType::PlanholderRmd, {});
    main.validated = {.name = "P",
                      .birthDate = "06/15/1931",
                      .calculationYear = "2001",
                      .accountValue = "100000",
                      .planType = "IRA"};
    CalculateIllustration(main, repInfo, result);
    ExpectFields({{"R-IRSTable", "26.2"}, {"R-RMD", "$3,817"}, {"6-RMD_Amt", "$3,817"}});
}

TEST_F(CalculateIllustrationTest, BeneficiaryRmdFromTheFieldsToTheReportFields) {
    Type(IllustrationType::BeneficiaryRmd,
         {{"7-DD1", "6/15/2005"}, {"8-PlanName1", "Inherited IRA"}});
    main.validated = {.name = "Bo Lee",
                      .birthDate = "3/1/1960",
                      .calculationYear = "2008",
                      .accountValue = "100000",
                      .planType = "IRA"};
    CalculateIllustration(main, repInfo, result);
    ExpectFields({{"R-YYYY", "2008"},
                  {"R-YYY1", "2007"},
                  {"R-PlanType", "IRA"},
                  {"R-PlanName", "Inherited IRA"},
                  {"R-PHName", "Bo Lee"},
                  {"R-PHDOB", "March 1, 1960"},
                  {"R-OriginalDOB", ""},
                  {"R-XTable", "Single Life Expectancy"},
                  {"R-BAgeDD", "46"},
                  {"R-IRSTable", "35.9"},
                  {"R-AA", "for age 46 minus 2"},
                  {"R-DD", "June 15, 2005"},
                  {"R-RBD", "December 31, 2006"},
                  {"R-DSpecial", "December 31, 2006"},
                  {"R-PlanValue", "$100,000"},
                  {"R-RMD", "$2,786"},
                  {"R-IRSPen", "$1,393"},
                  {"R-Aname", kRepresentativeLine},
                  {"R-Dec31YYYY", "December 31, 2008"},
                  {"6-RMD_Amt", "$2,786"},
                  {"R-NoteYear1", std::string(169, ' ')},
                  {"R-1", "~N"},
                  {"R-2", "~X"}});
    // The age label is element 157; a search by its tag only reaches it when writing.
    EXPECT_EQ(main.Fields().Text(157), "Age of Beneficiary on RBD");
    EXPECT_EQ(main.GetField("Age of Beneficiary on RBD"), "??");
    EXPECT_EQ(main.validated.birthDate, "03/01/1960");
    EXPECT_EQ(main.validated.yearAfterDeathDate, "12/31/2006");
}

TEST_F(CalculateIllustrationTest, AnInvalidDateOfDeathChangesNoField) {
    Type(IllustrationType::BeneficiaryRmd, {{"7-DD1", "not a date"}});
    main.validated = {.birthDate = "3/1/1960", .calculationYear = "2008"};
    driver.ExpectMessageBox("Tallowmere", forms::vbOK);
    CalculateIllustration(main, repInfo, result);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].prompt, "Unexpected error: Invalid Date of Death.");
    EXPECT_EQ(main.GetField("R-RMD"), "R-RMD");
    EXPECT_EQ(main.validated.birthDate, "3/1/1960");
}

TEST_F(CalculateIllustrationTest, EqualPaymentsFromTheFieldsToTheReportFields) {
    Type(IllustrationType::EqualPayments, {{"7-EqualDate", "04/01/2010"},
                                           {"7-EqualDOB", "02/10/1940"},
                                           {"7-EqualSpouseDOB1", ""},
                                           {"6-EqualAcctValue1", "$100,000"},
                                           {"6-EqualAcctValue2", "$100,000"},
                                           {"1-EqualROR", "5.00"},
                                           {"8-EqualPlanName", "My IRA"}});
    main.validated.name = "Ann Lee";
    main.optEqualPmt(4).SetValue(true);
    CalculateIllustration(main, repInfo, result);
    ExpectFields({{"R-IRSPen", "~S"},
                  {"R-PlanName", "My IRA"},
                  {"R-PHName", "Ann Lee"},
                  {"R-PHDOB", "February 10, 1940"},
                  {"R-Age", "70"},
                  {"R-BeneDOB", ""},
                  {"R-BT", "1"},
                  {"R-Factor1", "17.0"},
                  {"R-Factor2", "27.4"},
                  {"R-Factor3", "1.0"},
                  {"R-YYYY", "2010"},
                  {"R-YYY1", "2009"},
                  {"R-PlanValue", "$100,000"},
                  {"R-Payment1", "$5,882.35"},
                  {"R-Payment2", "$3,649.64"},
                  {"R-Payment3", "$100,000.00"},
                  {"R-CalcDate", "April 1, 2010"},
                  // The rate as the field shows it once left, though it is still in its
                  // edit form (a menu command takes no focus from it).
                  {"R-AA", "5.00%"},
                  {"R-PValue", "$100,000"},
                  {"R-Payment4", "$8,869.91"},
                  {"R-Payment5", "$6,781.24"},
                  {"R-Payment6", "$105,000.00"},
                  {"R-Payment7", "$8,822.88"},
                  {"R-RBD", "~@"},
                  {"R-1", " "},
                  {"R-5", " X"},
                  {"6-RMD_Amt", "$6,781.24"},
                  {"R-NameAgent", "Ann B. Lee "},
                  {"R-Aname", kRepresentativeLine}});
    EXPECT_EQ(main.validated.calculationYear, "2010");
}

TEST_F(CalculateIllustrationTest, StretchFromTheFieldsToTheProjection) {
    Type(IllustrationType::Stretch, {{"1-StretchROR", "5.00"},
                                     {"6-StretchAcctValue", "$100,000"},
                                     {"6-StretchAcctCont", ""},
                                     {"2-StretchContYrs", ""},
                                     {"7-StretchPDOB", "06/15/1940"},
                                     {"2-StretchPLEO", "2"},
                                     {"7-StretchSDOB", ""},
                                     {"7-StretchBDOB", "03/03/1930"},
                                     {"6-IllustrationDate", "01/05/2010"}});
    program.IllustrationSaved = true; // the saved date stays: the projection starts in 2010
    CalculateIllustration(main, repInfo, result);
    EXPECT_EQ(main.GetField("6-IllustrationDate"), "01/05/2010");
    EXPECT_EQ(main.PlanholderLE, 2);
    EXPECT_EQ(main.SpouseLE, 2);
    EXPECT_EQ(main.LastYearIndex, 11);
    EXPECT_EQ(main.BeneLastYearIndex, 11);
    EXPECT_EQ(result.Cell(calc::StretchProjection::kPlanholder,
                          calc::StretchProjection::kDistribution, 0),
              3650);
    EXPECT_EQ(result.Cell(calc::StretchProjection::kAllYears,
                          calc::StretchProjection::kDistributionsToDate, 11),
              140684);
    // No spouse phase: the graph list drops the spouse's series.
    EXPECT_EQ(main.lstGraph.ListCount(), 3);
    // The Stretch calculation writes no report field.
    EXPECT_EQ(main.GetField("R-RMD"), "R-RMD");
}

TEST_F(CalculateIllustrationTest, NoTypeRunsTheSharedPartOnly) {
    main.validated.calculationYear = "2010";
    result.ResetToProjection();
    result.SetCell(0, 0, 0, 7);
    CalculateIllustration(main, repInfo, result);
    EXPECT_EQ(main.GetField("R-YYYY"), "2010");
    EXPECT_EQ(main.GetField("6-IllustrationDate"), "03/04/2011");
    EXPECT_EQ(result.Cell(0, 0, 0), 7);
    EXPECT_EQ(main.GetField("R-Aname"), "R-Aname");
}

TEST_F(CalculateIllustrationTest, AMissingFactorLibraryReachesTheCallerAndWritesNoReportField) {
    Type(IllustrationType::PlanholderRmd, {});
    main.validated = {.birthDate = "03/15/1940",
                      .calculationYear = "2011",
                      .accountValue = "100000",
                      .planType = "IRA"};
    calc::FactorLibrary missing("libtallowmere-missing.so");
    EXPECT_THROW(CalculateIllustration(main, repInfo, result, missing), runtime::RuntimeError);
    EXPECT_EQ(main.GetField("R-RMD"), "R-RMD");
    EXPECT_EQ(main.GetField("R-PHName"), "R-PHName");
}

} // namespace
