// GIF files: the header, descriptor and colour table as laid down, and every image read back by
// Pillow, small and large, with few colours and with more than 256.
#include "output/image/gif_writer.h"

#include "image_fixture.h"

#include "platform/bytes/byte_reader.h"
#include "platform/testing/sandbox.h"

#include <filesystem>
#include <string>

namespace {

using namespace output;

constexpr std::size_t kScreenDescriptorEnd = 13;

// What stands before an image's data: its descriptor, colour table and minimum code size.
struct ImageHead {
    std::uint16_t left = 0;
    std::uint16_t top = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t flags = 0;
    std::vector<COLORREF> table;
    int minimumCodeSize = 0;
};

// The heads of every image of a file, walking its sub-blocks; a malformed file fails the test.
std::vector<ImageHead> ImageHeads(const std::vector<std::uint8_t>& file) {
    bytes::ByteReader reader(file);
    reader.Seek(kScreenDescriptorEnd);
    std::vector<ImageHead> heads;
    while (!reader.Failed() && reader.Remaining() > 0) {
        const std::uint8_t introducer = reader.U8();
        if (introducer == ';') {
            EXPECT_EQ(reader.Remaining(), 0u) << "bytes after the trailer";
            return heads;
        }
        EXPECT_EQ(introducer, ',');
        ImageHead head;
        head.left = reader.U16LE();
        head.top = reader.U16LE();
        head.width = reader.U16LE();
        head.height = reader.U16LE();
        head.flags = reader.U8();
        for (int i = 0; i < (2 << (head.flags & 7)); ++i) {
            const std::uint8_t red = reader.U8();
            const std::uint8_t green = reader.U8();
            head.table.push_back(RGB(red, green, reader.U8()));
        }
        head.minimumCodeSize = reader.U8();
        for (std::uint8_t length = reader.U8(); length != 0 && !reader.Failed();
             length = reader.U8()) {
            reader.Skip(length);
        }
        heads.push_back(head);
    }
    ADD_FAILURE() << "no trailer";
    return heads;
}

// `count` colours, each at least once (first in order), the rest of the pixels at random.
Picture AllColoursThenNoise(int width, int height, int count) {
    const std::vector<COLORREF> colours = DistinctColours(count);
    Picture picture = Noise(width, height, colours, static_cast<std::uint32_t>(count));
    for (int i = 0; i < count && i < width * height; ++i) {
        picture.colours[static_cast<std::size_t>(i)] = colours[static_cast<std::size_t>(i)];
    }
    return picture;
}

TEST(GifWriter, TableSizeFollowsTheColourCountAndPillowReadsEveryPixel) {
    testkit::Sandbox sandbox;
    struct Case {
        int colours;
        int width;
        int height;
        BitmapKind kind;
        int bits; // the smallest with 2^bits >= colours
    };
    const Case cases[] = {
        {1, 1, 1, BitmapKind::ScreenColour, 1},
        {2, 47, 33, BitmapKind::Monochrome, 1},
        {3, 47, 33, BitmapKind::ScreenColour, 2},
        {4, 47, 33, BitmapKind::Section32, 2},
        {5, 47, 33, BitmapKind::ScreenColour, 3},
        {16, 47, 33, BitmapKind::ScreenColour, 4},
        {17, 47, 33, BitmapKind::ScreenColour, 5},
        {129, 47, 33, BitmapKind::ScreenColour, 8},
        // 40000 pixels of noise: the 4096-code table fills and starts afresh some ten times.
        {256, 200, 200, BitmapKind::ScreenColour, 8},
        {2, 300, 300, BitmapKind::Monochrome, 1},
    };
    std::vector<std::filesystem::path> files;
    std::vector<Picture> pictures;
    for (const Case& c : cases) {
        const std::string name = "colours" + std::to_string(c.colours) + "-" +
                                 std::to_string(c.width) + "-" + NameOf(c.kind);
        SCOPED_TRACE(name);
        const Picture picture = c.kind == BitmapKind::Monochrome
                                    ? Noise(c.width, c.height, {kBlack, kWhite}, 3)
                                    : AllColoursThenNoise(c.width, c.height, c.colours);
        const TestBitmap bitmap = MakeBitmap(picture, c.kind);
        ASSERT_EQ(GifWriter().Write(name, bitmap.get()), GifWriteResult::OK);
        files.push_back(name + ".gif");
        pictures.push_back(picture);

        const std::vector<std::uint8_t> file = FileBytes(files.back());
        const std::vector<std::uint8_t> screen{'G',
                                               'I',
                                               'F',
                                               '8',
                                               '7',
                                               'a',
                                               static_cast<std::uint8_t>(c.width),
                                               static_cast<std::uint8_t>(c.width >> 8),
                                               static_cast<std::uint8_t>(c.height),
                                               static_cast<std::uint8_t>(c.height >> 8),
                                               0,
                                               0,
                                               0};
        ASSERT_GE(file.size(), screen.size());
        EXPECT_TRUE(std::equal(screen.begin(), screen.end(), file.begin()));
        const std::vector<ImageHead> heads = ImageHeads(file);
        ASSERT_EQ(heads.size(), 1u);
        EXPECT_EQ(heads[0].flags, 0x80 | 0x20 | (c.bits - 1));
        EXPECT_EQ(heads[0].minimumCodeSize, c.bits == 1 ? 2 : c.bits);
    }
    const std::vector<Decoded> decoded = DecodeWithPillow(files);
    ASSERT_EQ(decoded.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i]);
        EXPECT_EQ(decoded[i].format, "GIF");
        EXPECT_TRUE(win32::testing::SamePixels(pictures[i], decoded[i].picture));
    }
}

TEST(GifWriter, EveryLengthOfShortImagesDecodes) {
    // The code stream ends at every point of the width changes.
    testkit::Sandbox sandbox;
    std::vector<std::filesystem::path> files;
    std::vector<Picture> pictures;
    for (int colours : {2, 5}) {
        for (int length = 1; length <= 90; ++length) {
            const std::string name = "run" + std::to_string(colours) + "-" + std::to_string(length);
            pictures.push_back(
                Noise(length, 1, DistinctColours(colours), static_cast<std::uint32_t>(length)));
            const TestBitmap bitmap = MakeBitmap(pictures.back(), BitmapKind::ScreenColour);
            ASSERT_EQ(GifWriter().Write(name, bitmap.get()), GifWriteResult::OK) << name;
            files.push_back(name + ".gif");
        }
    }
    const std::vector<Decoded> decoded = DecodeWithPillow(files);
    ASSERT_EQ(decoded.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_TRUE(win32::testing::SamePixels(pictures[i], decoded[i].picture)) << files[i];
    }
}

TEST(GifWriter, ThePaletteRunsFromTheMostFrequentColourWithTiesInOrderOfFirstSight) {
    testkit::Sandbox sandbox;
    const COLORREF a = RGB(10, 20, 30);
    const COLORREF b = RGB(40, 50, 60);
    const COLORREF c = RGB(70, 80, 90);
    const COLORREF d = RGB(100, 110, 120);
    // Counts: a 1, d 3, c 3, b 5; d is seen before c.
    const Picture picture{4, 3, {a, d, c, b, b, c, b, d, c, b, b, d}};
    const TestBitmap bitmap = MakeBitmap(picture, BitmapKind::ScreenColour);
    ASSERT_EQ(GifWriter().Write("order", bitmap.get()), GifWriteResult::OK);
    const std::vector<ImageHead> heads = ImageHeads(FileBytes("order.gif"));
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].flags, 0xA1);
    EXPECT_EQ(heads[0].table, (std::vector<COLORREF>{b, d, c, a}));
    EXPECT_TRUE(win32::testing::SamePixels(picture, DecodeWithPillow("order.gif").picture));
}

TEST(GifWriter, ColoursBeyondTheKept256TakeTheNearestKeptColour) {
    testkit::Sandbox sandbox;
    // 256 colours three times each, kept in the order first seen: (22, 0, 0) first, then
    // (2i, 0, 0) and (2i, 200, 0). Seen once each, so not kept:
    //   (100, 3, 0): nearest (100, 0, 0);
    //   (21, 0, 0): as near to (20, 0, 0) as to (22, 0, 0), which has the lower index.
    std::vector<COLORREF> kept{RGB(22, 0, 0)};
    for (int i = 0; i < 128; ++i) {
        if (i != 11) {
            kept.push_back(RGB(static_cast<BYTE>(2 * i), 0, 0));
        }
        kept.push_back(RGB(static_cast<BYTE>(2 * i), 200, 0));
    }
    ASSERT_EQ(kept.size(), 256u);
    Picture picture{35, 22, {}};
    for (int round = 0; round < 3; ++round) {
        picture.colours.insert(picture.colours.end(), kept.begin(), kept.end());
    }
    picture.colours.push_back(RGB(100, 3, 0));
    picture.colours.push_back(RGB(21, 0, 0));
    ASSERT_EQ(picture.colours.size(), 35u * 22u);
    Picture expected = picture;
    expected.colours[768] = RGB(100, 0, 0);
    expected.colours[769] = RGB(22, 0, 0);

    const TestBitmap bitmap = MakeBitmap(picture, BitmapKind::ScreenColour);
    ASSERT_EQ(GifWriter().Write("many", bitmap.get()), GifWriteResult::OK);
    EXPECT_TRUE(win32::testing::SamePixels(expected, DecodeWithPillow("many.gif").picture));
}

TEST(GifWriter, ImagesStandAtTheirPositionsOnAScreenAtLeastTheMinimum) {
    testkit::Sandbox sandbox;
    const TestBitmap large = MakeBitmap(Noise(10, 8, {kBlack, kWhite}, 1), BitmapKind::Monochrome);
    const TestBitmap small =
        MakeBitmap(Noise(5, 4, DistinctColours(3), 2), BitmapKind::ScreenColour);
    const HBITMAP bitmaps[] = {large.get(), small.get()};
    const std::uint32_t positions[] = {GifPosition(0, 0), GifPosition(20, 30)};
    ASSERT_EQ(GifWriter().Write("two", bitmaps, positions, 16, 50), GifWriteResult::OK);

    const std::vector<std::uint8_t> file = FileBytes("two.gif");
    bytes::ByteReader reader(file);
    reader.Seek(6);
    EXPECT_EQ(reader.U16LE(), 25); // 20 + 5, wider than the minimum 16
    EXPECT_EQ(reader.U16LE(), 50); // the minimum, taller than 30 + 4
    const std::vector<ImageHead> heads = ImageHeads(file);
    ASSERT_EQ(heads.size(), 2u);
    EXPECT_EQ(heads[1].left, 20);
    EXPECT_EQ(heads[1].top, 30);
    EXPECT_EQ(heads[1].width, 5);
    EXPECT_EQ(heads[1].height, 4);
    EXPECT_EQ(DecodeWithPillow("two.gif").frames, 2);
}

TEST(GifWriter, RefusesWhatItCannotWriteAndLeavesNoFile) {
    testkit::Sandbox sandbox;
    const TestBitmap bitmap = MakeBitmap(Noise(10, 8, {kBlack, kWhite}, 1), BitmapKind::Monochrome);
    const HBITMAP one[] = {bitmap.get()};
    const HBITMAP thenNull[] = {bitmap.get(), nullptr};
    const std::uint32_t atOrigin[] = {0};
    const std::uint32_t twoPositions[] = {0, 0};
    const std::uint32_t farRight[] = {GifPosition(65530, 0)};
    struct Case {
        const char* what;
        std::span<const HBITMAP> bitmaps;
        std::span<const std::uint32_t> positions;
    };
    const Case cases[] = {
        {"no bitmap", {}, {}},
        {"more positions than bitmaps", one, twoPositions},
        {"a screen wider than 65535", one, farRight},
        {"a second bitmap that is none", thenNull, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(GifWriter().Write("refused", c.bitmaps, c.positions, 0, 0),
                  GifWriteResult::CannotWriteFile);
        EXPECT_FALSE(std::filesystem::exists("refused.gif"));
    }
    EXPECT_EQ(GifWriter().Write("accepted", one, atOrigin, 0, 0), GifWriteResult::OK);
}

} // namespace
