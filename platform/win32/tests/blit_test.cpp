// Blits: every raster operation the libraries use, mask compositing, stretching, and the
// conversions between colour and monochrome.
#include "platform/win32/tests/pixels.h"

#include <gtest/gtest.h>

namespace {

TEST(BlitTest, RasterOperationsCombineSourceDestinationAndBrush) {
    struct Case {
        const char* name;
        DWORD rop;
        COLORREF source;
        COLORREF destination;
        COLORREF brush;
        COLORREF expected;
    };
    // Expected values worked out bit by bit from each operation's definition.
    const Case cases[] = {
        {"SRCCOPY", SRCCOPY, 0x00F0F0, 0x3C3C3C, 0x000000, 0x00F0F0},
        {"SRCAND", SRCAND, 0x00F0F0, 0x3C3C3C, 0x000000, 0x003030},
        {"SRCPAINT", SRCPAINT, 0x00F0F0, 0x3C3C3C, 0x000000, 0x3CFCFC},
        {"SRCINVERT", SRCINVERT, 0x00F0F0, 0x3C3C3C, 0x000000, 0x3CCCCC},
        {"NOTSRCCOPY", NOTSRCCOPY, 0x00F0F0, 0x3C3C3C, 0x000000, 0xFF0F0F},
        {"SRCERASE", SRCERASE, 0x00F0F0, 0x3C3C3C, 0x000000, 0x00C0C0},
        {"MERGECOPY", MERGECOPY, 0x00F0F0, 0x3C3C3C, 0x0F0F0F, 0x000000},
        {"PATCOPY", PATCOPY, 0x00F0F0, 0x3C3C3C, 0x123456, 0x123456},
        {"PATINVERT", PATINVERT, 0x00F0F0, 0x3C3C3C, 0x0F0F0F, 0x333333},
        {"DSTINVERT", DSTINVERT, 0x00F0F0, 0x3C3C3C, 0x000000, 0xC3C3C3},
        {"BLACKNESS", BLACKNESS, 0x00F0F0, 0x3C3C3C, 0x000000, 0x000000},
        {"WHITENESS", WHITENESS, 0x00F0F0, 0x3C3C3C, 0x000000, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestCanvas source(1, 1), destination(1, 1);
        SetPixel(source.dc(), 0, 0, c.source);
        SetPixel(destination.dc(), 0, 0, c.destination);
        HBRUSH brush = CreateSolidBrush(c.brush);
        HGDIOBJ old = SelectObject(destination.dc(), brush);
        EXPECT_TRUE(BitBlt(destination.dc(), 0, 0, 1, 1, source.dc(), 0, 0, c.rop));
        EXPECT_EQ(GetPixel(destination.dc(), 0, 0), c.expected);
        SelectObject(destination.dc(), old);
        DeleteObject(brush);
    }
}

TEST(BlitTest, MaskCompositingKeepsTheBackgroundWhereTheMaskIsWhite) {
    // Picture: red, black (the transparent colour), blue. Background: yellow.
    TestCanvas picture(3, 1), mask(3, 1, /*monochrome*/ true), target(3, 1);
    SetPixel(picture.dc(), 0, 0, RGB(255, 0, 0));
    SetPixel(picture.dc(), 1, 0, RGB(0, 0, 0));
    SetPixel(picture.dc(), 2, 0, RGB(0, 0, 255));
    RECT all{0, 0, 3, 1};
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
    FillRect(target.dc(), &all, yellow);
    DeleteObject(yellow);

    // The mask is white where the picture has its background colour.
    SetBkColor(picture.dc(), RGB(0, 0, 0));
    BitBlt(mask.dc(), 0, 0, 3, 1, picture.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(Show(mask.Pixels()), Show({"#.#"}));
    // Monochrome to colour: black bits take the text colour, white ones the background.
    SetTextColor(target.dc(), RGB(0, 0, 0));
    SetBkColor(target.dc(), RGB(255, 255, 255));
    BitBlt(target.dc(), 0, 0, 3, 1, mask.dc(), 0, 0, SRCAND);
    BitBlt(target.dc(), 0, 0, 3, 1, picture.dc(), 0, 0, SRCPAINT);
    EXPECT_EQ(Show(target.Pixels()), Show({"ryb"}));
}

TEST(BlitTest, ColourToMonochromeWhitensTheSourceBackgroundColour) {
    TestCanvas colour(4, 1), mono(4, 1, /*monochrome*/ true);
    SetPixel(colour.dc(), 0, 0, RGB(255, 0, 0));
    SetPixel(colour.dc(), 1, 0, RGB(250, 250, 250));
    SetPixel(colour.dc(), 2, 0, RGB(255, 0, 0));
    SetPixel(colour.dc(), 3, 0, RGB(255, 255, 255));
    SetBkColor(colour.dc(), RGB(255, 0, 0));
    BitBlt(mono.dc(), 0, 0, 4, 1, colour.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(Show(mono.Pixels()), Show({".#.#"}));
}

TEST(BlitTest, ColourToMonochromeKeepsTheBitsAroundAnUnalignedRun) {
    // 19 pixels from x = 3: a partial first byte, a whole byte, a partial last byte; the black
    // pixels at 0 and 23 are outside the run and stay.
    TestCanvas colour(20, 1), mono(24, 1, /*monochrome*/ true);
    for (int x = 0; x < 20; x += 3) {
        SetPixel(colour.dc(), x, 0, RGB(0, 0, 0));
    }
    SetPixel(mono.dc(), 0, 0, RGB(0, 0, 0));
    SetPixel(mono.dc(), 23, 0, RGB(0, 0, 0));
    BitBlt(mono.dc(), 3, 0, 19, 1, colour.dc(), 1, 0, SRCCOPY);
    EXPECT_EQ(Show(mono.Pixels()), Show({"#....#..#..#..#..#..#..#"}));
}

TEST(BlitTest, MonochromeToColourUsesTextAndBackgroundColours) {
    TestCanvas mono(2, 1, /*monochrome*/ true), colour(2, 1);
    SetPixel(mono.dc(), 0, 0, RGB(0, 0, 0));
    SetTextColor(colour.dc(), RGB(0, 0, 255));
    SetBkColor(colour.dc(), RGB(0, 255, 0));
    BitBlt(colour.dc(), 0, 0, 2, 1, mono.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(Show(colour.Pixels()), Show({"bg"}));
}

TEST(BlitTest, StretchTakesTheNearestPixel) {
    TestCanvas source(2, 2);
    SetPixel(source.dc(), 0, 0, RGB(255, 0, 0));
    SetPixel(source.dc(), 1, 0, RGB(0, 255, 0));
    SetPixel(source.dc(), 0, 1, RGB(0, 0, 255));
    SetPixel(source.dc(), 1, 1, RGB(0, 0, 0));

    TestCanvas larger(5, 4);
    StretchBlt(larger.dc(), 0, 0, 4, 4, source.dc(), 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(Show(larger.Pixels()), Show({"rrgg.", "rrgg.", "bb##.", "bb##."}));

    // Shrinking keeps the first pixel of each pair.
    TestCanvas wide(4, 1), narrow(2, 1);
    SetPixel(wide.dc(), 0, 0, RGB(255, 0, 0));
    SetPixel(wide.dc(), 1, 0, RGB(0, 255, 0));
    SetPixel(wide.dc(), 2, 0, RGB(0, 0, 255));
    SetPixel(wide.dc(), 3, 0, RGB(0, 0, 0));
    StretchBlt(narrow.dc(), 0, 0, 2, 1, wide.dc(), 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(Show(narrow.Pixels()), Show({"rb"}));
}

TEST(BlitTest, BlitsAreClippedToBothBitmaps) {
    TestCanvas source(2, 2), target(3, 3);
    RECT all{0, 0, 2, 2};
    FillRect(source.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_TRUE(BitBlt(target.dc(), 2, 2, 5, 5, source.dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(target.dc(), -1, -1, 2, 2, source.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(Show(target.Pixels()), Show({"#..", "...", "..#"}));
}

TEST(BlitTest, StretchDIBitsDrawsBottomUpBits) {
    // A 2 x 2 picture, 24 bits, bottom row first: bottom blue, black; top red, green.
    const unsigned char bits[] = {255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0};
    BITMAPINFO info{};
    info.bmiHeader = {40, 2, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    TestCanvas target(4, 4);
    EXPECT_EQ(
        StretchDIBits(target.dc(), 0, 0, 4, 4, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY),
        2);
    EXPECT_EQ(Show(target.Pixels()), Show({"rrgg", "rrgg", "bb##", "bb##"}));
}

} // namespace
