// Every stream the compressor writes is read back by an independent public decoder of the same
// format (StormLib's explode), so that the two codecs of this library cannot agree on a private
// dialect. Skipped, with the reason, where the decoder's development package is not installed.
#include "family/util/src/implode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#ifdef TALLOWMERE_HAVE_STORMLIB
#include <StormLib.h>
#endif

namespace {

using namespace umbrant;

using Bytes = std::vector<std::uint8_t>;

Bytes Imploded(const Bytes& data, int coding, unsigned dictionarySize) {
    Bytes stream;
    std::size_t offset = 0;
    const auto read = [&](std::uint8_t* buffer, std::size_t size) {
        const std::size_t count = std::min(size, data.size() - offset);
        std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset), count, buffer);
        offset += count;
        return count;
    };
    const auto write = [&](const std::uint8_t* bytes, std::size_t size) {
        stream.insert(stream.end(), bytes, bytes + size);
    };
    EXPECT_EQ(Implode(read, write, coding, dictionarySize), ImplodeResult::Done);
    return stream;
}

Bytes Sample(const std::string& kind, std::size_t size) {
    Bytes data(size);
    std::mt19937 random(static_cast<unsigned>(size) * 31 + static_cast<unsigned>(kind.size()));
    const std::string words = "Required minimum distribution of the planholder, year by year. ";
    for (std::size_t i = 0; i < size; ++i) {
        if (kind == "text") {
            data[i] = static_cast<std::uint8_t>(words[i % words.size()]);
        } else if (kind == "random") {
            data[i] = static_cast<std::uint8_t>(random());
        } else {
            data[i] = static_cast<std::uint8_t>(random() % 3);
        }
    }
    return data;
}

TEST(PublicDecoder, ReadsEveryStreamTheCompressorWrites) {
#ifndef TALLOWMERE_HAVE_STORMLIB
    GTEST_SKIP() << "StormLib (Debian package libstorm-dev) is not installed";
#else
    for (const char* kind : {"text", "random", "few symbols"}) {
        for (const std::size_t size : {std::size_t{1}, std::size_t{100}, std::size_t{4096},
                                       std::size_t{4097}, std::size_t{70000}}) {
            const Bytes data = Sample(kind, size);
            for (const int coding : {0, 1}) {
                for (const unsigned dictionary : {1024U, 2048U, 4096U}) {
                    SCOPED_TRACE(std::string(kind) + " of " + std::to_string(size) + ", coding " +
                                 std::to_string(coding) + ", dictionary " +
                                 std::to_string(dictionary));
                    Bytes stream = Imploded(data, coding, dictionary);
                    // The decoder wants room for more bytes than the stream holds (a buffer of
                    // the stream's own size means a stream stored as it is).
                    Bytes decoded(std::max(data.size(), stream.size() + 1));
                    int decodedSize = static_cast<int>(decoded.size());
                    ASSERT_NE(SCompExplode(decoded.data(), &decodedSize, stream.data(),
                                           static_cast<int>(stream.size())),
                              0);
                    ASSERT_EQ(decodedSize, static_cast<int>(data.size()));
                    decoded.resize(data.size());
                    EXPECT_EQ(decoded, data);
                }
            }
        }
    }
#endif
}

} // namespace
