// The chart's data model: errors and their order, ranges put in order and held to 64-bit limits,
// clamped properties, AutoColumn and AutoRow steps, title lines, the kept fade gradient.
#include "output/graph/graph_chart.h"

#include "platform/win32/testing/pixels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using output::GraphChart;
using output::GraphError;

std::vector<std::int32_t> ColumnIndexes(const GraphChart& chart) {
    std::vector<std::int32_t> indexes;
    for (const auto& column : chart.Columns()) {
        indexes.push_back(column.index);
    }
    return indexes;
}

std::vector<std::string> RowLabels(const GraphChart& chart) {
    std::vector<std::string> labels;
    for (const auto& row : chart.Rows()) {
        labels.push_back(row.label);
    }
    return labels;
}

TEST(GraphChart, DataAddChecksTypeFirstThenDuplicatesIgnoringCase) {
    GraphChart chart;
    EXPECT_EQ(chart.DataAdd("Income", 2004, 2034, 0xFF, 0), GraphError::InvalidType);
    EXPECT_EQ(chart.DataAdd("Income", 2004, 2034, 0xFF, 4), GraphError::InvalidType);
    ASSERT_EQ(chart.DataAdd("Income", 2030, 2004, 0xFF, 2), GraphError::OK);
    EXPECT_EQ(chart.Series()[0].indexMin, 2004) << "the range is put in order";
    EXPECT_EQ(chart.Series()[0].indexMax, 2030);
    EXPECT_EQ(chart.DataAdd("INCOME", 0, 5, 0xFF00, 1), GraphError::CannotAddDuplicate);
    EXPECT_EQ(chart.DataAdd("income", 0, 5, 0xFF00, 7), GraphError::InvalidType);
    ASSERT_EQ(chart.Series().size(), 1u);
    EXPECT_EQ(chart.Series()[0].color.value, 0xFF) << "the first series stays as it was";
}

TEST(GraphChart, AbsurdSeriesRangesAreRefusedWithoutOverflow) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    GraphChart chart;
    // The whole 32-bit range holds 2^32 indexes: in 32 bits its length would wrap to 0.
    EXPECT_EQ(chart.DataAdd("all", kMin, kMax, 0, 2), GraphError::InvalidIndex);
    EXPECT_EQ(chart.DataAdd("wide", 0, GraphChart::kMaxSeriesLength, 0, 2),
              GraphError::InvalidIndex);
    EXPECT_TRUE(chart.Series().empty());
    ASSERT_EQ(chart.DataAdd("top", kMax - 1, kMax, 0, 2), GraphError::OK);
    EXPECT_EQ(chart.SetValue("top", kMax, 5.0), GraphError::OK);
    double value = 0.0;
    EXPECT_EQ(chart.GetValue("top", kMax, value), GraphError::OK);
    EXPECT_EQ(value, 5.0);
    ASSERT_EQ(chart.DataAdd("bottom", kMin, kMin + 1, 0, 2), GraphError::OK);
    // Far-apart series: the columns are found without walking four billion indexes.
    chart.AutoColumn();
    EXPECT_EQ(ColumnIndexes(chart), (std::vector<std::int32_t>{kMin, kMax}));
}

TEST(GraphChart, ValuesReportUnknownIdBeforeIndexAndRefuseNonFiniteValues) {
    GraphChart chart;
    ASSERT_EQ(chart.DataAdd("A", 10, 12, 0, 2), GraphError::OK);
    double value = 9.0;
    struct Case {
        const char* id;
        std::int32_t index;
        double value;
        GraphError expected;
    } const cases[] = {
        {"B", 99, 1.0, GraphError::InvalidID},
        {"a", 9, 1.0, GraphError::InvalidIndex},
        {"a", 13, 1.0, GraphError::InvalidIndex},
        {"a", 11, std::nan(""), GraphError::InvalidValue},
        {"a", 11, std::numeric_limits<double>::infinity(), GraphError::InvalidValue},
        {"a", 11, -3.5, GraphError::OK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.id) + " " + std::to_string(c.index));
        EXPECT_EQ(chart.SetValue(c.id, c.index, c.value), c.expected);
    }
    EXPECT_EQ(chart.GetValue("B", 11, value), GraphError::InvalidID);
    EXPECT_EQ(value, 0.0);
    EXPECT_EQ(chart.GetValue("A", 11, value), GraphError::OK);
    EXPECT_EQ(value, -3.5) << "refused values left the stored one alone";
}

TEST(GraphChart, ColumnsAndRowsStayOrderedAndRefuseDuplicatesAndBadValues) {
    GraphChart chart;
    EXPECT_EQ(chart.ColumnAdd(-1, "x"), GraphError::InvalidIndex);
    EXPECT_EQ(chart.ColumnAdd(5, "5"), GraphError::OK);
    EXPECT_EQ(chart.ColumnAdd(2, "2"), GraphError::OK);
    EXPECT_EQ(chart.ColumnAdd(5, "again"), GraphError::CannotAddDuplicate);
    EXPECT_EQ(ColumnIndexes(chart), (std::vector<std::int32_t>{2, 5}));
    EXPECT_GT(chart.Columns()[0].extent.width, 0) << "labels are measured";

    EXPECT_EQ(chart.RowAdd(-1.0, "x"), GraphError::InvalidValue);
    EXPECT_EQ(chart.RowAdd(std::nan(""), "x"), GraphError::InvalidValue);
    EXPECT_EQ(chart.RowAdd(std::numeric_limits<double>::infinity(), "x"), GraphError::InvalidValue);
    EXPECT_EQ(chart.RowAdd(0.0, "0"), GraphError::OK);
    EXPECT_EQ(chart.RowAdd(0.0, "0"), GraphError::CannotAddDuplicate);
    EXPECT_EQ(chart.RowAdd(500.0, "500"), GraphError::OK);
    EXPECT_EQ(chart.RowAdd(250.0, "250"), GraphError::OK);
    EXPECT_EQ(RowLabels(chart), (std::vector<std::string>{"0", "250", "500"}));
}

TEST(GraphChart, AutoColumnSteps) {
    // Expected columns worked by hand from the step rule (1, 2, 5, ... up to 15 columns; the
    // last kept index gives way to Hi when closer than half a step).
    struct Case {
        std::int32_t lo;
        std::int32_t hi;
        std::vector<std::int32_t> columns;
    } const cases[] = {
        {2004, 2004, {2004}},
        {2004,
         2018,
         {2004, 2005, 2006, 2007, 2008, 2009, 2010, 2011, 2012, 2013, 2014, 2015, 2016, 2017,
          2018}},
        {2004, 2034, {2004, 2005, 2010, 2015, 2020, 2025, 2030, 2034}},
        {70, 120, {70, 75, 80, 85, 90, 95, 100, 105, 110, 115, 120}},
        {3, 41, {3, 5, 10, 15, 20, 25, 30, 35, 41}},
        {0, 10000, {0, 10000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.lo) + ".." + std::to_string(c.hi));
        GraphChart chart;
        ASSERT_EQ(chart.DataAdd("s", c.lo, c.hi, 0, 2), GraphError::OK);
        chart.AutoColumn();
        EXPECT_EQ(ColumnIndexes(chart), c.columns);
        EXPECT_EQ(chart.Columns().front().label, std::to_string(c.lo));
    }
}

TEST(GraphChart, AutoRowSteps) {
    struct Case {
        double largest;
        std::vector<std::string> rows;
    } const cases[] = {
        {0.0, {"$0"}},
        {95000.0, {"$0", "$25,000", "$50,000", "$75,000", "$100,000"}},
        {8.0, {"$0", "$1", "$2", "$3", "$4", "$5", "$6", "$7", "$8"}},
        {10.0, {"$0", "$5", "$10"}},
        {1e12, {"$0", "$1,000,000,000,000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.largest);
        GraphChart chart;
        ASSERT_EQ(chart.DataAdd("s", 1, 2, 0, 2), GraphError::OK);
        ASSERT_EQ(chart.SetValue("s", 2, c.largest), GraphError::OK);
        chart.AutoRow();
        EXPECT_EQ(RowLabels(chart), c.rows);
    }
    EXPECT_EQ(output::DollarLabel(1250000.0), "$1,250,000");
    EXPECT_EQ(output::DollarLabel(999.0), "$999");
}

TEST(GraphChart, PropertyPutsClampAndIgnoreNotANumber) {
    GraphChart chart;
    chart.SetRotateX(40.0);
    chart.SetLightY(-30.0);
    chart.SetLegendX(1.5);
    chart.SetRowMode(0);
    EXPECT_EQ(chart.RotateX(), 25.0f);
    EXPECT_EQ(chart.LightY(), -45.0f);
    EXPECT_EQ(chart.LegendX(), 1.0f);
    EXPECT_EQ(chart.RowMode(), 1);
    chart.SetRotateY(std::nan(""));
    EXPECT_EQ(chart.RotateY(), 12.0f) << "the default stays";
    chart.SetTitleY(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(chart.TitleY(), 0.0f);

    chart.SetColorOfBase(0x0180FF);
    EXPECT_EQ(chart.ColorOfBase().red, 1.0f);
    EXPECT_EQ(chart.ColorOfBase().green, 128.0f / 255.0f);
    EXPECT_EQ(chart.ColorOfBase().blue, 1.0f / 255.0f);

    chart.Reset();
    EXPECT_EQ(chart.RotateX(), -18.0f);
    EXPECT_EQ(chart.ColorOfBase().value, 0x60FF60);
    EXPECT_EQ(chart.LegendX(), 0.85f);
}

TEST(GraphChart, TitleLinesAndClampedSize) {
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    } const cases[] = {
        {"A\r\nB", {"A", "B"}},
        {"A\r", {"A", ""}},
        {"One line", {"One line"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        GraphChart chart;
        chart.SetTitle(5, c.text, 1.0, 0, 0xFFFFFF);
        EXPECT_EQ(chart.Title().lines, c.lines);
        EXPECT_EQ(chart.Title().mode, output::TitleMode::Boxed);
        EXPECT_EQ(chart.Title().size, double{0.2f});
    }
    GraphChart chart;
    chart.SetTitle(0, "x", std::nan(""), 0, 0);
    EXPECT_EQ(chart.Title().mode, output::TitleMode::Plain);
    EXPECT_EQ(chart.Title().size, double{0.05f});
}

// The fade's gradient is made at the first use and kept for the next draws, and a changed or
// reset backdrop gives a new one: never the gradient of the backdrop before.
TEST(GraphChart, TheFadeGradientIsKeptUntilTheBackdropChanges) {
    using win32::testing::PixelOf;
    GraphChart chart;
    const HBITMAP first = chart.FadeGradient(); // the default fade, 0x000000 to 0x803030
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(chart.FadeGradient(), first);
    struct Case {
        const char* name;
        void (*change)(GraphChart&);
        bool fade;
        COLORREF top;    // rows 0 and 1
        COLORREF middle; // row 24: top + (bottom - top) x 22 / 44, truncated, for each channel
        COLORREF bottom; // rows 46 and 47
    } const cases[] = {
        {"default", [](GraphChart&) {}, true, 0x000000, 0x401818, 0x803030},
        {"another fade", [](GraphChart& c) { c.BackdropFade(0x102030, 0x302050); }, true, 0x102030,
         0x202040, 0x302050},
        {"solid", [](GraphChart& c) { c.BackdropSolid(0x00FF00); }, false, 0, 0, 0},
        {"fade again", [](GraphChart& c) { c.BackdropFade(0xFFFFFF, 0x000000); }, true, 0xFFFFFF,
         0x808080, 0x000000},
        {"reset", [](GraphChart& c) { c.Reset(); }, true, 0x000000, 0x401818, 0x803030},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.change(chart);
        const HBITMAP gradient = chart.FadeGradient();
        if (!c.fade) {
            EXPECT_EQ(gradient, nullptr);
            continue;
        }
        ASSERT_NE(gradient, nullptr);
        EXPECT_EQ(chart.FadeGradient(), gradient);
        EXPECT_EQ(PixelOf(gradient, 0, 1), c.top);
        EXPECT_EQ(PixelOf(gradient, 0, 24), c.middle);
        EXPECT_EQ(PixelOf(gradient, 0, 46), c.bottom);
    }
}

} // namespace
