#include "platform/automation/variant.h"

#include "platform/automation/interfaces.h"
#include "platform/automation/text.h"

#include <cstring>

namespace {

bool IsKnownType(VARTYPE type) {
    switch (type & VT_TYPEMASK) {
    case VT_EMPTY:
    case VT_NULL:
        return (type & VT_BYREF) == 0;
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_ERROR:
    case VT_BOOL:
    case VT_UNKNOWN:
    case VT_UI1:
        return (type & ~(VT_TYPEMASK | VT_BYREF)) == 0;
    case VT_VARIANT:
        return type == (VT_BYREF | VT_VARIANT);
    default:
        return false;
    }
}

} // namespace

void VariantInit(VARIANT* value) {
    std::memset(value, 0, sizeof *value);
    value->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* value) {
    if (value == nullptr) {
        return E_POINTER;
    }
    if (!IsKnownType(value->vt)) {
        return DISP_E_BADVARTYPE;
    }
    switch (value->vt) {
    case VT_BSTR:
        SysFreeString(value->bstrVal);
        break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
        if (value->punkVal != nullptr) {
            value->punkVal->Release();
        }
        break;
    default:
        break;
    }
    VariantInit(value);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* target, const VARIANT* source) {
    if (target == nullptr || source == nullptr) {
        return E_POINTER;
    }
    if (!IsKnownType(source->vt)) {
        return DISP_E_BADVARTYPE;
    }
    if (target == source) {
        return S_OK;
    }
    VARIANT copy = *source;
    if (source->vt == VT_BSTR && source->bstrVal != nullptr) {
        copy.bstrVal = SysAllocStringByteLen(reinterpret_cast<const char*>(source->bstrVal),
                                             SysStringByteLen(source->bstrVal));
        if (copy.bstrVal == nullptr) {
            return E_OUTOFMEMORY;
        }
    } else if ((source->vt == VT_DISPATCH || source->vt == VT_UNKNOWN) &&
               source->punkVal != nullptr) {
        source->punkVal->AddRef();
    }
    const HRESULT cleared = VariantClear(target);
    if (FAILED(cleared)) {
        VariantClear(&copy);
        return cleared;
    }
    *target = copy;
    return S_OK;
}

namespace automation {

Variant Variant::FromText(std::string_view text) {
    Variant value;
    value->vt = VT_BSTR;
    value->bstrVal = BstrFromText(text);
    return value;
}

Variant Variant::FromInt(std::int32_t number) {
    Variant value;
    value->vt = VT_I4;
    value->lVal = number;
    return value;
}

Variant Variant::FromDouble(double number) {
    Variant value;
    value->vt = VT_R8;
    value->dblVal = number;
    return value;
}

Variant Variant::FromBool(bool truth) {
    Variant value;
    value->vt = VT_BOOL;
    value->boolVal = truth ? VARIANT_TRUE : VARIANT_FALSE;
    return value;
}

VARIANT ReferenceTo(VARIANT* target) {
    VARIANT reference;
    VariantInit(&reference);
    reference.vt = VT_BYREF | VT_VARIANT;
    reference.pvarVal = target;
    return reference;
}

} // namespace automation
