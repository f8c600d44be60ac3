// The Stretch calculation: the Stretch inputs read from the illustration's fields, the owners'
// ages from the factor library, and the projection of the account.
#pragma once

#include "program/calc/factor_library.h"
#include "program/calc/stretch_projection.h"

#include <string>

namespace calc {

struct StretchFields {
    std::string rateOfReturn;         // "1-StretchROR"
    std::string accountValue;         // "6-StretchAcctValue"
    std::string contribution;         // "6-StretchAcctCont"
    std::string contributionYears;    // "2-StretchContYrs"
    std::string illustrationDate;     // "6-IllustrationDate": its year is year index 0
    bool roth = false;                // chkRoth checked
    std::string planholderBirthDate;  // "7-StretchPDOB"
    std::string planholderYears;      // "2-StretchPLEO"
    std::string spouseBirthDate;      // "7-StretchSDOB": a spouse exists when it is a date
    std::string spouseYears;          // "2-StretchSLEO"
    std::string beneficiaryBirthDate; // "7-StretchBDOB"
};

// The main window's form-level values after a Stretch calculation.
struct StretchResult {
    int planholderLE;      // the planholder's years
    int spouseLE;          // the first year index of the non-spouse beneficiary
    int lastYearIndex;     // the last filled year index
    int beneLastYearIndex; // the same: the projection always ends
    bool spousePhase;      // the spouse beneficiary holds the account for some years
};

StretchResult CalculateStretch(const StretchFields& fields, FactorLibrary& factors,
                               StretchProjection& projection);

} // namespace calc
