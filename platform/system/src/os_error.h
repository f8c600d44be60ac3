// Internal to platform/system: turning a failed operating-system call into the runtime error
// the program traps.
#pragma once

#include "platform/runtime/runtime_error.h"

#include <filesystem>

namespace sys {

// Throws the runtime error that `errnoValue` stands for, naming `path` in its detail.
[[noreturn]] void ThrowOsError(int errnoValue, const std::filesystem::path& path,
                               runtime::ErrorNumber fallback = runtime::ErrorNumber::DeviceIOError);

// As ThrowOsError, for a call that creates `path`: there a missing entry (ENOENT) can only be
// the folder it goes into, error 76, path not found.
[[noreturn]] void ThrowCreationError(int errnoValue, const std::filesystem::path& path);

} // namespace sys
