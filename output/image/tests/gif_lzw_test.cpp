// The GIF code stream on hand-made inputs whose codes are worked out below.
#include "output/image/src/gif_lzw.h"

#include <gtest/gtest.h>

namespace {

using namespace output;

TEST(GifLzw, MinimumCodeSizeIsTheBitsButTwoForOneBit) {
    const int expected[] = {2, 2, 3, 4, 5, 6, 7, 8};
    for (int bits = 1; bits <= 8; ++bits) {
        EXPECT_EQ(MinimumCodeSize(bits), expected[bits - 1]) << bits << " bits";
    }
}

TEST(GifLzw, CodesOfARunAreTheOnesWorkedOutByHand) {
    // Minimum code size 2: clear 4, end 5, first free code 6, 3 bits. Indices 0 0 0 0:
    //   clear 4 (3 bits); "00" unknown: 0 written, 6 = "00"; "000" unknown: 6 written,
    //   7 = "000"; the last string 0 written. The next free code is 8 = 2^3, so a decoder
    //   reading that 0 grows to 4 bits: end 5 in 4 bits.
    // Bits from the least significant: 001 000 011 000 1010 -> 0x84, 0x51.
    const std::uint8_t run[] = {0, 0, 0, 0};
    EXPECT_EQ(CompressLzw(run, 2), (std::vector<std::uint8_t>{0x84, 0x51}));
    // One index: clear, 1, end, 3 bits each: 001 100 101 -> 0x4C, 0x01.
    const std::uint8_t one[] = {1};
    EXPECT_EQ(CompressLzw(one, 2), (std::vector<std::uint8_t>{0x4C, 0x01}));
}

TEST(GifLzw, TheEndCodeTakesTheWidthADecoderHasReachedByThen) {
    // Eleven indices in which no pair repeats: the codes 1 2 1 (3 bits) 3 0 1 0 0 3 1 1 (4 bits)
    // add the ten codes 6..15. When the last 1 is read a decoder adds code 15 too, reaches
    // 16 = 2^4 and reads the end code 5 with 5 bits: 49 bits, 7 bytes (with 4 bits, 6).
    const std::uint8_t indices[] = {1, 2, 1, 3, 0, 1, 0, 0, 3, 1, 1};
    EXPECT_EQ(CompressLzw(indices, 2),
              (std::vector<std::uint8_t>{0x8C, 0x32, 0x10, 0x00, 0x13, 0x51, 0x00}));
}

TEST(GifLzw, SubBlocksHoldAtMost255BytesAndEndWithAnEmptyOne) {
    struct Case {
        std::size_t bytes;
        std::vector<std::uint8_t> lengths; // the length bytes in order
    };
    const Case cases[] = {
        {0, {0}}, {1, {1, 0}}, {255, {255, 0}}, {256, {255, 1, 0}}, {600, {255, 255, 90, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        const std::vector<std::uint8_t> data(c.bytes, 0xAB);
        std::vector<std::uint8_t> out;
        AppendSubBlocks(out, data);
        std::vector<std::uint8_t> lengths;
        for (std::size_t at = 0; at < out.size(); at += std::size_t{out[at]} + 1) {
            lengths.push_back(out[at]);
        }
        EXPECT_EQ(lengths, c.lengths);
        EXPECT_EQ(out.size(), c.bytes + c.lengths.size());
    }
}

} // namespace
