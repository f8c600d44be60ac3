#include "family/graph/src/background.h"

#include <algorithm>
#include <cstdlib>

namespace plotwen {

namespace {

// Component `start` + (`end` - `start`) x step / steps, in integer arithmetic.
BYTE Blend(int start, int end, int step, int steps) {
    return static_cast<BYTE>(steps == 0 ? start : start + (end - start) * step / steps);
}

} // namespace

void DrawBackground(Painter& painter, const Chart& chart, int width, int height) {
    const COLORREF start = chart.gradientStart;
    const COLORREF end = chart.gradientEnd;
    if (chart.background == Background::Solid) {
        painter.FillRectangle(RECT{0, 0, width, height}, start);
        return;
    }
    const int steps = std::max({std::abs(GetRValue(end) - GetRValue(start)),
                                std::abs(GetGValue(end) - GetGValue(start)),
                                std::abs(GetBValue(end) - GetBValue(start))});
    const bool vertical = chart.background == Background::VerticalStripes;
    const long long across = vertical ? width : height;
    for (int step = 0; step <= steps; ++step) {
        const COLORREF colour = RGB(Blend(GetRValue(start), GetRValue(end), step, steps),
                                    Blend(GetGValue(start), GetGValue(end), step, steps),
                                    Blend(GetBValue(start), GetBValue(end), step, steps));
        const int from = static_cast<int>(across * step / (steps + 1));
        const int to = static_cast<int>(across * (step + 1) / (steps + 1));
        painter.FillRectangle(vertical ? RECT{from, 0, to, height} : RECT{0, from, width, to},
                              colour);
    }
}

void DrawWallpaper(Painter& painter, const Chart& chart, int width, int height) {
    BITMAP wallpaper{};
    if (chart.wallpaper == nullptr || GetObjectType(chart.wallpaper) != OBJ_BITMAP ||
        GetObject(chart.wallpaper, sizeof wallpaper, &wallpaper) == 0 || wallpaper.bmWidth <= 0 ||
        wallpaper.bmHeight <= 0) {
        return;
    }
    HDC source = CreateCompatibleDC(painter.Dc());
    if (source == nullptr) {
        return;
    }
    HGDIOBJ previous = SelectObject(source, chart.wallpaper);
    if (previous != nullptr) {
        auto copy = [&](int x, int y) {
            BitBlt(painter.Dc(), x, y, wallpaper.bmWidth, wallpaper.bmHeight, source, 0, 0,
                   SRCCOPY);
        };
        if (chart.wallpaperMode == WallpaperMode::Centred) {
            copy((width - wallpaper.bmWidth) / 2, (height - wallpaper.bmHeight) / 2);
        } else {
            for (int y = 0; y < height; y += wallpaper.bmHeight) {
                for (int x = 0; x < width; x += wallpaper.bmWidth) {
                    copy(x, y);
                }
            }
        }
        SelectObject(source, previous);
    }
    DeleteDC(source);
}

} // namespace plotwen
