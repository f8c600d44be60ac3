// Reading untrusted bytes in order. Every read is checked against the bytes the reader holds; a
// read that would pass the end fails, answers zero (or no bytes), and leaves the reader failed:
// every later read fails too, so a parser may read a whole header and check Failed() once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace bytes {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}
    explicit ByteReader(std::string_view data)
        : data_(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()) {}

    bool Failed() const { return failed_; }
    std::size_t Offset() const { return offset_; }
    // What is left after the offset; none once failed.
    std::size_t Remaining() const { return failed_ ? 0 : data_.size() - offset_; }
    bool Has(std::size_t count) const { return count <= Remaining(); }

    std::uint8_t U8();
    std::uint16_t U16LE();
    std::uint32_t U32LE();
    std::uint16_t U16BE();
    std::uint32_t U32BE();
    // The next `count` bytes, in place; empty on failure.
    std::span<const std::uint8_t> Bytes(std::size_t count);
    void Skip(std::size_t count);
    // Moves to an offset from the start; past the end fails.
    void Seek(std::size_t offset);

private:
    // The next `count` bytes, or null (and failed) when they are not all there.
    const std::uint8_t* Take(std::size_t count);

    std::span<const std::uint8_t> data_;
    std::size_t offset_ = 0;
    bool failed_ = false;
};

} // namespace bytes
