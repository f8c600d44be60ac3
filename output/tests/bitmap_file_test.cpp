#include "output/bitmap_file.h"

#include "platform/testing/sandbox.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/wingdi.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class BitmapFileTest : public ::testing::Test {
protected:
    // A 5 x 3 colour picture as its BMP file bytes: odd width, so rows carry padding.
    static std::vector<std::uint8_t> SmallPicture() {
        HBITMAP picture = CreateBitmap(5, 3, 1, 32, nullptr);
        std::vector<std::uint8_t> bytes = win32::EncodeBmp(picture);
        DeleteObject(picture);
        return bytes;
    }

    std::string Write(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
        const fs::path path = folder_ / fileName;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    testkit::Sandbox sandbox_;
    const fs::path folder_ = sandbox_.Root();
};

TEST_F(BitmapFileTest, LoadsAWellFormedFileAtItsSize) {
    HBITMAP bitmap = nullptr;
    ASSERT_TRUE(output::LoadBitmapFile(Write("good.bmp", SmallPicture()), bitmap));
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 5);
    EXPECT_EQ(info.bmHeight, 3);
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST_F(BitmapFileTest, RefusesFilesItCannotOpenOrThatAreNotWholeBmpFiles) {
    const std::vector<std::uint8_t> good = SmallPicture();
    std::vector<std::uint8_t> unsigned_ = good;
    unsigned_[0] = 'X';
    const std::vector<std::uint8_t> truncated(good.begin(), good.end() - 4);
    std::vector<std::uint8_t> pixelsPastTheEnd = good;
    pixelsPastTheEnd[10] = 0xF0; // pixel offset far beyond the file
    struct Case {
        const char* name;
        std::string path;
    };
    const Case cases[] = {
        {"missing file", (folder_ / "missing.bmp").string()},
        {"a folder", folder_.string()},
        {"a file that opens but cannot be read", "/proc/self/mem"},
        {"empty file", Write("empty.bmp", {})},
        {"no BM signature", Write("unsigned.bmp", unsigned_)},
        {"pixels cut short", Write("truncated.bmp", truncated)},
        {"pixel offset past the end", Write("offset.bmp", pixelsPastTheEnd)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
        EXPECT_FALSE(output::LoadBitmapFile(c.path, bitmap));
        EXPECT_EQ(bitmap, nullptr);
    }
}

} // namespace
