#include "output/variant_arguments.h"

#include "platform/automation/text.h"
#include "platform/automation/variant_text.h"

#include <charconv>

namespace output {

namespace {

std::string PlatformText(const VARIANT& value) {
    return automation::VariantText(value).value_or(std::string());
}

// The fixed-point text of `value` with the fewest decimals, up to `maxDecimals`, that reads back
// as exactly `value` in its own precision.
template <typename Real>
std::string FixedText(Real value, int maxDecimals) {
    // 309 integer digits of the largest double, a sign, a point and the decimals.
    char text[400];
    std::string last;
    for (int decimals = 0; decimals <= maxDecimals; ++decimals) {
        const auto written =
            std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
        last.assign(text, written.ptr);
        Real readBack{};
        const auto read = std::from_chars(last.data(), last.data() + last.size(), readBack);
        if (read.ec == std::errc() && readBack == value) {
            break;
        }
    }
    return last;
}

} // namespace

bool VariantToBool(const VARIANT& value) {
    switch (value.vt) {
    case VT_I2:
        return value.iVal != 0;
    case VT_I4:
        return value.lVal != 0;
    case VT_R4:
        return value.fltVal != 0;
    case VT_R8:
        return value.dblVal != 0;
    case VT_BOOL:
        return value.boolVal != VARIANT_FALSE;
    default: {
        const std::string text = PlatformText(value);
        constexpr std::string_view kWord = "true";
        if (text.size() != kWord.size()) {
            return false;
        }
        for (std::size_t i = 0; i < kWord.size(); ++i) {
            if ((text[i] | 0x20) != kWord[i]) {
                return false;
            }
        }
        return true;
    }
    }
}

std::int32_t VariantToInt(const VARIANT& value) {
    switch (value.vt) {
    case VT_I2:
        return value.iVal;
    case VT_I4:
        return value.lVal;
    case VT_R4:
        return automation::SaturatedInteger(value.fltVal);
    case VT_R8:
        return automation::SaturatedInteger(value.dblVal);
    default:
        return automation::ReadInteger(PlatformText(value));
    }
}

double VariantToDouble(const VARIANT& value) {
    switch (value.vt) {
    case VT_I2:
        return value.iVal;
    case VT_I4:
        return value.lVal;
    case VT_R4:
        return value.fltVal;
    case VT_R8:
        return value.dblVal;
    default:
        return automation::ReadReal(PlatformText(value));
    }
}

std::string VariantToText(const VARIANT& value) {
    switch (value.vt) {
    case VT_I2:
        return std::to_string(value.iVal);
    case VT_I4:
        return std::to_string(value.lVal);
    case VT_R4:
        return FixedText(value.fltVal, 7);
    case VT_R8:
        return FixedText(value.dblVal, 16);
    default:
        return PlatformText(value);
    }
}

void SetBool(VARIANT* target, bool value) {
    if (target == nullptr) {
        return;
    }
    VariantClear(target);
    target->vt = VT_BOOL;
    target->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void SetInt(VARIANT* target, std::int32_t value) {
    if (target == nullptr) {
        return;
    }
    VariantClear(target);
    target->vt = VT_I4;
    target->lVal = value;
}

void SetDouble(VARIANT* target, double value) {
    if (target == nullptr) {
        return;
    }
    VariantClear(target);
    target->vt = VT_R8;
    target->dblVal = value;
}

void SetText(VARIANT* target, const std::string& value) {
    if (target == nullptr) {
        return;
    }
    VariantClear(target);
    target->vt = VT_BSTR;
    target->bstrVal = automation::BstrFromText(value);
}

HRESULT GetBool(VARIANT* target, bool value) {
    SetBool(target, value);
    return S_OK;
}

HRESULT GetInt(VARIANT* target, std::int32_t value) {
    SetInt(target, value);
    return S_OK;
}

HRESULT GetDouble(VARIANT* target, double value) {
    SetDouble(target, value);
    return S_OK;
}

} // namespace output
