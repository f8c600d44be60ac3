// Drawing: picture sizes the renderer refuses, what each format writes or reports, and geometry
// seen in the front view (no rotation), where scene points map straight to pixels.
#include "output/graph/graph_renderer.h"

#include "output/graph/tests/graph_pixels.h"

#include "platform/testing/sandbox.h"
#include "platform/win32/testing/pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using graphtest::PictureX;
using graphtest::PictureY;
using graphtest::Rgb;
using output::GraphChart;
using output::GraphError;
using win32::testing::PixelOf;

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr COLORREF kBackdrop = Rgb(10, 200, 30);

// A chart seen from the front on a solid backdrop, with columns 0..count-1 and one series.
void FrontChart(GraphChart& chart, int type, const std::vector<double>& values) {
    chart.SetRotateX(0);
    chart.SetRotateY(0);
    chart.BackdropSolid(static_cast<std::int32_t>(kBackdrop));
    const int last = static_cast<int>(values.size()) - 1;
    ASSERT_EQ(chart.DataAdd("S", 0, last, static_cast<std::int32_t>(Rgb(255, 0, 0)), type),
              GraphError::OK);
    for (int i = 0; i <= last; ++i) {
        ASSERT_EQ(chart.ColumnAdd(i, std::to_string(i)), GraphError::OK);
        ASSERT_EQ(chart.SetValue("S", i, values[i]), GraphError::OK);
    }
}

struct Picture {
    HBITMAP bitmap = nullptr;
    ~Picture() { DeleteObject(bitmap); }
};

bool Reddish(COLORREF color) {
    return GetRValue(color) > GetGValue(color) + 60 && GetRValue(color) > GetBValue(color) + 60;
}

TEST(GraphRenderer, SizesOfZeroOrLessOrAboveTheMaximumAreRefused) {
    const GraphChart chart;
    const std::pair<int, int> sizes[] = {
        {0, 10},
        {10, 0},
        {-5, 10},
        {output::kMaxPictureSide + 1, 10},
        {10, output::kMaxPictureSide + 1},
        {-2147483647 - 1, -2147483647 - 1},
    };
    for (const auto& [x, y] : sizes) {
        SCOPED_TRACE(std::to_string(x) + " x " + std::to_string(y));
        Picture picture;
        EXPECT_EQ(output::RenderGraph(chart, x, y, picture.bitmap), GraphError::CannotMakeBitmap);
        EXPECT_EQ(picture.bitmap, nullptr);
    }
    Picture widest;
    EXPECT_EQ(output::RenderGraph(chart, output::kMaxPictureSide, 2, widest.bitmap),
              GraphError::OK);
}

TEST(GraphRenderer, EachFormatWritesOrReports) {
    const testkit::Sandbox sandbox;
    const GraphChart chart;
    struct Case {
        const char* name;
        int format;
        GraphError expected;
    } const cases[] = {
        {"bitmap", 0, GraphError::OK},
        {"bmp", 1, GraphError::OK},
        {"gif", 2, GraphError::OK},
        {"other", 3, GraphError::InvalidFormat},
        {"missing/folder", 1, GraphError::CannotAccessFile},
        {"missing\\folder", 2, GraphError::CannotAccessFile},
        {"", 1, GraphError::CannotAccessFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Picture handle;
        EXPECT_EQ(output::DrawGraph(chart, 31, 17, c.name, c.format, handle.bitmap), c.expected);
        EXPECT_EQ(handle.bitmap != nullptr, c.format == 0);
        if (handle.bitmap != nullptr) {
            BITMAP info{};
            ASSERT_EQ(GetObjectA(handle.bitmap, sizeof info, &info), int{sizeof info});
            EXPECT_EQ(info.bmWidth, 31);
            EXPECT_EQ(info.bmHeight, 17);
        }
    }
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(sandbox.Root())) {
        if (entry.is_regular_file()) {
            written.push_back(entry.path().filename().string());
        }
    }
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{"bmp.bmp", "gif.gif"}))
        << "nothing else is written";
}

TEST(GraphRenderer, BarsOfZeroAreNotDrawn) {
    GraphChart chart;
    FrontChart(chart, 2, {10.0, 0.0, 10.0});
    Picture picture;
    ASSERT_EQ(output::RenderGraph(chart, kWidth, kHeight, picture.bitmap), GraphError::OK);
    // Three columns of 146 units from x = -220; bars 116 wide from the floor at y = -192.
    const int y = PictureY(-192 + 40, kHeight);
    EXPECT_TRUE(Reddish(PixelOf(picture.bitmap, PictureX(-220 + 58, kWidth), y)));
    EXPECT_EQ(PixelOf(picture.bitmap, PictureX(-220 + 146 + 58, kWidth), y), kBackdrop);
    EXPECT_TRUE(Reddish(PixelOf(picture.bitmap, PictureX(-220 + 292 + 58, kWidth), y)));
}

TEST(GraphRenderer, SceneInTheMaskColourShowsTheBackdrop) {
    GraphChart chart;
    FrontChart(chart, 2, {10.0});
    chart.SetColorOfBase(0x000000); // the default mask colour
    Picture picture;
    ASSERT_EQ(output::RenderGraph(chart, kWidth, kHeight, picture.bitmap), GraphError::OK);
    // The base plate's front face, from y = -210 to -192.
    EXPECT_EQ(PixelOf(picture.bitmap, PictureX(-230, kWidth), PictureY(-201, kHeight)), kBackdrop);
}

TEST(GraphRenderer, LineTubesRiseFromPointToPoint) {
    const testkit::Sandbox sandbox;
    GraphChart chart;
    FrontChart(chart, 3, {10.0, 100.0});
    HBITMAP unused = nullptr;
    ASSERT_EQ(output::DrawGraph(chart, kWidth, kHeight, "tube", 1, unused), GraphError::OK);
    Picture picture;
    ASSERT_EQ(output::RenderGraph(chart, kWidth, kHeight, picture.bitmap), GraphError::OK);
    // Two columns of 220 units: points at x = -110 and 110, heights 33 and 330 above y = -184.
    // Halfway between them the tube must be there; a level tube would pass far above.
    const double previousY = -184 + 33;
    const double currentY = -184 + 330;
    EXPECT_TRUE(Reddish(PixelOf(picture.bitmap, PictureX(0, kWidth),
                                PictureY((previousY + currentY) / 2, kHeight))));
    EXPECT_FALSE(
        Reddish(PixelOf(picture.bitmap, PictureX(0, kWidth), PictureY(currentY, kHeight))));
}

} // namespace
