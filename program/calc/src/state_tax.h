// The state income tax of the calculator: one fixed rule for each of the 50 states and the
// District of Columbia, chosen by the two-letter code.
#pragma once

#include "program/calc/filing_status.h"

#include <cstdint>
#include <string_view>

namespace calc {

struct StateTaxInputs {
    double income;
    std::string_view state; // compared without regard to letter case, never trimmed
    FilingStatus filingStatus;
    std::int16_t exemptions;
    // The federal results of the same calculation; some rules start from them.
    double taxFederal;
    double maxFedBracket;
};

// The state tax in dollars, never negative, rounded to cents with a half cent to the even cent.
// `maxBracket` receives the state rate in percent of the bracket reached where the rule has one
// and keeps its value otherwise. An income of exactly 0 and an unknown code give 0.
double StateTax(const StateTaxInputs& inputs, double& maxBracket);

} // namespace calc
