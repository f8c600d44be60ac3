// Explode: decodes an implode stream (see implode.h) from `read` into `write`.
#pragma once

#include "family/util/src/codec_stream.h"

namespace umbrant {

enum class ExplodeResult {
    Done = 0,
    BadDictionaryBits = 1,   // the second byte is not 4, 5 or 6
    BadLiteralCoding = 2,    // the first byte is not 0 or 1
    ShortStream = 3,         // fewer than 4 bytes: no room for the end code
    InputEnded = 4,          // the input ends before the end code
    DistanceBeforeStart = 5, // a copy reaches back before the first byte written
};

// Reads in requests of 2048 bytes and writes in chunks of 4096 bytes, the rest at the end. After
// a failure `write` has had everything decoded before the fault.
ExplodeResult Explode(const ReadBytes& read, const WriteBytes& write);

} // namespace umbrant
