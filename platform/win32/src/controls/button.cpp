// The "Button" class: push and default push buttons, check boxes, radio buttons and group boxes.
#include "platform/win32/src/controls/control_drawing.h"
#include "platform/win32/src/controls/control_notify.h"
#include "platform/win32/src/controls/control_state.h"
#include "platform/win32/src/controls/controls.h"
#include "platform/win32/src/window/window.h"

#include <optional>

namespace win32 {

namespace {

class ButtonState : public ControlState {
public:
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
};

ButtonState& StateOf(Window& window) {
    return ControlStateOf<ButtonState>(window);
}

DWORD TypeOf(const Window& window) {
    return window.style & BS_TYPEMASK;
}

bool IsPushButton(DWORD type) {
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

void Click(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return;
    }
    ButtonState& state = StateOf(*window);
    switch (TypeOf(*window)) {
    case BS_AUTOCHECKBOX:
        state.check = state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case BS_AUTO3STATE:
        state.check = (state.check + 1) % 3;
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case BS_AUTORADIOBUTTON: {
        // Checks this one and clears the other automatic radio buttons of its group.
        HWND parent = GetParent(hwnd);
        for (HWND other = GetNextDlgGroupItem(parent, hwnd, FALSE);
             other != nullptr && other != hwnd; other = GetNextDlgGroupItem(parent, other, FALSE)) {
            if ((GetWindowLongA(other, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
                SendMessageA(other, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
        SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        break;
    }
    default:
        break;
    }
    if ((window = LookupWindow(hwnd)) != nullptr) {
        NotifyParent(*window, BN_CLICKED);
    }
}

void Paint(HWND hwnd, Window& window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    ButtonState& state = StateOf(window);
    RECT client;
    GetClientRect(hwnd, &client);
    HGDIOBJ previousFont = SelectControlFont(dc, window);
    SetBkMode(dc, TRANSPARENT);
    bool enabled = (window.style & WS_DISABLED) == 0;
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DWORD type = TypeOf(window);
    const std::string& text = window.text;
    int length = static_cast<int>(text.size());
    if (IsPushButton(type)) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        RECT face = client;
        if (type == BS_DEFPUSHBUTTON) {
            FrameRect(dc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
            face = RECT{face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
        }
        if (state.pushed) {
            FrameRect(dc, &face, GetSysColorBrush(COLOR_BTNSHADOW));
        } else {
            DrawEdge3D(dc, face, true);
        }
        int shift = state.pushed ? 1 : 0;
        RECT label{face.left + shift, face.top + shift, face.right + shift, face.bottom + shift};
        DrawTextA(dc, text.c_str(), length, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (state.focused) {
            RECT focus{face.left + 3, face.top + 3, face.right - 3, face.bottom - 3};
            DrawFocusRect(dc, &focus);
        }
    } else if (type == BS_GROUPBOX) {
        SIZE extent{};
        GetTextExtentPoint32A(dc, text.c_str(), length, &extent);
        int middle = extent.cy / 2;
        RECT frame{client.left, client.top + middle, client.right, client.bottom};
        RECT shadow{frame.left, frame.top, frame.right - 1, frame.bottom - 1};
        FrameRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
        RECT light{frame.left + 1, frame.top + 1, frame.right, frame.bottom};
        FrameRect(dc, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        RECT label{client.left + 6, client.top, client.left + 10 + extent.cx,
                   client.top + extent.cy};
        FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
        RECT textRect{label.left + 2, label.top, label.right, label.bottom};
        DrawTextA(dc, text.c_str(), length, &textRect, DT_LEFT | DT_TOP | DT_SINGLELINE);
    } else {
        // Check boxes and radio buttons: a 13-pixel box, then the text.
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        int top = (client.bottom - 13) / 2;
        RECT box{0, top, 13, top + 13};
        FillRect(dc, &box, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
        DrawEdge3D(dc, box, false);
        if (state.check != BST_UNCHECKED) {
            RECT mark{4, top + 4, 9, top + 9};
            FillRect(
                dc, &mark,
                GetSysColorBrush(state.check == BST_CHECKED ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        }
        RECT label{17, client.top, client.right, client.bottom};
        DrawTextA(dc, text.c_str(), length, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        if (state.focused) {
            DrawFocusRect(dc, &label);
        }
    }
    SelectObject(dc, previousFont);
    EndPaint(hwnd, &paint);
}

void SetPushed(HWND hwnd, Window& window, bool pushed) {
    ButtonState& state = StateOf(window);
    if (state.pushed != pushed) {
        state.pushed = pushed;
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

} // namespace

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    ButtonState& state = StateOf(*window);
    DWORD type = TypeOf(*window);
    if (const std::optional<LRESULT> answer =
            AnswerDrawingMessage(hwnd, *window, message, wParam, lParam, Paint)) {
        return *answer;
    }
    switch (message) {
    case WM_NCHITTEST:
        return type == BS_GROUPBOX ? HTTRANSPARENT : DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_GETDLGCODE:
        if (type == BS_GROUPBOX) {
            return DLGC_STATIC;
        }
        if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        }
        if (type == BS_DEFPUSHBUTTON) {
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        }
        return DLGC_BUTTON | (type == BS_PUSHBUTTON ? DLGC_UNDEFPUSHBUTTON : 0);
    case WM_SETFOCUS:
        state.focused = true;
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_KILLFOCUS:
        state.focused = false;
        state.pushed = false;
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETTEXT:
        DefWindowProcA(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (type == BS_GROUPBOX) {
            return 0;
        }
        SetFocus(hwnd);
        SetCapture(hwnd);
        if ((window = LookupWindow(hwnd)) != nullptr) {
            SetPushed(hwnd, *window, true);
        }
        return 0;
    case WM_LBUTTONUP: {
        if (GetCapture() != hwnd) {
            return 0;
        }
        ReleaseCapture();
        bool wasPushed = state.pushed;
        SetPushed(hwnd, *window, false);
        RECT client;
        GetClientRect(hwnd, &client);
        int x = GET_X_LPARAM(lParam);
        int y = GET_Y_LPARAM(lParam);
        if (wasPushed && x >= 0 && y >= 0 && x < client.right && y < client.bottom) {
            Click(hwnd);
        }
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && type != BS_GROUPBOX) {
            SetPushed(hwnd, *window, true);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && state.pushed) {
            SetPushed(hwnd, *window, false);
            Click(hwnd);
        }
        return 0;
    case BM_CLICK:
        Click(hwnd);
        return 0;
    case BM_GETCHECK:
        return state.check;
    case BM_SETCHECK:
        if (state.check != wParam) {
            state.check = static_cast<UINT>(wParam) & 3;
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case BM_GETSTATE:
        return state.check | (state.pushed ? BST_PUSHED : 0) | (state.focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(hwnd, *window, wParam != 0);
        return 0;
    case BM_SETSTYLE:
        window->style =
            (window->style & ~static_cast<DWORD>(0xFFFF)) | (static_cast<DWORD>(wParam) & 0xFFFF);
        if (lParam != 0) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace win32
