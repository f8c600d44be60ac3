// The scroll bar functions: a window's own bars (SB_HORZ, SB_VERT) keep their state in the
// window; a scroll bar control (SB_CTL) is asked with SBM_* messages.
#include "platform/win32/src/window/scroll_info.h"
#include "platform/win32/src/window/window.h"

using namespace win32;

namespace {

ScrollState* WindowBar(Window* window, int bar) {
    if (window == nullptr) {
        return nullptr;
    }
    if (bar == SB_HORZ) {
        return &window->horizontalScroll;
    }
    return bar == SB_VERT ? &window->verticalScroll : nullptr;
}

void RedrawFrame(HWND hwnd, Window& window, BOOL redraw) {
    if (redraw) {
        window.frameInvalid = true;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

} // namespace

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    if (info == nullptr) {
        return 0;
    }
    if (bar == SB_CTL) {
        return static_cast<int>(SendMessageA(hwnd, SBM_SETSCROLLINFO, static_cast<WPARAM>(redraw),
                                             reinterpret_cast<LPARAM>(info)));
    }
    Window* window = LookupWindow(hwnd);
    ScrollState* state = WindowBar(window, bar);
    if (state == nullptr) {
        return 0;
    }
    int position = ApplyScrollInfo(*state, *info);
    RedrawFrame(hwnd, *window, redraw);
    return position;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    if (info == nullptr) {
        return FALSE;
    }
    if (bar == SB_CTL) {
        return static_cast<BOOL>(
            SendMessageA(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
    }
    ScrollState* state = WindowBar(LookupWindow(hwnd), bar);
    if (state == nullptr) {
        return FALSE;
    }
    ReadScrollInfo(*state, *info);
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int position, BOOL redraw) {
    SCROLLINFO previous{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(hwnd, bar, &previous)) {
        return 0;
    }
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, position, 0};
    SetScrollInfo(hwnd, bar, &info, redraw);
    return previous.nPos;
}

int GetScrollPos(HWND hwnd, int bar) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
    return GetScrollInfo(hwnd, bar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, BOOL redraw) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, minimum, maximum, 0, 0, 0};
    SetScrollInfo(hwnd, bar, &info, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minimum, int* maximum) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, 0, 0, 0, 0, 0};
    if (minimum == nullptr || maximum == nullptr || !GetScrollInfo(hwnd, bar, &info)) {
        return FALSE;
    }
    *minimum = info.nMin;
    *maximum = info.nMax;
    return TRUE;
}
