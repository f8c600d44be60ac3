// The title, the legend and the chart never cover one another: the Stretch graph as the program
// draws it, with the titles its clients give (short and longest names, two and three lines,
// and the widest letters), seen from the front and from above, at the sizes the program draws
// it (the smallest Graph tab, the report's page, a large screen). The picture is read back and
// each part is found by its own colours: the title's and the legend's text in colours nothing
// else uses, the legend's swatches in their series' colours where the chart has another colour,
// and the chart itself as the pixels the scene alone draws, with all that lies under them. The
// report's pictures are kept in the test's folder as BMP files.
#include "output/graph/graph_renderer.h"
#include "output/graph/src/scene.h"
#include "output/graph/tests/graph_pixels.h"

#include "platform/testing/sandbox.h"
#include "platform/win32/testing/pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using graphtest::Rgb;
using win32::testing::Pixels;
using win32::testing::PixelsOf;

constexpr COLORREF kTitleColor = Rgb(255, 0, 255);
constexpr COLORREF kLegendColor = Rgb(0, 255, 255);
constexpr COLORREF kBackdrop = Rgb(255, 255, 255);
constexpr COLORREF kMask = Rgb(111, 111, 111);
constexpr int kReportWidth = 624;

struct Box {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1; // the last column and row inside
    int bottom = -1;

    bool Empty() const { return right < left; }
    void Add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
    bool Holds(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
    bool Overlaps(const Box& other) const {
        return !Empty() && !other.Empty() && left <= other.right && other.left <= right &&
               top <= other.bottom && other.top <= bottom;
    }
    std::string Text() const {
        return std::to_string(left) + "," + std::to_string(top) + " to " + std::to_string(right) +
               "," + std::to_string(bottom);
    }
};

// The scene alone, as COLORREF values with rows from the top.
Pixels SceneOf(const output::GraphChart& chart, int width, int height) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> bits(stride * height);
    EXPECT_EQ(output::RenderScene(chart, width, height, bits.data()), output::GraphError::OK);
    Pixels scene{width, height, std::vector<COLORREF>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = bits.data() + (height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            scene.colours[static_cast<std::size_t>(y) * width + x] =
                Rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        }
    }
    return scene;
}

// How many runs of rows hold a pixel of `inside` within `box`.
template <class Inside>
int RowBands(const Box& box, Inside inside) {
    int bands = 0;
    bool previous = false;
    for (int y = box.top; y <= box.bottom; ++y) {
        bool any = false;
        for (int x = box.left; x <= box.right && !any; ++x) {
            any = inside(x, y);
        }
        bands += any && !previous ? 1 : 0;
        previous = any;
    }
    return bands;
}

TEST(GraphLabels, TheTitleTheLegendAndTheChartNeverCoverOneAnother) {
    const testkit::Sandbox sandbox;
    struct Title {
        const char* name;
        const char* file;
        std::string text;
        int lines;
    };
    const Title titles[] = {
        {"short names", "short", "John Sample\r\nIRA Plan @ 8.00%", 2},
        {"longest names", "longest",
         "Christopher Bartholomew Worthington-Smythe\r\nInherited Harbor Point Rollover IRA @ "
         "12.50%",
         2},
        {"all years, longest names", "all-years",
         "Christopher Bartholomew Worthington-Smythe\r\nHarbor Point Rollover IRA @ 12.50%\r\n(All "
         "Years)",
         3},
        {"widest letters", "widest",
         "WWWWWWWWWWWW MMMMMMMMMMMM WWWWWWWWWWWWWWWWWW\r\nInherited WWWWWWWWWWWWWWWWWWWWWWWWW @ "
         "88.88%",
         2},
    };
    struct Size {
        int width;
        int height;
    };
    const Size sizes[] = {{490, 368}, {kReportWidth, 468}, {2000, 1500}};
    const graphtest::View views[] = {graphtest::View::Front, graphtest::View::Top};
    for (const Title& title : titles) {
        for (const graphtest::View view : views) {
            for (const Size& size : sizes) {
                SCOPED_TRACE(std::string(title.name) +
                             (view == graphtest::View::Top ? ", top view, " : ", front view, ") +
                             std::to_string(size.width) + " x " + std::to_string(size.height));
                output::GraphChart chart;
                graphtest::FillStretchChart(chart, view);
                chart.SetColorOfMask(static_cast<std::int32_t>(kMask));
                chart.BackdropSolid(static_cast<std::int32_t>(kBackdrop));
                chart.SetColorOfLegend(static_cast<std::int32_t>(kLegendColor));
                chart.SetTitle(1, title.text, 0.035, static_cast<std::int32_t>(kTitleColor),
                               Rgb(255, 250, 240));

                HBITMAP bitmap = nullptr;
                ASSERT_EQ(output::RenderGraph(chart, size.width, size.height, bitmap),
                          output::GraphError::OK);
                if (size.width == kReportWidth) {
                    // The report's picture, for a person to look at.
                    HBITMAP unused = nullptr;
                    EXPECT_EQ(output::DrawGraph(
                                  chart, size.width, size.height,
                                  title.file +
                                      std::string(view == graphtest::View::Top ? "-top" : "-front"),
                                  1, unused),
                              output::GraphError::OK);
                }
                const Pixels picture = PixelsOf(bitmap);
                DeleteObject(bitmap);
                const Pixels scene = SceneOf(chart, size.width, size.height);
                ASSERT_EQ(picture.width, size.width);
                ASSERT_EQ(picture.height, size.height);

                const auto isTitle = [&](int x, int y) { return picture.At(x, y) == kTitleColor; };
                const auto isLegend = [&](int x, int y) {
                    const COLORREF colour = picture.At(x, y);
                    if (colour == kLegendColor) {
                        return true;
                    }
                    return std::any_of(chart.Series().begin(), chart.Series().end(),
                                       [&](const output::GraphSeries& series) {
                                           const auto swatch =
                                               static_cast<COLORREF>(series.color.value);
                                           return colour == swatch && scene.At(x, y) != swatch;
                                       });
                };
                Box titleBox;
                Box legendBox;
                for (int y = 0; y < size.height; ++y) {
                    for (int x = 0; x < size.width; ++x) {
                        if (isTitle(x, y)) {
                            titleBox.Add(x, y);
                        }
                        if (isLegend(x, y)) {
                            legendBox.Add(x, y);
                        }
                    }
                }
                ASSERT_FALSE(titleBox.Empty());
                ASSERT_FALSE(legendBox.Empty());
                EXPECT_FALSE(titleBox.Overlaps(legendBox))
                    << "title " << titleBox.Text() << ", legend " << legendBox.Text();
                // Every line of the title and every ID of the legend, each in rows of its own.
                EXPECT_EQ(RowBands(titleBox, isTitle), title.lines) << titleBox.Text();
                EXPECT_EQ(RowBands(legendBox,
                                   [&](int x, int y) { return picture.At(x, y) == kLegendColor; }),
                          static_cast<int>(chart.Series().size()))
                    << legendBox.Text();
                // Nothing runs off the picture.
                for (const Box* box : {&titleBox, &legendBox}) {
                    EXPECT_GT(box->left, 0) << box->Text();
                    EXPECT_GT(box->top, 0) << box->Text();
                    EXPECT_LT(box->right, size.width - 1) << box->Text();
                    EXPECT_LT(box->bottom, size.height - 1) << box->Text();
                }
                // The chart's room: in each column, from its first pixel of the scene down.
                // Neither label reaches into it, even where the chart leaves the backdrop
                // showing.
                std::vector<int> chartTop(static_cast<std::size_t>(size.width), size.height);
                for (int y = size.height - 1; y >= 0; --y) {
                    for (int x = 0; x < size.width; ++x) {
                        if (scene.At(x, y) != kMask) {
                            chartTop[x] = y;
                        }
                    }
                }
                for (const Box* box : {&titleBox, &legendBox}) {
                    int highest = size.height;
                    for (int x = box->left; x <= box->right; ++x) {
                        highest = std::min(highest, chartTop[x]);
                    }
                    EXPECT_LT(box->bottom, highest)
                        << "the label " << box->Text() << " reaches into the chart";
                }
            }
        }
    }
}

} // namespace
