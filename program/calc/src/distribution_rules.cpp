#include "program/calc/src/distribution_rules.h"

#include "platform/runtime/conversions.h"
#include "platform/runtime/number_format.h"

namespace calc {

double WholeDollarDistribution(double accountValue, float divisor) {
    return runtime::Int(accountValue / divisor + 0.99);
}

double DistributionPenalty(double distribution) {
    return runtime::Int(distribution / 2 + 0.5);
}

std::string FactorText(float divisor) {
    return runtime::Format(divisor, "##.0");
}

} // namespace calc
