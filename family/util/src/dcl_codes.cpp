#include "family/util/src/dcl_codes.h"

#include <span>

namespace umbrant {

namespace {

// Code lengths in runs, as the format's description gives them: each byte is one run, the low
// four bits the code length and the high four bits the number of symbols in the run minus one.
constexpr std::uint8_t kLiteralRuns[] = {
    11, 124, 8,   7,   28,  7,   188, 13, 76, 4,  10, 8,  12, 10, 12, 10, 8,  23, 8,  9,
    7,  6,   7,   8,   7,   6,   55,  8,  23, 24, 12, 11, 7,  9,  11, 12, 6,  7,  22, 5,
    7,  24,  6,   11,  9,   6,   7,   22, 7,  11, 38, 7,  9,  8,  25, 11, 8,  11, 9,  12,
    8,  12,  5,   38,  5,   38,  5,   11, 7,  5,  6,  21, 6,  10, 53, 8,  7,  24, 10, 27,
    44, 253, 253, 253, 252, 252, 252, 13, 12, 45, 12, 45, 12, 61, 12, 45, 44, 173};
constexpr std::uint8_t kLengthRuns[] = {2, 35, 36, 53, 38, 23};
constexpr std::uint8_t kDistanceRuns[] = {2, 20, 53, 230, 247, 151, 248};

template <int kSymbols>
PrefixCode<kSymbols> BuildCode(std::span<const std::uint8_t> runs) {
    PrefixCode<kSymbols> code;
    int symbol = 0;
    for (const std::uint8_t run : runs) {
        for (int repeat = 0; repeat <= run >> 4; ++repeat) {
            code.bitCount[symbol++] = run & 0x0F;
        }
    }
    for (const std::uint8_t bits : code.bitCount) {
        ++code.countOfLength[bits];
    }
    // Canonical assignment: each length's first code follows the last code of the shorter ones.
    int next = 0;
    int position = 0;
    for (int bits = 1; bits <= kMaxCodeBits; ++bits) {
        for (int s = 0; s < kSymbols; ++s) {
            if (code.bitCount[s] != bits) {
                continue;
            }
            code.symbolsInOrder[position++] = static_cast<std::uint16_t>(s);
            // Most significant bit first, each inverted.
            unsigned stream = 0;
            for (int i = 0; i < bits; ++i) {
                const unsigned bit = (static_cast<unsigned>(next) >> (bits - 1 - i)) & 1U;
                stream |= (bit ^ 1U) << i;
            }
            code.streamBits[s] = static_cast<std::uint16_t>(stream);
            ++next;
        }
        next <<= 1;
    }
    return code;
}

} // namespace

const PrefixCode<kLiteralSymbols>& LiteralCode() {
    static const auto kCode = BuildCode<kLiteralSymbols>(kLiteralRuns);
    return kCode;
}

const PrefixCode<kLengthSymbols>& LengthCode() {
    static const auto kCode = BuildCode<kLengthSymbols>(kLengthRuns);
    return kCode;
}

const PrefixCode<kDistanceSymbols>& DistanceCode() {
    static const auto kCode = BuildCode<kDistanceSymbols>(kDistanceRuns);
    return kCode;
}

} // namespace umbrant
