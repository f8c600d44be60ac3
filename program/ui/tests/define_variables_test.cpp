#include "program/ui/main_window/define_variables.h"

#include "program/ui/tests/input_window.h"
#include "program/ui/tests/valid_inputs.h"

#include "platform/forms/keys.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

namespace {

using namespace ui;

using illustration::IllustrationType;

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    bool first = true;
    for (const std::string& line : lines) {
        text += (first ? "" : "\r\n") + line;
        first = false;
    }
    return text;
}

const std::string kDateHelp =
    Lines({"Please enter a valid date in one", " of the following date formats:", "",
           "  01/01/1930", "  1/1/1930", "  1 Jan 1930", "  January 1, 1930"});

std::string WithDateHelp(const std::string& sentence) {
    return sentence + "\r\n" + kDateHelp;
}

const std::string kRateText =
    Lines({"Important: The IRS has determined that the Chosen Interest Rate",
           "should be an interest rate not more than 120% of the federal",
           "mid-term rate for either of the two months prior to the date",
           "distributions will begin.", "", ""});

const char* const kMissing = "Missing Required Information.";
const char* const kMissingDate = "Missing Required Date";
const char* const kDateError = "Date Input Error";

// The window of `type` holding its valid inputs with `changes` typed over them.
struct Validation : InputWindow {
    Validation(IllustrationType type, const Fields& changes) : InputWindow(type) {
        Enter(ValidInputs(type));
        Enter(changes);
        // The Stretch report's tax page compares the taxes of the client's state.
        if (type == IllustrationType::Stretch) {
            ChooseState("NY");
        }
    }
};

struct FailingCase {
    IllustrationType type;
    Fields changes;
    std::string message;
    std::string title;
    std::string tag;
    std::string sample;
    bool joint = false;     // optUseJoint "Yes"
    bool survivor = false;  // chkSurvivingSpouse
    std::string planType{}; // chosen in the RMD plan type list when not empty
    std::string savedOn{};  // when not empty: the illustration was saved on this day, unchanged
};

void ExpectFailure(const FailingCase& c) {
    Validation window(c.type, c.changes);
    if (!c.planType.empty()) {
        window.driver.Focus(window.main.cmboPlanType(0));
        window.driver.ChooseItem(window.main.cmboPlanType(0), c.planType);
        window.driver.Focus(window.Field("8-PartFirst"));
    }
    window.main.optUseJoint(c.joint ? 0 : 1).SetValue(true);
    window.main.chkSurvivingSpouse.SetValue(c.survivor ? forms::vbChecked : forms::vbUnchecked);
    if (!c.savedOn.empty()) {
        window.Enter({{"6-IllustrationDate", c.savedOn}});
        window.program.IllustrationSaved = true;
    }
    window.driver.ExpectMessageBox(c.title, forms::vbOK);
    EXPECT_TRUE(DefineVariables(window.main));
    ASSERT_EQ(window.driver.MessageBoxes().size(), 1u);
    const auto& box = window.driver.MessageBoxes()[0];
    EXPECT_EQ(box.prompt, c.message);
    EXPECT_EQ(box.icon, forms::MessageBoxIcon::Exclamation);
    forms::TextBox& field = window.Field(c.tag);
    EXPECT_EQ(field.Text(), c.sample);
    EXPECT_EQ(window.app.ActiveControl(), &field);
    EXPECT_EQ(field.SelLength(), static_cast<int>(c.sample.size()));
    EXPECT_EQ(window.main.TabOne1.CurrentTab(), static_cast<int>(c.type));
}

TEST(DefineVariables, EveryRmdCheck) {
    const auto rmd = IllustrationType::PlanholderRmd;
    const std::string deathYear = Lines(
        {"The Date of Death must occur during the", "calculation year. If the date of death is",
         "other than in the calculation year, use the", "Required Minimum Beneficiary Calculator.",
         "", kDateHelp});
    const std::string year = Lines({"This calculator is based on IRS regulations",
                                    "released in 2001 and the 1 year change for 2009.", "",
                                    "Please enter a year between 2001 and 2012."});
    const std::string tooOld =
        Lines({"The Spouse's Date of Birth must be a date that",
               "will produce a Spouse age more than 10 years",
               "younger than the Client to qualify to use the", "Joint Life Expectancy Table."});
    const FailingCase cases[] = {
        {rmd,
         {{"8-PartFirst", "  "}},
         "Please enter a first name.",
         kMissing,
         "8-PartFirst",
         "John"},
        {rmd, {{"8-PartLast", ""}}, "Please enter a last name.", kMissing, "8-PartLast", "Sample"},
        {rmd,
         {{"7-PartDOB", "13/01/1940"}},
         WithDateHelp("The Planholder's Date of Birth is required."),
         kDateError,
         "7-PartDOB",
         "01/01/1930"},
        {rmd,
         {{"7-PartDOB", "12/31/1895"}},
         WithDateHelp("The Planholder's Date of Birth is incorrect."),
         kDateError,
         "7-PartDOB",
         "01/01/1930"},
        {rmd,
         {{"7-PartDOB", "01/01/2012"}},
         WithDateHelp("The Planholder's Date of Birth is incorrect."),
         kDateError,
         "7-PartDOB",
         "01/01/1930"},
        {rmd,
         {{"7-SpouseDOB", "soon"}},
         WithDateHelp("The Spouse's Date of Birth is required."),
         kDateError,
         "7-SpouseDOB",
         "01/01/1930",
         true},
        {rmd,
         {{"7-SpouseDOB", "1/1/2012"}},
         WithDateHelp("The Spouse's Date of Birth is incorrect."),
         kDateError,
         "7-SpouseDOB",
         "01/01/1930",
         true},
        // Ten calendar years apart, whatever the months.
        {rmd,
         {{"7-SpouseDOB", "01/01/1950"}},
         tooOld,
         "Incorrect Spouse Date of Birth",
         "7-SpouseDOB",
         "01/01/1930",
         true},
        {rmd,
         {{"7-DD0", "yesterday"}},
         WithDateHelp("The Planholder's Date of Death is not entered correctly."),
         kDateError,
         "7-DD0",
         ""},
        // The retirement date is open only for the 4xx plan types.
        {rmd,
         {{"7-PlanRetDate", "2/30/2010"}},
         WithDateHelp("The Planholder's Retirement Date is not entered correctly."),
         kDateError,
         "7-PlanRetDate",
         "",
         false,
         false,
         "401(k)"},
        {rmd, {{"3-Year0", "2000"}}, year, "Invalid Entry.", "3-Year0", "2012"},
        {rmd, {{"3-Year0", "2013"}}, year, "Invalid Entry.", "3-Year0", "2012"},
        {rmd, {{"3-Year0", ""}}, year, "Invalid Entry.", "3-Year0", "2012"},
        {rmd,
         {{"7-DD0", "01/01/2011"}, {"3-Year0", "2010"}},
         deathYear,
         "Date Input Error 01/01/2011",
         "7-DD0",
         "06/15/2011"},
        {rmd,
         {{"7-DD0", " 12/31/2010 "}},
         deathYear,
         "Date Input Error 12/31/2010",
         "7-DD0",
         "06/15/2011"},
        {rmd,
         {{"6-AcctValue0", "$0.99"}},
         "Please enter the Account Value.",
         kMissing,
         "6-AcctValue0",
         "100000"},
        {rmd,
         {{"6-AcctValue0", ""}},
         "Please enter the Account Value.",
         kMissing,
         "6-AcctValue0",
         "100000"},
    };
    for (const FailingCase& c : cases) {
        SCOPED_TRACE(c.changes.begin()->first + "=" + c.changes.begin()->second);
        ExpectFailure(c);
    }
}

TEST(DefineVariables, EveryRmbdCheck) {
    const auto rmbd = IllustrationType::BeneficiaryRmd;
    const std::string year =
        Lines({"This calculator is based on IRS regulations", "released in 2001 and 2002.", "",
               "Please enter a year between 2001 and 2012."});
    const std::string tooEarly = Lines(
        {"The calculation year must be at least one", "year after the original planholder's death.",
         "If this is not the case, use the RMD Calculator", "instead of the RMBD Calculator."});
    const FailingCase cases[] = {
        {rmbd,
         {{"8-BeneFirst", ""}},
         Lines({"The Beneficiary's first name is required", "Please enter a first name."}),
         kMissing,
         "8-BeneFirst",
         "Sally"},
        {rmbd,
         {{"8-BeneLast", ""}},
         Lines({"The Beneficiary's last name is required.", "Please enter a last name."}),
         kMissing,
         "8-BeneLast",
         "Sample"},
        {rmbd,
         {{"7-BeneDOB", ""}},
         WithDateHelp("The Beneficiary's Date of Birth is required."),
         kMissingDate,
         "7-BeneDOB",
         "12/07/1941"},
        {rmbd,
         {{"7-BeneDOB", "1/1/1895"}},
         WithDateHelp("The Beneficiary's Date of Birth is incorrect."),
         kDateError,
         "7-BeneDOB",
         "01/01/1930"},
        {rmbd,
         {{"7-DD1", "x"}},
         WithDateHelp("The Original Planholder's Date of Death is required."),
         kMissingDate,
         "7-DD1",
         "01/01/2000"},
        {rmbd,
         {{"7-DD1", "12/31/1980"}},
         WithDateHelp("The Date of Death is incorrect."),
         kDateError,
         "7-DD1",
         "01/01/2000"},
        {rmbd,
         {{"7-DD1", "06/16/2011"}},
         WithDateHelp("The Date of Death is incorrect."),
         kDateError,
         "7-DD1",
         "01/01/2000"},
        {rmbd, {{"3-Year1", "2013"}}, year, "Invalid Entry.", "3-Year1", "2012"},
        {rmbd, {{"7-DD1", "01/01/2011"}}, tooEarly, "Invalid Entry.", "7-DD1", "01/01/2000"},
        {rmbd,
         {{"6-AcctValue1", "0"}},
         "Please enter the Account Value.",
         kMissing,
         "6-AcctValue1",
         "100000"},
        {rmbd,
         {{"7-OriginalDOB", "?"}},
         WithDateHelp("The Original Planholder's Date of Birth is required."),
         kMissingDate,
         "7-OriginalDOB",
         "01/01/1930",
         false,
         true},
        {rmbd,
         {{"7-OriginalDOB", "1/1/1890"}},
         WithDateHelp("The Date of Birth is incorrect."),
         kDateError,
         "7-OriginalDOB",
         "01/01/1930",
         false,
         true},
    };
    for (const FailingCase& c : cases) {
        SCOPED_TRACE(c.changes.begin()->first + "=" + c.changes.begin()->second);
        ExpectFailure(c);
    }
}

TEST(DefineVariables, EveryEqualCheck) {
    const auto equal = IllustrationType::EqualPayments;
    const std::string date = Lines({"The Calculation Date is incorrect.",
                                    "This calculator is based on IRS Revenue Ruling 2002-62",
                                    "for plan years 2002 and thereafter.", "",
                                    "Please enter a date between 01/01/2002 and 06/15/2011."});
    const std::string rate =
        kRateText + Lines({"Choose an Interest Rate. We strongly recommend that you",
                           "press the \"Web Lookup\" button to review the federal",
                           "mid-term rates for the two months prior to the date when",
                           "distributions will begin."});
    const FailingCase cases[] = {
        {equal,
         {{"8-EqualFirst", ""}},
         Lines({"The first name is required", "Please enter a first name."}),
         kMissing,
         "8-EqualFirst",
         "John"},
        {equal,
         {{"8-EqualLast", ""}},
         Lines({"The last name is required.", "Please enter a last name."}),
         kMissing,
         "8-EqualLast",
         "Sample"},
        {equal,
         {{"7-EqualDOB", ""}},
         WithDateHelp("The Date of Birth is required."),
         kMissingDate,
         "7-EqualDOB",
         "01/01/1950"},
        {equal,
         {{"7-EqualDOB", "1/1/1895"}},
         WithDateHelp("The Date of Birth is incorrect."),
         kDateError,
         "7-EqualDOB",
         "01/01/1950"},
        {equal,
         {{"8-EqualPlanName", ""}},
         Lines({"The plan name is required.", "Please enter the name of this retirement plan."}),
         kMissing,
         "8-EqualPlanName",
         "IRA Plan"},
        {equal, {{"7-EqualDate", "06/16/2011"}}, date, kDateError, "7-EqualDate", "06/15/2011"},
        {equal, {{"7-EqualDate", "12/31/2001"}}, date, kDateError, "7-EqualDate", "06/15/2011"},
        {equal, {{"7-EqualDate", "today"}}, date, kDateError, "7-EqualDate", "06/15/2011"},
        {equal,
         {{"6-EqualAcctValue1", "$0"}},
         "Please enter the Account Value.",
         kMissing,
         "6-EqualAcctValue1",
         "100000"},
        {equal,
         {{"6-EqualAcctValue2", ""}},
         "Please enter the Account Value.",
         kMissing,
         "6-EqualAcctValue2",
         "100000"},
        {equal,
         {{"1-EqualROR", "12.01%"}},
         rate,
         "Invalid Chosen Interest Rate",
         "1-EqualROR",
         "4.00"},
        {equal,
         {{"1-EqualROR", "0.99"}},
         rate,
         "Invalid Chosen Interest Rate",
         "1-EqualROR",
         "4.00"},
    };
    for (const FailingCase& c : cases) {
        SCOPED_TRACE(c.changes.begin()->first + "=" + c.changes.begin()->second);
        ExpectFailure(c);
    }
}

TEST(DefineVariables, EveryStretchCheck) {
    const auto stretch = IllustrationType::Stretch;
    const std::string first = Lines({"The first name is required", "Please enter a first name."});
    const std::string last = Lines({"The last name is required.", "Please enter a last name."});
    // Born 1950: 61 in 2011, so at most 38 years; the spouse born 1955 at most 43.
    const std::string planholderYears = Lines(
        {"Enter the planholder's life expectancy.", "Whole numbers between 1 and38 are valid."});
    const std::string spouseYears = Lines(
        {"Enter the planholder's life expectancy.", "Whole numbers between 1 and43 are valid."});
    const FailingCase cases[] = {
        {stretch, {{"8-StretchPFirst", ""}}, first, kMissing, "8-StretchPFirst", "John"},
        {stretch, {{"8-StretchPLast", ""}}, last, kMissing, "8-StretchPLast", "Sample"},
        {stretch,
         {{"7-StretchPDOB", ""}},
         WithDateHelp("The Date of Birth is required."),
         kMissingDate,
         "7-StretchPDOB",
         "01/01/1950"},
        {stretch,
         {{"7-StretchPDOB", "12/31/1911"}},
         WithDateHelp("The Date of Birth is incorrect."),
         kDateError,
         "7-StretchPDOB",
         "01/01/1950"},
        {stretch,
         {{"2-StretchPLEO", "39"}},
         planholderYears,
         "Missing Planholder's Life Expectancy",
         "2-StretchPLEO",
         "10"},
        {stretch,
         {{"2-StretchPLEO", "0"}},
         planholderYears,
         "Missing Planholder's Life Expectancy",
         "2-StretchPLEO",
         "10"},
        {stretch, {{"8-StretchSFirst", " "}}, first, kMissing, "8-StretchSFirst", "Susan"},
        {stretch, {{"8-StretchSLast", ""}}, last, kMissing, "8-StretchSLast", "Sample"},
        {stretch,
         {{"7-StretchSDOB", "x"}},
         WithDateHelp("The Date of Birth is required."),
         kMissingDate,
         "7-StretchSDOB",
         "01/01/1950"},
        {stretch,
         {{"7-StretchSDOB", "1/1/1912"}},
         WithDateHelp("The Date of Birth is incorrect."),
         kDateError,
         "7-StretchSDOB",
         "01/01/1950"},
        {stretch,
         {{"2-StretchSLEO", "44"}},
         spouseYears,
         "Missing Spouse Beneficiary's Life Expectancy",
         "2-StretchSLEO",
         "10"},
        {stretch, {{"8-StretchBFirst", ""}}, first, kMissing, "8-StretchBFirst", "Jack"},
        {stretch, {{"8-StretchBLast", ""}}, last, kMissing, "8-StretchBLast", "Sample"},
        {stretch,
         {{"7-StretchBDOB", ""}},
         WithDateHelp("The Date of Birth is required."),
         kMissingDate,
         "7-StretchBDOB",
         "01/01/1990"},
        {stretch,
         {{"7-StretchBDOB", "1/1/2012"}},
         WithDateHelp("The Date of Birth is incorrect."),
         kDateError,
         "7-StretchBDOB",
         "01/01/1990"},
        {stretch,
         {{"7-StretchBDOB", "12/31/1949"}},
         Lines({"The Non-Spouse Beneficiary MUST be", "YOUNGER than the Client."}),
         kDateError,
         "7-StretchBDOB",
         "01/01/1990"},
        {stretch,
         {{"8-StretchPlanName", ""}},
         "Please enter the Plan Name.",
         kMissing,
         "8-StretchPlanName",
         "IRA Plan"},
        {stretch,
         {{"6-StretchAcctValue", "0"}},
         "Please enter the Account Value.",
         kMissing,
         "6-StretchAcctValue",
         "100000"},
        // The sample 8.00% shows in the rate's edit form once the field has the focus.
        {stretch,
         {{"1-StretchROR", "12.5%"}},
         "Choose a Rate of Return between 1% and 12%.",
         "Invalid Rate of Return",
         "1-StretchROR",
         "8.00"},
        // Older than 49 at the end of 2011, no Roth: 10000 and twice 1000 a year since 2001.
        {stretch,
         {{"6-StretchAcctCont", "30001"}},
         "Choose an Annual Contribution not greater than $30,000.",
         "Invalid Contribution",
         "6-StretchAcctCont",
         "30000"},
    };
    for (const FailingCase& c : cases) {
        SCOPED_TRACE(c.changes.begin()->first + "=" + c.changes.begin()->second);
        ExpectFailure(c);
    }
}

// Ages count calendar years, so a birth later in the illustration's own year is of age 0; the
// day decides. A date of birth or of death after the day the report dates the illustration
// (today, or the day an unchanged illustration was saved) is refused with the field's date
// message, for every person of every type.
TEST(DefineVariables, ABirthOrADeathAfterTheIllustrationDayIsRefused) {
    const std::string rmdDeath =
        WithDateHelp("The Planholder's Date of Death is not entered correctly.");
    const std::string incorrect = WithDateHelp("The Date of Birth is incorrect.");
    const FailingCase cases[] = {
        {IllustrationType::PlanholderRmd,
         {{"7-PartDOB", "06/16/2011"}},
         WithDateHelp("The Planholder's Date of Birth is incorrect."),
         kDateError,
         "7-PartDOB",
         "01/01/1930"},
        {IllustrationType::PlanholderRmd,
         {{"7-SpouseDOB", "06/16/2011"}},
         WithDateHelp("The Spouse's Date of Birth is incorrect."),
         kDateError,
         "7-SpouseDOB",
         "01/01/1930",
         true},
        {IllustrationType::PlanholderRmd,
         {{"7-DD0", "06/16/2011"}},
         rmdDeath,
         kDateError,
         "7-DD0",
         ""},
        {IllustrationType::BeneficiaryRmd,
         {{"7-BeneDOB", "06/16/2011"}},
         WithDateHelp("The Beneficiary's Date of Birth is incorrect."),
         kDateError,
         "7-BeneDOB",
         "01/01/1930"},
        {IllustrationType::BeneficiaryRmd,
         {{"7-OriginalDOB", "06/16/2011"}},
         incorrect,
         kDateError,
         "7-OriginalDOB",
         "01/01/1930",
         false,
         true},
        {IllustrationType::EqualPayments,
         {{"7-EqualDOB", "06/16/2011"}},
         incorrect,
         kDateError,
         "7-EqualDOB",
         "01/01/1950"},
        {IllustrationType::Stretch,
         {{"7-StretchPDOB", "06/16/2011"}},
         incorrect,
         kDateError,
         "7-StretchPDOB",
         "01/01/1950"},
        {IllustrationType::Stretch,
         {{"7-StretchSDOB", "06/16/2011"}},
         incorrect,
         kDateError,
         "7-StretchSDOB",
         "01/01/1950"},
        {IllustrationType::Stretch,
         {{"7-StretchBDOB", "06/16/2011"}},
         incorrect,
         kDateError,
         "7-StretchBDOB",
         "01/01/1990"},
        // Saved on 06/01/2011 and not changed since: its report is dated that day.
        {IllustrationType::PlanholderRmd,
         {{"7-PartDOB", "06/10/2011"}},
         WithDateHelp("The Planholder's Date of Birth is incorrect."),
         kDateError,
         "7-PartDOB",
         "01/01/1930",
         false,
         false,
         "",
         "06/01/2011"},
        {IllustrationType::BeneficiaryRmd,
         {{"7-DD1", "06/10/2011"}},
         WithDateHelp("The Date of Death is incorrect."),
         kDateError,
         "7-DD1",
         "01/01/2000",
         false,
         false,
         "",
         "06/01/2011"},
    };
    for (const FailingCase& c : cases) {
        SCOPED_TRACE(c.changes.begin()->first + "=" + c.changes.begin()->second +
                     (c.savedOn.empty() ? "" : " saved on " + c.savedOn));
        ExpectFailure(c);
    }
}

// An amount is what typing gives (digits, a point before cents, "$" and ","); a value from a
// saved record that no key typed, such as "9e99", is refused as a missing amount, whatever the
// rest of the illustration holds, and never reaches the calculation.
TEST(DefineVariables, AmountsThatNoKeyTypedAreRefused) {
    const auto rmd = IllustrationType::PlanholderRmd;
    const auto rmbd = IllustrationType::BeneficiaryRmd;
    const auto equal = IllustrationType::EqualPayments;
    const auto stretch = IllustrationType::Stretch;
    const char* const value = "Please enter the Account Value.";
    std::vector<FailingCase> cases;
    for (const char* stored : {"9e99", "1e18", "1.2.3", "-5000"}) {
        cases.push_back(
            {rmd, {{"6-AcctValue0", stored}}, value, kMissing, "6-AcctValue0", "100000"});
        cases.push_back(
            {rmbd, {{"6-AcctValue1", stored}}, value, kMissing, "6-AcctValue1", "100000"});
        cases.push_back({equal,
                         {{"6-EqualAcctValue1", stored}},
                         value,
                         kMissing,
                         "6-EqualAcctValue1",
                         "100000"});
        cases.push_back({equal,
                         {{"6-EqualAcctValue2", stored}},
                         value,
                         kMissing,
                         "6-EqualAcctValue2",
                         "100000"});
        cases.push_back({stretch,
                         {{"6-StretchAcctValue", stored}, {"6-StretchAcctCont", "2000"}},
                         value,
                         kMissing,
                         "6-StretchAcctValue",
                         "100000"});
    }
    for (const FailingCase& c : cases) {
        SCOPED_TRACE(c.tag + "=" + c.changes.at(c.tag));
        ExpectFailure(c);
    }
    for (const char* typed : {"$99,999,999,999", "1234.56", " 100000 "}) {
        SCOPED_TRACE(typed);
        Validation window(stretch, {{"6-StretchAcctValue", typed}});
        EXPECT_FALSE(DefineVariables(window.main));
    }
}

TEST(DefineVariables, ValidInputsPassAndLeaveWhatTheCalculationReads) {
    Validation rmd(IllustrationType::PlanholderRmd, {{"7-SpouseDOB", "1/1/1960"}, {"7-DD0", "  "}});
    rmd.main.cmboPlanType(0).SetText("401(k)");
    EXPECT_FALSE(DefineVariables(rmd.main));
    EXPECT_EQ(rmd.Boxes(), 0u);
    EXPECT_EQ(rmd.main.validated.name, "John Q Sample");
    EXPECT_EQ(rmd.main.validated.birthDate, "03/15/1940");
    EXPECT_EQ(rmd.main.validated.calculationYear, "2011");
    EXPECT_EQ(rmd.main.validated.accountValue, "100000");
    EXPECT_EQ(rmd.main.validated.planType, "401(k)");
    EXPECT_EQ(rmd.main.validated.deathDate, "");
    // Without the joint table the spouse's date is erased; a blank date of death is emptied.
    EXPECT_EQ(rmd.main.GetField("7-SpouseDOB"), "");
    EXPECT_EQ(rmd.main.GetField("7-DD0"), "");

    Validation rmbd(IllustrationType::BeneficiaryRmd, {{"8-BeneMiddle", "B"}});
    rmbd.main.cmboPlanType(1).SetText("IRA");
    EXPECT_FALSE(DefineVariables(rmbd.main));
    EXPECT_EQ(rmbd.main.validated.name, "Sally B Sample");
    EXPECT_EQ(rmbd.main.validated.birthDate, "12/07/1941");
    EXPECT_EQ(rmbd.main.validated.calculationYear, "2011");
    EXPECT_EQ(rmbd.main.validated.accountValue, "50000");
    EXPECT_EQ(rmbd.main.validated.planType, "IRA");
}

// The edges that pass: each row changes the valid inputs and must raise no message.
TEST(DefineVariables, EdgesThatPass) {
    struct Case {
        IllustrationType type;
        Fields changes;
        bool joint = false;
    };
    const Case cases[] = {
        {IllustrationType::PlanholderRmd, {{"3-Year0", "2012"}}},
        {IllustrationType::PlanholderRmd, {{"3-Year0", "2001"}}},
        {IllustrationType::PlanholderRmd, {{"7-SpouseDOB", "12/31/1951"}}, true},
        {IllustrationType::PlanholderRmd,
         {{"3-Year0", "2010"}, {"7-DD0", "12/31/2010"}, {"7-PlanRetDate", "1 Jan 2005"}}},
        {IllustrationType::PlanholderRmd, {{"7-DD0", "01/01/2011"}}},
        {IllustrationType::BeneficiaryRmd, {{"7-DD1", "01/01/1981"}}},
        {IllustrationType::BeneficiaryRmd, {{"7-DD1", "12/31/2010"}}},
        {IllustrationType::EqualPayments, {{"7-EqualDate", "06/15/2011"}}},
        {IllustrationType::EqualPayments, {{"7-EqualDate", "01/01/2002"}}},
        {IllustrationType::EqualPayments, {{"1-EqualROR", "1.00"}}},
        {IllustrationType::EqualPayments, {{"1-EqualROR", "6.00%"}}},
        {IllustrationType::Stretch, {{"6-StretchAcctValue", "0"}, {"6-StretchAcctCont", "1"}}},
        {IllustrationType::Stretch, {{"6-StretchAcctCont", "30000"}}},
        {IllustrationType::Stretch, {{"2-StretchPLEO", "38"}, {"2-StretchSLEO", "43"}}},
        {IllustrationType::Stretch, {{"7-StretchBDOB", "01/01/1950"}}},
        // Born or died on the illustration's day.
        {IllustrationType::Stretch, {{"7-StretchBDOB", "06/15/2011"}}},
        {IllustrationType::PlanholderRmd, {{"7-DD0", "06/15/2011"}}},
        {IllustrationType::BeneficiaryRmd, {{"7-BeneDOB", "06/15/2011"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.changes.begin()->first + "=" + c.changes.begin()->second);
        Validation window(c.type, c.changes);
        window.main.optUseJoint(c.joint ? 0 : 1).SetValue(true);
        EXPECT_FALSE(DefineVariables(window.main));
        EXPECT_EQ(window.Boxes(), 0u);
    }
}

// The example a failed check puts into its field is not the user's input: checked again, the
// field fails again until something is put there; when the user's own value passes after a
// change elsewhere, the field gets that value back and the calculation reads it.
TEST(DefineVariables, AnExampleIsNeverTakenForTheUsersInput) {
    Validation window(IllustrationType::PlanholderRmd,
                      {{"8-PartLast", ""}, {"7-DD0", "12/31/2010"}, {"3-Year0", "2011"}});
    const std::string deathTitle = std::string(kDateError) + " 12/31/2010";
    for (const char* title : {kMissing, kMissing}) {
        window.driver.ExpectMessageBox(title, forms::vbOK);
        EXPECT_TRUE(DefineVariables(window.main));
        EXPECT_EQ(window.main.GetField("8-PartLast"), "Sample");
    }
    window.Enter({{"8-PartLast", "Sample"}}); // put there: now it is the input
    window.driver.ExpectMessageBox(deathTitle, forms::vbOK);
    EXPECT_TRUE(DefineVariables(window.main));
    EXPECT_EQ(window.main.GetField("7-DD0"), "06/15/2011");

    window.driver.ExpectMessageBox(deathTitle, forms::vbOK);
    EXPECT_TRUE(DefineVariables(window.main));
    window.Enter({{"3-Year0", "2010"}});
    EXPECT_FALSE(DefineVariables(window.main));
    EXPECT_EQ(window.main.GetField("7-DD0"), "12/31/2010");
    EXPECT_EQ(window.main.validated.deathDate, "12/31/2010");
    EXPECT_EQ(window.Boxes(), 4u);
}

// An optional date that a failed check emptied is empty, and empty passes: the next try goes
// on without a message, also once the field has been closed; a date that a check replaced by
// its example passes once the user empties the field.
TEST(DefineVariables, AnOptionalDateAFailedCheckEmptiedPassesAsEmpty) {
    const auto choosePlanType = [](Validation& window, const char* planType) {
        window.driver.Focus(window.main.cmboPlanType(0));
        window.driver.ChooseItem(window.main.cmboPlanType(0), planType);
        window.driver.Focus(window.Field("8-PartFirst"));
    };
    struct Case {
        const char* name;
        Fields changes;
        const char* tag;
        std::string title;
        std::string shown; // what the failed check left in the field
        std::function<void(Validation&)> then;
    };
    const Case cases[] = {
        {"a date of death that is no date",
         {{"7-DD0", "02/29/2023"}},
         "7-DD0",
         kDateError,
         "",
         [](Validation&) {}},
        {"a retirement date that is no date",
         {{"7-PlanRetDate", "2/30/2010"}},
         "7-PlanRetDate",
         kDateError,
         "",
         [](Validation&) {}},
        {"a retirement date that is no date, then closed",
         {{"7-PlanRetDate", "2/30/2010"}},
         "7-PlanRetDate",
         kDateError,
         "",
         [&](Validation& window) { choosePlanType(window, "IRA"); }},
        {"a date of death outside the year, emptied",
         {{"7-DD0", "12/31/2010"}},
         "7-DD0",
         std::string(kDateError) + " 12/31/2010",
         "06/15/2011",
         [](Validation& window) {
             window.driver.Focus(window.Field("7-DD0")); // which selects its text
             window.driver.PressKeyCode(forms::vbKeyDelete);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Validation window(IllustrationType::PlanholderRmd, {});
        choosePlanType(window, "401(k)");
        window.Enter(c.changes);
        window.driver.ExpectMessageBox(c.title, forms::vbOK);
        EXPECT_TRUE(DefineVariables(window.main));
        EXPECT_EQ(window.main.GetField(c.tag), c.shown);
        c.then(window);
        EXPECT_FALSE(DefineVariables(window.main)) << "the empty field failed again";
        EXPECT_EQ(window.Boxes(), 1u);
        EXPECT_EQ(window.main.GetField(c.tag), "");
        EXPECT_EQ(window.main.validated.deathDate, "");
    }
}

TEST(DefineVariables, TheRmdYearMessageNamesTheNextYear) {
    // The latest year follows today's: 2012 on the last day of 2011, 2013 a day later.
    const std::pair<sys::LocalDateTime, std::string> days[] = {{{2011, 12, 31, 23, 0, 0}, "2012"},
                                                               {{2012, 1, 1, 0, 0, 0}, "2013"}};
    for (const auto& [day, maxYear] : days) {
        SCOPED_TRACE(maxYear);
        InputWindow window(IllustrationType::PlanholderRmd, day);
        window.Enter(kValidRmd);
        window.Enter({{"3-Year0", "2014"}});
        window.driver.ExpectMessageBox("Invalid Entry.", forms::vbOK);
        EXPECT_TRUE(DefineVariables(window.main));
        EXPECT_EQ(window.main.GetField("3-Year0"), maxYear);
        window.Enter({{"3-Year0", maxYear}});
        EXPECT_FALSE(DefineVariables(window.main));
    }
}

TEST(DefineVariables, TheQuestionableRateWarnsOncePerWindow) {
    Validation window(IllustrationType::EqualPayments, {{"1-EqualROR", "6.01"}});
    const std::string warning =
        kRateText + Lines({"You may enter a rate between 1.00% and 12.00%, but",
                           "we STRONGLY recommend that you press the \"Web Lookup\" button",
                           "to find the maximum allowable rate."});
    window.driver.ExpectMessageBox("Questionable Interest Rate Assumption", forms::vbOK);
    EXPECT_FALSE(DefineVariables(window.main));
    window.Enter({{"1-EqualROR", "12.00"}});
    EXPECT_FALSE(DefineVariables(window.main));
    ASSERT_EQ(window.Boxes(), 1u);
    EXPECT_EQ(window.driver.MessageBoxes()[0].prompt, warning);
    EXPECT_EQ(window.driver.MessageBoxes()[0].icon, forms::MessageBoxIcon::Exclamation);

    InputWindow fresh(IllustrationType::EqualPayments);
    fresh.Enter(kValidEqual);
    fresh.Enter({{"1-EqualROR", "12.00"}});
    fresh.driver.ExpectMessageBox("Questionable Interest Rate Assumption", forms::vbOK);
    EXPECT_FALSE(DefineVariables(fresh.main));
}

TEST(DefineVariables, AOnceOnlyRmdChangeChecksNoRateAndNoSecondBalance) {
    Validation window(IllustrationType::EqualPayments,
                      {{"1-EqualROR", "50"}, {"6-EqualAcctValue2", ""}});
    window.main.chkRMDOnce.SetValue(forms::vbChecked);
    EXPECT_FALSE(DefineVariables(window.main));
    EXPECT_EQ(window.Boxes(), 0u);
}

TEST(DefineVariables, TheEqualBeneficiaryDateIsErasedWhenItIsNoDate) {
    Validation window(IllustrationType::EqualPayments, {{"7-EqualSpouseDOB1", "none"}});
    EXPECT_FALSE(DefineVariables(window.main));
    EXPECT_EQ(window.main.GetField("7-EqualSpouseDOB1"), "");
}

// The Stretch report's tax page compares the client's state's taxes: with that page in the
// report an empty state is refused on the state list, without it the state is not needed.
TEST(DefineVariables, TheStretchTaxPageNeedsTheState) {
    for (const bool taxPage : {true, false}) {
        SCOPED_TRACE(taxPage ? "tax page" : "no tax page");
        InputWindow window(IllustrationType::Stretch);
        window.Enter(kValidStretch);
        window.main.mnuReportTaxes.SetChecked(taxPage);
        window.driver.Focus(window.Field("8-StretchPFirst"));
        if (taxPage) {
            window.driver.ExpectMessageBox("Missing Required Information.", forms::vbOK);
        }
        EXPECT_EQ(DefineVariables(window.main), taxPage);
        ASSERT_EQ(window.Boxes(), taxPage ? 1u : 0u);
        if (taxPage) {
            const auto& box = window.driver.MessageBoxes()[0];
            EXPECT_EQ(box.prompt, Lines({"Please choose the State to use for the income tax",
                                         "comparison page of the report."}));
            EXPECT_EQ(box.icon, forms::MessageBoxIcon::Exclamation);
            EXPECT_EQ(window.app.ActiveControl(), &window.main.cmboState);
            EXPECT_EQ(window.main.TabOne1.CurrentTab(),
                      static_cast<int>(IllustrationType::Stretch));
        }
    }
}

TEST(DefineVariables, TheSpouseWarningIsShownOnceAndSkippingTheSpouseSkipsItsChecks) {
    Validation window(IllustrationType::Stretch, {{"2-StretchSLEO", "20"}});
    window.driver.ExpectMessageBox("Non-Essential Spouse Life Expectancy", forms::vbOK);
    EXPECT_FALSE(DefineVariables(window.main));
    EXPECT_FALSE(DefineVariables(window.main));
    ASSERT_EQ(window.Boxes(), 1u);
    EXPECT_EQ(window.driver.MessageBoxes()[0].prompt,
              Lines({"For the purpose of this calculator, the spouse beneficiary's",
                     "life expectancy should exceed the planholder's life expectancy.", "",
                     "Since the spouse life expectancy is less than or equal to the",
                     "planholder's life expectancy, this report will NOT reflect", "the spouse."}));

    Validation skipped(IllustrationType::Stretch,
                       {{"8-StretchSFirst", ""}, {"2-StretchSLEO", "1"}});
    skipped.main.chkSkipSpouse.SetValue(forms::vbChecked);
    EXPECT_FALSE(DefineVariables(skipped.main));
    EXPECT_EQ(skipped.Boxes(), 0u);
}

// Today's year and the planholder's age at its end choose the limit; each limit passes and a
// dollar more fails.
TEST(DefineVariables, TheContributionLimitByYearAgeAndRoth) {
    struct Case {
        int year;
        int birthYear;
        bool roth;
        int limit;
    };
    const Case cases[] = {
        // year  born  Roth   limit
        {2003, 1960, true, 3000},   {2004, 1954, true, 3500},   {2005, 1960, true, 4000},
        {2007, 1950, true, 5000},   {2011, 1962, true, 5000},   {2011, 1961, true, 6000},
        {2004, 1960, false, 13000}, {2004, 1950, false, 16000}, {2008, 1960, false, 15500},
        {2008, 1950, false, 20500}, {2009, 1960, false, 16500}, {2009, 1950, false, 22000},
        {2011, 1962, false, 20000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + " born " + std::to_string(c.birthYear) +
                     (c.roth ? " Roth" : ""));
        InputWindow window(IllustrationType::Stretch, {c.year, 6, 1, 9, 0, 0});
        window.Enter(kValidStretch);
        window.ChooseState("NY");
        window.Enter({{"7-StretchPDOB", "01/01/" + std::to_string(c.birthYear)},
                      {"2-StretchPLEO", "10"},
                      {"2-StretchSLEO", "11"},
                      {"6-StretchAcctCont", std::to_string(c.limit)}});
        window.main.chkRoth.SetValue(c.roth ? forms::vbChecked : forms::vbUnchecked);
        EXPECT_FALSE(DefineVariables(window.main));
        window.Enter({{"6-StretchAcctCont", std::to_string(c.limit + 1)}});
        window.driver.ExpectMessageBox("Invalid Contribution", forms::vbOK);
        EXPECT_TRUE(DefineVariables(window.main));
        EXPECT_EQ(window.main.GetField("6-StretchAcctCont"), std::to_string(c.limit));
    }
}

TEST(DefineVariables, SilentWhileTheBrowserShowsOrTheTabIsHiddenButStillAFailure) {
    Validation browsing(IllustrationType::PlanholderRmd, {{"8-PartFirst", ""}});
    forms::Form& browser = browsing.app.Create<frmRepInfo>();
    browsing.main.DataBrowser = &browser;
    browser.Show();
    EXPECT_TRUE(DefineVariables(browsing.main));
    EXPECT_EQ(browsing.Boxes(), 0u);
    EXPECT_EQ(browsing.main.GetField("8-PartFirst"), "");

    Validation hidden(IllustrationType::PlanholderRmd, {{"8-PartFirst", ""}});
    hidden.main.TabOne1.SetTabVisible(0, false);
    EXPECT_TRUE(DefineVariables(hidden.main));
    EXPECT_EQ(hidden.Boxes(), 0u);
}

TEST(DefineVariables, ARunTimeErrorIsReportedAsAFailure) {
    // A stored rate too large for a number cannot be read. (A stored amount like it is no
    // amount at all: its check refuses it.)
    Validation window(IllustrationType::EqualPayments, {{"1-EqualROR", "1e999"}});
    window.driver.ExpectMessageBox("Fatal Error in DefineVariables", forms::vbOK);
    EXPECT_TRUE(DefineVariables(window.main));
    ASSERT_EQ(window.Boxes(), 1u);
    EXPECT_EQ(window.driver.MessageBoxes()[0].prompt, "An error, type 6\r\nOverflow");
    EXPECT_EQ(window.driver.MessageBoxes()[0].icon, forms::MessageBoxIcon::Critical);
}

TEST(DefineVariables, AFieldMessageForAnUnknownTag) {
    InputWindow window(IllustrationType::PlanholderRmd);
    window.driver.ExpectMessageBox("Critical Error", forms::vbOK);
    ShowFieldMessage(window.main, "text", "title", 0, "9-Nothing", "x");
    ASSERT_EQ(window.Boxes(), 1u);
    EXPECT_EQ(window.driver.MessageBoxes()[0].prompt, "No field found for tag: 9-Nothing");
    EXPECT_EQ(window.driver.MessageBoxes()[0].icon, forms::MessageBoxIcon::Critical);
}

} // namespace
