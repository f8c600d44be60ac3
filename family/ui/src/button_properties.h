// The window properties that a bitmap push button carries: its four state bitmaps, its palette
// and the window procedure it had before it was subclassed.
#pragma once

#include "platform/win32/windows.h"

#include <array>

namespace vistel {

struct ButtonBitmaps {
    std::array<HBITMAP, 4> states{}; // normal, pushed, focused, disabled
    HPALETTE palette = nullptr;
};

inline constexpr std::size_t kNormalState = 0;
inline constexpr std::size_t kPushedState = 1;
inline constexpr std::size_t kFocusedState = 2;
inline constexpr std::size_t kDisabledState = 3;

// Whether `window` is of class "button" with the push-button or default-push-button type.
bool IsPushButton(HWND window);
bool IsDefaultPushButton(HWND window);

// Whether the button carries a stored previous procedure (it has been subclassed).
bool IsSubclassed(HWND button);
WNDPROC PreviousProcedure(HWND button);
void StorePreviousProcedure(HWND button, WNDPROC procedure);
void RemovePreviousProcedure(HWND button);

ButtonBitmaps StoredBitmaps(HWND button);
void StoreBitmaps(HWND button, const ButtonBitmaps& bitmaps);
// Removes the bitmap and palette properties without deleting anything.
void RemoveBitmaps(HWND button);

// Deletes each distinct object of `old` once, unless it is one of the shared bitmaps or is held
// in `kept`.
void DeleteReleasedObjects(const ButtonBitmaps& old, const ButtonBitmaps& kept);

} // namespace vistel
