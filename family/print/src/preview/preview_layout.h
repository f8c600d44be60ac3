// Where the preview's controls go when its client area is `width` x `height` pixels: the buttons
// and the page list along the bottom, the scroll bars along the right and the bottom of the
// page, and the framed page view filling the rest, all 16 pixels from the edges.
#pragma once

#include "platform/win32/windows.h"

namespace pressel {

// Ids of the preview dialog's controls.
inline constexpr int kPageLabel = 204;
inline constexpr int kPageListBox = 205;
inline constexpr int kClipboardButton = 300;
inline constexpr int kHelpButton = 998;
inline constexpr int kPageView = 201;
inline constexpr int kPageFrame = 200;

// Moves and sizes the controls; their sizes are kept where the layout does not set them, and
// their order is left as it is.
void LayOutPreview(HWND dialog, int width, int height);

} // namespace pressel
