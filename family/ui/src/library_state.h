// What the library sets up when it is loaded and keeps until it is unloaded: its instance, the
// palette capability of the screen, the 48 shared bitmaps, the tab window class and the tab font.
#pragma once

#include "platform/win32/windows.h"

#include <array>

namespace vistel {

inline constexpr int kSharedBitmapCount = 48;
// The first shared bitmap of each kind; a button set holds the states normal, pushed, focused and
// disabled in that order.
inline constexpr int kOkSet = 0;
inline constexpr int kCancelSet = 4;
inline constexpr int kYesSet = 8;
inline constexpr int kNoSet = 12;
inline constexpr int kHelpSet = 16;
inline constexpr int kAddSet = 20;
inline constexpr int kDeleteSet = 24;
inline constexpr int kEditSet = 28;
inline constexpr int kSetupSet = 32;
inline constexpr int kExitSet = 36;
inline constexpr int kIconPictures = 40; // stop, question, exclamation, information
inline constexpr int kIconMasks = 44;

inline constexpr char kTabWindowClass[] = "KemTabWndClass";

struct LibraryState {
    HINSTANCE instance = nullptr;
    bool ready = false; // the set-up at load succeeded
    int paletteCapable = 0;
    std::array<HBITMAP, kSharedBitmapCount> sharedBitmaps{};
    HFONT tabFont = nullptr;
};

LibraryState& Library();

// Loads what the library needs; false (with a line on standard error) when it cannot.
bool SetUpLibrary(HINSTANCE instance);
void TearDownLibrary();

// Whether `bitmap` is one of the shared 48, which the library never deletes.
bool IsSharedBitmap(HBITMAP bitmap);

} // namespace vistel
