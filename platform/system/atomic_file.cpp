#include "platform/system/atomic_file.h"

#include "platform/system/os_error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace sys {

namespace fs = std::filesystem;
using runtime::ErrorNumber;

namespace {

// Distinguishes the temporary files of one process; the process id distinguishes processes.
std::atomic<unsigned> temporaryCounter{0};

fs::path TemporaryBeside(const fs::path& target) {
    return target.parent_path() /
           ("." + target.filename().string() + ".tmp-" + std::to_string(getpid()) + "-" +
            std::to_string(temporaryCounter++));
}

// Makes the rename itself durable. A file system that cannot sync a folder still renamed the
// file, so failure here is not reported.
void SyncFolder(const fs::path& folder) {
    const int descriptor =
        open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        close(descriptor);
    }
}

} // namespace

AtomicFile::AtomicFile(const fs::path& target) : target_(target), descriptor_(-1) {
    for (;;) {
        temporary_ = TemporaryBeside(target_);
        descriptor_ = open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ >= 0)
            return;
        if (errno == EEXIST)
            continue;
        ThrowCreationError(errno, target_);
    }
}

AtomicFile::~AtomicFile() {
    if (descriptor_ >= 0) {
        close(descriptor_);
        unlink(temporary_.c_str());
    }
}

void AtomicFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            ThrowOsError(errno, target_);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void AtomicFile::Commit() {
    // A replaced file keeps its permissions.
    struct stat existing {};
    if (stat(target_.c_str(), &existing) == 0)
        fchmod(descriptor_, existing.st_mode & 07777);
    if (fsync(descriptor_) != 0)
        ThrowOsError(errno, target_);
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (close(descriptor) != 0) {
        const int error = errno;
        unlink(temporary_.c_str());
        ThrowOsError(error, target_);
    }
    if (rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        unlink(temporary_.c_str());
        ThrowOsError(error, target_, ErrorNumber::PathFileAccessError);
    }
    SyncFolder(target_.parent_path());
}

void ReplaceFileAtomically(const fs::path& target, std::string_view contents) {
    AtomicFile file(target);
    file.Write(contents);
    file.Commit();
}

} // namespace sys
