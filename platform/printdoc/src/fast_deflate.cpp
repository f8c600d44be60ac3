#include "platform/printdoc/src/fast_deflate.h"

#include <zlib.h>

namespace {

// zlib's own memory level for a stream started with deflateInit.
constexpr int kDefaultMemoryLevel = 8;

thread_local int fastScopes = 0;

} // namespace

namespace printdoc {

FastDeflate::FastDeflate() {
    ++fastScopes;
}

FastDeflate::~FastDeflate() {
    --fastScopes;
}

} // namespace printdoc

// zlib's name, defined and exported by the executable, takes the calls of the libraries it
// loads: Cairo's among them. It starts the stream as zlib's own deflateInit_ does, at the
// fastest level within a FastDeflate scope.
extern "C" __attribute__((visibility("default"))) int
deflateInit_(z_streamp stream, int level, const char* version, int streamSize) {
    if (level == Z_DEFAULT_COMPRESSION && fastScopes > 0) {
        level = Z_BEST_SPEED;
    }
    return deflateInit2_(stream, level, Z_DEFLATED, MAX_WBITS, kDefaultMemoryLevel,
                         Z_DEFAULT_STRATEGY, version, streamSize);
}
