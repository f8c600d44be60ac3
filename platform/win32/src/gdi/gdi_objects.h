// The GDI objects held by the handle table: pens, brushes, fonts, palettes and bitmaps.
#pragma once

#include "platform/win32/src/gdi/handle_table.h"
#include "platform/win32/src/gdi/surface.h"
#include "platform/win32/wingdi.h"

#include <optional>
#include <vector>

namespace win32 {

struct Pen : HandleObject {
    static constexpr ObjectKind kKind = ObjectKind::Pen;
    Pen(int style, int width, COLORREF color)
        : HandleObject(kKind), style(style), width(width), color(color) {}
    bool IsNull() const { return style == PS_NULL; }
    int style;
    int width;
    COLORREF color;
};

struct Brush : HandleObject {
    static constexpr ObjectKind kKind = ObjectKind::Brush;
    Brush(bool isNull, COLORREF color) : HandleObject(kKind), isNull(isNull), color(color) {}
    bool isNull;
    COLORREF color;
};

struct Font : HandleObject {
    static constexpr ObjectKind kKind = ObjectKind::Font;
    explicit Font(const LOGFONTA& logFont) : HandleObject(kKind), logFont(logFont) {}
    LOGFONTA logFont;
};

struct Palette : HandleObject {
    static constexpr ObjectKind kKind = ObjectKind::Palette;
    explicit Palette(std::vector<PALETTEENTRY> entries)
        : HandleObject(kKind), entries(std::move(entries)) {}
    std::vector<PALETTEENTRY> entries;
};

// A device-dependent bitmap (monochrome, or colour stored in 32 bits and reported with the
// screen's 24 bits per pixel) or a DIB section (its pixels in the caller-visible layout it was
// made with).
struct Bitmap : HandleObject {
    static constexpr ObjectKind kKind = ObjectKind::Bitmap;
    explicit Bitmap(Surface surface) : HandleObject(kKind), surface(std::move(surface)) {}
    // Bits per pixel that GetObject and GetDIBits report.
    int ReportedBitsPerPixel() const {
        if (dibHeader) {
            return dibHeader->biBitCount;
        }
        return surface.Format() == PixelFormat::Mono ? 1 : 24;
    }
    Surface surface;
    std::optional<BITMAPINFOHEADER> dibHeader;
};

// Colours of the screen: the depth every colour bitmap reports.
constexpr int kScreenBitsPerPixel = 24;

// Makes a bitmap object and enters it in the table; null when the size is not positive or too
// large (more than 2^28 pixels) or when memory runs out.
HBITMAP NewBitmap(int width, int height, PixelFormat format, bool topDown = true);

} // namespace win32
