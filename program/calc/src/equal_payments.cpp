#include "program/calc/equal_payments.h"

#include "program/calc/src/annuity_factor.h"
#include "program/calc/src/distribution_rules.h"
#include "program/calc/src/divisor.h"
#include "program/illustration/formatting.h"

#include "platform/runtime/conversions.h"
#include "platform/runtime/date_parse.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/number_parse.h"
#include "platform/runtime/number_text.h"

#include <algorithm>
#include <cmath>

namespace calc {

using illustration::CleanedNumber;
using illustration::CleanNumber;
using illustration::FormatDateText;
using illustration::FormatDollars;
using illustration::FormatLongDate;
using illustration::kShortDate;

namespace {

// The level annual payment that amortizes `balance` over `years` (fractions included) at
// `rate`; without interest, the balance spread evenly.
double AmortizedPayment(double balance, double rate, double years) {
    if (rate == 0) {
        return balance / years;
    }
    const double compound = std::pow(1 + rate, years);
    return balance * rate * compound / (compound - 1);
}

std::string PaymentText(double payment) {
    return "$" + runtime::Format(payment, "###,##0.00");
}

} // namespace

EqualPaymentResult CalculateEqualPayments(const EqualPaymentInputs& in, FactorLibrary& factors) {
    EqualPaymentResult result;
    const std::string year = Right(FormatDateText(in.calculationDate, kShortDate), 4);
    const std::string yearEndDate = "12/31/" + year;
    result.calculationYear = year;

    const auto age = static_cast<std::int16_t>(
        std::max<int>(factors.CALCULATEAGE(FormatDateText(in.birthDate, kShortDate), yearEndDate,
                                           AgeMode::LastBirthday),
                      0));
    const bool hasSpouse = runtime::IsDate(in.spouseBirthDate);
    const auto spouseAge = static_cast<std::int16_t>(
        hasSpouse
            ? std::max<int>(factors.CALCULATEAGE(FormatDateText(in.spouseBirthDate, kShortDate),
                                                 yearEndDate, AgeMode::LastBirthday),
                            0)
            : -1);

    // Single Life, Uniform Lifetime, Joint and Last Survivor.
    const std::array<float, 3> divisors = {
        DivisorOf(factors.RMDSINGLEFACTOR(SingleFactorMode::StartAgeLessYearsElapsed, age, age)),
        DivisorOf(factors.RMDJOINTFACTOR(age, age, JointFactorMode::TenYearsYoungerOrActualAges)),
        hasSpouse ? DivisorOf(factors.RMDJOINTFACTOR(age, spouseAge, JointFactorMode::ActualAges))
                  : 1.0f};

    std::array<double, kPaymentOptions> payments{};
    const double rmdBalance = CleanedNumber(in.rmdAccountValue);
    for (int i = 0; i < 3; ++i) {
        payments[i] = runtime::Round(rmdBalance / divisors[i], 2);
    }
    if (!in.rmdOnly) {
        const double rate = CleanedNumber(in.interestRate) / 100;
        const double balance = CleanedNumber(in.fixedAccountValue);
        for (int i = 0; i < 3; ++i) {
            payments[3 + i] = AmortizedPayment(balance, rate, divisors[i]);
        }
        const float annuity = AnnuityFactor(age, rate);
        payments[6] = annuity > 0 ? balance / annuity : 0;
    }

    illustration::FieldWrites& w = result.writes;
    w.push_back({"R-IRSPen", in.rmdOnly ? "~K" : "~S"});
    w.push_back({"R-PlanName", in.planName});
    w.push_back({"R-PHName", in.planholderName});
    w.push_back({"R-PHDOB", FormatLongDate(in.birthDate)});
    w.push_back({"R-Age", runtime::CStr(age)});
    w.push_back({"R-BeneDOB", FormatLongDate(in.spouseBirthDate)});
    w.push_back({"R-BT", runtime::Str(spouseAge).substr(1)});
    for (int i = 0; i < 3; ++i) {
        w.push_back({"R-Factor" + std::to_string(i + 1), FactorText(divisors[i])});
    }
    w.push_back({"R-YYYY", year});
    w.push_back({"R-YYY1", runtime::CStr(runtime::Val(year) - 1)});
    std::string rmdBalanceText = in.rmdAccountValue;
    w.push_back({"R-PlanValue", FormatDollars(CleanNumber(rmdBalanceText))});
    for (int i = 0; i < 3; ++i) {
        w.push_back({"R-Payment" + std::to_string(i + 1), PaymentText(payments[i])});
    }
    w.push_back({"R-CalcDate", FormatLongDate(in.calculationDate)});
    w.push_back({"R-AA", in.interestRate});
    std::string fixedBalanceText = in.fixedAccountValue;
    w.push_back({"R-PValue", FormatDollars(CleanNumber(fixedBalanceText))});
    for (int i = 3; i < kPaymentOptions; ++i) {
        w.push_back({"R-Payment" + std::to_string(i + 1), PaymentText(payments[i])});
    }
    w.push_back({"R-RBD", hasSpouse ? "~J" : "~@"});
    for (int i = 0; i < kPaymentOptions; ++i) {
        w.push_back({"R-" + std::to_string(i + 1), in.chosenOption == i ? " X" : " "});
    }
    const bool chosen =
        in.chosenOption && *in.chosenOption >= 0 && *in.chosenOption < kPaymentOptions;
    w.push_back({"6-RMD_Amt", chosen ? PaymentText(payments[*in.chosenOption]) : ""});

    // The representative's name: the line up to the first separator, with its opening blank.
    const std::size_t separator = in.representativeLine.find(" \\bullet");
    if (separator != std::string::npos && separator > 0) {
        w.push_back({"R-NameAgent", in.representativeLine.substr(0, separator + 1)});
    }
    w.push_back({"R-Aname", in.representativeLine});
    return result;
}

} // namespace calc
