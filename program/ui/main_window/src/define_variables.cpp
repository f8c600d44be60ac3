#include "program/ui/main_window/define_variables.h"

#include "program/illustration/formatting.h"

#include "platform/forms/application.h"
#include "platform/forms/message_box.h"
#include "platform/runtime/date_format.h"
#include "platform/runtime/date_parse.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/text.h"
#include "platform/system/clock.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace ui {

namespace {

using illustration::IllustrationType;
using runtime::Date;

constexpr std::string_view kNewLine = "\r\n";
constexpr const char* kMissingInformation = "Missing Required Information.";
constexpr const char* kMissingDate = "Missing Required Date";
constexpr const char* kDateInputError = "Date Input Error";
constexpr const char* kInvalidEntry = "Invalid Entry.";
constexpr int kFirstCalculationYear = 2001;

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    bool first = true;
    for (const std::string_view line : lines) {
        if (!first) {
            text += kNewLine;
        }
        text += line;
        first = false;
    }
    return text;
}

// The date forms the parser is promised to read.
std::string DateHelp() {
    return Lines({"Please enter a valid date in one", " of the following date formats:", "",
                  "  01/01/1930", "  1/1/1930", "  1 Jan 1930", "  January 1, 1930"});
}

std::string WithDateHelp(std::string_view sentence) {
    return Lines({sentence, DateHelp()});
}

// `owner` is "The " or "The Beneficiary's ".
std::string FirstNameRequired(std::string_view owner) {
    return Lines({std::string(owner) + "first name is required", "Please enter a first name."});
}

std::string LastNameRequired(std::string_view owner) {
    return Lines({std::string(owner) + "last name is required.", "Please enter a last name."});
}

// Why the 72(t) interest rate is limited; an empty line follows it.
std::string RateText() {
    return Lines({"Important: The IRS has determined that the Chosen Interest Rate",
                  "should be an interest rate not more than 120% of the federal",
                  "mid-term rate for either of the two months prior to the date",
                  "distributions will begin.", ""});
}

// A person's date of birth: required, not after the illustration's day, and the age today within
// 0 to maxAge calendar years.
struct BirthDateCheck {
    const char* tag;
    const char* requiredMessage;
    const char* requiredTitle;
    const char* requiredSample;
    const char* incorrectMessage;
    int maxAge;
    const char* incorrectSample;
};

// A check's message is shown only while the input tab `tab` can be seen and the saved-
// illustration browser does not show.
bool MessagesShown(const frmMain& main, int tab) {
    return main.TabOne1.TabVisible(tab) &&
           (main.DataBrowser == nullptr || !main.DataBrowser->IsShowing());
}

// The checks of one run of DefineVariables over the current illustration type. Each check
// returns true when it failed and its message was shown.
class Checks {
public:
    explicit Checks(frmMain& main)
        : main_(main), tab_(static_cast<int>(main.Program().IllustrationType)) {
        const auto today = sys::Today();
        today_ = Date::FromParts(static_cast<int>(today.year()),
                                 static_cast<int>(static_cast<unsigned>(today.month())),
                                 static_cast<int>(static_cast<unsigned>(today.day())))
                     .value();
        todayText_ = runtime::FormatDate(today_, "MM/DD/YYYY");
        maxYear_ = today_.Year() + 1;
        illustrationDay_ = IllustrationDay();
    }

    bool Run() {
        switch (main_.Program().IllustrationType) {
        case IllustrationType::PlanholderRmd:
            return Planholder();
        case IllustrationType::BeneficiaryRmd:
            return Beneficiary();
        case IllustrationType::EqualPayments:
            return Equal();
        case IllustrationType::Stretch:
            return Stretch();
        case IllustrationType::None:
            break;
        }
        return false;
    }

private:
    // The day the report dates the illustration: the day it was saved while it is unchanged
    // since, else today (the calculation dates an edited illustration today).
    Date IllustrationDay() const {
        if (main_.Program().IllustrationSaved) {
            if (const std::optional<Date> saved =
                    runtime::ParseDate(main_.GetField("6-IllustrationDate"))) {
                return *saved;
            }
        }
        return today_;
    }

    bool Planholder() {
        ValidatedInputs inputs;
        inputs.planType = main_.cmboPlanType(0).Text();
        std::optional<Date> birth;
        if (Name("8-PartFirst", "Please enter a first name.", "John") ||
            Name("8-PartLast", "Please enter a last name.", "Sample") ||
            BirthDate({"7-PartDOB", "The Planholder's Date of Birth is required.", kDateInputError,
                       "01/01/1930", "The Planholder's Date of Birth is incorrect.", 115,
                       "01/01/1930"},
                      birth)) {
            return true;
        }
        if (main_.optUseJoint(0).Value()) {
            std::optional<Date> spouse;
            if (BirthDate({"7-SpouseDOB", "The Spouse's Date of Birth is required.",
                           kDateInputError, "01/01/1930",
                           "The Spouse's Date of Birth is incorrect.", 115, "01/01/1930"},
                          spouse)) {
                return true;
            }
            if (spouse->Year() - birth->Year() < 11) {
                return Fail(Lines({"The Spouse's Date of Birth must be a date that",
                                   "will produce a Spouse age more than 10 years",
                                   "younger than the Client to qualify to use the",
                                   "Joint Life Expectancy Table."}),
                            "Incorrect Spouse Date of Birth", "7-SpouseDOB", "01/01/1930");
            }
            inputs.spouseBirthDate = Text("7-SpouseDOB");
        } else {
            main_.SetField("", "7-SpouseDOB");
        }
        const std::string death = Text("7-DD0");
        const std::optional<Date> deathDate = runtime::ParseDate(death);
        // A death after the illustration's day has not happened.
        if (!death.empty() && (!deathDate || *deathDate > illustrationDay_)) {
            return Fail(WithDateHelp("The Planholder's Date of Death is not entered correctly."),
                        kDateInputError, "7-DD0", "");
        }
        if (death.empty()) {
            main_.SetField("", "7-DD0");
        }
        const std::string retirement = Text("7-PlanRetDate");
        if (!retirement.empty() && !runtime::IsDate(retirement)) {
            return Fail(WithDateHelp("The Planholder's Retirement Date is not entered correctly."),
                        kDateInputError, "7-PlanRetDate", "");
        }
        double year = 0;
        if (CalculationYear("3-Year0", "released in 2001 and the 1 year change for 2009.", year)) {
            return true;
        }
        if (deathDate && deathDate->Year() != year) {
            return Fail(Lines({"The Date of Death must occur during the",
                               "calculation year. If the date of death is",
                               "other than in the calculation year, use the",
                               "Required Minimum Beneficiary Calculator.", "", DateHelp()}),
                        std::string(kDateInputError) + " " + death, "7-DD0", todayText_);
        }
        if (AccountValue("6-AcctValue0", inputs)) {
            return true;
        }
        inputs.name = FullName("8-PartFirst", "8-PartMiddle", "8-PartLast");
        inputs.birthDate = Text("7-PartDOB");
        inputs.deathDate = death;
        inputs.calculationYear = Text("3-Year0");
        main_.validated = inputs;
        return false;
    }

    bool Beneficiary() {
        ValidatedInputs inputs;
        inputs.planType = main_.cmboPlanType(1).Text();
        std::optional<Date> birth;
        if (Name("8-BeneFirst", FirstNameRequired("The Beneficiary's "), "Sally") ||
            Name("8-BeneLast", LastNameRequired("The Beneficiary's "), "Sample") ||
            BirthDate({"7-BeneDOB", "The Beneficiary's Date of Birth is required.", kMissingDate,
                       "12/07/1941", "The Beneficiary's Date of Birth is incorrect.", 115,
                       "01/01/1930"},
                      birth)) {
            return true;
        }
        const std::optional<Date> death = runtime::ParseDate(Text("7-DD1"));
        if (!death) {
            return Fail(WithDateHelp("The Original Planholder's Date of Death is required."),
                        kMissingDate, "7-DD1", "01/01/2000");
        }
        if (today_.Year() - death->Year() > 30 || *death > illustrationDay_) {
            return Fail(WithDateHelp("The Date of Death is incorrect."), kDateInputError, "7-DD1",
                        "01/01/2000");
        }
        double year = 0;
        if (CalculationYear("3-Year1", "released in 2001 and 2002.", year)) {
            return true;
        }
        if (year < death->Year() + 1) {
            return Fail(Lines({"The calculation year must be at least one",
                               "year after the original planholder's death.",
                               "If this is not the case, use the RMD Calculator",
                               "instead of the RMBD Calculator."}),
                        kInvalidEntry, "7-DD1", "01/01/2000");
        }
        if (AccountValue("6-AcctValue1", inputs)) {
            return true;
        }
        if (main_.chkSurvivingSpouse.Value() == forms::vbChecked) {
            std::optional<Date> original;
            if (BirthDate({"7-OriginalDOB", "The Original Planholder's Date of Birth is required.",
                           kMissingDate, "01/01/1930", "The Date of Birth is incorrect.", 115,
                           "01/01/1930"},
                          original)) {
                return true;
            }
        }
        inputs.name = FullName("8-BeneFirst", "8-BeneMiddle", "8-BeneLast");
        inputs.birthDate = Text("7-BeneDOB");
        inputs.calculationYear = Text("3-Year1");
        main_.validated = inputs;
        return false;
    }

    bool Equal() {
        std::optional<Date> birth;
        if (Name("8-EqualFirst", FirstNameRequired("The "), "John") ||
            Name("8-EqualLast", LastNameRequired("The "), "Sample") ||
            BirthDate({"7-EqualDOB", "The Date of Birth is required.", kMissingDate, "01/01/1950",
                       "The Date of Birth is incorrect.", 115, "01/01/1950"},
                      birth)) {
            return true;
        }
        if (!runtime::IsDate(Text("7-EqualSpouseDOB1"))) {
            main_.SetField("", "7-EqualSpouseDOB1");
        }
        if (Text("8-EqualPlanName").empty()) {
            return Fail(Lines({"The plan name is required.",
                               "Please enter the name of this retirement plan."}),
                        kMissingInformation, "8-EqualPlanName", "IRA Plan");
        }
        // A text that is not a date stands for a date far in the future, so that it fails.
        const Date calculationDate =
            runtime::ParseDate(Text("7-EqualDate")).value_or(Date::FromParts(2100, 12, 1).value());
        if (calculationDate > today_ || calculationDate < Date::FromParts(2002, 1, 1).value()) {
            return Fail(Lines({"The Calculation Date is incorrect.",
                               "This calculator is based on IRS Revenue Ruling 2002-62",
                               "for plan years 2002 and thereafter.", "",
                               "Please enter a date between 01/01/2002 and " + todayText_ + "."}),
                        kDateInputError, "7-EqualDate", todayText_);
        }
        if (!AtLeastOne(Amount("6-EqualAcctValue1"))) {
            return Fail("Please enter the Account Value.", kMissingInformation, "6-EqualAcctValue1",
                        "100000");
        }
        if (main_.chkRMDOnce.Value() != forms::vbChecked && FixedMethod()) {
            return true;
        }
        ValidatedInputs inputs;
        inputs.name = FullName("8-EqualFirst", "8-EqualMiddle", "8-EqualLast");
        main_.validated = inputs;
        return false;
    }

    // The amortization inputs, checked unless only the once-only RMD change is wanted.
    bool FixedMethod() {
        if (!AtLeastOne(Amount("6-EqualAcctValue2"))) {
            return Fail("Please enter the Account Value.", kMissingInformation, "6-EqualAcctValue2",
                        "100000");
        }
        const auto rate = static_cast<float>(Number("1-EqualROR"));
        if (rate < 1.00F || rate > 12.00F) {
            return Fail(
                Lines({RateText(), "Choose an Interest Rate. We strongly recommend that you",
                       "press the \"Web Lookup\" button to review the federal",
                       "mid-term rates for the two months prior to the date when",
                       "distributions will begin."}),
                "Invalid Chosen Interest Rate", "1-EqualROR", "4.00");
        }
        if (rate > 6.00F && !main_.RateWarned) {
            main_.App().MsgBox(
                Lines({RateText(), "You may enter a rate between 1.00% and 12.00%, but",
                       "we STRONGLY recommend that you press the \"Web Lookup\" button",
                       "to find the maximum allowable rate."}),
                forms::vbOKOnly | forms::vbExclamation, "Questionable Interest Rate Assumption");
            main_.RateWarned = true;
        }
        return false;
    }

    bool Stretch() {
        std::optional<Date> birth;
        double planholderYears = 0;
        if (Name("8-StretchPFirst", FirstNameRequired("The "), "John") ||
            Name("8-StretchPLast", LastNameRequired("The "), "Sample") ||
            BirthDate({"7-StretchPDOB", "The Date of Birth is required.", kMissingDate,
                       "01/01/1950", "The Date of Birth is incorrect.", 99, "01/01/1950"},
                      birth) ||
            LifeExpectancy("2-StretchPLEO", 99 - AgeToday(*birth),
                           "Missing Planholder's Life Expectancy", planholderYears)) {
            return true;
        }
        if (main_.chkSkipSpouse.Value() != forms::vbChecked && StretchSpouse(planholderYears)) {
            return true;
        }
        std::optional<Date> beneficiary;
        if (Name("8-StretchBFirst", FirstNameRequired("The "), "Jack") ||
            Name("8-StretchBLast", LastNameRequired("The "), "Sample") ||
            BirthDate({"7-StretchBDOB", "The Date of Birth is required.", kMissingDate,
                       "01/01/1990", "The Date of Birth is incorrect.", 99, "01/01/1990"},
                      beneficiary)) {
            return true;
        }
        if (beneficiary->Year() < birth->Year()) {
            return Fail(Lines({"The Non-Spouse Beneficiary MUST be", "YOUNGER than the Client."}),
                        kDateInputError, "7-StretchBDOB", "01/01/1990");
        }
        if (Text("8-StretchPlanName").empty()) {
            return Fail("Please enter the Plan Name.", kMissingInformation, "8-StretchPlanName",
                        "IRA Plan");
        }
        const double contribution = Number("6-StretchAcctCont");
        const std::optional<double> value = Amount("6-StretchAcctValue");
        if (!value || (*value < 1 && contribution < 1)) {
            return Fail("Please enter the Account Value.", kMissingInformation,
                        "6-StretchAcctValue", "100000");
        }
        const double rate = Number("1-StretchROR");
        if (rate < 1 || rate > 12) {
            return Fail("Choose a Rate of Return between 1% and 12%.", "Invalid Rate of Return",
                        "1-StretchROR", "8.00%");
        }
        const int limit = ContributionLimit(today_.Year() - birth->Year());
        if (contribution > limit) {
            return Fail("Choose an Annual Contribution not greater than $" +
                            runtime::Format(limit, "##,##0") + ".",
                        "Invalid Contribution", "6-StretchAcctCont",
                        runtime::Format(limit, "####0"));
        }
        // The income tax page compares the state's taxes: it needs the state.
        if (main_.mnuReportTaxes.Checked() && runtime::Trim(main_.cmboState.Text()).empty()) {
            if (MessagesShown(main_, tab_)) {
                main_.TabOne1.SetCurrentTab(tab_);
                main_.cmboState.SetFocus();
                main_.App().MsgBox(Lines({"Please choose the State to use for the income tax",
                                          "comparison page of the report."}),
                                   forms::vbOKOnly | forms::vbExclamation, kMissingInformation);
            }
            return true;
        }
        ValidatedInputs inputs;
        inputs.name = FullName("8-StretchPFirst", "8-StretchPMiddle", "8-StretchPLast");
        main_.validated = inputs;
        return false;
    }

    bool StretchSpouse(double planholderYears) {
        std::optional<Date> birth;
        double spouseYears = 0;
        if (Name("8-StretchSFirst", FirstNameRequired("The "), "Susan") ||
            Name("8-StretchSLast", LastNameRequired("The "), "Sample") ||
            BirthDate({"7-StretchSDOB", "The Date of Birth is required.", kMissingDate,
                       "01/01/1950", "The Date of Birth is incorrect.", 98, "01/01/1950"},
                      birth) ||
            LifeExpectancy("2-StretchSLEO", 99 - AgeToday(*birth),
                           "Missing Spouse Beneficiary's Life Expectancy", spouseYears)) {
            return true;
        }
        if (!main_.SpouseWarned && spouseYears <= planholderYears) {
            main_.App().MsgBox(
                Lines({"For the purpose of this calculator, the spouse beneficiary's",
                       "life expectancy should exceed the planholder's life expectancy.", "",
                       "Since the spouse life expectancy is less than or equal to the",
                       "planholder's life expectancy, this report will NOT reflect",
                       "the spouse."}),
                forms::vbOKOnly | forms::vbExclamation, "Non-Essential Spouse Life Expectancy");
            main_.SpouseWarned = true;
        }
        return false;
    }

    // The most a year's contribution may be, by today's year and the planholder's age at its end.
    int ContributionLimit(int age) const {
        const int year = today_.Year();
        const bool older = age > 49;
        if (main_.chkRoth.Value() == forms::vbChecked) {
            if (year == 2003 || year == 2004) {
                return older ? 3500 : 3000;
            }
            if (year >= 2005 && year <= 2007) {
                return older ? 5000 : 4000;
            }
            return older ? 6000 : 5000;
        }
        if (year == 2008) {
            return older ? 20500 : 15500;
        }
        if (year == 2009) {
            return older ? 22000 : 16500;
        }
        const int step = 1000 * (year - 2001);
        return 10000 + step + (older ? step : 0);
    }

    bool Name(const char* tag, const std::string& message, const char* sample) {
        if (Text(tag).empty()) {
            return Fail(message, kMissingInformation, tag, sample);
        }
        return false;
    }

    bool BirthDate(const BirthDateCheck& check, std::optional<Date>& date) {
        date = runtime::ParseDate(Text(check.tag));
        if (!date) {
            return Fail(WithDateHelp(check.requiredMessage), check.requiredTitle, check.tag,
                        check.requiredSample);
        }
        // Ages count calendar years, so a birth later in the illustration's own year is age 0:
        // the day itself decides that the person is not born yet.
        const int age = AgeToday(*date);
        if (age > check.maxAge || age < 0 || *date > illustrationDay_) {
            return Fail(WithDateHelp(check.incorrectMessage), kDateInputError, check.tag,
                        check.incorrectSample);
        }
        return false;
    }

    bool LifeExpectancy(const char* tag, int maxYears, const char* title, double& years) {
        years = runtime::Val(Text(tag));
        if (years != std::floor(years) || years < 1 || years > maxYears) {
            return Fail(
                Lines({"Enter the planholder's life expectancy.",
                       "Whole numbers between 1 and" + std::to_string(maxYears) + " are valid."}),
                title, tag, "10");
        }
        return false;
    }

    bool CalculationYear(const char* tag, std::string_view secondLine, double& year) {
        year = runtime::Val(Text(tag));
        if (year < kFirstCalculationYear || year > maxYear_) {
            const std::string maxYear = std::to_string(maxYear_);
            return Fail(Lines({"This calculator is based on IRS regulations", secondLine, "",
                               "Please enter a year between 2001 and " + maxYear + "."}),
                        kInvalidEntry, tag, maxYear);
        }
        return false;
    }

    bool AccountValue(const char* tag, ValidatedInputs& inputs) {
        if (!AtLeastOne(Amount(tag))) {
            return Fail("Please enter the Account Value.", kMissingInformation, tag, "100000");
        }
        std::string cleaned = Input(tag);
        inputs.accountValue = illustration::CleanNumber(cleaned);
        return false;
    }

    bool Fail(const std::string& message, const std::string& title, std::string_view tag,
              const std::string& sample) {
        ShowFieldMessage(main_, message, title, tab_, tag, sample);
        return true;
    }

    // Ages count calendar years: the difference of the year numbers.
    int AgeToday(const Date& birth) const { return today_.Year() - birth.Year(); }

    // The user's input in a field: an example that a failed check put there is not.
    std::string Input(std::string_view tag) const {
        return main_.Suggestions.Input(main_.SetIndex(tag), main_.GetField(tag));
    }
    std::string Text(std::string_view tag) const { return runtime::Trim(Input(tag)); }
    double Number(std::string_view tag) const { return illustration::CleanedNumber(Input(tag)); }
    // An amount as typing gives one: digits, and a point before cents, once the blanks, "$"
    // and "," are gone. Anything else is no amount: a saved record can hold "9e99", which no
    // key typed and no calculation can hold.
    std::optional<double> Amount(std::string_view tag) const {
        std::string text = Input(tag);
        const std::string cleaned = illustration::CleanNumber(text);
        const bool typed = std::count(cleaned.begin(), cleaned.end(), '.') <= 1 &&
                           std::all_of(cleaned.begin(), cleaned.end(),
                                       [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
        if (!typed) {
            return std::nullopt;
        }
        return illustration::CleanedNumber(cleaned);
    }
    static bool AtLeastOne(const std::optional<double>& amount) { return amount && *amount >= 1; }

    std::string FullName(std::string_view first, std::string_view middle,
                         std::string_view last) const {
        std::string name = Text(first);
        if (const std::string middleName = Text(middle); !middleName.empty()) {
            name += " " + middleName;
        }
        return name + " " + Text(last);
    }

    frmMain& main_;
    int tab_;
    Date today_;
    Date illustrationDay_;
    std::string todayText_;
    int maxYear_ = 0;
};

} // namespace

bool DefineVariables(frmMain& main) {
    try {
        if (Checks(main).Run()) {
            return true;
        }
        // Every check passed on the user's own input: a field that still shows an example gets
        // that input back, so that the calculation reads what was checked.
        for (auto& [index, typed] : main.Suggestions.TakeAll()) {
            main.Fields().SetText(index, std::move(typed));
        }
        return false;
    } catch (const runtime::RuntimeError& error) {
        main.App().MsgBox("An error, type " + std::to_string(error.Number()) +
                              std::string(kNewLine) + runtime::ErrorText(error.Number()),
                          forms::vbOKOnly | forms::vbCritical, "Fatal Error in DefineVariables");
        return true;
    }
}

void ShowFieldMessage(frmMain& main, const std::string& message, const std::string& title, int tab,
                      std::string_view tag, const std::string& sample) {
    if (!MessagesShown(main, tab)) {
        return;
    }
    for (int index = 0; index < illustration::kInputEndMarker; ++index) {
        forms::TextBox& field = main.txtInput(index);
        if (field.Tag() == tag) {
            const std::string typed = main.Suggestions.Input(index, field.Text());
            {
                const FieldSuggestions::Reshaping example(main.Suggestions);
                field.SetText(sample);
            }
            // An empty sample leaves the field empty, which is an answer for the optional
            // fields that have one: checked again, the field is read as it shows.
            if (sample.empty()) {
                main.Suggestions.Forget(index);
            } else {
                main.Suggestions.Suggest(index, typed);
            }
            main.TabOne1.SetCurrentTab(tab);
            if (main.App().ActiveControl() != &field) {
                main.ValidationFocus = index;
            }
            field.SetFocus();
            if (!field.Text().empty()) {
                field.SetSelStart(0);
                field.SetSelLength(static_cast<int>(field.Text().size()));
            }
            main.App().MsgBox(message, forms::vbOKOnly | forms::vbExclamation, title);
            return;
        }
    }
    main.App().MsgBox("No field found for tag: " + std::string(tag),
                      forms::vbOKOnly | forms::vbCritical, "Critical Error");
}

} // namespace ui
