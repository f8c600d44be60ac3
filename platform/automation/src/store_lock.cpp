#include "platform/automation/src/store_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace automation {

StoreLock::StoreLock(const std::filesystem::path& store) {
    std::error_code ignored;
    if (store.has_parent_path()) {
        std::filesystem::create_directories(store.parent_path(), ignored);
    }
    const std::filesystem::path lockFile = store.string() + ".lock";
    const int descriptor = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return;
    }
    int locked = flock(descriptor, LOCK_EX);
    while (locked != 0 && errno == EINTR) {
        locked = flock(descriptor, LOCK_EX);
    }
    if (locked != 0) {
        close(descriptor);
        return;
    }
    descriptor_ = descriptor;
}

StoreLock::~StoreLock() {
    // Closing the last descriptor of the lock file releases the lock.
    if (descriptor_ >= 0) {
        close(descriptor_);
    }
}

} // namespace automation
