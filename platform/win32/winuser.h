// The drawing part of the window manager: the screen's device context, rectangles filled and
// framed with brushes, text in a rectangle, and the system colours.
#pragma once

#include "platform/win32/wingdi.h"

#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_HOTLIGHT 26
#define COLOR_GRADIENTACTIVECAPTION 27
#define COLOR_GRADIENTINACTIVECAPTION 28
#define COLOR_MENUHILIGHT 29
#define COLOR_MENUBAR 30
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT

#define DT_TOP 0x0000
#define DT_LEFT 0x0000
#define DT_CENTER 0x0001
#define DT_RIGHT 0x0002
#define DT_VCENTER 0x0004
#define DT_BOTTOM 0x0008
#define DT_SINGLELINE 0x0020
#define DT_NOCLIP 0x0100
#define DT_CALCRECT 0x0400
#define DT_NOPREFIX 0x0800

// The screen's device context (window null); the window half adds window contexts.
WIN32API HDC GetDC(HWND window);
WIN32API int ReleaseDC(HWND window, HDC dc);

// The classic fixed colour scheme; the same on every machine.
WIN32API DWORD GetSysColor(int index);
WIN32API HBRUSH GetSysColorBrush(int index);

// `brush` may also be a system colour index plus one, as Windows allows.
WIN32API int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
WIN32API int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
WIN32API BOOL DrawFocusRect(HDC dc, const RECT* rect);

// One line of text in a rectangle (DT_SINGLELINE is implied: line breaks are not interpreted),
// aligned by DT_LEFT/CENTER/RIGHT and DT_TOP/VCENTER/BOTTOM; "&" marks the next character as a
// mnemonic (underlined) unless DT_NOPREFIX; DT_CALCRECT only measures and sets the rectangle's
// right and bottom. Answers the text height.
WIN32API int DrawTextA(HDC dc, LPCSTR text, int length, RECT* rect, UINT format);
inline int DrawText(HDC dc, LPCSTR text, int length, RECT* rect, UINT format) {
    return DrawTextA(dc, text, length, rect, format);
}
