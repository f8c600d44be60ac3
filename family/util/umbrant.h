// libumbrant.so, the utility library of the family: dates and amounts as text in the user's
// regional format, strings of a module's string table in rotating buffers, context help on F1,
// window centring, and the "KemC" compressed-file container with its implode/explode codec.
//
// Every export is a plain C function. The date format (order, separator, leading zeros, century)
// comes from section "intl" of WIN.INI in the Windows folder, read at load and again by
// _UtilResetDateFormat. State (the date format, the leading-century flag, the string buffers) is
// per process and meant for one user-interface thread.
//
// Context help: _UtilInitHelp installs a message-filter hook on the calling thread. F1 in a
// dialog sends UM_HELPQUERY (wParam 0) up the focus window's chain of parents until a window
// answers by sending UM_HELPFOUND to its top-level window (whose procedure calls
// _UtilHelpFound); that window is then posted UM_HELPQUERY with the child through which the
// chain came (or itself), and posts UM_HELPCONTEXT with its context number to its top-level
// window, which calls _UtilHelp. F1 in a menu posts UM_HELPQUERY with wParam 1 to the main
// window. F1 that no window answers is swallowed.
#pragma once

#include "platform/win32/winuser.h"

#include <cstdint>

extern "C" {

struct UtilDate {
    std::int16_t year; // full year, e.g. 2001
    std::int8_t month; // 1..12
    std::int8_t day;   // 1..31
};

#define UMBRANT_EXPORT __attribute__((visibility("default")))

// The help messages shared by the family and its hosts, and the id of a dialog's Help button.
#define UM_HELPQUERY 2219
#define UM_HELPFOUND 2220
#define UM_HELPCONTEXT 2221
#define IDC_HELPBUTTON 998

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
// never negative, and 0 when a month lies outside 1-12 or a day outside 1-31.
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

// Keeps the host's main window and help file (at most 255 characters) and installs the help hook
// on this thread, replacing one installed before; answers the hook.
UMBRANT_EXPORT HHOOK _UtilInitHelp(HWND mainWindow, const char* helpFile);
// Removes the help hook; nonzero when one was removed.
UMBRANT_EXPORT BOOL _UtilDestroyHelp();
// Called by a top-level window on UM_HELPFOUND: a window of the chain gives help.
UMBRANT_EXPORT void _UtilHelpFound();
// Opens the help file at the context through WinHelpA, which hands it to the desktop's program
// for files of its kind unless the host installed a help viewer of its own; nonzero when help
// was shown. Otherwise the main window's strings 50 (text) and 51 (caption) are shown when the
// file cannot be read, 52 and 53 when the help engine refuses; the focus returns to where it was
// and the answer is 0.
UMBRANT_EXPORT BOOL _UtilHelp(int context);
// Moves the window, size unchanged and without repainting, to the centre of its parent (or
// owner), kept on the screen, or without one to the centre of the screen; answers the move's
// result.
UMBRANT_EXPORT BOOL _UtilCenterWindow(HWND window);

// Compresses `source` into the container file `target`. dictionary: 0 1024 bytes, 1 4096,
// 2 2048; coding: 1 ASCII, anything else binary. Answers 0 done, 1 source cannot be opened,
// 2 target cannot be created (or is the source, or is a folder), 3 no memory, 4 compression
// failed.
UMBRANT_EXPORT int _UtilCompressFile(const char* source, const char* target, int dictionary,
                                     int coding);
// Expands the container `source` into `target`. Answers 0 done, 1 source cannot be opened,
// 2 target cannot be created (or is the source, or is a folder), 3 no memory, 4 not a compressed
// file, 5 expansion failed, 6 CRC mismatch; after every failure the target is as it was.
UMBRANT_EXPORT int _UtilExpandFile(const char* source, const char* target);

#undef UMBRANT_EXPORT

} // extern "C"

static_assert(sizeof(UtilDate) == 4);
