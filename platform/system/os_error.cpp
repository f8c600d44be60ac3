#include "platform/system/os_error.h"

#include <cstring>

namespace sys {

void ThrowOsError(int errnoValue, const std::filesystem::path& path,
                  runtime::ErrorNumber fallback) {
    throw runtime::RuntimeError(runtime::ErrorFromErrno(errnoValue, fallback),
                                path.string() + " (" + std::strerror(errnoValue) + ")");
}

} // namespace sys
