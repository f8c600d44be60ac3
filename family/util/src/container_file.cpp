#include "family/util/src/container_file.h"

#include "platform/bytes/byte_order.h"
#include "platform/bytes/byte_reader.h"

#include <algorithm>
#include <span>

namespace umbrant {

namespace {
constexpr std::uint8_t kMagic[] = {'K', 'e', 'm', 'C'};
} // namespace

std::optional<std::uint32_t>
ReadContainerHeader(const std::array<std::uint8_t, kContainerHeaderSize>& header) {
    bytes::ByteReader reader{std::span<const std::uint8_t>(header)};
    const auto magic = reader.Bytes(sizeof kMagic);
    const std::uint32_t reserved = reader.U32LE();
    const std::uint32_t crc = reader.U32LE();
    if (reader.Failed() || !std::equal(magic.begin(), magic.end(), kMagic) || reserved != 0) {
        return std::nullopt;
    }
    return crc;
}

std::array<std::uint8_t, kContainerHeaderSize> ContainerHeader(std::uint32_t crc) {
    std::array<std::uint8_t, kContainerHeaderSize> header{};
    std::copy(std::begin(kMagic), std::end(kMagic), header.begin());
    bytes::StoreU32LE(header.data() + 8, crc);
    return header;
}

} // namespace umbrant
