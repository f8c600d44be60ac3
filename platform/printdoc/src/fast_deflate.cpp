#include "platform/printdoc/src/fast_deflate.h"

#include <dlfcn.h>
#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace {

// zlib's own memory level for a stream started with deflateInit.
constexpr int kDefaultMemoryLevel = 8;
// libdeflate's fastest level: on the Stretch report's streams (its graph, pictures, fonts and
// pages) it packs them into 70 KB where zlib's fastest level takes 77 KB, in three quarters of
// the time; its higher levels take longer for a few kilobytes less.
constexpr int kLevel = 1;
// A stream of at least this many bytes (a picture's pixels) keeps its compressed bytes for the
// next file that holds the same bytes; the last few such streams are kept. Pages and fonts are
// smaller, and differ from one report to the next.
constexpr std::size_t kKeptStreamBytes = 64u << 10;
constexpr std::size_t kKeptStreams = 4;

thread_local int fastScopes = 0;

struct KeptCompression {
    std::string input;
    std::shared_ptr<const std::string> output;
};
using KeptPointer = std::shared_ptr<const KeptCompression>;

// A stream taken over. While its bytes so far are those of streams kept, they are only compared
// with them; from the first byte that differs from all of them they are gathered. Once finished
// it has its compressed bytes, handed out as the caller takes them.
struct TakenStream {
    std::vector<KeptPointer> matching;
    std::size_t written = 0;
    bool gathering = false;
    std::string input;
    std::shared_ptr<const std::string> output;
    std::size_t handedOut = 0;
};

// The streams taken over, by the address of their z_stream, and the large streams compressed
// last, the latest first, with the compressor. Made once and never destroyed: zlib may be called
// while the process ends, after the objects of the program are gone.
struct Streams {
    std::mutex mutex;
    std::map<z_streamp, TakenStream> taken;
    std::list<KeptPointer> kept;
    libdeflate_compressor* compressor = nullptr;
};

Streams& TheStreams() {
    static auto* streams = new Streams;
    return *streams;
}

// Takes the bytes written next: compared with the streams still matching, or gathered.
void Take(TakenStream& taken, std::string_view bytes) {
    if (!taken.gathering) {
        std::vector<KeptPointer> still;
        for (KeptPointer& kept : taken.matching) {
            if (kept->input.compare(taken.written, bytes.size(), bytes) == 0) {
                still.push_back(std::move(kept));
            }
        }
        if (still.empty()) {
            // The bytes so far are the first ones of any stream that matched until now.
            taken.gathering = true;
            if (!taken.matching.empty()) {
                taken.input.assign(taken.matching.front()->input, 0, taken.written);
            }
            taken.matching.clear();
        } else {
            taken.matching = std::move(still);
        }
    }
    if (taken.gathering) {
        taken.input.append(bytes);
    }
    taken.written += bytes.size();
}

// The compressed bytes of a finished stream: those kept for the same bytes, or a new compression
// (kept when the stream is large).
std::shared_ptr<const std::string> Compress(Streams& streams, TakenStream& taken) {
    std::list<KeptPointer>& keptCompressions = streams.kept;
    for (const KeptPointer& kept : taken.matching) {
        if (kept->input.size() == taken.written) {
            const auto place = std::find(keptCompressions.begin(), keptCompressions.end(), kept);
            if (place != keptCompressions.end()) {
                keptCompressions.splice(keptCompressions.begin(), keptCompressions, place);
            }
            return kept->output;
        }
    }
    if (!taken.gathering && !taken.matching.empty()) {
        taken.input.assign(taken.matching.front()->input, 0, taken.written);
    }
    taken.matching.clear();
    if (streams.compressor == nullptr) {
        streams.compressor = libdeflate_alloc_compressor(kLevel);
    }
    libdeflate_compressor* compressor = streams.compressor;
    if (compressor == nullptr) {
        return nullptr;
    }
    const std::string& input = taken.input;
    std::string output(libdeflate_zlib_compress_bound(compressor, input.size()), '\0');
    output.resize(libdeflate_zlib_compress(compressor, input.data(), input.size(), output.data(),
                                           output.size()));
    if (output.empty()) {
        return nullptr;
    }
    output.shrink_to_fit();
    auto compressed = std::make_shared<const std::string>(std::move(output));
    if (input.size() >= kKeptStreamBytes) {
        taken.input.shrink_to_fit();
        keptCompressions.push_front(std::make_shared<const KeptCompression>(
            KeptCompression{std::move(taken.input), compressed}));
        if (keptCompressions.size() > kKeptStreams) {
            keptCompressions.pop_back();
        }
    }
    std::string().swap(taken.input);
    return compressed;
}

// deflate for a stream taken over, as Cairo drives it: written with Z_NO_FLUSH, then finished
// with Z_FINISH until Z_STREAM_END. Other flushes are refused.
int DeflateTaken(Streams& streams, TakenStream& taken, z_stream& stream, int flush) {
    if (flush != Z_NO_FLUSH && flush != Z_FINISH) {
        return Z_STREAM_ERROR;
    }
    if (!taken.output) {
        if (stream.avail_in == 0 && flush == Z_NO_FLUSH) {
            return Z_BUF_ERROR;
        }
        Take(taken,
             std::string_view(reinterpret_cast<const char*>(stream.next_in), stream.avail_in));
        stream.next_in += stream.avail_in;
        stream.total_in += stream.avail_in;
        stream.avail_in = 0;
        if (flush == Z_NO_FLUSH) {
            return Z_OK;
        }
        taken.output = Compress(streams, taken);
        if (!taken.output) {
            return Z_MEM_ERROR;
        }
    } else if (stream.avail_in != 0 || flush != Z_FINISH) {
        return Z_STREAM_ERROR; // nothing may follow the finish
    }
    const std::string& output = *taken.output;
    const std::size_t count =
        std::min<std::size_t>(stream.avail_out, output.size() - taken.handedOut);
    if (count == 0 && taken.handedOut < output.size()) {
        return Z_BUF_ERROR;
    }
    std::memcpy(stream.next_out, output.data() + taken.handedOut, count);
    taken.handedOut += count;
    stream.next_out += count;
    stream.avail_out -= static_cast<uInt>(count);
    stream.total_out += count;
    if (taken.handedOut < output.size()) {
        return Z_OK;
    }
    // The zlib format ends in the Adler-32 of the bytes compressed, big-endian.
    uLong adler = 0;
    for (std::size_t byte = output.size() - 4; byte < output.size(); ++byte) {
        adler = (adler << 8) | static_cast<unsigned char>(output[byte]);
    }
    stream.adler = adler;
    return Z_STREAM_END;
}

template <class Function>
Function ZlibFunction(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

namespace printdoc {

FastDeflate::FastDeflate() {
    ++fastScopes;
}

FastDeflate::~FastDeflate() {
    --fastScopes;
}

} // namespace printdoc

// zlib's names, defined and exported by the executable, take the calls of the libraries it loads:
// Cairo's among them. deflateInit_ starts a stream as zlib's own does, or, at the default level
// within a FastDeflate scope, takes it over; deflate and deflateEnd serve the streams taken over
// and pass every other stream on to zlib.
extern "C" __attribute__((visibility("default"))) int
deflateInit_(z_streamp stream, int level, const char* version, int streamSize) {
    if (level != Z_DEFAULT_COMPRESSION || fastScopes == 0 || stream == nullptr) {
        return deflateInit2_(stream, level, Z_DEFLATED, MAX_WBITS, kDefaultMemoryLevel,
                             Z_DEFAULT_STRATEGY, version, streamSize);
    }
    if (version == nullptr || version[0] != ZLIB_VERSION[0] ||
        streamSize != static_cast<int>(sizeof(z_stream))) {
        return Z_VERSION_ERROR;
    }
    // zlib's own functions, given the stream, find no state of theirs and refuse it.
    stream->state = nullptr;
    stream->msg = nullptr;
    stream->total_in = 0;
    stream->total_out = 0;
    stream->adler = 1;
    stream->data_type = Z_UNKNOWN;
    Streams& streams = TheStreams();
    const std::lock_guard<std::mutex> lock(streams.mutex);
    TakenStream& taken = streams.taken[stream];
    taken = TakenStream();
    taken.matching.assign(streams.kept.begin(), streams.kept.end());
    taken.gathering = taken.matching.empty();
    return Z_OK;
}

extern "C" __attribute__((visibility("default"))) int deflate(z_streamp stream, int flush) {
    static const auto kZlibDeflate = ZlibFunction<int (*)(z_streamp, int)>("deflate");
    Streams& streams = TheStreams();
    {
        const std::lock_guard<std::mutex> lock(streams.mutex);
        if (const auto taken = streams.taken.find(stream); taken != streams.taken.end()) {
            return DeflateTaken(streams, taken->second, *stream, flush);
        }
    }
    return kZlibDeflate(stream, flush);
}

extern "C" __attribute__((visibility("default"))) int deflateEnd(z_streamp stream) {
    static const auto kZlibDeflateEnd = ZlibFunction<int (*)(z_streamp)>("deflateEnd");
    Streams& streams = TheStreams();
    {
        const std::lock_guard<std::mutex> lock(streams.mutex);
        if (const auto taken = streams.taken.find(stream); taken != streams.taken.end()) {
            // As zlib says of a stream freed before all its output was taken.
            const bool whole =
                taken->second.output && taken->second.handedOut == taken->second.output->size();
            streams.taken.erase(taken);
            return whole ? Z_OK : Z_DATA_ERROR;
        }
    }
    return kZlibDeflateEnd(stream);
}
