// Little- and big-endian integers in byte buffers: Load reads one at a pointer, Store writes one
// at a pointer, Put appends one to a byte vector. The caller has checked that the bytes are
// there; a reader of untrusted input goes through ByteReader (byte_reader.h) instead.
#pragma once

#include <cstdint>
#include <vector>

namespace bytes {

inline std::uint16_t LoadU16LE(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t LoadU32LE(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

inline std::uint16_t LoadU16BE(const std::uint8_t* p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

inline std::uint32_t LoadU32BE(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

inline void StoreU16LE(std::uint8_t* p, std::uint16_t value) {
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void StoreU32LE(std::uint8_t* p, std::uint32_t value) {
    StoreU16LE(p, static_cast<std::uint16_t>(value));
    StoreU16LE(p + 2, static_cast<std::uint16_t>(value >> 16));
}

inline void StoreU16BE(std::uint8_t* p, std::uint16_t value) {
    p[0] = static_cast<std::uint8_t>(value >> 8);
    p[1] = static_cast<std::uint8_t>(value);
}

inline void StoreU32BE(std::uint8_t* p, std::uint32_t value) {
    StoreU16BE(p, static_cast<std::uint16_t>(value >> 16));
    StoreU16BE(p + 2, static_cast<std::uint16_t>(value));
}

inline void PutU16LE(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.resize(out.size() + 2);
    StoreU16LE(out.data() + out.size() - 2, value);
}

inline void PutU32LE(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.resize(out.size() + 4);
    StoreU32LE(out.data() + out.size() - 4, value);
}

inline void PutU16BE(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.resize(out.size() + 2);
    StoreU16BE(out.data() + out.size() - 2, value);
}

inline void PutU32BE(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.resize(out.size() + 4);
    StoreU32BE(out.data() + out.size() - 4, value);
}

} // namespace bytes
