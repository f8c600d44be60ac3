// Conversions between number types with the original runtime's rules: whole-number conversions
// round to the nearest integer with a half going to the even neighbour (banker's rounding) and
// fail with an Overflow run-time error outside the target's range; Int and Fix cut instead of
// rounding.
#pragma once

#include <cstdint>

namespace runtime {

// The nearest 16-bit integer, a half to the even neighbour (0.5 -> 0, 1.5 -> 2, -2.5 -> -2).
// Throws RuntimeError Overflow when the rounded value lies outside -32768..32767 or the value
// is not a number.
std::int16_t ToInt16(double value);

// The same for 32-bit integers (-2147483648..2147483647).
std::int32_t ToInt32(double value);

// The value held in single precision (the nearest float). Throws RuntimeError Overflow when
// the value is finite but beyond the largest single.
float ToSingle(double value);

// The largest whole number not above the value (the runtime's Int): Int(-2.5) is -3.
double Int(double value);

// The value with its fraction cut off, towards zero (the runtime's Fix): Fix(-2.5) is -2.
double Fix(double value);

// The value rounded to `digits` decimals (0 to 22), a half going to the even neighbour. Halves
// are judged on the exact binary value: Round(0.125, 2) is 0.12, while Round(2.675, 2) is 2.67
// because the double nearest to 2.675 lies just below it. Throws std::out_of_range for
// `digits` outside 0..22, a mistake of the caller.
double Round(double value, int digits = 0);

} // namespace runtime
