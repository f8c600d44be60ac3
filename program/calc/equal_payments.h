// Substantially equal periodic payments under section 72(t): the annual payment of seven
// options, by the required-minimum-distribution method (Single Life, Uniform Lifetime and Joint
// and Last Survivor divisors), the fixed amortization method over the same three divisors, and
// the annuitization method.
#pragma once

#include "program/calc/factor_library.h"
#include "program/illustration/field_writes.h"

#include <array>
#include <optional>
#include <string>

namespace calc {

inline constexpr int kPaymentOptions = 7;

struct EqualPaymentInputs {
    std::string calculationDate;     // "7-EqualDate"
    std::string birthDate;           // "7-EqualDOB"
    std::string spouseBirthDate;     // "7-EqualSpouseDOB1": used when it is a date
    std::string rmdAccountValue;     // "6-EqualAcctValue1", as typed
    std::string fixedAccountValue;   // "6-EqualAcctValue2", as typed
    std::string interestRate;        // "1-EqualROR" in percent, as typed
    std::string planName;            // "8-EqualPlanName"
    bool rmdOnly = false;            // chkRMDOnce set: only the three RMD-method payments
    std::optional<int> chosenOption; // the first selected optEqualPmt, 0 to 6
    std::string planholderName;
    std::string representativeLine;
};

struct EqualPaymentResult {
    illustration::FieldWrites writes;
    std::string calculationYear; // kept by the main window as the illustration year
};

// The payment texts are written from each amount itself to the cent ("$117,647.06"); the chosen
// option's payment text goes to "6-RMD_Amt" (empty when no option is chosen).
EqualPaymentResult CalculateEqualPayments(const EqualPaymentInputs& inputs, FactorLibrary& factors);

} // namespace calc
