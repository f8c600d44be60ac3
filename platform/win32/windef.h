// Base types of the Windows API subset: integer types, handles, points, sizes, rectangles and
// colour references, with the names and layouts Windows gives them.
//
// Every handle is a 32-bit number (an entry of the process-wide handle table of this layer)
// carried in a pointer type, so that a handle survives a trip through a 32-bit integer, as the
// libraries' files and VARIANTs carry it, and so that each kind of handle is its own type.
#pragma once

#include <cstdint>

#define WIN32API extern "C" __attribute__((visibility("default")))
// C++ functions of the layer's own (printer list, BMP files, font providers).
#define WIN32_EXPORT __attribute__((visibility("default")))

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using BOOL = int;
using CHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;
using COLORREF = DWORD;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define DECLARE_WIN32_HANDLE(name)                                                                 \
    struct name##__;                                                                               \
    using name = name##__*
DECLARE_WIN32_HANDLE(HDC);
DECLARE_WIN32_HANDLE(HBITMAP);
DECLARE_WIN32_HANDLE(HPEN);
DECLARE_WIN32_HANDLE(HBRUSH);
DECLARE_WIN32_HANDLE(HFONT);
DECLARE_WIN32_HANDLE(HPALETTE);
DECLARE_WIN32_HANDLE(HWND);
DECLARE_WIN32_HANDLE(HINSTANCE);
#undef DECLARE_WIN32_HANDLE
using HGDIOBJ = void*;
using HANDLE = void*;

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

// 0x00BBGGRR: red in the low byte.
constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue) {
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) |
           (static_cast<COLORREF>(blue) << 16);
}
constexpr BYTE GetRValue(COLORREF color) {
    return static_cast<BYTE>(color);
}
constexpr BYTE GetGValue(COLORREF color) {
    return static_cast<BYTE>(color >> 8);
}
constexpr BYTE GetBValue(COLORREF color) {
    return static_cast<BYTE>(color >> 16);
}

constexpr WORD LOWORD(DWORD value) {
    return static_cast<WORD>(value);
}
constexpr WORD HIWORD(DWORD value) {
    return static_cast<WORD>(value >> 16);
}
