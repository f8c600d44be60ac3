#include "program/calc/planholder_rmd.h"

#include "program/calc/src/distribution_rules.h"
#include "program/calc/src/divisor.h"
#include "program/illustration/formatting.h"

#include "platform/runtime/date_parse.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/text.h"

#include <algorithm>
#include <cstdlib>

namespace calc {

using illustration::FormatDateText;
using illustration::FormatDollars;
using illustration::FormatLongDate;
using illustration::kShortDate;

namespace {

// The dates that decide the first distribution year. All empty for a Roth plan.
struct BeginningDates {
    std::string halfAgeDate;       // reaching 70 and a half
    std::string firstYearEnd;      // December 31 of the first distribution year
    std::string requiredBeginning; // April 1 of the year after
};

void SetFirstDistributionYear(BeginningDates& dates, const std::string& dateInThatYear) {
    const std::string year = Right(FormatDateText(dateInThatYear, kShortDate), 4);
    dates.firstYearEnd = "12/31/" + year;
    dates.requiredBeginning = "04/01/" + runtime::CStr(runtime::Val(year) + 1);
}

BeginningDates FindBeginningDates(const PlanholderRmdInputs& in, const std::string& birthDate,
                                  FactorLibrary& factors) {
    BeginningDates dates;
    dates.halfAgeDate = factors.CALCDATEHALFAGE(birthDate, 70);
    SetFirstDistributionYear(dates, dates.halfAgeDate);
    // A plan other than an IRA starts with the year of a retirement after 70 and a half.
    if (in.planType.find("IRA") == std::string::npos && runtime::IsDate(in.retirementDate) &&
        runtime::ToDate(in.retirementDate) > runtime::ToDate(dates.halfAgeDate)) {
        SetFirstDistributionYear(dates, in.retirementDate);
    }
    return dates;
}

std::string AprilFirstNote(const std::string& requiredBeginning, const std::string& year) {
    return "** Although you can wait until " + FormatLongDate(requiredBeginning) +
           " to withdraw your Required Minimum Distribution, it is often unadvisable to do this "
           "since you will have to take a second distribution before the end of " +
           Right(requiredBeginning, 4) +
           ". Since all distributions are taxed as ordinary income, this could put you into a "
           "higher income tax bracket and result in higher taxes than if you took the "
           "distribution in " +
           year + ". Consult your income tax advisor for details.";
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.resize(width, ' ');
    }
    return text;
}

} // namespace

PlanholderRmdResult CalculatePlanholderRmd(const PlanholderRmdInputs& in, FactorLibrary& factors) {
    const std::string birthDate = FormatDateText(in.birthDate, kShortDate);
    const bool hasSpouse = runtime::IsDate(in.spouseBirthDate);
    const std::string secondBirthDate =
        hasSpouse ? FormatDateText(in.spouseBirthDate, kShortDate) : birthDate;
    const JointFactorMode jointMode =
        hasSpouse ? JointFactorMode::TenYearsYoungerOrActualAges : JointFactorMode::TenYearsYounger;

    BeginningDates dates;
    int planholderAge = 0;
    int spouseAge = 0;
    if (in.planType.find("Roth") == std::string::npos) {
        dates = FindBeginningDates(in, birthDate, factors);
        if (runtime::ToDate(in.yearEndDate) >= runtime::ToDate(dates.firstYearEnd)) {
            planholderAge = std::max<int>(
                factors.CALCULATEAGE(birthDate, in.yearEndDate, AgeMode::LastBirthday), 0);
            spouseAge = std::max<int>(
                factors.CALCULATEAGE(secondBirthDate, in.yearEndDate, AgeMode::LastBirthday), 0);
        }
    }

    const double year = runtime::Val(in.calculationYear);
    const bool suspended = in.calculationYear == "2009";
    std::string deadline = FormatLongDate(in.yearEndDate);
    std::string note(400, ' ');
    if (dates.requiredBeginning == "04/01/" + runtime::CStr(year + 1)) {
        deadline = FormatLongDate(dates.requiredBeginning) + "**";
        note = AprilFirstNote(dates.requiredBeginning, in.calculationYear);
    } else if (suspended) {
        note = Padded(kSuspension2009Note, 400);
    }

    PlanholderRmdResult result;
    float divisor = 0;
    double distribution = 0;
    if (!suspended && planholderAge >= 70) {
        const auto lookUp = in.calculationYear == "2001" ? &FactorLibrary::RMDJOINTFACTOR2001
                                                         : &FactorLibrary::RMDJOINTFACTOR;
        divisor = DivisorOf((factors.*lookUp)(static_cast<std::int16_t>(planholderAge),
                                              static_cast<std::int16_t>(spouseAge), jointMode));
        distribution = WholeDollarDistribution(runtime::Val(in.accountValue), divisor);
        if (in.detailedMode) {
            const std::string ageLine =
                "Planholder Age on " + in.yearEndDate + ":" + runtime::Str(planholderAge) + "\r\n";
            const std::string amountLine = "RMD: " + runtime::CStr(distribution);
            result.details = illustration::CalculationDetails{
                "Calculation Details:",
                hasSpouse
                    ? ageLine + "Spouse Age on " + in.yearEndDate + ":" + runtime::Str(spouseAge) +
                          "\r\nRMD Factor from Joint Life Table =" + runtime::Str(divisor) +
                          "\r\n" + amountLine
                    : ageLine + "RMD Factor from Uniform Lifetime Table =" + runtime::Str(divisor) +
                          "\r\n" + amountLine};
        }
    }

    const bool jointTable = hasSpouse && std::abs(runtime::ToDate(in.spouseBirthDate).Year() -
                                                  runtime::ToDate(in.birthDate).Year()) > 10;
    std::string birthText = FormatLongDate(in.birthDate);
    const std::string deathDate = runtime::Trim(in.deathDate);
    if (runtime::IsDate(deathDate)) {
        birthText += "\\par \\tab Date of death \\tab " + FormatLongDate(deathDate);
    }
    const std::string ageText =
        jointTable ? runtime::CStr(planholderAge) + " / " + runtime::CStr(spouseAge)
                   : runtime::CStr(planholderAge);
    const std::string amount = FormatDollars(runtime::CStr(distribution));
    const bool ira = in.planType.find("IRA") != std::string::npos;
    const bool plan403 = in.planType.find("403") != std::string::npos;

    illustration::FieldWrites& w = result.writes;
    w.push_back({"R-Dec31YYYY", deadline});
    w.push_back({"R-NoteYear1", note});
    w.push_back({"R-YYYY", in.calculationYear});
    w.push_back({"R-YYY1", runtime::CStr(year - 1)});
    w.push_back({"R-PlanType", in.planType});
    w.push_back({"R-PlanName", in.planName});
    w.push_back({"R-PHName", in.planholderName});
    w.push_back({"R-PHDOB", birthText});
    if (hasSpouse) {
        w.push_back({"R-SpouseDOB", FormatLongDate(in.spouseBirthDate)});
    }
    w.push_back({"R-XTable", jointTable ? "Joint Life Expectancy" : "Uniform Lifetime"});
    w.push_back({"R-Plan70", FormatLongDate(dates.halfAgeDate)});
    w.push_back({"R-RetDate",
                 runtime::IsDate(in.retirementDate) ? FormatLongDate(in.retirementDate) : "~R"});
    w.push_back({"R-RBD", FormatLongDate(dates.requiredBeginning)});
    w.push_back({"R-PlanValue", FormatDollars(in.accountValue)});
    w.push_back({"R-IRSTable", divisor > 0 ? FactorText(divisor) : "N/A"});
    w.push_back({"R-AA", divisor > 0 ? "for age " + ageText : " "});
    w.push_back({"R-RMD", amount});
    w.push_back({"R-IRSPen", FormatDollars(runtime::CStr(DistributionPenalty(distribution)))});
    w.push_back({"R-Aname", in.representativeLine});
    w.push_back({"6-RMD_Amt", amount});
    w.push_back({"R-1", ira ? "~X" : "~I"});
    w.push_back({"R-2", !ira && plan403 ? "~X" : "~4"});
    return result;
}

} // namespace calc
