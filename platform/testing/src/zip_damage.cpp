#include "platform/testing/zip_damage.h"

#include "platform/testing/file_contents.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace testkit {

namespace {

// The layout of a zip archive as far as it is read here: the 22-byte end record last (the
// central directory's entry count at 10, its offset at 16); each central entry of 46 bytes
// and its name (data size at 20, name, extra and comment lengths at 28, 30 and 32, the local
// header's offset at 42); each local header of 30 bytes (name and extra lengths at 26 and 28),
// its name and extra field, then the member's stored data.
constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kCentralEntrySize = 46;
constexpr std::size_t kLocalHeaderSize = 30;

std::uint32_t Little(const std::string& bytes, std::size_t offset, int width) {
    std::uint32_t value = 0;
    for (int byte = width - 1; byte >= 0; --byte) {
        value = value << 8 |
                static_cast<unsigned char>(bytes.at(offset + static_cast<std::size_t>(byte)));
    }
    return value;
}

} // namespace

void DamageZipMember(const std::filesystem::path& archive, std::string_view member) {
    std::string bytes = ReadFileBytes(archive);
    if (bytes.size() < kEndRecordSize ||
        bytes.compare(bytes.size() - kEndRecordSize, 4, "PK\x05\x06") != 0) {
        ADD_FAILURE() << archive << " has no end record where this looks for it";
        return;
    }
    const std::size_t end = bytes.size() - kEndRecordSize;
    std::size_t entry = Little(bytes, end + 16, 4);
    const std::uint32_t entries = Little(bytes, end + 10, 2);
    for (std::uint32_t index = 0; index < entries; ++index) {
        const std::uint32_t dataSize = Little(bytes, entry + 20, 4);
        const std::uint32_t nameLength = Little(bytes, entry + 28, 2);
        const std::size_t next = entry + kCentralEntrySize + nameLength +
                                 Little(bytes, entry + 30, 2) + Little(bytes, entry + 32, 2);
        if (bytes.compare(entry + kCentralEntrySize, nameLength, member) == 0 && dataSize > 0) {
            const std::size_t local = Little(bytes, entry + 42, 4);
            const std::size_t data = local + kLocalHeaderSize + Little(bytes, local + 26, 2) +
                                     Little(bytes, local + 28, 2);
            char& byte = bytes.at(data + dataSize / 2);
            byte = static_cast<char>(~byte);
            std::ofstream(archive, std::ios::binary | std::ios::trunc) << bytes;
            return;
        }
        entry = next;
    }
    ADD_FAILURE() << archive << " holds no member " << member;
}

} // namespace testkit
