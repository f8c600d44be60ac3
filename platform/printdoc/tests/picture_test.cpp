#include "platform/printdoc/print_document.h"
#include "platform/testing/file_contents.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/runtime_errors.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

namespace {

using printdoc::Picture;

// A 3 x 2 BMP, 24 bits, bottom-up, 300 dots per inch (11811 per metre): bottom row blue, red,
// green; top row white, black, white.
std::string SmallBmp() {
    std::string file = "BM";
    auto put32 = [&file](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            file += static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    };
    auto put16 = [&file](std::uint16_t v) {
        file += static_cast<char>(v & 0xFF);
        file += static_cast<char>(v >> 8);
    };
    put32(14 + 40 + 2 * 12); // file size
    put32(0);                // reserved
    put32(14 + 40);          // pixel offset
    put32(40);               // info header size
    put32(3);                // width
    put32(2);                // height, bottom-up
    put16(1);                // planes
    put16(24);               // bits per pixel
    put32(0);                // BI_RGB
    put32(2 * 12);           // image size
    put32(11811);            // x pixels per metre
    put32(11811);            // y pixels per metre
    put32(0);
    put32(0);
    // Rows of 9 bytes (B, G, R) padded to 12.
    file += std::string("\xFF\x00\x00\x00\x00\xFF\x00\xFF\x00\x00\x00\x00", 12);
    file += std::string("\xFF\xFF\xFF\x00\x00\x00\xFF\xFF\xFF\x00\x00\x00", 12);
    return file;
}

// Makes a picture with Pillow: a 4 x 4 image, its left half red and its right half blue.
std::string PillowPicture(const std::filesystem::path& file, const char* format) {
    testkit::ToolRun run = testkit::RunTool(
        {testkit::kSystemPython, "-c",
         "import sys\nfrom PIL import Image\nimage = Image.new('RGB', (4, 4), (0, 0, 255))\n"
         "image.paste((255, 0, 0), (0, 0, 2, 4))\nimage.save(sys.argv[1], sys.argv[2], dpi=(72, "
         "72))\n",
         file.string(), format});
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    return testkit::ReadFileBytes(file);
}

TEST(PictureTest, EachKindDecodesToItsPixelsAndSize) {
    testkit::Sandbox sandbox;
    Picture bmp = Picture::Decode(SmallBmp());
    ASSERT_EQ(bmp.PixelWidth(), 3);
    ASSERT_EQ(bmp.PixelHeight(), 2);
    EXPECT_EQ(bmp.Pixels()[0], 0xFFFFFFFFu);
    EXPECT_EQ(bmp.Pixels()[1], 0xFF000000u);
    EXPECT_EQ(bmp.Pixels()[3], 0xFF0000FFu);
    EXPECT_EQ(bmp.Pixels()[4], 0xFFFF0000u);
    EXPECT_EQ(bmp.Pixels()[5], 0xFF00FF00u);
    EXPECT_EQ(bmp.WidthTwips(), 14); // 3 pixels at 300 per inch
    EXPECT_TRUE(bmp.Opaque());

    struct Case {
        const char* format;
        const char* file;
        std::int32_t widthTwips; // 4 pixels at 72 per inch where the format records it
    };
    const Case kCases[] = {{"JPEG", "four.jpg", 80}, {"GIF", "four.gif", 60}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.format);
        Picture picture = Picture::Decode(PillowPicture(sandbox.Root() / c.file, c.format));
        ASSERT_EQ(picture.PixelWidth(), 4);
        ASSERT_EQ(picture.PixelHeight(), 4);
        EXPECT_EQ(picture.WidthTwips(), c.widthTwips);
        // JPEG is lossy: the channels are compared within a margin.
        std::uint32_t left = picture.Pixels()[4];
        std::uint32_t right = picture.Pixels()[7];
        EXPECT_GT((left >> 16) & 0xFF, 0xC0u);
        EXPECT_LT(left & 0xFF, 0x40u);
        EXPECT_GT(right & 0xFF, 0xC0u);
        EXPECT_LT((right >> 16) & 0xFF, 0x40u);
        EXPECT_TRUE(picture.Opaque());
    }
}

// A GIF's transparent colour leaves its pixels transparent: the picture is not opaque.
TEST(PictureTest, AGifWithATransparentColourIsNotOpaque) {
    testkit::Sandbox sandbox;
    const std::filesystem::path file = sandbox.Root() / "clear.gif";
    testkit::ToolRun run =
        testkit::RunTool({testkit::kSystemPython, "-c",
                          "import sys\nfrom PIL import Image\nimage = Image.new('P', (4, 4), 0)\n"
                          "image.putpalette([255, 0, 0, 0, 0, 255])\nimage.putpixel((1, 1), 1)\n"
                          "image.save(sys.argv[1], transparency=1)\n",
                          file.string()});
    ASSERT_EQ(run.exitStatus, 0) << run.errors;
    const Picture picture = Picture::Decode(testkit::ReadFileBytes(file));
    EXPECT_EQ(picture.Pixels()[5], 0u);
    EXPECT_EQ(picture.Pixels()[0], 0xFFFF0000u);
    EXPECT_FALSE(picture.Opaque());
}

TEST(PictureTest, MalformedPicturesAreRefused) {
    testkit::Sandbox sandbox;
    std::string jpeg = PillowPicture(sandbox.Root() / "four.jpg", "JPEG");
    std::string gif = PillowPicture(sandbox.Root() / "four.gif", "GIF");
    std::string bmp = SmallBmp();
    std::string hugeGif = gif;
    hugeGif[6] = '\xFF'; // screen width 32767, past the limit
    hugeGif[7] = '\x7F';
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case kCases[] = {
        {"empty", ""},
        {"JPEG cut after its header", jpeg.substr(0, 40)},
        {"JPEG marker only", "\xFF\xD8\xFF"},
        {"GIF cut in its image", gif.substr(0, gif.size() / 2)},
        {"GIF signature only", "GIF89a"},
        {"GIF screen past the limit", hugeGif},
        {"BMP cut in its pixels", bmp.substr(0, bmp.size() - 13)},
        {"BMP header only", bmp.substr(0, 20)},
        {"text", "not a picture at all"},
        // Found by fuzzing: giflib fails it with an error code it has no text for.
        {"GIF without an image giflib can name a fault of",
         std::string("\x47\x49\x46\x38\x37\x61\x05\x00\x03\x00\x81\x00\x00\x0A\xC8\x1E"
                     "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x2C\x00\x00\x00\x0B\x00\x00"
                     "\x00\x00\x05\x00\x03\x00\x00\x08\x08\x00\x01\x08\x1C\x48\xB0\x00"
                     "\x00\x60\x3B",
                     51)},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        testkit::ExpectRuntimeError(runtime::ErrorNumber::InvalidPicture,
                                    [&] { Picture::Decode(c.bytes); });
    }
    testkit::ExpectRuntimeError(runtime::ErrorNumber::FileNotFound,
                                [&] { Picture::Load(sandbox.Root() / "missing.gif"); });
}

} // namespace
