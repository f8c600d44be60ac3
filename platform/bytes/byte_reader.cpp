#include "platform/bytes/byte_reader.h"

#include "platform/bytes/byte_order.h"

namespace bytes {

const std::uint8_t* ByteReader::Take(std::size_t count) {
    if (!Has(count)) {
        failed_ = true;
        return nullptr;
    }
    const std::uint8_t* start = data_.data() + offset_;
    offset_ += count;
    return start;
}

std::uint8_t ByteReader::U8() {
    const std::uint8_t* p = Take(1);
    return p ? *p : 0;
}

std::uint16_t ByteReader::U16LE() {
    const std::uint8_t* p = Take(2);
    return p ? LoadU16LE(p) : 0;
}

std::uint32_t ByteReader::U32LE() {
    const std::uint8_t* p = Take(4);
    return p ? LoadU32LE(p) : 0;
}

std::uint16_t ByteReader::U16BE() {
    const std::uint8_t* p = Take(2);
    return p ? LoadU16BE(p) : 0;
}

std::uint32_t ByteReader::U32BE() {
    const std::uint8_t* p = Take(4);
    return p ? LoadU32BE(p) : 0;
}

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count) {
    const std::uint8_t* p = Take(count);
    return p ? std::span<const std::uint8_t>(p, count) : std::span<const std::uint8_t>();
}

void ByteReader::Skip(std::size_t count) {
    Take(count);
}

void ByteReader::Seek(std::size_t offset) {
    if (failed_ || offset > data_.size()) {
        failed_ = true;
        return;
    }
    offset_ = offset;
}

} // namespace bytes
