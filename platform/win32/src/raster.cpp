#include "platform/win32/src/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace win32 {

Raster::Raster(Surface& surface, RECT clip) : surface_(surface) {
    clip_.left = std::max<LONG>(clip.left, 0);
    clip_.top = std::max<LONG>(clip.top, 0);
    clip_.right = std::min<LONG>(clip.right, surface.Width());
    clip_.bottom = std::min<LONG>(clip.bottom, surface.Height());
}

void Raster::Plot(int x, int y, COLORREF color) {
    if (x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom)
        surface_.Set(x, y, color);
}

void Raster::InvertPixel(int x, int y) {
    if (x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom)
        surface_.Set(x, y, ~surface_.Get(x, y) & 0xFFFFFF);
}

void Raster::FillRect(RECT rect, COLORREF color) {
    int left = std::max(rect.left, clip_.left);
    int right = std::min(rect.right, clip_.right);
    int top = std::max(rect.top, clip_.top);
    int bottom = std::min(rect.bottom, clip_.bottom);
    for (int y = top; y < bottom; ++y)
        surface_.FillSpan(left, right, y, color);
}

void Raster::ThinLine(POINT from, POINT to, COLORREF color) {
    // Step along the major axis; the minor coordinate at step i is the start's plus
    // i * minorSpan / majorSpan rounded to the nearest pixel, halves away from the start. Only
    // the steps inside the clip rectangle are walked, so a long line costs no more than the
    // pixels it can light.
    long long dx = static_cast<long long>(to.x) - from.x;
    long long dy = static_cast<long long>(to.y) - from.y;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    long long majorSpan = std::llabs(xMajor ? dx : dy);
    long long minorSpan = std::llabs(xMajor ? dy : dx);
    if (majorSpan == 0)
        return;
    int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    int minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
    long long majorStart = xMajor ? from.x : from.y;
    long long minorStart = xMajor ? from.y : from.x;
    long long low = xMajor ? clip_.left : clip_.top;
    long long high = (xMajor ? clip_.right : clip_.bottom) - 1;
    // Steps i in [0, majorSpan) whose major coordinate lies in [low, high].
    long long first = majorStep > 0 ? low - majorStart : majorStart - high;
    long long last = majorStep > 0 ? high - majorStart : majorStart - low;
    first = std::max(first, 0LL);
    last = std::min(last, majorSpan - 1);
    for (long long i = first; i <= last; ++i) {
        long long major = majorStart + i * majorStep;
        long long minor =
            minorStart + minorStep * ((2 * i * minorSpan + majorSpan) / (2 * majorSpan));
        if (xMajor)
            Plot(int(major), int(minor), color);
        else
            Plot(int(minor), int(major), color);
    }
}

void Raster::WideLine(POINT from, POINT to, int width, COLORREF color) {
    const double radius = width / 2.0;
    const double shift = 1.0 / 64.0;
    long long reach = static_cast<long long>(std::ceil(radius)) + 1;
    int left = int(std::max<long long>(std::min<long long>(from.x, to.x) - reach, clip_.left));
    int right = int(std::min<long long>(std::max<long long>(from.x, to.x) + reach, clip_.right));
    int top = int(std::max<long long>(std::min<long long>(from.y, to.y) - reach, clip_.top));
    int bottom = int(std::min<long long>(std::max<long long>(from.y, to.y) + reach, clip_.bottom));
    double ax = from.x, ay = from.y;
    double vx = double(to.x) - from.x, vy = double(to.y) - from.y;
    double lengthSquared = vx * vx + vy * vy;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            double px = x + shift - ax, py = y + shift - ay;
            double t =
                lengthSquared > 0 ? std::clamp((px * vx + py * vy) / lengthSquared, 0.0, 1.0) : 0.0;
            double ex = px - t * vx, ey = py - t * vy;
            if (ex * ex + ey * ey <= radius * radius)
                surface_.Set(x, y, color);
        }
    }
}

void Raster::FillPolygon(const std::vector<POINT>& points, bool winding, COLORREF color) {
    if (points.size() < 3)
        return;
    long top = points[0].y, bottom = points[0].y;
    for (const POINT& p : points) {
        top = std::min<long>(top, p.y);
        bottom = std::max<long>(bottom, p.y);
    }
    top = std::max<long>(top, clip_.top);
    bottom = std::min<long>(bottom, clip_.bottom);
    struct Crossing {
        double x;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (long y = top; y < bottom; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            POINT a = points[i];
            POINT b = points[(i + 1) % points.size()];
            if (a.y == b.y)
                continue;
            int direction = a.y < b.y ? 1 : -1;
            if (a.y > b.y)
                std::swap(a, b);
            if (y < a.y || y >= b.y)
                continue;
            double x = a.x + double(y - a.y) * double(b.x - a.x) / double(b.y - a.y);
            crossings.push_back({x, direction});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        int count = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            count += winding ? crossings[i].direction : 1;
            bool inside = winding ? count != 0 : (count % 2) == 1;
            if (!inside)
                continue;
            int left = std::max<int>(static_cast<int>(std::ceil(crossings[i].x)), clip_.left);
            int right = std::min<int>(static_cast<int>(std::ceil(crossings[i + 1].x)), clip_.right);
            surface_.FillSpan(left, right, int(y), color);
        }
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
        if (((rop >> i) & 1) == 0)
            continue;
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

// Colour to monochrome, the hot path of a printed page: whole rows, eight pixels to a byte.
bool CopyColorToMono(Surface& destination, RECT clip, RECT target, const Surface& source,
                     RECT sourceRect, COLORREF sourceBackground) {
    if (source.Format() != PixelFormat::Rgb32 || destination.Format() != PixelFormat::Mono ||
        destination.monoColors[0] != 0x000000 || destination.monoColors[1] != 0xFFFFFF)
        return false;
    int left = std::max(target.left, clip.left), right = std::min(target.right, clip.right);
    int top = std::max(target.top, clip.top), bottom = std::min(target.bottom, clip.bottom);
    int shiftX = sourceRect.left - target.left, shiftY = sourceRect.top - target.top;
    left = std::max(left, -shiftX);
    right = std::min(right, source.Width() - shiftX);
    top = std::max(top, -shiftY);
    bottom = std::min(bottom, source.Height() - shiftY);
    std::uint32_t white = std::uint32_t(GetBValue(sourceBackground)) |
                          (std::uint32_t(GetGValue(sourceBackground)) << 8) |
                          (std::uint32_t(GetRValue(sourceBackground)) << 16);
    for (int y = top; y < bottom; ++y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(source.Row(y + shiftY));
        std::uint8_t* out = destination.Row(y);
        for (int x = left; x < right; ++x) {
            std::uint8_t mask = std::uint8_t(0x80 >> (x & 7));
            if ((in[x + shiftX] & 0xFFFFFF) == white)
                out[x >> 3] |= mask;
            else
                out[x >> 3] &= std::uint8_t(~mask);
        }
    }
    return true;
}

} // namespace

void StretchBlit(Surface& destination, RECT clip, RECT target, const Surface* source,
                 RECT sourceRect, std::uint8_t rop, const BlitColors& colors) {
    clip.left = std::max<LONG>(clip.left, 0);
    clip.top = std::max<LONG>(clip.top, 0);
    clip.right = std::min<LONG>(clip.right, destination.Width());
    clip.bottom = std::min<LONG>(clip.bottom, destination.Height());
    int width = target.right - target.left, height = target.bottom - target.top;
    int sourceWidth = sourceRect.right - sourceRect.left;
    int sourceHeight = sourceRect.bottom - sourceRect.top;
    if (width <= 0 || height <= 0)
        return;
    bool withSource = UsesSource(rop);
    if (withSource && (source == nullptr || sourceWidth <= 0 || sourceHeight <= 0))
        return;
    if (withSource && rop == 0xCC && width == sourceWidth && height == sourceHeight &&
        CopyColorToMono(destination, clip, target, *source, sourceRect, colors.sourceBackground))
        return;

    const bool toMono = destination.Format() == PixelFormat::Mono;
    const COLORREF pattern = destination.Nearest(colors.brush);
    for (int y = std::max(target.top, clip.top); y < std::min(target.bottom, clip.bottom); ++y) {
        int sy = 0;
        if (withSource) {
            sy = sourceRect.top + int((long long)(y - target.top) * sourceHeight / height);
            if (sy < 0 || sy >= source->Height())
                continue;
        }
        for (int x = std::max(target.left, clip.left); x < std::min(target.right, clip.right);
             ++x) {
            COLORREF s = 0;
            if (withSource) {
                int sx = sourceRect.left + int((long long)(x - target.left) * sourceWidth / width);
                if (sx < 0 || sx >= source->Width())
                    continue;
                s = source->Get(sx, sy);
                if (source->Format() == PixelFormat::Mono && !toMono)
                    s = s == source->monoColors[1] ? colors.destinationBackground
                                                   : colors.destinationText;
                else if (source->Format() != PixelFormat::Mono && toMono)
                    s = s == (colors.sourceBackground & 0xFFFFFF) ? 0xFFFFFF : 0x000000;
            }
            COLORREF d = destination.Get(x, y);
            destination.Set(x, y, ApplyRop3(rop, pattern, s, d));
        }
    }
}

} // namespace win32
