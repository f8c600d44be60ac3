// Every drawing call at the edges of the 32-bit coordinate range: what falls on the bitmap is
// drawn as the exact geometry says, nothing overflows (the sanitizer build checks), and nothing
// walks the whole range pixel by pixel.
#include "platform/win32/font_provider.h"
#include "platform/win32/tests/pixels.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace {

constexpr int kMin = INT_MIN;
constexpr int kMax = INT_MAX;

struct ExtremeCase {
    const char* name;
    std::function<void(HDC)> draw;
    Picture expected; // 6 x 4 pixels, white before drawing
};

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// Draws with logical units half a device pixel each, so that the range's edges map beyond it.
std::function<void(HDC)> Doubled(std::function<void(HDC)> draw) {
    return [=](HDC dc) {
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, 1, 1, nullptr);
        SetViewportExtEx(dc, 2, 2, nullptr);
        draw(dc);
        SetMapMode(dc, MM_TEXT);
    };
}

std::function<void(HDC)> WithPen(int width, std::function<void(HDC)> draw) {
    return [=](HDC dc) {
        HPEN pen = CreatePen(PS_SOLID, width, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(dc, pen);
        draw(dc);
        SelectObject(dc, old);
        DeleteObject(pen);
    };
}

// Black fill, no outline.
std::function<void(HDC)> Filled(std::function<void(HDC)> draw) {
    return [=](HDC dc) {
        SelectObject(dc, GetStockObject(NULL_PEN));
        SelectObject(dc, GetStockObject(BLACK_BRUSH));
        draw(dc);
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
    };
}

// Text in the fixed-metrics face 4 pixels high: each character a box 1 pixel wide and 3 high,
// drawn 1 to 3 pixels below the top of its cell.
std::function<void(HDC)> WithText(UINT align, std::function<void(HDC)> draw) {
    return [=](HDC dc) {
        win32::UseFontSource(win32::FontSource::FixedMetrics);
        HFONT font = CreateFontA(-4, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 VARIABLE_PITCH | FF_SWISS, "Arial");
        HGDIOBJ old = SelectObject(dc, font);
        SetTextAlign(dc, align);
        SetBkMode(dc, TRANSPARENT);
        draw(dc);
        SetTextAlign(dc, TA_LEFT | TA_TOP);
        SelectObject(dc, old);
        DeleteObject(font);
        win32::UseFontSource(win32::FontSource::System);
    };
}

// Stretches a 2 x 2 source, black on its left column, with `blit`.
std::function<void(HDC)> FromLeftBlack(std::function<void(HDC, HDC)> blit) {
    return [=](HDC dc) {
        TestCanvas source(2, 2);
        SetPixel(source.dc(), 0, 0, RGB(0, 0, 0));
        SetPixel(source.dc(), 0, 1, RGB(0, 0, 0));
        blit(dc, source.dc());
    };
}

const Picture kWhite = {"......", "......", "......", "......"};
const Picture kBlack = {"######", "######", "######", "######"};

TEST(ExtremeCoordinatesTest, DrawingAtTheEdgesOfTheRange) {
    const ExtremeCase cases[] = {
        {"line.horizontal",
         [](HDC dc) { Line(dc, kMin, 1, kMax, 1); },
         {"......", "######", "......", "......"}},
        {"line.diagonal",
         [](HDC dc) { Line(dc, kMin, kMin, kMax, kMax); },
         {"#.....", ".#....", "..#...", "...#.."}},
        {"line.doubled",
         Doubled([](HDC dc) { Line(dc, kMin, 1, kMax, 1); }),
         {"......", "......", "######", "......"}},
        {"line.wide",
         WithPen(3, [](HDC dc) { Line(dc, kMin, 1, kMax, 1); }),
         {"######", "######", "######", "......"}},
        {"line.widest pen", WithPen(kMax, [](HDC dc) { Line(dc, kMin, kMin, kMax, kMax); }),
         kBlack},
        {"line.off the bitmap", [](HDC dc) { Line(dc, kMax, kMin, kMax, kMax); }, kWhite},
        {"polyline.doubled",
         Doubled([](HDC dc) {
             const POINT points[] = {{kMin, 0}, {kMax, 0}, {kMax, kMax}};
             Polyline(dc, points, 3);
         }),
         {"######", "......", "......", "......"}},
        {"rectangle.filled", Filled([](HDC dc) { Rectangle(dc, kMin, kMin, kMax, kMax); }), kBlack},
        {"rectangle.doubled",
         Doubled(Filled([](HDC dc) { Rectangle(dc, kMin, kMin, kMax, kMax); })), kBlack},
        {"rectangle.wide outline",
         WithPen(3, [](HDC dc) { Rectangle(dc, kMin, 1, kMax, 2); }),
         {"######", "######", "######", "......"}},
        {"fillrect",
         [](HDC dc) {
             RECT all{kMin, kMin, kMax, kMax};
             FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
         },
         kBlack},
        {"framerect",
         [](HDC dc) {
             RECT band{kMin, 1, kMax, 3};
             FrameRect(dc, &band, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
         },
         {"......", "######", "######", "......"}},
        {"focusrect.band",
         [](HDC dc) {
             RECT band{kMin, 1, kMax, 3};
             DrawFocusRect(dc, &band);
         },
         {"......", ".#.#.#", "#.#.#.", "......"}},
        {"focusrect.whole range", Doubled([](HDC dc) {
             RECT all{kMin, kMin, kMax, kMax};
             DrawFocusRect(dc, &all);
         }),
         kWhite},
        {"polygon.triangle",
         Filled([](HDC dc) {
             const POINT points[] = {{kMin, kMin}, {kMax, kMin}, {kMax, kMax}};
             Polygon(dc, points, 3);
         }),
         {"######", ".#####", "..####", "...###"}},
        {"polygon.doubled", Doubled(Filled([](HDC dc) {
             const POINT points[] = {{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}};
             Polygon(dc, points, 4);
         })),
         kBlack},
        {"text.right aligned at the lowest x",
         WithText(TA_RIGHT | TA_TOP, [](HDC dc) { TextOutA(dc, kMin, 0, "ab", 2); }), kWhite},
        {"text.centred at the highest x",
         WithText(TA_CENTER | TA_BOTTOM, [](HDC dc) { TextOutA(dc, kMax, kMax, "ab", 2); }),
         kWhite},
        {"text.spacing beyond the range",
         WithText(TA_RIGHT | TA_TOP,
                  [](HDC dc) {
                      const INT dx[] = {kMax, kMax};
                      ExtTextOutA(dc, kMax, -1, 0, nullptr, "ab", 2, dx);
                  }),
         {"#.....", "#.....", "#.....", "......"}},
        {"text.justified spacing beyond the range",
         WithText(TA_LEFT | TA_TOP,
                  [](HDC dc) {
                      const INT dx[] = {kMax, 1};
                      SetTextJustification(dc, 2, 1);
                      ExtTextOutA(dc, kMin, -1, 0, nullptr, " a", 2, dx);
                      SetTextJustification(dc, 0, 0);
                  }),
         {".#....", ".#....", ".#....", "......"}},
        {"text.opaque rectangle",
         WithText(TA_LEFT | TA_TOP,
                  [](HDC dc) {
                      RECT all{kMin, kMin, kMax, kMax};
                      SetBkColor(dc, RGB(0, 0, 0));
                      ExtTextOutA(dc, kMax, kMax, ETO_OPAQUE | ETO_CLIPPED, &all, "ab", 2, nullptr);
                      SetBkColor(dc, RGB(255, 255, 255));
                  }),
         kBlack},
        {"text.doubled",
         Doubled(WithText(TA_LEFT | TA_TOP, [](HDC dc) { TextOutA(dc, kMax, kMin, "ab", 2); })),
         kWhite},
        {"drawtext.centred in the whole range",
         WithText(TA_LEFT | TA_TOP,
                  [](HDC dc) {
                      RECT all{kMin, kMin, kMax, kMax};
                      DrawTextA(dc, "ab", 2, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
                  }),
         {"#.....", "......", "......", "......"}},
        {"drawtext.centred at the top of the range",
         WithText(TA_LEFT | TA_TOP,
                  [](HDC dc) {
                      RECT corner{kMax - 10, kMax - 10, kMax, kMax};
                      DrawTextA(dc, "ab", 2, &corner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
                  }),
         kWhite},
        {"bitblt.width beyond the range",
         [](HDC dc) { BitBlt(dc, 1, 1, kMax, 2, nullptr, 0, 0, BLACKNESS); },
         {"......", ".#####", ".#####", "......"}},
        {"bitblt.source at the highest x", FromLeftBlack([](HDC dc, HDC source) {
             BitBlt(dc, 0, 0, 6, 4, source, kMax, 0, SRCCOPY);
         }),
         kWhite},
        {"stretchblt.to beyond the range",
         FromLeftBlack([](HDC dc, HDC source) {
             StretchBlt(dc, 3, 0, kMax, 2, source, 0, 0, 2, 2, SRCCOPY);
         }),
         {"...###", "...###", "......", "......"}},
        {"stretchblt.from beyond the range", FromLeftBlack([](HDC dc, HDC source) {
             StretchBlt(dc, 0, 0, 6, 4, source, 1, 1, kMax, kMax, SRCCOPY);
         }),
         kWhite},
        {"stretchblt.doubled", Doubled(FromLeftBlack([](HDC dc, HDC source) {
             StretchBlt(dc, kMin, kMin, kMax, kMax, source, 0, 0, 2, 2, SRCCOPY);
         })),
         kWhite},
        {"stretchdibits.to beyond the range",
         [](HDC dc) {
             BITMAPINFO info{};
             info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
             info.bmiHeader.biWidth = 1;
             info.bmiHeader.biHeight = 1;
             info.bmiHeader.biPlanes = 1;
             info.bmiHeader.biBitCount = 24;
             const std::uint8_t black[4] = {0, 0, 0, 0};
             StretchDIBits(dc, 2, 2, kMax, kMax, 0, 0, 1, 1, black, &info, DIB_RGB_COLORS, SRCCOPY);
         },
         {"......", "......", "..####", "..####"}},
        {"setpixel.doubled", Doubled([](HDC dc) {
             EXPECT_EQ(SetPixel(dc, kMax, kMax, RGB(0, 0, 0)), CLR_INVALID);
             EXPECT_EQ(GetPixel(dc, kMin, kMin), CLR_INVALID);
         }),
         kWhite},
    };
    for (const ExtremeCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestCanvas canvas(6, 4);
        c.draw(canvas.dc());
        EXPECT_EQ(Show(canvas.Pixels()), Show(c.expected));
    }
}

TEST(ExtremeCoordinatesTest, MappingSaturatesAtTheRangeEdges) {
    TestCanvas canvas(1, 1);
    SetMapMode(canvas.dc(), MM_ANISOTROPIC);
    SetWindowExtEx(canvas.dc(), 1, 1, nullptr);
    SetViewportExtEx(canvas.dc(), 2, -2, nullptr);
    POINT points[] = {{kMax, kMax}, {kMin, kMin}, {3, 4}};
    ASSERT_TRUE(LPtoDP(canvas.dc(), points, 3));
    EXPECT_EQ(points[0].x, kMax);
    EXPECT_EQ(points[0].y, kMin);
    EXPECT_EQ(points[1].x, kMin);
    EXPECT_EQ(points[1].y, kMax);
    EXPECT_EQ(points[2].x, 6);
    EXPECT_EQ(points[2].y, -8);
    SetMapMode(canvas.dc(), MM_TEXT);
    RECT measured{kMax - 1, kMax - 1, 0, 0};
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    DrawTextA(canvas.dc(), "abc", 3, &measured, DT_CALCRECT | DT_SINGLELINE);
    win32::UseFontSource(win32::FontSource::System);
    EXPECT_EQ(measured.right, kMax);
    EXPECT_EQ(measured.bottom, kMax);
}

} // namespace
