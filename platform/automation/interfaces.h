// The interfaces every object of an in-process server implements, laid out as COM lays them out:
// a table of functions in declaration order, IUnknown's three first. An object is handed out
// as a pointer to one of its interfaces and lives as long as references to it are held.
#pragma once

#include "platform/automation/guid.h"
#include "platform/automation/hresult.h"
#include "platform/automation/variant.h"

#include <cstdint>

using DISPID = std::int32_t;
using LCID = std::uint32_t;

// What Invoke is asked to do with a member.
enum : std::uint16_t {
    DISPATCH_METHOD = 1,
    DISPATCH_PROPERTYGET = 2,
    DISPATCH_PROPERTYPUT = 4,
    DISPATCH_PROPERTYPUTREF = 8,
};

constexpr DISPID DISPID_UNKNOWN = -1;
constexpr DISPID DISPID_PROPERTYPUT = -3;

// Arguments of IDispatch::Invoke. `rgvarg` holds them in reverse order: the last argument first.
struct DISPPARAMS {
    VARIANTARG* rgvarg;
    DISPID* rgdispidNamedArgs;
    std::uint32_t cArgs;
    std::uint32_t cNamedArgs;
};

// Error details of Invoke; this platform never fills them (members report errors in their
// arguments), so the type stays opaque.
struct EXCEPINFO;
// Type information of an interface (type_info.h).
struct ITypeInfo;

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;
};

struct IDispatch : IUnknown {
    virtual HRESULT GetTypeInfoCount(std::uint32_t* count) = 0;
    virtual HRESULT GetTypeInfo(std::uint32_t index, LCID locale, ITypeInfo** typeInfo) = 0;
    virtual HRESULT GetIDsOfNames(REFIID iid, OLECHAR** names, std::uint32_t count, LCID locale,
                                  DISPID* ids) = 0;
    virtual HRESULT Invoke(DISPID member, REFIID iid, LCID locale, std::uint16_t flags,
                           DISPPARAMS* arguments, VARIANT* result, EXCEPINFO* exception,
                           std::uint32_t* argumentError) = 0;
};

struct IClassFactory : IUnknown {
    virtual HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** object) = 0;
    virtual HRESULT LockServer(bool lock) = 0;
};

inline constexpr IID IID_NULL{};
inline constexpr IID IID_IUnknown = automation::GuidLiteral("00000000-0000-0000-C000-000000000046");
inline constexpr IID IID_IDispatch =
    automation::GuidLiteral("00020400-0000-0000-C000-000000000046");
inline constexpr IID IID_IClassFactory =
    automation::GuidLiteral("00000001-0000-0000-C000-000000000046");
