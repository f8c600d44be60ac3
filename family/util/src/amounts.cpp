// Amounts as text with thousands separators, and back; the same for a dialog's controls.
//
// The text is made digit by digit with repeated multiplication in double precision, so that it
// is the same on every machine that hosts the library.
#include "family/util/src/host_functions.h"
#include "family/util/umbrant.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Negative amounts nearer to 0 than a cent are written as 0.
constexpr double kSmallestNegative = -0.009999999;
// Added before the digits are taken, so that they round to the nearest cent.
constexpr double kHalfCent = 0.005;
// A third decimal makes the scale of its digit smaller than this.
constexpr double kSmallestDecimalScale = 0.005;
constexpr int kCentDigits = 2;
// The longest text of a finite amount: 309 integer digits, 102 commas, sign, point, cents and
// the terminator, rounded up.
constexpr std::size_t kAmountTextCapacity = 420;
constexpr int kControlTextLimit = 99;

// Takes the next digit of `value` (in [0, 1)), leaving the rest.
char NextDigit(double& value) {
    value *= 10.0;
    // The product of a value just below 1 may round up to 10.
    const double digit = std::min(std::floor(value), 9.0);
    value -= digit;
    return static_cast<char>('0' + static_cast<int>(digit));
}

std::string AmountText(double value, bool withCents) {
    if (!std::isfinite(value)) {
        return "0";
    }
    if (value < 0.0 && value > kSmallestNegative) {
        value = 0.0;
    }
    std::string text;
    if (value < 0.0) {
        text = "-";
        value = -value;
    }
    value += kHalfCent;
    int digits = 0;
    while (value >= 1.0) {
        value *= 0.1;
        ++digits;
    }
    if (digits == 0) {
        text += '0';
    }
    for (int left = digits - 1; left >= 0; --left) {
        text += NextDigit(value);
        if (left > 0 && left % 3 == 0) {
            text += ',';
        }
    }
    if (withCents) {
        text += '.';
        for (int i = 0; i < kCentDigits; ++i) {
            text += NextDigit(value);
        }
    }
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void _UtilDouble2String(char* out, double value, int withCents) {
    const std::string text = AmountText(value, (withCents & 0xFF) != 0);
    text.copy(out, text.size());
    out[text.size()] = '\0';
}

int _UtilString2Double(double* out, const char* text, int allowDecimals) {
    *out = 0.0;
    if (text == nullptr || *text == '\0') {
        return 1;
    }
    while (*text == ' ') {
        ++text;
    }
    double sign = 1.0;
    if (*text == '-') {
        sign = -1.0;
        ++text;
    } else if (*text == '+') {
        ++text;
    }
    double value = 0.0;
    for (; *text != '\0' && *text != '.'; ++text) {
        if (*text == ',') {
            continue;
        }
        if (!IsDigit(*text)) {
            return 1;
        }
        value = value * 10.0 + (*text - '0');
    }
    if (*text == '.') {
        double scale = 1.0;
        for (++text; *text != '\0'; ++text) {
            scale *= 0.1;
            if (scale < kSmallestDecimalScale || !IsDigit(*text)) {
                return 1;
            }
            if ((allowDecimals & 0xFF) != 0) {
                value += (*text - '0') * scale;
            }
        }
    }
    *out = value * sign;
    return 0;
}

BOOL _UtilSetDlgItemDouble(HWND dialog, int controlId, double value, int withCents) {
    char text[kAmountTextCapacity];
    _UtilDouble2String(text, value, withCents);
    return umbrant::SetControlText(dialog, controlId, text);
}

double _UtilGetDlgItemDouble(HWND dialog, int controlId, int* valid, int allowDecimals) {
    const std::string text = umbrant::ControlText(dialog, controlId, kControlTextLimit);
    double value = 0.0;
    const bool parsed = _UtilString2Double(&value, text.c_str(), allowDecimals) == 0;
    if (valid != nullptr) {
        *valid = parsed ? 1 : 0;
    }
    return parsed ? value : 0.0;
}
