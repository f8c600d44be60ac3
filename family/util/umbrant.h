// libumbrant.so, the utility library of the family: dates and amounts as text in the user's
// regional format, strings of a module's string table in rotating buffers, and the "KemC"
// compressed-file container with its implode/explode codec.
//
// Every export is a plain C function. The date format (order, separator, leading zeros, century)
// comes from section "intl" of WIN.INI in the Windows folder, read at load and again by
// _UtilResetDateFormat. State (the date format, the leading-century flag, the string buffers) is
// per process and meant for one user-interface thread.
#pragma once

#include "platform/win32/windef.h"

#include <cstdint>

extern "C" {

struct UtilDate {
    std::int16_t year; // full year, e.g. 2001
    std::int8_t month; // 1..12
    std::int8_t day;   // 1..31
};

#define UMBRANT_EXPORT __attribute__((visibility("default")))

// The library's entry procedure; on attach (reason 1) reads the date format. Answers 1.
UMBRANT_EXPORT BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID reserved);

// Copies "2001.01" into `buffer` (when given) as strncpy does with `length`: at most `length`
// characters, the rest of `length` filled with NULs, no terminator when `length` is 7 or less.
// Answers 0x200101.
UMBRANT_EXPORT int _UtilVersion(char* buffer, unsigned length);

// Re-reads the date format; answers the length of the short-date pattern.
UMBRANT_EXPORT int _UtilResetDateFormat();
// The leading-century flag: four-digit years written, two-digit years taken as they stand.
UMBRANT_EXPORT void _UtilSetLeadingCentury(int flag);
UMBRANT_EXPORT int _UtilGetLeadingCentury();

UMBRANT_EXPORT void _UtilToday(UtilDate* out);
// The short date text ("7/5/01") into `out`, which the caller sizes (16 characters hold any
// date); answers `out`.
UMBRANT_EXPORT char* _UtilDate2String(char* out, const UtilDate* date);
// "July 5, 2001"; empty for a month outside 1-12.
UMBRANT_EXPORT void _UtilDate2StringLong(char* out, const UtilDate* date);
// Parses a short date: 0 and `out` set, or 1 and `out` unchanged. With an owner window an invalid
// text is reported to the user in a message box.
UMBRANT_EXPORT int _UtilString2Date(UtilDate* out, const char* text, HWND owner);
// -1, 0 or 1: a before, equal to, or after b.
UMBRANT_EXPORT int _UtilDateCmp(const UtilDate* a, const UtilDate* b);
// Days between the dates in either order, counting every year as 365 days and February as 28;
// 0 when a month lies outside 1-12.
UMBRANT_EXPORT int _UtilDaysBetweenDates(const UtilDate* a, const UtilDate* b);

// The amount with thousands separators ("1,234" or "1,234.57" with cents) into `out`; the
// caller sizes it (40 characters hold any value below 1e27; 420 any finite value). Non-finite
// values are written "0".
UMBRANT_EXPORT void _UtilDouble2String(char* out, double value, int withCents);
// Parses an amount: 0 and *out set, or 1 and *out 0.
UMBRANT_EXPORT int _UtilString2Double(double* out, const char* text, int allowDecimals);
UMBRANT_EXPORT BOOL _UtilSetDlgItemDouble(HWND dialog, int controlId, double value, int withCents);
// The control's amount; *valid 1, or 0 with the answer 0 when its text is no amount.
UMBRANT_EXPORT double _UtilGetDlgItemDouble(HWND dialog, int controlId, int* valid,
                                            int allowDecimals);

// String `id` of the module that created `window` (or of `instance`), in one of two alternating
// 257-character buffers of each function: a pointer stays valid until the second following call.
UMBRANT_EXPORT char* _UtilLoadString(HWND window, int id);
UMBRANT_EXPORT char* _UtilLoadStringInst(HINSTANCE instance, int id);
// Appends string `id` of the window's module to `buffer`; answers `buffer`.
UMBRANT_EXPORT char* _UtilRESstrcat(HWND window, char* buffer, int id);
// Loads string `id` of the window's module into `buffer` (257 characters); answers its length.
UMBRANT_EXPORT int _UtilRESstrcpy(HWND window, char* buffer, int id);

// Compresses `source` into the container file `target`. dictionary: 0 1024 bytes, 1 4096,
// 2 2048; coding: 1 ASCII, anything else binary. Answers 0 done, 1 source cannot be opened,
// 2 target cannot be created (or is the source), 3 no memory, 4 compression failed.
UMBRANT_EXPORT int _UtilCompressFile(const char* source, const char* target, int dictionary,
                                     int coding);
// Expands the container `source` into `target`. Answers 0 done, 1 source cannot be opened,
// 2 target cannot be created (or is the source), 3 no memory, 4 not a compressed file (the
// target is not touched), 5 expansion failed, 6 CRC mismatch (the target is complete).
UMBRANT_EXPORT int _UtilExpandFile(const char* source, const char* target);

#undef UMBRANT_EXPORT

} // extern "C"

static_assert(sizeof(UtilDate) == 4);
