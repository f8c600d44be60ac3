// Drawing on small bitmaps, compared with pictures written by hand (legend in pixels.h).
#include "platform/win32/tests/pixels.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct DrawCase {
    const char* name;
    int width;
    int height;
    std::function<void(HDC)> draw;
    Picture expected;
};

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// Selects a new pen for `draw` and deletes it afterwards.
std::function<void(HDC)> WithPen(int width, COLORREF color, std::function<void(HDC)> draw) {
    return [=](HDC dc) {
        HPEN pen = CreatePen(PS_SOLID, width, color);
        HGDIOBJ old = SelectObject(dc, pen);
        draw(dc);
        SelectObject(dc, old);
        EXPECT_TRUE(DeleteObject(pen));
    };
}

std::function<void(HDC)> WithBrush(COLORREF color, std::function<void(HDC)> draw) {
    return [=](HDC dc) {
        HBRUSH brush = CreateSolidBrush(color);
        HGDIOBJ old = SelectObject(dc, brush);
        draw(dc);
        SelectObject(dc, old);
        EXPECT_TRUE(DeleteObject(brush));
    };
}

// An outer square and an inner one, both clockwise, joined by a bridge that is drawn there and
// back: the inner square has winding number 2.
void NestedSquares(HDC dc) {
    POINT points[] = {{1, 1}, {9, 1}, {9, 9}, {1, 9}, {1, 1},
                      {3, 3}, {7, 3}, {7, 7}, {3, 7}, {3, 3}};
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Polygon(dc, points, 10);
}

TEST(RasterTest, DrawsWithGdiPixelRules) {
    const DrawCase cases[] = {
        {"a line leaves out its end point",
         8,
         3,
         [](HDC dc) { Line(dc, 1, 1, 6, 1); },
         {"........", ".#####..", "........"}},
        {"a line drawn backwards leaves out its end point",
         8,
         3,
         [](HDC dc) { Line(dc, 6, 1, 1, 1); },
         {"........", "..#####.", "........"}},
        {"vertical line",
         3,
         6,
         [](HDC dc) { Line(dc, 1, 1, 1, 5); },
         {"...", ".#.", ".#.", ".#.", ".#.", "..."}},
        {"diagonal line",
         5,
         5,
         [](HDC dc) { Line(dc, 0, 0, 4, 4); },
         {"#....", ".#...", "..#..", "...#.", "....."}},
        {"a shallow line steps to the nearest row",
         7,
         3,
         [](HDC dc) { Line(dc, 0, 0, 6, 2); },
         {"##.....", "..###..", ".....#."}},
        {"a line far outside the bitmap is clipped, not walked",
         5,
         3,
         [](HDC dc) { Line(dc, -2000000000, 1, 2000000000, 1); },
         {".....", "#####", "....."}},
        {"a polyline joins its segments without gaps",
         6,
         6,
         [](HDC dc) {
             POINT points[] = {{1, 1}, {4, 1}, {4, 4}};
             Polyline(dc, points, 3);
         },
         {"......", ".####.", "....#.", "....#.", "......", "......"}},
        {"coloured pen",
         5,
         3,
         WithPen(1, RGB(255, 0, 0), [](HDC dc) { Line(dc, 1, 1, 4, 1); }),
         {".....", ".rrr.", "....."}},
        {"a wide pen has round caps and covers its end point",
         11,
         7,
         WithPen(5, RGB(0, 0, 0), [](HDC dc) { Line(dc, 3, 3, 7, 3); }),
         {"...........", "..#######..", ".#########.", ".#########.", ".#########.", "..#######..",
          "..........."}},
        {"a wide diagonal line",
         8,
         8,
         WithPen(3, RGB(0, 0, 0), [](HDC dc) { Line(dc, 1, 1, 5, 5); }),
         {"###.....", "####....", "#####...", ".#####..", "..#####.", "...####.", "....###.",
          "........"}},
        {"an even width covers that many rows and columns",
         6,
         6,
         WithPen(4, RGB(0, 0, 0), [](HDC dc) { Line(dc, 2, 2, 2, 2); }),
         {"..#...", ".###..", "####..", ".###..", "......", "......"}},
        {"alternate fill leaves the doubly wound square empty",
         11,
         11,
         [](HDC dc) {
             SetPolyFillMode(dc, ALTERNATE);
             NestedSquares(dc);
         },
         {"...........", ".########..", ".########..", ".##....##..", ".##....##..", ".##....##..",
          ".##....##..", ".########..", ".########..", "...........", "..........."}},
        {"winding fill fills it",
         11,
         11,
         [](HDC dc) {
             SetPolyFillMode(dc, WINDING);
             NestedSquares(dc);
         },
         {"...........", ".########..", ".########..", ".########..", ".########..", ".########..",
          ".########..", ".########..", ".########..", "...........", "..........."}},
        {"a polygon's outline is drawn over its fill and closes",
         7,
         6,
         WithBrush(RGB(255, 0, 0),
                   [](HDC dc) {
                       POINT points[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
                       Polygon(dc, points, 4);
                   }),
         {".......", ".#####.", ".#rrr#.", ".#rrr#.", ".#####.", "......."}},
        {"a rectangle leaves out its right and bottom edges",
         8,
         6,
         WithBrush(RGB(255, 0, 0), [](HDC dc) { Rectangle(dc, 1, 1, 6, 5); }),
         {"........", ".#####..", ".#rrr#..", ".#rrr#..", ".#####..", "........"}},
        {"without a pen a rectangle is one pixel smaller",
         8,
         6,
         WithBrush(RGB(255, 0, 0),
                   [](HDC dc) {
                       SelectObject(dc, GetStockObject(NULL_PEN));
                       Rectangle(dc, 1, 1, 6, 5);
                   }),
         {"........", ".rrrr...", ".rrrr...", ".rrrr...", "........", "........"}},
        {"FillRect",
         6,
         4,
         [](HDC dc) {
             HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
             RECT r{1, 1, 4, 3};
             FillRect(dc, &r, brush);
             DeleteObject(brush);
         },
         {"......", ".bbb..", ".bbb..", "......"}},
        {"FillRect with a system colour index",
         4,
         3,
         [](HDC dc) {
             RECT r{1, 1, 3, 2};
             FillRect(dc, &r, reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1));
         },
         {"....", ".##.", "...."}},
        {"FrameRect",
         7,
         6,
         [](HDC dc) {
             RECT r{1, 1, 6, 5};
             FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
         },
         {".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}},
        {"DrawFocusRect inverts every other border pixel",
         6,
         4,
         [](HDC dc) {
             RECT r{0, 0, 6, 4};
             DrawFocusRect(dc, &r);
         },
         {"#.#.#.", ".....#", "#.....", ".#.#.#"}},
        {"DrawFocusRect twice removes it",
         6,
         4,
         [](HDC dc) {
             RECT r{0, 0, 6, 4};
             DrawFocusRect(dc, &r);
             DrawFocusRect(dc, &r);
         },
         {"......", "......", "......", "......"}},
        {"twips mapping: 15 logical units to the pixel",
         6,
         5,
         [](HDC dc) {
             SetMapMode(dc, MM_ANISOTROPIC);
             SetWindowExtEx(dc, 1440, 1440, nullptr);
             SetViewportExtEx(dc, 96, 96, nullptr);
             RECT r{15, 15, 60, 45};
             FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
             SetMapMode(dc, MM_TEXT); // the picture is read in pixels
         },
         {"......", ".###..", ".###..", "......", "......"}},
    };
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestCanvas canvas(c.width, c.height);
        c.draw(canvas.dc());
        EXPECT_EQ(Show(canvas.Pixels()), Show(c.expected));
    }
}

TEST(RasterTest, DrawingOnAMonochromeBitmapPicksTheNearerColour) {
    TestCanvas canvas(4, 1, /*monochrome*/ true);
    SetPixel(canvas.dc(), 0, 0, RGB(200, 200, 200));
    SetPixel(canvas.dc(), 1, 0, RGB(60, 60, 60));
    SetPixel(canvas.dc(), 2, 0, RGB(255, 0, 0));
    EXPECT_EQ(Show(canvas.Pixels()), Show({".##."}));
}

} // namespace
