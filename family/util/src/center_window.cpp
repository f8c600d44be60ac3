// Centring a window on its parent (or owner), or on the screen.
#include "family/util/umbrant.h"

namespace {

// The start of a span of `length` centred between `low` and `high`, truncated toward zero.
int Centred(int low, int high, int length) {
    return (low + high - length) / 2;
}

// Keeps a span of `length` starting at `start` on a screen of `screen`, its start first.
int KeptOnScreen(int start, int length, int screen) {
    if (start < 0) {
        return 0;
    }
    if (start + length > screen) {
        return screen - length;
    }
    return start;
}

} // namespace

BOOL _UtilCenterWindow(HWND window) {
    RECT outer;
    if (!GetWindowRect(window, &outer)) {
        return FALSE;
    }
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int x = Centred(0, screenWidth, width);
    int y = Centred(0, screenHeight, height);
    RECT parent;
    HWND parentWindow = GetParent(window);
    if (parentWindow != nullptr && GetWindowRect(parentWindow, &parent)) {
        x = KeptOnScreen(Centred(parent.left, parent.right, width), width, screenWidth);
        y = KeptOnScreen(Centred(parent.top, parent.bottom, height), height, screenHeight);
    }
    return MoveWindow(window, x, y, width, height, FALSE);
}
