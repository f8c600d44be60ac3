// The "ListBox" class, single selection: items sorted or in order, with item data; the
// selection moved by click, arrows and first letters; LBN_SELCHANGE and LBN_DBLCLK with
// LBS_NOTIFY. Also the list a combo box drops down.
#include "platform/win32/src/controls/combo_list.h"
#include "platform/win32/src/controls/control_drawing.h"
#include "platform/win32/src/controls/control_notify.h"
#include "platform/win32/src/controls/control_state.h"
#include "platform/win32/src/controls/controls.h"
#include "platform/win32/src/controls/item_list.h"
#include "platform/win32/src/window/window.h"

#include <strings.h>

#include <algorithm>
#include <optional>

namespace win32 {

namespace {

class ListBoxState : public ControlState {
public:
    explicit ListBoxState(bool sorted) : items(sorted) {}
    ItemList items;
    int top = 0;
    bool focused = false;
    // Of a combo box's drop-down list: the combo box.
    HWND combo = nullptr;
};

ListBoxState& StateOf(Window& window) {
    return ControlStateOf<ListBoxState>(window, (window.style & LBS_SORT) != 0);
}

int ItemHeight(HWND hwnd, const Window& window) {
    return std::max(1, ControlFontHeight(hwnd, window));
}

int VisibleRows(HWND hwnd, const Window& window) {
    RECT client;
    GetClientRect(hwnd, &client);
    return std::max(1, static_cast<int>(client.bottom) / ItemHeight(hwnd, window));
}

void EnsureVisible(HWND hwnd, Window& window, int index) {
    ListBoxState& state = StateOf(window);
    if (index < 0) {
        return;
    }
    int rows = VisibleRows(hwnd, window);
    if (index < state.top) {
        state.top = index;
    } else if (index >= state.top + rows) {
        state.top = index - rows + 1;
    }
}

// Selects an item as the user does; LBN_SELCHANGE with LBS_NOTIFY when the selection moved.
void UserSelect(HWND hwnd, Window& window, int index) {
    ListBoxState& state = StateOf(window);
    if (!state.items.Has(index) || index == state.items.Selection()) {
        return;
    }
    state.items.Select(index);
    EnsureVisible(hwnd, window, index);
    InvalidateRect(hwnd, nullptr, TRUE);
    if ((window.style & LBS_NOTIFY) != 0 && state.combo == nullptr) {
        NotifyParent(window, LBN_SELCHANGE);
    }
}

// The item under a point of the client area, or -1.
int ItemAt(HWND hwnd, Window& window, LPARAM point) {
    ListBoxState& state = StateOf(window);
    RECT client;
    GetClientRect(hwnd, &client);
    int x = GET_X_LPARAM(point);
    int y = GET_Y_LPARAM(point);
    if (x < 0 || y < 0 || x >= client.right || y >= client.bottom) {
        return -1;
    }
    int index = state.top + y / ItemHeight(hwnd, window);
    return state.items.Has(index) ? index : -1;
}

void KeyDown(HWND hwnd, Window& window, WPARAM key) {
    const SelectionKeys keys{.sideArrows = false, .page = VisibleRows(hwnd, window)};
    if (const std::optional<int> target = ItemOfKey(StateOf(window).items, key, keys)) {
        UserSelect(hwnd, window, *target);
    }
}

void Paint(HWND hwnd, Window& window) {
    ListBoxState& state = StateOf(window);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    // A drop-down list takes its colours from the combo box's parent.
    HWND colorParent = GetParent(state.combo != nullptr ? state.combo : hwnd);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(colorParent, WM_CTLCOLORLISTBOX,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(hwnd)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ previousFont = SelectControlFont(dc, window);
    SetBkMode(dc, TRANSPARENT);
    COLORREF textColor =
        GetSysColor((window.style & WS_DISABLED) != 0 ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
    int height = ItemHeight(hwnd, window);
    for (int index = state.top; index < state.items.Count(); ++index) {
        int y = (index - state.top) * height;
        if (y >= client.bottom) {
            break;
        }
        RECT row{0, y, client.right, y + height};
        bool selected = index == state.items.Selection();
        if (selected) {
            FillRect(dc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColor);
        const std::string& text = state.items.Text(index);
        TextOutA(dc, 2, y, text.data(), static_cast<int>(text.size()));
        if (selected && state.focused) {
            DrawFocusRect(dc, &row);
        }
    }
    SelectObject(dc, previousFont);
    EndPaint(hwnd, &paint);
}

LRESULT ListMessage(HWND hwnd, Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    ListBoxState& state = StateOf(window);
    ItemList& items = state.items;
    if (const std::optional<LRESULT> answer =
            AnswerItemQuery(items, kListBoxQueries, message, wParam, lParam)) {
        return *answer;
    }
    auto changed = [hwnd](LRESULT result) {
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    };
    int index = static_cast<int>(wParam);
    switch (message) {
    case LB_ADDSTRING:
        return changed(items.Add(ItemTextArgument(lParam)));
    case LB_INSERTSTRING:
        return changed(items.Insert(index, ItemTextArgument(lParam)));
    case LB_DELETESTRING:
        return changed(items.Remove(index));
    case LB_RESETCONTENT:
        items.Clear();
        state.top = 0;
        return changed(0);
    case LB_SETCURSEL:
        // Selected by the program: no notification. -1 clears and answers LB_ERR.
        if (!items.Select(index) || index == -1) {
            changed(0);
            return LB_ERR;
        }
        EnsureVisible(hwnd, window, index);
        return changed(index);
    case LB_SELECTSTRING: {
        int found = items.Find(index, ItemTextArgument(lParam), false);
        if (found >= 0) {
            items.Select(found);
            EnsureVisible(hwnd, window, found);
            changed(0);
        }
        return found;
    }
    case LB_GETTOPINDEX:
        return state.top;
    case LB_SETTOPINDEX:
        if (!items.Has(index)) {
            return LB_ERR;
        }
        state.top = index;
        return changed(LB_OKAY);
    case LB_GETITEMHEIGHT:
        return ItemHeight(hwnd, window);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    ListBoxState& state = StateOf(*window);
    if (const std::optional<LRESULT> answer =
            AnswerDrawingMessage(hwnd, *window, message, wParam, lParam, Paint)) {
        return *answer;
    }
    switch (message) {
    case WM_CREATE:
        if (strcasecmp(window->windowClass->name.c_str(), kComboListClass) == 0) {
            state.combo =
                static_cast<HWND>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state.focused = message == WM_SETFOCUS;
        InvalidateRect(hwnd, nullptr, TRUE);
        if ((window->style & LBS_NOTIFY) != 0) {
            NotifyParent(*window, state.focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
        }
        return 0;
    case WM_LBUTTONDOWN: {
        if (state.combo != nullptr) {
            if (ItemAt(hwnd, *window, lParam) < 0) {
                SendMessageA(state.combo, kComboListChosen, static_cast<WPARAM>(-1), 0);
            }
            return 0;
        }
        SetFocus(hwnd);
        if ((window = LookupWindow(hwnd)) != nullptr) {
            UserSelect(hwnd, *window, ItemAt(hwnd, *window, lParam));
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (state.combo != nullptr) {
            int under = ItemAt(hwnd, *window, lParam);
            if (under >= 0 && under != state.items.Selection()) {
                state.items.Select(under);
                InvalidateRect(hwnd, nullptr, TRUE);
            }
        }
        return 0;
    case WM_LBUTTONUP:
        if (state.combo != nullptr) {
            int under = ItemAt(hwnd, *window, lParam);
            if (under >= 0) {
                SendMessageA(state.combo, kComboListChosen, static_cast<WPARAM>(under), 0);
            }
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        if (state.combo == nullptr && (window->style & LBS_NOTIFY) != 0 &&
            ItemAt(hwnd, *window, lParam) >= 0) {
            NotifyParent(*window, LBN_DBLCLK);
        }
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
