// Internal to platform/runtime: a binary floating-point value written as decimal digits, the
// common ground of number-to-text and Format.
#pragma once

#include <string>

namespace runtime {

// A decimal number as significant digits and the place of the decimal point. The digits carry
// no leading or trailing zeros ("" for zero); `pointPosition` counts the digits before the
// point and may be negative or beyond the digits: 1234.5 is {"12345", 4}, 0.015 is {"15", -1},
// 1E+16 is {"1", 17}.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;

    bool IsZero() const { return digits.empty(); }
};

// The significant digits the runtime keeps of a double and of a single.
constexpr int kDoubleSignificantDigits = 15;
constexpr int kSingleSignificantDigits = 7;

// The value rounded to `significantDigits` (1 to 17) significant decimal digits, the way the
// runtime sees a double (15) or a single (7) before it writes it. The value must be finite.
DecimalDigits ToDecimalDigits(double value, int significantDigits);

// Rounds in place to `decimals` digits after the point, a half going away from zero.
void RoundHalfAwayFromZero(DecimalDigits& number, int decimals);

} // namespace runtime
