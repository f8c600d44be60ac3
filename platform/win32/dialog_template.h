// Dialog templates as C++ tables: the dialog's frame and its controls in dialog units, which
// become pixels through fixed base units (6 x 13 pixels per 4 x 8 units, those of an 8-point
// sans-serif dialog font on a 96-dpi screen), so that a dialog has the same size everywhere.
#pragma once

#include "platform/win32/winuser.h"

#include <span>

namespace win32 {

struct DialogItem {
    LPCSTR className; // "Button", "Edit", "Static", "ListBox", "ComboBox", "ScrollBar" or a class
    LPCSTR text;
    WORD id;
    short x;
    short y;
    short width;
    short height;
    DWORD style; // WS_CHILD | WS_VISIBLE are implied
    DWORD exStyle = 0;
};

struct DialogTemplate {
    DWORD style;
    DWORD exStyle;
    short x;
    short y;
    short width;
    short height;
    LPCSTR caption;
    // Used with DS_SETFONT: the face and size given to every control with WM_SETFONT.
    LPCSTR fontName;
    WORD pointSize;
    std::span<const DialogItem> items;
};

// Makes a template findable by DialogBoxParam and CreateDialogParam under the module and name
// (a string, compared without case, or MAKEINTRESOURCE(number)). The template must outlive its
// use; a second registration under the same name replaces the first.
WIN32_EXPORT void RegisterDialogTemplate(HINSTANCE module, LPCSTR name,
                                         const DialogTemplate& dialog);

// Fixed dialog base units, in pixels per 4 horizontal and 8 vertical dialog units.
inline constexpr int kDialogBaseUnitX = 6;
inline constexpr int kDialogBaseUnitY = 13;

} // namespace win32
