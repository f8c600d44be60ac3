#include "output/bitmap_file.h"

#include "platform/runtime/runtime_error.h"
#include "platform/system/files.h"
#include "platform/win32/bmp_file.h"

#include <span>

namespace output {

bool LoadBitmapFile(const std::string& name, HBITMAP& bitmap) {
    bitmap = nullptr;
    std::string contents;
    try {
        contents = sys::ReadWholeFile(name);
    } catch (const runtime::RuntimeError&) {
        return false;
    }
    if (contents.size() < 2 || contents[0] != 'B' || contents[1] != 'M') {
        return false;
    }
    bitmap = win32::ReadBmp(
                 std::span(reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size()))
                 .bitmap;
    return bitmap != nullptr;
}

} // namespace output
