#include "output/template/canvas_rendering.h"

#include "output/canvas/arrow_head.h"
#include "output/template/rich_text_reader.h"
#include "output/variant_arguments.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

namespace output {

namespace {

using automation::Variant;

constexpr std::int32_t kTwipsPerPoint = 20;

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A tab character waiting for the run after it.
struct PendingTab {
    std::int32_t from = 0;   // the cursor when the tab was met
    std::int32_t target = 0; // the stop, cut to the right edge
    TabKind kind = TabKind::Left;
    RunFormat format; // the tab's own: an underlined tab is drawn as a line
};

class CanvasWriter final : public RichTextTarget {
public:
    explicit CanvasWriter(ICanvas& canvas) : canvas_(canvas) {}

    PageGeometry Geometry() {
        return {Get(&ICanvas::get_PageX), Get(&ICanvas::get_MarginLeft),
                Get(&ICanvas::get_MarginRight)};
    }

    void SetMargin(PageMargin margin, std::int32_t value) override {
        switch (margin) {
        case PageMargin::Top:
            return Put(&ICanvas::put_MarginTop, value);
        case PageMargin::Bottom:
            return Put(&ICanvas::put_MarginBottom, value);
        case PageMargin::Left:
            return Put(&ICanvas::put_MarginLeft, value);
        case PageMargin::Right:
            return Put(&ICanvas::put_MarginRight, value);
        case PageMargin::Indent:
            return Put(&ICanvas::put_MarginIndent, value);
        }
    }

    // In a transaction: a paragraph marked keep that crosses a page is taken back and laid out
    // again from the top of the next page.
    void LayOutParagraph(const RichTextParagraph& paragraph) override {
        Put(&ICanvas::put_Justify, paragraph.alignment);
        for (int attempt = 1;; ++attempt) {
            canvas_.TransStart();
            const std::int32_t pageBefore = Get(&ICanvas::get_Page);
            MoveDown(paragraph.spaceBefore);
            PlaceRuns(paragraph);
            canvas_.NewParagraph();
            MoveDown(paragraph.spaceAfter);
            const std::int32_t pageAfter = Get(&ICanvas::get_Page);
            const bool again = attempt == 1 && paragraph.keep && pageAfter != pageBefore;
            Variant error;
            canvas_.TransStop(&error, *Variant::FromBool(!again));
            if (!again) {
                return;
            }
            canvas_.NewPage();
        }
    }

    void NewPage() override { canvas_.NewPage(); }

    void Draw(const DrawingObject& object) override {
        const std::int64_t left = std::int64_t{Get(&ICanvas::get_CursorX)} + object.x;
        const std::int64_t top = std::int64_t{Get(&ICanvas::get_CursorY)} + object.y;
        PutColour(&ICanvas::put_ColorOfLine, object.lineColour);
        if (object.kind == DrawingKind::Line) {
            DrawLine(object, {Saturate(left + object.first.x), Saturate(top + object.first.y)},
                     {Saturate(left + object.second.x), Saturate(top + object.second.y)});
            return;
        }
        if (object.fill) {
            PutColour(&ICanvas::put_ColorOfFill, object.fillColour);
        }
        const std::string x0 = std::to_string(Saturate(left));
        const std::string y0 = std::to_string(Saturate(top));
        const std::string x1 = std::to_string(Saturate(left + object.width));
        const std::string y1 = std::to_string(Saturate(top + object.height));
        PutPolygon(x0 + ":" + y0 + "|" + x1 + ":" + y0 + "|" + x1 + ":" + y1 + "|" + x0 + ":" + y1,
                   object.lineWidth, object.fill);
    }

private:
    // Arrow heads are filled in the line's colour; each pulls its end of the line inside it.
    void DrawLine(const DrawingObject& object, POINT start, POINT end) {
        POINT lineStart = start;
        POINT lineEnd = end;
        if (object.startArrow || object.endArrow) {
            PutColour(&ICanvas::put_ColorOfFill, object.lineColour);
        }
        if (object.startArrow) {
            const ArrowHead head = MakeArrowHead(start, end, object.lineWidth);
            PutPolygon(PointListText(head.corners), object.lineWidth, /*fill*/ true);
            lineStart = head.lineEnd;
        }
        if (object.endArrow) {
            const ArrowHead head = MakeArrowHead(end, start, object.lineWidth);
            PutPolygon(PointListText(head.corners), object.lineWidth, /*fill*/ true);
            lineEnd = head.lineEnd;
        }
        PutLine(lineStart.x, lineStart.y, lineEnd.x, lineEnd.y, object.lineWidth);
    }

    void PlaceRuns(const RichTextParagraph& paragraph) {
        std::optional<PendingTab> tab;
        for (const TextRun& run : paragraph.runs) {
            if (run.tab) {
                if (tab) {
                    FinishTab(*tab, nullptr);
                }
                tab = StartTab(paragraph, run.format);
                continue;
            }
            SetFormat(run.format);
            if (tab) {
                FinishTab(*tab, &run.text);
                tab.reset();
            }
            Variant text = Variant::FromText(run.text);
            canvas_.PutText(*text);
        }
        if (tab) {
            FinishTab(*tab, nullptr);
        }
    }

    PendingTab StartTab(const RichTextParagraph& paragraph, const RunFormat& format) {
        PendingTab tab;
        tab.from = Get(&ICanvas::get_CursorX);
        tab.target = tab.from;
        tab.format = format;
        for (const TabStop& stop : paragraph.tabs) {
            const std::int64_t position = std::int64_t{paragraph.tabOrigin} + stop.position;
            if (position > tab.from) {
                tab.target = Saturate(position);
                tab.kind = stop.kind;
                break;
            }
        }
        tab.target = std::min(tab.target, paragraph.tabLimit);
        return tab;
    }

    // A centred or right stop shifts by the next run's width, never left of where the tab
    // started; an underlined tab is a line at the text's foot from there to the stop.
    void FinishTab(const PendingTab& tab, const std::string* nextRun) {
        std::int64_t target = tab.target;
        if (nextRun != nullptr && tab.kind != TabKind::Left) {
            Variant text = Variant::FromText(*nextRun);
            Variant width;
            Variant height;
            canvas_.Measure(*text, &width, &height);
            target -=
                tab.kind == TabKind::Centred ? VariantToInt(*width) / 2 : VariantToInt(*width);
            target = std::max<std::int64_t>(target, tab.from);
        }
        if (tab.format.underline) {
            PutColour(&ICanvas::put_ColorOfLine, tab.format.colour);
            const std::int32_t y = Saturate(std::int64_t{Get(&ICanvas::get_CursorY)} +
                                            std::int64_t{tab.format.size} * kTwipsPerPoint);
            PutLine(tab.from, y, Saturate(target), y, tab.format.size * 60 / 72);
        }
        Put(&ICanvas::put_CursorX, Saturate(target));
    }

    void SetFormat(const RunFormat& format) {
        if (format.fontName) {
            Variant name = Variant::FromText(*format.fontName);
            canvas_.put_FontName(*name);
            Put(&ICanvas::put_FontType, static_cast<std::int32_t>(format.family));
        }
        Put(&ICanvas::put_FontSize, format.size);
        PutBool(&ICanvas::put_FontBold, format.bold);
        PutBool(&ICanvas::put_FontItalic, format.italic);
        PutBool(&ICanvas::put_FontUnder, format.underline);
        PutColour(&ICanvas::put_ColorOfText, format.colour);
    }

    void MoveDown(std::int32_t space) {
        Put(&ICanvas::put_CursorY, Saturate(std::int64_t{Get(&ICanvas::get_CursorY)} + space));
    }

    void PutPolygon(const std::string& points, std::int32_t width, bool fill) {
        Variant error;
        Variant text = Variant::FromText(points);
        canvas_.PutPolygon(&error, *text, *Variant::FromInt(width), *Variant::FromBool(true),
                           *Variant::FromBool(fill));
    }

    void PutLine(std::int32_t xFrom, std::int32_t yFrom, std::int32_t xTo, std::int32_t yTo,
                 std::int32_t width) {
        canvas_.PutLine(*Variant::FromInt(xFrom), *Variant::FromInt(yFrom), *Variant::FromInt(xTo),
                        *Variant::FromInt(yTo), *Variant::FromInt(width));
    }

    std::int32_t Get(HRESULT (ICanvas::*get)(VARIANT*)) {
        Variant value;
        (canvas_.*get)(&value);
        return VariantToInt(*value);
    }

    void Put(HRESULT (ICanvas::*put)(VARIANT), std::int32_t value) {
        (canvas_.*put)(*Variant::FromInt(value));
    }

    void PutBool(HRESULT (ICanvas::*put)(VARIANT), bool value) {
        (canvas_.*put)(*Variant::FromBool(value));
    }

    void PutColour(HRESULT (ICanvas::*put)(VARIANT), std::uint32_t colour) {
        Put(put, static_cast<std::int32_t>(colour));
    }

    ICanvas& canvas_;
};

} // namespace

void RenderOnCanvas(std::string_view document, ICanvas& canvas) {
    CanvasWriter writer(canvas);
    ReadRichText(document, writer.Geometry(), writer);
}

} // namespace output
