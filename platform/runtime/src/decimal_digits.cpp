#include "platform/runtime/src/decimal_digits.h"

#include <array>
#include <charconv>
#include <cmath>

namespace runtime {
namespace {

void TrimTrailingZeros(DecimalDigits& number) {
    const std::size_t last = number.digits.find_last_not_of('0');
    number.digits.erase(last == std::string::npos ? 0 : last + 1);
    if (number.digits.empty()) {
        number.negative = false;
        number.pointPosition = 0;
    }
}

} // namespace

DecimalDigits ToDecimalDigits(double value, int significantDigits) {
    DecimalDigits number;
    if (value == 0.0) {
        return number;
    }
    // Scientific form "-d.ddde+XX", rounded from the exact binary value.
    std::array<char, 64> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                       std::chars_format::scientific, significantDigits - 1);
    const std::string_view scientific(text.data(), written.ptr - text.data());
    const std::size_t exponentAt = scientific.find('e');
    for (char c : scientific.substr(0, exponentAt)) {
        if (c != '.') {
            number.digits += c;
        }
    }
    int exponent = 0;
    const char* exponentText = scientific.data() + exponentAt + 1;
    if (*exponentText == '+') {
        ++exponentText;
    }
    std::from_chars(exponentText, scientific.data() + scientific.size(), exponent);
    number.negative = value < 0.0;
    number.pointPosition = exponent + 1;
    TrimTrailingZeros(number);
    return number;
}

void RoundHalfAwayFromZero(DecimalDigits& number, int decimals) {
    // Digits kept: those whose place value is at least 10^-decimals.
    const long kept = static_cast<long>(number.pointPosition) + decimals;
    if (kept >= static_cast<long>(number.digits.size())) {
        return;
    }
    const bool roundUp = kept >= 0 && number.digits[kept] >= '5';
    number.digits.erase(kept > 0 ? kept : 0);
    if (roundUp) {
        if (number.digits.empty()) {
            number.digits.assign(1, '1');
            number.pointPosition = 1 - decimals;
            return;
        }
        std::size_t at = number.digits.size();
        while (at > 0 && number.digits[at - 1] == '9') {
            number.digits[--at] = '0';
        }
        if (at == 0) {
            number.digits.insert(number.digits.begin(), '1');
            ++number.pointPosition;
        } else {
            ++number.digits[at - 1];
        }
    }
    TrimTrailingZeros(number);
}

} // namespace runtime
