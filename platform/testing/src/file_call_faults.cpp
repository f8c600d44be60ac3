// The C library's file calls, defined and exported here so that they take the calls of the
// program they are linked or preloaded into. Each passes its call to the kernel unless an armed
// fault (file_call_faults.h) strikes it.
#include "platform/testing/src/file_call_faults.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <string_view>

namespace testkit::calls {

int callsLeft = -1;
WriteFaultState writeFault;
ReadFaultState readFault;
FolderFaultState folderFault;

namespace {

void CountCall() {
    if (callsLeft < 0) {
        return;
    }
    if (callsLeft == 0) {
        kill(getpid(), SIGKILL);
    }
    --callsLeft;
}

// What a descriptor is open on (AT_FDCWD: the current folder): its path, or for what is not a
// file a text that does not begin with "/"; empty when it cannot be told.
std::string PathOf(int descriptor) {
    char link[PATH_MAX];
    const std::string name =
        descriptor == AT_FDCWD ? "/proc/self/cwd" : "/proc/self/fd/" + std::to_string(descriptor);
    const long length = syscall(SYS_readlinkat, AT_FDCWD, name.c_str(), link, sizeof link);
    return length > 0 ? std::string(link, static_cast<std::size_t>(length)) : std::string();
}

// `path` made absolute against `folder` and with its "." and ".." steps taken, as written.
std::string Absolute(int folder, const char* path) {
    const std::string whole = path[0] == '/' ? std::string(path) : PathOf(folder) + "/" + path;
    std::string normal;
    std::size_t at = 0;
    while (at < whole.size()) {
        const std::size_t end = std::min(whole.find('/', at), whole.size());
        const std::string_view step(whole.data() + at, end - at);
        if (step == "..") {
            normal.erase(std::min(normal.rfind('/'), normal.size()));
        } else if (!step.empty() && step != ".") {
            normal += "/";
            normal += step;
        }
        at = end + 1;
    }
    return normal;
}

bool Inside(const std::string& absolute) {
    const std::string& folder = folderFault.folder;
    return !folder.empty() && absolute.size() > folder.size() &&
           absolute.compare(0, folder.size(), folder) == 0 && absolute[folder.size()] == '/';
}

bool Exists(int folder, const char* path) {
    struct stat status {};
    return syscall(SYS_newfstatat, folder, path, &status, AT_SYMLINK_NOFOLLOW) == 0;
}

// A change to an entry of the read-only folder: refused with EACCES, as the kernel refuses it.
bool RefusesEntryChange(int folder, const char* path) {
    if (!folderFault.readOnly || path == nullptr || !Inside(Absolute(folder, path))) {
        return false;
    }
    ++folderFault.struck;
    errno = EACCES;
    return true;
}

// A write to a file in the full folder: refused with ENOSPC.
bool RefusesWriteTo(int descriptor) {
    if (folderFault.readOnly || folderFault.folder.empty()) {
        return false;
    }
    const std::string file = PathOf(descriptor);
    if (file.empty() || file.front() != '/' || !Inside(Absolute(AT_FDCWD, file.c_str()))) {
        return false;
    }
    ++folderFault.struck;
    errno = ENOSPC;
    return true;
}

template <typename ReadThrough>
ssize_t ReadUnderFault(ReadThrough readThrough) {
    if (readFault.armed) {
        readFault.armed = false;
        readFault.struck = true;
        errno = EIO;
        return -1;
    }
    return readThrough();
}

// Passes up to `size` bytes to `writeThrough` while the armed faults allow them, then strikes.
// Every write is a file-changing call of the kill switch.
template <typename WriteThrough>
ssize_t WriteUnderFaults(int descriptor, std::size_t size, WriteThrough writeThrough) {
    CountCall();
    if (RefusesWriteTo(descriptor)) {
        return -1;
    }
    if (!writeFault.armed) {
        return writeThrough(size);
    }
    if (writeFault.bytesLeft == 0) {
        writeFault.armed = false;
        writeFault.struck = true;
        if (writeFault.noProgress) {
            return 0;
        }
        errno = ENOSPC;
        return -1;
    }
    const ssize_t written = writeThrough(std::min(size, writeFault.bytesLeft));
    if (written > 0) {
        writeFault.bytesLeft -= static_cast<std::size_t>(written);
    }
    return written;
}

ssize_t PositionedWrite(int descriptor, const void* bytes, std::size_t size, off_t offset) {
    return WriteUnderFaults(descriptor, size, [&](std::size_t allowed) {
        return static_cast<ssize_t>(syscall(SYS_pwrite64, descriptor, bytes, allowed, offset));
    });
}

int OpenAt(int folder, const char* path, int flags, mode_t mode) {
    // Opening a file that exists changes no entry of its folder.
    if ((flags & O_CREAT) != 0 && !Exists(folder, path) && RefusesEntryChange(folder, path)) {
        return -1;
    }
    return static_cast<int>(syscall(SYS_openat, folder, path, flags, mode));
}

// An open call with its variable arguments: the mode, which only a call that may create a file
// passes.
int OpenWithArguments(int folder, const char* path, int flags, va_list arguments) {
    const bool creates = (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
    return OpenAt(folder, path, flags, creates ? static_cast<mode_t>(va_arg(arguments, int)) : 0);
}

} // namespace

bool ArmFolderFault(const std::string& setting) {
    const std::size_t colon = setting.find(':');
    const std::string kind = setting.substr(0, colon);
    if (colon == std::string::npos || (kind != "read-only" && kind != "full") ||
        setting.size() <= colon + 1 || setting[colon + 1] != '/') {
        return false;
    }
    folderFault.readOnly = kind == "read-only";
    folderFault.folder = Absolute(AT_FDCWD, setting.c_str() + colon + 1);
    folderFault.struck = 0;
    return true;
}

} // namespace testkit::calls

// The C library's names, defined and exported by the program, take the calls of everything it
// runs that calls them by name.
using testkit::calls::CountCall;
using testkit::calls::OpenWithArguments;
using testkit::calls::RefusesEntryChange;

extern "C" __attribute__((visibility("default"))) ssize_t read(int descriptor, void* bytes,
                                                               size_t size) {
    return testkit::calls::ReadUnderFault(
        [&] { return static_cast<ssize_t>(syscall(SYS_read, descriptor, bytes, size)); });
}

extern "C" __attribute__((visibility("default"))) ssize_t pread(int descriptor, void* bytes,
                                                                size_t size, off_t offset) {
    return testkit::calls::ReadUnderFault([&] {
        return static_cast<ssize_t>(syscall(SYS_pread64, descriptor, bytes, size, offset));
    });
}

extern "C" __attribute__((visibility("default"))) ssize_t pread64(int descriptor, void* bytes,
                                                                  size_t size, off64_t offset) {
    return testkit::calls::ReadUnderFault([&] {
        return static_cast<ssize_t>(syscall(SYS_pread64, descriptor, bytes, size, offset));
    });
}

extern "C" __attribute__((visibility("default"))) ssize_t write(int descriptor, const void* bytes,
                                                                size_t size) {
    return testkit::calls::WriteUnderFaults(descriptor, size, [&](std::size_t allowed) {
        return static_cast<ssize_t>(syscall(SYS_write, descriptor, bytes, allowed));
    });
}

extern "C" __attribute__((visibility("default"))) ssize_t pwrite(int descriptor, const void* bytes,
                                                                 size_t size, off_t offset) {
    return testkit::calls::PositionedWrite(descriptor, bytes, size, offset);
}

extern "C" __attribute__((visibility("default"))) ssize_t
pwrite64(int descriptor, const void* bytes, size_t size, off64_t offset) {
    return testkit::calls::PositionedWrite(descriptor, bytes, size, offset);
}

extern "C" __attribute__((visibility("default"))) int ftruncate(int descriptor,
                                                                off_t length) noexcept {
    CountCall();
    return static_cast<int>(syscall(SYS_ftruncate, descriptor, length));
}

extern "C" __attribute__((visibility("default"))) int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const int descriptor = OpenWithArguments(AT_FDCWD, path, flags, arguments);
    va_end(arguments);
    return descriptor;
}

extern "C" __attribute__((visibility("default"))) int openat(int folder, const char* path,
                                                             int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const int descriptor = OpenWithArguments(folder, path, flags, arguments);
    va_end(arguments);
    return descriptor;
}

// The large-file names are the same calls.
extern "C" __attribute__((visibility("default"), alias("open"))) int open64(const char* path,
                                                                            int flags, ...);
extern "C" __attribute__((visibility("default"), alias("openat"))) int
openat64(int folder, const char* path, int flags, ...);

extern "C" __attribute__((visibility("default"))) int mkdir(const char* path,
                                                            mode_t mode) noexcept {
    if (!testkit::calls::Exists(AT_FDCWD, path) && RefusesEntryChange(AT_FDCWD, path)) {
        return -1;
    }
    return static_cast<int>(syscall(SYS_mkdirat, AT_FDCWD, path, mode));
}

extern "C" __attribute__((visibility("default"))) int rename(const char* from,
                                                             const char* to) noexcept {
    CountCall();
    if (RefusesEntryChange(AT_FDCWD, from) || RefusesEntryChange(AT_FDCWD, to)) {
        return -1;
    }
    return static_cast<int>(syscall(SYS_rename, from, to));
}

extern "C" __attribute__((visibility("default"))) int renameat2(int fromFolder, const char* from,
                                                                int toFolder, const char* to,
                                                                unsigned int flags) noexcept {
    CountCall();
    if (RefusesEntryChange(fromFolder, from) || RefusesEntryChange(toFolder, to)) {
        return -1;
    }
    return static_cast<int>(syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
}

extern "C" __attribute__((visibility("default"))) int
linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) noexcept {
    CountCall();
    if (RefusesEntryChange(toFolder, to)) {
        return -1;
    }
    return static_cast<int>(syscall(SYS_linkat, fromFolder, from, toFolder, to, flags));
}

extern "C" __attribute__((visibility("default"))) int unlink(const char* path) noexcept {
    CountCall();
    if (RefusesEntryChange(AT_FDCWD, path)) {
        return -1;
    }
    return static_cast<int>(syscall(SYS_unlink, path));
}
