// _DOGRAPHDRAWX and _DOGRAPHDRAW: a new bitmap, the chart drawn into it step by step with the
// host's progress reported, and the bitmap saved on request.
#include "family/graph/plotwen.h"
#include "family/graph/src/background.h"
#include "family/graph/src/graph_file.h"
#include "family/graph/src/layouts.h"
#include "family/graph/src/record_reader.h"

#include <algorithm>
#include <array>

using namespace plotwen;

namespace {

constexpr int kMinimumOptionsSize = 4;
constexpr BYTE kLabelPitchAndFamily = FIXED_PITCH | FF_MODERN;
// A record's font is at most as tall as the bitmap; taller text shows nothing more and would
// only cost rasterising.
constexpr int kLargestFontSize = 1000;

HFONT MakeFont(int height, int weight, bool italic, bool underline, BYTE pitchAndFamily) {
    return CreateFont(height, 0, 0, 0, weight, italic ? 1 : 0, underline ? 1 : 0, 0, ANSI_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                      nullptr);
}

// The record's fonts in use, made for the bitmap's height; deleted with the set.
class RecordFonts {
public:
    RecordFonts(const Chart& chart, int height) {
        for (int index = 0; index < kFontCount; ++index) {
            if (const std::optional<FontSpec>& spec = chart.fonts[index]) {
                const int size = std::clamp(spec->size, -kLargestFontSize, kLargestFontSize);
                fonts_[index] = MakeFont(PerMille(height, size), spec->weight, spec->italic,
                                         spec->underline, spec->pitchAndFamily);
            }
        }
    }
    ~RecordFonts() {
        for (HFONT font : fonts_) {
            if (font != nullptr) {
                DeleteObject(font);
            }
        }
    }
    RecordFonts(const RecordFonts&) = delete;
    RecordFonts& operator=(const RecordFonts&) = delete;

    HFONT At(int index) const { return fonts_[index]; }

private:
    std::array<HFONT, kFontCount> fonts_{};
};

void DrawTexts(Scene& scene) {
    const RecordFonts fonts(scene.chart, scene.height);
    for (const TextItem& text : scene.chart.texts) {
        HFONT font = text.font ? fonts.At(*text.font) : nullptr;
        scene.painter.DrawAlignedText(font != nullptr ? font : scene.labelFont, text.text,
                                      PerMille(scene.width, text.x), PerMille(scene.height, text.y),
                                      text.horizontal, text.vertical, text.colour);
    }
}

void DrawFrame(Painter& painter, int width, int height) {
    const POINT corners[] = {
        {1, 1}, {width - 1, 1}, {width - 1, height - 1}, {1, height - 1}, {1, 1}};
    painter.Polyline(corners, 5, 2, kBlack);
}

// Steps 2 to 10 of a drawing, on a memory context holding the new bitmap.
void DrawChart(HDC dc, const Chart& chart, int width, int height, std::uint8_t options,
               const Progress& progress) {
    Painter painter(dc);
    HFONT labelFont = MakeFont(PerMille(width, 30), FW_BOLD, false, false, kLabelPitchAndFamily);
    Scene scene{painter, chart,    width, height, labelFont, PerMille(width, 30),
                options, progress, {},    0,      {}};

    DrawBackground(painter, chart, width, height);
    progress.Report(10);
    DrawWallpaper(painter, chart, width, height);
    progress.Report(20);

    scene.categories = CategoryLabels(chart.categoryMarks);
    scene.maximum = ChartMaximum(chart, scene.categories);
    progress.Report(30);
    scene.values =
        ValueLabels(chart.valueMarks, scene.maximum, (options & kGraphOptionDollar) != 0);
    progress.Report(35);

    if ((options & kGraphOptionFlat) != 0) {
        DrawFlatLayout(scene);
    } else {
        DrawDepthLayout(scene);
    }

    DrawTexts(scene);
    progress.Report(90);
    if (chart.frame) {
        DrawFrame(painter, width, height);
    }
    DeleteObject(labelFont);
}

} // namespace

void _DOGRAPHDRAWX(HDC reference, int width, int height, const GraphRecord* record, HBITMAP* bitmap,
                   GraphProgress progressCallback, const GraphOptions* options) {
    const Progress progress{progressCallback};
    progress.Report(0);
    if (bitmap == nullptr) {
        progress.Report(100);
        return;
    }
    if (*bitmap != nullptr) {
        DeleteObject(*bitmap);
    }
    *bitmap = width > 0 && height > 0 ? CreateCompatibleBitmap(reference, width, height) : nullptr;
    if (*bitmap == nullptr) {
        progress.Report(100);
        return;
    }
    const std::uint8_t flags =
        options != nullptr && options->size >= kMinimumOptionsSize ? options->flags : 0;
    HDC dc = CreateCompatibleDC(reference);
    if (dc != nullptr) {
        const int saved = SaveDC(dc);
        SetMapMode(dc, MM_TEXT);
        SetBkMode(dc, TRANSPARENT);
        HGDIOBJ previous = SelectObject(dc, *bitmap);
        DrawChart(dc, ReadChart(record), width, height, flags, progress);
        SelectObject(dc, previous);
        RestoreDC(dc, saved);
        DeleteDC(dc);
    }
    if ((flags & kGraphOptionSave) != 0) {
        SaveGraphFile(*bitmap);
    }
    progress.Report(100);
}

void _DOGRAPHDRAW(HDC reference, int width, int height, const GraphRecord* record, HBITMAP* bitmap,
                  GraphProgress progress) {
    _DOGRAPHDRAWX(reference, width, height, record, bitmap, progress, nullptr);
}
