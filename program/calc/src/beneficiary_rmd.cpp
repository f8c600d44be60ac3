#include "program/calc/beneficiary_rmd.h"

#include "program/calc/src/distribution_rules.h"
#include "program/calc/src/divisor.h"
#include "program/illustration/formatting.h"

#include "platform/runtime/date.h"
#include "platform/runtime/date_parse.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/number_text.h"

#include <algorithm>

namespace calc {

using illustration::FormatDateText;
using illustration::FormatDollars;
using illustration::FormatLongDate;
using illustration::kShortDate;

namespace {

// Whole days from one date text to another.
long DaysFrom(const std::string& from, const std::string& to) {
    return runtime::DaysBetween(runtime::ToDate(from), runtime::ToDate(to));
}

int AgeOn(FactorLibrary& factors, const std::string& birthDate, const std::string& asOf) {
    return std::max<int>(factors.CALCULATEAGE(birthDate, asOf, AgeMode::LastBirthday), 0);
}

std::int16_t Short(int age) {
    return static_cast<std::int16_t>(age);
}

} // namespace

BeneficiaryRmdResult CalculateBeneficiaryRmd(const BeneficiaryRmdInputs& in,
                                             FactorLibrary& factors) {
    BeneficiaryRmdResult result;
    if (!runtime::IsDate(in.deathDate)) {
        result.error = "Unexpected error: Invalid Date of Death.";
        return result;
    }
    const std::string deathDate = FormatDateText(in.deathDate, kShortDate);
    const std::string birthDate = FormatDateText(in.beneficiaryBirthDate, kShortDate);
    const std::string yearAfterDeath =
        "12/31/" + runtime::CStr(runtime::Val(Right(deathDate, 4)) + 1);
    result.beneficiaryBirthDate = birthDate;
    result.yearAfterDeathDate = yearAfterDeath;

    // Ages, and the date until which a distribution may wait.
    std::string originalBirthDate;
    std::string deferralDate = yearAfterDeath;
    int deceasedCurrentAge = 0;
    int deceasedAgeAtDeath = 0;
    int startAge = 0;
    int currentAge = 0;
    if (in.survivingSpouse) {
        originalBirthDate = FormatDateText(in.originalBirthDate, kShortDate);
        const std::string halfAgeDate = factors.CALCDATEHALFAGE(originalBirthDate, 70);
        deceasedCurrentAge = AgeOn(factors, originalBirthDate, in.yearEndDate);
        deceasedAgeAtDeath = AgeOn(factors, originalBirthDate, "12/31/" + Right(deathDate, 4));
        currentAge = AgeOn(factors, birthDate, in.yearEndDate);
        startAge = currentAge;
        deferralDate = "12/31/" + Right(FormatDateText(halfAgeDate, kShortDate), 4);
    } else {
        startAge = AgeOn(factors, birthDate, yearAfterDeath);
        currentAge = AgeOn(factors, birthDate, in.yearEndDate);
    }
    const std::string beginningDate =
        DaysFrom(yearAfterDeath, deferralDate) > 0 ? deferralDate : yearAfterDeath;

    float factor = 0;
    double distribution = 0;
    bool deceasedFactor = false;
    const bool nothingDue =
        DaysFrom(in.yearEndDate, beginningDate) >= 1 || in.calculationYear == "2009";
    if (!nothingDue) {
        const auto lookUp = in.calculationYear == "2001" ? &FactorLibrary::RMDSINGLEFACTOR2001
                                                         : &FactorLibrary::RMDSINGLEFACTOR;
        factor = DivisorOf((factors.*lookUp)(SingleFactorMode::StartAgeLessYearsElapsed,
                                             Short(startAge), Short(currentAge)));
        // An older surviving spouse of a planholder who died past 70 takes the longer of the two
        // remaining life expectancies, both from the current table; a tie goes to the deceased.
        if (in.survivingSpouse && currentAge > deceasedCurrentAge && deceasedAgeAtDeath > 70) {
            const float spouseFactor = DivisorOf(factors.RMDSINGLEFACTOR(
                SingleFactorMode::StartAgeLessYearsElapsed, Short(startAge), Short(currentAge)));
            const float deceasedRemaining = DivisorOf(
                factors.RMDSINGLEFACTOR(SingleFactorMode::StartAgeLessYearsElapsed,
                                        Short(deceasedAgeAtDeath), Short(deceasedCurrentAge)));
            factor = spouseFactor;
            if (!(spouseFactor > deceasedRemaining)) {
                factor = deceasedRemaining;
                deceasedFactor = true;
                startAge = deceasedAgeAtDeath;
                currentAge = deceasedCurrentAge;
            }
        }
        distribution = WholeDollarDistribution(runtime::Val(in.accountValue), factor);
        if (in.detailedMode) {
            result.details = illustration::CalculationDetails{
                in.planType + " Calculation Details:",
                "Planholder's Death Date: " + deathDate +
                    "\r\nBeneficiary's Required Beginning Date: " + yearAfterDeath +
                    "\r\nBeneficiary Age on " + yearAfterDeath + ":" + runtime::Str(startAge) +
                    "\r\nBeneficiary Age on " + in.yearEndDate + ":" + runtime::Str(currentAge) +
                    "\r\nSingle RMD Factor (Without Recalc):" + runtime::Str(factor) +
                    "\r\nRMD: " + runtime::CStr(distribution)};
        }
    }

    std::string factorText = "N/A";
    std::string agesText = " ";
    if (factor > 0 && currentAge >= startAge) {
        factorText = FactorText(factor);
        agesText = "for age " + runtime::CStr(startAge);
        if (currentAge > startAge) {
            agesText += " minus " + runtime::CStr(currentAge - startAge);
        }
    }
    const std::string amount = FormatDollars(runtime::CStr(distribution));
    std::string lastMarker = "~X";
    if (in.survivingSpouse && DaysFrom(deferralDate, deathDate) < 1) {
        lastMarker = "";
    }

    illustration::FieldWrites& w = result.writes;
    w.push_back({"R-YYYY", in.calculationYear});
    w.push_back({"R-YYY1", runtime::CStr(runtime::Val(in.calculationYear) - 1)});
    w.push_back({"R-PlanType", in.planType});
    w.push_back({"R-PlanName", in.planName});
    w.push_back({"R-PHName", in.beneficiaryName});
    w.push_back({"R-PHDOB", FormatLongDate(birthDate)});
    w.push_back({"R-OriginalDOB", in.survivingSpouse ? FormatLongDate(originalBirthDate) : ""});
    w.push_back({"R-XTable", "Single Life Expectancy"});
    w.push_back({"Age of Beneficiary on RBD", deceasedFactor ? "Age of Original Planholder at Death"
                                                             : "Age of Beneficiary on RBD"});
    w.push_back({"R-BAgeDD", runtime::CStr(startAge)});
    w.push_back({"R-IRSTable", factorText});
    w.push_back({"R-AA", agesText});
    w.push_back({"R-DD", FormatLongDate(deathDate)});
    w.push_back({"R-RBD", FormatLongDate(yearAfterDeath)});
    w.push_back({"R-DSpecial", FormatLongDate(deferralDate)});
    w.push_back({"R-PlanValue", FormatDollars(in.accountValue)});
    w.push_back({"R-RMD", amount});
    w.push_back({"R-IRSPen", FormatDollars(runtime::CStr(DistributionPenalty(distribution)))});
    w.push_back({"R-Aname", in.representativeLine});
    w.push_back({"R-Dec31YYYY", FormatLongDate(in.yearEndDate)});
    w.push_back({"6-RMD_Amt", amount});
    w.push_back({"R-NoteYear1",
                 in.calculationYear == "2009" ? kSuspension2009Note : std::string(169, ' ')});
    w.push_back({"R-1", in.survivingSpouse ? "~S" : "~N"});
    w.push_back({"R-2", lastMarker});
    return result;
}

} // namespace calc
