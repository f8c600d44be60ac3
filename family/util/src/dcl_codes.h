// The fixed codes of the implode format (PKWARE Data Compression Library): the literal code of
// ASCII coding, the length code and the distance code, with the lengths' base values and extra
// bits. Codes are prefix codes assigned in canonical order (shorter codes first, equal lengths by
// symbol) and sent most significant bit first with every bit inverted; the bit stream itself is
// packed from the least significant bit of each byte.
#pragma once

#include <array>
#include <cstdint>

namespace umbrant {

inline constexpr int kMaxCodeBits = 13;
inline constexpr int kLengthSymbols = 16;
inline constexpr int kDistanceSymbols = 64;
inline constexpr int kLiteralSymbols = 256;

inline constexpr std::array<std::uint16_t, kLengthSymbols> kLengthBase = {
    3, 2, 4, 5, 6, 7, 8, 9, 10, 12, 16, 24, 40, 72, 136, 264};
inline constexpr std::array<std::uint8_t, kLengthSymbols> kLengthExtraBits = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
// Length 519 (the last length symbol with all its extra bits set) ends the stream.
inline constexpr int kEndOfStreamLength = 519;

// One code: for each symbol its bit count and the bits as they go into the stream (first bit in
// bit 0); for decoding, the number of codes of each length and the symbols in canonical order.
template <int kSymbols>
struct PrefixCode {
    std::array<std::uint8_t, kSymbols> bitCount{};
    std::array<std::uint16_t, kSymbols> streamBits{};
    std::array<std::uint16_t, kMaxCodeBits + 1> countOfLength{};
    std::array<std::uint16_t, kSymbols> symbolsInOrder{};
};

const PrefixCode<kLiteralSymbols>& LiteralCode();
const PrefixCode<kLengthSymbols>& LengthCode();
const PrefixCode<kDistanceSymbols>& DistanceCode();

} // namespace umbrant
