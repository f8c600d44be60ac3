// Implode: the compressor of the PKWARE Data Compression Library format. The stream is the
// literal coding byte, the dictionary bits (4, 5 or 6 for 1024, 2048 or 4096 bytes), then codes:
// a 0 bit and a literal (the byte, or its ASCII code), or a 1 bit and a copy (length code and
// extra bits, distance code and low bits), ending with the copy length 519.
//
// The parsing is fixed, so the same input always gives the same bytes: at each position the
// longest earlier match within the dictionary (nearest first among equals, at most 516 bytes) is
// taken unless the next position has a clearly better one.
#pragma once

#include "family/util/src/codec_stream.h"

namespace umbrant {

enum class ImplodeResult {
    Done = 0,
    BadDictionarySize = 1, // not 1024, 2048 or 4096
    BadCoding = 2,         // not binary or ASCII
};

// Reads blocks of 4096 bytes (requested until full or the source gives 0) and writes chunks of
// 2048 bytes, the rest at the end.
ImplodeResult Implode(const ReadBytes& read, const WriteBytes& write, int coding,
                      unsigned dictionarySize);

} // namespace umbrant
