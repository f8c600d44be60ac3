// The planholder's required minimum distribution for one calendar year (the RMD illustration):
// the date of reaching 70 and a half, the first distribution year and the required beginning
// date, the ages on December 31, the Uniform Lifetime or joint divisor, the distribution and the
// report fields of the RMD report.
#pragma once

#include "program/calc/factor_library.h"
#include "program/illustration/field_writes.h"

#include <optional>
#include <string>

namespace calc {

struct PlanholderRmdInputs {
    std::string birthDate;       // "7-PartDOB" as validation kept it
    std::string spouseBirthDate; // "7-SpouseDOB": a date only with the joint choice
    std::string deathDate;       // "7-DD0" as validation kept it, or empty
    std::string calculationYear; // "3-Year0", such as "2010"
    std::string yearEndDate;     // "12/31/" and the calculation year
    std::string accountValue;    // "6-AcctValue0" after CleanNumber
    std::string planType;        // the RMD plan type list's text
    std::string planName;        // "8-PlanName0"
    std::string retirementDate;  // "7-PlanRetDate": only plan types beginning "4" keep one
    std::string planholderName;
    std::string representativeLine;
    bool detailedMode = false;
};

struct PlanholderRmdResult {
    std::optional<illustration::CalculationDetails> details; // in the detailed calculation mode
    illustration::FieldWrites writes;
};

// The year "2001" takes the pre-2002 divisor; the year "2009" computes no distribution and
// notes that year's suspension.
PlanholderRmdResult CalculatePlanholderRmd(const PlanholderRmdInputs& inputs,
                                           FactorLibrary& factors);

} // namespace calc
