#include "platform/runtime/conversions.h"

#include "platform/runtime/runtime_error.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace runtime {
namespace {

// Rounds half to even and checks the range of the integer type T.
template <typename T>
T ToInteger(double value) {
    // nearbyint rounds in the current rounding mode, which this program never changes from the
    // default: to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<T>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<T>::max()))) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<T>(rounded);
}

constexpr int kMaxRoundDigits = 22;

} // namespace

std::int16_t ToInt16(double value) {
    return ToInteger<std::int16_t>(value);
}

std::int32_t ToInt32(double value) {
    return ToInteger<std::int32_t>(value);
}

float ToSingle(double value) {
    if (std::isfinite(value) && std::fabs(value) > FLT_MAX) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<float>(value);
}

double Int(double value) {
    return std::floor(value);
}

double Fix(double value) {
    return std::trunc(value);
}

double Round(double value, int digits) {
    if (digits < 0 || digits > kMaxRoundDigits) {
        throw std::out_of_range("Round: digits must be 0 to 22");
    }
    if (!std::isfinite(value)) {
        return value;
    }
    if (digits == 0) {
        return std::nearbyint(value);
    }
    // The fixed-point text of the exact binary value, rounded to `digits` decimals with ties to
    // even, read back. A double has at most 309 digits before the point.
    std::array<char, 309 + 2 + kMaxRoundDigits + 1> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value,
                                       std::chars_format::fixed, digits);
    double rounded = 0.0;
    std::from_chars(text.data(), written.ptr, rounded);
    return rounded;
}

} // namespace runtime
