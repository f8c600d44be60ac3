#include "platform/win32/src/gdi/surface.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace win32 {

int BitsPerPixel(PixelFormat format) {
    switch (format) {
    case PixelFormat::Mono:
        return 1;
    case PixelFormat::Rgb24:
        return 24;
    case PixelFormat::Rgb32:
        return 32;
    }
    return 32;
}

std::size_t PaddedStride(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

Surface::Surface(int width, int height, PixelFormat format, bool topDown)
    : width_(width), height_(height), format_(format), topDown_(topDown),
      stride_(PaddedStride(width, BitsPerPixel(format))),
      bits_(stride_ * static_cast<std::size_t>(height)) {}

namespace {
// A 32-bit pixel's bytes as the little-endian number they make: blue, green, red, unused.
constexpr std::uint32_t LittleEndian(std::uint32_t value) {
    if constexpr (std::endian::native == std::endian::little) {
        return value;
    } else {
        return __builtin_bswap32(value);
    }
}

int SquaredDistance(COLORREF a, COLORREF b) {
    int r = static_cast<int>(GetRValue(a)) - GetRValue(b);
    int g = static_cast<int>(GetGValue(a)) - GetGValue(b);
    int bl = static_cast<int>(GetBValue(a)) - GetBValue(b);
    return r * r + g * g + bl * bl;
}
} // namespace

bool Surface::MonoBit(COLORREF color) const {
    if (color == monoColors[1]) {
        return true;
    }
    if (color == monoColors[0]) {
        return false;
    }
    return SquaredDistance(color, monoColors[1]) < SquaredDistance(color, monoColors[0]);
}

COLORREF Surface::Nearest(COLORREF color) const {
    color &= 0xFFFFFF;
    return format_ == PixelFormat::Mono ? monoColors[MonoBit(color)] : color;
}

COLORREF Surface::Get(int x, int y) const {
    const std::uint8_t* row = Row(y);
    switch (format_) {
    case PixelFormat::Mono:
        return monoColors[(row[x >> 3] >> (7 - (x & 7))) & 1];
    case PixelFormat::Rgb24: {
        const std::uint8_t* p = row + x * 3;
        return RGB(p[2], p[1], p[0]);
    }
    case PixelFormat::Rgb32: {
        const std::uint8_t* p = row + x * 4;
        return RGB(p[2], p[1], p[0]);
    }
    }
    return 0;
}

void Surface::Set(int x, int y, COLORREF color) {
    std::uint8_t* row = Row(y);
    switch (format_) {
    case PixelFormat::Mono: {
        std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (x & 7));
        if (MonoBit(color & 0xFFFFFF)) {
            row[x >> 3] |= mask;
        } else {
            row[x >> 3] &= static_cast<std::uint8_t>(~mask);
        }
        break;
    }
    case PixelFormat::Rgb24: {
        std::uint8_t* p = row + x * 3;
        p[0] = GetBValue(color);
        p[1] = GetGValue(color);
        p[2] = GetRValue(color);
        break;
    }
    case PixelFormat::Rgb32: {
        std::uint8_t* p = row + x * 4;
        p[0] = GetBValue(color);
        p[1] = GetGValue(color);
        p[2] = GetRValue(color);
        p[3] = 0;
        break;
    }
    }
}

void Surface::GetSpan(int left, int count, int y, std::uint32_t* pixels) const {
    const std::uint8_t* row = Row(y);
    switch (format_) {
    case PixelFormat::Mono:
        GetMonoSpan(left, count, y, {PackedPixel(monoColors[0]), PackedPixel(monoColors[1])},
                    pixels);
        break;
    case PixelFormat::Rgb24: {
        const std::uint8_t* p = row + static_cast<std::size_t>(left) * 3;
        for (int i = 0; i < count; ++i, p += 3) {
            pixels[i] =
                std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
        }
        break;
    }
    case PixelFormat::Rgb32: {
        // The fourth byte of a pixel is no part of its colour.
        std::memcpy(pixels, row + static_cast<std::size_t>(left) * 4,
                    static_cast<std::size_t>(count) * 4);
        for (int i = 0; i < count; ++i) {
            pixels[i] = LittleEndian(pixels[i]) & 0xFFFFFF;
        }
        break;
    }
    }
}

void Surface::GetMonoSpan(int left, int count, int y, std::array<std::uint32_t, 2> colors,
                          std::uint32_t* pixels) const {
    const std::uint8_t* row = Row(y);
    int i = 0;
    // Single bits up to a byte boundary, then eight pixels from each byte.
    for (; i < count && ((left + i) & 7) != 0; ++i) {
        const int x = left + i;
        pixels[i] = colors[(row[x >> 3] >> (7 - (x & 7))) & 1];
    }
    for (; i + 8 <= count; i += 8) {
        const std::uint8_t byte = row[(left + i) >> 3];
        for (int bit = 0; bit < 8; ++bit) {
            pixels[i + bit] = colors[(byte >> (7 - bit)) & 1];
        }
    }
    for (; i < count; ++i) {
        const int x = left + i;
        pixels[i] = colors[(row[x >> 3] >> (7 - (x & 7))) & 1];
    }
}

void Surface::SetSpan(int left, int count, int y, const std::uint32_t* pixels) {
    std::uint8_t* row = Row(y);
    switch (format_) {
    case PixelFormat::Mono: {
        // Single bits up to a byte boundary, whole bytes of eight pixels, single bits after.
        int i = 0;
        for (; i < count && ((left + i) & 7) != 0; ++i) {
            Set(left + i, y, ColorOfPacked(pixels[i]));
        }
        // The table's own colours, the usual ones, are told without a call each.
        const std::uint32_t clear = PackedPixel(monoColors[0]);
        const std::uint32_t set = PackedPixel(monoColors[1]);
        const auto isSet = [&](std::uint32_t pixel) {
            pixel &= 0xFFFFFF;
            return pixel == set || (pixel != clear && MonoBit(ColorOfPacked(pixel)));
        };
        for (; i + 8 <= count; i += 8) {
            std::uint8_t byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                byte = static_cast<std::uint8_t>(byte << 1 | (isSet(pixels[i + bit]) ? 1 : 0));
            }
            row[(left + i) >> 3] = byte;
        }
        for (; i < count; ++i) {
            Set(left + i, y, ColorOfPacked(pixels[i]));
        }
        break;
    }
    case PixelFormat::Rgb24: {
        std::uint8_t* p = row + static_cast<std::size_t>(left) * 3;
        for (int i = 0; i < count; ++i, p += 3) {
            p[0] = static_cast<std::uint8_t>(pixels[i]);
            p[1] = static_cast<std::uint8_t>(pixels[i] >> 8);
            p[2] = static_cast<std::uint8_t>(pixels[i] >> 16);
        }
        break;
    }
    case PixelFormat::Rgb32: {
        std::uint8_t* p = row + static_cast<std::size_t>(left) * 4;
        for (int i = 0; i < count; ++i, p += 4) {
            const std::uint32_t pixel = LittleEndian(pixels[i] & 0xFFFFFF);
            std::memcpy(p, &pixel, 4);
        }
        break;
    }
    }
}

void Surface::FillSpan(int left, int right, int y, COLORREF color) {
    if (left >= right) {
        return;
    }
    if (format_ == PixelFormat::Rgb32) {
        std::uint32_t value = static_cast<std::uint32_t>(GetBValue(color)) |
                              (static_cast<std::uint32_t>(GetGValue(color)) << 8) |
                              (static_cast<std::uint32_t>(GetRValue(color)) << 16);
        auto* p = reinterpret_cast<std::uint32_t*>(Row(y)) + left;
        std::fill(p, p + (right - left), value);
        return;
    }
    if (format_ == PixelFormat::Mono) {
        // Whole bytes in the middle at once, single bits at both ends.
        std::uint8_t* row = Row(y);
        std::uint8_t fill = MonoBit(color & 0xFFFFFF) ? 0xFF : 0x00;
        int x = left;
        for (; x < right && (x & 7) != 0; ++x) {
            Set(x, y, color);
        }
        int wholeBytes = (right - x) / 8;
        std::memset(row + x / 8, fill, static_cast<std::size_t>(wholeBytes));
        for (x += wholeBytes * 8; x < right; ++x) {
            Set(x, y, color);
        }
        return;
    }
    for (int x = left; x < right; ++x) {
        Set(x, y, color);
    }
}

void Surface::Fill(COLORREF color) {
    for (int y = 0; y < height_; ++y) {
        FillSpan(0, width_, y, color);
    }
}

} // namespace win32
