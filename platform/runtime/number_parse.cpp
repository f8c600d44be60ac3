#include "platform/runtime/number_parse.h"

#include "platform/runtime/runtime_error.h"
#include "platform/runtime/src/characters.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace runtime {
namespace {

// A decimal number taken apart by one of the readers below.
struct DecimalText {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    long long exponent = 0;
};

// Exponents are read with saturation: no double survives an exponent beyond this, however many
// digits the mantissa has, and the saturated value keeps the arithmetic below from overflowing.
constexpr long long kExponentLimit = 100000;

// Reads the digits of an exponent at `pos` (after its marker and sign); returns the position
// after them, or npos when there is no digit.
std::size_t ReadExponentDigits(std::string_view text, std::size_t pos, long long& value) {
    if (pos >= text.size() || !IsDigit(text[pos])) {
        return std::string_view::npos;
    }
    value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        value = std::min(kExponentLimit, value * 10 + (text[pos] - '0'));
    }
    return pos;
}

// Reads "E" or "e", an optional sign and digits at `pos` into `number`; returns the position
// after them, or `pos` unchanged when no complete exponent stands there.
std::size_t ReadExponent(std::string_view text, std::size_t pos, DecimalText& number) {
    if (pos >= text.size() || (text[pos] != 'E' && text[pos] != 'e')) {
        return pos;
    }
    std::size_t at = pos + 1;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    long long value = 0;
    const std::size_t end = ReadExponentDigits(text, at, value);
    if (end == std::string_view::npos) {
        return pos;
    }
    number.exponent = negative ? -value : value;
    return end;
}

// The decimal order of magnitude of the number's first significant digit, plus one: 1 for
// 1 to 9.99, 0 for 0.1 to 0.999, and so on. Only used to tell overflow from underflow.
long long Magnitude(const DecimalText& number) {
    const std::size_t firstInteger = number.integerDigits.find_first_not_of('0');
    if (firstInteger != std::string::npos) {
        return static_cast<long long>(number.integerDigits.size() - firstInteger) + number.exponent;
    }
    const std::size_t firstFraction = number.fractionDigits.find_first_not_of('0');
    return -static_cast<long long>(firstFraction) + number.exponent;
}

double ToDouble(const DecimalText& number) {
    const bool allZero = number.integerDigits.find_first_not_of('0') == std::string::npos &&
                         number.fractionDigits.find_first_not_of('0') == std::string::npos;
    if (allZero) {
        return 0.0;
    }
    std::string text = number.integerDigits.empty() ? "0" : number.integerDigits;
    text += '.';
    text += number.fractionDigits.empty() ? "0" : number.fractionDigits;
    text += 'e';
    text += std::to_string(number.exponent);

    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (Magnitude(number) > 0) {
            throw RuntimeError(ErrorNumber::Overflow);
        }
        return 0.0;
    }
    return number.negative ? -value : value;
}

} // namespace

double Val(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact += c;
        }
    }

    DecimalText number;
    std::size_t pos = 0;
    if (pos < compact.size() && (compact[pos] == '+' || compact[pos] == '-')) {
        number.negative = compact[pos] == '-';
        ++pos;
    }
    for (; pos < compact.size() && IsDigit(compact[pos]); ++pos) {
        number.integerDigits += compact[pos];
    }
    if (pos < compact.size() && compact[pos] == '.') {
        for (++pos; pos < compact.size() && IsDigit(compact[pos]); ++pos) {
            number.fractionDigits += compact[pos];
        }
    }
    if (number.integerDigits.empty() && number.fractionDigits.empty()) {
        return 0.0;
    }
    ReadExponent(compact, pos, number);
    return ToDouble(number);
}

std::optional<double> ParseNumber(std::string_view text) {
    text = TrimBlanksAndTabs(text);

    DecimalText number;
    std::size_t pos = 0;
    bool sawSign = false;
    bool sawDollar = false;
    for (; pos < text.size(); ++pos) {
        if ((text[pos] == '+' || text[pos] == '-') && !sawSign) {
            sawSign = true;
            number.negative = text[pos] == '-';
        } else if (text[pos] == '$' && !sawDollar) {
            sawDollar = true;
        } else {
            break;
        }
    }
    for (; pos < text.size() &&
           (IsDigit(text[pos]) || (text[pos] == ',' && !number.integerDigits.empty()));
         ++pos) {
        if (text[pos] != ',') {
            number.integerDigits += text[pos];
        }
    }
    if (pos < text.size() && text[pos] == '.') {
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) {
            number.fractionDigits += text[pos];
        }
    }
    if (number.integerDigits.empty() && number.fractionDigits.empty()) {
        return std::nullopt;
    }
    pos = ReadExponent(text, pos, number);
    if (pos != text.size()) {
        return std::nullopt;
    }
    return ToDouble(number);
}

} // namespace runtime
