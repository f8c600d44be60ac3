#include "platform/system/src/os_error.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace sys {

namespace {

std::string Detail(int errnoValue, const std::filesystem::path& path) {
    return path.string() + " (" + std::strerror(errnoValue) + ")";
}

} // namespace

void ThrowOsError(int errnoValue, const std::filesystem::path& path,
                  runtime::ErrorNumber fallback) {
    throw runtime::RuntimeError(runtime::ErrorFromErrno(errnoValue, fallback),
                                Detail(errnoValue, path));
}

void ThrowCreationError(int errnoValue, const std::filesystem::path& path) {
    if (errnoValue == ENOENT) {
        throw runtime::RuntimeError(runtime::ErrorNumber::PathNotFound, Detail(errnoValue, path));
    }
    ThrowOsError(errnoValue, path);
}

} // namespace sys
