// The kind of illustration being prepared; it chooses the inputs, the calculation and the report.
#pragma once

#include <cstdint>

namespace illustration {

// Where the type is saved or passed on it is this 16-bit number.
enum class IllustrationType : std::int16_t {
    None = -1,          // while no type is chosen
    PlanholderRmd = 0,  // the planholder's required minimum distribution ("RMD")
    BeneficiaryRmd = 1, // a beneficiary's required minimum distribution ("RMBD")
    EqualPayments = 2,  // substantially equal periodic payments under section 72(t)
    Stretch = 3,        // the Stretch projection
};

} // namespace illustration
