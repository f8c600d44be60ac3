#include "platform/automation/variant_text.h"

#include "platform/automation/text.h"

#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace automation {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

template <typename Real>
std::string ShortestRealText(Real value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    std::string result(text, end);
    for (char& c : result) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return result;
}

std::string CurrencyText(CY amount) {
    // Whole units and ten-thousandths, written without a detour through floating point.
    const bool negative = amount.int64 < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(amount.int64)
                                             : static_cast<std::uint64_t>(amount.int64);
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return text;
}

// The civil date `days` days after 30 December 1899 (proleptic Gregorian calendar).
void CivilDate(std::int64_t days, std::int64_t& year, int& month, int& day) {
    // Shift to days since 1 March 0000 (the era algorithm counts years from March).
    const std::int64_t z = days + 693899;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

std::optional<std::string> DateText(DATE date) {
    // Dates run from year 100 to 9999, as Automation allows.
    if (!std::isfinite(date) || date < -657434.0 || date >= 2958466.0) {
        return std::nullopt;
    }
    const double wholeDays = std::trunc(date);
    // Negative dates count days back but the time of day forward: -1.25 is 29 December 1899,
    // 6:00:00 AM.
    const auto seconds =
        static_cast<std::int64_t>(std::round(std::fabs(date - wholeDays) * 86400.0));
    std::int64_t days = static_cast<std::int64_t>(wholeDays);
    std::int64_t secondOfDay = seconds;
    if (secondOfDay >= 86400) {
        secondOfDay -= 86400;
        days += date < 0 ? -1 : 1;
    }
    std::string text;
    if (days != 0 || secondOfDay == 0) {
        std::int64_t year = 0;
        int month = 0;
        int day = 0;
        CivilDate(days, year, month, day);
        text = std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
    }
    if (secondOfDay != 0 || days == 0) {
        const int hour = static_cast<int>(secondOfDay / 3600);
        char time[32];
        std::snprintf(time, sizeof time, "%d:%02d:%02d %s", hour % 12 == 0 ? 12 : hour % 12,
                      static_cast<int>(secondOfDay / 60 % 60), static_cast<int>(secondOfDay % 60),
                      hour < 12 ? "AM" : "PM");
        text += (text.empty() ? "" : " ") + std::string(time);
    }
    return text;
}

} // namespace

std::string ShortestText(float value) {
    return ShortestRealText(value);
}

std::string ShortestText(double value) {
    return ShortestRealText(value);
}

std::optional<std::string> VariantText(const VARIANT& value) {
    if ((value.vt & VT_BYREF) != 0) {
        if (value.byref == nullptr) {
            return std::nullopt;
        }
        VARIANT target;
        VariantInit(&target);
        const VARTYPE type = value.vt & VT_TYPEMASK;
        switch (type) {
        case VT_VARIANT:
            // A reference to a reference is not a value.
            if ((value.pvarVal->vt & VT_BYREF) != 0) {
                return std::nullopt;
            }
            return VariantText(*value.pvarVal);
        case VT_I2:
            target.iVal = *value.piVal;
            break;
        case VT_I4:
            target.lVal = *value.plVal;
            break;
        case VT_UI1:
            target.bVal = *value.pbVal;
            break;
        case VT_R4:
            target.fltVal = *value.pfltVal;
            break;
        case VT_R8:
            target.dblVal = *value.pdblVal;
            break;
        case VT_CY:
            target.cyVal = *value.pcyVal;
            break;
        case VT_DATE:
            target.date = *value.pdate;
            break;
        case VT_BOOL:
            target.boolVal = *value.pboolVal;
            break;
        case VT_BSTR:
            target.bstrVal = *value.pbstrVal;
            break;
        default:
            return std::nullopt;
        }
        target.vt = type;
        return VariantText(target);
    }
    switch (value.vt) {
    case VT_EMPTY:
        return std::string();
    case VT_I2:
        return std::to_string(value.iVal);
    case VT_I4:
        return std::to_string(value.lVal);
    case VT_UI1:
        return std::to_string(value.bVal);
    case VT_R4:
        return ShortestText(value.fltVal);
    case VT_R8:
        return ShortestText(value.dblVal);
    case VT_CY:
        return CurrencyText(value.cyVal);
    case VT_DATE:
        return DateText(value.date);
    case VT_BOOL:
        return std::string(value.boolVal != VARIANT_FALSE ? "-1" : "0");
    case VT_BSTR:
        return TextFromBstr(value.bstrVal);
    default:
        return std::nullopt;
    }
}

std::int32_t ReadInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulated as a magnitude in 64 bits and stopped growing once past the 32-bit range.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(number, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

double ReadReal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            end = j;
        }
    }
    // The span holds only what was checked above, so the C locale's reader takes all of it.
    static const locale_t kCLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string number(text.substr(start, end - start));
    return strtod_l(number.c_str(), nullptr, kCLocale);
}

std::int32_t SaturatedInteger(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double truncated = std::trunc(value);
    if (truncated >= 2147483647.0) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (truncated <= -2147483648.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(truncated);
}

} // namespace automation
