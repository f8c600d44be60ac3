// Module resources with the Windows API's names: finding a resource of a module by type and name,
// its bytes and size, and strings of the module's string table. Modules register their resources
// at load (module_resources.h); a module is known by its instance handle.
#pragma once

#include "platform/win32/windef.h"
#include "platform/win32/winuser.h"

#include <cstdint>

struct HRSRC__;
using HRSRC = HRSRC__*;
using HMODULE = HINSTANCE;
using HGLOBAL = HANDLE;

#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_STRING MAKEINTRESOURCEA(6)
#define RT_RCDATA MAKEINTRESOURCEA(10)

// The resource `name` of `type` in `module`; null when the module or the resource is unknown.
// Names in text match without regard to case, as Windows matches them.
WIN32API HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
// The resource's bytes, to be reached through LockResource; they live as long as the module.
WIN32API HGLOBAL LoadResource(HMODULE module, HRSRC resource);
WIN32API DWORD SizeofResource(HMODULE module, HRSRC resource);
WIN32API LPVOID LockResource(HGLOBAL data);

// Copies string `id` of the module's string table into `buffer`, at most bufferMax - 1
// characters and a NUL, and answers the number of characters copied. A missing string, an
// unknown module or a buffer of no size answers 0 and leaves the buffer empty.
WIN32API int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax);
