// Page bitmaps: size, depth, and where each kind of item puts its ink.
#include "output/canvas/page_bitmap.h"

#include "canvas_fixture.h"

namespace {

using namespace output;

using PageBitmap = FixedFontCanvas;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kRed = 0x0000FF;

BITMAP InfoOf(const OwnedBitmap& bitmap) {
    BITMAP info{};
    GetObjectA(bitmap.Get(), sizeof info, &info);
    return info;
}

TEST_F(PageBitmap, BlackAndWhitePagesAreMonochromeAndColouredPagesAreNot) {
    canvas->PutText("black");
    canvas->NewPage();
    canvas->SetColorOfText(kRed);
    canvas->PutText("red");
    OwnedBitmap first = RenderPage(*canvas, 1);
    OwnedBitmap second = RenderPage(*canvas, 2);
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_EQ(InfoOf(first).bmBitsPixel, 1);
    EXPECT_EQ(InfoOf(second).bmBitsPixel, 24);
    EXPECT_EQ(InfoOf(first).bmWidth, 816);
    EXPECT_EQ(InfoOf(first).bmHeight, 1056);
    EXPECT_FALSE(RenderPage(*canvas, 0));
    EXPECT_FALSE(RenderPage(*canvas, 3));
}

TEST_F(PageBitmap, ItemsLandWhereTheirTwipsSayAtTheDrawScale) {
    // A word at one inch: its top row is pixel 96 at 96 pixels per inch; the fixed font's boxes
    // stand on the baseline (ascent 16) and are 12 pixels high.
    canvas->PutText("w");
    canvas->PutLine(1440, 2880, 2880, 2880, 20);
    canvas->SetColorOfFill(kRed);
    canvas->PutPolygon("2880:2880|4320:2880|4320:4320|2880:4320", 20, false, true);
    struct Probe {
        int scale;
        int x;
        int y;
        COLORREF expected;
    };
    const Probe probes[] = {
        {96, 97, 100, kBlack}, {96, 97, 111, kBlack},   {96, 97, 98, kWhite},
        {96, 97, 112, kWhite}, {96, 150, 192, kBlack},  {96, 150, 194, kWhite},
        {96, 240, 240, kRed},  {96, 300, 240, kWhite},  {192, 300, 384, kBlack},
        {192, 480, 480, kRed}, {192, 600, 480, kWhite}, {192, 195, 200, kBlack},
    };
    int scale = 0;
    Pixels pixels;
    for (const Probe& probe : probes) {
        SCOPED_TRACE(testing::Message() << probe.scale << " ppi at " << probe.x << ", " << probe.y);
        if (probe.scale != scale) {
            scale = probe.scale;
            canvas->SetDrawScale(scale);
            OwnedBitmap page = RenderPage(*canvas, 1);
            ASSERT_TRUE(page);
            pixels = PixelsOf(page.Get());
        }
        EXPECT_EQ(pixels.At(probe.x, probe.y), probe.expected);
    }
}

TEST_F(PageBitmap, ImagesAreStretchedIntoTheirRectangle) {
    HBITMAP picture = CreateBitmap(2, 2, 1, 24, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, picture);
    SetPixel(dc, 0, 0, kRed);
    SetPixel(dc, 1, 0, 0x00FF00);
    SetPixel(dc, 0, 1, 0xFF0000);
    SetPixel(dc, 1, 1, kBlack);
    SelectObject(dc, previous);
    DeleteDC(dc);
    ASSERT_EQ(canvas->PutImage(1440, 1440, 1440, 1440,
                               std::to_string(reinterpret_cast<std::uintptr_t>(picture)), 0),
              CanvasError::OK);
    OwnedBitmap page = RenderPage(*canvas, 1);
    Pixels pixels = PixelsOf(page.Get());
    EXPECT_EQ(pixels.At(100, 100), kRed);
    EXPECT_EQ(pixels.At(180, 100), 0x00FF00u);
    EXPECT_EQ(pixels.At(100, 180), 0xFF0000u);
    EXPECT_EQ(pixels.At(180, 180), kBlack);
    EXPECT_EQ(pixels.At(195, 100), kWhite);
}

} // namespace
