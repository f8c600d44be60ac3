// The tab window's keyboard: tab keys, the mnemonics of the shown page, Tab into and out of the
// page, and the arrow keys on the strip, for the host's message loop.
#include "family/ui/src/tab_window_state.h"
#include "family/ui/vistel.h"

#include <strings.h>

#include <cctype>
#include <string>

namespace vistel {

namespace {

constexpr int kTextLength = 128;
constexpr int kClassNameLength = 32;

bool Usable(HWND window) {
    return IsWindowEnabled(window) && IsWindowVisible(window);
}

bool IsClass(HWND window, const char* className) {
    char name[kClassNameLength] = {};
    GetClassNameA(window, name, kClassNameLength);
    return strcasecmp(name, className) == 0;
}

bool HasTabStop(HWND window) {
    return (GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP) != 0 && Usable(window);
}

void FocusControl(HWND control) {
    SetFocus(control);
    if (IsClass(control, "EDIT")) {
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

bool Selectable(const TabRecord& tab) {
    return tab.disabled == 0 && tab.hidden == 0;
}

// Selects every selectable tab whose key is `key`; the last match wins.
bool MatchTabKeys(HWND window, TabWindowState& state, WPARAM key) {
    bool used = false;
    for (int i = 0; i < state.count; ++i) {
        const TabRecord& tab = state.tabs[static_cast<std::size_t>(i)];
        if (Selectable(tab) && static_cast<WPARAM>(tab.keyCode) == key) {
            SelectTab(window, state, i);
            used = true;
        }
    }
    return used;
}

// Whether `text`, upper-cased, has "&" before `character` ("&&" is a literal ampersand).
bool HasMnemonic(const std::string& text, char character) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') {
            continue;
        }
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        if (std::toupper(static_cast<unsigned char>(text[i + 1])) ==
            static_cast<unsigned char>(character)) {
            return true;
        }
    }
    return false;
}

bool MatchMnemonic(const TabWindowState& state, WPARAM key) {
    const HWND page = state.tabs[static_cast<std::size_t>(state.topTab)].page;
    const char character = static_cast<char>(key & 0xFF);
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!Usable(child)) {
            continue;
        }
        char text[kTextLength] = {};
        GetWindowTextA(child, text, kTextLength);
        if (!HasMnemonic(text, character)) {
            continue;
        }
        for (HWND target = child; target != nullptr; target = GetWindow(target, GW_HWNDNEXT)) {
            if (Usable(target) && !IsClass(target, "STATIC")) {
                FocusControl(target);
                break;
            }
        }
        return true;
    }
    return false;
}

bool TabIntoPage(HWND window, TabWindowState& state, bool backwards) {
    const HWND page = state.tabs[static_cast<std::size_t>(state.topTab)].page;
    HWND child = GetWindow(page, GW_CHILD);
    if (child != nullptr && backwards) {
        child = GetWindow(child, GW_HWNDLAST);
    }
    for (; child != nullptr; child = GetWindow(child, backwards ? GW_HWNDPREV : GW_HWNDNEXT)) {
        if (HasTabStop(child)) {
            FocusControl(child);
            state.hasFocus = 0;
            InvalidateStrip(window, state, false);
            return true;
        }
    }
    return false;
}

// Selects the nearest selectable tab in `step` direction, wrapping round.
void MoveSelection(HWND window, TabWindowState& state, int step) {
    for (int n = 1; n < state.count; ++n) {
        const int index = ((state.topTab + step * n) % state.count + state.count) % state.count;
        if (Selectable(state.tabs[static_cast<std::size_t>(index)])) {
            SelectTab(window, state, index);
            return;
        }
    }
}

bool StripKey(HWND window, TabWindowState& state, const MSG& message) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (message.message == WM_SYSKEYDOWN) {
        return MatchTabKeys(window, state, message.wParam) || MatchMnemonic(state, message.wParam);
    }
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    if (MatchTabKeys(window, state, message.wParam) || MatchMnemonic(state, message.wParam)) {
        return true;
    }
    switch (message.wParam) {
    case VK_TAB:
        return TabIntoPage(window, state, shift);
    case VK_LEFT:
        MoveSelection(window, state, -1);
        return true;
    case VK_RIGHT:
        MoveSelection(window, state, 1);
        return true;
    default:
        return false;
    }
}

bool PageKey(HWND window, TabWindowState& state, const MSG& message) {
    if (message.message == WM_SYSKEYDOWN) {
        return MatchTabKeys(window, state, message.wParam);
    }
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    if (message.wParam == VK_TAB) {
        const bool backwards = GetKeyState(VK_SHIFT) < 0;
        for (HWND next = GetWindow(message.hwnd, backwards ? GW_HWNDPREV : GW_HWNDNEXT);
             next != nullptr; next = GetWindow(next, backwards ? GW_HWNDPREV : GW_HWNDNEXT)) {
            if (HasTabStop(next)) {
                return false;
            }
        }
        SelectTab(window, state, -1);
        return true;
    }
    const LRESULT wants = SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam,
                                       reinterpret_cast<LPARAM>(&message));
    if ((wants & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) == 0) {
        return MatchTabKeys(window, state, message.wParam);
    }
    return false;
}

} // namespace

} // namespace vistel

using namespace vistel;

BOOL _UIIsTabWindowMessage(HWND tabWindow, MSG* message) {
    TabWindowState* state = StateOf(tabWindow);
    if (state == nullptr || state->count == 0 || message == nullptr) {
        return FALSE;
    }
    bool used = state->hasFocus != 0 && StripKey(tabWindow, *state, *message);
    if (!used) {
        used = PageKey(tabWindow, *state, *message);
    }
    if (used) {
        return TRUE;
    }
    const TabRecord* top = TabAt(*state, -1);
    if (top == nullptr || top->page == nullptr) {
        return FALSE;
    }
    return IsDialogMessageA(top->page, message);
}
