// What the library's dialog templates share: the style of a fixed dialog, the font, and the id of
// a control that has none.
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

inline constexpr WORD kNoId = 0xFFFF;
inline constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
inline constexpr char kDialogFont[] = "MS Sans Serif";
inline constexpr WORD kDialogFontSize = 8;

} // namespace pressel
