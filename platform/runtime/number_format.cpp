#include "platform/runtime/number_format.h"

#include "platform/runtime/number_parse.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/src/decimal_digits.h"

#include <cmath>
#include <stdexcept>

namespace runtime {
namespace {

struct NumberPattern {
    int minIntegerDigits = 0;
    bool grouped = false;
    bool hasPoint = false;
    int minDecimals = 0;
    int maxDecimals = 0;
};

bool IsDigitPlaceholder(char c) {
    return c == '#' || c == '0';
}

NumberPattern ReadPattern(std::string_view pattern) {
    NumberPattern result;
    const std::size_t point = pattern.find('.');
    const std::string_view integerPart = pattern.substr(0, point);
    for (std::size_t i = 0; i < integerPart.size(); ++i) {
        const char c = integerPart[i];
        if (c == '0') {
            ++result.minIntegerDigits;
        } else if (c == ',') {
            if (i == 0 || i + 1 == integerPart.size() || !IsDigitPlaceholder(integerPart[i - 1]) ||
                !IsDigitPlaceholder(integerPart[i + 1])) {
                throw std::invalid_argument("Format: \",\" must stand between digits");
            }
            result.grouped = true;
        } else if (c != '#') {
            throw std::invalid_argument("Format: unsupported number pattern");
        }
    }
    if (point == std::string_view::npos) {
        return result;
    }
    result.hasPoint = true;
    for (char c : pattern.substr(point + 1)) {
        if (c == '0') {
            ++result.minDecimals;
        } else if (c != '#') {
            throw std::invalid_argument("Format: unsupported number pattern");
        }
        ++result.maxDecimals;
    }
    return result;
}

std::string GroupThousands(const std::string& digits) {
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string FormatDigits(double value, int significantDigits, std::string_view patternText) {
    const NumberPattern pattern = ReadPattern(patternText);
    if (!std::isfinite(value)) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    DecimalDigits number = ToDecimalDigits(value, significantDigits);
    RoundHalfAwayFromZero(number, pattern.maxDecimals);

    const int count = static_cast<int>(number.digits.size());
    const int point = number.pointPosition;
    std::string integerDigits;
    std::string decimals;
    if (point > 0) {
        integerDigits = number.digits.substr(0, std::min(point, count));
        integerDigits.append(std::max(0, point - count), '0');
        if (point < count) {
            decimals = number.digits.substr(point);
        }
    } else if (!number.IsZero()) {
        decimals = std::string(-point, '0') + number.digits;
    }
    if (static_cast<int>(integerDigits.size()) < pattern.minIntegerDigits) {
        integerDigits.insert(0, pattern.minIntegerDigits - integerDigits.size(), '0');
    }
    if (static_cast<int>(decimals.size()) < pattern.minDecimals) {
        decimals.append(pattern.minDecimals - decimals.size(), '0');
    }

    std::string text = number.negative ? "-" : "";
    text += pattern.grouped ? GroupThousands(integerDigits) : integerDigits;
    if (pattern.hasPoint) {
        text += '.';
        text += decimals;
    }
    return text;
}

} // namespace

std::string Format(double value, std::string_view pattern) {
    return FormatDigits(value, kDoubleSignificantDigits, pattern);
}

std::string Format(float value, std::string_view pattern) {
    return FormatDigits(value, kSingleSignificantDigits, pattern);
}

std::string Format(std::string_view text, std::string_view pattern) {
    ReadPattern(pattern);
    const std::optional<double> number = ParseNumber(text);
    return number ? Format(*number, pattern) : std::string(text);
}

} // namespace runtime
