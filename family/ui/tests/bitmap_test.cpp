// Bitmaps from resources: colour tables only up to 8 bits per pixel, every size checked against
// the resource's length, and the palette argument's old palette always released.
#include "family/ui/src/bitmap_resource.h"
#include "family/ui/src/library_state.h"
#include "family/ui/tests/ui_fixture.h"
#include "family/ui/vistel.h"

#include "platform/win32/library_entry.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using vistel_test::BitmapPixel;

struct Header {
    int width;
    int height;
    int bitCount;
    DWORD colourCount = 0;
    DWORD imageSize = 0;
};

void Put32(std::vector<BYTE>& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
    }
}

std::vector<BYTE> InfoHeader(const Header& h) {
    std::vector<BYTE> bytes;
    Put32(bytes, 40);
    Put32(bytes, static_cast<std::uint32_t>(h.width));
    Put32(bytes, static_cast<std::uint32_t>(h.height));
    bytes.push_back(1);
    bytes.push_back(0);
    bytes.push_back(static_cast<BYTE>(h.bitCount));
    bytes.push_back(0);
    Put32(bytes, 0);
    Put32(bytes, h.imageSize);
    Put32(bytes, 0);
    Put32(bytes, 0);
    Put32(bytes, h.colourCount);
    Put32(bytes, 0);
    return bytes;
}

// A 24-bit picture 2 x 2: rows from the bottom, blue-green-red, each padded to 8 bytes.
std::vector<BYTE> TrueColour(DWORD colourCount) {
    std::vector<BYTE> bytes = InfoHeader({2, 2, 24, colourCount});
    const BYTE rows[] = {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0,  // bottom: red, green
                         0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0, 0}; // top: blue, white
    bytes.insert(bytes.end(), std::begin(rows), std::end(rows));
    return bytes;
}

// A 4-bit picture 2 x 1 with `colours` table entries (0: a full table of 16).
std::vector<BYTE> SixteenColour(DWORD colours, DWORD imageSize = 0) {
    std::vector<BYTE> bytes = InfoHeader({2, 1, 4, colours, imageSize});
    const DWORD entries = colours == 0 ? 16 : colours;
    for (DWORD i = 0; i < entries; ++i) {
        Put32(bytes, i == 1 ? 0x00FF8000 : 0); // entry 1: red FF, green 80, blue 00
    }
    const BYTE row[] = {0x10, 0, 0, 0}; // index 1, then index 0
    bytes.insert(bytes.end(), std::begin(row), std::end(row));
    return bytes;
}

class BitmapResources : public vistel_test::LibraryFixture {};

TEST_F(BitmapResources, TrueColourBitmapsHaveNoColourTable) {
    for (DWORD colourCount : {0u, 5u}) {
        SCOPED_TRACE(colourCount);
        const std::vector<BYTE> bytes = TrueColour(colourCount);
        HPALETTE palette = nullptr;
        const HBITMAP bitmap =
            vistel::CreateBitmapFromBytes(bytes.data(), static_cast<DWORD>(bytes.size()), &palette);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(palette, nullptr);
        EXPECT_EQ(BitmapPixel(bitmap, 0, 0), 0x0000FFu);
        EXPECT_EQ(BitmapPixel(bitmap, 1, 0), 0xFFFFFFu);
        EXPECT_EQ(BitmapPixel(bitmap, 0, 1), 0xFF0000u);
        EXPECT_EQ(BitmapPixel(bitmap, 1, 1), 0x00FF00u);
        DeleteObject(bitmap);
    }
}

TEST_F(BitmapResources, ColourTablesOfEightBitsOrLessMakeThePalette) {
    for (DWORD colours : {0u, 2u}) {
        SCOPED_TRACE(colours);
        const std::vector<BYTE> bytes = SixteenColour(colours);
        HPALETTE palette = nullptr;
        const HBITMAP bitmap =
            vistel::CreateBitmapFromBytes(bytes.data(), static_cast<DWORD>(bytes.size()), &palette);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(GetObjectType(palette), static_cast<DWORD>(OBJ_PAL));
        EXPECT_EQ(BitmapPixel(bitmap, 0, 0), 0xFF8000u);
        EXPECT_EQ(BitmapPixel(bitmap, 1, 0), 0x000000u);
        DeleteObject(bitmap);
        DeleteObject(palette);
    }
}

TEST_F(BitmapResources, SizesBeyondTheResourceAreRefused) {
    struct Case {
        const char* name;
        std::vector<BYTE> bytes;
    };
    auto cut = [](std::vector<BYTE> bytes, std::size_t by) {
        bytes.resize(bytes.size() - by);
        return bytes;
    };
    const Case cases[] = {
        {"true-colour rows one byte short", cut(TrueColour(0), 1)},
        {"true-colour header only", cut(TrueColour(0), 16)},
        {"colour table cut", cut(SixteenColour(0), 8)},
        {"more colours than the depth holds", SixteenColour(17)},
        {"image size beyond the data", SixteenColour(0, 8)},
        {"image size below one row per line", SixteenColour(0, 2)},
        {"no width", InfoHeader({0, 1, 4})},
        {"unknown depth", InfoHeader({1, 1, 3})},
        {"header cut", cut(InfoHeader({1, 1, 24}), 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HPALETTE palette = nullptr;
        EXPECT_EQ(vistel::CreateBitmapFromBytes(c.bytes.data(), static_cast<DWORD>(c.bytes.size()),
                                                &palette),
                  nullptr);
        EXPECT_EQ(palette, nullptr);
    }
}

TEST_F(BitmapResources, LoadBitmapFindsANamedResourceAndReleasesTheOldPalette) {
    const LOGPALETTE logical{0x300, 1, {{1, 2, 3, 0}}};
    HPALETTE palette = CreatePalette(&logical);
    const HPALETTE old = palette;
    const HBITMAP bitmap = _UILoadBitmap(win32::ThisModule(), "ok1", &palette);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(GetObjectType(old), 0u);
    EXPECT_EQ(GetObjectType(palette), static_cast<DWORD>(OBJ_PAL));
    BITMAP info{};
    ASSERT_NE(GetObjectA(bitmap, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 75);
    EXPECT_EQ(info.bmHeight, 22);
    DeleteObject(bitmap);

    const HPALETTE loaded = palette;
    EXPECT_EQ(_UILoadBitmap(win32::ThisModule(), "NoSuchBitmap", &palette), nullptr);
    EXPECT_EQ(palette, nullptr);
    EXPECT_EQ(GetObjectType(loaded), 0u);
}

} // namespace
