#include "platform/win32/src/gdi/raster.h"

#include <algorithm>
#include <cstdlib>

namespace win32 {

namespace {

// The part of `clip` on the surface, in its pixels.
RECT OnSurface(const DeviceRect& clip, const Surface& surface) {
    auto within = [](DeviceCoordinate value, int size) {
        return static_cast<LONG>(std::clamp<DeviceCoordinate>(value, 0, size));
    };
    return RECT{within(clip.left, surface.Width()), within(clip.top, surface.Height()),
                within(clip.right, surface.Width()), within(clip.bottom, surface.Height())};
}

// `value` held within [low, high], as an int (the bounds are pixels of a surface).
int Within(DeviceCoordinate value, LONG low, LONG high) {
    return static_cast<int>(std::clamp<DeviceCoordinate>(value, low, std::max(low, high)));
}

// offset x numerator / denominator, truncated, for 0 <= offset < denominator: the products of
// two device spans need more than 64 bits.
DeviceCoordinate ScaleSpan(DeviceCoordinate offset, DeviceCoordinate numerator,
                           DeviceCoordinate denominator) {
    return static_cast<DeviceCoordinate>(static_cast<__int128>(offset) * numerator / denominator);
}

} // namespace

Raster::Raster(Surface& surface, const DeviceRect& clip)
    : surface_(surface), clip_(OnSurface(clip, surface)) {}

bool Raster::Inside(DeviceCoordinate x, DeviceCoordinate y) const {
    return x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom;
}

void Raster::Plot(DeviceCoordinate x, DeviceCoordinate y, COLORREF color) {
    if (Inside(x, y)) {
        surface_.Set(static_cast<int>(x), static_cast<int>(y), color);
    }
}

void Raster::FillRect(const DeviceRect& rect, COLORREF color) {
    int left = Within(rect.left, clip_.left, clip_.right);
    int right = Within(rect.right, clip_.left, clip_.right);
    int top = Within(rect.top, clip_.top, clip_.bottom);
    int bottom = Within(rect.bottom, clip_.top, clip_.bottom);
    for (int y = top; y < bottom; ++y) {
        surface_.FillSpan(left, right, y, color);
    }
}

void Raster::FillMask(DeviceCoordinate left, DeviceCoordinate top, int width, int height,
                      const std::uint8_t* mask, COLORREF color) {
    // Only the mask's rows and columns inside the clip rectangle are visited.
    int firstX = Within(left, clip_.left, clip_.right);
    int endX = Within(left + width, clip_.left, clip_.right);
    int firstY = Within(top, clip_.top, clip_.bottom);
    int endY = Within(top + height, clip_.top, clip_.bottom);
    for (int y = firstY; y < endY; ++y) {
        const std::uint8_t* row = mask + static_cast<std::size_t>(y - top) * width;
        for (int x = firstX; x < endX; ++x) {
            if (row[x - left]) {
                surface_.Set(x, y, color);
            }
        }
    }
}

void Raster::ThinLine(DevicePoint from, DevicePoint to, COLORREF color) {
    // Step along the major axis; the minor coordinate at step i is the start's plus
    // i * minorSpan / majorSpan rounded to the nearest pixel, halves away from the start. Only
    // the steps inside the clip rectangle are walked.
    DeviceCoordinate dx = to.x - from.x;
    DeviceCoordinate dy = to.y - from.y;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    DeviceCoordinate majorSpan = std::llabs(xMajor ? dx : dy);
    DeviceCoordinate minorSpan = std::llabs(xMajor ? dy : dx);
    if (majorSpan == 0) {
        return;
    }
    int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    int minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
    DeviceCoordinate majorStart = xMajor ? from.x : from.y;
    DeviceCoordinate minorStart = xMajor ? from.y : from.x;
    DeviceCoordinate low = xMajor ? clip_.left : clip_.top;
    DeviceCoordinate high = (xMajor ? clip_.right : clip_.bottom) - 1;
    // Steps i in [0, majorSpan) whose major coordinate lies in [low, high].
    DeviceCoordinate first = majorStep > 0 ? low - majorStart : majorStart - high;
    DeviceCoordinate last = majorStep > 0 ? high - majorStart : majorStart - low;
    first = std::max<DeviceCoordinate>(first, 0);
    last = std::min(last, majorSpan - 1);
    // 2 * i * minorSpan reaches 2^127 for spans across the whole device range.
    using Unsigned = unsigned __int128;
    for (DeviceCoordinate i = first; i <= last; ++i) {
        DeviceCoordinate major = majorStart + i * majorStep;
        auto offset = static_cast<DeviceCoordinate>(
            (2 * static_cast<Unsigned>(i) * static_cast<Unsigned>(minorSpan) +
             static_cast<Unsigned>(majorSpan)) /
            (2 * static_cast<Unsigned>(majorSpan)));
        DeviceCoordinate minor = minorStart + minorStep * offset;
        if (xMajor) {
            Plot(major, minor, color);
        } else {
            Plot(minor, major, color);
        }
    }
}

void Raster::WideLine(DevicePoint from, DevicePoint to, DeviceCoordinate width, COLORREF color) {
    const double radius = static_cast<double>(width) / 2.0;
    const double shift = 1.0 / 64.0;
    DeviceCoordinate reach = width / 2 + 2;
    int left = Within(std::min(from.x, to.x) - reach, clip_.left, clip_.right);
    int right = Within(std::max(from.x, to.x) + reach, clip_.left, clip_.right);
    int top = Within(std::min(from.y, to.y) - reach, clip_.top, clip_.bottom);
    int bottom = Within(std::max(from.y, to.y) + reach, clip_.top, clip_.bottom);
    double ax = static_cast<double>(from.x), ay = static_cast<double>(from.y);
    double vx = static_cast<double>(to.x - from.x), vy = static_cast<double>(to.y - from.y);
    double lengthSquared = vx * vx + vy * vy;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            double px = x + shift - ax, py = y + shift - ay;
            double t =
                lengthSquared > 0 ? std::clamp((px * vx + py * vy) / lengthSquared, 0.0, 1.0) : 0.0;
            double ex = px - t * vx, ey = py - t * vy;
            if (ex * ex + ey * ey <= radius * radius) {
                surface_.Set(x, y, color);
            }
        }
    }
}

void Raster::FillPolygon(const std::vector<DevicePoint>& points, bool winding, COLORREF color) {
    if (points.size() < 3) {
        return;
    }
    DeviceCoordinate top = points[0].y, bottom = points[0].y;
    for (const DevicePoint& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    int firstRow = Within(top, clip_.top, clip_.bottom);
    int endRow = Within(bottom, clip_.top, clip_.bottom);
    // Where an edge crosses a row: the first pixel at or right of the exact crossing.
    struct Crossing {
        DeviceCoordinate column;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (int y = firstRow; y < endRow; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            DevicePoint a = points[i];
            DevicePoint b = points[(i + 1) % points.size()];
            if (a.y == b.y) {
                continue;
            }
            int direction = a.y < b.y ? 1 : -1;
            if (a.y > b.y) {
                std::swap(a, b);
            }
            if (y < a.y || y >= b.y) {
                continue;
            }
            // a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y), rounded up, exactly.
            __int128 numerator = static_cast<__int128>(y - a.y) * (b.x - a.x);
            __int128 denominator = b.y - a.y;
            __int128 quotient = numerator / denominator;
            if (numerator % denominator > 0) {
                ++quotient;
            }
            crossings.push_back({a.x + static_cast<DeviceCoordinate>(quotient), direction});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.column < r.column; });
        int count = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            count += winding ? crossings[i].direction : 1;
            bool inside = winding ? count != 0 : (count % 2) == 1;
            if (!inside) {
                continue;
            }
            surface_.FillSpan(Within(crossings[i].column, clip_.left, clip_.right),
                              Within(crossings[i + 1].column, clip_.left, clip_.right), y, color);
        }
    }
}

void Raster::InvertDottedFrame(const DeviceRect& frame) {
    if (frame.right <= frame.left || frame.bottom <= frame.top) {
        return;
    }
    auto dot = [this](int x, int y) {
        if (((x + y) & 1) == 0) {
            surface_.Set(x, y, ~surface_.Get(x, y) & 0xFFFFFF);
        }
    };
    // The top and bottom rows, then the columns between them; only their pixels inside the
    // clip rectangle are visited.
    auto row = [&](DeviceCoordinate y) {
        if (y < clip_.top || y >= clip_.bottom) {
            return;
        }
        int right = Within(frame.right, clip_.left, clip_.right);
        for (int x = Within(frame.left, clip_.left, clip_.right); x < right; ++x) {
            dot(x, static_cast<int>(y));
        }
    };
    auto column = [&](DeviceCoordinate x) {
        if (x < clip_.left || x >= clip_.right) {
            return;
        }
        int bottom = Within(frame.bottom - 1, clip_.top, clip_.bottom);
        for (int y = Within(frame.top + 1, clip_.top, clip_.bottom); y < bottom; ++y) {
            dot(static_cast<int>(x), y);
        }
    };
    row(frame.top);
    if (frame.bottom - 1 > frame.top) {
        row(frame.bottom - 1);
    }
    column(frame.left);
    if (frame.right - 1 > frame.left) {
        column(frame.right - 1);
    }
}

COLORREF ApplyRop3(std::uint8_t rop, COLORREF pattern, COLORREF source, COLORREF destination) {
    switch (rop) {
    case 0xCC:
        return source;
    case 0x88:
        return source & destination;
    case 0xEE:
        return source | destination;
    case 0x66:
        return source ^ destination;
    case 0xF0:
        return pattern;
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFF;
    default:
        break;
    }
    // Bit i of the code is the result for pattern, source and destination bits (i >> 2, i >> 1,
    // i) & 1; OR together the minterms whose bit is set.
    std::uint32_t result = 0;
    for (int i = 0; i < 8; ++i) {
        if (((rop >> i) & 1) == 0) {
            continue;
        }
        std::uint32_t term = (i & 4 ? pattern : ~pattern) & (i & 2 ? source : ~source) &
                             (i & 1 ? destination : ~destination);
        result |= term;
    }
    return result & 0xFFFFFF;
}

namespace {

bool UsesSource(std::uint8_t rop) {
    return ((rop >> 2) & 0x33) != (rop & 0x33);
}

bool UsesDestination(std::uint8_t rop) {
    return ((rop >> 1) & 0x55) != (rop & 0x55);
}

// The source pixels of one destination row: row `sy` at `columns`, a monochrome source's bits
// as the destination's text and background colours, and a colour source on a monochrome
// destination white where it has the source's background colour, black elsewhere.
void ReadSourceRow(const Surface& source, int sy, const std::vector<int>& columns, bool toMono,
                   const BlitColors& colors, std::vector<std::uint32_t>& span,
                   std::vector<std::uint32_t>& row) {
    const int first = columns.front();
    const auto spanWidth = static_cast<std::size_t>(columns.back() - first + 1);
    // Without a stretch the source pixels are the row itself.
    const bool unstretched = spanWidth == columns.size();
    std::vector<std::uint32_t>& pixels = unstretched ? row : span;
    pixels.resize(spanWidth);
    const bool fromMono = source.Format() == PixelFormat::Mono;
    if (fromMono && !toMono) {
        // A bit whose table colour is the set bit's takes the background colour, any other
        // the text colour: read straight in those colours.
        const std::uint32_t background = PackedPixel(colors.destinationBackground & 0xFFFFFF);
        const std::uint32_t text = PackedPixel(colors.destinationText & 0xFFFFFF);
        const bool clearIsSet = source.monoColors[0] == source.monoColors[1];
        source.GetMonoSpan(first, static_cast<int>(spanWidth), sy,
                           {clearIsSet ? background : text, background}, pixels.data());
    } else {
        source.GetSpan(first, static_cast<int>(spanWidth), sy, pixels.data());
    }
    if (!fromMono && toMono) {
        const std::uint32_t sourceBackground = PackedPixel(colors.sourceBackground & 0xFFFFFF);
        for (std::uint32_t& pixel : pixels) {
            pixel = pixel == sourceBackground ? 0xFFFFFF : 0x000000;
        }
    }
    if (!unstretched) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            row[i] = span[static_cast<std::size_t>(columns[i] - first)];
        }
    }
}

// ApplyRop3 over whole rows of packed pixels (the pattern packed too), the operations the
// libraries use most without a call per pixel.
void ApplyRop3ToRow(std::uint8_t rop, std::uint32_t pattern,
                    const std::vector<std::uint32_t>& source,
                    const std::vector<std::uint32_t>& destination,
                    std::vector<std::uint32_t>& result) {
    const std::size_t count = result.size();
    switch (rop) {
    case 0xCC:
        std::copy(source.begin(), source.end(), result.begin());
        return;
    case 0x88:
        for (std::size_t i = 0; i < count; ++i) {
            result[i] = source[i] & destination[i];
        }
        return;
    case 0xEE:
        for (std::size_t i = 0; i < count; ++i) {
            result[i] = source[i] | destination[i];
        }
        return;
    case 0x22: // D AND NOT S
        for (std::size_t i = 0; i < count; ++i) {
            result[i] = destination[i] & ~source[i] & 0xFFFFFF;
        }
        return;
    default:
        for (std::size_t i = 0; i < count; ++i) {
            result[i] = ApplyRop3(rop, pattern, source[i], destination[i]);
        }
        return;
    }
}

// Colour to monochrome, the hot path of a printed page and of the graph's mask: whole rows,
// eight pixels to a byte.
// `area` is the clip rectangle on the destination.
bool CopyColorToMono(Surface& destination, RECT area, const DeviceRect& target,
                     const Surface& source, const DeviceRect& sourceRect,
                     COLORREF sourceBackground) {
    if (source.Format() == PixelFormat::Mono || destination.Format() != PixelFormat::Mono ||
        destination.monoColors[0] != 0x000000 || destination.monoColors[1] != 0xFFFFFF) {
        return false;
    }
    // Destination pixel x takes source pixel x + shiftX; only the pixels inside the target, the
    // clip and the source are copied.
    DeviceCoordinate shiftX = sourceRect.left - target.left;
    DeviceCoordinate shiftY = sourceRect.top - target.top;
    int left = Within(std::max(target.left, -shiftX), area.left, area.right);
    int right = Within(std::min(target.right, source.Width() - shiftX), area.left, area.right);
    int top = Within(std::max(target.top, -shiftY), area.top, area.bottom);
    int bottom = Within(std::min(target.bottom, source.Height() - shiftY), area.top, area.bottom);
    std::uint32_t white = static_cast<std::uint32_t>(GetBValue(sourceBackground)) |
                          (static_cast<std::uint32_t>(GetGValue(sourceBackground)) << 8) |
                          (static_cast<std::uint32_t>(GetRValue(sourceBackground)) << 16);
    const auto pixelBytes = static_cast<std::size_t>(BitsPerPixel(source.Format()) / 8);
    for (int y = top; y < bottom; ++y) {
        const std::uint8_t* in = source.Row(static_cast<int>(y + shiftY));
        std::uint8_t* out = destination.Row(y);
        auto isWhite = [&](int x) {
            const std::uint8_t* pixel = in + static_cast<std::size_t>(x + shiftX) * pixelBytes;
            return (std::uint32_t{pixel[0]} | (std::uint32_t{pixel[1]} << 8) |
                    (std::uint32_t{pixel[2]} << 16)) == white;
        };
        auto setBit = [&](int x) {
            std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (x & 7));
            out[x >> 3] =
                isWhite(x) ? out[x >> 3] | mask : out[x >> 3] & static_cast<std::uint8_t>(~mask);
        };
        // Single bits up to a byte boundary, whole bytes of eight pixels, single bits after.
        int x = left;
        for (; x < right && (x & 7) != 0; ++x) {
            setBit(x);
        }
        for (; x + 8 <= right; x += 8) {
            std::uint8_t byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                byte = static_cast<std::uint8_t>(byte << 1 | (isWhite(x + bit) ? 1 : 0));
            }
            out[x >> 3] = byte;
        }
        for (; x < right; ++x) {
            setBit(x);
        }
    }
    return true;
}

} // namespace

void StretchBlit(Surface& destination, const DeviceRect& clip, const DeviceRect& target,
                 const Surface* source, const DeviceRect& sourceRect, std::uint8_t rop,
                 const BlitColors& colors) {
    RECT area = OnSurface(clip, destination);
    DeviceCoordinate width = target.right - target.left;
    DeviceCoordinate height = target.bottom - target.top;
    DeviceCoordinate sourceWidth = sourceRect.right - sourceRect.left;
    DeviceCoordinate sourceHeight = sourceRect.bottom - sourceRect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    bool withSource = UsesSource(rop);
    if (withSource && (source == nullptr || sourceWidth <= 0 || sourceHeight <= 0)) {
        return;
    }
    if (withSource && rop == 0xCC && width == sourceWidth && height == sourceHeight &&
        CopyColorToMono(destination, area, target, *source, sourceRect, colors.sourceBackground)) {
        return;
    }

    const bool toMono = destination.Format() == PixelFormat::Mono;
    const std::uint32_t pattern = PackedPixel(destination.Nearest(colors.brush));
    int left = Within(target.left, area.left, area.right);
    int right = Within(target.right, area.left, area.right);
    int top = Within(target.top, area.top, area.bottom);
    int bottom = Within(target.bottom, area.top, area.bottom);
    // The source column of each destination column, nearest neighbour. The mapping never
    // decreases, so the columns that fall on the source are one run: the others are left out.
    std::vector<int> sourceColumns;
    if (withSource) {
        auto sourceColumn = [&](int x) {
            return sourceRect.left + ScaleSpan(x - target.left, sourceWidth, width);
        };
        while (left < right && sourceColumn(left) < 0) {
            ++left;
        }
        while (right > left && sourceColumn(right - 1) >= source->Width()) {
            --right;
        }
        for (int x = left; x < right; ++x) {
            sourceColumns.push_back(static_cast<int>(sourceColumn(x)));
        }
    }
    if (left >= right) {
        return;
    }
    // Row by row: the source row read once (and again only when the next destination row takes
    // another one, or the source is the destination itself), converted between colour and
    // monochrome, combined with the destination row and written back.
    const auto count = static_cast<std::size_t>(right - left);
    std::vector<std::uint32_t> sourceSpan;
    std::vector<std::uint32_t> sourceRow(count, 0);
    std::vector<std::uint32_t> destinationRow(count, 0);
    std::vector<std::uint32_t> result(count);
    const bool readsDestination = UsesDestination(rop);
    int readSourceRow = -1;
    for (int y = top; y < bottom; ++y) {
        if (withSource) {
            DeviceCoordinate row = sourceRect.top + ScaleSpan(y - target.top, sourceHeight, height);
            if (row < 0 || row >= source->Height()) {
                continue;
            }
            const int sy = static_cast<int>(row);
            if (sy != readSourceRow || source == &destination) {
                ReadSourceRow(*source, sy, sourceColumns, toMono, colors, sourceSpan, sourceRow);
                readSourceRow = sy;
            }
        }
        if (readsDestination) {
            destination.GetSpan(left, static_cast<int>(count), y, destinationRow.data());
        }
        ApplyRop3ToRow(rop, pattern, sourceRow, destinationRow, result);
        destination.SetSpan(left, static_cast<int>(count), y, result.data());
    }
}

} // namespace win32
