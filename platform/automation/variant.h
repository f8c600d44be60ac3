// VARIANT, the self-describing value every Automation argument travels in.
//
// The types carried are those the Output module's callers pass: the empty and null values,
// 16- and 32-bit integers, bytes, single and double reals, currency, dates, Booleans, error codes,
// texts (BSTR), objects, and the by-reference form of each (VT_BYREF added to the type, the value
// a pointer to the caller's storage; VT_BYREF | VT_VARIANT points at another VARIANT).
#pragma once

#include "platform/automation/bstr.h"
#include "platform/automation/hresult.h"

#include <cstdint>
#include <memory>
#include <string_view>

struct IUnknown;
struct IDispatch;

using VARTYPE = std::uint16_t;
using VARIANT_BOOL = std::int16_t;
using SCODE = std::int32_t;
using DATE = double; // days since 30 December 1899; the fraction is the time of day

// Currency: the amount times 10000 as a 64-bit integer.
struct CY {
    std::int64_t int64;
};

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

enum : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_UI1 = 17,
    // Types a VARIANT never holds, which type information describes (type_info.h): no value,
    // and a pointer.
    VT_VOID = 24,
    VT_PTR = 26,
    VT_BYREF = 0x4000,
    VT_TYPEMASK = 0x0FFF,
};

struct VARIANT {
    VARTYPE vt;
    std::uint16_t wReserved1;
    std::uint16_t wReserved2;
    std::uint16_t wReserved3;
    union {
        std::int32_t lVal;
        std::uint8_t bVal;
        std::int16_t iVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        CY cyVal;
        DATE date;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        std::uint8_t* pbVal;
        std::int16_t* piVal;
        std::int32_t* plVal;
        float* pfltVal;
        double* pdblVal;
        VARIANT_BOOL* pboolVal;
        SCODE* pscode;
        CY* pcyVal;
        DATE* pdate;
        BSTR* pbstrVal;
        IUnknown** ppunkVal;
        IDispatch** ppdispVal;
        VARIANT* pvarVal;
        void* byref;
    };
};

using VARIANTARG = VARIANT;

// Makes `value` empty without looking at what it held.
TALLOWMERE_AUTOMATION_API void VariantInit(VARIANT* value);

// Frees what `value` owns (its text, its reference on an object) and makes it empty.
// A by-reference value owns nothing. An unknown type gives DISP_E_BADVARTYPE and is left alone.
TALLOWMERE_AUTOMATION_API HRESULT VariantClear(VARIANT* value);

// Clears `target`, then makes it a copy of `source` that owns its own text or object reference.
TALLOWMERE_AUTOMATION_API HRESULT VariantCopy(VARIANT* target, const VARIANT* source);

constexpr HRESULT DISP_E_BADVARTYPE = static_cast<HRESULT>(0x80020008);

namespace automation {

// A VARIANT that clears itself at the end of its scope.
class Variant {
public:
    Variant() { VariantInit(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    Variant& operator=(Variant&& other) noexcept {
        if (this != std::addressof(other)) {
            VariantClear(&value_);
            value_ = other.value_;
            VariantInit(&other.value_);
        }
        return *this;
    }
    ~Variant() { VariantClear(&value_); }

    // Values as callers pass them: a text (VT_BSTR, from Windows-1252), a 32-bit integer
    // (VT_I4), a double (VT_R8), a Boolean (VT_BOOL).
    TALLOWMERE_AUTOMATION_EXPORT static Variant FromText(std::string_view text);
    TALLOWMERE_AUTOMATION_EXPORT static Variant FromInt(std::int32_t number);
    TALLOWMERE_AUTOMATION_EXPORT static Variant FromDouble(double number);
    TALLOWMERE_AUTOMATION_EXPORT static Variant FromBool(bool value);

    VARIANT* operator&() { return &value_; }
    VARIANT& operator*() { return value_; }
    const VARIANT& operator*() const { return value_; }
    VARIANT* operator->() { return &value_; }
    const VARIANT* operator->() const { return &value_; }

private:
    VARIANT value_;
};

// A VARIANT that refers to `target` (VT_BYREF | VT_VARIANT): how an [out] argument travels
// through IDispatch::Invoke. It owns nothing; `target` must outlive it.
TALLOWMERE_AUTOMATION_EXPORT VARIANT ReferenceTo(VARIANT* target);

} // namespace automation
