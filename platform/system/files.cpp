#include "platform/system/files.h"

#include "platform/system/atomic_file.h"
#include "platform/system/file_descriptor.h"
#include "platform/system/file_pattern.h"
#include "platform/system/src/descriptor_io.h"
#include "platform/system/src/open_regular_file.h"
#include "platform/system/src/os_error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <optional>

namespace sys {

namespace fs = std::filesystem;
using runtime::ErrorNumber;

namespace {

// Calls `consume` with each block of the file's content in order, until it answers false or the
// file ends.
template <typename Consume>
void ReadBlocks(const FileDescriptor& file, const fs::path& path, Consume consume) {
    std::array<char, 65536> buffer;
    while (const std::size_t count =
               ReadFully(file.Get(), buffer.data(), buffer.size(), std::nullopt, path)) {
        if (!consume(std::string_view(buffer.data(), count))) {
            return;
        }
    }
}

} // namespace

bool FileExists(const fs::path& path) noexcept {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && status.st_size >= 1;
}

std::uintmax_t FileLength(const fs::path& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        ThrowOsError(errno, path);
    }
    if (S_ISDIR(status.st_mode)) {
        ThrowOsError(EISDIR, path);
    }
    return static_cast<std::uintmax_t>(status.st_size);
}

void FileCopy(const fs::path& from, const fs::path& to) {
    const FileDescriptor source = OpenRegularFile(from, FileAccess::Read);
    AtomicFile target(to);
    ReadBlocks(source, from, [&](std::string_view block) {
        target.Write(block);
        return true;
    });
    target.Commit();
}

void RemoveFile(const fs::path& path) {
    if (unlink(path.c_str()) != 0) {
        ThrowOsError(errno, path);
    }
}

void RenameFile(const fs::path& from, const fs::path& to) {
    int result = renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
    if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // A file system without the no-replace rename: check, then rename.
        struct stat status {};
        if (lstat(to.c_str(), &status) == 0) {
            ThrowOsError(EEXIST, to);
        }
        result = rename(from.c_str(), to.c_str());
    }
    if (result == 0) {
        return;
    }
    const int error = errno;
    if (error == ENOENT && access(from.c_str(), F_OK) == 0) {
        ThrowCreationError(error, to); // the source is there: the target's folder is not
    }
    ThrowOsError(error, error == EEXIST ? to : from, ErrorNumber::PathFileAccessError);
}

bool EnsureFolder(const fs::path& path) noexcept {
    if (mkdir(path.c_str(), 0777) == 0) {
        return true;
    }
    struct stat status {};
    return errno == EEXIST && stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string ReadFirstLine(const fs::path& path) {
    std::string line;
    bool empty = true;
    ReadBlocks(OpenRegularFile(path, FileAccess::Read), path, [&](std::string_view block) {
        empty = false;
        const auto end = block.find_first_of("\r\n");
        line.append(block.substr(0, end));
        return end == std::string_view::npos;
    });
    if (empty) {
        throw runtime::RuntimeError(ErrorNumber::InputPastEndOfFile, path.string());
    }
    return line;
}

std::string ReadWholeFile(const fs::path& path) {
    const FileDescriptor file = OpenRegularFile(path, FileAccess::Read);
    std::string contents;
    // As large as the file is now, so that reading it whole takes no more than it holds.
    struct stat status {};
    if (fstat(file.Get(), &status) == 0 && status.st_size > 0) {
        contents.reserve(static_cast<std::size_t>(status.st_size));
    }
    ReadBlocks(file, path, [&](std::string_view block) {
        contents.append(block);
        return true;
    });
    return contents;
}

int RemoveMatchingFiles(const fs::path& folder, std::string_view pattern) noexcept {
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->is_regular_file(error) &&
            MatchesFilePattern(entry->path().filename().string(), pattern) &&
            fs::remove(entry->path(), error)) {
            ++removed;
        }
        error.clear();
    }
    return removed;
}

} // namespace sys
