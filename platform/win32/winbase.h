// Movable memory blocks, the currency of clipboard text: allocated, locked for a pointer,
// unlocked and freed by handle. And the profile functions: settings in profile (INI) files.
//
// A file name without a folder names a file in the Windows folder; "\" separates folders. The
// shared profile "Hux.INI", named in any letter case, is the one file of that name there.
// GetProfileString and WriteProfileString address WIN.INI in the Windows folder, whose [Devices]
// section lists the printers of the platform ("<driver>,<port>" under each printer's name).
#pragma once

#include "platform/win32/windef.h"

#include <cstddef>

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)

using HGLOBAL = HANDLE;
using SIZE_T = std::size_t;

// A block of at least one byte; its bytes are zero whatever the flags. Null when out of memory.
WIN32API HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// The block's bytes (null for an unknown handle); each lock wants an unlock.
WIN32API LPVOID GlobalLock(HGLOBAL memory);
// Answers whether the block is still locked.
WIN32API BOOL GlobalUnlock(HGLOBAL memory);
// Null when freed, the handle again when it is unknown.
WIN32API HGLOBAL GlobalFree(HGLOBAL memory);
WIN32API SIZE_T GlobalSize(HGLOBAL memory);

// Copies the value of `key` in `section`, or `defaultText` (trailing blanks dropped; null is
// empty) when there is none, into `buffer` and answers its length; a value too long is cut to
// size - 1 characters and the answer is size - 1. A null `key` lists the section's keys, a null
// `section` the file's sections: each name NUL-terminated, the list ended by a second NUL; a
// list too long is cut after whole characters with two NULs at its end, and the answer is
// size - 2. A null buffer or a size of 0 answers 0.
WIN32API DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText,
                                        LPSTR buffer, DWORD size, LPCSTR fileName);

// The value of `key` read as a decimal integer (leading blanks, a sign, digits; the digits end
// at the first other character; none read as 0); `defaultValue` when the key is missing.
WIN32API UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);

// Sets `key` in `section` to `value`; a null value deletes the key, a null key the section.
// With section, key and value all null the call only asks to flush what is cached: files are
// written at once here, so nothing is pending, and the call answers FALSE as Windows does.
// FALSE when the file cannot be written or cannot hold the names.
WIN32API BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);

WIN32API DWORD GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer,
                                 DWORD size);
WIN32API UINT GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue);
WIN32API BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value);
