// The annuity factor of the 72(t) annuitization method: the present value, at a person's age and
// an interest rate, of 1 paid at the start of every year the person lives, up to age 115, under
// the mortality table of Rev. Rul. 2002-62.
#pragma once

#include <array>
#include <cstdint>

namespace calc {

inline constexpr int kMortalityAges = 116;

// q(x) for ages 0 to 115: the chance that a person of age x dies before age x + 1; q(115) = 1.
using MortalityTable = std::array<double, kMortalityAges>;

void LoadMortalityTable(MortalityTable& table);

// Result codes that take the factor's place.
inline constexpr float kAnnuityAgeRefused = -1000.0f;  // age outside 0 to 114
inline constexpr float kAnnuityRateRefused = -2000.0f; // rate outside 0 to 0.12, or not a number

// The factor at `age` and `rate` (a fraction: 0.05 for 5 percent). The age is checked first.
float AnnuityFactor(std::int16_t age, double rate);

} // namespace calc
