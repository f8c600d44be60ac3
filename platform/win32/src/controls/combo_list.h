// The drop-down list of a combo box: a pop-up window of the "ComboLBox" class, a list box whose
// creation parameter is the combo box. It tracks the pointer, and tells the combo box with
// kComboListChosen (wParam: the item index, or -1 to close without a choice) when a click ends.
#pragma once

#include "platform/win32/winuser.h"

namespace win32 {

inline constexpr UINT kComboListChosen = 0x016F;
inline constexpr LPCSTR kComboListClass = "ComboLBox";

} // namespace win32
