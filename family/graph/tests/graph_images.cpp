#include "family/graph/tests/graph_images.h"

#include "platform/win32/font_provider.h"
#include "platform/win32/testing/stored_image.h"

#include <filesystem>

ScreenDc::ScreenDc() : dc_(CreateDCA("DISPLAY", nullptr, nullptr, nullptr)) {}

ScreenDc::~ScreenDc() {
    DeleteDC(dc_);
}

OwnedBitmap::~OwnedBitmap() {
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
}

HBITMAP DrawRecord(const GraphRecord& record, int width, int height, std::uint8_t options,
                   GraphProgress progress) {
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    const ScreenDc screen;
    const GraphOptions graphOptions{4, 0, options};
    HBITMAP bitmap = nullptr;
    _DOGRAPHDRAWX(screen.get(), width, height, &record, &bitmap, progress, &graphOptions);
    return bitmap;
}

namespace {

// Values per category number; only categories 2 to 6 are shown.
const std::array<float, 100> kFirstValues = [] {
    std::array<float, 100> values{};
    const float shown[] = {40, 65, 30, 80, 55};
    std::copy(std::begin(shown), std::end(shown), values.begin() + 2);
    return values;
}();
const std::array<float, 100> kStackedValues = [] {
    std::array<float, 100> values{};
    const float shown[] = {20, 15, -10, 25, 35}; // the negative value counts as 0
    std::copy(std::begin(shown), std::end(shown), values.begin() + 2);
    return values;
}();
const std::array<float, 100> kBackValues = [] {
    std::array<float, 100> values{};
    const float shown[] = {70, 50, 90, 60, 100};
    std::copy(std::begin(shown), std::end(shown), values.begin() + 2);
    return values;
}();

void SetSeries(GraphSeries& series, const std::string& name, const std::array<float, 100>& values,
               COLORREF colour, std::uint8_t flags) {
    SetField(series.name, name);
    series.values = values.data();
    series.colour = static_cast<std::int32_t>(colour);
    series.flags = flags;
}

} // namespace

GraphRecord SampleRecord(std::int16_t graphType) {
    GraphRecord record{};
    record.graphType = graphType;
    record.frame = 1;
    record.background = 2;
    record.gradientStart = static_cast<std::int32_t>(RGB(255, 255, 255));
    record.gradientEnd = static_cast<std::int32_t>(RGB(200, 220, 255));
    record.floorStyle = 1;
    record.floorColour = static_cast<std::int32_t>(RGB(128, 128, 128));
    record.legendX = 700;
    record.legendY = 100;
    SetSeries(record.series[0], "Owner", kFirstValues, RGB(0, 0, 200), 0);
    SetSeries(record.series[1], "Spouse", kStackedValues, RGB(200, 0, 0), kGraphSeriesStacked);
    SetSeries(record.series[3], "Heir", kBackValues, RGB(0, 160, 0), 0);
    for (int index = 0; index < 5; ++index) {
        GraphCategoryMark& mark = record.categoryMarks[index];
        mark.category = 2 + index;
        SetField(mark.label, index == 4 ? "End" : "#");
        mark.colour = static_cast<std::int32_t>(RGB(0, 0, 0));
    }
    const float marks[] = {50, 100, -1.0f};
    for (int index = 0; index < 3; ++index) {
        GraphValueMark& mark = record.valueMarks[index];
        mark.value = marks[index];
        SetField(mark.label, "#");
        mark.colour = static_cast<std::int32_t>(index == 2 ? RGB(255, 0, 0) : RGB(0, 0, 128));
    }
    record.fonts[2] = GraphFont{80, FW_BOLD, 0, FF_ROMAN};
    SetField(record.texts[0].text, "Growth");
    record.texts[0].x = 500;
    record.texts[0].y = 20;
    record.texts[0].horizontalAlignment = 1;
    record.texts[0].font = 2;
    record.texts[0].colour = static_cast<std::int32_t>(RGB(0, 0, 0));
    return record;
}

void ExpectMatchesStoredImage(HBITMAP bitmap, const std::string& name) {
    win32::testing::ExpectMatchesStoredImage(
        bitmap, std::filesystem::path(TALLOWMERE_PLOTWEN_TEST_DATA) / (name + ".bmp"));
}
