// Picture headers: BMP, JPEG, GIF and icon sizes, and malformed files refused cleanly.
#include "platform/forms/picture.h"

#include "platform/runtime/runtime_error.h"
#include "platform/testing/runtime_errors.h"
#include "platform/testing/sandbox.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

namespace {

using namespace forms;

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) {
        bytes.push_back(static_cast<char>(v));
    }
    return bytes;
}

// A BMP file header and a 40-byte info header: width 3, height -2 (top-down), no pixels.
std::string InfoBmp() {
    return Bytes({'B',  'M',  0,    0,    0, 0, 0, 0, 0, 0, 54, 0, 0, 0, // file header
                  40,   0,    0,    0,                                   // info header size
                  3,    0,    0,    0,                                   // width
                  0xFE, 0xFF, 0xFF, 0xFF,                                // height -2
                  1,    0,    24,   0});                                 // planes, bits per pixel
}

// The old 12-byte core header: 16-bit width 300 and height 200.
std::string CoreBmp() {
    return Bytes({'B', 'M', 0, 0, 0, 0,    0,    0,    0,    0, 26, 0,  0,
                  0,   12,  0, 0, 0, 0x2C, 0x01, 0xC8, 0x00, 1, 0,  24, 0});
}

// Start of image, an APP0 segment of 16 bytes, then a baseline frame header: 8-bit precision,
// height 480, width 640.
std::string Jpeg() {
    std::string bytes = Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10});
    bytes += std::string(14, 'J');
    bytes += Bytes({0xFF, 0xC0, 0x00, 0x11, 0x08, 0x01, 0xE0, 0x02, 0x80, 0x03});
    return bytes;
}

// A 3 x 2 GIF87a picture, pixels black, white, black / white, black, white.
std::string Gif() {
    return Bytes({'G',  'I',  'F',  '8', '7', 'a', // signature and version
                  3,    0,    2,    0,             // logical screen 3 x 2
                  0x80, 0,    0,                   // 2-entry colour table, background, aspect
                  0,    0,    0,    255, 255, 255, // colour table: black, white
                  ',',  0,    0,    0,   0,        // image at 0, 0
                  3,    0,    2,    0,   0,        // 3 x 2, no local table, not interlaced
                  2,                               // LZW minimum code size
                  3,    0x44, 0x6C, 5,   0,        // one 3-byte data block, then the terminator
                  ';'});                           // trailer
}

// The same as GIF89a, with a graphic control extension before the image.
std::string Gif89WithExtension() {
    std::string bytes = Gif();
    bytes[4] = '9';
    bytes.insert(19, Bytes({0x21, 0xF9, 4, 0, 0, 0, 0, 0}));
    return bytes;
}

// An icon header with one 32 x 256 image (height byte 0 means 256).
std::string Icon() {
    std::string bytes = Bytes({0, 0, 1, 0, 1, 0, 32, 0});
    bytes += std::string(14, '\0');
    return bytes;
}

TEST(PictureTest, ReadsTheSizeFromBmpJpegGifAndIconHeaders) {
    struct Case {
        const char* name;
        std::string bytes;
        PictureFormat format;
        int width;
        int height;
    };
    const Case cases[] = {
        {"info header, top-down", InfoBmp(), PictureFormat::Bmp, 3, 2},
        {"core header", CoreBmp(), PictureFormat::Bmp, 300, 200},
        {"jpeg after APP0", Jpeg(), PictureFormat::Jpeg, 640, 480},
        {"gif87a", Gif(), PictureFormat::Gif, 3, 2},
        {"gif89a with an extension", Gif89WithExtension(), PictureFormat::Gif, 3, 2},
        {"icon", Icon(), PictureFormat::Icon, 32, 256},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto picture = Picture::FromBytes(c.bytes);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->Format(), c.format);
        EXPECT_EQ(picture->WidthPixels(), c.width);
        EXPECT_EQ(picture->HeightPixels(), c.height);
        EXPECT_EQ(picture->Bytes(), c.bytes);
    }
}

TEST(PictureTest, MalformedHeadersAreRefused) {
    std::string zeroWidth = InfoBmp();
    zeroWidth[18] = 0;
    std::string hugeJpeg = Jpeg();
    hugeJpeg[hugeJpeg.size() - 3] = static_cast<char>(0xFF); // width 0xFF80
    std::string gif88 = Gif();
    gif88[4] = '8';
    std::string narrowGif = Gif();
    narrowGif[6] = 0;
    std::string badCodes = Gif();
    badCodes[31] = static_cast<char>(0xFF); // the first code is not the clear code
    std::string wideImage = Gif();
    wideImage[24] = 0; // image 0 wide
    const std::string cases[] = {
        "",
        "BM",
        InfoBmp().substr(0, 25),
        zeroWidth,
        Bytes({'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}),
        Jpeg().substr(0, 26),
        Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x00}),             // length below 2
        Bytes({0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x04, 0x00, 0x00}), // scan before frame
        Bytes({0xFF, 0xD8, 0x00, 0x00, 0x00, 0x00}),             // no marker
        hugeJpeg,
        "GIF89a",
        gif88,
        narrowGif,
        Gif().substr(0, 33), // cut inside the image data
        badCodes,
        wideImage,
        Gif().substr(0, 19) + ";", // no image before the trailer
        Icon().substr(0, 21),
        Bytes({0, 0, 2, 0, 1, 0, 32, 32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), // cursor
        Bytes({0, 0, 1, 0, 0, 0, 32, 32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), // no image
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        EXPECT_FALSE(Picture::FromBytes(bytes).has_value());
    }
}

TEST(PictureTest, LoadPictureRaisesTheRuntimesErrors) {
    testkit::Sandbox sandbox;
    const std::filesystem::path root = sandbox.Root();
    struct Case {
        const char* name;
        std::string path;
        int error;
    };
    const Case cases[] = {
        {"missing", (root / "no-such-picture.bmp").string(), 53},
        {"a folder", root.string(), 53},
        {"opens but cannot be read", "/proc/self/mem", 53},
        {"not a picture", sandbox.WriteFile("not-a-picture.bmp", "plain text").string(), 481},
        {"a bmp", sandbox.WriteFile("core.bmp", CoreBmp()).string(), 0},
        {"a gif", sandbox.WriteFile("logo.gif", Gif()).string(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(testkit::ErrorNumberOf([&] { (void)LoadPicture(c.path); }), c.error);
    }
    EXPECT_EQ(LoadPicture((root / "core.bmp").string()).WidthPixels(), 300);
    EXPECT_EQ(LoadPicture((root / "logo.gif").string()).Format(), PictureFormat::Gif);
}

} // namespace
