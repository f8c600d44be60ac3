// Drawing shared by the controls: the control's font selected, raised and sunken edges, arrow
// buttons.
#pragma once

#include "platform/win32/winuser.h"

#include <optional>

namespace win32 {

class Window;

// Selects the control's WM_SETFONT font into the context; answers the previous font.
HGDIOBJ SelectControlFont(HDC dc, const Window& window);
// The height of a line of the control's font.
int ControlFontHeight(HWND hwnd, const Window& window);
// A 2-pixel edge along the inside of the rectangle: raised (light top-left) or sunken.
void DrawEdge3D(HDC dc, const RECT& rect, bool raised);

enum class ArrowDirection { Up, Down, Left, Right };
// A raised button face with a solid arrow centred on it, grey when disabled.
void DrawArrowButton(HDC dc, const RECT& rect, ArrowDirection direction, bool enabled);

// The drawing messages that the button, edit, list box and static controls answer alike:
// WM_PAINT through the control's `paint`, WM_ERASEBKGND left to that painter, and WM_SETFONT /
// WM_GETFONT keeping the font the control draws with (redrawn when asked). Nothing for any
// other message.
std::optional<LRESULT> AnswerDrawingMessage(HWND hwnd, Window& window, UINT message, WPARAM wParam,
                                            LPARAM lParam, void (*paint)(HWND, Window&));

} // namespace win32
