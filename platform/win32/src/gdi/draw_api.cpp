// Lines, polygons, rectangles and the rectangle helpers of the window manager.
#include "platform/win32/src/gdi/device_context.h"
#include "platform/win32/src/gdi/raster.h"
#include "platform/win32/winuser.h"

#include <algorithm>
#include <cstdlib>

using namespace win32;

namespace {

// The pen's width in device pixels, whatever the sign of the mapping.
DeviceCoordinate PenWidth(const DeviceContext& context, const Pen& pen) {
    return std::llabs(std::int64_t{context.LengthToDeviceX(pen.width)});
}

void DrawSegment(Raster& raster, DevicePoint from, DevicePoint to, DeviceCoordinate width,
                 COLORREF color) {
    if (width <= 1) {
        raster.ThinLine(from, to, color);
    } else {
        raster.WideLine(from, to, width, color);
    }
}

// Draws the outline through `points` (logical) with the selected pen; closes it when asked.
void Stroke(DeviceContext& context, const std::vector<POINT>& points, bool closed) {
    auto* pen = Lookup<Pen>(MakeHandle<HPEN>(context.Selected().pen));
    Surface* surface = context.Target();
    if (pen == nullptr || pen->IsNull() || surface == nullptr || points.empty()) {
        return;
    }
    Raster raster(*surface, context.Clip());
    DeviceCoordinate width = PenWidth(context, *pen);
    std::size_t segments = closed ? points.size() : points.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        DrawSegment(raster, context.ToTarget(points[i]),
                    context.ToTarget(points[(i + 1) % points.size()]), width, pen->color);
    }
}

// The colour of a brush handle, which may also be a system colour index plus one.
std::optional<COLORREF> BrushHandleColor(HBRUSH brush) {
    std::uintptr_t value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= COLOR_MENUBAR + 1) {
        return GetSysColor(static_cast<int>(value) - 1);
    }
    auto* found = Lookup<Brush>(brush);
    if (found == nullptr || found->isNull) {
        return std::nullopt;
    }
    return found->color;
}

} // namespace

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr) {
        return FALSE;
    }
    if (previous != nullptr) {
        *previous = context->Values().position;
    }
    context->Values().position = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr) {
        return FALSE;
    }
    Stroke(*context, {context->Values().position, POINT{x, y}}, false);
    context->Values().position = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr || points == nullptr || count < 2) {
        return FALSE;
    }
    Stroke(*context, std::vector<POINT>(points, points + count), false);
    return TRUE;
}

BOOL Polygon(HDC dc, const POINT* points, int count) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr || points == nullptr || count < 2) {
        return FALSE;
    }
    std::vector<POINT> logical(points, points + count);
    Surface* surface = context->Target();
    if (surface != nullptr && context->HasBrush()) {
        std::vector<DevicePoint> device;
        for (const POINT& p : logical) {
            device.push_back(context->ToTarget(p));
        }
        Raster(*surface, context->Clip())
            .FillPolygon(device, context->Values().polyFillMode == WINDING, context->BrushColor());
    }
    Stroke(*context, logical, true);
    return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr) {
        return FALSE;
    }
    DeviceRect r = context->ToTarget(RECT{left, top, right, bottom});
    Surface* surface = context->Target();
    if (surface == nullptr || r.right <= r.left || r.bottom <= r.top) {
        return TRUE;
    }
    auto* pen = Lookup<Pen>(MakeHandle<HPEN>(context->Selected().pen));
    bool outlined = pen != nullptr && !pen->IsNull();
    Raster raster(*surface, context->Clip());
    // Right and bottom edges are left out; without a pen the fill is one pixel smaller still.
    if (context->HasBrush()) {
        DeviceRect fill = outlined ? r : DeviceRect{r.left, r.top, r.right - 1, r.bottom - 1};
        raster.FillRect(fill, context->BrushColor());
    }
    if (outlined) {
        // The outline runs through the outermost pixels, in device pixels.
        DevicePoint corners[4] = {{r.left, r.top},
                                  {r.right - 1, r.top},
                                  {r.right - 1, r.bottom - 1},
                                  {r.left, r.bottom - 1}};
        DeviceCoordinate width = PenWidth(*context, *pen);
        for (int i = 0; i < 4; ++i) {
            DrawSegment(raster, corners[i], corners[(i + 1) % 4], width, pen->color);
        }
        if (r.right - 1 == r.left || r.bottom - 1 == r.top) {
            raster.Plot(r.right - 1, r.bottom - 1, pen->color);
        }
    }
    return TRUE;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* context = LookupDc(dc);
    std::optional<COLORREF> color = BrushHandleColor(brush);
    if (context == nullptr || rect == nullptr || !color) {
        return 0;
    }
    Surface* surface = context->Target();
    if (surface != nullptr) {
        Raster(*surface, context->Clip()).FillRect(context->ToTarget(*rect), *color);
    }
    return 1;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* context = LookupDc(dc);
    std::optional<COLORREF> color = BrushHandleColor(brush);
    if (context == nullptr || rect == nullptr || !color) {
        return 0;
    }
    Surface* surface = context->Target();
    DeviceRect r = context->ToTarget(*rect);
    if (surface == nullptr || r.right <= r.left || r.bottom <= r.top) {
        return 1;
    }
    Raster raster(*surface, context->Clip());
    raster.FillRect(DeviceRect{r.left, r.top, r.right, r.top + 1}, *color);
    raster.FillRect(DeviceRect{r.left, r.bottom - 1, r.right, r.bottom}, *color);
    raster.FillRect(DeviceRect{r.left, r.top, r.left + 1, r.bottom}, *color);
    raster.FillRect(DeviceRect{r.right - 1, r.top, r.right, r.bottom}, *color);
    return 1;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr || rect == nullptr) {
        return FALSE;
    }
    Surface* surface = context->Target();
    if (surface != nullptr) {
        Raster(*surface, context->Clip()).InvertDottedFrame(context->ToTarget(*rect));
    }
    return TRUE;
}

DWORD GetSysColor(int index) {
    // The classic Windows scheme.
    static const COLORREF kColors[COLOR_MENUBAR + 1] = {
        RGB(192, 192, 192), // COLOR_SCROLLBAR
        RGB(0, 128, 128),   // COLOR_BACKGROUND
        RGB(0, 0, 128),     // COLOR_ACTIVECAPTION
        RGB(128, 128, 128), // COLOR_INACTIVECAPTION
        RGB(192, 192, 192), // COLOR_MENU
        RGB(255, 255, 255), // COLOR_WINDOW
        RGB(0, 0, 0),       // COLOR_WINDOWFRAME
        RGB(0, 0, 0),       // COLOR_MENUTEXT
        RGB(0, 0, 0),       // COLOR_WINDOWTEXT
        RGB(255, 255, 255), // COLOR_CAPTIONTEXT
        RGB(192, 192, 192), // COLOR_ACTIVEBORDER
        RGB(192, 192, 192), // COLOR_INACTIVEBORDER
        RGB(128, 128, 128), // COLOR_APPWORKSPACE
        RGB(0, 0, 128),     // COLOR_HIGHLIGHT
        RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
        RGB(192, 192, 192), // COLOR_BTNFACE
        RGB(128, 128, 128), // COLOR_BTNSHADOW
        RGB(128, 128, 128), // COLOR_GRAYTEXT
        RGB(0, 0, 0),       // COLOR_BTNTEXT
        RGB(192, 192, 192), // COLOR_INACTIVECAPTIONTEXT
        RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
        RGB(0, 0, 0),       // COLOR_3DDKSHADOW
        RGB(223, 223, 223), // COLOR_3DLIGHT
        RGB(0, 0, 0),       // COLOR_INFOTEXT
        RGB(255, 255, 225), // COLOR_INFOBK
        RGB(192, 192, 192), // (no colour 25)
        RGB(0, 0, 255),     // COLOR_HOTLIGHT
        RGB(16, 132, 208),  // COLOR_GRADIENTACTIVECAPTION
        RGB(181, 181, 181), // COLOR_GRADIENTINACTIVECAPTION
        RGB(0, 0, 128),     // COLOR_MENUHILIGHT
        RGB(192, 192, 192), // COLOR_MENUBAR
    };
    if (index < 0 || index > COLOR_MENUBAR) {
        return 0;
    }
    return kColors[index];
}

HBRUSH GetSysColorBrush(int index) {
    static std::uint32_t brushes[COLOR_MENUBAR + 1] = {};
    if (index < 0 || index > COLOR_MENUBAR) {
        return nullptr;
    }
    if (brushes[index] == 0) {
        auto brush = std::make_unique<Brush>(false, GetSysColor(index));
        brush->stock = true;
        brushes[index] = HandleTable::Instance().Insert(std::move(brush));
    }
    return MakeHandle<HBRUSH>(brushes[index]);
}
