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

namespace formats {

enum class Kind { Mono, Dib24, Compatible32 };

// A bitmap of the kind selected into a memory context of its own.
struct Canvas {
    Canvas(Kind kind, int width, int height) : width(width), height(height) {
        dc = CreateCompatibleDC(nullptr);
        if (kind == Kind::Dib24) {
            BITMAPINFO info{};
            info.bmiHeader = {40, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0}; // bottom-up
            void* bits = nullptr;
            bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        } else {
            bitmap = CreateBitmap(width, height, 1, kind == Kind::Mono ? 1 : 32, nullptr);
        }
        previous = SelectObject(dc, bitmap);
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    std::vector<COLORREF> Pixels() const {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                pixels.push_back(GetPixel(dc, x, y));
            }
        }
        return pixels;
    }

    int width;
    int height;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

// A colour of a small set (so that the source background colour occurs), or black and white on
// a monochrome bitmap.
COLORREF PatternColor(Kind kind, int x, int y, int salt) {
    static constexpr COLORREF kColors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x3C3C3C, 0xFFFFFF};
    const int index = (x * 7 + y * 3 + salt) % 5;
    if (kind == Kind::Mono) {
        return index % 2 == 0 ? 0x000000 : 0xFFFFFF;
    }
    return kColors[index];
}

const char* Name(Kind kind) {
    return kind == Kind::Mono ? "mono" : kind == Kind::Dib24 ? "24-bit DIB" : "32-bit";
}

} // namespace formats

// Every pair of the bitmap kinds and the operations the libraries use, on a 7 x 5 source and a
// 9 x 6 destination, stretched and not, each reaching past both bitmaps. Each destination pixel
// is worked out from the definitions: the source pixel the blit maps there (nearest), converted
// between colour and monochrome (a colour source's background colour is white, other colours
// black; a monochrome source's black bits take the text colour and its white ones the
// background colour), combined with the pixel that was there.
TEST(BlitTest, EveryFormatPairCombinesTheMappedSourcePixelAsDefined) {
    using formats::Canvas;
    using formats::Kind;
    struct Operation {
        const char* name;
        DWORD rop;
        COLORREF (*combine)(COLORREF source, COLORREF destination);
    };
    const Operation operations[] = {
        {"SRCCOPY", SRCCOPY, [](COLORREF s, COLORREF) { return s; }},
        {"SRCAND", SRCAND, [](COLORREF s, COLORREF d) { return s & d; }},
        {"SRCPAINT", SRCPAINT, [](COLORREF s, COLORREF d) { return s | d; }},
        {"SRCINVERT", SRCINVERT, [](COLORREF s, COLORREF d) { return s ^ d; }},
        {"D AND NOT S", 0x00220326, [](COLORREF s, COLORREF d) { return d & ~s & 0xFFFFFF; }},
        {"MERGEPAINT", MERGEPAINT, [](COLORREF s, COLORREF d) { return (~s | d) & 0xFFFFFF; }},
    };
    struct Geometry {
        const char* name;
        int targetX, targetY, targetWidth, targetHeight;
        int sourceX, sourceY, sourceWidth, sourceHeight;
    };
    const Geometry geometries[] = {
        // 9 x 5 from (-1, 2): past the source on the left, the right and the bottom; to 11 x 3
        // at (-2, 1), past the destination on the left and the right.
        {"stretched", -2, 1, 11, 3, -1, 2, 9, 5},
        // 9 x 4 from (-2, 1) to (3, -1): past the source on the left, the destination on the top
        // and the right.
        {"unstretched", 3, -1, 9, 4, -2, 1, 9, 4},
    };
    constexpr int kSourceWidth = 7, kSourceHeight = 5;
    constexpr COLORREF kSourceBackground = 0x00FF00;
    constexpr COLORREF kTextColor = 0x0000FF, kBackgroundColor = 0xFF0000;
    for (const Geometry& at : geometries) {
        for (const Kind from : {Kind::Mono, Kind::Dib24, Kind::Compatible32}) {
            for (const Kind to : {Kind::Mono, Kind::Dib24, Kind::Compatible32}) {
                for (const Operation& operation : operations) {
                    SCOPED_TRACE(std::string(at.name) + ", " + formats::Name(from) + " to " +
                                 formats::Name(to) + ", " + operation.name);
                    Canvas source(from, kSourceWidth, kSourceHeight);
                    Canvas destination(to, 9, 6);
                    for (int y = 0; y < source.height; ++y) {
                        for (int x = 0; x < source.width; ++x) {
                            SetPixel(source.dc, x, y, formats::PatternColor(from, x, y, 0));
                        }
                    }
                    for (int y = 0; y < destination.height; ++y) {
                        for (int x = 0; x < destination.width; ++x) {
                            SetPixel(destination.dc, x, y, formats::PatternColor(to, x, y, 2));
                        }
                    }
                    SetBkColor(source.dc, kSourceBackground);
                    SetTextColor(destination.dc, kTextColor);
                    SetBkColor(destination.dc, kBackgroundColor);
                    const std::vector<COLORREF> before = destination.Pixels();
                    const std::vector<COLORREF> sourcePixels = source.Pixels();

                    ASSERT_TRUE(StretchBlt(destination.dc, at.targetX, at.targetY, at.targetWidth,
                                           at.targetHeight, source.dc, at.sourceX, at.sourceY,
                                           at.sourceWidth, at.sourceHeight, operation.rop));
                    const std::vector<COLORREF> after = destination.Pixels();
                    for (int y = 0; y < destination.height; ++y) {
                        for (int x = 0; x < destination.width; ++x) {
                            const auto index = static_cast<std::size_t>(y * destination.width + x);
                            COLORREF expected = before[index];
                            const int sx =
                                at.sourceX + (x - at.targetX) * at.sourceWidth / at.targetWidth;
                            const int sy =
                                at.sourceY + (y - at.targetY) * at.sourceHeight / at.targetHeight;
                            const bool inTarget =
                                x >= at.targetX && x < at.targetX + at.targetWidth &&
                                y >= at.targetY && y < at.targetY + at.targetHeight;
                            if (inTarget && sx >= 0 && sx < kSourceWidth && sy >= 0 &&
                                sy < kSourceHeight) {
                                COLORREF s =
                                    sourcePixels[static_cast<std::size_t>(sy * kSourceWidth + sx)];
                                if (from == Kind::Mono && to != Kind::Mono) {
                                    s = s == 0xFFFFFF ? kBackgroundColor : kTextColor;
                                } else if (from != Kind::Mono && to == Kind::Mono) {
                                    s = s == kSourceBackground ? 0xFFFFFF : 0x000000;
                                }
                                expected = operation.combine(s, before[index]);
                            }
                            EXPECT_EQ(after[index], expected) << "at " << x << ", " << y;
                        }
                    }
                }
            }
        }
    }
}

} // namespace
