// Pixel storage of a bitmap: monochrome (1 bit, two-colour table), 24-bit or 32-bit colour, rows
// padded to 4 bytes, stored top-down or bottom-up. Pixels are read and written as COLORREFs;
// writing a colour into a monochrome surface picks the nearer of its two table colours.
#pragma once

#include "platform/win32/windef.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace win32 {

enum class PixelFormat { Mono, Rgb24, Rgb32 };

int BitsPerPixel(PixelFormat format);

// A colour in the order of the bytes of a colour row (blue first in memory): 0x00RRGGBB, where
// a COLORREF is 0x00BBGGRR. Bitwise raster operations give the same result in either order.
constexpr std::uint32_t PackedPixel(COLORREF color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
// The same swap turns a packed pixel back into a COLORREF.
constexpr COLORREF ColorOfPacked(std::uint32_t pixel) {
    return PackedPixel(pixel);
}
// Bytes per row of `width` pixels of `bitsPerPixel`, padded to 4 bytes.
std::size_t PaddedStride(int width, int bitsPerPixel);

class Surface {
public:
    Surface(int width, int height, PixelFormat format, bool topDown = true);

    int Width() const { return width_; }
    int Height() const { return height_; }
    PixelFormat Format() const { return format_; }
    bool TopDown() const { return topDown_; }
    std::size_t Stride() const { return stride_; }
    std::uint8_t* Bits() { return bits_.data(); }
    const std::uint8_t* Bits() const { return bits_.data(); }
    std::size_t ByteSize() const { return bits_.size(); }

    // Row y counted from the top of the picture.
    std::uint8_t* Row(int y) { return bits_.data() + RowOffset(y); }
    const std::uint8_t* Row(int y) const { return bits_.data() + RowOffset(y); }

    COLORREF Get(int x, int y) const;
    void Set(int x, int y, COLORREF color);
    // Pixels left..left+count-1 of row y read into `pixels`, or written from them, as Get and
    // Set do one at a time but in the order the colour rows hold their bytes: 0x00RRGGBB
    // (PackedPixel). The caller has clipped them.
    void GetSpan(int left, int count, int y, std::uint32_t* pixels) const;
    void SetSpan(int left, int count, int y, const std::uint32_t* pixels);
    // GetSpan of a monochrome surface with `colors` for its clear and set bits in place of its
    // table.
    void GetMonoSpan(int left, int count, int y, std::array<std::uint32_t, 2> colors,
                     std::uint32_t* pixels) const;
    // Fills pixels left..right-1 of row y; the caller has clipped them.
    void FillSpan(int left, int right, int y, COLORREF color);
    void Fill(COLORREF color);

    // The colour a drawing colour becomes on this surface (exact for colour surfaces).
    COLORREF Nearest(COLORREF color) const;

    // Colour table of a monochrome surface: index 0 for clear bits, 1 for set bits.
    std::array<COLORREF, 2> monoColors{0x000000, 0xFFFFFF};

private:
    std::size_t RowOffset(int y) const {
        return static_cast<std::size_t>(topDown_ ? y : height_ - 1 - y) * stride_;
    }
    bool MonoBit(COLORREF color) const;

    int width_;
    int height_;
    PixelFormat format_;
    bool topDown_;
    std::size_t stride_;
    std::vector<std::uint8_t> bits_;
};

} // namespace win32
