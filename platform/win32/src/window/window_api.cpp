// Windows: creation and destruction, the tree, places and sizes, visibility, enabling, text,
// the window's own data and properties.
#include "platform/win32/src/window/window.h"

#include "platform/win32/src/controls/controls.h"
#include "platform/win32/src/window/message_queue.h"
#include "platform/win32/src/window/painting.h"
#include "platform/win32/src/window/system_metrics.h"

#include <algorithm>
#include <cstring>

using namespace win32;

namespace {

std::vector<std::uint32_t>& SiblingsOf(Window& window) {
    if (window.IsChildStyle()) {
        if (Window* parent = LookupWindow(window.parent)) {
            return parent->children;
        }
    }
    return TopLevelWindows();
}

void Unlink(Window& window) {
    auto& siblings = SiblingsOf(window);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
}

// The Z order: children are kept top first, top-level windows bottom first.
void LinkAtTop(Window& window) {
    auto& siblings = SiblingsOf(window);
    if (&siblings == &TopLevelWindows()) {
        siblings.push_back(window.handle);
    } else {
        siblings.insert(siblings.begin(), window.handle);
    }
}

void LinkAtBottom(Window& window) {
    auto& siblings = SiblingsOf(window);
    if (&siblings == &TopLevelWindows()) {
        siblings.insert(siblings.begin(), window.handle);
    } else {
        siblings.push_back(window.handle);
    }
}

void NotifyParent(Window& window, UINT event) {
    if (!window.IsChildStyle() || (window.exStyle & WS_EX_NOPARENTNOTIFY) != 0) {
        return;
    }
    if (Window* parent = LookupWindow(window.parent)) {
        Deliver(*parent, WM_PARENTNOTIFY,
                MAKEWPARAM(static_cast<WORD>(event), static_cast<WORD>(window.id)),
                reinterpret_cast<LPARAM>(window.Handle()));
    }
}

void SendDestroy(std::uint32_t handle) {
    Window* window = LookupWindow(handle);
    if (window == nullptr) {
        return;
    }
    window->destroying = true;
    Deliver(*window, WM_DESTROY, 0, 0);
    std::vector<std::uint32_t> children = window->children;
    for (std::uint32_t child : children) {
        SendDestroy(child);
    }
}

void SendNonClientDestroyAndFree(std::uint32_t handle) {
    Window* window = LookupWindow(handle);
    if (window == nullptr) {
        return;
    }
    std::vector<std::uint32_t> children = window->children;
    for (std::uint32_t child : children) {
        SendNonClientDestroyAndFree(child);
    }
    window = LookupWindow(handle);
    if (window == nullptr) {
        return;
    }
    Deliver(*window, WM_NCDESTROY, 0, 0);
    ForgetWindow(handle);
    Unlink(*window);
    HandleTable::Instance().Remove(handle);
}

// The rectangle a window's frame occupies in its parent's client area (the screen at the top).
RECT OuterRectangle(const Window& window) {
    return window.rect;
}

void SendSizeAndMove(Window& window) {
    RECT client = ClientAreaInWindow(window);
    Deliver(window, WM_SIZE, SIZE_RESTORED,
            MAKELPARAM(static_cast<WORD>(client.right - client.left),
                       static_cast<WORD>(client.bottom - client.top)));
    Deliver(window, WM_MOVE, 0,
            MAKELPARAM(static_cast<WORD>(window.rect.left), static_cast<WORD>(window.rect.top)));
}

} // namespace

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
    if (className == nullptr) {
        return nullptr;
    }
    RegisterControlClasses();
    std::shared_ptr<WindowClass> windowClass = FindWindowClass(className, instance);
    if (!windowClass) {
        return nullptr;
    }
    Window* parentWindow = parent ? LookupWindow(parent) : nullptr;
    if ((style & WS_CHILD) != 0 && parentWindow == nullptr) {
        return nullptr;
    }
    if (parent != nullptr && parentWindow == nullptr) {
        return nullptr;
    }
    auto created = std::make_unique<Window>();
    Window& window = *created;
    window.windowClass = windowClass;
    window.procedure = windowClass->procedure;
    window.style = style;
    window.exStyle = exStyle;
    window.text = windowName ? windowName : "";
    window.instance = instance;
    window.extra.assign(static_cast<std::size_t>(std::max(0, windowClass->windowExtra)), 0);
    if (x == CW_USEDEFAULT) {
        x = 0;
        y = 0;
    }
    if (width == CW_USEDEFAULT) {
        width = ScreenWidth() / 2;
        height = ScreenHeight() / 2;
    }
    window.rect = RECT{x, y, x + std::max(0, width), y + std::max(0, height)};
    if ((style & WS_CHILD) != 0) {
        window.parent = HandleValue(parent);
        window.id = reinterpret_cast<LONG_PTR>(menu);
    } else if (parentWindow != nullptr) {
        // The owner of a top-level window is the top-level window of the one named.
        window.owner = TopLevelOf(*parentWindow)->handle;
    }
    std::uint32_t handle = HandleTable::Instance().Insert(std::move(created));
    if (handle == 0) {
        return nullptr;
    }
    window.handle = handle;
    if (!window.IsChildStyle()) {
        FitSurface(window);
    }
    // Children line up in the order they are made (as a dialog's controls in its template).
    if (window.IsChildStyle()) {
        LinkAtBottom(window);
    } else {
        LinkAtTop(window);
    }
    HWND hwnd = window.Handle();

    CREATESTRUCTA create{param,
                         instance,
                         menu,
                         parent,
                         window.rect.bottom - window.rect.top,
                         window.rect.right - window.rect.left,
                         window.rect.top,
                         window.rect.left,
                         static_cast<LONG>(style),
                         windowName,
                         className,
                         exStyle};
    LPARAM createParam = reinterpret_cast<LPARAM>(&create);
    if (!window.IsChildStyle()) {
        MINMAXINFO limits{};
        limits.ptMaxSize = POINT{ScreenWidth(), ScreenHeight()};
        limits.ptMaxTrackSize = limits.ptMaxSize;
        Deliver(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    }
    if (LookupWindow(handle) == nullptr || Deliver(window, WM_NCCREATE, 0, createParam) == 0) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (LookupWindow(handle) == nullptr || Deliver(window, WM_CREATE, 0, createParam) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (LookupWindow(handle) == nullptr) {
        return nullptr;
    }
    SendSizeAndMove(window);
    NotifyParent(window, WM_CREATE);
    if (LookupWindow(handle) != nullptr && (window.style & WS_VISIBLE) != 0) {
        window.style &= ~static_cast<DWORD>(WS_VISIBLE);
        ShowWindow(hwnd, SW_SHOW);
    }
    return LookupWindow(handle) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    if (window->destroying) {
        return TRUE;
    }
    std::uint32_t handle = window->handle;
    // Owned windows go first.
    std::vector<std::uint32_t> owned;
    for (std::uint32_t top : TopLevelWindows()) {
        Window* candidate = LookupWindow(top);
        if (candidate != nullptr && candidate->owner == handle) {
            owned.push_back(top);
        }
    }
    for (std::uint32_t each : owned) {
        DestroyWindow(MakeHandle<HWND>(each));
    }
    window = LookupWindow(handle);
    if (window == nullptr) {
        return TRUE;
    }
    if ((window->style & WS_VISIBLE) != 0) {
        ShowWindow(hwnd, SW_HIDE);
    }
    NotifyParent(*window, WM_DESTROY);
    SendDestroy(handle);
    SendNonClientDestroyAndFree(handle);
    return TRUE;
}

BOOL IsWindow(HWND window) {
    return LookupWindow(window) != nullptr ? TRUE : FALSE;
}

BOOL IsChild(HWND parent, HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    while (window != nullptr && window->IsChildStyle()) {
        if (window->parent == HandleValue(parent)) {
            return TRUE;
        }
        window = LookupWindow(window->parent);
    }
    return FALSE;
}

HWND GetParent(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    return MakeHandle<HWND>(window->IsChildStyle() ? window->parent : window->owner);
}

HWND SetParent(HWND hwnd, HWND newParent) {
    Window* window = LookupWindow(hwnd);
    Window* parent = newParent ? LookupWindow(newParent) : nullptr;
    if (window == nullptr || (newParent != nullptr && parent == nullptr)) {
        return nullptr;
    }
    for (Window* walk = parent; walk != nullptr; walk = LookupWindow(walk->parent)) {
        if (walk == window) {
            return nullptr;
        }
        if (!walk->IsChildStyle()) {
            break;
        }
    }
    HWND previous = MakeHandle<HWND>(window->parent);
    InvalidateUnder(*window);
    Unlink(*window);
    window->parent = parent ? parent->handle : 0;
    if (parent == nullptr) {
        window->style &= ~static_cast<DWORD>(WS_CHILD);
        FitSurface(*window);
    } else {
        window->style |= WS_CHILD;
        window->surface.reset();
    }
    LinkAtTop(*window);
    InvalidateRect(hwnd, nullptr, TRUE);
    return previous;
}

HWND GetAncestor(HWND hwnd, UINT relation) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    switch (relation) {
    case GA_PARENT:
        return window->IsChildStyle() ? MakeHandle<HWND>(window->parent) : nullptr;
    case GA_ROOT:
        return TopLevelOf(*window)->Handle();
    case GA_ROOTOWNER: {
        Window* root = TopLevelOf(*window);
        while (Window* owner = LookupWindow(root->owner)) {
            root = owner;
        }
        return root->Handle();
    }
    default:
        return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT relation) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    if (relation == GW_OWNER) {
        return window->IsChildStyle() ? nullptr : MakeHandle<HWND>(window->owner);
    }
    if (relation == GW_CHILD) {
        return window->children.empty() ? nullptr : MakeHandle<HWND>(window->children.front());
    }
    // Siblings in Z order from the top.
    std::vector<std::uint32_t> siblings = SiblingsOf(*window);
    if (&SiblingsOf(*window) == &TopLevelWindows()) {
        std::reverse(siblings.begin(), siblings.end());
    }
    auto at = std::find(siblings.begin(), siblings.end(), window->handle);
    switch (relation) {
    case GW_HWNDFIRST:
        return MakeHandle<HWND>(siblings.front());
    case GW_HWNDLAST:
        return MakeHandle<HWND>(siblings.back());
    case GW_HWNDNEXT:
        return at + 1 < siblings.end() ? MakeHandle<HWND>(*(at + 1)) : nullptr;
    case GW_HWNDPREV:
        return at != siblings.begin() ? MakeHandle<HWND>(*(at - 1)) : nullptr;
    default:
        return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    if (hwnd == nullptr) {
        auto& tops = TopLevelWindows();
        return tops.empty() ? nullptr : MakeHandle<HWND>(tops.back());
    }
    return GetWindow(hwnd, GW_CHILD);
}

HWND GetDesktopWindow() {
    return nullptr;
}

BOOL ShowWindow(HWND hwnd, int command) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    bool wasVisible = (window->style & WS_VISIBLE) != 0;
    bool show = command != SW_HIDE;
    if (show == wasVisible) {
        return wasVisible ? TRUE : FALSE;
    }
    std::uint32_t handle = window->handle;
    Deliver(*window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    window = LookupWindow(handle);
    if (window == nullptr) {
        return wasVisible ? TRUE : FALSE;
    }
    if (show) {
        window->style |= WS_VISIBLE;
        InvalidateRect(hwnd, nullptr, TRUE);
        if (!window->IsChildStyle() && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE) {
            SetActiveWindow(hwnd);
        }
    } else {
        InvalidateUnder(*window);
        window->style &= ~static_cast<DWORD>(WS_VISIBLE);
        UiState& ui = Ui();
        if (ui.focus != 0 && (ui.focus == handle || IsChild(hwnd, MakeHandle<HWND>(ui.focus)))) {
            SetFocus(window->IsChildStyle() ? MakeHandle<HWND>(window->parent) : nullptr);
        }
        if (ui.active == handle) {
            ui.active = 0;
            if (Window* owner = LookupWindow(window->owner)) {
                SetActiveWindow(owner->Handle());
            }
        }
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    return window != nullptr && IsShown(*window) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) {
        return wasDisabled ? TRUE : FALSE;
    }
    if (enable) {
        window->style &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
        window->style |= WS_DISABLED;
        UiState& ui = Ui();
        if (ui.focus == window->handle) {
            SetFocus(nullptr);
        }
        if (ui.capture == window->handle) {
            ReleaseCapture();
        }
    }
    Deliver(*window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    return window != nullptr && (window->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    std::uint32_t handle = window->handle;
    WINDOWPOS position{hwnd, insertAfter, x, y, width, height, flags};
    if ((flags & SWP_NOMOVE) != 0) {
        position.x = window->rect.left;
        position.y = window->rect.top;
    }
    if ((flags & SWP_NOSIZE) != 0) {
        position.cx = window->rect.right - window->rect.left;
        position.cy = window->rect.bottom - window->rect.top;
    }
    Deliver(*window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
    if ((window = LookupWindow(handle)) == nullptr) {
        return FALSE;
    }
    RECT previous = OuterRectangle(*window);
    RECT next{position.x, position.y, position.x + std::max(0, position.cx),
              position.y + std::max(0, position.cy)};
    bool moved = previous.left != next.left || previous.top != next.top;
    bool sized = (previous.right - previous.left) != (next.right - next.left) ||
                 (previous.bottom - previous.top) != (next.bottom - next.top);
    if ((moved || sized) && (flags & SWP_NOREDRAW) == 0) {
        InvalidateUnder(*window);
    }
    window->rect = next;
    if (!window->IsChildStyle()) {
        FitSurface(*window);
    }
    if ((flags & SWP_NOZORDER) == 0) {
        Unlink(*window);
        if (insertAfter == HWND_BOTTOM) {
            LinkAtBottom(*window);
        } else {
            LinkAtTop(*window);
        }
    }
    if ((moved || sized || (flags & SWP_FRAMECHANGED) != 0) && (flags & SWP_NOREDRAW) == 0) {
        InvalidateRect(hwnd, nullptr, TRUE);
        window->frameInvalid = true;
    }
    Deliver(*window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
    if ((window = LookupWindow(handle)) == nullptr) {
        return TRUE;
    }
    if (sized || moved) {
        SendSizeAndMove(*window);
    }
    if ((flags & SWP_SHOWWINDOW) != 0) {
        ShowWindow(hwnd, SW_SHOWNA);
    } else if ((flags & SWP_HIDEWINDOW) != 0) {
        ShowWindow(hwnd, SW_HIDE);
    }
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    Window* top = TopLevelOf(*window);
    POINT offset = WindowOffsetInTopLevel(*window);
    int width = window->rect.right - window->rect.left;
    int height = window->rect.bottom - window->rect.top;
    rect->left = top->rect.left + offset.x;
    rect->top = top->rect.top + offset.y;
    rect->right = rect->left + width;
    rect->bottom = rect->top + height;
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    RECT client = ClientAreaInWindow(*window);
    *rect = RECT{0, 0, client.right - client.left, client.bottom - client.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || point == nullptr) {
        return FALSE;
    }
    POINT origin = ClientOriginOnScreen(*window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || point == nullptr) {
        return FALSE;
    }
    POINT origin = ClientOriginOnScreen(*window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT fromOrigin{0, 0};
    POINT toOrigin{0, 0};
    if (from != nullptr) {
        Window* window = LookupWindow(from);
        if (window == nullptr) {
            return 0;
        }
        fromOrigin = ClientOriginOnScreen(*window);
    }
    if (to != nullptr) {
        Window* window = LookupWindow(to);
        if (window == nullptr) {
            return 0;
        }
        toOrigin = ClientOriginOnScreen(*window);
    }
    int dx = fromOrigin.x - toOrigin.x;
    int dy = fromOrigin.y - toOrigin.y;
    for (UINT i = 0; points != nullptr && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
    Window* window = LookupWindow(parent);
    if (window == nullptr) {
        return nullptr;
    }
    RECT client = ClientAreaInWindow(*window);
    if (point.x < 0 || point.y < 0 || point.x >= client.right - client.left ||
        point.y >= client.bottom - client.top) {
        return nullptr;
    }
    for (std::uint32_t child : window->children) {
        Window* candidate = LookupWindow(child);
        if (candidate != nullptr && (candidate->style & WS_VISIBLE) != 0 &&
            point.x >= candidate->rect.left && point.x < candidate->rect.right &&
            point.y >= candidate->rect.top && point.y < candidate->rect.bottom) {
            return candidate->Handle();
        }
    }
    return parent;
}

namespace {

// The first visible child of `parent` under the screen point that does not let the mouse through.
HWND ChildTakingMouseAt(HWND parent, POINT screen) {
    Window* window = LookupWindow(parent);
    if (window == nullptr) {
        return nullptr;
    }
    POINT local = screen;
    ScreenToClient(parent, &local);
    RECT client = ClientAreaInWindow(*window);
    if (local.x < 0 || local.y < 0 || local.x >= client.right - client.left ||
        local.y >= client.bottom - client.top) {
        return nullptr;
    }
    const LPARAM where = MAKELONG(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y));
    for (std::uint32_t child : window->children) {
        Window* candidate = LookupWindow(child);
        if (candidate != nullptr && (candidate->style & WS_VISIBLE) != 0 &&
            local.x >= candidate->rect.left && local.x < candidate->rect.right &&
            local.y >= candidate->rect.top && local.y < candidate->rect.bottom &&
            SendMessageA(candidate->Handle(), WM_NCHITTEST, 0, where) != HTTRANSPARENT) {
            return candidate->Handle();
        }
    }
    return nullptr;
}

} // namespace

HWND WindowFromPoint(POINT point) {
    auto& tops = TopLevelWindows();
    for (auto at = tops.rbegin(); at != tops.rend(); ++at) {
        Window* top = LookupWindow(*at);
        if (top == nullptr || (top->style & WS_VISIBLE) == 0 || point.x < top->rect.left ||
            point.x >= top->rect.right || point.y < top->rect.top || point.y >= top->rect.bottom) {
            continue;
        }
        HWND found = top->Handle();
        while (HWND child = ChildTakingMouseAt(found, point)) {
            found = child;
        }
        return found;
    }
    return nullptr;
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL /*menu*/, DWORD exStyle) {
    if (rect == nullptr) {
        return FALSE;
    }
    RECT frame = FrameOf(style, exStyle);
    rect->left -= frame.left;
    rect->top -= frame.top;
    rect->right += frame.right;
    rect->bottom += frame.bottom;
    return TRUE;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
    return LookupWindow(hwnd) != nullptr &&
                   SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""))
               ? TRUE
               : FALSE;
}

int GetWindowTextA(HWND hwnd, LPSTR text, int size) {
    if (LookupWindow(hwnd) == nullptr || text == nullptr || size <= 0) {
        return 0;
    }
    return static_cast<int>(
        SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthA(HWND hwnd) {
    if (LookupWindow(hwnd) == nullptr) {
        return 0;
    }
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

int GetDlgCtrlID(HWND hwnd) {
    Window* window = LookupWindow(hwnd);
    return window != nullptr && window->IsChildStyle() ? static_cast<int>(window->id) : 0;
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* window = LookupWindow(dialog);
    if (window == nullptr) {
        return nullptr;
    }
    for (std::uint32_t child : window->children) {
        Window* candidate = LookupWindow(child);
        if (candidate != nullptr && candidate->id == id) {
            return candidate->Handle();
        }
    }
    return nullptr;
}

BOOL SetPropA(HWND hwnd, LPCSTR name, HANDLE data) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || name == nullptr || IS_INTRESOURCE(name)) {
        return FALSE;
    }
    window->properties[name] = data;
    return TRUE;
}

HANDLE GetPropA(HWND hwnd, LPCSTR name) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || name == nullptr || IS_INTRESOURCE(name)) {
        return nullptr;
    }
    auto found = window->properties.find(name);
    return found == window->properties.end() ? nullptr : found->second;
}

HANDLE RemovePropA(HWND hwnd, LPCSTR name) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr || name == nullptr || IS_INTRESOURCE(name)) {
        return nullptr;
    }
    auto found = window->properties.find(name);
    if (found == window->properties.end()) {
        return nullptr;
    }
    HANDLE data = found->second;
    window->properties.erase(found);
    return data;
}
