// The "ScrollBar" class (SBS_HORZ, SBS_VERT): arrows at both ends and a thumb sized by the
// page. It tells its parent what the user does with WM_HSCROLL or WM_VSCROLL (lParam: the bar);
// as in Windows, the parent moves the thumb with SetScrollPos or SetScrollInfo.
#include "platform/win32/src/controls/control_drawing.h"
#include "platform/win32/src/controls/control_state.h"
#include "platform/win32/src/controls/controls.h"
#include "platform/win32/src/window/scroll_info.h"
#include "platform/win32/src/window/window.h"

#include <algorithm>
#include <utility>

namespace win32 {

namespace {

constexpr int kSmallestThumb = 8;

enum class Part { None, LineBack, PageBack, Thumb, PageForward, LineForward };

class ScrollBarState : public ControlState {
public:
    ScrollState range;
    Part pressed = Part::None;
    // While the thumb is dragged: where in the thumb it was taken, and the position it shows.
    int grip = 0;
    int trackPosition = 0;
};

ScrollBarState& StateOf(Window& window) {
    return ControlStateOf<ScrollBarState>(window);
}

bool IsVertical(const Window& window) {
    return (window.style & SBS_VERT) != 0;
}

// The bar along its length: the arrows' size, the track between them, the thumb in it.
struct Layout {
    int length = 0;
    int arrow = 0;
    int thumbStart = 0;
    int thumbLength = 0;
    bool hasThumb = false;
};

Layout LayoutOf(HWND hwnd, const Window& window, const ScrollState& range, int position) {
    RECT client;
    GetClientRect(hwnd, &client);
    bool vertical = IsVertical(window);
    Layout layout;
    layout.length = vertical ? client.bottom : client.right;
    int thickness = vertical ? client.right : client.bottom;
    layout.arrow = std::min(thickness, layout.length / 2);
    int track = layout.length - 2 * layout.arrow;
    int span = range.maximum - range.minimum + 1;
    layout.hasThumb = range.maximum > range.minimum && track >= kSmallestThumb;
    if (!layout.hasThumb) {
        return layout;
    }
    layout.thumbLength = range.page > 0 ? track * range.page / span : thickness;
    layout.thumbLength = std::clamp(layout.thumbLength, kSmallestThumb, track);
    int travel = LastScrollPosition(range) - range.minimum;
    int room = track - layout.thumbLength;
    layout.thumbStart =
        layout.arrow + (travel > 0 ? room * (position - range.minimum) / travel : 0);
    return layout;
}

Part PartAt(const Layout& layout, int along) {
    if (along < layout.arrow) {
        return Part::LineBack;
    }
    if (along >= layout.length - layout.arrow) {
        return Part::LineForward;
    }
    if (!layout.hasThumb) {
        return Part::None;
    }
    if (along < layout.thumbStart) {
        return Part::PageBack;
    }
    return along < layout.thumbStart + layout.thumbLength ? Part::Thumb : Part::PageForward;
}

void Tell(HWND hwnd, const Window& window, int code, int position) {
    SendMessageA(MakeHandle<HWND>(window.parent), IsVertical(window) ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position)),
                 reinterpret_cast<LPARAM>(hwnd));
}

int CodeOf(Part part) {
    switch (part) {
    case Part::LineBack:
        return SB_LINEUP;
    case Part::LineForward:
        return SB_LINEDOWN;
    case Part::PageBack:
        return SB_PAGEUP;
    default:
        return SB_PAGEDOWN;
    }
}

// The position the thumb shows when taken at `grip` and held at `along`.
int PositionFor(const Layout& layout, const ScrollState& range, int along, int grip) {
    int room = layout.length - 2 * layout.arrow - layout.thumbLength;
    int travel = LastScrollPosition(range) - range.minimum;
    if (room <= 0) {
        return range.minimum;
    }
    int offset = std::clamp(along - grip - layout.arrow, 0, room);
    return range.minimum + (offset * travel + room / 2) / room;
}

int Along(const Window& window, LPARAM point) {
    return IsVertical(window) ? GET_Y_LPARAM(point) : GET_X_LPARAM(point);
}

void Paint(HWND hwnd, Window& window) {
    ScrollBarState& state = StateOf(window);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_SCROLLBAR));
    int shown = state.pressed == Part::Thumb ? state.trackPosition : state.range.position;
    Layout layout = LayoutOf(hwnd, window, state.range, shown);
    bool vertical = IsVertical(window);
    // A stretch of the bar along its length.
    auto stretch = [&](int from, int to) {
        return vertical ? RECT{0, from, client.right, to} : RECT{from, 0, to, client.bottom};
    };
    bool enabled = (window.style & WS_DISABLED) == 0 && layout.hasThumb;
    DrawArrowButton(dc, stretch(0, layout.arrow),
                    vertical ? ArrowDirection::Up : ArrowDirection::Left, enabled);
    DrawArrowButton(dc, stretch(layout.length - layout.arrow, layout.length),
                    vertical ? ArrowDirection::Down : ArrowDirection::Right, enabled);
    if (layout.hasThumb && enabled) {
        RECT thumb = stretch(layout.thumbStart, layout.thumbStart + layout.thumbLength);
        FillRect(dc, &thumb, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge3D(dc, thumb, true);
    }
    EndPaint(hwnd, &paint);
}

void Press(HWND hwnd, Window& window, LPARAM point) {
    ScrollBarState& state = StateOf(window);
    Layout layout = LayoutOf(hwnd, window, state.range, state.range.position);
    Part part = PartAt(layout, Along(window, point));
    if (part == Part::None || (window.style & WS_DISABLED) != 0 || !layout.hasThumb) {
        return;
    }
    state.pressed = part;
    SetCapture(hwnd);
    if (part == Part::Thumb) {
        state.grip = Along(window, point) - layout.thumbStart;
        state.trackPosition = state.range.position;
        return;
    }
    Tell(hwnd, window, CodeOf(part), 0);
}

void Drag(HWND hwnd, Window& window, LPARAM point) {
    ScrollBarState& state = StateOf(window);
    if (state.pressed != Part::Thumb) {
        return;
    }
    Layout layout = LayoutOf(hwnd, window, state.range, state.range.position);
    int position = PositionFor(layout, state.range, Along(window, point), state.grip);
    if (position != state.trackPosition) {
        state.trackPosition = position;
        InvalidateRect(hwnd, nullptr, TRUE);
        Tell(hwnd, window, SB_THUMBTRACK, position);
    }
}

void Release(HWND hwnd, Window& window) {
    ScrollBarState& state = StateOf(window);
    Part pressed = std::exchange(state.pressed, Part::None);
    if (GetCapture() == hwnd) {
        ReleaseCapture();
    }
    if (pressed == Part::Thumb) {
        InvalidateRect(hwnd, nullptr, TRUE);
        Tell(hwnd, window, SB_THUMBPOSITION, state.trackPosition);
    }
    if (pressed != Part::None && LookupWindow(hwnd) != nullptr) {
        Tell(hwnd, window, SB_ENDSCROLL, 0);
    }
}

void KeyDown(HWND hwnd, const Window& window, WPARAM key) {
    int code = -1;
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        code = SB_LINEUP;
        break;
    case VK_DOWN:
    case VK_RIGHT:
        code = SB_LINEDOWN;
        break;
    case VK_PRIOR:
        code = SB_PAGEUP;
        break;
    case VK_NEXT:
        code = SB_PAGEDOWN;
        break;
    case VK_HOME:
        code = SB_TOP;
        break;
    case VK_END:
        code = SB_BOTTOM;
        break;
    default:
        return;
    }
    Tell(hwnd, window, code, 0);
    if (IsWindow(hwnd)) {
        Tell(hwnd, window, SB_ENDSCROLL, 0);
    }
}

LRESULT Apply(HWND hwnd, ScrollBarState& state, const SCROLLINFO& info, bool redraw) {
    int position = ApplyScrollInfo(state.range, info);
    if (redraw) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    return position;
}

} // namespace

LRESULT CALLBACK ScrollBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = LookupWindow(hwnd);
    if (window == nullptr) {
        return 0;
    }
    ScrollBarState& state = StateOf(*window);
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_PAINT:
        Paint(hwnd, *window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(hwnd, *window, lParam);
        return 0;
    case WM_MOUSEMOVE:
        Drag(hwnd, *window, lParam);
        return 0;
    case WM_LBUTTONUP:
        Release(hwnd, *window);
        return 0;
    case WM_KEYDOWN:
        KeyDown(hwnd, *window, wParam);
        return 0;
    case SBM_SETSCROLLINFO:
        if (lParam == 0) {
            return 0;
        }
        return Apply(hwnd, state, *reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0);
    case SBM_GETSCROLLINFO:
        if (lParam == 0) {
            return FALSE;
        }
        ReadScrollInfo(state.range, *reinterpret_cast<SCROLLINFO*>(lParam));
        if (state.pressed == Part::Thumb) {
            reinterpret_cast<SCROLLINFO*>(lParam)->nTrackPos = state.trackPosition;
        }
        return TRUE;
    case SBM_SETPOS: {
        int previous = state.range.position;
        Apply(hwnd, state,
              SCROLLINFO{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, static_cast<int>(wParam), 0},
              lParam != 0);
        return previous;
    }
    case SBM_GETPOS:
        return state.range.position;
    case SBM_SETRANGE: {
        int previous = state.range.position;
        Apply(hwnd, state,
              SCROLLINFO{sizeof(SCROLLINFO), SIF_RANGE, static_cast<int>(wParam),
                         static_cast<int>(lParam), 0, 0, 0},
              true);
        return previous;
    }
    case SBM_GETRANGE:
        if (wParam != 0) {
            *reinterpret_cast<int*>(wParam) = state.range.minimum;
        }
        if (lParam != 0) {
            *reinterpret_cast<int*>(lParam) = state.range.maximum;
        }
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace win32
