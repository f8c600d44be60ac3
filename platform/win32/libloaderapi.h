// Modules with the Windows API's names: finding a loaded module and a function it exports by name,
// a resource of a module by type and name, its bytes and size, and strings of the module's string
// table. Modules register their resources at load (module_resources.h); a module is known by its
// instance handle.
#pragma once

#include "platform/win32/windef.h"
#include "platform/win32/winuser.h"

#include <cstdint>

struct HRSRC__;
using HRSRC = HRSRC__*;
using HMODULE = HINSTANCE;
using HGLOBAL = HANDLE;
// A function of no particular type, cast by the caller to the one it knows (void (*)() casts
// to any function type without a warning).
using FARPROC = void (*)();

#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_STRING MAKEINTRESOURCEA(6)
#define RT_RCDATA MAKEINTRESOURCEA(10)

// The loaded module whose file is `name` ("libvistel.so", as the library was loaded), or the
// program itself for a null name; null when no such module is in the process. Nothing is loaded,
// and a library loaded with RTLD_LOCAL is found as well.
WIN32API HMODULE GetModuleHandleA(LPCSTR name);
// The function `name` exported by `module`; null when the module or the function is unknown. For
// the program itself the search covers every library loaded into the process's global scope.
WIN32API FARPROC GetProcAddress(HMODULE module, LPCSTR name);

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
