// Invalidation, WM_PAINT with BeginPaint/EndPaint, and window device contexts.
#include "platform/win32/src/gdi/device_context.h"
#include "platform/win32/src/window/painting.h"
#include "platform/win32/window_host.h"

using namespace win32;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (hwnd == nullptr) {
        for (HWND top : VisibleTopLevelWindows()) {
            InvalidateRect(top, nullptr, erase);
        }
        return TRUE;
    }
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    if (window->redraw) {
        InvalidateArea(*window, rect, erase != FALSE);
    }
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    // The update region is one rectangle; validating any part of it validates it when the
    // part covers it, and otherwise leaves it whole (painting too much, never too little).
    if (rect == nullptr ||
        (rect->left <= window->invalidRect.left && rect->top <= window->invalidRect.top &&
         rect->right >= window->invalidRect.right && rect->bottom >= window->invalidRect.bottom)) {
        window->invalid = false;
        window->eraseBackground = false;
        window->invalidRect = RECT{};
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL /*erase*/) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    if (rect != nullptr) {
        *rect = window->invalid ? window->invalidRect : RECT{};
    }
    return window->invalid ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    // Bounded: a window that invalidates itself while it paints is painted once per call.
    std::size_t budget = 4096;
    while (budget-- > 0) {
        Window* next = FindWindowToPaint(hwnd);
        if (next == nullptr) {
            break;
        }
        PaintWindow(*next);
    }
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HANDLE /*region*/, UINT flags) {
    if ((flags & RDW_INVALIDATE) != 0 && !InvalidateRect(hwnd, rect, (flags & RDW_ERASE) != 0)) {
        return FALSE;
    }
    if ((flags & (RDW_UPDATENOW | RDW_ERASENOW)) != 0) {
        return UpdateWindow(hwnd);
    }
    return IsWindow(hwnd);
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || paint == nullptr) {
        return nullptr;
    }
    RECT update = window->invalid ? window->invalidRect : RECT{};
    bool erase = window->eraseBackground;
    window->invalid = false;
    window->eraseBackground = false;
    window->invalidRect = RECT{};
    HDC dc = WindowDc(hwnd, WindowArea::Client);
    if (dc == nullptr) {
        return nullptr;
    }
    // Drawing goes only where the update region lies.
    LookupDc(dc)->ClipWindowTo(update);
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    paint->rcPaint = update;
    paint->fErase = TRUE;
    if (erase && window->procedure != nullptr) {
        paint->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
    }
    return dc;
}

BOOL EndPaint(HWND /*window*/, const PAINTSTRUCT* paint) {
    if (paint == nullptr) {
        return FALSE;
    }
    DeviceContext* context = LookupDc(paint->hdc);
    if (context == nullptr || !context->OnWindow()) {
        return FALSE;
    }
    HandleTable::Instance().Remove(HandleValue(paint->hdc));
    return TRUE;
}

HDC GetWindowDC(HWND hwnd) {
    return WindowDc(hwnd, WindowArea::Whole);
}

BOOL PrintWindow(HWND hwnd, HDC dc, UINT /*flags*/) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || LookupDc(dc) == nullptr) {
        return FALSE;
    }
    Window* top = TopLevelOf(*window);
    UpdateWindow(top->Handle());
    HDC source = WindowDc(hwnd, WindowArea::Whole);
    DeviceContext* context = LookupDc(source);
    context->SetWindowClip(DeviceRect{0, 0, top->surface->Width(), top->surface->Height()});
    BOOL done = BitBlt(dc, 0, 0, window->rect.right - window->rect.left,
                       window->rect.bottom - window->rect.top, source, 0, 0, SRCCOPY);
    HandleTable::Instance().Remove(HandleValue(source));
    return done;
}
