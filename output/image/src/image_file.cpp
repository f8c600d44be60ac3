#include "output/image/src/image_file.h"

#include "output/image/caller_path.h"

#include "platform/system/atomic_file.h"

#include <exception>

namespace output {

bool WriteImageFile(std::string_view name, std::string_view extension,
                    std::span<const std::uint8_t> contents) {
    if (name.empty()) {
        return false;
    }
    try {
        sys::WriteScratchFile(
            CallerFilePath(name, extension),
            std::string_view(reinterpret_cast<const char*>(contents.data()), contents.size()));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

} // namespace output
