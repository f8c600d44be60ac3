#include "family/print/src/printfile/print_file_crc.h"

#include "platform/crc/crc16.h"

#include <array>
#include <fstream>

namespace pressel {

std::uint16_t PrintFileCrc(const std::filesystem::path& path) {
    constexpr std::size_t kBlockSize = 4096;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return 0;
    }
    crc::Crc16 crc;
    crc.Start();
    std::array<char, kBlockSize> block{};
    while (file.read(block.data(), block.size()) || file.gcount() > 0) {
        crc.Add(block.data(), static_cast<std::size_t>(file.gcount()));
    }
    crc.Finish();
    return crc.Value();
}

} // namespace pressel
