// The tab window's picture: a framed body under a strip of three-dimensional tabs, the selected
// tab drawn thicker and open towards the body.
#include "family/ui/src/library_state.h"
#include "family/ui/src/tab_window_state.h"

namespace vistel {

namespace {

// Draws with the platform's line rule: the end point is left out.
class Painter {
public:
    explicit Painter(HDC dc) : dc_(dc) {}

    void Line(HPEN pen, int x0, int y0, int x1, int y1) {
        SelectObject(dc_, pen);
        MoveToEx(dc_, x0, y0, nullptr);
        LineTo(dc_, x1, y1);
    }

    void Polyline(HPEN pen, std::initializer_list<POINT> points) {
        SelectObject(dc_, pen);
        const POINT* first = points.begin();
        MoveToEx(dc_, first->x, first->y, nullptr);
        for (const POINT* p = first + 1; p != points.end(); ++p) {
            LineTo(dc_, p->x, p->y);
        }
    }

    void Pixel(COLORREF colour, int x, int y) { SetPixel(dc_, x, y, colour); }

private:
    HDC dc_;
};

struct Pens {
    HPEN black;
    HPEN shadow;
    HPEN face;
    HPEN highlight;
    COLORREF shadowColour;
    COLORREF faceColour;
    COLORREF highlightColour;
};

void DrawBody(Painter& paint, const Pens& pens, int s, int r, int b) {
    paint.Polyline(pens.black, {{0, s - 3}, {0, b}, {r, b}, {r, s - 4}});
    paint.Line(pens.highlight, 1, s, 1, b - 1);
    paint.Line(pens.highlight, 2, s, 2, b - 2);
    paint.Polyline(pens.shadow, {{r - 1, s - 1}, {r - 1, b - 1}, {1, b - 1}});
    paint.Polyline(pens.shadow, {{r - 2, s}, {r - 2, b - 2}, {2, b - 2}});
}

void DrawTabOutline(Painter& paint, const Pens& pens, int x, int w, int s, bool top) {
    const COLORREF kBlack = RGB(0, 0, 0);
    paint.Line(pens.black, x, top ? s - 3 : s - 4, x, 3);
    paint.Pixel(kBlack, x + 1, 3);
    paint.Pixel(kBlack, x + 2, 2);
    paint.Pixel(kBlack, x + 3, 1);
    paint.Line(pens.black, x + 4, 0, x + w + 13, 0);
    paint.Pixel(kBlack, x + w + 13, 1);
    paint.Pixel(kBlack, x + w + 14, 2);
    paint.Pixel(kBlack, x + w + 15, 3);
    paint.Line(pens.black, x + w + 16, 4, x + w + 16, top ? s - 2 : s - 3);

    paint.Line(pens.highlight, x + 1, top ? s - 1 : s - 4, x + 1, 3);
    paint.Pixel(pens.highlightColour, x + 2, 3);
    paint.Pixel(pens.highlightColour, x + 3, 2);
    paint.Line(pens.highlight, x + 4, 1, x + w + 13, 1);
    paint.Line(pens.highlight, x + w + 16, s - 3, x + w + 16, s);

    paint.Pixel(pens.shadowColour, x + w + 13, 2);
    paint.Pixel(pens.shadowColour, x + w + 14, 3);
    paint.Line(pens.shadow, x + w + 15, 4, x + w + 15, top ? s - 2 : s - 3);
}

void DrawTopTabInside(Painter& paint, const Pens& pens, int x, int w, int s) {
    paint.Line(pens.highlight, x + 2, s - 1, x + 2, 3);
    paint.Pixel(pens.highlightColour, x + 3, 3);
    paint.Line(pens.highlight, x + 4, 2, x + w + 12, 2);
    paint.Pixel(pens.highlightColour, x + 3, 4);
    paint.Pixel(pens.highlightColour, x + 4, 3);
    paint.Pixel(pens.highlightColour, x + w + 15, s - 1);
    paint.Line(pens.shadow, x + w + 14, 4, x + w + 14, s - 1);
    paint.Pixel(pens.shadowColour, x + w + 13, 3);
    paint.Pixel(pens.shadowColour, x + w + 12, 3);
    paint.Pixel(pens.shadowColour, x + w + 13, 4);
    for (int y = s - 3; y <= s - 1; ++y) {
        paint.Line(pens.face, x + 3, y, x + w + 14, y);
    }
    paint.Pixel(pens.faceColour, x + w + 15, s - 2);
    paint.Pixel(pens.faceColour, x + w + 14, s - 1);
}

void DrawOtherTabInside(Painter& paint, const Pens& pens, int x, int w, int s) {
    paint.Line(pens.face, x + 2, s - 4, x + 2, 3);
    paint.Line(pens.face, x + 4, 2, x + w + 12, 2);
    paint.Line(pens.face, x + w + 14, 4, x + w + 14, s - 3);
    for (const POINT p : {POINT{x + 3, 3}, POINT{x + 3, 4}, POINT{x + 4, 3}, POINT{x + w + 13, 3},
                          POINT{x + w + 12, 3}, POINT{x + w + 13, 4}}) {
        paint.Pixel(pens.faceColour, p.x, p.y);
    }
    paint.Line(pens.black, x, s - 3, x + w + 16, s - 3);
    paint.Line(pens.highlight, x + 1, s - 2, x + w + 16, s - 2);
    paint.Line(pens.highlight, x + 1, s - 1, x + w + 16, s - 1);
}

void DrawCaption(HDC dc, const TabRecord& tab, int x, int s, bool focusHere) {
    RECT text{x + kCaptionInset, kCaptionInset, x + kCaptionInset + tab.captionWidth,
              s - kCaptionInset};
    SetTextColor(dc, GetSysColor(tab.disabled != 0 ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    DrawTextA(dc, tab.caption.data(), -1, &text, DT_SINGLELINE);
    const RECT around{text.left - 2, text.top - 2, text.right + 2, text.bottom + 2};
    if (focusHere) {
        DrawFocusRect(dc, &around);
    } else {
        FrameRect(dc, &around, GetSysColorBrush(COLOR_BTNFACE));
    }
}

} // namespace

void PaintTabWindow(HWND window, const TabWindowState& state) {
    PAINTSTRUCT paintStruct{};
    const HDC dc = BeginPaint(window, &paintStruct);
    RECT client{};
    GetClientRect(window, &client);
    const int s = state.stripHeight;
    const int r = client.right - 1;
    const int b = client.bottom - 1;
    const Pens pens{static_cast<HPEN>(GetStockObject(BLACK_PEN)),
                    CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)),
                    CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE)),
                    CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)),
                    GetSysColor(COLOR_BTNSHADOW),
                    GetSysColor(COLOR_BTNFACE),
                    GetSysColor(COLOR_BTNHIGHLIGHT)};
    const HGDIOBJ previousPen = SelectObject(dc, pens.black);
    const HGDIOBJ previousFont = SelectObject(dc, Library().tabFont);
    SetBkColor(dc, pens.faceColour);
    Painter paint(dc);
    DrawBody(paint, pens, s, r, b);
    int x = 0;
    for (int i = 0; i < state.count; ++i) {
        const TabRecord& tab = state.tabs[static_cast<std::size_t>(i)];
        if (tab.hidden != 0) {
            continue;
        }
        const bool top = i == state.topTab;
        const int w = tab.captionWidth;
        DrawTabOutline(paint, pens, x, w, s, top);
        if (top) {
            DrawTopTabInside(paint, pens, x, w, s);
        } else {
            DrawOtherTabInside(paint, pens, x, w, s);
        }
        DrawCaption(dc, tab, x, s, top && state.hasFocus != 0);
        x += w + kTabPadding;
    }
    paint.Line(pens.black, x, s - 3, r, s - 3);
    const int highlightStart = x == 0 ? 1 : x;
    paint.Line(pens.highlight, highlightStart, s - 2, r - 1, s - 2);
    paint.Line(pens.highlight, highlightStart, s - 1, r - 2, s - 1);
    SelectObject(dc, previousFont);
    SelectObject(dc, previousPen);
    DeleteObject(pens.shadow);
    DeleteObject(pens.face);
    DeleteObject(pens.highlight);
    EndPaint(window, &paintStruct);
}

} // namespace vistel
