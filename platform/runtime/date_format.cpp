#include "platform/runtime/date_format.h"

#include "platform/runtime/src/characters.h"

#include <stdexcept>

namespace runtime {
namespace {

// The number with at least `width` digits.
std::string Padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return digits;
}

[[noreturn]] void Refuse(std::string_view pattern) {
    throw std::invalid_argument("FormatDate: unsupported pattern \"" + std::string(pattern) + "\"");
}

} // namespace

std::string FormatDate(const Date& date, std::string_view pattern) {
    std::string text;
    bool afterHour = false;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char letter = ToLowerAscii(pattern[pos]);
        if (!IsAsciiLetter(letter)) {
            text += pattern[pos++];
            continue;
        }
        std::size_t length = 1;
        while (pos + length < pattern.size() && ToLowerAscii(pattern[pos + length]) == letter) {
            ++length;
        }
        pos += length;

        const bool minutes = letter == 'n' || (letter == 'm' && afterHour && length <= 2);
        if (minutes && length <= 2) {
            text += Padded(date.Minute(), length);
        } else if (letter == 'm' && length <= 2) {
            text += Padded(date.Month(), length);
        } else if (letter == 'm' && length == 3) {
            text += MonthName(date.Month()).substr(0, 3);
        } else if (letter == 'm' && length == 4) {
            text += MonthName(date.Month());
        } else if (letter == 'd' && length <= 2) {
            text += Padded(date.Day(), length);
        } else if (letter == 'y' && length == 2) {
            text += Padded(date.Year() % 100, 2);
        } else if (letter == 'y' && length == 4) {
            text += Padded(date.Year(), 4);
        } else if (letter == 'h' && length <= 2) {
            text += Padded(date.Hour(), length);
        } else if (letter == 's' && length <= 2) {
            text += Padded(date.Second(), length);
        } else {
            Refuse(pattern);
        }
        afterHour = letter == 'h';
    }
    return text;
}

} // namespace runtime
