// The "Static" class: text aligned left, centred or right, filled rectangles and etched frames.
#include "platform/win32/src/controls/control_drawing.h"
#include "platform/win32/src/controls/controls.h"
#include "platform/win32/src/window/window.h"

#include <optional>

namespace win32 {

namespace {

void Paint(HWND hwnd, Window& window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    auto fill = [dc](RECT area, int color) { FillRect(dc, &area, GetSysColorBrush(color)); };
    DWORD type = window.style & SS_TYPEMASK;
    switch (type) {
    case SS_BLACKRECT:
        fill(client, COLOR_WINDOWFRAME);
        break;
    case SS_GRAYRECT:
        fill(client, COLOR_BTNSHADOW);
        break;
    case SS_WHITERECT:
        fill(client, COLOR_WINDOW);
        break;
    case SS_BLACKFRAME:
        FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
        break;
    case SS_ETCHEDHORZ:
    case SS_ETCHEDVERT:
    case SS_ETCHEDFRAME: {
        // A groove: a shadow line with a highlight line inside-right and below it.
        RECT shadow{client.left, client.top, client.right - 1, client.bottom - 1};
        RECT light{client.left + 1, client.top + 1, client.right, client.bottom};
        if (type == SS_ETCHEDHORZ) {
            shadow = RECT{client.left, client.top, client.right, client.top + 1};
            light = RECT{client.left, client.top + 1, client.right, client.top + 2};
            fill(shadow, COLOR_BTNSHADOW);
            fill(light, COLOR_BTNHIGHLIGHT);
        } else if (type == SS_ETCHEDVERT) {
            shadow = RECT{client.left, client.top, client.left + 1, client.bottom};
            light = RECT{client.left + 1, client.top, client.left + 2, client.bottom};
            fill(shadow, COLOR_BTNSHADOW);
            fill(light, COLOR_BTNHIGHLIGHT);
        } else {
            FrameRect(dc, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
            FrameRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
        }
        break;
    }
    default: {
        HWND parent = MakeHandle<HWND>(window.parent);
        auto brush = reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLORSTATIC,
                                                           reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(hwnd)));
        FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
        HGDIOBJ previousFont = SelectControlFont(dc, window);
        SetBkMode(dc, TRANSPARENT);
        if ((window.style & WS_DISABLED) != 0) {
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        }
        UINT format = DT_SINGLELINE | DT_TOP;
        format |= type == SS_CENTER ? DT_CENTER : (type == SS_RIGHT ? DT_RIGHT : DT_LEFT);
        if ((window.style & SS_NOPREFIX) != 0) {
            format |= DT_NOPREFIX;
        }
        DrawTextA(dc, window.text.c_str(), static_cast<int>(window.text.size()), &client, format);
        SelectObject(dc, previousFont);
        break;
    }
    }
    EndPaint(hwnd, &paint);
}

} // namespace

LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    if (const std::optional<LRESULT> answer =
            AnswerDrawingMessage(hwnd, *window, message, wParam, lParam, Paint)) {
        return *answer;
    }
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_SETTEXT:
    case WM_ENABLE:
        DefWindowProcA(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case WM_LBUTTONDOWN:
        if ((window->style & SS_NOTIFY) != 0) {
            SendMessageA(MakeHandle<HWND>(window->parent), WM_COMMAND,
                         MAKEWPARAM(static_cast<WORD>(window->id), STN_CLICKED),
                         reinterpret_cast<LPARAM>(hwnd));
        }
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace win32
