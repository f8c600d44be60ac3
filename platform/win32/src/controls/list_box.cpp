// The "ListBox" class, single selection: items sorted or in order, with item data; the
// selection moved by click, arrows and first letters; LBN_SELCHANGE and LBN_DBLCLK with
// LBS_NOTIFY. Also the list a combo box drops down.
#include "platform/win32/src/controls/combo_list.h"
#include "platform/win32/src/controls/control_drawing.h"
#include "platform/win32/src/controls/control_notify.h"
#include "platform/win32/src/controls/controls.h"
#include "platform/win32/src/controls/item_list.h"
#include "platform/win32/src/window/window.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <strings.h>

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
    if (!window.control) {
        window.control = std::make_unique<ListBoxState>((window.style & LBS_SORT) != 0);
    }
    return static_cast<ListBoxState&>(*window.control);
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
    ListBoxState& state = StateOf(window);
    int count = state.items.Count();
    if (count == 0) {
        return;
    }
    int current = state.items.Selection();
    int page = VisibleRows(hwnd, window);
    int target = current;
    switch (key) {
    case VK_UP:
        target = current - 1;
        break;
    case VK_DOWN:
        target = current + 1;
        break;
    case VK_PRIOR:
        target = current - page;
        break;
    case VK_NEXT:
        target = current + page;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = count - 1;
        break;
    default:
        return;
    }
    UserSelect(hwnd, window, std::clamp(target, 0, count - 1));
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

LRESULT ItemText(const ListBoxState& state, WPARAM index, LPARAM buffer) {
    int at = static_cast<int>(index);
    if (!state.items.Has(at)) {
        return LB_ERR;
    }
    const std::string& text = state.items.Text(at);
    if (buffer != 0) {
        std::memcpy(reinterpret_cast<char*>(buffer), text.c_str(), text.size() + 1);
    }
    return static_cast<LRESULT>(text.size());
}

LRESULT ListMessage(HWND hwnd, Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    ListBoxState& state = StateOf(window);
    ItemList& items = state.items;
    auto text = [lParam] {
        return std::string(lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "");
    };
    auto changed = [hwnd](LRESULT result) {
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    };
    int index = static_cast<int>(wParam);
    switch (message) {
    case LB_ADDSTRING:
        return changed(items.Add(text()));
    case LB_INSERTSTRING:
        return changed(items.Insert(index, text()));
    case LB_DELETESTRING:
        return changed(items.Remove(index));
    case LB_RESETCONTENT:
        items.Clear();
        state.top = 0;
        return changed(0);
    case LB_GETCOUNT:
        return items.Count();
    case LB_GETCURSEL:
        return items.Selection();
    case LB_SETCURSEL:
        // Selected by the program: no notification. -1 clears and answers LB_ERR.
        if (!items.Select(index) || index == -1) {
            changed(0);
            return LB_ERR;
        }
        EnsureVisible(hwnd, window, index);
        return changed(index);
    case LB_GETTEXT:
        return ItemText(state, wParam, lParam);
    case LB_GETTEXTLEN:
        return items.Has(index) ? static_cast<LRESULT>(items.Text(index).size()) : LB_ERR;
    case LB_GETITEMDATA:
        return items.Has(index) ? items.Data(index) : LB_ERR;
    case LB_SETITEMDATA:
        if (!items.Has(index)) {
            return LB_ERR;
        }
        items.SetData(index, lParam);
        return LB_OKAY;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        return items.Find(index, text(), message == LB_FINDSTRINGEXACT);
    case LB_SELECTSTRING: {
        int found = items.Find(index, text(), false);
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
    case WM_CHAR: {
        char typed[] = {static_cast<char>(wParam), '\0'};
        if (wParam > VK_SPACE && wParam <= 0xFF) {
            UserSelect(hwnd, *window, state.items.Find(state.items.Selection(), typed, false));
        }
        return 0;
    }
    default:
        return ListMessage(hwnd, *window, message, wParam, lParam);
    }
}

} // namespace win32
