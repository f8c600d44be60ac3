#include "platform/runtime/date_parse.h"

#include "platform/runtime/runtime_error.h"

#include <array>
#include <string>
#include <vector>

namespace runtime {
namespace {

// The text cut into numbers, words and the single characters between them. The shape writes
// each piece as one character ('n' a number, 'w' a word, ' ' a run of blanks, any other
// character as itself), so that a form is matched by comparing shapes: "Jan 1, 1930" has the
// shape "w n, n".
struct Pieces {
    std::string shape;
    std::vector<std::string_view> numbers;
    std::vector<std::string_view> words;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

Pieces CutIntoPieces(std::string_view text) {
    Pieces pieces;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos + 1;
        const char c = text[pos];
        if (IsDigit(c)) {
            while (end < text.size() && IsDigit(text[end])) {
                ++end;
            }
            pieces.shape += 'n';
            pieces.numbers.push_back(text.substr(pos, end - pos));
        } else if (IsLetter(c)) {
            while (end < text.size() && IsLetter(text[end])) {
                ++end;
            }
            pieces.shape += 'w';
            pieces.words.push_back(text.substr(pos, end - pos));
        } else if (IsBlank(c)) {
            while (end < text.size() && IsBlank(text[end])) {
                ++end;
            }
            pieces.shape += ' ';
        } else {
            pieces.shape += c;
        }
        pos = end;
    }
    return pieces;
}

// The value of a run of one to four digits; -1 for a longer run.
int NumberValue(std::string_view digits) {
    if (digits.size() > 4) {
        return -1;
    }
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// Month and day: one or two digits.
int MonthOrDay(std::string_view digits) {
    return digits.size() <= 2 ? NumberValue(digits) : -1;
}

// Four digits as they stand, or two digits in the window 00-29 -> 2000s, 30-99 -> 1900s.
int YearValue(std::string_view digits) {
    if (digits.size() == 4) {
        return NumberValue(digits);
    }
    if (digits.size() == 2) {
        const int value = NumberValue(digits);
        return value < 30 ? 2000 + value : 1900 + value;
    }
    return -1;
}

// 1 to 12 for a month's name or its first three letters, in any letter case; 0 otherwise.
int MonthFromName(std::string_view word) {
    static constexpr std::array<std::string_view, 12> names = {
        "january", "february", "march",     "april",   "may",      "june",
        "july",    "august",   "september", "october", "november", "december"};
    std::string lower(word);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (lower == names[i] || (lower.size() == 3 && names[i].starts_with(lower))) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

std::optional<Date> ReadNumericDate(const Pieces& pieces) {
    const auto& n = pieces.numbers;
    if (n[0].size() == 4) {
        return Date::FromParts(NumberValue(n[0]), MonthOrDay(n[1]), MonthOrDay(n[2]));
    }
    return Date::FromParts(YearValue(n[2]), MonthOrDay(n[0]), MonthOrDay(n[1]));
}

} // namespace

std::optional<Date> ParseDate(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const Pieces pieces = CutIntoPieces(text);
    const std::string& shape = pieces.shape;

    if (shape == "n/n/n" || shape == "n-n-n") {
        return ReadNumericDate(pieces);
    }
    // The month's name before or after the day; the day is the first number either way.
    if (shape == "w n n" || shape == "w n,n" || shape == "w n, n" || shape == "n w n" ||
        shape == "n-w-n") {
        return Date::FromParts(YearValue(pieces.numbers[1]), MonthFromName(pieces.words[0]),
                               MonthOrDay(pieces.numbers[0]));
    }
    return std::nullopt;
}

bool IsDate(std::string_view text) {
    return ParseDate(text).has_value();
}

Date ToDate(std::string_view text) {
    const std::optional<Date> date = ParseDate(text);
    if (!date) {
        throw RuntimeError(ErrorNumber::TypeMismatch);
    }
    return *date;
}

} // namespace runtime
