#include "family/graph/src/graph_file.h"

#include "platform/system/atomic_file.h"
#include "platform/win32/bmp_file.h"

#include <exception>
#include <string_view>

namespace plotwen {

namespace {

constexpr std::size_t kGapBeforeBits = 4;

} // namespace

void SaveGraphFile(HBITMAP bitmap) {
    const std::vector<std::uint8_t> file = win32::EncodeBmp(bitmap, kGapBeforeBits);
    if (file.empty()) {
        return;
    }
    try {
        sys::ReplaceFileAtomically(
            kGraphFileName,
            std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
    } catch (const std::exception&) {
        // Not reported: the bitmap handed back is the result, the file a copy of it.
    }
}

} // namespace plotwen
