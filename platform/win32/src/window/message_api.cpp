// The message queue: sending, posting, retrieving and dispatching; timers; focus, activation,
// capture and the keyboard state; input as a host delivers it.
#include "platform/win32/src/window/message_queue.h"
#include "platform/win32/src/window/painting.h"
#include "platform/win32/src/window/window.h"

#include <algorithm>
#include <cctype>
#include <thread>

namespace win32 {

UiState& Ui() {
    // Never destroyed, as the system's own state outlives the libraries that unload before it.
    static UiState& state = *new UiState;
    return state;
}

void ForgetWindow(std::uint32_t window) {
    UiState& ui = Ui();
    HWND hwnd = MakeHandle<HWND>(window);
    std::erase_if(ui.queue, [hwnd](const MSG& message) { return message.hwnd == hwnd; });
    std::erase_if(ui.timers, [window](const Timer& timer) { return timer.window == window; });
    if (ui.focus == window) {
        ui.focus = 0;
    }
    if (ui.active == window) {
        ui.active = 0;
    }
    if (ui.capture == window) {
        ui.capture = 0;
    }
}

void SetMessageWait(MessageWait wait) {
    Ui().wait = std::move(wait);
}

} // namespace win32

using namespace win32;

namespace {

DWORD Now() {
    return static_cast<DWORD>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
            .count());
}

bool Matches(const MSG& message, HWND window, UINT first, UINT last) {
    if (window != nullptr && message.hwnd != window && !IsChild(window, message.hwnd)) {
        return false;
    }
    if (first == 0 && last == 0) {
        return true;
    }
    return message.message >= first && message.message <= last;
}

// Keys change state as their messages are taken from the queue, as a program sees them.
void NoteKeyState(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_KEYUP &&
        message.message != WM_SYSKEYDOWN && message.message != WM_SYSKEYUP) {
        return;
    }
    std::uint8_t& key = Ui().keys[message.wParam & 0xFF];
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        if ((key & 0x80) == 0) {
            key ^= 0x01;
        }
        key |= 0x80;
    } else {
        key &= 0x7F;
    }
}

// The next message in Windows' order: posted and input messages, the quit request, WM_PAINT,
// then WM_TIMER.
bool TakeMessage(MSG* message, HWND window, UINT first, UINT last, bool remove) {
    UiState& ui = Ui();
    for (auto at = ui.queue.begin(); at != ui.queue.end(); ++at) {
        if (Matches(*at, window, first, last)) {
            *message = *at;
            if (remove) {
                ui.queue.erase(at);
                NoteKeyState(*message);
            }
            return true;
        }
    }
    if (ui.quit) {
        *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(ui.quitCode), 0, Now(), {}};
        if (remove) {
            ui.quit = false;
        }
        return true;
    }
    if ((first == 0 && last == 0) || (first <= WM_PAINT && WM_PAINT <= last)) {
        if (Window* paint = FindWindowToPaint(window)) {
            *message = MSG{paint->Handle(), WM_PAINT, 0, 0, Now(), {}};
            return true;
        }
    }
    if ((first == 0 && last == 0) || (first <= WM_TIMER && WM_TIMER <= last)) {
        Clock::time_point now = Clock::now();
        for (Timer& timer : ui.timers) {
            HWND owner = MakeHandle<HWND>(timer.window);
            if (timer.due > now || (window != nullptr && owner != window)) {
                continue;
            }
            *message = MSG{owner, WM_TIMER, timer.id, reinterpret_cast<LPARAM>(timer.procedure),
                           Now(), {}};
            if (remove) {
                timer.due = now + timer.elapse;
            }
            return true;
        }
    }
    return false;
}

int MillisecondsToNextTimer() {
    UiState& ui = Ui();
    if (ui.timers.empty()) {
        return -1;
    }
    auto next = std::min_element(ui.timers.begin(), ui.timers.end(),
                                 [](const Timer& a, const Timer& b) { return a.due < b.due; });
    auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(next->due - Clock::now());
    return std::max<int>(0, static_cast<int>(wait.count()));
}

void ChangeFocus(std::uint32_t from, std::uint32_t to) {
    UiState& ui = Ui();
    ui.focus = to;
    if (Window* losing = LookupWindow(from)) {
        Deliver(*losing, WM_KILLFOCUS, reinterpret_cast<WPARAM>(MakeHandle<HWND>(to)), 0);
    }
    if (ui.focus != to) {
        return;
    }
    if (Window* gaining = LookupWindow(to)) {
        Deliver(*gaining, WM_SETFOCUS, reinterpret_cast<WPARAM>(MakeHandle<HWND>(from)), 0);
    }
}

} // namespace

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    return Deliver(*window, message, wParam, lParam);
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd != nullptr && LookupWindow(hwnd) == nullptr) {
        return FALSE;
    }
    Ui().queue.push_back(MSG{hwnd, message, wParam, lParam, Now(), {}});
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    Ui().quit = true;
    Ui().quitCode = exitCode;
}

BOOL PeekMessageA(MSG* message, HWND window, UINT first, UINT last, UINT remove) {
    if (message == nullptr) {
        return FALSE;
    }
    return TakeMessage(message, window, first, last, (remove & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessageA(MSG* message, HWND window, UINT first, UINT last) {
    if (message == nullptr || (window != nullptr && LookupWindow(window) == nullptr)) {
        return -1;
    }
    UiState& ui = Ui();
    while (!TakeMessage(message, window, first, last, true)) {
        int untilTimer = MillisecondsToNextTimer();
        if (ui.wait) {
            MessageWait wait = ui.wait;
            if (!wait(untilTimer)) {
                return -1;
            }
        } else if (untilTimer >= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(untilTimer));
        } else {
            return -1;
        }
    }
    return message->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* message) {
    if (message == nullptr ||
        (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN)) {
        return FALSE;
    }
    int key = static_cast<int>(message->wParam & 0xFF);
    bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    int character = 0;
    if (key >= 'A' && key <= 'Z') {
        character = shift ? key : std::tolower(key);
    } else if ((key >= '0' && key <= '9') || key == VK_SPACE) {
        character = key;
    } else if (key == VK_RETURN || key == VK_ESCAPE || key == VK_BACK || key == VK_TAB) {
        character = key;
    }
    if (character == 0) {
        return FALSE;
    }
    UINT charMessage = message->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    Ui().queue.push_front(MSG{message->hwnd,
                              charMessage,
                              static_cast<WPARAM>(character),
                              message->lParam,
                              message->time,
                              {}});
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* message) {
    if (message == nullptr) {
        return 0;
    }
    if (message->message == WM_TIMER && message->lParam != 0) {
        reinterpret_cast<TIMERPROC>(message->lParam)(message->hwnd, WM_TIMER, message->wParam,
                                                     message->time);
        return 0;
    }
    Window* window = LookupWindow(message->hwnd);
    if (window == nullptr) {
        return 0;
    }
    if (message->message == WM_PAINT) {
        PaintWindow(*window);
        return 0;
    }
    return Deliver(*window, message->message, message->wParam, message->lParam);
}

DWORD GetTickCount() {
    return Now();
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC procedure) {
    if (hwnd != nullptr && LookupWindow(hwnd) == nullptr) {
        return 0;
    }
    UiState& ui = Ui();
    std::uint32_t window = HandleValue(hwnd);
    if (hwnd == nullptr) {
        // A timer without a window gets a new id of its own.
        static UINT_PTR nextId = 1;
        id = nextId++;
    }
    auto found = std::find_if(ui.timers.begin(), ui.timers.end(), [&](const Timer& timer) {
        return timer.window == window && timer.id == id;
    });
    Timer timer{window, id, std::chrono::milliseconds(std::max<UINT>(elapse, 1)), procedure,
                Clock::now() + std::chrono::milliseconds(std::max<UINT>(elapse, 1))};
    if (found != ui.timers.end()) {
        *found = timer;
    } else {
        ui.timers.push_back(timer);
    }
    return hwnd == nullptr ? id : (id == 0 ? 1 : id);
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    UiState& ui = Ui();
    std::uint32_t window = HandleValue(hwnd);
    auto before = ui.timers.size();
    std::erase_if(ui.timers,
                  [&](const Timer& timer) { return timer.window == window && timer.id == id; });
    std::erase_if(ui.queue, [&](const MSG& message) {
        return message.hwnd == hwnd && message.message == WM_TIMER && message.wParam == id;
    });
    return ui.timers.size() < before ? TRUE : FALSE;
}

HWND SetFocus(HWND hwnd) {
    UiState& ui = Ui();
    HWND previous = MakeHandle<HWND>(ui.focus);
    if (hwnd == nullptr) {
        ChangeFocus(ui.focus, 0);
        return previous;
    }
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || (window->style & WS_DISABLED) != 0) {
        return nullptr;
    }
    if (ui.focus == window->handle) {
        return previous;
    }
    Window* top = TopLevelOf(*window);
    if (ui.active != top->handle) {
        SetActiveWindow(top->Handle());
        if (LookupWindow(hwnd) == nullptr) {
            return nullptr;
        }
    }
    ChangeFocus(ui.focus, HandleValue(hwnd));
    return previous;
}

HWND GetFocus() {
    return MakeHandle<HWND>(Ui().focus);
}

HWND GetActiveWindow() {
    return MakeHandle<HWND>(Ui().active);
}

HWND SetActiveWindow(HWND hwnd) {
    UiState& ui = Ui();
    HWND previous = MakeHandle<HWND>(ui.active);
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || window->IsChildStyle()) {
        return nullptr;
    }
    if (ui.active == window->handle) {
        return previous;
    }
    std::uint32_t handle = window->handle;
    if (Window* losing = LookupWindow(ui.active)) {
        Deliver(*losing, WM_ACTIVATE, 0, reinterpret_cast<LPARAM>(hwnd));
    }
    ui.active = handle;
    if ((window = LookupWindow(handle)) == nullptr) {
        return previous;
    }
    Deliver(*window, WM_ACTIVATE, 1, reinterpret_cast<LPARAM>(previous));
    // Activation puts the focus on the window when nothing inside it holds it.
    Window* focused = LookupWindow(ui.focus);
    if (LookupWindow(handle) != nullptr &&
        (focused == nullptr || TopLevelOf(*focused)->handle != handle)) {
        ChangeFocus(ui.focus, handle);
    }
    return previous;
}

HWND SetCapture(HWND hwnd) {
    UiState& ui = Ui();
    HWND previous = MakeHandle<HWND>(ui.capture);
    ui.capture = LookupWindow(hwnd) ? HandleValue(hwnd) : 0;
    return previous;
}

BOOL ReleaseCapture() {
    UiState& ui = Ui();
    std::uint32_t previous = ui.capture;
    ui.capture = 0;
    if (Window* window = LookupWindow(previous)) {
        Deliver(*window, WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND GetCapture() {
    return MakeHandle<HWND>(Ui().capture);
}

short GetKeyState(int virtualKey) {
    std::uint8_t key = Ui().keys[static_cast<std::size_t>(virtualKey) & 0xFF];
    return static_cast<short>(((key & 0x80) != 0 ? 0x8000 : 0) | (key & 0x01));
}

namespace win32 {

bool PostMouseInput(HWND topLevel, UINT message, POINT windowPoint) {
    Window* top = LookupWindow(topLevel);
    UiState& ui = Ui();
    if (top == nullptr || (top->style & WS_VISIBLE) == 0) {
        return false;
    }
    POINT screen{top->rect.left + windowPoint.x, top->rect.top + windowPoint.y};
    HWND target = MakeHandle<HWND>(ui.capture);
    if (LookupWindow(target) == nullptr) {
        RECT frame = FrameOf(top->style, top->exStyle);
        int width = top->rect.right - top->rect.left;
        // The close box of the caption.
        if (message == WM_LBUTTONDOWN && (top->style & WS_SYSMENU) != 0 &&
            (top->style & WS_CAPTION) == WS_CAPTION && windowPoint.y >= frame.left &&
            windowPoint.y < frame.top && windowPoint.x >= width - frame.right - 18 &&
            windowPoint.x < width - frame.right) {
            return PostMessageA(topLevel, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
        }
        target = WindowFromPoint(screen);
        Window* hit = LookupWindow(target);
        if (hit == nullptr || TopLevelOf(*hit) != top) {
            return false;
        }
        // A disabled window's input goes nowhere; modal loops disable their owners.
        for (Window* walk = hit; walk != nullptr;
             walk = walk->IsChildStyle() ? LookupWindow(walk->parent) : nullptr) {
            if ((walk->style & WS_DISABLED) != 0) {
                return false;
            }
        }
    }
    POINT local = screen;
    ScreenToClient(target, &local);
    if (message == WM_LBUTTONDOWN) {
        Clock::time_point now = Clock::now();
        Window* hit = LookupWindow(target);
        if (ui.lastClickWindow == HandleValue(target) &&
            now - ui.lastClickTime < std::chrono::milliseconds(500) && hit != nullptr &&
            (hit->windowClass->style & CS_DBLCLKS) != 0) {
            message = WM_LBUTTONDBLCLK;
            ui.lastClickWindow = 0;
        } else {
            ui.lastClickWindow = HandleValue(target);
            ui.lastClickTime = now;
        }
    }
    WPARAM keys = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ? MK_LBUTTON : 0;
    return PostMessageA(target, message, keys,
                        MAKELPARAM(static_cast<WORD>(static_cast<std::int16_t>(local.x)),
                                   static_cast<WORD>(static_cast<std::int16_t>(local.y)))) != FALSE;
}

bool PostKeyInput(UINT message, int virtualKey) {
    UiState& ui = Ui();
    HWND target = MakeHandle<HWND>(ui.focus != 0 ? ui.focus : ui.active);
    if (LookupWindow(target) == nullptr) {
        return false;
    }
    return PostMessageA(target, message, static_cast<WPARAM>(virtualKey), 1) != FALSE;
}

} // namespace win32
