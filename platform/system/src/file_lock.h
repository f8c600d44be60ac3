// Internal to platform/system: an exclusive advisory lock (flock) on a lock file, held for as
// long as the object lives. Writers that read a file, change it and replace it take the lock
// around all three, so that two processes (or two threads) never replace each other's changes
// with an older text. Readers need no lock: replacement is atomic.
#pragma once

#include "platform/system/file_descriptor.h"

#include <filesystem>

namespace sys {

class FileLock {
public:
    // Creates the lock file when it is missing and waits until the lock is ours.
    explicit FileLock(const std::filesystem::path& lockFile);

private:
    FileDescriptor file_; // closing it releases the lock
};

} // namespace sys
