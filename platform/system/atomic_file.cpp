#include "platform/system/atomic_file.h"

#include "platform/system/src/descriptor_io.h"
#include "platform/system/src/os_error.h"
#include "platform/system/src/temporary_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

namespace sys {

namespace fs = std::filesystem;
using runtime::ErrorNumber;

namespace {

// As many links in a row as the kernel itself follows before it gives up (ELOOP).
constexpr int kMaxLinksFollowed = 40;

// The file that `target` names: symbolic links are followed one by one (a relative link from
// the link's own folder), so that the file a link points to is replaced and the link stays.
// A path that is no link, or does not exist yet, names itself.
fs::path FollowLinks(fs::path target) {
    for (int followed = 0; followed < kMaxLinksFollowed; ++followed) {
        std::error_code notALink;
        const fs::path link = fs::read_symlink(target, notALink);
        if (notALink) {
            return target;
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    ThrowOsError(ELOOP, target);
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

AtomicFile::AtomicFile(const fs::path& target, Durability durability)
    : target_(FollowLinks(target)), descriptor_(-1), durability_(durability) {
    // What an earlier writer killed in the middle left here goes first.
    RemoveStaleTemporaryFiles(target_.parent_path());
    for (;;) {
        temporary_ = TemporaryFileIn(target_.parent_path());
        descriptor_ = open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ >= 0) {
            return;
        }
        if (errno != EEXIST) {
            ThrowCreationError(errno, target_);
        }
    }
}

AtomicFile::~AtomicFile() {
    if (descriptor_ >= 0) {
        close(descriptor_);
        unlink(temporary_.c_str());
    }
}

void AtomicFile::Write(std::string_view bytes) {
    WriteFully(descriptor_, bytes, std::nullopt, target_);
}

void AtomicFile::Commit() {
    // A replaced file keeps its permissions.
    struct stat existing {};
    if (stat(target_.c_str(), &existing) == 0) {
        fchmod(descriptor_, existing.st_mode & 07777);
    }
    if (durability_ != Durability::Scratch && fsync(descriptor_) != 0) {
        ThrowOsError(errno, target_);
    }
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
    if (durability_ == Durability::Flushed) {
        SyncFolder(target_.parent_path());
    }
}

namespace {

void ReplaceWhole(const fs::path& target, std::string_view contents, Durability durability) {
    AtomicFile file(target, durability);
    file.Write(contents);
    file.Commit();
}

} // namespace

void ReplaceFileAtomically(const fs::path& target, std::string_view contents) {
    ReplaceWhole(target, contents, Durability::Flushed);
}

void WriteDocumentFile(const fs::path& target, std::string_view contents) {
    ReplaceWhole(target, contents, Durability::Document);
}

void WriteScratchFile(const fs::path& target, std::string_view contents) {
    ReplaceWhole(target, contents, Durability::Scratch);
}

} // namespace sys
