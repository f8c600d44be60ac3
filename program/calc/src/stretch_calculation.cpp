#include "program/calc/stretch_calculation.h"

#include "program/calc/src/distribution_rules.h"
#include "program/illustration/formatting.h"

#include "platform/runtime/conversions.h"
#include "platform/runtime/date_parse.h"
#include "platform/runtime/number_parse.h"

#include <algorithm>

namespace calc {

using illustration::CleanedNumber;
using illustration::FormatDateText;
using illustration::kShortDate;

StretchResult CalculateStretch(const StretchFields& fields, FactorLibrary& factors,
                               StretchProjection& projection) {
    StretchInputs in{};
    in.ratePercent = CleanedNumber(fields.rateOfReturn);
    in.startingValue = CleanedNumber(fields.accountValue);
    in.contribution = CleanedNumber(fields.contribution);
    in.contributionYears = CleanedNumber(fields.contributionYears);
    const std::string year = Right(fields.illustrationDate, 4);
    in.year = runtime::ToInt16(runtime::Val(year));
    const std::string yearEndDate = "12/31/" + year;
    in.roth = fields.roth;

    const auto ageOn = [&](const std::string& birthDate) {
        return std::max<int>(factors.CALCULATEAGE(birthDate, yearEndDate, AgeMode::LastBirthday),
                             0);
    };
    const std::string planholderBirthDate = FormatDateText(fields.planholderBirthDate, kShortDate);
    in.planholderAge = ageOn(planholderBirthDate);
    in.planholderLE = runtime::ToInt32(runtime::Val(fields.planholderYears));
    // Born January to June: 70 and a half in the year of the 70th birthday.
    in.planholderStartAge = runtime::Val(planholderBirthDate.substr(0, 2)) < 7 ? 70 : 71;

    in.spouseAge = in.planholderAge;
    in.spouseLE = in.planholderLE;
    if (runtime::IsDate(fields.spouseBirthDate)) {
        in.spouseAge = ageOn(FormatDateText(fields.spouseBirthDate, kShortDate));
        in.spouseLE = runtime::ToInt32(runtime::Val(fields.spouseYears));
    }
    const bool spousePhase = in.spouseLE > in.planholderLE;
    in.spouseLE = std::max(in.spouseLE, in.planholderLE);
    in.beneficiaryAge = ageOn(FormatDateText(fields.beneficiaryBirthDate, kShortDate));

    const auto asAge = [](int age) { return static_cast<std::int16_t>(age); };
    const StretchDivisors divisors = {
        [&](int firstAge, int secondAge) {
            return factors.RMDJOINTFACTOR(asAge(firstAge), asAge(secondAge),
                                          JointFactorMode::TenYearsYoungerOrActualAges);
        },
        [&](int startAge, int currentAge) {
            return factors.RMDSINGLEFACTOR(SingleFactorMode::StartAgeLessYearsElapsed,
                                           asAge(startAge), asAge(currentAge));
        }};
    const int last = ProjectStretch(in, divisors, projection);
    return {in.planholderLE, in.spouseLE, last, last, spousePhase};
}

} // namespace calc
