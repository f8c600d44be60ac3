// Category and value labels, and the chart's maximum.
#include "family/graph/src/labels.h"

#include <gtest/gtest.h>

namespace {

using namespace plotwen;

TEST(LabelTextTest, ThousandsSeparatorsAndLeftFill) {
    struct Case {
        const char* number;
        const char* expected;
    };
    const Case cases[] = {
        {"", ""},
        {"7", "7"},
        {"999", "999"},
        {"1000", "1,000"},
        {"123456", "123,456"},
        {"7654321", "7,654,321"},
        {"-1234", "-1,234"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(WithThousandsSeparators(c.number), c.expected);
    }
    EXPECT_EQ(LeftFilled("$5", 5), "   $5");
    EXPECT_EQ(LeftFilled("12345", 3), "12345");
}

TEST(ValueLabelsTest, FormatsPadsSortsAndDropsRepeats) {
    const std::vector<ValueMark> marks = {
        {7654321, "#", 1}, {500, "Goal", 2}, {-1.0, "#", 3}, {500, "#", 4}, {0, "#", 5},
    };
    struct Case {
        bool dollar;
        std::vector<std::string> texts; // by ascending value
    };
    const Case cases[] = {
        {false, {"         0", "      Goal", " 7,654,321", "10,000,000"}},
        {true, {"         $0", "       Goal", " $7,654,321", "$10,000,000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dollar ? "with $" : "without $");
        const std::vector<Label> labels = ValueLabels(marks, 1e7, c.dollar);
        std::vector<std::string> texts;
        for (const Label& label : labels) {
            texts.push_back(label.text);
        }
        EXPECT_EQ(texts, c.texts);
        ASSERT_EQ(labels.size(), 4u);
        EXPECT_EQ(labels[1].colour, 2u) << "the first mark of a value wins";
        EXPECT_EQ(labels[3].value, 1e7) << "-1.0 stands for the maximum";
    }
}

TEST(CategoryLabelsTest, EachNumberOnceSortedWithTheFirstMarksLabel) {
    const std::vector<Label> labels =
        CategoryLabels({{12, "#", 1}, {3, "Start", 2}, {12, "Again", 3}, {7, "#", 4}});
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0].text, "Start");
    EXPECT_EQ(labels[1].text, "7");
    EXPECT_EQ(labels[2].text, "12");
    EXPECT_EQ(labels[2].colour, 1u);
}

TEST(ChartMaximumTest, LargestStackSumOverTheMarkedRangeOrValueMark) {
    Chart chart;
    Series first;
    first.values[2] = 10;
    first.values[3] = 30;
    first.values[9] = 500; // outside the marked range 2-4
    Series stacked = first;
    stacked.values[3] = 15;
    Series alone;
    alone.stack = 1;
    alone.values[4] = 50;
    chart.series = {first, stacked, alone};
    chart.stackCount = 2;
    const std::vector<Label> categories = {{2, "", 0}, {4, "", 0}};
    EXPECT_EQ(ChartMaximum(chart, categories), 50);
    chart.series[2].values[4] = 40;
    EXPECT_EQ(ChartMaximum(chart, categories), 45); // 30 + 15 at category 3
    chart.valueMarks = {{60, "#", 0}, {-1.0, "#", 0}};
    EXPECT_EQ(ChartMaximum(chart, categories), 60);
    EXPECT_EQ(ChartMaximum(chart, {}), 60) << "no categories: the value marks alone";
}

} // namespace
