// The PDF file's deflate streams as Cairo drives them: taken over within a FastDeflate scope,
// gathered and compressed whole, large ones kept for the same bytes again; every other stream,
// in or out of the scope, is zlib's own.
#include "platform/printdoc/src/fast_deflate.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

// `bytes` written through a stream started at the default level, sixteen kilobytes at a time
// with Z_NO_FLUSH, then finished into an output buffer of `outputChunk` bytes at a time, as
// Cairo's deflate stream does; the zlib results of the finish are appended to `finishes`.
std::string Deflate(const std::string& bytes, unsigned outputChunk, std::vector<int>& finishes) {
    z_stream stream{};
    EXPECT_EQ(deflateInit(&stream, Z_DEFAULT_COMPRESSION), Z_OK);
    std::string compressed;
    std::vector<unsigned char> buffer(outputChunk);
    const auto drain = [&] {
        compressed.append(reinterpret_cast<const char*>(buffer.data()),
                          buffer.size() - stream.avail_out);
        stream.next_out = buffer.data();
        stream.avail_out = static_cast<uInt>(buffer.size());
    };
    stream.next_out = buffer.data();
    stream.avail_out = static_cast<uInt>(buffer.size());
    for (std::size_t at = 0; at < bytes.size(); at += 16384) {
        const std::string chunk = bytes.substr(at, 16384);
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(chunk.data()));
        stream.avail_in = static_cast<uInt>(chunk.size());
        while (stream.avail_in != 0) {
            EXPECT_EQ(deflate(&stream, Z_NO_FLUSH), Z_OK);
            if (stream.avail_out == 0) {
                drain();
            }
        }
    }
    for (int result = Z_OK; result != Z_STREAM_END;) {
        result = deflate(&stream, Z_FINISH);
        finishes.push_back(result);
        drain();
        if (result != Z_OK && result != Z_STREAM_END) {
            break;
        }
    }
    EXPECT_EQ(deflateEnd(&stream), Z_OK);
    return compressed;
}

std::string Inflate(const std::string& compressed) {
    std::vector<unsigned char> output(1u << 22);
    uLongf size = output.size();
    EXPECT_EQ(uncompress(output.data(), &size, reinterpret_cast<const Bytef*>(compressed.data()),
                         compressed.size()),
              Z_OK);
    return std::string(reinterpret_cast<const char*>(output.data()), size);
}

// Picture-like bytes: runs of a few colours with some noise.
std::string PictureBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes;
    while (bytes.size() < size) {
        bytes.append(random() % 300, static_cast<char>(random() % 4 * 60));
        bytes.push_back(static_cast<char>(random()));
    }
    bytes.resize(size);
    return bytes;
}

TEST(FastDeflate, AStreamTakenOverIsCompressedWholeAtTheFastestLevelWithoutLoss) {
    const printdoc::FastDeflate fast;
    struct Case {
        const char* name;
        std::string bytes;
        unsigned outputChunk;
    };
    const Case kCases[] = {
        {"nothing", "", 16384},
        {"a page", "BT /f-0-0 1 Tf 10 0 0 -10 72 72 Tm (Page 1 of 9) Tj ET\n", 16384},
        {"a picture, taken out a few bytes at a time", PictureBytes(300000, 1), 1000},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::vector<int> finishes;
        const std::string compressed = Deflate(c.bytes, c.outputChunk, finishes);
        ASSERT_GE(compressed.size(), 6u);
        EXPECT_EQ(compressed.substr(0, 2), std::string("\x78\x01")); // the fastest level
        EXPECT_EQ(Inflate(compressed), c.bytes);
        ASSERT_FALSE(finishes.empty());
        EXPECT_EQ(finishes.back(), Z_STREAM_END);
        EXPECT_EQ(finishes.size(), (compressed.size() + c.outputChunk - 1) / c.outputChunk);
    }
}

// The same large bytes again are not compressed again: they take the bytes kept, which are the
// same; other large bytes in between are kept beside them. Bytes that begin as a kept stream's
// and then part from it, end before it or run on past it are compressed as themselves.
TEST(FastDeflate, ThePicturesBytesAgainTakeTheCompressionKept) {
    const printdoc::FastDeflate fast;
    const std::string picture = PictureBytes(400000, 2);
    std::vector<int> finishes;
    const std::string first = Deflate(picture, 16384, finishes);
    const std::string other = Deflate(PictureBytes(400000, 3), 16384, finishes);
    EXPECT_NE(other, first);
    EXPECT_EQ(Deflate(picture, 16384, finishes), first);
    EXPECT_EQ(Inflate(first), picture);

    std::string parting = picture;
    parting[200000] = static_cast<char>(parting[200000] ^ 1);
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case kCases[] = {
        {"parting halfway", parting},
        {"parting in the first bytes", "x" + picture.substr(1)},
        {"ending before", picture.substr(0, 100000)},
        {"running on past", picture + PictureBytes(70000, 5)},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string compressed = Deflate(c.bytes, 16384, finishes);
        EXPECT_NE(compressed, first);
        EXPECT_EQ(Inflate(compressed), c.bytes);
    }
    EXPECT_EQ(Deflate(picture, 16384, finishes), first);
}

// Only what Cairo asks is served: another flush is refused, as is writing after the finish, and
// a stream ended before its output was all taken says so, as zlib does.
TEST(FastDeflate, AStreamTakenOverRefusesWhatCairoNeverAsks) {
    const printdoc::FastDeflate fast;
    z_stream stream{};
    ASSERT_EQ(deflateInit(&stream, Z_DEFAULT_COMPRESSION), Z_OK);
    std::string text = "some text some text some text";
    std::vector<unsigned char> out(4);
    stream.next_in = reinterpret_cast<Bytef*>(text.data());
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_SYNC_FLUSH), Z_STREAM_ERROR);
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_OK); // more output than four bytes
    stream.next_in = reinterpret_cast<Bytef*>(text.data());
    stream.avail_in = 1;
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_ERROR);
    EXPECT_EQ(deflateEnd(&stream), Z_DATA_ERROR);
}

// Streams at another level, or started outside a scope, are zlib's: they compress as zlib
// does, and zlib's other entry points work on them.
TEST(FastDeflate, EveryOtherStreamIsZlibsOwn) {
    const std::string bytes = PictureBytes(100000, 4);
    const auto zlibCompressed = [&bytes](int level) {
        std::vector<unsigned char> out(compressBound(bytes.size()));
        uLongf size = out.size();
        EXPECT_EQ(compress2(out.data(), &size, reinterpret_cast<const Bytef*>(bytes.data()),
                            bytes.size(), level),
                  Z_OK);
        return std::string(reinterpret_cast<const char*>(out.data()), size);
    };
    std::vector<int> finishes;
    const std::string outside = Deflate(bytes, 16384, finishes);
    EXPECT_EQ(outside, zlibCompressed(Z_DEFAULT_COMPRESSION));
    const printdoc::FastDeflate fast;
    const std::string best = zlibCompressed(Z_BEST_COMPRESSION);
    EXPECT_EQ(best.substr(0, 2), std::string("\x78\xDA"));
    EXPECT_EQ(Inflate(best), bytes);
}

} // namespace
