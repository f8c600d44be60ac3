// An advisory lock that serialises the changes to one store among processes and threads: an
// exclusive lock on a lock file beside the store, held from construction to destruction. The
// lock file itself stays; it holds nothing.
#pragma once

#include <filesystem>

namespace automation {

class StoreLock {
public:
    // Waits for the lock on `store`'s lock file (its name followed by ".lock"), creating the file
    // and its folder when needed.
    explicit StoreLock(const std::filesystem::path& store);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // False when the lock file could not be opened or locked.
    bool Held() const { return descriptor_ >= 0; }

private:
    int descriptor_ = -1;
};

} // namespace automation
