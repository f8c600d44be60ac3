// The federal income tax of the calculator: the year's schedule for the filing status, walked
// over the income less the personal exemptions.
#pragma once

#include "program/calc/filing_status.h"

#include <cstdint>

namespace calc {

// The federal tax on `income` less `exemptions` personal exemptions, by the schedule of `year`
// for `filingStatus` (any code other than the three statuses is taxed as married filing jointly,
// as the state rules treat it). A year without a schedule takes
// the latest schedule and `year` becomes the year after it. The tax is unrounded and negative
// when the taxable income is; `maxBracket` receives the rate of the bracket reached. No standard
// deduction is taken.
double FederalTax(double income, FilingStatus filingStatus, std::int16_t exemptions,
                  double& maxBracket, std::int16_t& year);

} // namespace calc
