#include "family/print/src/render/packed_dib.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace pressel {
namespace {

constexpr std::uint64_t kMaxBlockBytes = std::numeric_limits<std::int32_t>::max();

WORD RoundedBitCount(int bits) {
    if (bits <= 1) {
        return 1;
    }
    if (bits <= 4) {
        return 4;
    }
    return bits <= 8 ? 8 : 24;
}

std::size_t ColourTableBytes(WORD bitCount) {
    return bitCount < 24 ? (std::size_t{1} << bitCount) * sizeof(RGBQUAD) : 0;
}

} // namespace

HGLOBAL BitmapToDib(HDC dc, HBITMAP bitmap) {
    BITMAP description{};
    if (bitmap == nullptr || GetObject(bitmap, sizeof description, &description) == 0 ||
        description.bmWidth <= 0 || description.bmHeight <= 0) {
        return nullptr;
    }
    const WORD bitCount = RoundedBitCount(description.bmPlanes * description.bmBitsPixel);
    const std::uint64_t rowBytes =
        (static_cast<std::uint64_t>(bitCount) * static_cast<std::uint64_t>(description.bmWidth) +
         31) /
        32 * 4;
    const std::uint64_t imageBytes = rowBytes * static_cast<std::uint64_t>(description.bmHeight);
    const std::size_t tableBytes = ColourTableBytes(bitCount);
    const std::uint64_t blockBytes = sizeof(BITMAPINFOHEADER) + tableBytes + imageBytes;
    if (blockBytes > kMaxBlockBytes) {
        return nullptr;
    }
    HGLOBAL block = GlobalAlloc(GHND, static_cast<SIZE_T>(blockBytes));
    if (block == nullptr) {
        return nullptr;
    }
    auto* bytes = static_cast<std::uint8_t*>(GlobalLock(block));
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = description.bmWidth;
    header.biHeight = description.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = bitCount;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(imageBytes);
    std::memcpy(bytes, &header, sizeof header);
    const int copied = GetDIBits(dc, bitmap, 0, static_cast<UINT>(description.bmHeight),
                                 bytes + sizeof header + tableBytes,
                                 reinterpret_cast<BITMAPINFO*>(bytes), DIB_RGB_COLORS);
    GlobalUnlock(block);
    if (copied == 0) {
        GlobalFree(block);
        return nullptr;
    }
    return block;
}

PackedDibView ViewPackedDib(const void* block) {
    const auto* info = static_cast<const BITMAPINFO*>(block);
    const std::size_t tableBytes = ColourTableBytes(info->bmiHeader.biBitCount);
    return {info, static_cast<const std::uint8_t*>(block) + sizeof(BITMAPINFOHEADER) + tableBytes};
}

} // namespace pressel
