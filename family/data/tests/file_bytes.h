// Hand-made database bytes for the tests, one field at a time, so that a fixture shows what it
// holds.
#pragma once

#include <cstdint>
#include <string>

namespace dorrick_test {

std::string HeaderBytes(std::uint32_t firstEntry, std::uint32_t garbage);

struct RecordFields {
    std::string name;
    std::uint16_t flags = 0;
    std::uint32_t parent = 0;
    std::uint32_t firstChild = 0;
    std::uint32_t next = 0;
    std::uint32_t previous = 0;
    std::uint32_t dataOffset = 0;
    std::uint16_t dataLength = 0;
};
std::string RecordBytes(const RecordFields& fields);

std::uint32_t U32At(const std::string& bytes, std::size_t offset);

} // namespace dorrick_test
