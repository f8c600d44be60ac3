#include "output/canvas/src/page_painter.h"

#include "platform/win32/winuser.h"

#include <algorithm>
#include <vector>

namespace output {

namespace {

constexpr std::int64_t kTwipsPerInch = 1440;

class PagePainter {
public:
    PagePainter(HDC dc, const PageScale& scale) : dc_(dc), scale_(scale) {}

    // Lengths across, and positions across on the target.
    int PixelsX(std::int64_t twips) const {
        return static_cast<int>(twips * scale_.pixelsPerInchX / kTwipsPerInch);
    }
    int X(std::int64_t twips) const { return PixelsX(twips) - scale_.originX; }
    // Lengths down and line widths, and positions down on the target.
    int PixelsY(std::int64_t twips) const {
        return static_cast<int>(twips * scale_.pixelsPerInchY / kTwipsPerInch);
    }
    int Y(std::int64_t twips) const { return PixelsY(twips) - scale_.originY; }
    int PenWidth(std::int32_t twips) const { return std::max(1, PixelsY(twips)); }

    void DrawImage(const ImageItem& image) const {
        MemoryContext source;
        Selection picture(source.Get(), image.bitmap.Get());
        SetStretchBltMode(dc_, COLORONCOLOR);
        StretchBlt(dc_, X(image.x), Y(image.y), PixelsX(image.width), PixelsY(image.height),
                   source.Get(), 0, 0, image.pixelWidth, image.pixelHeight, SRCCOPY);
    }

    void DrawPolygon(const PolygonItem& polygon) const {
        std::vector<POINT> points;
        for (const CanvasPoint& corner : polygon.points) {
            points.push_back({X(corner.x), Y(corner.y)});
        }
        points.push_back(points.front());
        int count = static_cast<int>(points.size());
        if (polygon.fill) {
            OwnedBrush brush(CreateSolidBrush(polygon.fillColour));
            OwnedPen pen(polygon.outline
                             ? CreatePen(PS_SOLID, PenWidth(polygon.width), polygon.lineColour)
                             : CreatePen(PS_SOLID, 1, polygon.fillColour));
            Selection brushSelection(dc_, brush.Get());
            Selection penSelection(dc_, pen.Get());
            Polygon(dc_, points.data(), count);
        } else {
            OwnedPen pen(CreatePen(PS_SOLID, PenWidth(polygon.width), polygon.lineColour));
            Selection penSelection(dc_, pen.Get());
            Polyline(dc_, points.data(), count);
        }
    }

    void DrawLine(const LineItem& line) const {
        OwnedPen pen(CreatePen(PS_SOLID, PenWidth(line.width), line.colour));
        Selection penSelection(dc_, pen.Get());
        MoveToEx(dc_, X(line.xFrom), Y(line.yFrom), nullptr);
        LineTo(dc_, X(line.xTo), Y(line.yTo));
    }

    void DrawWords(const Canvas& canvas, std::int32_t page) const {
        SetBkMode(dc_, TRANSPARENT);
        HGDIOBJ previousFont = nullptr;
        bool selected = false;
        for (const WordItem& word : canvas.Items().words) {
            if (word.page != page) {
                continue;
            }
            const FontRecord& record = canvas.Items().fonts[word.font];
            HGDIOBJ font = scale_.deviceFonts ? record.deviceFont.Get() : record.scaleFont.Get();
            HGDIOBJ replaced = SelectObject(dc_, font);
            if (!selected) {
                previousFont = replaced;
                selected = true;
            }
            SetTextColor(dc_, word.colour);
            TextOutA(dc_, X(word.x), Y(word.y), word.text.data(),
                     static_cast<int>(word.text.size()));
        }
        if (selected) {
            SelectObject(dc_, previousFont);
        }
    }

private:
    HDC dc_;
    PageScale scale_;
};

} // namespace

void PaintPage(HDC dc, const Canvas& canvas, std::int32_t page, const PageScale& scale) {
    PagePainter painter(dc, scale);
    const CanvasItems& items = canvas.Items();
    for (const ImageItem& image : items.images) {
        if (image.page == page) {
            painter.DrawImage(image);
        }
    }
    for (const PolygonItem& polygon : items.polygons) {
        if (polygon.page == page) {
            painter.DrawPolygon(polygon);
        }
    }
    for (const LineItem& line : items.lines) {
        if (line.page == page) {
            painter.DrawLine(line);
        }
    }
    painter.DrawWords(canvas, page);
}

} // namespace output
