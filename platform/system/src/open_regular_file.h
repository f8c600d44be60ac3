// Internal to platform/system: the one way every reader of files opens one. Only a regular file
// is opened; a folder, FIFO, device or socket is refused at once with error 75, path/file access
// error, as the runtime refuses a folder. The open itself never waits: a FIFO without a writer
// would otherwise hold the reader for ever.
#pragma once

#include "platform/system/file_descriptor.h"

#include <filesystem>

namespace sys {

enum class FileAccess {
    Read,      // the file must exist
    ReadWrite, // the file is created when missing (its folder missing is 76)
};

FileDescriptor OpenRegularFile(const std::filesystem::path& path, FileAccess access);

} // namespace sys
