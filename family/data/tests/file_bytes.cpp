#include "family/data/tests/file_bytes.h"

#include "platform/bytes/byte_order.h"

#include <vector>

namespace dorrick_test {

namespace {

std::string Text(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

std::string HeaderBytes(std::uint32_t firstEntry, std::uint32_t garbage) {
    std::vector<std::uint8_t> out{'H', 'u', 'x', 'D', 0, 0, 0, 0};
    bytes::PutU32LE(out, firstEntry);
    bytes::PutU32LE(out, garbage);
    return Text(out);
}

std::string RecordBytes(const RecordFields& fields) {
    std::vector<std::uint8_t> out{'H', 'u', 'x', 'E'};
    out.insert(out.end(), fields.name.begin(), fields.name.end());
    out.push_back(0);
    bytes::PutU16LE(out, fields.flags);
    for (const std::uint32_t link :
         {fields.parent, fields.firstChild, fields.next, fields.previous, fields.dataOffset}) {
        bytes::PutU32LE(out, link);
    }
    bytes::PutU16LE(out, fields.dataLength);
    return Text(out);
}

std::uint32_t U32At(const std::string& bytes, std::size_t offset) {
    return bytes::LoadU32LE(reinterpret_cast<const std::uint8_t*>(bytes.data() + offset));
}

} // namespace dorrick_test
