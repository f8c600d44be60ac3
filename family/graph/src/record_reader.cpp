#include "family/graph/src/record_reader.h"

#include <cmath>
#include <cstring>

namespace plotwen {

namespace {

template <std::size_t kWidth>
std::string FixedText(const char (&field)[kWidth]) {
    return std::string(field, strnlen(field, kWidth));
}

COLORREF Colour(std::int32_t value) {
    return static_cast<COLORREF>(value) & 0x00FFFFFFu; // the high byte picks no palette here
}

GraphType ReadGraphType(std::int16_t value) {
    switch (value) {
    case 1:
        return GraphType::Bars;
    case 2:
        return GraphType::Areas;
    case 3:
        return GraphType::Lines;
    default:
        return GraphType::None;
    }
}

Background ReadBackground(std::int16_t value) {
    switch (value) {
    case 1:
        return Background::VerticalStripes;
    case 2:
        return Background::HorizontalStripes;
    default:
        return Background::Solid;
    }
}

FloorStyle ReadFloorStyle(std::int16_t value) {
    switch (value) {
    case 0:
        return FloorStyle::Floor;
    case 1:
        return FloorStyle::FloorAndRail;
    default:
        return FloorStyle::Neither;
    }
}

// The series that are present, each given its stack: a series starts a new stack unless it is
// marked as stacked on the series before it and a stack is already open.
void ReadSeries(const GraphRecord& record, Chart& chart) {
    for (int index = 0; index < kSeriesCount; ++index) {
        const GraphSeries& source = record.series[index];
        const float* values = source.values;
        if (values == nullptr) {
            continue;
        }
        Series series;
        series.index = index;
        series.name = FixedText(source.name);
        series.colour = Colour(source.colour);
        for (int category = 0; category < kCategoryCount; ++category) {
            const double value = values[category];
            series.values[category] = std::isfinite(value) && value > 0 ? value : 0;
        }
        const bool stacked = (source.flags & kGraphSeriesStacked) != 0;
        if (!stacked || chart.stackCount == 0) {
            ++chart.stackCount;
        }
        series.stack = chart.stackCount - 1;
        chart.series.push_back(std::move(series));
    }
}

void ReadMarks(const GraphRecord& record, Chart& chart) {
    for (const GraphCategoryMark& source : record.categoryMarks) {
        const std::int32_t category = source.category;
        std::string label = FixedText(source.label);
        if (!label.empty() && category >= 0 && category < kCategoryCount) {
            chart.categoryMarks.push_back({category, std::move(label), Colour(source.colour)});
        }
    }
    for (const GraphValueMark& source : record.valueMarks) {
        const double value = source.value;
        std::string label = FixedText(source.label);
        if (!label.empty() && std::isfinite(value)) {
            chart.valueMarks.push_back({value, std::move(label), Colour(source.colour)});
        }
    }
}

void ReadTexts(const GraphRecord& record, Chart& chart) {
    for (int index = 0; index < kFontCount; ++index) {
        const GraphFont& source = record.fonts[index];
        if (source.size != 0) {
            chart.fonts[index] = FontSpec{source.size, source.weight, (source.style & 1) != 0,
                                          (source.style & 2) != 0, source.pitchAndFamily};
        }
    }
    for (const GraphText& source : record.texts) {
        std::string text = FixedText(source.text);
        if (text.empty()) {
            continue;
        }
        TextItem item;
        item.text = std::move(text);
        item.x = source.x;
        item.y = source.y;
        item.horizontal = source.horizontalAlignment == 1   ? HorizontalAlignment::Centre
                          : source.horizontalAlignment == 2 ? HorizontalAlignment::Right
                                                            : HorizontalAlignment::Left;
        item.vertical = source.verticalAlignment == 1   ? VerticalAlignment::Middle
                        : source.verticalAlignment == 2 ? VerticalAlignment::Bottom
                                                        : VerticalAlignment::Top;
        const int font = source.font;
        if (font >= 0 && font < kFontCount && chart.fonts[font]) {
            item.font = font;
        }
        item.colour = Colour(source.colour);
        chart.texts.push_back(std::move(item));
    }
}

} // namespace

Chart ReadChart(const GraphRecord* record) {
    Chart chart;
    if (record == nullptr) {
        return chart;
    }
    chart.type = ReadGraphType(record->graphType);
    chart.frame = record->frame == 1;
    chart.background = ReadBackground(record->background);
    chart.gradientStart = Colour(record->gradientStart);
    chart.gradientEnd = Colour(record->gradientEnd);
    chart.wallpaperMode =
        record->wallpaperMode == 1 ? WallpaperMode::Tiled : WallpaperMode::Centred;
    chart.wallpaper = record->wallpaper;
    chart.floorStyle = ReadFloorStyle(record->floorStyle);
    chart.floorColour = Colour(record->floorColour);
    if (record->legendX != 0 && record->legendY != 0) {
        chart.legend = POINT{record->legendX, record->legendY};
    }
    ReadSeries(*record, chart);
    ReadMarks(*record, chart);
    ReadTexts(*record, chart);
    return chart;
}

} // namespace plotwen
