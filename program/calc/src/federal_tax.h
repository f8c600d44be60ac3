// The federal income tax of the calculator: the year's schedule for the filing status, walked
// over the income less the personal exemptions.
#pragma once

#include <cstdint>

namespace calc {

// The federal tax on `income` less `exemptions` personal exemptions, by the schedule of `year`
// for `filingStatus` (1 single, 2 married filing jointly, 3 head of household; any other code is
// taxed as married filing jointly, as the state rules treat it). A year without a schedule takes
// the latest schedule and `year` becomes the year after it. The tax is unrounded and negative
// when the taxable income is; `maxBracket` receives the rate of the bracket reached. No standard
// deduction is taken.
double FederalTax(double income, std::int16_t filingStatus, std::int16_t exemptions,
                  double& maxBracket, std::int16_t& year);

} // namespace calc
