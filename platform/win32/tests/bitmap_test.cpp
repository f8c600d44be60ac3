// Bitmaps: formats, their description, and their bits in device-independent form.
#include "platform/win32/tests/pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

TEST(BitmapTest, CompatibleBitmapsFollowTheContext) {
    HDC memory = CreateCompatibleDC(nullptr);
    BITMAP info{};
    // A fresh memory context holds a 1 x 1 monochrome bitmap, so its compatible bitmaps are
    // monochrome too; the screen's are colour.
    HBITMAP mono = CreateCompatibleBitmap(memory, 10, 3);
    ASSERT_EQ(GetObjectA(mono, sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(info.bmWidth, 10);
    EXPECT_EQ(info.bmWidthBytes, 2);
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, 5, 2);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(GetObjectA(colour, sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.bmBitsPixel, 24);
    EXPECT_EQ(info.bmWidthBytes, 16) << "rows of device bitmaps are word aligned";
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(CreateCompatibleBitmap(memory, -1, 5), nullptr);
    DeleteObject(mono);
    DeleteObject(colour);
    DeleteDC(memory);
}

TEST(BitmapTest, GetDIBitsDescribesAndCopiesBottomUpAndTopDown) {
    // 3 x 2, so that 24-bit rows of 9 bytes are padded to 12.
    TestCanvas canvas(3, 2);
    SetPixel(canvas.dc(), 0, 0, RGB(255, 0, 0));
    SetPixel(canvas.dc(), 2, 1, RGB(0, 0, 255));

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, nullptr, &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(info.bmiHeader.biBitCount, 24);
    EXPECT_EQ(info.bmiHeader.biSizeImage, 24u);
    EXPECT_EQ(info.bmiHeader.biHeight, 2);

    std::vector<unsigned char> bits(24);
    EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, bits.data(), &info, DIB_RGB_COLORS), 2);
    const unsigned char bottomUp[24] = {255, 255, 255, 255, 255, 255, 255, 0,   0,   0, 0, 0,
                                        0,   0,   255, 255, 255, 255, 255, 255, 255, 0, 0, 0};
    EXPECT_EQ(std::memcmp(bits.data(), bottomUp, 24), 0);

    info.bmiHeader.biHeight = -2;
    EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 2, bits.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(std::memcmp(bits.data(), bottomUp + 12, 12), 0) << "top row first";

    // Written back into another bitmap, the picture is the same.
    TestCanvas copy(3, 2);
    EXPECT_EQ(SetDIBits(copy.dc(), copy.bitmap(), 0, 2, bits.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(Show(copy.Pixels()), Show({"r..", "..b"}));
}

TEST(BitmapTest, MonochromeBitsHaveABlackAndWhiteTable) {
    TestCanvas canvas(9, 1, /*monochrome*/ true);
    SetPixel(canvas.dc(), 0, 0, 0);
    SetPixel(canvas.dc(), 8, 0, 0);
    // Asking for the format writes the header alone, so a bare header is room enough.
    auto bare = std::make_unique<BITMAPINFOHEADER>();
    bare->biSize = sizeof(BITMAPINFOHEADER);
    EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 1, nullptr,
                        reinterpret_cast<BITMAPINFO*>(bare.get()), DIB_RGB_COLORS),
              1);
    EXPECT_EQ(bare->biBitCount, 1);

    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info{*bare, {}};
    auto* asInfo = reinterpret_cast<BITMAPINFO*>(&info);
    unsigned char bits[4] = {};
    EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 1, bits, asInfo, DIB_RGB_COLORS), 1);
    EXPECT_EQ(bits[0], 0x7F);
    EXPECT_EQ(bits[1], 0x00);
    EXPECT_EQ(info.colors[1].rgbRed, 255);
    EXPECT_EQ(info.colors[0].rgbRed, 0);
}

TEST(BitmapTest, ADibSectionSharesItsPixelsWithTheCaller) {
    BITMAPINFO info{};
    info.bmiHeader = {40, 2, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    ASSERT_NE(bits, nullptr);
    // The first stored row is the bottom one.
    auto* bytes = static_cast<unsigned char*>(bits);
    bytes[2] = 255; // bottom-left red
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, section);
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(255, 0, 0));
    SetPixel(dc, 1, 0, RGB(0, 255, 0));
    EXPECT_EQ(bytes[8 + 3 + 1], 255) << "top row, second pixel, green byte";
    DIBSECTION description{};
    EXPECT_EQ(GetObjectA(section, sizeof description, &description), int(sizeof description));
    EXPECT_EQ(description.dsBmih.biBitCount, 24);
    EXPECT_EQ(description.dsBm.bmBits, bits);
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(section));
}

// 32-bit rows whose fourth bytes are set, written into a 32-bit screen bitmap and a 24-bit DIB
// section and read back as 32 and 24 bits: the colours come back, the fourth bytes as zero.
TEST(BitmapTest, ColourRowsConvertBetweenDepthsAndDropTheFourthByte) {
    const std::vector<unsigned char> written = {10, 20,   30, 0xAB, 40, 50,
                                                60, 0xCD, 70, 80,   90, 0xEF};
    const std::vector<unsigned char> as32 = {10, 20, 30, 0, 40, 50, 60, 0, 70, 80, 90, 0};
    const std::vector<unsigned char> as24 = {10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 0, 0};
    BITMAPINFO row{};
    row.bmiHeader = {40, 3, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPINFO section = row;
    section.bmiHeader.biBitCount = 24;
    HDC screen = GetDC(nullptr);
    void* sectionBits = nullptr;
    const HBITMAP bitmaps[] = {
        CreateCompatibleBitmap(screen, 3, 1),
        CreateDIBSection(screen, &section, DIB_RGB_COLORS, &sectionBits, nullptr, 0)};
    for (HBITMAP bitmap : bitmaps) {
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(SetDIBits(screen, bitmap, 0, 1, written.data(), &row, DIB_RGB_COLORS), 1);
        std::vector<unsigned char> read(12, 0x55);
        BITMAPINFO asked = row;
        EXPECT_EQ(GetDIBits(screen, bitmap, 0, 1, read.data(), &asked, DIB_RGB_COLORS), 1);
        EXPECT_EQ(read, as32);
        std::fill(read.begin(), read.end(), 0x55);
        asked = section;
        EXPECT_EQ(GetDIBits(screen, bitmap, 0, 1, read.data(), &asked, DIB_RGB_COLORS), 1);
        EXPECT_EQ(read, as24);
        DeleteObject(bitmap);
    }
    ReleaseDC(nullptr, screen);
}

TEST(BitmapTest, CreateDIBitmapConvertsAnyDepthToAScreenBitmap) {
    // 4 bits per pixel, two colours used: index 0 blue, index 1 yellow; one row "0110".
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info{{40, 4, 1, 1, 4, BI_RGB, 0, 0, 0, 2, 0}, {{255, 0, 0, 0}, {0, 255, 255, 0}}};
    const unsigned char bits[4] = {0x01, 0x10, 0, 0};
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &info.header, CBM_INIT, bits,
                                    reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(bitmap, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    Picture row;
    std::string pixels;
    for (int x = 0; x < 4; ++x) {
        pixels += PixelChar(GetPixel(dc, x, 0));
    }
    EXPECT_EQ(pixels, "byyb");
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

} // namespace
