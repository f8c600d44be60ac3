#include "output/canvas/page_bitmap.h"

#include "platform/win32/winuser.h"

#include <algorithm>
#include <vector>

namespace output {

namespace {

constexpr std::int64_t kTwipsPerInch = 1440;
constexpr COLORREF kWhite = 0xFFFFFF;

// Selects an object into a context for the life of the selection and puts the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class MemoryContext {
public:
    MemoryContext() : dc_(CreateCompatibleDC(nullptr)) {}
    ~MemoryContext() { DeleteDC(dc_); }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

class PagePainter {
public:
    PagePainter(HDC dc, std::int32_t scale) : dc_(dc), scale_(scale) {}

    int Pixels(std::int64_t twips) const {
        return static_cast<int>(twips * scale_ / kTwipsPerInch);
    }
    int PenWidth(std::int32_t twips) const { return std::max(1, Pixels(twips)); }

    void DrawImage(const ImageItem& image) const {
        MemoryContext source;
        Selection picture(source.Get(), image.bitmap.Get());
        SetStretchBltMode(dc_, COLORONCOLOR);
        StretchBlt(dc_, Pixels(image.x), Pixels(image.y), Pixels(image.width), Pixels(image.height),
                   source.Get(), 0, 0, image.pixelWidth, image.pixelHeight, SRCCOPY);
    }

    void DrawPolygon(const PolygonItem& polygon) const {
        std::vector<POINT> points;
        for (const CanvasPoint& corner : polygon.points) {
            points.push_back({Pixels(corner.x), Pixels(corner.y)});
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
        MoveToEx(dc_, Pixels(line.xFrom), Pixels(line.yFrom), nullptr);
        LineTo(dc_, Pixels(line.xTo), Pixels(line.yTo));
    }

    void DrawWords(const Canvas& canvas, std::int32_t page) const {
        SetBkMode(dc_, TRANSPARENT);
        HGDIOBJ previousFont = nullptr;
        bool selected = false;
        for (const WordItem& word : canvas.Items().words) {
            if (word.page != page) {
                continue;
            }
            HGDIOBJ font = canvas.Items().fonts[word.font].scaleFont.Get();
            HGDIOBJ replaced = SelectObject(dc_, font);
            if (!selected) {
                previousFont = replaced;
                selected = true;
            }
            SetTextColor(dc_, word.colour);
            TextOutA(dc_, Pixels(word.x), Pixels(word.y), word.text.data(),
                     static_cast<int>(word.text.size()));
        }
        if (selected) {
            SelectObject(dc_, previousFont);
        }
    }

private:
    HDC dc_;
    std::int32_t scale_;
};

} // namespace

OwnedBitmap RenderPage(const Canvas& canvas, std::int32_t page) {
    const PageSet& pages = canvas.State().pages;
    if (page < 1 || page > pages.total) {
        return {};
    }
    const std::int64_t scale = canvas.DrawScale();
    const std::int64_t width = pages.width * scale / kTwipsPerInch;
    const std::int64_t height = pages.height * scale / kTwipsPerInch;
    if (width < 1 || height < 1 || width > kMaxPageBitmapSide || height > kMaxPageBitmapSide) {
        return {};
    }
    MemoryContext dc;
    bool colour = (pages.flags[static_cast<std::size_t>(page) - 1] & kPageHasColour) != 0;
    UINT planes = colour ? static_cast<UINT>(GetDeviceCaps(dc.Get(), PLANES)) : 1;
    UINT bits = colour ? static_cast<UINT>(GetDeviceCaps(dc.Get(), BITSPIXEL)) : 1;
    OwnedBitmap bitmap(
        CreateBitmap(static_cast<int>(width), static_cast<int>(height), planes, bits, nullptr));
    if (!bitmap) {
        return bitmap;
    }
    {
        Selection target(dc.Get(), bitmap.Get());
        RECT whole{0, 0, static_cast<LONG>(width), static_cast<LONG>(height)};
        OwnedBrush white(CreateSolidBrush(kWhite));
        FillRect(dc.Get(), &whole, white.Get());

        PagePainter painter(dc.Get(), canvas.DrawScale());
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
    return bitmap;
}

} // namespace output
