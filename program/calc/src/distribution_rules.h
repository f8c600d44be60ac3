// Rules and texts shared by the distribution calculations.
#pragma once

#include <string>
#include <string_view>

namespace calc {

// The note on the suspended distribution of 2009.
inline constexpr const char* kSuspension2009Note =
    "Note: Under the Worker, Retiree, and Employers Recovery Act of 2008 (H.R. 7327), Congress "
    "approved a one-year suspension of the required minimum distribution (RMD) for 2009.";

// The last `count` characters of a text (all of it when shorter).
inline std::string Right(std::string_view text, std::size_t count) {
    return std::string(text.substr(text.size() > count ? text.size() - count : 0));
}

// A distribution in whole dollars: the quotient rounded up unless its fraction is below 0.01.
double WholeDollarDistribution(double accountValue, float divisor);

// Half of a distribution, a half dollar going up: the penalty on a distribution not taken.
double DistributionPenalty(double distribution);

// A divisor as the reports show it: one decimal, no leading zero below 1 ("27.4", ".5").
std::string FactorText(float divisor);

} // namespace calc
