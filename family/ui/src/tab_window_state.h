// The state of one tab window, found through its window long 0.
#pragma once

#include "platform/win32/windows.h"

#include <array>

namespace vistel {

inline constexpr int kMaximumTabs = 10;
inline constexpr int kCaptionSize = 64;
// A tab is its caption's width and this much more; the caption stands this far inside.
inline constexpr int kTabPadding = 16;
inline constexpr int kCaptionInset = 8;
inline constexpr int kPageInset = 3;
inline constexpr int kInitialStripHeight = 3;

struct TabRecord {
    BYTE disabled = 0;
    HWND page = nullptr;
    int helpContext = 0;
    BYTE hidden = 0;
    int keyCode = 0;
    std::array<char, kCaptionSize> caption{};
    int captionWidth = 0;
};

struct TabWindowState {
    int hasFocus = 0;
    int count = 0;
    std::array<TabRecord, kMaximumTabs> tabs{};
    int stripHeight = kInitialStripHeight;
    int topTab = 0;
};

// The state of `window`, or null when it is no tab window of this library.
TabWindowState* StateOf(HWND window);

// The record that `index` names (negative: the top tab), or null when there is none.
TabRecord* TabAt(TabWindowState& state, int index);

// Invalidates the tab strip, with or without erasing.
void InvalidateStrip(HWND window, const TabWindowState& state, bool erase);

// Selects a visible, enabled tab (negative: the top tab again) and gives the strip the focus.
void SelectTab(HWND window, TabWindowState& state, int index);

void PaintTabWindow(HWND window, const TabWindowState& state);

} // namespace vistel
