// The "ComboBox" class as a drop-down list (CBS_DROPDOWNLIST): a field showing the selected
// item and a button; a click, F4 or Alt+Down drops the list down as a pop-up window. The arrows
// change the selection in place. CBN_SELCHANGE when the user changes the selection.
#include "platform/win32/src/controls/combo_list.h"
#include "platform/win32/src/controls/control_drawing.h"
#include "platform/win32/src/controls/control_notify.h"
#include "platform/win32/src/controls/control_state.h"
#include "platform/win32/src/controls/controls.h"
#include "platform/win32/src/controls/item_list.h"
#include "platform/win32/src/window/system_metrics.h"
#include "platform/win32/src/window/window.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace win32 {

namespace {

// The dropped list shows at least its border and a row of pixels.
constexpr int kSmallestListHeight = 3;

class ComboBoxState : public ControlState {
public:
    explicit ComboBoxState(bool sorted) : items(sorted) {}
    ItemList items;
    // The height given at creation: the field and the dropped list together.
    int droppedHeight = 0;
    HWND list = nullptr;
    bool focused = false;
};

ComboBoxState& StateOf(Window& window) {
    return ControlStateOf<ComboBoxState>(window, (window.style & CBS_SORT) != 0);
}

// The field's height: a line of the control's font and its edges.
int FieldHeight(HWND hwnd, const Window& window) {
    constexpr int kEdges = 8;
    return ControlFontHeight(hwnd, window) + kEdges;
}

void FitField(HWND hwnd, Window& window) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, FieldHeight(hwnd, window),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The selection and the window text that shows it.
void Select(HWND hwnd, Window& window, int index) {
    ComboBoxState& state = StateOf(window);
    state.items.Select(index);
    int selected = state.items.Selection();
    window.text = selected >= 0 ? state.items.Text(selected) : std::string();
    InvalidateRect(hwnd, nullptr, TRUE);
}

void UserSelect(HWND hwnd, Window& window, int index) {
    ComboBoxState& state = StateOf(window);
    if (!state.items.Has(index) || index == state.items.Selection()) {
        return;
    }
    Select(hwnd, window, index);
    NotifyParent(window, CBN_SELCHANGE);
}

void DropDown(HWND hwnd, Window& window) {
    ComboBoxState& state = StateOf(window);
    if (state.list != nullptr) {
        return;
    }
    NotifyParent(window, CBN_DROPDOWN);
    if (LookupWindow(hwnd) == nullptr) {
        return;
    }
    RECT field;
    GetWindowRect(hwnd, &field);
    int height =
        std::max<int>(state.droppedHeight - (field.bottom - field.top), kSmallestListHeight);
    state.list =
        CreateWindowExA(0, kComboListClass, "", WS_POPUP | WS_BORDER, field.left, field.bottom,
                        field.right - field.left, height, nullptr, nullptr, nullptr, hwnd);
    SendMessageA(state.list, WM_SETFONT, reinterpret_cast<WPARAM>(window.font), FALSE);
    for (int index = 0; index < state.items.Count(); ++index) {
        SendMessageA(state.list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(state.items.Text(index).c_str()));
    }
    SendMessageA(state.list, LB_SETCURSEL, static_cast<WPARAM>(state.items.Selection()), 0);
    ShowWindow(state.list, SW_SHOWNA);
    SetCapture(state.list);
}

// Closes the list, choosing an item (-1: none).
void CloseUp(HWND hwnd, Window& window, int chosen) {
    ComboBoxState& state = StateOf(window);
    if (state.list == nullptr) {
        return;
    }
    HWND list = state.list;
    state.list = nullptr;
    if (GetCapture() == list) {
        ReleaseCapture();
    }
    DestroyWindow(list);
    NotifyParent(window, CBN_CLOSEUP);
    if (LookupWindow(hwnd) != nullptr) {
        UserSelect(hwnd, window, chosen);
    }
}

void KeyDown(HWND hwnd, Window& window, WPARAM key) {
    ComboBoxState& state = StateOf(window);
    bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) {
        if (state.list != nullptr) {
            CloseUp(hwnd, window, static_cast<int>(SendMessageA(state.list, LB_GETCURSEL, 0, 0)));
        } else {
            DropDown(hwnd, window);
        }
        return;
    }
    if (state.list != nullptr) {
        if (key == VK_RETURN) {
            CloseUp(hwnd, window, static_cast<int>(SendMessageA(state.list, LB_GETCURSEL, 0, 0)));
        } else if (key == VK_ESCAPE) {
            CloseUp(hwnd, window, -1);
        } else {
            SendMessageA(state.list, WM_KEYDOWN, key, 0);
        }
        return;
    }
    // A closed list moves its selection in place; Left and Right as Up and Down.
    if (const std::optional<int> target =
            ItemOfKey(state.items, key, {.sideArrows = true, .page = 0})) {
        UserSelect(hwnd, window, *target);
    }
}

void Paint(HWND hwnd, Window& window) {
    ComboBoxState& state = StateOf(window);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    bool enabled = (window.style & WS_DISABLED) == 0;
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(MakeHandle<HWND>(window.parent), WM_CTLCOLORLISTBOX,
                     reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    DrawEdge3D(dc, client, false);
    RECT button{client.right - 2 - kScrollBarSize, 2, client.right - 2, client.bottom - 2};
    DrawArrowButton(dc, button, ArrowDirection::Down, enabled);
    RECT field{3, 3, button.left - 1, client.bottom - 3};
    HGDIOBJ previousFont = SelectControlFont(dc, window);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    if (state.focused && state.list == nullptr) {
        FillRect(dc, &field, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        DrawFocusRect(dc, &field);
    }
    RECT label{field.left + 2, field.top, field.right, field.bottom};
    DrawTextA(dc, window.text.c_str(), static_cast<int>(window.text.size()), &label,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previousFont);
    EndPaint(hwnd, &paint);
}

LRESULT ListMessage(HWND hwnd, Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    ComboBoxState& state = StateOf(window);
    ItemList& items = state.items;
    if (const std::optional<LRESULT> answer =
            AnswerItemQuery(items, kComboBoxQueries, message, wParam, lParam)) {
        return *answer;
    }
    int index = static_cast<int>(wParam);
    switch (message) {
    case CB_ADDSTRING:
        return items.Add(ItemTextArgument(lParam));
    case CB_INSERTSTRING:
        return items.Insert(index, ItemTextArgument(lParam));
    case CB_DELETESTRING: {
        int left = items.Remove(index);
        Select(hwnd, window, items.Selection());
        return left;
    }
    case CB_RESETCONTENT:
        items.Clear();
        Select(hwnd, window, -1);
        return CB_OKAY;
    case CB_SETCURSEL:
        // Selected by the program: no notification. -1 clears and answers CB_ERR.
        Select(hwnd, window, index);
        return items.Has(index) ? index : CB_ERR;
    case CB_SELECTSTRING: {
        int found = items.Find(index, ItemTextArgument(lParam), false);
        if (found >= 0) {
            Select(hwnd, window, found);
        }
        return found;
    }
    case CB_SHOWDROPDOWN:
        if (wParam != 0) {
            DropDown(hwnd, window);
        } else {
            CloseUp(hwnd, window, -1);
        }
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return state.list != nullptr ? TRUE : FALSE;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    ComboBoxState& state = StateOf(*window);
    switch (message) {
    case WM_CREATE:
        state.droppedHeight = reinterpret_cast<CREATESTRUCTA*>(lParam)->cy;
        FitField(hwnd, *window);
        return 0;
    case WM_DESTROY:
        if (state.list != nullptr) {
            DestroyWindow(std::exchange(state.list, nullptr));
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (state.list != nullptr ? DLGC_WANTALLKEYS : 0);
    case WM_PAINT:
        Paint(hwnd, *window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        window->font = reinterpret_cast<HFONT>(wParam);
        FitField(hwnd, *window);
        if (lParam != 0) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(window->font);
    case WM_SETTEXT:
        // The text of a drop-down list is its selected item's.
        return CB_ERR;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETFOCUS:
        state.focused = true;
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(*window, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        state.focused = false;
        CloseUp(hwnd, *window, -1);
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(*window, CBN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (GetFocus() != hwnd) {
            SetFocus(hwnd);
        }
        if ((window = LookupWindow(hwnd)) != nullptr) {
            if (StateOf(*window).list != nullptr) {
                CloseUp(hwnd, *window, -1);
            } else {
                DropDown(hwnd, *window);
            }
        }
        return 0;
    case kComboListChosen:
        CloseUp(hwnd, *window, static_cast<int>(wParam));
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam != VK_DOWN && wParam != VK_UP) {
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
        KeyDown(hwnd, *window, wParam);
        return 0;
    case WM_KEYDOWN:
        KeyDown(hwnd, *window, wParam);
        return 0;
    case WM_CHAR:
        UserSelect(hwnd, *window, ItemOfTypedCharacter(state.items, wParam));
        return 0;
    default:
        return ListMessage(hwnd, *window, message, wParam, lParam);
    }
}

} // namespace win32
