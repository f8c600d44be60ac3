// The Stretch graph of a 121-year projection drawn headless to BMP and GIF files, read back by
// Pillow (an independent decoder) at known points of the front view: the backdrop's fade, the
// tallest income bar, the base plate and a scale row's line. Pillow also leaves a PNG copy of
// each picture in the test's folder for a person to look at.
#include "output/graph/graph_renderer.h"
#include "output/graph/tests/graph_pixels.h"

#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

using graphtest::PictureX;
using graphtest::PictureY;
using graphtest::Rgb;

constexpr int kWidth = 640;
constexpr int kHeight = 480;

struct Color {
    int red;
    int green;
    int blue;
};

// Pillow opens the picture, saves it as PNG and answers its format, its size and the colours at
// the points.
std::vector<Color> ReadBack(const std::filesystem::path& picture, const std::string& pillowFormat,
                            const std::filesystem::path& png,
                            const std::vector<std::pair<int, int>>& points) {
    std::vector<std::string> arguments = {
        testkit::kSystemPython, "-c",
        "import sys\nfrom PIL import Image\nimage = Image.open(sys.argv[1])\n"
        "print(image.format, image.size[0], image.size[1])\nimage = image.convert('RGB')\n"
        "image.save(sys.argv[2])\n"
        "for point in sys.argv[3:]:\n"
        "    x, y = (int(v) for v in point.split(','))\n"
        "    print(*image.getpixel((x, y)))\n",
        picture.string(), png.string()};
    for (const auto& [x, y] : points) {
        arguments.push_back(std::to_string(x) + "," + std::to_string(y));
    }
    const testkit::ToolRun run = testkit::RunTool(arguments);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    std::istringstream lines(run.output);
    std::string format;
    int width = 0;
    int height = 0;
    lines >> format >> width >> height;
    EXPECT_EQ(format, pillowFormat);
    EXPECT_EQ(width, kWidth);
    EXPECT_EQ(height, kHeight);
    std::vector<Color> colors;
    Color color{};
    while (lines >> color.red >> color.green >> color.blue) {
        colors.push_back(color);
    }
    EXPECT_EQ(colors.size(), points.size());
    colors.resize(points.size());
    return colors;
}

TEST(StretchGraph, FrontViewAsBmpAndGifReadBackByPillowHasBackdropBarsBaseAndGrid) {
    const testkit::Sandbox sandbox;
    output::GraphChart chart;
    graphtest::FillStretchChart(chart, graphtest::View::Front);

    // The scene's geometry in the front view: chart area 440 x 330 from (-220, -192), the
    // income bars in front; heights are 330 x value / the largest value or row.
    const auto& columns = chart.Columns();
    const auto& income = chart.Series()[0];
    double top = graphtest::kStartingValue;
    for (const auto& series : chart.Series()) {
        for (const double value : series.values) {
            top = std::max(top, value);
        }
    }
    const int columnCount = static_cast<int>(columns.size());
    int tallest = 0;
    for (int c = 1; c < columnCount; ++c) {
        if (income.ValueAt(columns[c].index) > income.ValueAt(columns[tallest].index)) {
            tallest = c;
        }
    }
    const int barHeight = static_cast<int>(330 * income.ValueAt(columns[tallest].index) / top);
    ASSERT_GE(barHeight, 6) << "a bar tall enough to hit";
    const double barCentre = -220 + 440 * tallest / columnCount + (440 / columnCount) * 40 / 100;
    const int rowY = PictureY(-192 + std::trunc(330 * graphtest::kStartingValue / top), kHeight);
    const int gridX = PictureX(232, kWidth); // on the back line, right of every series

    const std::vector<std::pair<int, int>> points = {
        {3, 3},
        {3, kHeight - 1},
        {PictureX(barCentre, kWidth), PictureY(-192 + barHeight / 2.0, kHeight)},
        {kWidth / 2, PictureY(-201, kHeight)},
        {gridX, rowY - 1},
        {gridX, rowY},
        {gridX, rowY + 1},
    };
    // GIF keeps the picture's 256 most frequent colours, the fade's among them, and draws the
    // rest with their nearest kept colour: the same checks hold for both files.
    struct File {
        int format;
        const char* pillowFormat;
        const char* name;
        const char* png;
    } const files[] = {
        {1, "BMP", "RMDGraph.bmp", "stretch-front.png"},
        {2, "GIF", "RMDGraph.gif", "stretch-front-gif.png"},
    };
    for (const File& file : files) {
        SCOPED_TRACE(file.pillowFormat);
        HBITMAP unused = nullptr;
        ASSERT_EQ(output::DrawGraph(chart, kWidth, kHeight, "RMDGraph", file.format, unused),
                  output::GraphError::OK);
        const std::vector<Color> colors = ReadBack(sandbox.Root() / file.name, file.pillowFormat,
                                                   sandbox.Root() / file.png, points);
        ASSERT_EQ(colors.size(), points.size());

        // The fade's top and bottom colours, exact.
        EXPECT_EQ(Rgb(colors[0].red, colors[0].green, colors[0].blue), Rgb(234, 238, 214));
        EXPECT_EQ(Rgb(colors[1].red, colors[1].green, colors[1].blue), Rgb(214, 218, 194));
        // The income bar: lit blue.
        EXPECT_GT(colors[2].blue, colors[2].red + 60) << colors[2].red << " " << colors[2].blue;
        EXPECT_GT(colors[2].blue, colors[2].green + 60);
        // The base plate: lit yellow.
        EXPECT_GT(colors[3].red, 120);
        EXPECT_GT(colors[3].green, 120);
        EXPECT_LT(colors[3].blue, 60);
        // The starting value's row line in the label colour (blue over red and green), where
        // the backdrop has less blue than green.
        int gridPixels = 0;
        for (std::size_t i = 4; i < 7; ++i) {
            gridPixels += colors[i].blue > colors[i].green + 20 ? 1 : 0;
        }
        EXPECT_GE(gridPixels, 1);
    }
}

TEST(StretchGraph, TopViewForAPersonToLookAt) {
    const testkit::Sandbox sandbox;
    output::GraphChart chart;
    graphtest::FillStretchChart(chart, graphtest::View::Top);
    HBITMAP unused = nullptr;
    ASSERT_EQ(output::DrawGraph(chart, kWidth, kHeight, "RMDGraph", 1, unused),
              output::GraphError::OK);
    const std::vector<Color> colors = ReadBack(sandbox.Root() / "RMDGraph.bmp", "BMP",
                                               sandbox.Root() / "stretch-top.png", {{3, 3}});
    ASSERT_EQ(colors.size(), 1u);
    EXPECT_EQ(Rgb(colors[0].red, colors[0].green, colors[0].blue), Rgb(234, 238, 214));
}

} // namespace
