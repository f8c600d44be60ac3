#include "family/print/src/preview/bitmap_file.h"

#include "platform/win32/bmp_file.h"

namespace pressel {

HBITMAP LoadBitmapFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return nullptr;
    }
    return win32::ReadBmpFile(path).bitmap;
}

} // namespace pressel
