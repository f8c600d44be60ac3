// Drawing shared by the controls: the control's font selected, raised and sunken edges.
#pragma once

#include "platform/win32/winuser.h"

namespace win32 {

class Window;

// Selects the control's WM_SETFONT font into the context; answers the previous font.
HGDIOBJ SelectControlFont(HDC dc, const Window& window);
// A 2-pixel edge along the inside of the rectangle: raised (light top-left) or sunken.
void DrawEdge3D(HDC dc, const RECT& rect, bool raised);

} // namespace win32
