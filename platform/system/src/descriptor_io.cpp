#include "platform/system/src/descriptor_io.h"

#include "platform/system/src/os_error.h"

#include <unistd.h>

#include <cerrno>

namespace sys {

namespace fs = std::filesystem;

std::size_t ReadFully(int descriptor, char* buffer, std::size_t size, std::optional<off_t> offset,
                      const fs::path& path) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t count = offset ? pread(descriptor, buffer + done, size - done,
                                             *offset + static_cast<off_t>(done))
                                     : read(descriptor, buffer + done, size - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            ThrowOsError(errno, path);
        }
        if (count == 0) {
            break;
        }
        done += static_cast<std::size_t>(count);
    }
    return done;
}

void WriteFully(int descriptor, std::string_view bytes, std::optional<off_t> offset,
                const fs::path& path) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = offset ? pwrite(descriptor, bytes.data() + done, bytes.size() - done,
                                              *offset + static_cast<off_t>(done))
                                     : write(descriptor, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            ThrowOsError(errno, path);
        }
        if (count == 0) {
            ThrowOsError(ENOSPC, path);
        }
        done += static_cast<std::size_t>(count);
    }
}

} // namespace sys
