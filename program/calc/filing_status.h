// The filing status of a tax return, which chooses the schedules of the income tax calculator.
#pragma once

#include <cstdint>

namespace calc {

// The three statuses that have schedules of their own. The calculator takes any 16-bit code
// unchanged (0 after Initialize, 4 and the like from a caller); each rule says how it treats a
// code outside these three.
enum class FilingStatus : std::int16_t {
    Single = 1,
    MarriedFilingJointly = 2,
    HeadOfHousehold = 3,
};

} // namespace calc
