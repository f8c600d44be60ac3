// The exports seen from a host: version, bitmap hand-over, progress, backgrounds, value lines,
// and records that must draw alike.
#include "family/graph/tests/graph_images.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>

namespace {

TEST(GraphVersionTest, WritesTheVersionTextAndReturnsItPacked) {
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(_GRAPHVERSION(buffer), 0x6200);
    EXPECT_STREQ(buffer, "98.00");
    EXPECT_EQ(_GRAPHVERSION(nullptr), 0x6200);
}

// A zeroed record: no chart, no legend, no frame, a solid black background.
GraphRecord Empty() {
    return GraphRecord{};
}

std::vector<int> reported;
void Record(int percent) {
    reported.push_back(percent);
}

TEST(GraphDrawTest, ReplacesTheBitmapItIsGivenAndReportsFailures) {
    const ScreenDc screen;
    const GraphRecord record = Empty();
    OwnedBitmap bitmap;
    _DOGRAPHDRAW(screen.get(), 40, 30, &record, bitmap.out(), nullptr);
    const HBITMAP first = bitmap.get();
    ASSERT_NE(first, nullptr);
    _DOGRAPHDRAW(screen.get(), 50, 20, &record, bitmap.out(), nullptr);
    EXPECT_EQ(GetObjectType(first), 0u) << "the old bitmap is deleted";
    BITMAP info{};
    ASSERT_NE(GetObject(bitmap.get(), sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 50);
    EXPECT_EQ(info.bmHeight, 20);

    // A bitmap that cannot be made leaves the handle null; progress still ends at 100.
    const HBITMAP second = bitmap.get();
    reported.clear();
    _DOGRAPHDRAW(screen.get(), 0, 20, &record, bitmap.out(), Record);
    EXPECT_EQ(bitmap.get(), nullptr);
    EXPECT_EQ(GetObjectType(second), 0u);
    EXPECT_EQ(reported, (std::vector<int>{0, 100}));
}

TEST(GraphDrawTest, ReportsProgressInTheChartsSteps) {
    struct Case {
        const char* name;
        std::function<void(GraphRecord&)> change;
        std::vector<int> expected;
    };
    const Case cases[] = {
        // Series 0, 1 and 3 are present: 80 + 10 x i / 16 after each.
        {"sample chart",
         [](GraphRecord&) {},
         {0, 10, 20, 30, 35, 40, 50, 60, 70, 80, 80, 81, 90, 100}},
        {"no category marks",
         [](GraphRecord& record) {
             std::memset(record.categoryMarks, 0, sizeof record.categoryMarks);
         },
         {0, 10, 20, 30, 35, 40, 90, 100}},
        {"no chart",
         [](GraphRecord& record) { record.graphType = 0; },
         {0, 10, 20, 30, 35, 40, 90, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphRecord record = SampleRecord(1);
        c.change(record);
        reported.clear();
        const OwnedBitmap bitmap(DrawRecord(record, 160, 120, 0, Record));
        EXPECT_EQ(reported, c.expected);
    }
}

// The colours met along the middle row (vertical stripes) or column (horizontal stripes), each
// run once.
std::vector<COLORREF> Stripes(const Pixels& pixels, bool vertical) {
    std::vector<COLORREF> runs;
    const int length = vertical ? pixels.width : pixels.height;
    for (int at = 0; at < length; ++at) {
        const COLORREF colour =
            vertical ? pixels.At(at, pixels.height / 2) : pixels.At(pixels.width / 2, at);
        if (runs.empty() || runs.back() != colour) {
            runs.push_back(colour);
        }
    }
    return runs;
}

TEST(GraphBackgroundTest, GradientsDrawOneStripePerStepOfTheLargestComponent) {
    struct Case {
        std::int16_t background;
        COLORREF start;
        COLORREF end;
        std::size_t stripes;
    };
    const Case cases[] = {
        {1, RGB(0, 0, 0), RGB(0, 0, 255), 256},
        {2, RGB(0, 0, 0), RGB(0, 0, 255), 256},
        {1, RGB(40, 90, 10), RGB(40, 90, 10), 1}, // equal colours: one stripe, no division by 0
        {2, RGB(10, 200, 30), RGB(13, 190, 31), 11},
        {0, RGB(10, 20, 30), RGB(200, 0, 0), 1}, // solid: the start colour
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "background " << c.background << " from " << std::hex
                                          << c.start << " to " << c.end);
        GraphRecord record = Empty();
        record.background = c.background;
        record.gradientStart = static_cast<std::int32_t>(c.start);
        record.gradientEnd = static_cast<std::int32_t>(c.end);
        const OwnedBitmap bitmap(DrawRecord(record, 512, 512, 0));
        const std::vector<COLORREF> stripes = Stripes(PixelsOf(bitmap.get()), c.background != 2);
        ASSERT_EQ(stripes.size(), c.stripes);
        EXPECT_EQ(stripes.front(), c.start);
        if (c.background != 0) {
            EXPECT_EQ(stripes.back(), c.end);
        }
    }
    // Stripe k of the black-to-blue gradient is (0, 0, k), 2 pixels wide on 512.
    GraphRecord record = Empty();
    record.background = 1;
    record.gradientEnd = static_cast<std::int32_t>(RGB(0, 0, 255));
    const OwnedBitmap bitmap(DrawRecord(record, 512, 4, 0));
    const Pixels pixels = PixelsOf(bitmap.get());
    for (int k : {0, 1, 127, 255}) {
        EXPECT_EQ(pixels.At(2 * k, 0), RGB(0, 0, static_cast<BYTE>(k)));
        EXPECT_EQ(pixels.At(2 * k + 1, 3), RGB(0, 0, static_cast<BYTE>(k)));
    }
}

// One series with the value 40 at category 5, marked; white background.
const std::array<float, 100> kSingleValue = [] {
    std::array<float, 100> values{};
    values[5] = 40;
    return values;
}();

GraphRecord SingleBar() {
    GraphRecord record = Empty();
    record.graphType = 1;
    record.gradientStart = static_cast<std::int32_t>(RGB(255, 255, 255));
    record.series[0].values = kSingleValue.data();
    record.series[0].colour = static_cast<std::int32_t>(RGB(0, 0, 255));
    record.categoryMarks[0].category = 5;
    SetField(record.categoryMarks[0].label, "#");
    return record;
}

TEST(GraphValueLineTest, StandsAtItsValuesHeightAndMinusOneAtTheTop) {
    // 200 x 150 pixels. Flat: x0 6, y0 112, H 82, values stand on row 111. Depth: x0 6, D 30,
    // d 3, H 60, the back bottom edge at (36, 79). The maximum is 40.
    struct Case {
        std::uint8_t options;
        float value;
        int row;
        int column;
    };
    const Case cases[] = {
        {kGraphOptionFlat, -1.0f, 111 - 82, 8},
        {kGraphOptionFlat, 20, 111 - 41, 8},
        {kGraphOptionFlat, 40, 111 - 82, 8},
        {0, -1.0f, 79 - 60, 36},
        {0, 10, 79 - 15, 158}, // right of the column, which stands in front of the line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "options " << int(c.options) << " value " << c.value);
        GraphRecord record = SingleBar();
        record.valueMarks[0].value = c.value;
        SetField(record.valueMarks[0].label, "#");
        record.valueMarks[0].colour = static_cast<std::int32_t>(RGB(255, 0, 0));
        const OwnedBitmap bitmap(DrawRecord(record, 200, 150, c.options));
        const Pixels pixels = PixelsOf(bitmap.get());
        EXPECT_EQ(pixels.At(c.column, c.row), RGB(255, 0, 0));
        EXPECT_NE(pixels.At(c.column, c.row - 1), RGB(255, 0, 0));
        EXPECT_NE(pixels.At(c.column, c.row + 1), RGB(255, 0, 0));
    }
}

const std::array<float, 100> kNegativeValues = [] {
    std::array<float, 100> values{};
    values.fill(-25);
    return values;
}();
const std::array<float, 100> kZeroValues{};

TEST(GraphEquivalenceTest, RecordsThatMustDrawAlike) {
    struct Case {
        const char* name;
        std::function<void(GraphRecord&)> change;
        std::function<void(GraphRecord&)> equivalent;
    };
    const Case cases[] = {
        {"a negative value draws as 0",
         [](GraphRecord& r) { r.series[3].values = kNegativeValues.data(); },
         [](GraphRecord& r) { r.series[3].values = kZeroValues.data(); }},
        {"a series without values is left out everywhere, the legend too",
         [](GraphRecord& r) {
             SetField(r.series[5].name, "Ghost");
             r.series[5].colour = static_cast<std::int32_t>(RGB(255, 0, 255));
             r.series[5].flags = kGraphSeriesStacked;
         },
         [](GraphRecord&) {}},
        {"a category number marked twice is labelled once",
         [](GraphRecord& r) {
             r.categoryMarks[9].category = 3;
             SetField(r.categoryMarks[9].label, "Again");
         },
         [](GraphRecord&) {}},
        {"category marks outside 0-99 are ignored",
         [](GraphRecord& r) {
             r.categoryMarks[9].category = 100;
             SetField(r.categoryMarks[9].label, "#");
             r.categoryMarks[10].category = -1;
             SetField(r.categoryMarks[10].label, "#");
         },
         [](GraphRecord&) {}},
        {"a font index outside 0-7 uses the default font",
         [](GraphRecord& r) { r.texts[0].font = 8; }, [](GraphRecord& r) { r.texts[0].font = -1; }},
        {"a font index of a font not in use uses the default font",
         [](GraphRecord& r) { r.texts[0].font = 5; }, [](GraphRecord& r) { r.texts[0].font = -1; }},
        {"a value mark repeated is drawn once",
         [](GraphRecord& r) {
             r.valueMarks[9].value = 50;
             SetField(r.valueMarks[9].label, "#");
             r.valueMarks[9].colour = static_cast<std::int32_t>(RGB(0, 255, 255));
         },
         [](GraphRecord&) {}},
        {"equal gradient colours fill like a solid background",
         [](GraphRecord& r) { r.gradientEnd = r.gradientStart; },
         [](GraphRecord& r) { r.background = 0; }},
    };
    for (std::uint8_t options : {std::uint8_t{0}, kGraphOptionFlat}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << c.name << ", options " << int(options));
            GraphRecord changed = SampleRecord(2);
            c.change(changed);
            GraphRecord equivalent = SampleRecord(2);
            c.equivalent(equivalent);
            const OwnedBitmap a(DrawRecord(changed, 160, 120, options));
            const OwnedBitmap b(DrawRecord(equivalent, 160, 120, options));
            EXPECT_TRUE(PixelsOf(a.get()).colours == PixelsOf(b.get()).colours);
        }
    }
}

TEST(GraphBasicTest, DrawsTheRecordItBuildsFromItsArguments) {
    // Two named series, the second stacked, three categories, one value line and a title.
    char names[16 * 20] = {};
    std::strcpy(names, "Owner");
    std::memcpy(names + 20, "Twenty characters!!!", 20); // fills its field, no NUL
    std::int32_t colours[16] = {static_cast<std::int32_t>(RGB(0, 0, 200)),
                                static_cast<std::int32_t>(RGB(200, 0, 0))};
    std::int16_t stack[16] = {0, 1};
    std::vector<float> values(1600, 0.0f);
    for (int category = 1; category <= 3; ++category) {
        values[category] = 10.0f * category;
        values[100 + category] = 5.0f;
    }
    std::int16_t categories[16] = {1, 2, 3, -4};
    float lines[16] = {25, -3};
    std::int32_t lineColours[16] = {static_cast<std::int32_t>(RGB(0, 128, 0))};
    const std::int16_t style = kGraphOptionFlat << 8 | 2;

    win32::UseFontSource(win32::FontSource::FixedMetrics);
    const ScreenDc screen;
    const OwnedBitmap basic(_DOGRAPHBASIC(
        screen.get(), 160, 120, style, 1, static_cast<std::int32_t>(RGB(255, 255, 255)),
        static_cast<std::int32_t>(RGB(220, 220, 255)), 0, nullptr,
        static_cast<std::int32_t>(RGB(90, 90, 90)), names, colours, stack, values.data(), 1,
        "Title", static_cast<std::int32_t>(RGB(0, 0, 0)), categories,
        static_cast<std::int32_t>(RGB(0, 0, 0)), lines, lineColours));
    ASSERT_NE(basic.get(), nullptr);

    // The record as the arguments describe it.
    GraphRecord record{};
    record.graphType = 2;
    record.frame = 1;
    record.background = 1;
    record.gradientStart = static_cast<std::int32_t>(RGB(255, 255, 255));
    record.gradientEnd = static_cast<std::int32_t>(RGB(220, 220, 255));
    record.floorColour = static_cast<std::int32_t>(RGB(90, 90, 90));
    record.legendX = 650;
    record.legendY = 800;
    SetField(record.series[0].name, "Owner");
    record.series[0].values = values.data();
    record.series[0].colour = colours[0];
    SetField(record.series[1].name, std::string(names + 20, 18)); // at most 18 characters
    record.series[1].values = values.data() + 100;
    record.series[1].colour = colours[1];
    record.series[1].flags = kGraphSeriesStacked;
    for (int index = 0; index < 3; ++index) {
        record.categoryMarks[index].category = index + 1;
        SetField(record.categoryMarks[index].label, "#");
    }
    record.valueMarks[0].value = 25;
    SetField(record.valueMarks[0].label, "#");
    record.valueMarks[0].colour = lineColours[0];
    record.fonts[0] = GraphFont{64, 900, 0, 0x10};
    SetField(record.texts[0].text, "Title");
    record.texts[0].x = 500;
    record.texts[0].y = 24;
    record.texts[0].horizontalAlignment = 1;
    const OwnedBitmap drawn(DrawRecord(record, 160, 120, kGraphOptionFlat));
    ExpectMatchesStoredImage(basic.get(), "basic-areas-flat");
}

} // namespace

namespace {

const std::array<float, 100> kWildValues = [] {
    std::array<float, 100> values{};
    values.fill(std::numeric_limits<float>::quiet_NaN());
    values[3] = std::numeric_limits<float>::infinity();
    values[4] = std::numeric_limits<float>::max();
    return values;
}();

TEST(GraphRecordTest, FarOffFieldsDrawWithoutFault) {
    // Positions and sizes far outside the bitmap, values that are no numbers or overflow a sum,
    // and character fields without their NUL.
    GraphRecord record = SampleRecord(2);
    record.legendX = std::numeric_limits<std::int32_t>::max();
    record.legendY = std::numeric_limits<std::int32_t>::min();
    record.series[0].values = kWildValues.data();
    record.series[1].values = kWildValues.data();
    std::memset(record.series[2].name, 'n', sizeof record.series[2].name);
    record.series[2].values = kWildValues.data();
    record.valueMarks[5].value = -3.0e38f;
    std::memset(record.valueMarks[5].label, '#', sizeof record.valueMarks[5].label);
    record.fonts[1] = GraphFont{std::numeric_limits<std::int32_t>::max(), 700, 3, 0};
    std::memset(record.texts[1].text, 'T', sizeof record.texts[1].text);
    record.texts[1].x = std::numeric_limits<std::int32_t>::min();
    record.texts[1].font = 1;
    for (std::uint8_t options : {std::uint8_t{0}, kGraphOptionFlat}) {
        const OwnedBitmap bitmap(DrawRecord(record, 160, 120, options));
        EXPECT_NE(bitmap.get(), nullptr);
    }
}

} // namespace

namespace {

// _DOGRAPHBASIC with categories 1 to 3, values in every series, a value line, a legend and a
// title, but every series name empty, so that no series is present.
HBITMAP BasicWithoutNames(std::int16_t style) {
    const char names[16 * 20] = {};
    const std::int32_t colours[16] = {static_cast<std::int32_t>(RGB(0, 0, 200))};
    const std::int16_t stack[16] = {0, 1};
    const std::vector<float> values(1600, 30.0f);
    const std::int16_t categories[16] = {1, 2, 3};
    const float lines[16] = {25};
    const std::int32_t lineColours[16] = {static_cast<std::int32_t>(RGB(0, 128, 0))};
    win32::UseFontSource(win32::FontSource::FixedMetrics);
    const ScreenDc screen;
    return _DOGRAPHBASIC(screen.get(), 160, 120, style, 1,
                         static_cast<std::int32_t>(RGB(255, 255, 255)),
                         static_cast<std::int32_t>(RGB(220, 220, 255)), 0, nullptr,
                         static_cast<std::int32_t>(RGB(90, 90, 90)), names, colours, stack,
                         values.data(), 1, "Title", static_cast<std::int32_t>(RGB(0, 0, 0)),
                         categories, static_cast<std::int32_t>(RGB(0, 0, 0)), lines, lineColours);
}

// Category marks and value lines but no series: the chart shows what a chart of type 0 shows,
// its background, legend, texts and frame, in either layout.
TEST(GraphWithoutSeriesTest, ShowsOnlyBackgroundLegendTextsAndFrame) {
    for (std::uint8_t options : {std::uint8_t{0}, kGraphOptionFlat}) {
        for (std::int16_t type : {1, 2, 3}) {
            SCOPED_TRACE(::testing::Message() << "type " << type << ", options " << int(options));
            GraphRecord record = SampleRecord(type);
            for (GraphSeries& series : record.series) {
                series.values = nullptr;
            }
            GraphRecord noChart = record;
            noChart.graphType = 0;
            const OwnedBitmap drawn(DrawRecord(record, 160, 120, options));
            const OwnedBitmap expected(DrawRecord(noChart, 160, 120, options));
            ASSERT_NE(drawn.get(), nullptr);
            EXPECT_TRUE(PixelsOf(drawn.get()).colours == PixelsOf(expected.get()).colours)
                << "record with null value pointers";

            const OwnedBitmap basic(
                BasicWithoutNames(static_cast<std::int16_t>(options << 8 | type)));
            const OwnedBitmap basicNoChart(
                BasicWithoutNames(static_cast<std::int16_t>(options << 8)));
            ASSERT_NE(basic.get(), nullptr);
            EXPECT_TRUE(PixelsOf(basic.get()).colours == PixelsOf(basicNoChart.get()).colours)
                << "_DOGRAPHBASIC with every name empty";
        }
    }
}

} // namespace
