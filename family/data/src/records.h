// The database file's two kinds of record. All integers are little-endian; an offset is an
// absolute position in the file, 0 meaning none (the header lies at 0, so no record does).
//
// DatabaseHeader, 16 bytes at offset 0:
//   0  4 bytes  "HuxD"
//   4  u16      0 (any other value: not a database)
//   6  u16      0 (any other value: not a database)
//   8  int32    offset of the first top-level entry; 0 = empty
//  12  int32    garbage byte count
//
// EntryRecord, 29 bytes plus the name, wherever the file ended when the entry was added:
//   4 bytes "HuxE"; the name (1-256 bytes, no "." or NUL) and its NUL; u16 flags (bit 0 deleted,
//   bit 1 locked); int32 parent, first child, next sibling, previous sibling, data offset;
//   u16 data length. The data area holds the entry's bytes without a header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dorrick {

constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kRecordSizeWithoutName = 29;
constexpr std::size_t kLongestName = 256;
// A record's bytes before and after its name, and the most a record can take.
constexpr std::size_t kRecordMagicSize = 4;
constexpr std::size_t kRecordFieldsSize = 24;
constexpr std::size_t kLongestRecord = kRecordSizeWithoutName + kLongestName;
constexpr std::uint32_t kLongestData = 65535;

constexpr std::uint16_t kFlagDeleted = 1;
constexpr std::uint16_t kFlagLocked = 2;

constexpr std::string_view kHeaderMagic = "HuxD";
constexpr std::string_view kRecordMagic = "HuxE";

struct DatabaseHeader {
    std::int32_t firstEntry = 0;
    std::int32_t garbage = 0;
};

struct EntryRecord {
    std::string name;
    std::uint16_t flags = 0;
    std::int32_t parent = 0;
    std::int32_t firstChild = 0;
    std::int32_t next = 0;
    std::int32_t previous = 0;
    std::int32_t dataOffset = 0;
    std::uint16_t dataLength = 0;

    bool Locked() const { return (flags & kFlagLocked) != 0; }
};

// What an entry counts for in the garbage when it is deleted or its data moves.
std::int64_t StoredSize(const EntryRecord& record);

// The record's size in the file, without its data.
std::size_t RecordSize(std::string_view name);

// Whether `name` may be an entry's name: 1-256 bytes, none of them "." or NUL.
bool IsValidName(std::string_view name);

std::vector<std::uint8_t> EncodeHeader(const DatabaseHeader& header);
// Nothing when the bytes are short, the magic differs or a reserved field is not 0.
std::optional<DatabaseHeader> DecodeHeader(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> EncodeRecord(const EntryRecord& record);
// The record at the start of `bytes`; nothing when it is short, its magic differs, or its name
// is not a valid name.
std::optional<EntryRecord> DecodeRecord(std::span<const std::uint8_t> bytes);

} // namespace dorrick
