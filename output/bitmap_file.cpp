#include "output/bitmap_file.h"

#include "platform/win32/bmp_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace output {

bool LoadBitmapFile(const std::string& name, HBITMAP& bitmap) {
    bitmap = nullptr;
    std::error_code error;
    if (!std::filesystem::is_regular_file(name, error)) {
        return false;
    }
    std::ifstream file(name, std::ios::binary);
    if (!file) {
        return false;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    if (file.bad() || bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        return false;
    }
    bitmap = win32::ReadBmp(bytes).bitmap;
    return bitmap != nullptr;
}

} // namespace output
