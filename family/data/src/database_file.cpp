#include "family/data/src/database_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>

namespace dorrick {

void DatabaseFile::Close() {
    if (descriptor_ >= 0) {
        close(descriptor_);
        descriptor_ = -1;
    }
}

std::int64_t DatabaseFile::Size() const {
    struct stat status {};
    if (fstat(descriptor_, &status) != 0) {
        return 0;
    }
    return status.st_size;
}

std::int64_t DatabaseFile::WalkBound() const {
    return Size() / static_cast<std::int64_t>(kRecordSizeWithoutName) + 1;
}

std::optional<DatabaseHeader> DatabaseFile::ReadHeader() const {
    std::array<std::uint8_t, kHeaderSize> bytes{};
    const std::size_t read = ReadAt(0, bytes.data(), bytes.size());
    return DecodeHeader(std::span(bytes.data(), read));
}

bool DatabaseFile::WriteHeader(const DatabaseHeader& header) const {
    const auto bytes = EncodeHeader(header);
    return WriteAt(0, bytes.data(), bytes.size());
}

bool DatabaseFile::AddGarbage(std::int64_t bytes) const {
    auto header = ReadHeader().value_or(DatabaseHeader{});
    header.garbage = static_cast<std::int32_t>(
        std::min<std::int64_t>(header.garbage + bytes, std::numeric_limits<std::int32_t>::max()));
    return WriteHeader(header);
}

std::optional<EntryRecord> DatabaseFile::ReadRecord(std::int32_t offset) const {
    if (offset < static_cast<std::int32_t>(kHeaderSize)) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kLongestRecord> bytes{};
    const std::size_t read = ReadAt(offset, bytes.data(), bytes.size());
    return DecodeRecord(std::span(bytes.data(), read));
}

bool DatabaseFile::WriteRecord(std::int32_t offset, const EntryRecord& record) const {
    const auto bytes = EncodeRecord(record);
    return WriteAt(offset, bytes.data(), bytes.size());
}

std::size_t DatabaseFile::ReadAt(std::int64_t offset, void* buffer, std::size_t size) const {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t read = pread(descriptor_, out + done, size - done,
                                   static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read <= 0) {
            break;
        }
        done += static_cast<std::size_t>(read);
    }
    return done;
}

bool DatabaseFile::WriteAt(std::int64_t offset, const void* bytes, std::size_t size) const {
    const auto* in = static_cast<const char*>(bytes);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t written =
            pwrite(descriptor_, in + done, size - done,
                   static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        // A write that makes no progress would make none the next time either.
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

std::optional<std::int32_t> DatabaseFile::AppendOffset(std::size_t size) const {
    const std::int64_t end = Size();
    if (end + static_cast<std::int64_t>(size) > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(end);
}

std::optional<DatabaseFile> OpenDatabaseFile(const std::filesystem::path& name, int& error,
                                             FileAccess access) {
    const int descriptor =
        open(name.c_str(), (access == FileAccess::ReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    if (descriptor < 0) {
        error = errno;
        return std::nullopt;
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor);
        error = EISDIR;
        return std::nullopt;
    }
    return DatabaseFile(descriptor);
}

} // namespace dorrick
