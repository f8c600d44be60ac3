// The window model: classes, windows and the tree they form. A window is an entry of the handle
// table; its rectangle is kept relative to its parent's client area (to the screen for a
// top-level window). Every top-level window owns the surface that it and its descendants paint
// on, the size of its window rectangle.
#pragma once

#include "platform/win32/src/gdi/handle_table.h"
#include "platform/win32/src/gdi/surface.h"
#include "platform/win32/winuser.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace win32 {

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC procedure = nullptr;
    int windowExtra = 0;
    HINSTANCE instance = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::vector<std::uint8_t> classExtra;
    bool system = false;
};

// The state a control class keeps beyond the window's own (items of a list, an edit's selection).
class ControlState {
public:
    virtual ~ControlState() = default;
};

struct ScrollState {
    int minimum = 0;
    int maximum = 100;
    int page = 0;
    int position = 0;
};

// Names compared without case, as window properties and class names are.
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class Window : public HandleObject {
public:
    static constexpr ObjectKind kKind = ObjectKind::Window;
    Window() : HandleObject(kKind) {}

    HWND Handle() const { return MakeHandle<HWND>(handle); }
    bool IsChildStyle() const { return (style & WS_CHILD) != 0; }

    std::uint32_t handle = 0;
    std::shared_ptr<WindowClass> windowClass;
    WNDPROC procedure = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    HINSTANCE instance = nullptr;
    // Relative to the parent's client area, or to the screen at the top.
    RECT rect{};
    std::uint32_t parent = 0;
    std::uint32_t owner = 0;
    // Children from the top of the Z order to the bottom.
    std::vector<std::uint32_t> children;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    std::vector<std::uint8_t> extra;
    std::map<std::string, HANDLE, CaseInsensitiveLess> properties;
    // The part of the client area waiting for WM_PAINT (client coordinates), and whether its
    // background must be erased first.
    bool invalid = false;
    RECT invalidRect{};
    bool eraseBackground = false;
    bool frameInvalid = false;
    bool redraw = true;
    // Of a top-level window.
    std::shared_ptr<Surface> surface;
    ScrollState horizontalScroll;
    ScrollState verticalScroll;
    bool destroying = false;
    std::unique_ptr<ControlState> control;
    // Of a dialog: whether EndDialog was called and with what result, the font of its controls.
    bool isDialog = false;
    bool dialogEnded = false;
    INT_PTR dialogResult = 0;
    HFONT dialogFont = nullptr;
    // The font given with WM_SETFONT, for controls.
    HFONT font = nullptr;
    std::uint32_t savedFocus = 0;
};

Window* LookupWindow(HWND window);
Window* LookupWindow(std::uint32_t handle);

// Classes of the process, the system's (controls, dialogs) registered when first needed.
std::shared_ptr<WindowClass> FindWindowClass(const std::string& name, HINSTANCE instance);
void RegisterSystemClass(const WNDCLASSA& windowClass);
std::vector<std::shared_ptr<WindowClass>>& RegisteredClasses();

// The frame widths of a style: left, top (caption included), right and bottom.
RECT FrameOf(DWORD style, DWORD exStyle);
// The client area in the window's own coordinates (0, 0 at the window's top left corner).
RECT ClientAreaInWindow(const Window& window);
// Where the window's top left corner and its client area's lie on its top-level window.
POINT WindowOffsetInTopLevel(const Window& window);
POINT ClientOffsetInTopLevel(const Window& window);
POINT ClientOriginOnScreen(const Window& window);
Window* TopLevelOf(Window& window);
// Visible with all its ancestors.
bool IsShown(const Window& window);
// The top-level windows, bottom of the Z order first.
std::vector<std::uint32_t>& TopLevelWindows();

// Makes the top-level surface fit the window rectangle, keeping what it held.
void FitSurface(Window& window);

LRESULT Deliver(Window& window, UINT message, WPARAM wParam, LPARAM lParam);

RECT Intersection(const RECT& a, const RECT& b);
RECT Union(const RECT& a, const RECT& b);
bool IsEmpty(const RECT& rect);

} // namespace win32
