// The tab window: its window procedure HuxTabWndProc and the exports that create it, change its
// tabs and read them.
#include "family/ui/src/library_state.h"
#include "family/ui/src/tab_window_state.h"
#include "family/ui/vistel.h"

#include <algorithm>
#include <cstring>

namespace vistel {

namespace {

constexpr int kBorder = 10;
constexpr UINT kHelpQuery = 2219;   // UM_HELPQUERY
constexpr UINT kHelpFound = 2220;   // UM_HELPFOUND
constexpr UINT kHelpContext = 2221; // UM_HELPCONTEXT

void ShowPage(const TabRecord& tab, int show) {
    if (tab.page != nullptr) {
        ShowWindow(tab.page, show);
    }
}

void MovePages(const TabWindowState& state) {
    for (int i = 0; i < state.count; ++i) {
        const HWND page = state.tabs[static_cast<std::size_t>(i)].page;
        if (page != nullptr) {
            SetWindowPos(page, nullptr, kPageInset, state.stripHeight + kPageInset, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

// Measures the caption in the tab font: its width and height.
SIZE MeasureCaption(HWND window, const char* caption) {
    const HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, Library().tabFont);
    RECT rect{0, 0, 0, 0};
    DrawTextA(dc, caption, -1, &rect, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void ClickStrip(HWND window, TabWindowState& state, int x, int y) {
    if (y >= state.stripHeight) {
        return;
    }
    int right = 0;
    for (int i = 0; i < state.count; ++i) {
        const TabRecord& tab = state.tabs[static_cast<std::size_t>(i)];
        if (tab.hidden != 0) {
            continue;
        }
        right += tab.captionWidth + kTabPadding;
        if (right > x) {
            if (tab.disabled == 0) {
                SelectTab(window, state, i);
            }
            return;
        }
    }
}

// The window at the end of the chain of parents, and of owners past the top-level window: the
// host's main window, which passes help on.
HWND HelpWindowOf(HWND window) {
    for (HWND parent = GetParent(window); parent != nullptr; parent = GetParent(parent)) {
        window = parent;
    }
    return window;
}

void AnswerHelpQuery(HWND window, const TabWindowState& state, WPARAM wParam) {
    if (state.hasFocus == 0 || !IsWindowVisible(window) || !IsWindowEnabled(window)) {
        return;
    }
    const HWND topLevel = HelpWindowOf(window);
    if (LOWORD(static_cast<DWORD>(wParam)) != 0) {
        const TabRecord* top = state.topTab < state.count
                                   ? &state.tabs[static_cast<std::size_t>(state.topTab)]
                                   : nullptr;
        PostMessageA(topLevel, kHelpContext, top != nullptr ? top->helpContext : 0, 0);
    } else {
        SendMessageA(topLevel, kHelpFound, 0, 0);
    }
}

} // namespace

TabWindowState* StateOf(HWND window) {
    char name[sizeof kTabWindowClass + 1] = {};
    if (!IsWindow(window) || GetClassNameA(window, name, sizeof name) == 0 ||
        std::strcmp(name, kTabWindowClass) != 0) {
        return nullptr;
    }
    return reinterpret_cast<TabWindowState*>(GetWindowLongPtrA(window, 0));
}

TabRecord* TabAt(TabWindowState& state, int index) {
    if (state.count == 0) {
        return nullptr;
    }
    const int resolved = index < 0 ? state.topTab : index;
    return resolved < state.count ? &state.tabs[static_cast<std::size_t>(resolved)] : nullptr;
}

void InvalidateStrip(HWND window, const TabWindowState& state, bool erase) {
    RECT strip{};
    GetClientRect(window, &strip);
    strip.bottom = state.stripHeight;
    InvalidateRect(window, &strip, erase ? TRUE : FALSE);
}

void SelectTab(HWND window, TabWindowState& state, int index) {
    const TabRecord* tab = TabAt(state, index);
    if (tab == nullptr || tab->hidden != 0 || tab->disabled != 0) {
        return;
    }
    const int chosen = index < 0 ? state.topTab : index;
    if (chosen != state.topTab) {
        ShowPage(state.tabs[static_cast<std::size_t>(state.topTab)], SW_HIDE);
        state.topTab = chosen;
        ShowPage(*tab, SW_SHOW);
    }
    SetFocus(window);
    state.hasFocus = 1;
    InvalidateStrip(window, state, false);
}

} // namespace vistel

using namespace vistel;

LRESULT HuxTabWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TabWindowState* state = reinterpret_cast<TabWindowState*>(GetWindowLongPtrA(window, 0));
    if (state == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state->hasFocus = message == WM_SETFOCUS ? 1 : 0;
        InvalidateStrip(window, *state, false);
        return 0;
    case WM_LBUTTONDOWN:
        ClickStrip(window, *state, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case kHelpQuery:
        AnswerHelpQuery(window, *state, wParam);
        return 0;
    case WM_PAINT:
        PaintTabWindow(window, *state);
        return 0;
    case WM_DESTROY:
        SetWindowLongPtrA(window, 0, 0);
        delete state;
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND _UICreateTabWindow(HWND parent, int x, int y, int width, int height) {
    if (!Library().ready) {
        return nullptr;
    }
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    const HWND window = CreateWindowExA(0, kTabWindowClass, "", WS_CHILD | WS_VISIBLE, x, y, width,
                                        height, parent, nullptr, instance, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(new TabWindowState{}));
    return window;
}

int _UIAddTab(HWND tabWindow, const char* caption, int keyCode, HWND page, int helpContext) {
    TabWindowState* state = StateOf(tabWindow);
    if (state == nullptr || state->count >= kMaximumTabs) {
        return 1;
    }
    if (state->count == 0) {
        state->topTab = 0;
    }
    TabRecord& tab = state->tabs[static_cast<std::size_t>(state->count)];
    tab = TabRecord{};
    tab.page = page;
    tab.keyCode = keyCode;
    tab.helpContext = helpContext;
    if (caption != nullptr) {
        std::strncpy(tab.caption.data(), caption, kCaptionSize);
        tab.caption[kCaptionSize - 1] = '\0';
    }
    const SIZE size = MeasureCaption(tabWindow, tab.caption.data());
    tab.captionWidth = size.cx;
    state->stripHeight = std::max(state->stripHeight, static_cast<int>(size.cy) + kTabPadding);
    ++state->count;
    if (state->count == 1) {
        SetFocus(tabWindow);
        state->hasFocus = 1;
        ShowPage(tab, SW_SHOW);
    } else {
        ShowPage(tab, SW_HIDE);
    }
    MovePages(*state);
    InvalidateStrip(tabWindow, *state, true);
    return 0;
}

void _UIDeleteTab(HWND tabWindow, int index) {
    TabWindowState* state = StateOf(tabWindow);
    if (state == nullptr || TabAt(*state, index) == nullptr) {
        return;
    }
    const int removed = index < 0 ? state->topTab : index;
    auto& tabs = state->tabs;
    std::move(tabs.begin() + removed + 1, tabs.begin() + state->count, tabs.begin() + removed);
    tabs[static_cast<std::size_t>(state->count - 1)] = TabRecord{};
    --state->count;
    // The same tab stays selected; when the selected one goes, the one that takes its place (or
    // the new last one) is selected and its page shown.
    if (removed < state->topTab) {
        --state->topTab;
    } else if (removed == state->topTab) {
        state->topTab = std::max(0, std::min(removed, state->count - 1));
        if (state->count > 0) {
            ShowPage(tabs[static_cast<std::size_t>(state->topTab)], SW_SHOW);
        }
    }
    InvalidateStrip(tabWindow, *state, true);
    UpdateWindow(tabWindow);
}

void _UIEnableTab(HWND tabWindow, int index, int enable) {
    TabWindowState* state = StateOf(tabWindow);
    TabRecord* tab = state != nullptr ? TabAt(*state, index) : nullptr;
    if (tab != nullptr && tab->disabled == enable) {
        tab->disabled = enable != 0 ? 0 : 1;
        InvalidateStrip(tabWindow, *state, false);
    }
}

void _UIShowTab(HWND tabWindow, int index, int show) {
    TabWindowState* state = StateOf(tabWindow);
    TabRecord* tab = state != nullptr ? TabAt(*state, index) : nullptr;
    if (tab != nullptr && tab->hidden == show) {
        tab->hidden = show != 0 ? 0 : 1;
        InvalidateStrip(tabWindow, *state, true);
    }
}

void _UISetTopTab(HWND tabWindow, int index) {
    TabWindowState* state = StateOf(tabWindow);
    if (state != nullptr) {
        SelectTab(tabWindow, *state, index);
    }
}

int _UIGetTopTab(HWND tabWindow) {
    const TabWindowState* state = StateOf(tabWindow);
    return state != nullptr ? state->topTab : 0;
}

HWND _UIGetTabDlg(HWND tabWindow, int index) {
    TabWindowState* state = StateOf(tabWindow);
    const TabRecord* tab = state != nullptr ? TabAt(*state, index) : nullptr;
    return tab != nullptr ? tab->page : nullptr;
}

int _UIGetTabHeight(HWND tabWindow) {
    const TabWindowState* state = StateOf(tabWindow);
    return state != nullptr ? state->stripHeight : 0;
}

int _UIGetTabBorderX() {
    return kBorder;
}

int _UIGetTabBorderY() {
    return kBorder;
}
