// The profile functions: settings in profile (INI) files, the shared ones in the Windows folder.
//
// A file name without a folder names a file in the Windows folder; "\" separates folders. The
// shared profile "Hux.INI", named in any letter case, is the one file of that name there.
// GetProfileString and WriteProfileString address WIN.INI in the Windows folder, whose [Devices]
// section lists the printers of the platform ("<driver>,<port>" under each printer's name).
#pragma once

#include "platform/win32/windef.h"

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
