// The 2-D half of a graph: the rendered scene made transparent where it kept the mask colour and
// laid over the backdrop and the wallpaper, then the title and the legend, all through the GDI
// subset on memory bitmaps. The title and then the legend go where the chart's positions put
// them when that place is free; a label that would cover the scene, a label placed before it or
// the picture's edge moves to the nearest free place, and shrinks when none is left at its size,
// so that neither ever hides the other or the chart.
#include "output/graph/graph_renderer.h"

#include "output/graph/src/fade_gradient.h"
#include "output/graph/src/label_room.h"
#include "output/graph/src/scene.h"

#include "platform/win32/winuser.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace output {

namespace {

// D AND NOT S: clears the destination where a monochrome source is white.
constexpr DWORD kClearWhereMarked = 0x00220326u;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kDarkGrey = 0x808080;

// A memory context with one bitmap selected, both freed at the end of the scope.
class MemoryCanvas {
public:
    explicit MemoryCanvas(HBITMAP bitmap) : bitmap_(bitmap) {
        if (bitmap_ != nullptr) {
            context_ = CreateCompatibleDC(nullptr);
            if (context_ != nullptr) {
                previous_ = SelectObject(context_, bitmap_);
            }
        }
    }
    ~MemoryCanvas() {
        if (context_ != nullptr) {
            SelectObject(context_, previous_);
            DeleteDC(context_);
        }
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    bool Ok() const { return context_ != nullptr; }
    HDC Context() const { return context_; }
    // Hands the bitmap to the caller: it is no longer freed here.
    HBITMAP Release() {
        SelectObject(context_, previous_);
        previous_ = nullptr;
        HBITMAP bitmap = bitmap_;
        bitmap_ = nullptr;
        return bitmap;
    }

private:
    HBITMAP bitmap_;
    HDC context_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// A GDI object selected into a context for a scope, then deleted.
class Selected {
public:
    Selected(HDC context, HGDIOBJ object)
        : context_(context), object_(object), previous_(SelectObject(context, object)) {}
    ~Selected() {
        SelectObject(context_, previous_);
        DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC context_;
    HGDIOBJ object_;
    HGDIOBJ previous_;
};

HFONT ArialOfHeight(int height) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = FW_NORMAL;
    std::strcpy(font.lfFaceName, "Arial");
    return CreateFontIndirectA(&font);
}

int TextWidth(HDC context, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(context, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void Text(HDC context, int x, int y, COLORREF color, const std::string& text) {
    SetTextColor(context, color);
    TextOutA(context, x, y, text.data(), static_cast<int>(text.size()));
}

// A rectangle from (left, top) to (right, bottom) filled with `fill`, outlined in `outline` or
// not at all.
void FilledRectangle(HDC context, int left, int top, int right, int bottom, COLORREF fill,
                     const COLORREF* outline) {
    const Selected brush(context, CreateSolidBrush(fill));
    const Selected pen(context, outline != nullptr ? CreatePen(PS_SOLID, 1, *outline)
                                                   : CreatePen(PS_NULL, 0, 0));
    Rectangle(context, left, top, right, bottom);
}

void DrawBackdrop(HDC picture, const GraphChart& chart, int xSize, int ySize) {
    const GraphBackdrop& backdrop = chart.Backdrop();
    if (backdrop.mode == BackdropMode::Solid) {
        FilledRectangle(picture, 0, 0, xSize + 1, ySize + 1,
                        static_cast<COLORREF>(backdrop.top) & kWhite, nullptr);
    } else if (backdrop.mode == BackdropMode::Fade && chart.FadeGradient() != nullptr) {
        HDC gradient = CreateCompatibleDC(nullptr);
        if (gradient == nullptr) {
            return;
        }
        const HGDIOBJ previous = SelectObject(gradient, chart.FadeGradient());
        StretchBlt(picture, 0, 0, xSize, ySize, gradient, 0, 0, 1, kFadeGradientRows, SRCCOPY);
        SelectObject(gradient, previous);
        DeleteDC(gradient);
    }
}

void DrawWallpaper(HDC picture, const GraphChart& chart, int xSize, int ySize) {
    BITMAP info{};
    if (chart.Wallpaper() == WallpaperMode::None ||
        GetObjectA(chart.WallpaperBitmap(), sizeof info, &info) != sizeof info) {
        return;
    }
    HDC source = CreateCompatibleDC(nullptr);
    if (source == nullptr) {
        return;
    }
    const HGDIOBJ previous = SelectObject(source, chart.WallpaperBitmap());
    const int width = info.bmWidth;
    const int height = info.bmHeight;
    switch (chart.Wallpaper()) {
    case WallpaperMode::Centred:
        BitBlt(picture, (xSize - width) / 2, (ySize - height) / 2, width, height, source, 0, 0,
               SRCCOPY);
        break;
    case WallpaperMode::Tiled:
        for (int y = 0; y < ySize; y += height) {
            for (int x = 0; x < xSize; x += width) {
                BitBlt(picture, x, y, width, height, source, 0, 0, SRCCOPY);
            }
        }
        break;
    case WallpaperMode::Stretched:
        StretchBlt(picture, 0, 0, xSize, ySize, source, 0, 0, width, height, SRCCOPY);
        break;
    case WallpaperMode::None:
        break;
    }
    SelectObject(source, previous);
    DeleteDC(source);
}

// The title at one cell height: its lines' widest width and its box, from the block's top left
// corner to the far corner of the boxed mode's shadow, centred where the chart asks.
struct TitleLayout {
    int cellHeight = 0;
    int blockWidth = 0;
    RECT box;
};

std::optional<TitleLayout> MeasureTitle(HDC picture, const GraphTitle& title,
                                        const GraphChart& chart, int xSize, int ySize,
                                        int cellHeight) {
    if (title.lines.empty() || cellHeight <= 0) {
        return std::nullopt;
    }
    const Selected font(picture, ArialOfHeight(cellHeight));
    int blockWidth = 0;
    for (const std::string& line : title.lines) {
        blockWidth = std::max(blockWidth, TextWidth(picture, line));
    }
    const int blockHeight = static_cast<int>(title.lines.size()) * cellHeight;
    if (blockWidth == 0 || blockHeight == 0) {
        return std::nullopt;
    }
    const int left = static_cast<int>(xSize * chart.TitleX()) - (blockWidth + 6) / 2;
    const int top = static_cast<int>(ySize * chart.TitleY()) - (blockHeight + 6) / 2;
    return TitleLayout{
        cellHeight, blockWidth, {left, top, left + blockWidth + 8, top + blockHeight + 8}};
}

void DrawTitle(HDC picture, const GraphTitle& title, const TitleLayout& layout) {
    const Selected font(picture, ArialOfHeight(layout.cellHeight));
    const int left = layout.box.left;
    const int top = layout.box.top;
    const int blockWidth = layout.blockWidth;
    const int blockHeight = static_cast<int>(title.lines.size()) * layout.cellHeight;
    if (title.mode == TitleMode::Boxed) {
        FilledRectangle(picture, left + 2, top + 2, left + blockWidth + 8, top + blockHeight + 8,
                        kDarkGrey, nullptr);
        FilledRectangle(picture, left, top, left + blockWidth + 6, top + blockHeight + 6,
                        static_cast<COLORREF>(title.backColor) & kWhite, &kBlack);
    }
    SetBkMode(picture, TRANSPARENT);
    const COLORREF textColor = static_cast<COLORREF>(title.textColor) & kWhite;
    int y = top;
    for (const std::string& line : title.lines) {
        const int x = left + (blockWidth - TextWidth(picture, line)) / 2;
        if (textColor != kBlack) {
            Text(picture, x + 3, y + 3, kBlack, line);
        }
        Text(picture, x + 2, y + 2, textColor, line);
        y += layout.cellHeight;
    }
}

// The legend at one character height F: the widest ID, the font's cell height, and its box from
// the first swatch's top left corner (less the two pixels the IDs rise above their swatches) to
// the far corner of the last ID's shadow, centred where the chart asks.
struct LegendLayout {
    int cell = 0;
    int widest = 0;
    RECT box;
};

std::optional<LegendLayout> MeasureLegend(HDC picture, const GraphChart& chart, int xSize,
                                          int ySize, int cell) {
    const auto& series = chart.Series();
    if (series.empty() || cell <= 0) {
        return std::nullopt;
    }
    const Selected font(picture, ArialOfHeight(-cell));
    int widest = 0;
    for (const GraphSeries& one : series) {
        widest = std::max(widest, TextWidth(picture, one.id));
    }
    TEXTMETRICA metrics{};
    GetTextMetricsA(picture, &metrics);
    const int count = static_cast<int>(series.size());
    const int left = static_cast<int>(xSize * chart.LegendX()) - (widest + cell) / 2;
    const int top = static_cast<int>(ySize * chart.LegendY()) - count * cell / 2;
    const int lastTop = top + (count - 1) * cell;
    const int bottom =
        std::max(lastTop + cell - 2, lastTop - 1 + static_cast<int>(metrics.tmHeight));
    return LegendLayout{cell, widest, {left, top - 2, left + cell + widest + 2, bottom}};
}

void DrawLegend(HDC picture, const GraphChart& chart, const LegendLayout& layout) {
    const int cell = layout.cell;
    const Selected font(picture, ArialOfHeight(-cell));
    const int left = layout.box.left;
    int y = layout.box.top + 2;
    const COLORREF legendColor = static_cast<COLORREF>(chart.ColorOfLegend()) & kWhite;
    SetBkMode(picture, TRANSPARENT);
    for (const GraphSeries& one : chart.Series()) {
        FilledRectangle(picture, left + 2, y + 2, left + cell - 2, y + cell - 2, kDarkGrey,
                        nullptr);
        FilledRectangle(picture, left, y, left + cell - 4, y + cell - 4,
                        static_cast<COLORREF>(one.color.value) & kWhite, &kBlack);
        if (legendColor != kBlack) {
            Text(picture, left + cell + 1, y - 1, kBlack, one.id);
        }
        Text(picture, left + cell, y - 2, legendColor, one.id);
        y += cell;
    }
}

// The sizes a label tries when it finds no room: from `size` down to half of it, a tenth smaller
// each time.
std::vector<int> LabelSizes(int size) {
    std::vector<int> sizes;
    for (int tried = size; tried >= std::max(1, size / 2);
         tried = std::min(tried - 1, tried * 9 / 10)) {
        sizes.push_back(tried);
    }
    return sizes;
}

// The label at the first of its sizes that finds room, placed nearest to where the chart asks;
// none when no size finds room.
template <class Layout, class Measure>
std::optional<Layout> FitLabel(const LabelRoom& room, int size, Measure measure) {
    for (const int tried : LabelSizes(size)) {
        std::optional<Layout> layout = measure(tried);
        if (!layout) {
            return std::nullopt;
        }
        if (const std::optional<RECT> box = room.Place(layout->box)) {
            layout->box = *box;
            return layout;
        }
    }
    return std::nullopt;
}

// The label as it fits in `room`, else at its asked size and place; its pixels are taken.
template <class Layout, class Measure>
std::optional<Layout> FitOrAsk(LabelRoom& room, int size, Measure measure) {
    std::optional<Layout> label = FitLabel<Layout>(room, size, measure);
    if (!label) {
        label = measure(size);
    }
    if (label) {
        room.Take(label->box);
    }
    return label;
}

struct Labels {
    std::optional<TitleLayout> title;
    std::optional<LegendLayout> legend;
};

// The title, then the legend. The title takes the largest of its sizes that leaves the legend
// room as well; when none does, each takes what it finds in turn.
template <class MeasureTitle, class MeasureLegend>
Labels PlaceLabels(LabelRoom room, int titleSize, MeasureTitle measureTitle, int legendSize,
                   MeasureLegend measureLegend) {
    if (measureTitle(titleSize) && measureLegend(legendSize)) {
        for (const int tried : LabelSizes(titleSize)) {
            std::optional<TitleLayout> title = measureTitle(tried);
            const std::optional<RECT> box = title ? room.Place(title->box) : std::nullopt;
            if (!box) {
                continue;
            }
            title->box = *box;
            LabelRoom beside = room;
            beside.Take(*box);
            if (std::optional<LegendLayout> legend =
                    FitLabel<LegendLayout>(beside, legendSize, measureLegend)) {
                return {title, legend};
            }
        }
    }
    Labels labels;
    labels.title = FitOrAsk<TitleLayout>(room, titleSize, measureTitle);
    labels.legend = FitOrAsk<LegendLayout>(room, legendSize, measureLegend);
    return labels;
}

} // namespace

GraphError RenderGraph(const GraphChart& chart, std::int32_t xSize, std::int32_t ySize,
                       HBITMAP& picture) {
    picture = nullptr;
    if (xSize <= 0 || ySize <= 0 || xSize > kMaxPictureSide || ySize > kMaxPictureSide) {
        return GraphError::CannotMakeBitmap;
    }
    // The scene, in a 24-bit bottom-up DIB section.
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = xSize;
    format.bmiHeader.biHeight = ySize;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    MemoryCanvas scene(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!scene.Ok() || bits == nullptr) {
        return GraphError::CannotMakeBitmap;
    }
    if (const GraphError rendered = RenderScene(chart, xSize, ySize, bits);
        rendered != GraphError::OK) {
        return rendered;
    }
    const COLORREF maskColor = static_cast<COLORREF>(chart.ColorOfMask().value) & kWhite;
    // The title and the legend keep clear of the scene, of the picture's edges and of each
    // other by a hundredth of the picture's height.
    LabelRoom room(xSize, ySize, std::max(2, ySize / 100));
    room.TakeScene(bits, maskColor);

    // The mask: white where the scene kept the mask colour; those pixels then turn black, so
    // that OR-ing the scene over the picture leaves the picture there.
    MemoryCanvas mask(CreateBitmap(xSize, ySize, 1, 1, nullptr));
    if (!mask.Ok()) {
        return GraphError::CannotMakeBitmap;
    }
    SetBkColor(scene.Context(), maskColor);
    BitBlt(mask.Context(), 0, 0, xSize, ySize, scene.Context(), 0, 0, SRCCOPY);
    SetTextColor(scene.Context(), kBlack);
    SetBkColor(scene.Context(), kWhite);
    BitBlt(scene.Context(), 0, 0, xSize, ySize, mask.Context(), 0, 0, kClearWhereMarked);

    HDC screen = GetDC(nullptr);
    MemoryCanvas result(screen != nullptr ? CreateCompatibleBitmap(screen, xSize, ySize) : nullptr);
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    if (!result.Ok()) {
        return GraphError::CannotMakeBitmap;
    }
    HDC target = result.Context();
    DrawBackdrop(target, chart, xSize, ySize);
    DrawWallpaper(target, chart, xSize, ySize);
    SetTextColor(target, kBlack);
    SetBkColor(target, kWhite);
    BitBlt(target, 0, 0, xSize, ySize, mask.Context(), 0, 0, SRCAND);
    BitBlt(target, 0, 0, xSize, ySize, scene.Context(), 0, 0, SRCPAINT);
    const GraphTitle& title = chart.Title();
    const Labels labels = PlaceLabels(
        std::move(room), static_cast<int>(ySize * title.size),
        [&](int cellHeight) {
            return MeasureTitle(target, title, chart, xSize, ySize, cellHeight);
        },
        ySize / 30, [&](int cell) { return MeasureLegend(target, chart, xSize, ySize, cell); });
    if (labels.title) {
        DrawTitle(target, title, *labels.title);
    }
    if (labels.legend) {
        DrawLegend(target, chart, *labels.legend);
    }
    picture = result.Release();
    return GraphError::OK;
}

} // namespace output
