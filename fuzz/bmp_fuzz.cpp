// The BMP reader on arbitrary bytes: it must refuse or read, never crash or read past the input.
#include "platform/win32/bmp_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    win32::BmpReadResult read = win32::ReadBmp(std::span<const std::uint8_t>(data, size));
    if (read.bitmap != nullptr) {
        DeleteObject(read.bitmap);
    }
    return 0;
}
