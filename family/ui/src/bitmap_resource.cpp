#include "family/ui/src/bitmap_resource.h"

#include <cstring>
#include <vector>

namespace vistel {

namespace {

constexpr DWORD kUncompressed = 0; // BI_RGB
constexpr WORD kPaletteVersion = 0x300;
constexpr int kMaximumBitsWithColourTable = 8;

// The parts of a resource's bitmap, each checked against the resource's length.
struct DeviceIndependentBitmap {
    BITMAPINFOHEADER header{};
    DWORD colourCount = 0;
    // The information header and colour table, aligned for the GDI calls.
    std::vector<std::uint32_t> info;
    const BYTE* bits = nullptr;
};

bool ReadBitmap(const BYTE* data, DWORD size, DeviceIndependentBitmap& out) {
    if (data == nullptr || size < sizeof(BITMAPINFOHEADER)) {
        return false;
    }
    std::memcpy(&out.header, data, sizeof out.header);
    const BITMAPINFOHEADER& header = out.header;
    const WORD bitCount = header.biBitCount;
    const bool knownDepth = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                            bitCount == 24 || bitCount == 32;
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > size || header.biPlanes != 1 ||
        !knownDepth || header.biCompression != kUncompressed || header.biWidth <= 0 ||
        header.biHeight == 0 || header.biHeight == INT32_MIN) {
        return false;
    }
    // A colour count of 0 means a full table; bitmaps of more than 8 bits per pixel have none.
    if (bitCount > kMaximumBitsWithColourTable) {
        out.colourCount = 0;
    } else {
        const DWORD fullTable = DWORD{1} << bitCount;
        out.colourCount = header.biClrUsed == 0 ? fullTable : header.biClrUsed;
        if (out.colourCount > fullTable) {
            return false;
        }
    }
    const std::uint64_t height = static_cast<std::uint64_t>(
        header.biHeight < 0 ? -std::int64_t{header.biHeight} : std::int64_t{header.biHeight});
    const std::uint64_t rowBytes =
        (static_cast<std::uint64_t>(bitCount) * static_cast<std::uint64_t>(header.biWidth) + 31) /
        32 * 4;
    const std::uint64_t imageSize =
        header.biSizeImage == 0 ? rowBytes * height : std::uint64_t{header.biSizeImage};
    const std::uint64_t tableBytes = std::uint64_t{out.colourCount} * sizeof(RGBQUAD);
    if (imageSize < rowBytes * height ||
        std::uint64_t{header.biSize} + tableBytes + imageSize > size) {
        return false;
    }
    const std::size_t infoBytes = sizeof(BITMAPINFOHEADER) + static_cast<std::size_t>(tableBytes);
    out.info.assign((infoBytes + 3) / 4 + 1, 0);
    std::memcpy(out.info.data(), &out.header, sizeof out.header);
    reinterpret_cast<BITMAPINFOHEADER*>(out.info.data())->biSize = sizeof(BITMAPINFOHEADER);
    std::memcpy(reinterpret_cast<BYTE*>(out.info.data()) + sizeof(BITMAPINFOHEADER),
                data + header.biSize, static_cast<std::size_t>(tableBytes));
    out.bits = data + header.biSize + tableBytes;
    return true;
}

HPALETTE CreateTablePalette(const DeviceIndependentBitmap& bitmap) {
    const auto* table = reinterpret_cast<const RGBQUAD*>(
        reinterpret_cast<const BYTE*>(bitmap.info.data()) + sizeof(BITMAPINFOHEADER));
    std::vector<BYTE> memory(sizeof(LOGPALETTE) + bitmap.colourCount * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(memory.data());
    logical->palVersion = kPaletteVersion;
    logical->palNumEntries = static_cast<WORD>(bitmap.colourCount);
    for (DWORD i = 0; i < bitmap.colourCount; ++i) {
        logical->palPalEntry[i] =
            PALETTEENTRY{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    }
    return CreatePalette(logical);
}

} // namespace

HBITMAP CreateBitmapFromResource(HINSTANCE instance, const char* name, HPALETTE* palette) {
    if (name == nullptr) {
        return nullptr;
    }
    const HRSRC resource = FindResourceA(instance, name, RT_BITMAP);
    if (resource == nullptr) {
        return nullptr;
    }
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, resource)));
    return CreateBitmapFromBytes(data, SizeofResource(instance, resource), palette);
}

HBITMAP CreateBitmapFromBytes(const BYTE* data, DWORD size, HPALETTE* palette) {
    DeviceIndependentBitmap bitmap;
    if (!ReadBitmap(data, size, bitmap)) {
        return nullptr;
    }
    HPALETTE created = nullptr;
    if (palette != nullptr && bitmap.colourCount > 0) {
        created = CreateTablePalette(bitmap);
        if (created == nullptr) {
            return nullptr;
        }
    }
    const HDC screen = GetDC(nullptr);
    const HPALETTE previous = created != nullptr ? SelectPalette(screen, created, FALSE) : nullptr;
    if (created != nullptr) {
        RealizePalette(screen);
    }
    const HBITMAP result =
        CreateDIBitmap(screen, &bitmap.header, CBM_INIT, bitmap.bits,
                       reinterpret_cast<const BITMAPINFO*>(bitmap.info.data()), DIB_RGB_COLORS);
    if (created != nullptr) {
        SelectPalette(screen, previous, FALSE);
        RealizePalette(screen);
    }
    ReleaseDC(nullptr, screen);
    if (result == nullptr) {
        if (created != nullptr) {
            DeleteObject(created);
        }
        return nullptr;
    }
    if (palette != nullptr) {
        *palette = created;
    }
    return result;
}

} // namespace vistel
