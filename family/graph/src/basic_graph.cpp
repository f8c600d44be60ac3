// _DOGRAPHBASIC: a GraphRecord built from flat arguments, drawn by _DOGRAPHDRAWX.
#include "family/graph/plotwen.h"

#include "platform/win32/wingdi.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int kSeries = 16;
constexpr int kMarks = 16;
constexpr int kValuesPerSeries = 100;
constexpr std::size_t kSeriesNameWidth = 20;
constexpr std::size_t kSeriesNameLength = 18;
constexpr std::size_t kTitleLength = 40;
constexpr std::uint8_t kStackedForNoChart = 0x01; // for graph type 0, a bit the drawing ignores
constexpr std::int32_t kLegendX = 650;
constexpr std::int32_t kLegendY = 800;

// Copies at most `length` characters of `text` (stopping at a NUL within `width`) into a field
// of length + 1 characters, NUL-terminated.
template <std::size_t kFieldWidth>
void SetText(char (&field)[kFieldWidth], const char* text, std::size_t width) {
    static_assert(kFieldWidth > 0);
    const std::size_t length = std::min({strnlen(text, width), kFieldWidth - 1});
    std::memcpy(field, text, length);
    field[length] = '\0';
}

void SetSeries(GraphRecord& record, std::int16_t graphType, const char* names,
               const std::int32_t* colours, const std::int16_t* stackFlags,
               const std::vector<float>& values) {
    for (int index = 0; index < kSeries; ++index) {
        const char* name = names + index * kSeriesNameWidth;
        if (name[0] == '\0') {
            continue;
        }
        GraphSeries& series = record.series[index];
        SetText(series.name, name, std::min(kSeriesNameWidth, kSeriesNameLength));
        series.colour = colours[index];
        series.values = values.data() + index * kValuesPerSeries;
        if (stackFlags[index] != 0) {
            series.flags = graphType == 0 ? kStackedForNoChart : kGraphSeriesStacked;
        }
    }
}

void SetMarks(GraphRecord& record, const std::int16_t* categories, std::int32_t categoryColour,
              const float* valueLines, const std::int32_t* valueLineColours) {
    for (int index = 0; index < kMarks; ++index) {
        const std::int16_t category = std::max<std::int16_t>(categories[index], 0);
        if (category != 0) {
            GraphCategoryMark& mark = record.categoryMarks[index];
            mark.category = category;
            SetText(mark.label, "#", 1);
            mark.colour = categoryColour;
        }
        const float value = std::max(valueLines[index], 0.0f);
        if (value != 0) {
            GraphValueMark& mark = record.valueMarks[index];
            mark.value = value;
            SetText(mark.label, "#", 1);
            mark.colour = valueLineColours[index];
        }
    }
}

void SetTitle(GraphRecord& record, const char* title, std::int32_t colour) {
    if (title == nullptr || title[0] == '\0') {
        return;
    }
    record.fonts[0] = GraphFont{64, FW_HEAVY, 0, FF_ROMAN};
    GraphText& text = record.texts[0];
    SetText(text.text, title, kTitleLength);
    text.x = 500;
    text.y = 24;
    text.horizontalAlignment = 1;
    text.verticalAlignment = 0;
    text.font = 0;
    text.colour = colour;
}

} // namespace

HBITMAP _DOGRAPHBASIC(HDC reference, std::int16_t width, std::int16_t height, std::int16_t style,
                      std::int16_t background, std::int32_t gradientStart, std::int32_t gradientEnd,
                      std::int16_t wallpaperMode, HBITMAP wallpaper, std::int32_t floorColour,
                      const char* seriesNames, const std::int32_t* seriesColours,
                      const std::int16_t* stackFlags, const float* values, std::int16_t legend,
                      const char* title, std::int32_t titleColour, const std::int16_t* categories,
                      std::int32_t categoryColour, const float* valueLines,
                      const std::int32_t* valueLineColours) {
    if (seriesNames == nullptr || seriesColours == nullptr || stackFlags == nullptr ||
        values == nullptr || categories == nullptr || valueLines == nullptr ||
        valueLineColours == nullptr) {
        return nullptr;
    }
    const auto graphType = static_cast<std::int16_t>(style & 0xFF);
    GraphRecord record{};
    record.graphType = graphType;
    record.frame = 1;
    record.background = background;
    record.gradientStart = gradientStart;
    record.gradientEnd = gradientEnd;
    record.wallpaperMode = wallpaperMode;
    record.wallpaper = wallpaper;
    record.floorStyle = 0;
    record.floorColour = floorColour;
    if (legend == 1) {
        record.legendX = kLegendX;
        record.legendY = kLegendY;
    }
    // The series point into this copy of the values, which lives until the drawing is done.
    const std::vector<float> valueCopy(values, values + kSeries * kValuesPerSeries);
    SetSeries(record, graphType, seriesNames, seriesColours, stackFlags, valueCopy);
    SetMarks(record, categories, categoryColour, valueLines, valueLineColours);
    SetTitle(record, title, titleColour);

    const GraphOptions options{4, 0, static_cast<std::uint8_t>((style >> 8) & 0xFF)};
    HBITMAP bitmap = nullptr;
    _DOGRAPHDRAWX(reference, width, height, &record, &bitmap, nullptr, &options);
    return bitmap;
}
