// The "Edit" class, single line: typing within a length limit, a selection with a caret at its
// moving end, the text scrolled to keep the caret in view, and EN_* notifications.
#include "platform/win32/src/controls/control_drawing.h"
#include "platform/win32/src/controls/control_notify.h"
#include "platform/win32/src/controls/control_state.h"
#include "platform/win32/src/controls/controls.h"
#include "platform/win32/src/window/window.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace win32 {

namespace {

// The limit of a new edit control, and the one EM_LIMITTEXT 0 sets.
constexpr std::size_t kDefaultLimit = 30000;
constexpr std::size_t kLargestLimit = 0x7FFFFFFE;
// Pixels between the client edge and the text.
constexpr int kMargin = 2;

class EditState : public ControlState {
public:
    std::size_t limit = kDefaultLimit;
    // The selection runs from the anchor to the caret, either way round.
    std::size_t anchor = 0;
    std::size_t caret = 0;
    // The first character shown.
    std::size_t firstVisible = 0;
    bool modified = false;
    bool focused = false;
};

EditState& StateOf(Window& window) {
    return ControlStateOf<EditState>(window);
}

std::size_t SelectionStart(const EditState& state) {
    return std::min(state.anchor, state.caret);
}

std::size_t SelectionEnd(const EditState& state) {
    return std::max(state.anchor, state.caret);
}

// What is drawn of a text: itself, or as many asterisks for a password.
std::string Shown(const Window& window, const std::string& text) {
    if ((window.style & ES_PASSWORD) != 0) {
        return std::string(text.size(), '*');
    }
    return text;
}

int TextWidth(HDC dc, const std::string& text, std::size_t from, std::size_t to) {
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data() + from, static_cast<int>(to - from), &extent);
    return extent.cx;
}

// Measures with the control's font on a context of the window.
template <typename Measure>
auto WithFont(HWND hwnd, const Window& window, Measure measure) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ previous = SelectControlFont(dc, window);
    auto result = measure(dc);
    SelectObject(dc, previous);
    ReleaseDC(hwnd, dc);
    return result;
}

// Scrolls so that the caret lies inside the client area.
void KeepCaretVisible(HWND hwnd, Window& window) {
    EditState& state = StateOf(window);
    RECT client;
    GetClientRect(hwnd, &client);
    int room = std::max<int>(1, client.right - 2 * kMargin);
    std::string shown = Shown(window, window.text);
    state.firstVisible = std::min(state.firstVisible, state.caret);
    WithFont(hwnd, window, [&](HDC dc) {
        while (state.firstVisible < state.caret &&
               TextWidth(dc, shown, state.firstVisible, state.caret) > room) {
            ++state.firstVisible;
        }
        return 0;
    });
}

void Changed(HWND hwnd, Window& window) {
    KeepCaretVisible(hwnd, window);
    InvalidateRect(hwnd, nullptr, TRUE);
}

// Whether the whole text fits the client area, as a control without ES_AUTOHSCROLL needs.
bool FitsWidth(HWND hwnd, const Window& window, const std::string& text) {
    RECT client;
    GetClientRect(hwnd, &client);
    std::string shown = Shown(window, text);
    int width =
        WithFont(hwnd, window, [&](HDC dc) { return TextWidth(dc, shown, 0, shown.size()); });
    return width <= client.right - 2 * kMargin;
}

// Replaces the selection with text, as far as the limit (and without ES_AUTOHSCROLL, the
// width) allows; EN_MAXTEXT when it cuts.
void ReplaceSelection(HWND hwnd, Window& window, std::string text) {
    EditState& state = StateOf(window);
    std::size_t start = SelectionStart(state);
    std::size_t end = SelectionEnd(state);
    std::size_t kept = window.text.size() - (end - start);
    std::size_t room = state.limit > kept ? state.limit - kept : 0;
    bool cut = text.size() > room;
    if (cut) {
        text.resize(room);
    }
    auto replaced = [&] { return std::string(window.text).replace(start, end - start, text); };
    while ((window.style & ES_AUTOHSCROLL) == 0 && !text.empty() &&
           !FitsWidth(hwnd, window, replaced())) {
        text.pop_back();
        cut = true;
    }
    if (!text.empty() || start != end) {
        window.text = replaced();
        state.anchor = state.caret = start + text.size();
        state.modified = true;
        Changed(hwnd, window);
        NotifyParent(window, EN_UPDATE);
        NotifyParent(window, EN_CHANGE);
    }
    if (cut && LookupWindow(hwnd) != nullptr) {
        NotifyParent(window, EN_MAXTEXT);
    }
}

// A typed character after ES_NUMBER, ES_UPPERCASE and ES_LOWERCASE; 0 when refused.
char Accepted(const Window& window, unsigned char typed) {
    if ((window.style & ES_NUMBER) != 0 && !std::isdigit(typed)) {
        return 0;
    }
    if ((window.style & ES_UPPERCASE) != 0) {
        return static_cast<char>(std::toupper(typed));
    }
    if ((window.style & ES_LOWERCASE) != 0) {
        return static_cast<char>(std::tolower(typed));
    }
    return static_cast<char>(typed);
}

void Type(HWND hwnd, Window& window, WPARAM character) {
    EditState& state = StateOf(window);
    if ((window.style & ES_READONLY) != 0) {
        return;
    }
    if (character == VK_BACK) {
        if (state.anchor == state.caret && state.caret > 0) {
            state.anchor = state.caret - 1;
        }
        ReplaceSelection(hwnd, window, "");
        return;
    }
    if (character < 0x20 || character > 0xFF || character == 0x7F) {
        return;
    }
    char accepted = Accepted(window, static_cast<unsigned char>(character));
    if (accepted != 0) {
        ReplaceSelection(hwnd, window, std::string(1, accepted));
    }
}

void MoveCaret(HWND hwnd, Window& window, std::size_t to, bool extend) {
    EditState& state = StateOf(window);
    state.caret = std::min(to, window.text.size());
    if (!extend) {
        state.anchor = state.caret;
    }
    Changed(hwnd, window);
}

void KeyDown(HWND hwnd, Window& window, WPARAM key) {
    EditState& state = StateOf(window);
    bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    switch (key) {
    case VK_LEFT:
        if (!shift && state.anchor != state.caret) {
            MoveCaret(hwnd, window, SelectionStart(state), false);
        } else {
            MoveCaret(hwnd, window, state.caret > 0 ? state.caret - 1 : 0, shift);
        }
        break;
    case VK_RIGHT:
        if (!shift && state.anchor != state.caret) {
            MoveCaret(hwnd, window, SelectionEnd(state), false);
        } else {
            MoveCaret(hwnd, window, state.caret + 1, shift);
        }
        break;
    case VK_HOME:
        MoveCaret(hwnd, window, 0, shift);
        break;
    case VK_END:
        MoveCaret(hwnd, window, window.text.size(), shift);
        break;
    case VK_DELETE:
        if ((window.style & ES_READONLY) == 0) {
            if (state.anchor == state.caret) {
                state.caret = std::min(state.caret + 1, window.text.size());
            }
            ReplaceSelection(hwnd, window, "");
        }
        break;
    default:
        break;
    }
}

// The character boundary nearest to a point of the client area.
std::size_t PositionAt(HWND hwnd, Window& window, int x) {
    EditState& state = StateOf(window);
    std::string shown = Shown(window, window.text);
    return WithFont(hwnd, window, [&](HDC dc) {
        std::size_t position = state.firstVisible;
        while (position < shown.size()) {
            int before = TextWidth(dc, shown, state.firstVisible, position);
            int after = TextWidth(dc, shown, state.firstVisible, position + 1);
            if (x - kMargin < (before + after) / 2) {
                break;
            }
            ++position;
        }
        return position;
    });
}

// Selects the run of non-blanks around a position, as a double click does.
void SelectWordAt(HWND hwnd, Window& window, std::size_t position) {
    EditState& state = StateOf(window);
    const std::string& text = window.text;
    auto blank = [&text](std::size_t at) { return text[at] == ' '; };
    std::size_t start = position;
    while (start > 0 && !blank(start - 1)) {
        --start;
    }
    std::size_t end = position;
    while (end < text.size() && !blank(end)) {
        ++end;
    }
    state.anchor = start;
    MoveCaret(hwnd, window, end, true);
}

void Paint(HWND hwnd, Window& window) {
    EditState& state = StateOf(window);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    bool enabled = (window.style & WS_DISABLED) == 0;
    UINT colorMessage =
        enabled && (window.style & ES_READONLY) == 0 ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(MakeHandle<HWND>(window.parent),
                                                       colorMessage, reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(hwnd)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    if (!enabled) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    HGDIOBJ previousFont = SelectControlFont(dc, window);
    SetBkMode(dc, TRANSPARENT);
    std::string shown = Shown(window, window.text);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    int top = (client.bottom - metrics.tmHeight) / 2;
    auto xOf = [&](std::size_t position) {
        return kMargin +
               TextWidth(dc, shown, state.firstVisible, std::max(position, state.firstVisible));
    };
    std::size_t from = state.firstVisible;
    TextOutA(dc, kMargin, top, shown.data() + from, static_cast<int>(shown.size() - from));
    if (state.focused && state.anchor != state.caret) {
        std::size_t start = std::max(SelectionStart(state), from);
        std::size_t end = SelectionEnd(state);
        RECT band{xOf(start), top, xOf(end), top + metrics.tmHeight};
        FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        TextOutA(dc, band.left, top, shown.data() + start, static_cast<int>(end - start));
    }
    if (state.focused) {
        RECT caret{xOf(state.caret), top, xOf(state.caret) + 1, top + metrics.tmHeight};
        FillRect(dc, &caret, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
    SelectObject(dc, previousFont);
    EndPaint(hwnd, &paint);
}

void SetSelection(HWND hwnd, Window& window, WPARAM start, LPARAM end) {
    EditState& state = StateOf(window);
    std::size_t size = window.text.size();
    int first = static_cast<int>(start);
    int last = static_cast<int>(end);
    if (first < 0) {
        // A start of -1 removes the selection, leaving the caret where it is.
        state.anchor = state.caret;
    } else {
        state.anchor = std::min<std::size_t>(static_cast<std::size_t>(first), size);
        state.caret = last < 0 ? size : std::min<std::size_t>(static_cast<std::size_t>(last), size);
    }
    Changed(hwnd, window);
}

} // namespace

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    EditState& state = StateOf(*window);
    if (const std::optional<LRESULT> answer =
            AnswerDrawingMessage(hwnd, *window, message, wParam, lParam, Paint)) {
        return *answer;
    }
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETTEXT:
        // The limit governs typing only, as in Windows.
        DefWindowProcA(hwnd, message, wParam, lParam);
        state.anchor = state.caret = state.firstVisible = 0;
        state.modified = false;
        Changed(hwnd, *window);
        NotifyParent(*window, EN_UPDATE);
        NotifyParent(*window, EN_CHANGE);
        return TRUE;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETFOCUS:
        state.focused = true;
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(*window, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        state.focused = false;
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(*window, EN_KILLFOCUS);
        return 0;
    case WM_CHAR:
        Type(hwnd, *window, wParam);
        return 0;
    case WM_KEYDOWN:
        KeyDown(hwnd, *window, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        if ((window = LookupWindow(hwnd)) != nullptr) {
            MoveCaret(hwnd, *window, PositionAt(hwnd, *window, GET_X_LPARAM(lParam)),
                      (wParam & MK_SHIFT) != 0);
            SetCapture(hwnd);
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        SelectWordAt(hwnd, *window, PositionAt(hwnd, *window, GET_X_LPARAM(lParam)));
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == hwnd) {
            MoveCaret(hwnd, *window, PositionAt(hwnd, *window, GET_X_LPARAM(lParam)), true);
        }
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd) {
            ReleaseCapture();
        }
        return 0;
    case EM_GETSEL: {
        auto start = static_cast<DWORD>(SelectionStart(state));
        auto end = static_cast<DWORD>(SelectionEnd(state));
        if (wParam != 0) {
            *reinterpret_cast<DWORD*>(wParam) = start;
        }
        if (lParam != 0) {
            *reinterpret_cast<DWORD*>(lParam) = end;
        }
        return MAKELONG(static_cast<WORD>(start), static_cast<WORD>(end));
    }
    case EM_SETSEL:
        SetSelection(hwnd, *window, wParam, lParam);
        return 0;
    case EM_REPLACESEL:
        ReplaceSelection(hwnd, *window, lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "");
        return 0;
    case EM_LIMITTEXT:
        state.limit = wParam == 0 ? kLargestLimit : static_cast<std::size_t>(wParam);
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(state.limit);
    case EM_GETMODIFY:
        return state.modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        state.modified = wParam != 0;
        return 0;
    case EM_SETREADONLY:
        window->style =
            wParam != 0 ? (window->style | ES_READONLY) : (window->style & ~ES_READONLY);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace win32
