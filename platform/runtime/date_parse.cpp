#include "platform/runtime/date_parse.h"

#include "platform/runtime/runtime_error.h"
#include "platform/runtime/src/characters.h"

#include <algorithm>
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
        } else if (IsAsciiLetter(c)) {
            while (end < text.size() && IsAsciiLetter(text[end])) {
                ++end;
            }
            pieces.shape += 'w';
            pieces.words.push_back(text.substr(pos, end - pos));
        } else if (IsBlankOrTab(c)) {
            while (end < text.size() && IsBlankOrTab(text[end])) {
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
    for (int month = 1; month <= 12; ++month) {
        const std::string_view name = MonthName(month);
        if ((word.size() == name.size() || word.size() == 3) &&
            std::equal(word.begin(), word.end(), name.begin(),
                       [](char a, char b) { return ToLowerAscii(a) == ToLowerAscii(b); })) {
            return month;
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
    const Pieces pieces = CutIntoPieces(TrimBlanksAndTabs(text));
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
