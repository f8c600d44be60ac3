// Bitmap files loaded for pictures, and bitmaps packed as device-independent blocks.
#include "family/print/src/preview/bitmap_file.h"
#include "family/print/src/render/packed_dib.h"

#include "platform/testing/sandbox.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/testing/pixels.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace pressel;
using win32::testing::OwnedBitmap;

std::string BmpBytes(HBITMAP bitmap) {
    const std::vector<std::uint8_t> bytes = win32::EncodeBmp(bitmap);
    return std::string(bytes.begin(), bytes.end());
}

TEST(LoadBitmapFile, LoadsSoundFilesAndRefusesOthers) {
    testkit::Sandbox sandbox;
    const OwnedBitmap source(win32::testing::SolidBitmap(7, 5, RGB(10, 20, 30)));
    const std::string good = BmpBytes(source.get());
    std::string lyingOffset = good;
    lyingOffset[10] = '\x7F'; // pixels said to start far past the end
    struct Case {
        const char* name;
        std::optional<std::string> contents; // none: no file
        bool loads;
    };
    const Case cases[] = {
        {"missing", std::nullopt, false},
        {"sound", good, true},
        {"truncated pixels", good.substr(0, good.size() - 20), false},
        {"pixel offset past the end", lyingOffset, false},
        {"headers only", good.substr(0, 20), false},
        {"empty", std::string(), false},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const std::filesystem::path path = std::string(row.name) + ".bmp";
        if (row.contents) {
            sandbox.WriteFile(path, *row.contents);
        }
        const OwnedBitmap loaded(LoadBitmapFile(sandbox.Root() / path));
        EXPECT_EQ(loaded.get() != nullptr, row.loads);
        if (loaded.get() != nullptr) {
            BITMAP size{};
            GetObject(loaded.get(), sizeof size, &size);
            EXPECT_EQ(size.bmWidth, 7);
            EXPECT_EQ(size.bmHeight, 5);
        }
    }
}

TEST(BitmapToDib, PacksHeaderTableAndBits) {
    struct Case {
        const char* name;
        bool monochrome;
        WORD bitCount;
        std::size_t tableEntries;
    };
    const Case cases[] = {{"colour", false, 24, 0}, {"monochrome", true, 1, 2}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        // An odd width, so that rows carry padding.
        const OwnedBitmap bitmap(row.monochrome
                                     ? CreateBitmap(5, 3, 1, 1, nullptr)
                                     : win32::testing::SolidBitmap(5, 3, RGB(200, 100, 50)));
        const HDC screen = GetDC(nullptr);
        const HGLOBAL block = BitmapToDib(screen, bitmap.get());
        ReleaseDC(nullptr, screen);
        ASSERT_NE(block, nullptr);
        const std::size_t rowBytes = (row.bitCount * 5 + 31) / 32 * 4;
        EXPECT_EQ(GlobalSize(block), 40 + row.tableEntries * 4 + 3 * rowBytes);
        const PackedDibView view = ViewPackedDib(GlobalLock(block));
        const BITMAPINFOHEADER& header = view.info->bmiHeader;
        EXPECT_EQ(header.biSize, 40u);
        EXPECT_EQ(header.biWidth, 5);
        EXPECT_EQ(header.biHeight, 3);
        EXPECT_EQ(header.biPlanes, 1);
        EXPECT_EQ(header.biBitCount, row.bitCount);
        EXPECT_EQ(header.biSizeImage, 3 * rowBytes);
        if (!row.monochrome) {
            const auto* pixel = static_cast<const std::uint8_t*>(view.bits);
            EXPECT_EQ(pixel[0], 50); // blue, green, red
            EXPECT_EQ(pixel[1], 100);
            EXPECT_EQ(pixel[2], 200);
        }
        GlobalUnlock(block);
        GlobalFree(block);
    }
}

TEST(BitmapToDib, RefusesWhatIsNoBitmap) {
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(BitmapToDib(screen, nullptr), nullptr);
    EXPECT_EQ(BitmapToDib(screen, reinterpret_cast<HBITMAP>(std::uintptr_t{0xFFFFFF})), nullptr);
    ReleaseDC(nullptr, screen);
}

} // namespace
