#include "platform/runtime/number_text.h"

#include "platform/runtime/runtime_error.h"
#include "platform/runtime/src/decimal_digits.h"

#include <cmath>
#include <cstdlib>

namespace runtime {
namespace {

enum class Style { Str, CStr };

std::string WriteExponentForm(const DecimalDigits& number) {
    std::string text(1, number.digits[0]);
    if (number.digits.size() > 1) {
        text += '.';
        text += number.digits.substr(1);
    }
    const int exponent = number.pointPosition - 1;
    text += exponent < 0 ? "E-" : "E+";
    const std::string exponentDigits = std::to_string(std::abs(exponent));
    if (exponentDigits.size() < 2) {
        text += '0';
    }
    return text + exponentDigits;
}

std::string WriteFixedForm(const DecimalDigits& number, Style style) {
    const int count = static_cast<int>(number.digits.size());
    const int point = number.pointPosition;
    if (point <= 0) {
        return (style == Style::CStr ? "0." : ".") + std::string(-point, '0') + number.digits;
    }
    if (point >= count) {
        return number.digits + std::string(point - count, '0');
    }
    return number.digits.substr(0, point) + '.' + number.digits.substr(point);
}

std::string Write(double value, int significantDigits, Style style) {
    if (!std::isfinite(value)) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    const DecimalDigits number = ToDecimalDigits(value, significantDigits);
    std::string body;
    if (number.IsZero()) {
        body = "0";
    } else {
        const int exponent = number.pointPosition - 1;
        body = (exponent < -4 || exponent >= significantDigits) ? WriteExponentForm(number)
                                                                : WriteFixedForm(number, style);
    }
    if (number.negative) {
        return '-' + body;
    }
    return style == Style::Str ? ' ' + body : body;
}

} // namespace

std::string Str(double value) {
    return Write(value, kDoubleSignificantDigits, Style::Str);
}
std::string Str(float value) {
    return Write(value, kSingleSignificantDigits, Style::Str);
}
std::string CStr(double value) {
    return Write(value, kDoubleSignificantDigits, Style::CStr);
}
std::string CStr(float value) {
    return Write(value, kSingleSignificantDigits, Style::CStr);
}

std::string IntegerStr(long long value) {
    return value < 0 ? std::to_string(value) : ' ' + std::to_string(value);
}

std::string IntegerCStr(long long value) {
    return std::to_string(value);
}

} // namespace runtime
