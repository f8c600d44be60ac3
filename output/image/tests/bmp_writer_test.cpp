// BMP files: the layout of the header block, and every pixel read back by Pillow.
#include "output/image/bmp_writer.h"

#include "image_fixture.h"

#include "platform/bytes/byte_reader.h"
#include "platform/testing/sandbox.h"

namespace {

using namespace output;

TEST(BmpWriter, WritesEachDepthWithItsTableAndTheGapBeforeThePixels) {
    testkit::Sandbox sandbox;
    struct Case {
        BitmapKind kind;
        int bitCount;
        std::size_t tableBytes; // 4 x 2^bits up to 8 bits, the three masks for 32, none for 24
    };
    const Case cases[] = {
        {BitmapKind::Monochrome, 1, 8},
        {BitmapKind::WhiteBlackSection, 1, 8},
        {BitmapKind::ScreenColour, 24, 0},
        {BitmapKind::Section32, 32, 12},
    };
    // An odd size, so that rows are padded.
    const Picture picture = Noise(47, 33, DistinctColours(40), 7);
    for (const Case& c : cases) {
        SCOPED_TRACE(NameOf(c.kind));
        const TestBitmap bitmap = MakeBitmap(picture, c.kind);
        ASSERT_EQ(WriteBmpFile("page", bitmap.get()), BmpWriteResult::OK);

        const std::vector<std::uint8_t> file = FileBytes("page.bmp");
        const std::size_t stride = (47 * static_cast<std::size_t>(c.bitCount) + 31) / 32 * 4;
        const std::size_t pixelOffset = 58 + c.tableBytes;
        bytes::ByteReader reader(file);
        EXPECT_EQ(reader.U8(), 'B');
        EXPECT_EQ(reader.U8(), 'M');
        EXPECT_EQ(reader.U32LE(), file.size());
        EXPECT_EQ(reader.U32LE(), 0u); // the two reserved words
        EXPECT_EQ(reader.U32LE(), pixelOffset);
        EXPECT_EQ(reader.U32LE(), 40u);
        EXPECT_EQ(reader.U32LE(), 47u);
        EXPECT_EQ(reader.U32LE(), 33u); // positive: bottom-up
        EXPECT_EQ(reader.U16LE(), 1);
        EXPECT_EQ(reader.U16LE(), c.bitCount);
        reader.Seek(54 + c.tableBytes);
        EXPECT_EQ(reader.U32LE(), 0u); // the gap
        EXPECT_FALSE(reader.Failed());
        EXPECT_EQ(file.size(), pixelOffset + stride * 33);

        const Decoded decoded = DecodeWithPillow("page.bmp");
        EXPECT_EQ(decoded.format, "BMP");
        EXPECT_TRUE(
            win32::testing::SamePixels(win32::testing::PixelsOf(bitmap.get()), decoded.picture));
    }
}

TEST(BmpWriter, ATwentyFourBitBitmapHasItsPixelsAtOffset58) {
    testkit::Sandbox sandbox;
    const Picture picture = Noise(2, 2, {RGB(1, 2, 3)}, 1);
    const TestBitmap bitmap = MakeBitmap(picture, BitmapKind::ScreenColour);
    ASSERT_EQ(WriteBmpFile("small", bitmap.get()), BmpWriteResult::OK);
    const std::vector<std::uint8_t> file = FileBytes("small.bmp");
    // Two rows of 2 x 3 bytes, each padded to 8: blue, green, red.
    ASSERT_EQ(file.size(), 58u + 16u);
    EXPECT_EQ(file[10], 58);
    EXPECT_EQ(file[58], 3);
    EXPECT_EQ(file[59], 2);
    EXPECT_EQ(file[60], 1);
}

} // namespace
