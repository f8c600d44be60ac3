// Bitmaps: making them, their bits in device-independent form, single pixels and blits.
#include "platform/win32/src/gdi/device_context.h"
#include "platform/win32/src/gdi/dib.h"
#include "platform/win32/src/gdi/raster.h"

#include <climits>
#include <cstring>
#include <new>

using namespace win32;

namespace win32 {
HBITMAP NewBitmap(int width, int height, PixelFormat format, bool topDown) {
    if (width <= 0 || height <= 0 || width > kMaxDibSide || height > kMaxDibSide ||
        static_cast<long long>(width) * height > kMaxDibPixels) {
        return nullptr;
    }
    try {
        auto bitmap = std::make_unique<Bitmap>(Surface(width, height, format, topDown));
        return MakeHandle<HBITMAP>(HandleTable::Instance().Insert(std::move(bitmap)));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
} // namespace win32

namespace {

// The format of a new bitmap compatible with a context: its bitmap's for a memory context,
// colour for a device.
PixelFormat CompatibleFormat(DeviceContext& context) {
    if (context.Device() == DeviceKind::Memory) {
        Surface* target = context.Target();
        return target && target->Format() == PixelFormat::Mono ? PixelFormat::Mono
                                                               : PixelFormat::Rgb32;
    }
    return PixelFormat::Rgb32;
}

// The layout of the bits a caller hands over with a BITMAPINFO; the caller vouches that the
// colour table follows the header in memory.
std::optional<DibLayout> CallerLayout(const BITMAPINFOHEADER* header, UINT usage) {
    if (header == nullptr || usage != DIB_RGB_COLORS) {
        return std::nullopt;
    }
    std::string error;
    return ParseDibHeader(reinterpret_cast<const std::uint8_t*>(header), SIZE_MAX / 2, error);
}

BOOL Blit(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
          int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    DeviceContext* target = LookupDc(destination);
    if (target == nullptr) {
        return FALSE;
    }
    DeviceContext* from = source ? LookupDc(source) : nullptr;
    if (source != nullptr && from == nullptr) {
        return FALSE;
    }
    Surface* surface = target->Target();
    if (surface == nullptr) {
        return TRUE;
    }
    DeviceRect sourceRect{};
    const Surface* sourceSurface = nullptr;
    BlitColors colors{target->BrushColor(), 0xFFFFFF, target->Values().textColor,
                      target->Values().backgroundColor};
    if (from != nullptr) {
        sourceSurface = from->Target();
        sourceRect = from->ToTarget(sourceX, sourceY, sourceWidth, sourceHeight);
        colors.sourceBackground = from->Values().backgroundColor;
    }
    StretchBlit(*surface, target->Clip(), target->ToTarget(x, y, width, height), sourceSurface,
                sourceRect, static_cast<std::uint8_t>(rop >> 16), colors);
    return TRUE;
}

} // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, LPCVOID bits) {
    UINT depth = planes * bitsPerPixel;
    if (depth == 0) {
        return nullptr;
    }
    PixelFormat format = depth == 1 ? PixelFormat::Mono : PixelFormat::Rgb32;
    HBITMAP handle = NewBitmap(width, height, format);
    if (handle == nullptr || bits == nullptr) {
        return handle;
    }
    // Initial bits come in device-dependent rows: 16-bit aligned, top row first, 1 or 24 bits.
    Surface& surface = Lookup<Bitmap>(handle)->surface;
    int inBits = depth == 1 ? 1 : 24;
    std::size_t rowBytes = (static_cast<std::size_t>(width) * inBits + 15) / 16 * 2;
    DibLayout layout = LayoutFor(width, height, inBits, true);
    layout.stride = rowBytes;
    auto* data = static_cast<const std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        DecodeDibRows(layout, data + static_cast<std::size_t>(y) * rowBytes, y, 1, surface);
    }
    return handle;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr) {
        return nullptr;
    }
    if (width == 0 || height == 0) {
        return NewBitmap(1, 1, PixelFormat::Mono);
    }
    return NewBitmap(width, height, CompatibleFormat(*context));
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, LPCVOID bits,
                       const BITMAPINFO* info, UINT usage) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr || header == nullptr) {
        return nullptr;
    }
    LONG height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    HBITMAP handle = NewBitmap(header->biWidth, height, CompatibleFormat(*context));
    if (handle == nullptr || (init & CBM_INIT) == 0) {
        return handle;
    }
    std::optional<DibLayout> layout = CallerLayout(info ? &info->bmiHeader : nullptr, usage);
    if (!layout || bits == nullptr) {
        DeleteObject(handle);
        return nullptr;
    }
    DecodeDibRows(*layout, static_cast<const std::uint8_t*>(bits), 0, layout->height,
                  Lookup<Bitmap>(handle)->surface);
    return handle;
}

HBITMAP CreateDIBSection(HDC /*dc*/, const BITMAPINFO* info, UINT usage, void** bits,
                         HANDLE section, DWORD /*offset*/) {
    if (bits != nullptr) {
        *bits = nullptr;
    }
    if (section != nullptr) {
        return nullptr;
    }
    std::optional<DibLayout> layout = CallerLayout(info ? &info->bmiHeader : nullptr, usage);
    if (!layout || layout->compression != BI_RGB) {
        return nullptr;
    }
    PixelFormat format;
    switch (layout->bitCount) {
    case 1:
        format = PixelFormat::Mono;
        break;
    case 24:
        format = PixelFormat::Rgb24;
        break;
    case 32:
        format = PixelFormat::Rgb32;
        break;
    default:
        return nullptr;
    }
    HBITMAP handle = NewBitmap(layout->width, layout->height, format, layout->topDown);
    if (handle == nullptr) {
        return nullptr;
    }
    Bitmap* bitmap = Lookup<Bitmap>(handle);
    if (format == PixelFormat::Mono && layout->colors.size() == 2) {
        bitmap->surface.monoColors = {layout->colors[0], layout->colors[1]};
    }
    BITMAPINFOHEADER header = info->bmiHeader;
    header.biSizeImage = static_cast<DWORD>(layout->imageSize);
    bitmap->dibHeader = header;
    if (bits != nullptr) {
        *bits = bitmap->surface.Bits();
    }
    return handle;
}

int GetDIBits(HDC dc, HBITMAP handle, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info,
              UINT usage) {
    Bitmap* bitmap = Lookup<Bitmap>(handle);
    if (LookupDc(dc) == nullptr || bitmap == nullptr || info == nullptr ||
        usage != DIB_RGB_COLORS) {
        return 0;
    }
    const Surface& surface = bitmap->surface;
    BITMAPINFOHEADER& header = info->bmiHeader;
    if (header.biBitCount == 0) {
        // Describe the bitmap in its own format.
        DibLayout own =
            LayoutFor(surface.Width(), surface.Height(), bitmap->ReportedBitsPerPixel(), false);
        // Only the header: the caller may not have room for a table yet.
        WriteDibHeader(own, info, DibTable::Omit);
        return 1;
    }
    bool topDown = header.biHeight < 0;
    DibLayout layout = LayoutFor(surface.Width(), surface.Height(), header.biBitCount, topDown);
    if (layout.bitCount != 1 && layout.bitCount != 24 && layout.bitCount != 32) {
        return 0;
    }
    if (layout.bitCount == 1 && surface.Format() == PixelFormat::Mono) {
        layout.colors = {surface.monoColors[0], surface.monoColors[1]};
    }
    // 32-bit rows asked for without masks keep that: the caller's BITMAPINFO may have no room
    // for them, and its rows are laid out as the usual masks say either way.
    if (layout.bitCount == 32 && header.biCompression != BI_BITFIELDS) {
        layout.compression = BI_RGB;
    }
    WriteDibHeader(layout, info, DibTable::Write);
    if (bits == nullptr) {
        return 1;
    }
    if (start >= static_cast<UINT>(surface.Height())) {
        return 0;
    }
    UINT count = std::min<UINT>(lines, static_cast<UINT>(surface.Height()) - start);
    EncodeDibRows(surface, layout, static_cast<int>(start), static_cast<int>(count),
                  static_cast<std::uint8_t*>(bits));
    return static_cast<int>(count);
}

int SetDIBits(HDC /*dc*/, HBITMAP handle, UINT start, UINT lines, LPCVOID bits,
              const BITMAPINFO* info, UINT usage) {
    Bitmap* bitmap = Lookup<Bitmap>(handle);
    if (bitmap == nullptr || bits == nullptr) {
        return 0;
    }
    std::optional<DibLayout> layout = CallerLayout(info ? &info->bmiHeader : nullptr, usage);
    if (!layout || layout->width != bitmap->surface.Width() ||
        layout->height != bitmap->surface.Height() || start >= static_cast<UINT>(layout->height)) {
        return 0;
    }
    UINT count = std::min<UINT>(lines, static_cast<UINT>(layout->height) - start);
    DecodeDibRows(*layout, static_cast<const std::uint8_t*>(bits), static_cast<int>(start),
                  static_cast<int>(count), bitmap->surface);
    return static_cast<int>(count);
}

namespace {
// The surface holding logical pixel (x, y) of a context, and the pixel's place on it.
Surface* PixelAt(HDC dc, int x, int y, POINT& place) {
    DeviceContext* context = LookupDc(dc);
    Surface* surface = context ? context->Target() : nullptr;
    if (surface == nullptr) {
        return nullptr;
    }
    DevicePoint device = context->ToTarget(POINT{x, y});
    if (device.x < 0 || device.y < 0 || device.x >= surface->Width() ||
        device.y >= surface->Height()) {
        return nullptr;
    }
    place = POINT{static_cast<LONG>(device.x), static_cast<LONG>(device.y)};
    return surface;
}
} // namespace

COLORREF GetPixel(HDC dc, int x, int y) {
    POINT place{};
    Surface* surface = PixelAt(dc, x, y, place);
    return surface ? surface->Get(place.x, place.y) : CLR_INVALID;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
    POINT place{};
    Surface* surface = PixelAt(dc, x, y, place);
    if (surface == nullptr) {
        return CLR_INVALID;
    }
    surface->Set(place.x, place.y, color);
    return surface->Get(place.x, place.y);
}

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop) {
    return Blit(destination, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

BOOL StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    return Blit(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                sourceHeight, rop);
}

int StretchDIBits(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight, LPCVOID bits, const BITMAPINFO* info,
                  UINT usage, DWORD rop) {
    DeviceContext* context = LookupDc(dc);
    std::optional<DibLayout> layout = CallerLayout(info ? &info->bmiHeader : nullptr, usage);
    if (context == nullptr || !layout || bits == nullptr) {
        return 0;
    }
    Surface* surface = context->Target();
    if (surface == nullptr) {
        return layout->height;
    }
    Surface picture(layout->width, layout->height, PixelFormat::Rgb32);
    DecodeDibRows(*layout, static_cast<const std::uint8_t*>(bits), 0, layout->height, picture);
    // The source rectangle counts rows from the bottom of a bottom-up picture.
    std::int64_t top = layout->topDown ? std::int64_t{sourceY}
                                       : std::int64_t{layout->height} - sourceY - sourceHeight;
    BlitColors colors{context->BrushColor(), 0xFFFFFF, context->Values().textColor,
                      context->Values().backgroundColor};
    StretchBlit(*surface, context->Clip(), context->ToTarget(x, y, width, height), &picture,
                DeviceRect{sourceX, top, std::int64_t{sourceX} + sourceWidth, top + sourceHeight},
                static_cast<std::uint8_t>(rop >> 16), colors);
    return layout->height;
}
