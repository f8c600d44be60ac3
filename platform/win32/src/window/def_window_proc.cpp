// What a window does with a message its procedure passes on.
#include "platform/win32/src/window/painting.h"
#include "platform/win32/src/window/window.h"

#include <algorithm>
#include <cstring>

using namespace win32;

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_SETTEXT:
        window->text = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
        if ((window->style & WS_CAPTION) == WS_CAPTION) {
            window->frameInvalid = true;
        }
        return TRUE;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPSTR>(lParam);
        if (buffer == nullptr || wParam == 0) {
            return 0;
        }
        std::size_t length = std::min<std::size_t>(wParam - 1, window->text.size());
        std::memcpy(buffer, window->text.data(), length);
        buffer[length] = '\0';
        return static_cast<LRESULT>(length);
    }
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->text.size());
    case WM_SETREDRAW:
        window->redraw = wParam != 0;
        return 0;
    case WM_NCPAINT: {
        HDC dc = WindowDc(hwnd, WindowArea::Whole);
        DrawFrame(*window, dc);
        ReleaseDC(hwnd, dc);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND: {
        HBRUSH background = window->windowClass->background;
        if (background == nullptr) {
            return 0;
        }
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, background);
        return 1;
    }
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            SendMessageA(hwnd, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && !window->IsChildStyle()) {
            PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        auto* dc = reinterpret_cast<HDC>(wParam);
        bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(field ? COLOR_WINDOW : COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(field ? COLOR_WINDOW : COLOR_BTNFACE));
    }
    default:
        return 0;
    }
}
