// BSTR, the length-prefixed text of OLE Automation.
//
// A BSTR points at the first character of its text. The four bytes before it hold the length of
// the text in bytes (not counting the terminator) and two zero bytes follow it, so a BSTR may
// carry any bytes, zeros included, and still reads as a terminated OLECHAR string. Characters are
// UTF-16 code units; a BSTR made by SysAllocStringByteLen holds single-byte text instead, as the
// factor library's date results do.
//
// Every BSTR is allocated and freed by this library, whichever library hands it on.
#pragma once

#include "platform/automation/export.h"

#include <cstdint>

using OLECHAR = char16_t;
using BSTR = OLECHAR*;

// Allocates a BSTR of `length` bytes and copies them from `bytes`, or leaves them zero when
// `bytes` is null. Answers null when memory runs out or `length` is too large for the prefix.
TALLOWMERE_AUTOMATION_API BSTR SysAllocStringByteLen(const char* bytes, std::uint32_t length);

// Frees a BSTR; a null BSTR is ignored.
TALLOWMERE_AUTOMATION_API void SysFreeString(BSTR text);

// The length of a BSTR in bytes, without the terminator; 0 for a null BSTR.
TALLOWMERE_AUTOMATION_API std::uint32_t SysStringByteLen(BSTR text);

// Allocates a BSTR of `length` characters copied from `characters`, or zero when `characters` is
// null. Answers null when memory runs out or `length` is too large.
TALLOWMERE_AUTOMATION_API BSTR SysAllocStringLen(const OLECHAR* characters, std::uint32_t length);

// Allocates a BSTR holding a copy of the zero-terminated `characters`; null for null.
TALLOWMERE_AUTOMATION_API BSTR SysAllocString(const OLECHAR* characters);

// The length of a BSTR in whole characters; 0 for a null BSTR.
TALLOWMERE_AUTOMATION_API std::uint32_t SysStringLen(BSTR text);
