// Implode and explode in memory: round trips of varied data, a known stream, the chunking of
// both sides, and malformed streams that must fail cleanly.
#include "family/util/src/dcl_codes.h"
#include "family/util/src/explode.h"
#include "family/util/src/implode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace umbrant;

using Bytes = std::vector<std::uint8_t>;

// A reader over `data` that delivers at most `step` bytes a call.
ReadBytes ReaderOf(const Bytes& data, std::size_t step = SIZE_MAX) {
    auto offset = std::make_shared<std::size_t>(0);
    return [&data, offset, step](std::uint8_t* buffer, std::size_t size) {
        const std::size_t count = std::min({size, step, data.size() - *offset});
        std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(*offset), count, buffer);
        *offset += count;
        return count;
    };
}

WriteBytes WriterTo(Bytes& out, std::vector<std::size_t>* chunkSizes = nullptr) {
    return [&out, chunkSizes](const std::uint8_t* data, std::size_t size) {
        out.insert(out.end(), data, data + size);
        if (chunkSizes != nullptr) {
            chunkSizes->push_back(size);
        }
    };
}

Bytes Compressed(const Bytes& data, int coding, unsigned dictionarySize) {
    Bytes stream;
    EXPECT_EQ(Implode(ReaderOf(data), WriterTo(stream), coding, dictionarySize),
              ImplodeResult::Done);
    return stream;
}

ExplodeResult Expanded(const Bytes& stream, Bytes& out, std::size_t step = SIZE_MAX) {
    out.clear();
    return Explode(ReaderOf(stream, step), WriterTo(out));
}

Bytes FromHex(const std::string& hex) {
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 3) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

Bytes Text(std::size_t size) {
    const std::string words = "The representative prepares a distribution illustration for "
                              "the client, year by year, with 1,234.56 dollars of income. ";
    Bytes data(size);
    for (std::size_t i = 0; i < size; ++i) {
        data[i] = static_cast<std::uint8_t>(words[(i * 7 / 5) % words.size()]);
    }
    return data;
}

Bytes Random(std::size_t size, unsigned alphabet, unsigned seed) {
    std::mt19937 generator(seed);
    Bytes data(size);
    for (auto& byte : data) {
        byte = static_cast<std::uint8_t>(generator() % alphabet);
    }
    return data;
}

TEST(DclCodes, AreCompletePrefixCodes) {
    // Kraft sum 1: every bit sequence of the longest length starts exactly one code.
    const auto kraft = [](const auto& code) {
        unsigned sum = 0;
        for (const auto bits : code.bitCount) {
            EXPECT_GT(bits, 0);
            sum += 1U << (kMaxCodeBits - bits);
        }
        return sum;
    };
    EXPECT_EQ(kraft(LiteralCode()), 1U << kMaxCodeBits);
    EXPECT_EQ(kraft(LengthCode()), 1U << kMaxCodeBits);
    EXPECT_EQ(kraft(DistanceCode()), 1U << kMaxCodeBits);
}

TEST(Implode, RoundTripsVariedDataInEveryDictionaryAndCoding) {
    struct Kind {
        const char* name;
        Bytes (*make)(std::size_t);
    };
    const Kind kinds[] = {
        {"text", Text},
        {"random", [](std::size_t size) { return Random(size, 256, 7); }},
        {"few symbols", [](std::size_t size) { return Random(size, 3, 11); }},
        {"one byte", [](std::size_t size) { return Bytes(size, 0x41); }},
    };
    // Sizes around the longest match, the block and the chunk boundaries.
    const std::size_t sizes[] = {0, 1, 2, 3, 515, 516, 517, 2047, 4095, 4096, 4097, 8709, 70001};
    for (const Kind& kind : kinds) {
        for (const std::size_t size : sizes) {
            const Bytes data = kind.make(size);
            for (const unsigned dictionary : {1024U, 2048U, 4096U}) {
                for (const int coding : {0, 1}) {
                    SCOPED_TRACE(testing::Message() << kind.name << " " << size << " bytes, "
                                                    << dictionary << ", coding " << coding);
                    const Bytes stream = Compressed(data, coding, dictionary);
                    Bytes out;
                    EXPECT_EQ(Expanded(stream, out), ExplodeResult::Done);
                    EXPECT_TRUE(out == data);
                }
            }
        }
    }
}

TEST(Implode, CompressesRepetitionWithLongCopies) {
    // 100,000 equal bytes: one literal (9 bits), then 194 copies one back, 193 of them of 516
    // bytes, each 24 bits (flag, 7-bit length code, 8 extra bits, 2-bit distance code, 6 low
    // bits), and the 16-bit end code: 4681 bits in 586 bytes behind the two format bytes.
    const Bytes stream = Compressed(Bytes(100000, 0x20), 0, 4096);
    EXPECT_EQ(stream.size(), 588U);
}

TEST(Implode, WritesTheKnownStreamOfAShortRepetition) {
    // "AIAIAIAIAIAIA" in binary coding with 1024 bytes: two literals, one copy of 11 bytes two
    // back, the end code. The stream is the example of the format's public description.
    const std::string text = "AIAIAIAIAIAIA";
    const Bytes data(text.begin(), text.end());
    const Bytes known = FromHex("00 04 82 24 25 8f 80 7f");
    EXPECT_EQ(Compressed(data, 0, 1024), known);
    Bytes out;
    EXPECT_EQ(Expanded(known, out), ExplodeResult::Done);
    EXPECT_EQ(std::string(out.begin(), out.end()), text);
}

TEST(Implode, EmptyInputIsTheEndCodeAlone) {
    EXPECT_EQ(Compressed({}, 0, 4096), FromHex("00 06 01 ff"));
    EXPECT_EQ(Compressed({}, 1, 2048), FromHex("01 05 01 ff"));
}

TEST(Implode, RefusesOtherDictionariesAndCodings) {
    Bytes stream;
    EXPECT_EQ(Implode(ReaderOf({}), WriterTo(stream), 0, 512), ImplodeResult::BadDictionarySize);
    EXPECT_EQ(Implode(ReaderOf({}), WriterTo(stream), 2, 1024), ImplodeResult::BadCoding);
    EXPECT_TRUE(stream.empty());
}

TEST(Implode, BothSidesStreamInTheirChunkSizes) {
    const Bytes data = Random(50000, 256, 3);
    Bytes stream;
    std::vector<std::size_t> streamChunks;
    ASSERT_EQ(Implode(ReaderOf(data, 1000), WriterTo(stream, &streamChunks), 0, 4096),
              ImplodeResult::Done);
    Bytes out;
    std::vector<std::size_t> outChunks;
    ASSERT_EQ(Explode(ReaderOf(stream, 333), WriterTo(out, &outChunks)), ExplodeResult::Done);
    EXPECT_TRUE(out == data);
    for (const auto& sides : {std::pair{streamChunks, 2048U}, {outChunks, 4096U}}) {
        const std::vector<std::size_t>& chunks = sides.first;
        const std::size_t size = sides.second;
        ASSERT_GT(chunks.size(), 1U);
        EXPECT_TRUE(std::all_of(chunks.begin(), chunks.end() - 1,
                                [size](std::size_t chunk) { return chunk == size; }));
        EXPECT_LE(chunks.back(), size);
    }
}

TEST(Explode, MalformedStreamsFailCleanly) {
    struct Case {
        const char* name;
        const char* hex;
        ExplodeResult expected;
        std::size_t written; // bytes decoded before the fault
    };
    const Case cases[] = {
        {"empty input", "", ExplodeResult::ShortStream, 0},
        {"three bytes", "00 04 01", ExplodeResult::ShortStream, 0},
        {"the end code alone", "00 06 01 ff", ExplodeResult::Done, 0},
        {"dictionary bits 7", "00 07 01 ff", ExplodeResult::BadDictionaryBits, 0},
        {"dictionary bits 3", "00 03 01 ff", ExplodeResult::BadDictionaryBits, 0},
        {"literal coding 2", "02 04 01 ff", ExplodeResult::BadLiteralCoding, 0},
        {"cut inside a literal", "00 04 82 24", ExplodeResult::InputEnded, 1},
        {"cut inside the copy", "00 04 82 24 25", ExplodeResult::InputEnded, 2},
        {"cut before the end code", "00 04 82 24 25 8f", ExplodeResult::InputEnded, 13},
        // A copy of 3 bytes one back as the first code.
        {"copy before the start", "00 04 1f 00", ExplodeResult::DistanceBeforeStart, 0},
        // A literal, then a copy of 3 bytes two back.
        {"copy one byte too far", "00 04 82 7e 00 00", ExplodeResult::DistanceBeforeStart, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes out;
        EXPECT_EQ(Expanded(FromHex(c.hex), out), c.expected);
        EXPECT_EQ(out.size(), c.written);
    }
}

TEST(Explode, ArbitraryBytesNeverOverrunOrHang) {
    // Random streams behind valid format bytes: any result is fine, as long as it ends.
    for (unsigned seed = 0; seed < 300; ++seed) {
        Bytes stream = Random(seed % 64 + 4, 256, seed);
        stream[0] = static_cast<std::uint8_t>(seed % 2);
        stream[1] = static_cast<std::uint8_t>(4 + seed % 3);
        Bytes out;
        const ExplodeResult result = Expanded(stream, out);
        EXPECT_NE(result, ExplodeResult::ShortStream);
    }
}

} // namespace
