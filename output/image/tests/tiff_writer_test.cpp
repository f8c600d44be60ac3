// TIFF files: the directory as laid down, libtiff's tiffinfo reading it without a warning, and
// every pixel read back by Pillow.
#include "output/image/tiff_writer.h"

#include "image_fixture.h"

#include "platform/bytes/byte_reader.h"
#include "platform/testing/outside_tool.h"
#include "platform/testing/sandbox.h"

#include <filesystem>

namespace {

using namespace output;

constexpr std::uint16_t kShort = 3;
constexpr std::uint16_t kLong = 4;
constexpr std::uint16_t kRational = 5;

struct Entry {
    std::uint16_t tag;
    std::uint16_t type;
    std::uint32_t count;
    std::uint32_t value; // a SHORT's value, or the offset of what does not fit
    bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Entry& entry) {
    return out << "{" << entry.tag << ", type " << entry.type << ", count " << entry.count << ", "
               << entry.value << "}";
}

std::vector<Entry> Directory(const std::vector<std::uint8_t>& file) {
    bytes::ByteReader reader(file);
    EXPECT_EQ(reader.U16LE(), 0x4949); // "II"
    EXPECT_EQ(reader.U16LE(), 42);
    reader.Seek(reader.U32LE());
    std::vector<Entry> entries(reader.U16LE());
    for (Entry& entry : entries) {
        entry.tag = reader.U16LE();
        entry.type = reader.U16LE();
        entry.count = reader.U32LE();
        entry.value = entry.type == kShort && entry.count == 1 ? reader.U16LE() : reader.U32LE();
        if (entry.type == kShort && entry.count == 1) {
            EXPECT_EQ(reader.U16LE(), 0) << entry.tag;
        }
    }
    EXPECT_EQ(reader.U32LE(), 0u) << "a second directory";
    EXPECT_FALSE(reader.Failed());
    return entries;
}

// Runs tiffinfo; anything on its standard error is a warning or an error.
testkit::ToolRun TiffInfo(const std::filesystem::path& file) {
    return testkit::RunTool({"tiffinfo", file.string()});
}

TEST(TiffWriter, BaselineDirectoryForBilevelAndRgbPagesThatLibtiffAndPillowRead) {
    testkit::Sandbox sandbox;
    struct Case {
        BitmapKind kind;
        std::uint16_t photometric; // 0 WhiteIsZero, 1 BlackIsZero, 2 RGB
        std::uint32_t rowBytes;    // of a row 10 pixels wide
    };
    const Case cases[] = {
        {BitmapKind::Monochrome, 1, 2},      {BitmapKind::WhiteBlackSection, 0, 2},
        {BitmapKind::ScreenColour, 2, 30},   {BitmapKind::Section32, 2, 30},
        {BitmapKind::RedBlueSection, 2, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(NameOf(c.kind));
        const bool rgb = c.photometric == 2;
        const Picture picture =
            Noise(10, 7, rgb ? DistinctColours(20) : std::vector<COLORREF>{kBlack, kWhite}, 5);
        const TestBitmap bitmap = MakeBitmap(picture, c.kind);
        ASSERT_EQ(WriteTiffFile("page", bitmap.get()), TiffWriteResult::OK);

        const std::vector<std::uint8_t> file = FileBytes("page.tif");
        const std::uint32_t extra = rgb ? 6 : 0; // BitsPerSample 8, 8, 8
        const std::uint32_t strip = 170 + extra + 16;
        const std::vector<Entry> expected{
            {256, kLong, 1, 10},
            {257, kLong, 1, 7},
            {258, kShort, rgb ? 3u : 1u, rgb ? 170u : 1u},
            {259, kShort, 1, 1},
            {262, kShort, 1, c.photometric},
            {273, kLong, 1, strip},
            {277, kShort, 1, rgb ? 3u : 1u},
            {278, kLong, 1, 7},
            {279, kLong, 1, c.rowBytes * 7},
            {282, kRational, 1, 170 + extra},
            {283, kRational, 1, 178 + extra},
            {284, kShort, 1, 1},
            {296, kShort, 1, 2},
        };
        EXPECT_EQ(Directory(file), expected);
        EXPECT_EQ(file.size(), strip + c.rowBytes * 7);

        const testkit::ToolRun info = TiffInfo("page.tif");
        EXPECT_EQ(info.exitStatus, 0);
        EXPECT_EQ(info.errors, "");
        EXPECT_NE(info.output.find("Resolution: 96, 96 pixels/inch"), std::string::npos)
            << info.output;
        const Decoded decoded = DecodeWithPillow("page.tif");
        EXPECT_EQ(decoded.format, "TIFF");
        EXPECT_TRUE(
            win32::testing::SamePixels(win32::testing::PixelsOf(bitmap.get()), decoded.picture));
    }
}

TEST(TiffWriter, RecordsTheResolutionAskedForAndRefusesNone) {
    testkit::Sandbox sandbox;
    const TestBitmap bitmap = MakeBitmap(Noise(3, 3, {kBlack}, 1), BitmapKind::Monochrome);
    ASSERT_EQ(WriteTiffFile("fine", bitmap.get(), 150), TiffWriteResult::OK);
    const testkit::ToolRun info = TiffInfo("fine.tif");
    EXPECT_EQ(info.errors, "");
    EXPECT_NE(info.output.find("Resolution: 150, 150 pixels/inch"), std::string::npos)
        << info.output;
    EXPECT_EQ(WriteTiffFile("none", bitmap.get(), 0), TiffWriteResult::CannotWriteFile);
    EXPECT_FALSE(std::filesystem::exists("none.tif"));
}

} // namespace
