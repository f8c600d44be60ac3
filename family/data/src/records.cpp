#include "family/data/src/records.h"

#include "platform/bytes/byte_order.h"
#include "platform/bytes/byte_reader.h"

#include <algorithm>

namespace dorrick {

namespace {

void PutOffset(std::vector<std::uint8_t>& out, std::int32_t offset) {
    bytes::PutU32LE(out, static_cast<std::uint32_t>(offset));
}

std::int32_t TakeOffset(bytes::ByteReader& reader) {
    return static_cast<std::int32_t>(reader.U32LE());
}

bool HasMagic(std::span<const std::uint8_t> bytes, std::string_view magic) {
    return std::equal(magic.begin(), magic.end(), bytes.begin(), bytes.end(),
                      [](char m, std::uint8_t b) { return static_cast<std::uint8_t>(m) == b; });
}

} // namespace

std::int64_t StoredSize(const EntryRecord& record) {
    return static_cast<std::int64_t>(kRecordSizeWithoutName + record.name.size()) +
           record.dataLength;
}

std::size_t RecordSize(std::string_view name) {
    return kRecordSizeWithoutName + name.size();
}

bool IsValidName(std::string_view name) {
    return !name.empty() && name.size() <= kLongestName &&
           name.find_first_of(std::string_view(".\0", 2)) == std::string_view::npos;
}

std::vector<std::uint8_t> EncodeHeader(const DatabaseHeader& header) {
    std::vector<std::uint8_t> out(kHeaderMagic.begin(), kHeaderMagic.end());
    bytes::PutU16LE(out, 0);
    bytes::PutU16LE(out, 0);
    PutOffset(out, header.firstEntry);
    PutOffset(out, header.garbage);
    return out;
}

std::optional<DatabaseHeader> DecodeHeader(std::span<const std::uint8_t> data) {
    bytes::ByteReader reader(data);
    const auto magic = reader.Bytes(kHeaderMagic.size());
    const std::uint16_t reserved1 = reader.U16LE();
    const std::uint16_t reserved2 = reader.U16LE();
    DatabaseHeader header;
    header.firstEntry = TakeOffset(reader);
    header.garbage = TakeOffset(reader);
    if (reader.Failed() || !HasMagic(magic, kHeaderMagic) || reserved1 != 0 || reserved2 != 0) {
        return std::nullopt;
    }
    return header;
}

std::vector<std::uint8_t> EncodeRecord(const EntryRecord& record) {
    std::vector<std::uint8_t> out(kRecordMagic.size() + record.name.size() + 1);
    std::copy(kRecordMagic.begin(), kRecordMagic.end(), out.begin());
    std::copy(record.name.begin(), record.name.end(), out.begin() + kRecordMagic.size());
    bytes::PutU16LE(out, record.flags);
    PutOffset(out, record.parent);
    PutOffset(out, record.firstChild);
    PutOffset(out, record.next);
    PutOffset(out, record.previous);
    PutOffset(out, record.dataOffset);
    bytes::PutU16LE(out, record.dataLength);
    return out;
}

std::optional<EntryRecord> DecodeRecord(std::span<const std::uint8_t> data) {
    bytes::ByteReader reader(data);
    if (!HasMagic(reader.Bytes(kRecordMagic.size()), kRecordMagic)) {
        return std::nullopt;
    }
    // The name runs to its NUL, which must come within the longest name and its terminator.
    const auto rest = data.subspan(reader.Offset());
    const auto limit =
        rest.begin() + static_cast<std::ptrdiff_t>(std::min(rest.size(), kLongestName + 1));
    const auto end = std::find(rest.begin(), limit, std::uint8_t{0});
    if (end == limit) {
        return std::nullopt;
    }
    EntryRecord record;
    record.name.assign(rest.begin(), end);
    reader.Skip(record.name.size() + 1);
    record.flags = reader.U16LE();
    record.parent = TakeOffset(reader);
    record.firstChild = TakeOffset(reader);
    record.next = TakeOffset(reader);
    record.previous = TakeOffset(reader);
    record.dataOffset = TakeOffset(reader);
    record.dataLength = reader.U16LE();
    if (reader.Failed() || !IsValidName(record.name)) {
        return std::nullopt;
    }
    return record;
}

} // namespace dorrick
