#include "platform/win32/src/window/painting.h"

#include "platform/win32/src/gdi/device_context.h"
#include "platform/win32/src/window/system_metrics.h"
#include "platform/win32/window_host.h"

#include <algorithm>
#include <cstring>

namespace win32 {

namespace {

// The part of the top-level surface a window may draw on: its own area, within each ancestor's
// client area.
DeviceRect VisibleArea(Window& window, WindowArea area) {
    POINT offset = WindowOffsetInTopLevel(window);
    RECT own{offset.x, offset.y, offset.x + window.rect.right - window.rect.left,
             offset.y + window.rect.bottom - window.rect.top};
    if (area == WindowArea::Client) {
        RECT client = ClientAreaInWindow(window);
        own = RECT{offset.x + client.left, offset.y + client.top, offset.x + client.right,
                   offset.y + client.bottom};
    }
    Window* current = &window;
    while (current->IsChildStyle()) {
        Window* parent = LookupWindow(current->parent);
        if (parent == nullptr) {
            break;
        }
        POINT parentOffset = ClientOffsetInTopLevel(*parent);
        RECT client = ClientAreaInWindow(*parent);
        own = Intersection(own, RECT{parentOffset.x, parentOffset.y,
                                     parentOffset.x + client.right - client.left,
                                     parentOffset.y + client.bottom - client.top});
        current = parent;
    }
    return DeviceRect{own.left, own.top, own.right, own.bottom};
}

} // namespace

void InvalidateArea(Window& window, const RECT* rect, bool erase) {
    RECT client = ClientAreaInWindow(window);
    RECT all{0, 0, client.right - client.left, client.bottom - client.top};
    RECT part = rect ? Intersection(*rect, all) : all;
    if (rect == nullptr) {
        window.frameInvalid = true;
    }
    if (!IsEmpty(part)) {
        window.invalidRect = window.invalid ? Union(window.invalidRect, part) : part;
        window.invalid = true;
        window.eraseBackground = window.eraseBackground || erase;
    }
    // Children standing on the part are painted again too: the parent paints over them.
    for (std::uint32_t child : window.children) {
        Window* each = LookupWindow(child);
        if (each == nullptr || (each->style & WS_VISIBLE) == 0) {
            continue;
        }
        RECT overlap = Intersection(part, each->rect);
        if (IsEmpty(overlap)) {
            continue;
        }
        RECT childClient = ClientAreaInWindow(*each);
        RECT local{overlap.left - each->rect.left - childClient.left,
                   overlap.top - each->rect.top - childClient.top,
                   overlap.right - each->rect.left - childClient.left,
                   overlap.bottom - each->rect.top - childClient.top};
        InvalidateArea(*each, &local, true);
        each->frameInvalid = true;
    }
}

namespace {

Window* FindIn(Window& window) {
    if ((window.style & WS_VISIBLE) == 0) {
        return nullptr;
    }
    if (window.invalid || window.frameInvalid) {
        return &window;
    }
    for (auto child = window.children.rbegin(); child != window.children.rend(); ++child) {
        if (Window* each = LookupWindow(*child)) {
            if (Window* found = FindIn(*each)) {
                return found;
            }
        }
    }
    return nullptr;
}

} // namespace

HDC WindowDc(HWND hwnd, WindowArea area) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    Window* top = TopLevelOf(*window);
    HDC dc = NewDeviceContext(DeviceKind::Screen, ScreenCaps());
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr) {
        return nullptr;
    }
    context->DrawOnWindow(top->surface,
                          area == WindowArea::Client ? ClientOffsetInTopLevel(*window)
                                                     : WindowOffsetInTopLevel(*window),
                          IsShown(*window) ? VisibleArea(*window, area) : DeviceRect{});
    if (window->dialogFont != nullptr) {
        SelectObject(dc, window->dialogFont);
    }
    return dc;
}

void InvalidateUnder(Window& window) {
    if (!window.IsChildStyle() || (window.style & WS_VISIBLE) == 0) {
        return;
    }
    if (Window* parent = LookupWindow(window.parent)) {
        InvalidateArea(*parent, &window.rect, true);
    }
}

Window* FindWindowToPaint(HWND within) {
    if (within != nullptr) {
        Window* window = LookupWindow(within);
        return window != nullptr && IsShown(*window) ? FindIn(*window) : nullptr;
    }
    for (std::uint32_t top : TopLevelWindows()) {
        if (Window* window = LookupWindow(top)) {
            if (Window* found = FindIn(*window)) {
                return found;
            }
        }
    }
    return nullptr;
}

void PaintWindow(Window& window) {
    std::uint32_t handle = window.handle;
    if (window.frameInvalid) {
        window.frameInvalid = false;
        RECT frame = FrameOf(window.style, window.exStyle);
        if (frame.left != 0 || frame.top != 0 || (window.style & (WS_VSCROLL | WS_HSCROLL))) {
            Deliver(window, WM_NCPAINT, 1, 0);
        }
    }
    Window* current = LookupWindow(handle);
    if (current == nullptr || !current->invalid) {
        return;
    }
    Deliver(*current, WM_PAINT, 0, 0);
    if ((current = LookupWindow(handle)) != nullptr) {
        current->invalid = false;
        current->eraseBackground = false;
    }
}

void DrawFrame(Window& window, HDC dc) {
    int width = window.rect.right - window.rect.left;
    int height = window.rect.bottom - window.rect.top;
    RECT frame = FrameOf(window.style, window.exStyle);
    RECT client = ClientAreaInWindow(window);
    auto fill = [dc](RECT area, int color) { FillRect(dc, &area, GetSysColorBrush(color)); };
    if (frame.left > 0) {
        bool sunken = (window.exStyle & WS_EX_CLIENTEDGE) != 0 && frame.left == kClientEdge;
        if ((window.style & (WS_DLGFRAME | WS_THICKFRAME)) != 0 ||
            (window.exStyle & WS_EX_DLGMODALFRAME) != 0) {
            // Raised: light on the top and left, dark on the bottom and right.
            fill(RECT{0, 0, width, height}, COLOR_BTNFACE);
            fill(RECT{0, 0, width, 1}, COLOR_3DLIGHT);
            fill(RECT{0, 0, 1, height}, COLOR_3DLIGHT);
            fill(RECT{1, 1, width - 1, 2}, COLOR_BTNHIGHLIGHT);
            fill(RECT{1, 1, 2, height - 1}, COLOR_BTNHIGHLIGHT);
            fill(RECT{0, height - 1, width, height}, COLOR_3DDKSHADOW);
            fill(RECT{width - 1, 0, width, height}, COLOR_3DDKSHADOW);
            fill(RECT{1, height - 2, width - 1, height - 1}, COLOR_BTNSHADOW);
            fill(RECT{width - 2, 1, width - 1, height - 1}, COLOR_BTNSHADOW);
        } else if (sunken) {
            fill(RECT{0, 0, width, 1}, COLOR_BTNSHADOW);
            fill(RECT{0, 0, 1, height}, COLOR_BTNSHADOW);
            fill(RECT{1, 1, width - 1, 2}, COLOR_3DDKSHADOW);
            fill(RECT{1, 1, 2, height - 1}, COLOR_3DDKSHADOW);
            fill(RECT{0, height - 1, width, height}, COLOR_BTNHIGHLIGHT);
            fill(RECT{width - 1, 0, width, height}, COLOR_BTNHIGHLIGHT);
            fill(RECT{1, height - 2, width - 1, height - 1}, COLOR_3DLIGHT);
            fill(RECT{width - 2, 1, width - 1, height - 1}, COLOR_3DLIGHT);
        } else {
            RECT outline{0, 0, width, height};
            FrameRect(dc, &outline, GetSysColorBrush(COLOR_WINDOWFRAME));
        }
    }
    if ((window.style & WS_CAPTION) == WS_CAPTION) {
        RECT caption{frame.left, frame.left, width - frame.right, frame.top - 1};
        fill(caption, COLOR_ACTIVECAPTION);
        RECT title{caption.left + 4, caption.top, caption.right - kCaptionHeight, caption.bottom};
        HFONT font = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
        HGDIOBJ previousFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
        DrawTextA(dc, window.text.c_str(), static_cast<int>(window.text.size()), &title,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, previousFont);
        DeleteObject(font);
        if ((window.style & WS_SYSMENU) != 0) {
            // The close box: a raised button with a cross.
            RECT box{caption.right - kCaptionHeight + 2, caption.top + 2, caption.right - 2,
                     caption.bottom - 2};
            fill(box, COLOR_BTNFACE);
            HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
            HGDIOBJ previousPen = SelectObject(dc, pen);
            int inset = 4;
            MoveToEx(dc, box.left + inset, box.top + inset - 1, nullptr);
            LineTo(dc, box.right - inset, box.bottom - inset + 1);
            MoveToEx(dc, box.right - inset - 1, box.top + inset - 1, nullptr);
            LineTo(dc, box.left + inset - 1, box.bottom - inset + 1);
            SelectObject(dc, previousPen);
            DeleteObject(pen);
        }
    }
    if ((window.style & WS_VSCROLL) != 0) {
        fill(RECT{client.right, client.top, client.right + kScrollBarSize, client.bottom},
             COLOR_SCROLLBAR);
    }
    if ((window.style & WS_HSCROLL) != 0) {
        fill(RECT{client.left, client.bottom, client.right, client.bottom + kScrollBarSize},
             COLOR_SCROLLBAR);
    }
}

WindowImage CaptureWindow(HWND topLevel) {
    WindowImage image;
    Window* window = LookupWindow(topLevel);
    if (window == nullptr || !window->surface) {
        return image;
    }
    const Surface& surface = *window->surface;
    image.width = surface.Width();
    image.height = surface.Height();
    image.pixels.reserve(static_cast<std::size_t>(image.width) *
                         static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            COLORREF color = surface.Get(x, y);
            image.pixels.push_back((std::uint32_t{GetRValue(color)} << 16) |
                                   (std::uint32_t{GetGValue(color)} << 8) | GetBValue(color));
        }
    }
    return image;
}

std::vector<HWND> VisibleTopLevelWindows() {
    std::vector<HWND> shown;
    for (std::uint32_t top : TopLevelWindows()) {
        Window* window = LookupWindow(top);
        if (window != nullptr && (window->style & WS_VISIBLE) != 0) {
            shown.push_back(window->Handle());
        }
    }
    return shown;
}

} // namespace win32
