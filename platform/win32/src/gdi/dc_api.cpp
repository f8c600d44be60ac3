// Device contexts: making and deleting them, saved states, selection, modes and the mapping.
#include "platform/win32/src/gdi/device_context.h"
#include "platform/win32/src/print/print_job.h"
#include "platform/win32/src/window/painting.h"
#include "platform/win32/winuser.h"

#include <cstring>

using namespace win32;

HDC CreateCompatibleDC(HDC dc) {
    if (dc == nullptr) {
        return NewDeviceContext(DeviceKind::Memory, ScreenCaps());
    }
    DeviceContext* reference = LookupDc(dc);
    if (reference == nullptr) {
        return nullptr;
    }
    return NewDeviceContext(DeviceKind::Memory, reference->Caps());
}

HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR /*port*/, const DEVMODEA* devMode) {
    if (devMode != nullptr) {
        return nullptr;
    }
    if (driver != nullptr && strcasecmp(driver, "DISPLAY") == 0) {
        return NewDeviceContext(DeviceKind::Screen, ScreenCaps());
    }
    if (device == nullptr) {
        return nullptr;
    }
    std::optional<printing::PrinterInfo> printer = printing::FindPrinter(device);
    if (!printer) {
        return nullptr;
    }
    HDC dc = NewDeviceContext(DeviceKind::Printer, CapsOf(*printer));
    if (dc != nullptr) {
        LookupDc(dc)->SetPrinterName(printer->name);
    }
    return dc;
}

HDC GetDC(HWND window) {
    if (window != nullptr) {
        return WindowDc(window, WindowArea::Client);
    }
    return NewDeviceContext(DeviceKind::Screen, ScreenCaps());
}

int ReleaseDC(HWND /*window*/, HDC dc) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr || context->Device() != DeviceKind::Screen) {
        return 0;
    }
    HandleTable::Instance().Remove(HandleValue(dc));
    return 1;
}

BOOL DeleteDC(HDC dc) {
    if (LookupDc(dc) == nullptr) {
        return FALSE;
    }
    HandleTable::Instance().Remove(HandleValue(dc));
    return TRUE;
}

int SaveDC(HDC dc) {
    DeviceContext* context = LookupDc(dc);
    return context ? context->Save() : 0;
}

BOOL RestoreDC(HDC dc, int savedDc) {
    DeviceContext* context = LookupDc(dc);
    return context && context->Restore(savedDc) ? TRUE : FALSE;
}

int GetDeviceCaps(HDC dc, int index) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr) {
        return 0;
    }
    const DeviceCaps& caps = context->Caps();
    auto millimetres = [](int pixels, int dpi) { return MulDivRound(pixels, 254, dpi * 10); };
    switch (index) {
    case DRIVERVERSION:
        return 0x400;
    case TECHNOLOGY:
        return caps.technology;
    case HORZSIZE:
        return millimetres(caps.printableWidth, caps.dpiX);
    case VERTSIZE:
        return millimetres(caps.printableHeight, caps.dpiY);
    case HORZRES:
        return caps.printableWidth;
    case VERTRES:
        return caps.printableHeight;
    case BITSPIXEL:
        return caps.bitsPerPixel;
    case PLANES:
        return 1;
    case NUMBRUSHES:
    case NUMPENS:
    case NUMCOLORS:
        return -1;
    case NUMFONTS:
        return 0;
    case RASTERCAPS:
        return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    case LOGPIXELSX:
        return caps.dpiX;
    case LOGPIXELSY:
        return caps.dpiY;
    case SIZEPALETTE:
    case NUMRESERVED:
        return 0;
    case COLORRES:
        return 24;
    case PHYSICALWIDTH:
        return context->Device() == DeviceKind::Printer ? caps.physicalWidth : 0;
    case PHYSICALHEIGHT:
        return context->Device() == DeviceKind::Printer ? caps.physicalHeight : 0;
    case PHYSICALOFFSETX:
        return context->Device() == DeviceKind::Printer ? caps.offsetX : 0;
    case PHYSICALOFFSETY:
        return context->Device() == DeviceKind::Printer ? caps.offsetY : 0;
    default:
        return 0;
    }
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* context = LookupDc(dc);
    HandleObject* found = HandleTable::Instance().Find(HandleValue(object));
    // Palettes go through SelectPalette.
    if (context == nullptr || found == nullptr || found->Kind() == ObjectKind::Palette) {
        return nullptr;
    }
    return MakeHandle<HGDIOBJ>(context->Select(HandleValue(object)));
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr) {
        return nullptr;
    }
    switch (type) {
    case OBJ_PEN:
        return MakeHandle<HGDIOBJ>(context->Selected().pen);
    case OBJ_BRUSH:
        return MakeHandle<HGDIOBJ>(context->Selected().brush);
    case OBJ_FONT:
        return MakeHandle<HGDIOBJ>(context->Selected().font);
    case OBJ_PAL:
        return MakeHandle<HGDIOBJ>(context->Selected().palette);
    case OBJ_BITMAP:
        return MakeHandle<HGDIOBJ>(context->Selected().bitmap);
    default:
        return nullptr;
    }
}

int SetMapMode(HDC dc, int mode) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr || (mode != MM_TEXT && mode != MM_ANISOTROPIC)) {
        return 0;
    }
    int previous = context->Values().mapMode;
    context->Values().mapMode = mode;
    return previous;
}

int GetMapMode(HDC dc) {
    DeviceContext* context = LookupDc(dc);
    return context ? context->Values().mapMode : 0;
}

namespace {
BOOL SetExtent(HDC dc, int x, int y, SIZE* previous, SIZE DcValues::*extent) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr) {
        return FALSE;
    }
    if (previous != nullptr) {
        *previous = context->Values().*extent;
    }
    // Extents take effect in MM_ANISOTROPIC only, and never zero.
    if (context->Values().mapMode != MM_ANISOTROPIC) {
        return TRUE;
    }
    if (x == 0 || y == 0) {
        return FALSE;
    }
    context->Values().*extent = SIZE{x, y};
    return TRUE;
}

BOOL MapPoints(HDC dc, POINT* points, int count, bool toLogical) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr || points == nullptr || count < 0) {
        return FALSE;
    }
    for (int i = 0; i < count; ++i) {
        POINT& p = points[i];
        p = toLogical ? POINT{context->ToLogicalX(p.x), context->ToLogicalY(p.y)}
                      : context->ToDevice(p);
    }
    return TRUE;
}
} // namespace

BOOL SetWindowExtEx(HDC dc, int x, int y, SIZE* previous) {
    return SetExtent(dc, x, y, previous, &DcValues::windowExtent);
}

BOOL SetViewportExtEx(HDC dc, int x, int y, SIZE* previous) {
    return SetExtent(dc, x, y, previous, &DcValues::viewportExtent);
}

BOOL DPtoLP(HDC dc, POINT* points, int count) {
    return MapPoints(dc, points, count, true);
}
BOOL LPtoDP(HDC dc, POINT* points, int count) {
    return MapPoints(dc, points, count, false);
}

namespace {
// Sets one of the context's values and answers the old value, or `failure` for a bad context.
template <typename T>
T Exchange(HDC dc, T DcValues::*field, T value, T failure) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr) {
        return failure;
    }
    T previous = context->Values().*field;
    context->Values().*field = value;
    return previous;
}

template <typename T>
T Read(HDC dc, T DcValues::*field, T failure) {
    DeviceContext* context = LookupDc(dc);
    return context ? context->Values().*field : failure;
}
} // namespace

COLORREF SetTextColor(HDC dc, COLORREF color) {
    return Exchange(dc, &DcValues::textColor, color & 0xFFFFFF, CLR_INVALID);
}
COLORREF GetTextColor(HDC dc) {
    return Read(dc, &DcValues::textColor, CLR_INVALID);
}
COLORREF SetBkColor(HDC dc, COLORREF color) {
    return Exchange(dc, &DcValues::backgroundColor, color & 0xFFFFFF, CLR_INVALID);
}
COLORREF GetBkColor(HDC dc) {
    return Read(dc, &DcValues::backgroundColor, CLR_INVALID);
}

int SetBkMode(HDC dc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) {
        return 0;
    }
    return Exchange(dc, &DcValues::backgroundMode, mode, 0);
}
int GetBkMode(HDC dc) {
    return Read(dc, &DcValues::backgroundMode, 0);
}

int SetPolyFillMode(HDC dc, int mode) {
    if (mode != ALTERNATE && mode != WINDING) {
        return 0;
    }
    return Exchange(dc, &DcValues::polyFillMode, mode, 0);
}

int SetStretchBltMode(HDC dc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE) {
        return 0;
    }
    return Exchange(dc, &DcValues::stretchMode, mode, 0);
}

UINT SetTextAlign(HDC dc, UINT align) {
    return Exchange(dc, &DcValues::textAlign, align, static_cast<UINT>(GDI_ERROR));
}
UINT GetTextAlign(HDC dc) {
    return Read(dc, &DcValues::textAlign, static_cast<UINT>(GDI_ERROR));
}
