// What a host of this layer's windows uses: the screen's size, the wait of an empty message
// queue, input delivered as a user gives it, and the pixels a top-level window painted. The
// display host (platform/win32/qt) and the tests drive windows through these.
#pragma once

#include "platform/win32/winuser.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace win32 {

// The screen that GetSystemMetrics and the screen's device context describe; 1920 x 1080 unless
// set.
WIN32_EXPORT void SetScreenSize(int width, int height);

// Called by GetMessage (and by modal loops) when nothing is queued, no window needs painting and
// no timer is due. It should wait for outside events, post what they bring, and answer true; it
// answers false when nothing will ever come, and GetMessage then fails (-1) instead of blocking
// for ever. `untilMilliseconds` is how long until the next timer falls due (negative: no timer).
// Without a wait, GetMessage sleeps until the next timer, or fails when there is none.
using MessageWait = std::function<bool(int untilMilliseconds)>;
WIN32_EXPORT void SetMessageWait(MessageWait wait);

// Mouse input at a point of a top-level window (window coordinates, its frame included): goes to
// the capturing window, else the deepest visible enabled window under the point, as
// WM_LBUTTONDOWN/UP, WM_LBUTTONDBLCLK or WM_MOUSEMOVE in its client coordinates; a button press
// on the close box becomes WM_SYSCOMMAND SC_CLOSE. Posted; answers false when no window takes it.
WIN32_EXPORT bool PostMouseInput(HWND topLevel, UINT message, POINT windowPoint);

// A key pressed or released (WM_KEYDOWN/WM_KEYUP, or WM_SYSKEYDOWN/UP with Alt), posted to the
// focus window, else the active window.
WIN32_EXPORT bool PostKeyInput(UINT message, int virtualKey);

// The pixels of a top-level window as painted so far, rows from the top, 0x00RRGGBB.
struct WindowImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};
WIN32_EXPORT WindowImage CaptureWindow(HWND topLevel);

// The visible top-level windows, bottom to top, for a host that shows them all.
WIN32_EXPORT std::vector<HWND> VisibleTopLevelWindows();

// The clipboard as the desktop should see it: called when CloseClipboard ends a session that
// changed the clipboard.
WIN32_EXPORT void SetClipboardListener(std::function<void()> changed);
// The clipboard's CF_TEXT (Windows-1252, to its first zero byte) and CF_BITMAP, when it has them.
WIN32_EXPORT std::optional<std::string> ClipboardText();
WIN32_EXPORT std::optional<WindowImage> ClipboardBitmap();

} // namespace win32
