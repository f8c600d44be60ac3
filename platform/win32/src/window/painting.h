// Painting: update regions (kept as one rectangle per window), the WM_PAINT that an update
// region earns, window device contexts on the top-level surface, and the non-client frame.
#pragma once

#include "platform/win32/src/window/window.h"

namespace win32 {

enum class WindowArea { Client, Whole };

// A device context drawing on the window's part of its top-level surface, clipped to the area.
HDC WindowDc(HWND window, WindowArea area);
// Adds a part of the client area (all of it, and the frame, for null) to the update region, and
// the parts of children standing on it to theirs.
void InvalidateArea(Window& window, const RECT* rect, bool erase);
// Invalidates what the window covers on its parent (nothing for a top-level window), so that
// what lay under it is painted again when it moves or hides.
void InvalidateUnder(Window& window);
// The first shown window with an update region, parents before children; null when none.
Window* FindWindowToPaint(HWND within);
// Sends WM_NCPAINT (when the frame needs it) and WM_PAINT, validating a window that answers
// without painting so that it is not asked again and again.
void PaintWindow(Window& window);
// Draws the frame and caption of a window into its non-client area.
void DrawFrame(Window& window, HDC dc);

} // namespace win32
