// The configured screen, shared by the system metrics and the screen's device context.
#pragma once

namespace win32 {

int ScreenWidth();
int ScreenHeight();

// Fixed metrics of the classic look, in pixels.
inline constexpr int kBorder = 1;
inline constexpr int kDialogFrame = 3;
inline constexpr int kSizingFrame = 4;
inline constexpr int kClientEdge = 2;
inline constexpr int kCaptionHeight = 18;
inline constexpr int kScrollBarSize = 16;

} // namespace win32
