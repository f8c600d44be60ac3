#include "platform/win32/src/gdi/dib.h"

#include "platform/bytes/byte_order.h"

#include <bit>
#include <cstring>
#include <vector>

namespace win32 {

namespace {

bool Fail(std::string& error, const char* text) {
    error = text;
    return false;
}

// One channel out of a masked value, scaled to 0..255.
std::uint8_t Channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = std::countr_zero(mask);
    std::uint32_t maximum = mask >> shift;
    std::uint32_t v = (value & mask) >> shift;
    return static_cast<std::uint8_t>((static_cast<std::uint64_t>(v) * 255 + maximum / 2) / maximum);
}

bool MasksValid(const std::array<DWORD, 3>& masks) {
    for (DWORD mask : masks) {
        if (mask == 0) {
            continue;
        }
        // A mask must be one run of set bits.
        DWORD shifted = mask >> std::countr_zero(mask);
        if ((shifted & (shifted + 1)) != 0) {
            return false;
        }
    }
    return true;
}

// Whether a row of `bitCount` bits a pixel holds its colours as the surfaces do: blue, green
// and red bytes, then for 32 bits one byte that is no part of the colour.
bool RowsAsSurfaces(const DibLayout& layout) {
    return layout.bitCount == 24 ||
           (layout.bitCount == 32 &&
            layout.masks == std::array<DWORD, 3>{0xFF0000, 0x00FF00, 0x0000FF});
}

// Copies `width` pixels between rows of 3 or 4 bytes a pixel in that order, the fourth byte
// written as zero: what SetSpan of GetSpan's packed pixels gives, without them.
void CopyColourRow(const std::uint8_t* from, int fromBytes, std::uint8_t* to, int toBytes,
                   int width) {
    const auto count = static_cast<std::size_t>(width);
    if (fromBytes == toBytes) {
        std::memcpy(to, from, count * static_cast<std::size_t>(toBytes));
        if (toBytes == 4) {
            for (std::size_t x = 0; x < count; ++x) {
                to[4 * x + 3] = 0;
            }
        }
        return;
    }
    for (std::size_t x = 0; x < count; ++x) {
        const std::uint8_t* in = from + x * static_cast<std::size_t>(fromBytes);
        std::uint8_t* out = to + x * static_cast<std::size_t>(toBytes);
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
        if (toBytes == 4) {
            out[3] = 0;
        }
    }
}

} // namespace

std::optional<DibLayout> ParseDibHeader(const std::uint8_t* info, std::size_t available,
                                        std::string& error) {
    if (available < 40) {
        return Fail(error, "bitmap header truncated"), std::nullopt;
    }
    std::uint32_t headerBytes = bytes::LoadU32LE(info);
    if (headerBytes < 40 || headerBytes > available) {
        return Fail(error, "bitmap header size invalid"), std::nullopt;
    }
    DibLayout layout;
    std::int32_t width = static_cast<std::int32_t>(bytes::LoadU32LE(info + 4));
    std::int32_t height = static_cast<std::int32_t>(bytes::LoadU32LE(info + 8));
    layout.bitCount = bytes::LoadU16LE(info + 14);
    layout.compression = bytes::LoadU32LE(info + 16);
    std::uint32_t colorsUsed = bytes::LoadU32LE(info + 32);
    if (width <= 0 || height == 0 || height == INT32_MIN) {
        return Fail(error, "bitmap size invalid"), std::nullopt;
    }
    layout.width = width;
    layout.height = height < 0 ? -height : height;
    layout.topDown = height < 0;
    if (layout.width > kMaxDibSide || layout.height > kMaxDibSide ||
        static_cast<long long>(layout.width) * layout.height > kMaxDibPixels) {
        return Fail(error, "bitmap too large"), std::nullopt;
    }
    switch (layout.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return Fail(error, "bits per pixel unsupported"), std::nullopt;
    }
    std::size_t offset = headerBytes;
    if (layout.compression == BI_BITFIELDS) {
        if (layout.bitCount != 16 && layout.bitCount != 32) {
            return Fail(error, "colour masks need 16 or 32 bits per pixel"), std::nullopt;
        }
        const std::uint8_t* masks = info + 40;
        if (headerBytes < 52) {
            if (available - offset < 12) {
                return Fail(error, "colour masks truncated"), std::nullopt;
            }
            offset += 12;
        }
        for (int i = 0; i < 3; ++i) {
            layout.masks[i] = bytes::LoadU32LE(masks + 4 * i);
        }
        if (!MasksValid(layout.masks)) {
            return Fail(error, "colour masks invalid"), std::nullopt;
        }
    } else if (layout.compression == BI_RGB) {
        if (layout.bitCount == 16) {
            layout.masks = {0x7C00, 0x03E0, 0x001F};
        } else if (layout.bitCount == 32) {
            layout.masks = {0xFF0000, 0x00FF00, 0x0000FF};
        }
    } else {
        return Fail(error, "compression unsupported"), std::nullopt;
    }
    if (layout.bitCount <= 8) {
        std::uint32_t maximum = 1u << layout.bitCount;
        std::uint32_t count = colorsUsed == 0 ? maximum : colorsUsed;
        if (count > maximum) {
            return Fail(error, "colour table too large"), std::nullopt;
        }
        if ((available - offset) / 4 < count) {
            return Fail(error, "colour table truncated"), std::nullopt;
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t* q = info + offset + 4 * i;
            layout.colors.push_back(RGB(q[2], q[1], q[0]));
        }
        offset += 4 * static_cast<std::size_t>(count);
    }
    layout.headerSize = offset;
    layout.stride = PaddedStride(layout.width, layout.bitCount);
    layout.imageSize = layout.stride * static_cast<std::size_t>(layout.height);
    return layout;
}

void DecodeDibRows(const DibLayout& layout, const std::uint8_t* bits, int first, int count,
                   Surface& destination) {
    // Each row is turned into packed pixels (surface.h) and written to the surface whole.
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(layout.width));
    std::vector<std::uint32_t> table;
    for (const COLORREF color : layout.colors) {
        table.push_back(PackedPixel(color));
    }
    const auto masked = [&layout](std::uint32_t v) {
        return (std::uint32_t{Channel(v, layout.masks[0])} << 16) |
               (std::uint32_t{Channel(v, layout.masks[1])} << 8) | Channel(v, layout.masks[2]);
    };
    const bool copyRows = RowsAsSurfaces(layout) && destination.Format() != PixelFormat::Mono;
    for (int i = 0; i < count; ++i) {
        int stored = first + i;
        int y = layout.topDown ? stored : layout.height - 1 - stored;
        const std::uint8_t* row = bits + static_cast<std::size_t>(i) * layout.stride;
        if (copyRows) {
            CopyColourRow(row, layout.bitCount / 8, destination.Row(y),
                          BitsPerPixel(destination.Format()) / 8, layout.width);
            continue;
        }
        for (int x = 0; x < layout.width; ++x) {
            std::uint32_t pixel = 0;
            switch (layout.bitCount) {
            case 1:
            case 4:
            case 8: {
                int perByte = 8 / layout.bitCount;
                int shift = 8 - layout.bitCount * (x % perByte + 1);
                unsigned index = (row[x / perByte] >> shift) & ((1u << layout.bitCount) - 1);
                // An index past a short colour table reads as black.
                pixel = index < table.size() ? table[index] : 0;
                break;
            }
            case 16:
                pixel = masked(bytes::LoadU16LE(row + 2 * x));
                break;
            case 24:
                pixel = std::uint32_t{row[3 * x]} | (std::uint32_t{row[3 * x + 1]} << 8) |
                        (std::uint32_t{row[3 * x + 2]} << 16);
                break;
            case 32:
                pixel = masked(bytes::LoadU32LE(row + 4 * x));
                break;
            }
            pixels[static_cast<std::size_t>(x)] = pixel;
        }
        destination.SetSpan(0, layout.width, y, pixels.data());
    }
}

bool EncodeDibRows(const Surface& source, const DibLayout& layout, int first, int count,
                   std::uint8_t* bits) {
    if (layout.bitCount != 1 && layout.bitCount != 24 && layout.bitCount != 32) {
        return false;
    }
    // Each row is read from the surface whole, as packed pixels (surface.h).
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(layout.width));
    const std::uint32_t white = PackedPixel(source.monoColors[1]);
    const bool copyRows = layout.bitCount != 1 && source.Format() != PixelFormat::Mono;
    for (int i = 0; i < count; ++i) {
        int stored = first + i;
        int y = layout.topDown ? stored : layout.height - 1 - stored;
        std::uint8_t* row = bits + static_cast<std::size_t>(i) * layout.stride;
        std::memset(row, 0, layout.stride);
        if (copyRows) {
            CopyColourRow(source.Row(y), BitsPerPixel(source.Format()) / 8, row,
                          layout.bitCount / 8, layout.width);
            continue;
        }
        source.GetSpan(0, layout.width, y, pixels.data());
        if (layout.bitCount == 32) {
            // Blue, green, red and a zero byte: the packed pixel in little-endian order.
            for (int x = 0; x < layout.width; ++x) {
                bytes::StoreU32LE(row + 4 * x, pixels[static_cast<std::size_t>(x)]);
            }
            continue;
        }
        for (int x = 0; x < layout.width; ++x) {
            const std::uint32_t pixel = pixels[static_cast<std::size_t>(x)];
            if (layout.bitCount == 1) {
                const bool isWhite =
                    source.Format() == PixelFormat::Mono
                        ? pixel == white
                        : ((pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF)) > 382;
                if (isWhite) {
                    row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                }
            } else {
                row[3 * x] = static_cast<std::uint8_t>(pixel);
                row[3 * x + 1] = static_cast<std::uint8_t>(pixel >> 8);
                row[3 * x + 2] = static_cast<std::uint8_t>(pixel >> 16);
            }
        }
    }
    return true;
}

DibLayout LayoutFor(int width, int height, int bitCount, bool topDown) {
    DibLayout layout;
    layout.width = width;
    layout.height = height;
    layout.topDown = topDown;
    layout.bitCount = bitCount;
    layout.stride = PaddedStride(width, bitCount);
    layout.imageSize = layout.stride * static_cast<std::size_t>(height);
    if (bitCount == 32) {
        layout.compression = BI_BITFIELDS;
        layout.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    } else if (bitCount == 1) {
        layout.colors = {0x000000, 0xFFFFFF};
    }
    layout.headerSize = 40 + (bitCount == 32 ? 12 : 4 * layout.colors.size());
    return layout;
}

void WriteDibHeader(const DibLayout& layout, BITMAPINFO* info, DibTable table) {
    BITMAPINFOHEADER& h = info->bmiHeader;
    h.biSize = 40;
    h.biWidth = layout.width;
    h.biHeight = layout.topDown ? -layout.height : layout.height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(layout.bitCount);
    h.biCompression = layout.compression;
    h.biSizeImage = static_cast<DWORD>(layout.imageSize);
    h.biXPelsPerMeter = 0;
    h.biYPelsPerMeter = 0;
    h.biClrUsed = 0;
    h.biClrImportant = 0;
    if (table == DibTable::Omit) {
        return;
    }
    auto* after = reinterpret_cast<std::uint8_t*>(info) + 40;
    if (layout.compression == BI_BITFIELDS) {
        for (int i = 0; i < 3; ++i) {
            bytes::StoreU32LE(after + 4 * i, layout.masks[i]);
        }
    }
    for (std::size_t i = 0; i < layout.colors.size(); ++i) {
        COLORREF c = layout.colors[i];
        after[4 * i] = GetBValue(c);
        after[4 * i + 1] = GetGValue(c);
        after[4 * i + 2] = GetRValue(c);
        after[4 * i + 3] = 0;
    }
}

} // namespace win32
