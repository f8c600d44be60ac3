// CRC-16 of the Output module's templates and of the printing library's print files: the
// CRC-16/GENIBUS of the bytes (polynomial 0x1021, initial value 0xFFFF, not reflected, final
// complement) with its two bytes exchanged. It is computed with the byte-exchanged table of the
// usual most-significant-bit-first CRC in a right-shifting loop, which keeps the register
// byte-exchanged throughout; 0xFFFF is the same either way round.
//
// The nine ASCII digits "123456789" give 0x4ED6 (0xB129 before the final complement).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace crc {

class Crc16 {
public:
    // A new register holds 0.
    Crc16() = default;

    // Sets the register to 0xFFFF, ready for the first byte.
    void Start() { register_ = 0xFFFF; }

    // Adds `count` bytes to the register; null bytes or a count of 0 leave it as it is.
    void Add(const void* bytes, std::size_t count);

    // Complements the register.
    void Finish() { register_ = static_cast<std::uint16_t>(~register_); }

    std::uint16_t Value() const { return register_; }

private:
    std::uint16_t register_ = 0;
};

// Start, the bytes, finish.
std::uint16_t Crc16Of(std::string_view bytes);

} // namespace crc
