#include "platform/system/src/open_regular_file.h"

#include "platform/system/src/os_error.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace sys {

FileDescriptor OpenRegularFile(const std::filesystem::path& path, FileAccess access) {
    // O_NONBLOCK keeps the open of a FIFO from waiting for its other end; O_NOCTTY keeps a
    // terminal from becoming ours. Neither matters once the file is known to be regular.
    const int accessFlags = access == FileAccess::Read ? O_RDONLY : O_RDWR | O_CREAT;
    FileDescriptor file(open(path.c_str(), accessFlags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666));
    if (!file.IsOpen()) {
        if (access == FileAccess::ReadWrite) {
            ThrowCreationError(errno, path);
        }
        ThrowOsError(errno, path);
    }
    struct stat status {};
    if (fstat(file.Get(), &status) != 0) {
        ThrowOsError(errno, path);
    }
    if (S_ISDIR(status.st_mode)) {
        ThrowOsError(EISDIR, path);
    }
    if (!S_ISREG(status.st_mode)) {
        throw runtime::RuntimeError(runtime::ErrorNumber::PathFileAccessError,
                                    path.string() + " (not a regular file)");
    }
    const int statusFlags = fcntl(file.Get(), F_GETFL);
    if (statusFlags < 0 || fcntl(file.Get(), F_SETFL, statusFlags & ~O_NONBLOCK) != 0) {
        ThrowOsError(errno, path);
    }
    return file;
}

} // namespace sys
