// GDI objects: stock objects, pens, brushes, fonts, palettes, and deleting and describing them.
#include "platform/win32/src/gdi/device_context.h"

#include <cstring>

using namespace win32;

namespace {
template <typename Handle, typename T, typename... Args>
Handle Enter(Args&&... args) {
    std::uint32_t handle =
        HandleTable::Instance().Insert(std::make_unique<T>(std::forward<Args>(args)...));
    return MakeHandle<Handle>(handle);
}

template <typename T>
int CopyOut(const T& value, int size, LPVOID buffer) {
    if (buffer == nullptr) {
        return static_cast<int>(sizeof(T));
    }
    if (size < static_cast<int>(sizeof(T))) {
        return 0;
    }
    std::memcpy(buffer, &value, sizeof(T));
    return static_cast<int>(sizeof(T));
}
} // namespace

HGDIOBJ GetStockObject(int index) {
    return MakeHandle<HGDIOBJ>(StockObject(index));
}

BOOL DeleteObject(HGDIOBJ object) {
    HandleObject* found = HandleTable::Instance().Find(HandleValue(object));
    // Contexts, windows and metafiles have their own calls to delete them.
    if (found == nullptr || found->Kind() == ObjectKind::DeviceContext ||
        found->Kind() == ObjectKind::Window || found->Kind() == ObjectKind::Metafile) {
        return FALSE;
    }
    if (found->stock) {
        return TRUE;
    }
    if (found->holders > 0) {
        return FALSE;
    }
    HandleTable::Instance().Remove(HandleValue(object));
    return TRUE;
}

DWORD GetObjectType(HGDIOBJ object) {
    HandleObject* found = HandleTable::Instance().Find(HandleValue(object));
    if (found == nullptr || found->Kind() == ObjectKind::Window) {
        return 0;
    }
    if (auto* dc = dynamic_cast<DeviceContext*>(found)) {
        return dc->Device() == DeviceKind::Memory ? OBJ_MEMDC : OBJ_DC;
    }
    return static_cast<DWORD>(found->Kind());
}

int GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
    HandleObject* found = HandleTable::Instance().Find(HandleValue(object));
    if (found == nullptr || size < 0) {
        return 0;
    }
    switch (found->Kind()) {
    case ObjectKind::Pen: {
        auto* pen = static_cast<Pen*>(found);
        return CopyOut(LOGPEN{static_cast<UINT>(pen->style), POINT{pen->width, 0}, pen->color},
                       size, buffer);
    }
    case ObjectKind::Brush: {
        auto* brush = static_cast<Brush*>(found);
        return CopyOut(
            LOGBRUSH{static_cast<UINT>(brush->isNull ? BS_NULL : BS_SOLID), brush->color, 0}, size,
            buffer);
    }
    case ObjectKind::Font:
        return CopyOut(static_cast<Font*>(found)->logFont, size, buffer);
    case ObjectKind::Palette:
        return CopyOut(static_cast<WORD>(static_cast<Palette*>(found)->entries.size()), size,
                       buffer);
    case ObjectKind::Bitmap: {
        auto* bitmap = static_cast<Bitmap*>(found);
        const Surface& s = bitmap->surface;
        int bits = bitmap->ReportedBitsPerPixel();
        BITMAP info{};
        info.bmWidth = s.Width();
        info.bmHeight = s.Height();
        info.bmPlanes = 1;
        info.bmBitsPixel = static_cast<WORD>(bits);
        if (bitmap->dibHeader) {
            info.bmWidthBytes = static_cast<LONG>(s.Stride());
            info.bmBits = const_cast<std::uint8_t*>(s.Bits());
            if (buffer != nullptr && size >= static_cast<int>(sizeof(DIBSECTION))) {
                DIBSECTION section{};
                section.dsBm = info;
                section.dsBmih = *bitmap->dibHeader;
                return CopyOut(section, size, buffer);
            }
        } else {
            // Device-dependent rows are counted in 16-bit words.
            info.bmWidthBytes =
                static_cast<LONG>((static_cast<std::size_t>(s.Width()) * bits + 15) / 16 * 2);
        }
        return CopyOut(info, size, buffer);
    }
    case ObjectKind::DeviceContext:
    case ObjectKind::Metafile:
    case ObjectKind::Window:
        return 0;
    }
    return 0;
}

HPEN CreatePen(int style, int width, COLORREF color) {
    // Dashed and dotted styles are drawn solid: the libraries draw only solid lines.
    if (style < PS_SOLID || style > PS_INSIDEFRAME) {
        return nullptr;
    }
    return Enter<HPEN, Pen>(style, width < 0 ? 0 : width, color & 0xFFFFFF);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return Enter<HBRUSH, Brush>(false, color & 0xFFFFFF);
}

HFONT CreateFontIndirectA(const LOGFONTA* font) {
    if (font == nullptr) {
        return nullptr;
    }
    LOGFONTA copy = *font;
    copy.lfFaceName[LF_FACESIZE - 1] = '\0';
    return Enter<HFONT, Font>(copy);
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = static_cast<BYTE>(italic);
    font.lfUnderline = static_cast<BYTE>(underline);
    font.lfStrikeOut = static_cast<BYTE>(strikeOut);
    font.lfCharSet = static_cast<BYTE>(charSet);
    font.lfOutPrecision = static_cast<BYTE>(outPrecision);
    font.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    font.lfQuality = static_cast<BYTE>(quality);
    font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName != nullptr) {
        std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    }
    return CreateFontIndirectA(&font);
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (palette == nullptr || palette->palVersion != 0x300 || palette->palNumEntries == 0) {
        return nullptr;
    }
    std::vector<PALETTEENTRY> entries(palette->palPalEntry,
                                      palette->palPalEntry + palette->palNumEntries);
    return Enter<HPALETTE, Palette>(std::move(entries));
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL /*forceBackground*/) {
    DeviceContext* context = LookupDc(dc);
    if (context == nullptr || Lookup<Palette>(palette) == nullptr) {
        return nullptr;
    }
    return MakeHandle<HPALETTE>(context->Select(HandleValue(palette)));
}

// Every device here is true colour: realizing maps no entry and changes no pixel.
UINT RealizePalette(HDC dc) {
    return LookupDc(dc) ? 0 : static_cast<UINT>(GDI_ERROR);
}
