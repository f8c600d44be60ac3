// libvistel.so, the user-interface library of the family: push buttons drawn from bitmaps (shared
// sets for the common commands), the family's message box with those buttons and a picture icon,
// and a tab window that shows one page dialog of its host per tab.
//
// Every export is a plain C function for the host's user-interface thread. Bitmaps and palettes
// handed to the library become its property.
#pragma once

#include "platform/win32/winuser.h"

extern "C" {

#define VISTEL_EXPORT __attribute__((visibility("default")))

// The library's entry procedure: on attach (reason 1) loads the shared bitmaps, registers the tab
// window class and creates the tab font; on detach (reason 0) releases them. Answers 1; a failed
// set-up is reported on standard error and leaves the exports answering their failure results.
VISTEL_EXPORT BOOL DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID reserved);

// Copies "99.01" into `buffer` (when given), at most `length` characters, the rest of `length`
// filled with NULs. Answers 0x9901.
VISTEL_EXPORT int _UIVersion(char* buffer, unsigned length);
// Nonzero when the screen is palette-based.
VISTEL_EXPORT int _UIIsPaletteCapable();

// The bitmap resource `name` of `instance` as a device-dependent bitmap, with a palette of its
// colour table stored through `palette` (whose former palette is deleted first). Null, and no
// palette, on any failure. The caller owns both.
VISTEL_EXPORT HBITMAP _UILoadBitmap(HINSTANCE instance, const char* name, HPALETTE* palette);

// Gives every push button of `dialog` (once) the bitmap window procedure and, by its id, a shared
// bitmap set: 1 Ok, 2 Cancel, 6 Yes, 7 No, 10 Add, 11 Delete, 12 Edit, 13 Setup, 14 Exit,
// 998 Help.
VISTEL_EXPORT void _UISubclassButtons(HWND dialog);
// Replaces the state bitmaps and palette of a subclassed push button; on any other window the
// objects are deleted.
VISTEL_EXPORT void _UISetButtonBitmaps(HWND button, HBITMAP normal, HBITMAP pushed, HBITMAP focused,
                                       HBITMAP disabled, HPALETTE palette);

// A modal message box. Style bits 0-3: 1 OK/Cancel, 3 Yes/No/Cancel, 4 Yes/No, else OK; bits 4-6:
// icon 1 stop, 2 question, 3 exclamation, 4 information. Answers 1 (OK), 2 (Cancel), 6 (Yes) or
// 7 (No); 0 when the box could not be shown.
VISTEL_EXPORT int _UIMessageBox(HWND owner, const char* text, const char* caption, int style);
// The control of the message box that shows its text; its buttons are 100, 101 and 102 from the
// left.
inline constexpr int kUIMessageText = 202;

VISTEL_EXPORT LRESULT HuxBtnProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
VISTEL_EXPORT INT_PTR HuxMsgDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
VISTEL_EXPORT LRESULT HuxTabWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The tab window. An index below 0 means the top tab; an index at or beyond the count is ignored
// and getters answer 0 for it.
VISTEL_EXPORT HWND _UICreateTabWindow(HWND parent, int x, int y, int width, int height);
// Appends a tab showing `page`, selected by `keyCode`; answers 0, or 1 when ten tabs exist.
VISTEL_EXPORT int _UIAddTab(HWND tabWindow, const char* caption, int keyCode, HWND page,
                            int helpContext);
VISTEL_EXPORT void _UIDeleteTab(HWND tabWindow, int index);
VISTEL_EXPORT void _UIEnableTab(HWND tabWindow, int index, int enable);
VISTEL_EXPORT void _UIShowTab(HWND tabWindow, int index, int show);
VISTEL_EXPORT void _UISetTopTab(HWND tabWindow, int index);
VISTEL_EXPORT int _UIGetTopTab(HWND tabWindow);
VISTEL_EXPORT HWND _UIGetTabDlg(HWND tabWindow, int index);
VISTEL_EXPORT int _UIGetTabHeight(HWND tabWindow);
VISTEL_EXPORT int _UIGetTabBorderX();
VISTEL_EXPORT int _UIGetTabBorderY();
// Keyboard handling of the tab window for the host's message loop, before its own translation;
// nonzero when the message was used.
VISTEL_EXPORT BOOL _UIIsTabWindowMessage(HWND tabWindow, MSG* message);

} // extern "C"
