// Byte order and the bounded reader.
#include "platform/bytes/byte_order.h"
#include "platform/bytes/byte_reader.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace bytes;

TEST(ByteOrderTest, LoadsStoresAndPutsAgree) {
    const std::array<std::uint8_t, 4> sample = {0x12, 0x34, 0x56, 0x78};
    EXPECT_EQ(LoadU16LE(sample.data()), 0x3412);
    EXPECT_EQ(LoadU32LE(sample.data()), 0x78563412u);
    EXPECT_EQ(LoadU16BE(sample.data()), 0x1234);
    EXPECT_EQ(LoadU32BE(sample.data()), 0x12345678u);

    std::vector<std::uint8_t> out;
    PutU16LE(out, 0x3412);
    PutU32LE(out, 0x78563412u);
    PutU16BE(out, 0x1234);
    PutU32BE(out, 0xFEDCBA98u);
    const std::vector<std::uint8_t> expected = {0x12, 0x34, 0x12, 0x34, 0x56, 0x78,
                                                0x12, 0x34, 0xFE, 0xDC, 0xBA, 0x98};
    EXPECT_EQ(out, expected);

    std::array<std::uint8_t, 4> stored{};
    StoreU32LE(stored.data(), 0x78563412u);
    EXPECT_EQ(stored, sample);
    StoreU32BE(stored.data(), 0x12345678u);
    EXPECT_EQ(stored, sample);
}

TEST(ByteReaderTest, ReadsInOrderAndStaysFailedAfterAShortRead) {
    const std::array<std::uint8_t, 7> data = {1, 0x02, 0x01, 0x00, 0x00, 0x00, 0x09};
    ByteReader reader{std::span<const std::uint8_t>(data)};
    EXPECT_EQ(reader.U8(), 1);
    EXPECT_EQ(reader.U16LE(), 0x0102);
    EXPECT_EQ(reader.U16BE(), 0);
    EXPECT_EQ(reader.Remaining(), 2u);
    EXPECT_FALSE(reader.Failed());

    EXPECT_EQ(reader.U32LE(), 0u) << "two bytes left";
    EXPECT_TRUE(reader.Failed());
    EXPECT_EQ(reader.U8(), 0) << "a failed reader stays failed, though a byte is there";
    EXPECT_TRUE(reader.Bytes(1).empty());
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(ByteReaderTest, SeekAndSkipAreBounded) {
    ByteReader reader{std::string_view("GIF89a\x05\x00", 8)};
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(reader.Bytes(6).data()), 6), "GIF89a");
    reader.Seek(8);
    EXPECT_FALSE(reader.Failed()) << "the end itself is a place";
    reader.Seek(6);
    EXPECT_EQ(reader.U16LE(), 5);
    reader.Seek(0);
    reader.Skip(9);
    EXPECT_TRUE(reader.Failed());

    ByteReader beyond{std::string_view("ab")};
    beyond.Seek(3);
    EXPECT_TRUE(beyond.Failed());
    beyond.Seek(0);
    EXPECT_TRUE(beyond.Failed()) << "seeking back does not mend a failed reader";
    EXPECT_EQ(beyond.U8(), 0);
}

} // namespace
