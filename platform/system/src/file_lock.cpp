#include "platform/system/src/file_lock.h"

#include "platform/system/src/os_error.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

namespace sys {

FileLock::FileLock(const std::filesystem::path& lockFile)
    : file_(open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666)) {
    if (!file_.IsOpen()) {
        ThrowCreationError(errno, lockFile);
    }
    while (flock(file_.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            ThrowOsError(errno, lockFile);
        }
    }
}

} // namespace sys
