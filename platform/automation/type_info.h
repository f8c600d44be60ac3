// Type information of a dual interface: what a client that knows nothing of an object beforehand,
// such as a script host, reads of it through IDispatch::GetTypeInfo. It tells the interface's
// identity and name, and for each function (a property's get and put are two) its dispatch id,
// kind, place in the interface's table of functions, parameters and their types, name and help
// string.
//
// Of COM's ITypeInfo only the members that tell those are here, in COM's order; the others
// (type comparison, variables, inherited types, calls through the type information, the
// containing type library) are left out, as no type library files exist on this platform. The
// descriptions follow the dispatch view of a dual interface: a property get has no parameter and
// its value as result, every other function returns nothing, and an [out] or [in, out] parameter
// is a pointer to a VARIANT.
#pragma once

#include "platform/automation/bstr.h"
#include "platform/automation/member_description.h"
#include "platform/automation/object.h"
#include "platform/automation/variant.h"

#include <cstdint>

using MEMBERID = DISPID;
// The interface itself, where a member is asked for.
constexpr MEMBERID MEMBERID_NIL = -1;

enum TYPEKIND : std::int32_t { TKIND_DISPATCH = 4 };
enum FUNCKIND : std::int32_t { FUNC_DISPATCH = 4 };

// TYPEATTR::wTypeFlags: the interface is dual, and served through IDispatch.
enum : std::uint16_t { TYPEFLAG_FDUAL = 0x40, TYPEFLAG_FDISPATCHABLE = 0x1000 };
// PARAMDESC::wParamFlags.
enum : std::uint16_t { PARAMFLAG_NONE = 0, PARAMFLAG_FIN = 1, PARAMFLAG_FOUT = 2 };

// A type: `vt`, and for VT_PTR what it points at.
struct TYPEDESC {
    TYPEDESC* lptdesc;
    VARTYPE vt;
};

struct PARAMDESC {
    void* pparamdescex; // default values; none here
    std::uint16_t wParamFlags;
};

// A parameter's or a result's type, and for a parameter its direction.
struct ELEMDESC {
    TYPEDESC tdesc;
    PARAMDESC paramdesc;
};

// The fields of COM's FUNCDESC that this platform fills, in COM's order.
struct FUNCDESC {
    MEMBERID memid;
    ELEMDESC* lprgelemdescParam; // cParams of them
    FUNCKIND funckind;
    INVOKEKIND invkind;
    std::int16_t cParams;
    std::int16_t oVft; // the function's offset in the interface's table of functions, in bytes
    ELEMDESC elemdescFunc;
};

// The fields of COM's TYPEATTR that this platform fills, in COM's order.
struct TYPEATTR {
    GUID guid;
    LCID lcid;
    TYPEKIND typekind;
    std::uint16_t cFuncs;
    std::uint16_t cVars;
    std::uint16_t wTypeFlags;
};

struct ITypeInfo : IUnknown {
    virtual HRESULT GetTypeAttr(TYPEATTR** attributes) = 0;
    // The description of function `index`, from 0 to cFuncs - 1.
    virtual HRESULT GetFuncDesc(std::uint32_t index, FUNCDESC** function) = 0;
    // The name of `member` (its parameters have none), at most `maxNames` of them, in new BSTRs.
    virtual HRESULT GetNames(MEMBERID member, BSTR* names, std::uint32_t maxNames,
                             std::uint32_t* count) = 0;
    // The name and help string of `member`, or of the interface for MEMBERID_NIL, in new BSTRs;
    // there is no help file (a null BSTR) and no help context (0). Any of them may be null.
    virtual HRESULT GetDocumentation(MEMBERID member, BSTR* name, BSTR* docString,
                                     std::uint32_t* helpContext, BSTR* helpFile) = 0;
    // The attributes and descriptions belong to the type information and stay valid while it
    // lives; releasing them only ends their use.
    virtual void ReleaseTypeAttr(TYPEATTR* attributes) = 0;
    virtual void ReleaseFuncDesc(FUNCDESC* function) = 0;
};

inline constexpr IID IID_ITypeInfo =
    automation::GuidLiteral("00020401-0000-0000-C000-000000000046");

namespace automation {

// The type information of `description` as a new object with one reference, in `typeInfo`. It
// keeps `server`, the module whose object it describes, loaded while it lives. E_POINTER for a
// null `typeInfo`, E_OUTOFMEMORY when memory runs out.
TALLOWMERE_AUTOMATION_EXPORT HRESULT CreateTypeInfo(ServerLock& server,
                                                    InterfaceDescription description,
                                                    ITypeInfo** typeInfo);

} // namespace automation
