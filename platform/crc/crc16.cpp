#include "platform/crc/crc16.h"

#include <array>

namespace crc {

namespace {

// Entry i: i in the high byte shifted left through eight steps, xoring the polynomial 0x1021
// whenever the top bit falls out, then its two bytes exchanged. Begins 0x0000, 0x2110, 0x4220.
constexpr std::array<std::uint16_t, 256> MakeTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned value = i << 8;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 0x8000) != 0 ? (value << 1) ^ 0x1021 : value << 1;
        }
        value &= 0xFFFF;
        table[i] = static_cast<std::uint16_t>((value >> 8) | ((value & 0xFF) << 8));
    }
    return table;
}

constexpr std::array<std::uint16_t, 256> kTable = MakeTable();
static_assert(kTable[1] == 0x2110 && kTable[2] == 0x4220 && kTable[3] == 0x6330);

} // namespace

void Crc16::Add(const void* bytes, std::size_t count) {
    if (bytes == nullptr) {
        return;
    }
    const auto* byte = static_cast<const unsigned char*>(bytes);
    std::uint16_t value = register_;
    for (std::size_t i = 0; i < count; ++i) {
        value = static_cast<std::uint16_t>(kTable[(value ^ byte[i]) & 0xFF] ^ (value >> 8));
    }
    register_ = value;
}

std::uint16_t Crc16Of(std::string_view bytes) {
    Crc16 crc;
    crc.Start();
    crc.Add(bytes.data(), bytes.size());
    crc.Finish();
    return crc.Value();
}

} // namespace crc
