// A control's WM_COMMAND notification to its parent, carrying its id and handle.
#pragma once

#include "platform/win32/winuser.h"

namespace win32 {

class Window;

void NotifyParent(const Window& control, WORD code);

} // namespace win32
