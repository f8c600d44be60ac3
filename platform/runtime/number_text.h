// Numbers written as plain text the way the original runtime writes them: no grouping, "." as
// the decimal point whatever the machine's locale, at most 15 significant digits for a double
// and 7 for a single, and the exponent form for large and small values.
//
//   Str writes a blank in front of a number that is not negative, "-" in front of a negative
//   one, and leaves out the zero before the point of a number below 1: Str(70) is " 70",
//   Str(-5) is "-5", Str(0.5) is " .5".
//   CStr writes no blank and keeps the zero: CStr(70) is "70", CStr(0.5) is "0.5".
//
// The exponent form is used when the decimal exponent of the rounded value is below -4 or at
// least the number of significant digits (15, or 7 for a single): the significant digits with
// a point after the first, "E", the exponent's sign and at least two exponent digits, as in
// "1E+16", "1.5E-05", "1.234568E+07".
//
// The runtime never holds an infinite or undefined number (the arithmetic that would make one
// fails first), so writing one throws RuntimeError Overflow.
#pragma once

#include <concepts>
#include <string>

namespace runtime {

std::string Str(double value);
std::string Str(float value);
std::string CStr(double value);
std::string CStr(float value);

std::string IntegerStr(long long value);
std::string IntegerCStr(long long value);

// Whole numbers of any width: Str(std::int16_t{70}) is " 70".
template <std::integral T>
requires(!std::same_as<T, bool>) std::string Str(T value) {
    return IntegerStr(static_cast<long long>(value));
}

template <std::integral T>
requires(!std::same_as<T, bool>) std::string CStr(T value) {
    return IntegerCStr(static_cast<long long>(value));
}

} // namespace runtime
