#include "platform/win32/src/window/window.h"

#include "platform/win32/src/window/system_metrics.h"

#include <strings.h>

#include <algorithm>

namespace win32 {

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    return strcasecmp(a.c_str(), b.c_str()) < 0;
}

Window* LookupWindow(HWND window) {
    return Lookup<Window>(window);
}

Window* LookupWindow(std::uint32_t handle) {
    return Lookup<Window>(MakeHandle<HWND>(handle));
}

namespace {

std::vector<std::shared_ptr<WindowClass>>& Classes() {
    // Never destroyed, as the system's own state outlives the libraries that unload before it.
    static std::vector<std::shared_ptr<WindowClass>>& classes =
        *new std::vector<std::shared_ptr<WindowClass>>;
    return classes;
}

} // namespace

std::shared_ptr<WindowClass> FindWindowClass(const std::string& name, HINSTANCE instance) {
    // A class of the module first, then a global or system class of that name.
    std::shared_ptr<WindowClass> global;
    for (const auto& candidate : Classes()) {
        if (strcasecmp(candidate->name.c_str(), name.c_str()) != 0) {
            continue;
        }
        if (candidate->instance == instance && !candidate->system) {
            return candidate;
        }
        if (candidate->system || (candidate->style & CS_GLOBALCLASS) != 0) {
            global = candidate;
        }
    }
    return global;
}

std::vector<std::shared_ptr<WindowClass>>& RegisteredClasses() {
    return Classes();
}

void RegisterSystemClass(const WNDCLASSA& windowClass) {
    auto entry = std::make_shared<WindowClass>();
    entry->name = windowClass.lpszClassName;
    entry->style = windowClass.style | CS_GLOBALCLASS;
    entry->procedure = windowClass.lpfnWndProc;
    entry->windowExtra = windowClass.cbWndExtra;
    entry->cursor = windowClass.hCursor;
    entry->background = windowClass.hbrBackground;
    entry->system = true;
    Classes().push_back(entry);
}

RECT FrameOf(DWORD style, DWORD exStyle) {
    int edge = 0;
    if ((style & WS_THICKFRAME) != 0) {
        edge = kSizingFrame;
    } else if ((style & WS_DLGFRAME) != 0 || (exStyle & WS_EX_DLGMODALFRAME) != 0) {
        edge = kDialogFrame;
    } else if ((style & WS_BORDER) != 0) {
        edge = kBorder;
    }
    if ((exStyle & WS_EX_CLIENTEDGE) != 0) {
        edge += kClientEdge;
    }
    int caption = (style & WS_CAPTION) == WS_CAPTION ? kCaptionHeight : 0;
    return RECT{edge, edge + caption, edge, edge};
}

RECT ClientAreaInWindow(const Window& window) {
    RECT frame = FrameOf(window.style, window.exStyle);
    int width = window.rect.right - window.rect.left;
    int height = window.rect.bottom - window.rect.top;
    RECT client{frame.left, frame.top, std::max<LONG>(frame.left, width - frame.right),
                std::max<LONG>(frame.top, height - frame.bottom)};
    if ((window.style & WS_VSCROLL) != 0) {
        client.right = std::max<LONG>(client.left, client.right - kScrollBarSize);
    }
    if ((window.style & WS_HSCROLL) != 0) {
        client.bottom = std::max<LONG>(client.top, client.bottom - kScrollBarSize);
    }
    return client;
}

POINT WindowOffsetInTopLevel(const Window& window) {
    POINT offset{0, 0};
    const Window* current = &window;
    while (current->IsChildStyle()) {
        const Window* parent = LookupWindow(current->parent);
        if (parent == nullptr) {
            break;
        }
        RECT client = ClientAreaInWindow(*parent);
        offset.x += current->rect.left + client.left;
        offset.y += current->rect.top + client.top;
        current = parent;
    }
    return offset;
}

POINT ClientOffsetInTopLevel(const Window& window) {
    POINT offset = WindowOffsetInTopLevel(window);
    RECT client = ClientAreaInWindow(window);
    return POINT{offset.x + client.left, offset.y + client.top};
}

Window* TopLevelOf(Window& window) {
    Window* current = &window;
    while (current->IsChildStyle()) {
        Window* parent = LookupWindow(current->parent);
        if (parent == nullptr) {
            break;
        }
        current = parent;
    }
    return current;
}

POINT ClientOriginOnScreen(const Window& window) {
    POINT offset = ClientOffsetInTopLevel(window);
    const Window* top = TopLevelOf(const_cast<Window&>(window));
    return POINT{offset.x + top->rect.left, offset.y + top->rect.top};
}

bool IsShown(const Window& window) {
    const Window* current = &window;
    while (current != nullptr) {
        if ((current->style & WS_VISIBLE) == 0) {
            return false;
        }
        if (!current->IsChildStyle()) {
            return true;
        }
        current = LookupWindow(current->parent);
    }
    return true;
}

std::vector<std::uint32_t>& TopLevelWindows() {
    static std::vector<std::uint32_t> windows;
    return windows;
}

void FitSurface(Window& window) {
    int width = std::max<LONG>(1, window.rect.right - window.rect.left);
    int height = std::max<LONG>(1, window.rect.bottom - window.rect.top);
    if (window.surface && window.surface->Width() == width && window.surface->Height() == height) {
        return;
    }
    auto surface = std::make_shared<Surface>(width, height, PixelFormat::Rgb32);
    surface->Fill(GetSysColor(COLOR_BTNFACE));
    if (window.surface) {
        int keepWidth = std::min(width, window.surface->Width());
        int keepHeight = std::min(height, window.surface->Height());
        for (int y = 0; y < keepHeight; ++y) {
            for (int x = 0; x < keepWidth; ++x) {
                surface->Set(x, y, window.surface->Get(x, y));
            }
        }
    }
    window.surface = std::move(surface);
}

LRESULT Deliver(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window.procedure == nullptr) {
        return DefWindowProcA(window.Handle(), message, wParam, lParam);
    }
    return window.procedure(window.Handle(), message, wParam, lParam);
}

RECT Intersection(const RECT& a, const RECT& b) {
    RECT result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
    if (IsEmpty(result)) {
        return RECT{};
    }
    return result;
}

RECT Union(const RECT& a, const RECT& b) {
    if (IsEmpty(a)) {
        return b;
    }
    if (IsEmpty(b)) {
        return a;
    }
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

bool IsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

} // namespace win32
