// The required minimum distribution of a beneficiary of an inherited plan (the RMBD
// illustration), for one calculation year. A beneficiary who is not a surviving spouse divides
// by the Single Life divisor at the age of the year after the death, less one a year since; a
// surviving spouse who has not taken the plan over may wait until the deceased would have
// reached 70 and a half, divides by the divisor at the spouse's current age, and, when older
// than a deceased who died past 70, by the longer of the two remaining life expectancies.
#pragma once

#include "program/calc/factor_library.h"
#include "program/illustration/field_writes.h"

#include <optional>
#include <string>

namespace calc {

struct BeneficiaryRmdInputs {
    std::string deathDate;            // "7-DD1"
    std::string beneficiaryBirthDate; // "7-BeneDOB" as validation kept it
    std::string beneficiaryName;
    std::string calculationYear;   // "3-Year1"
    std::string yearEndDate;       // "12/31/" and the calculation year
    std::string accountValue;      // "6-AcctValue1" after CleanNumber
    std::string planType;          // the RMBD plan type list's text
    std::string planName;          // "8-PlanName1"
    bool survivingSpouse = false;  // chkSurvivingSpouse checked
    std::string originalBirthDate; // "7-OriginalDOB", read for a surviving spouse only
    std::string representativeLine;
    bool detailedMode = false;
};

struct BeneficiaryRmdResult {
    // "Unexpected error: Invalid Date of Death." when "7-DD1" is not a date; nothing else is then
    // computed or written.
    std::optional<std::string> error;
    std::optional<illustration::CalculationDetails> details;
    illustration::FieldWrites writes;
    // Kept by the main window: the beneficiary's birth date as "MM/DD/YYYY" and December 31 of
    // the year after the death.
    std::string beneficiaryBirthDate;
    std::string yearAfterDeathDate;
};

BeneficiaryRmdResult CalculateBeneficiaryRmd(const BeneficiaryRmdInputs& inputs,
                                             FactorLibrary& factors);

} // namespace calc
