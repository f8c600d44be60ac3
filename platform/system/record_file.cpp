#include "platform/system/record_file.h"

#include "platform/system/src/descriptor_io.h"
#include "platform/system/src/open_regular_file.h"
#include "platform/system/src/os_error.h"
#include "platform/system/src/temporary_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

namespace sys {

namespace fs = std::filesystem;
using runtime::ErrorNumber;

namespace {

constexpr std::int64_t kLastRecordNumber = std::numeric_limits<std::int32_t>::max();

// The last record's offset then stays far inside what a file offset can hold.
static_assert(kLastRecordNumber * static_cast<std::int64_t>(kLongestRecord) <
              std::numeric_limits<off_t>::max());

[[noreturn]] void ThrowBadRecordLength(const fs::path& path, std::size_t length) {
    throw runtime::RuntimeError(ErrorNumber::BadRecordLength,
                                path.string() + " record length " + std::to_string(length));
}

std::int64_t LengthOf(const FileDescriptor& file, const fs::path& path) {
    struct stat status {};
    if (fstat(file.Get(), &status) != 0) {
        ThrowOsError(errno, path);
    }
    return static_cast<std::int64_t>(status.st_size);
}

} // namespace

RecordFile::RecordFile(const fs::path& path, std::size_t recordLength, RecordAccess access)
    : path_(path), recordLength_(recordLength), access_(access) {
    if (recordLength_ == 0 || recordLength_ > kLongestRecord) {
        ThrowBadRecordLength(path_, recordLength_);
    }
    if (access_ == RecordAccess::ReadWrite) {
        RemoveStaleTemporaryFiles(path_.parent_path());
    }
    file_ = OpenRegularFile(path_, access_ == RecordAccess::Read ? FileAccess::Read
                                                                 : FileAccess::ReadWrite);
}

std::int64_t RecordFile::RecordCount() const {
    return LengthOf(file_, path_) / static_cast<std::int64_t>(recordLength_);
}

std::int64_t RecordFile::OffsetOf(std::int64_t recordNumber) const {
    if (recordNumber < 1 || recordNumber > kLastRecordNumber) {
        throw runtime::RuntimeError(ErrorNumber::BadRecordNumber,
                                    path_.string() + " record " + std::to_string(recordNumber));
    }
    return (recordNumber - 1) * static_cast<std::int64_t>(recordLength_);
}

std::string RecordFile::Read(std::int64_t recordNumber) const {
    const std::int64_t offset = OffsetOf(recordNumber);
    std::string record(recordLength_, '\0');
    // Past the end of the file the rest of the record stays zero bytes.
    ReadFully(file_.Get(), record.data(), record.size(), static_cast<off_t>(offset), path_);
    return record;
}

void RecordFile::Write(std::int64_t recordNumber, std::string_view record) {
    if (record.size() != recordLength_) {
        ThrowBadRecordLength(path_, record.size());
    }
    const std::int64_t offset = OffsetOf(recordNumber);
    if (access_ == RecordAccess::Read) {
        throw runtime::RuntimeError(ErrorNumber::PathFileAccessError,
                                    path_.string() + " is open for reading");
    }
    written_ = true;
    // What the write may change is kept first, so that a write that fails part-way (a full
    // disk) can be undone: the old bytes go back and the file is cut back to its old length.
    const std::int64_t oldLength = LengthOf(file_, path_);
    std::string oldBytes(
        static_cast<std::size_t>(std::clamp<std::int64_t>(oldLength - offset, 0, recordLength_)),
        '\0');
    oldBytes.resize(ReadFully(file_.Get(), oldBytes.data(), oldBytes.size(),
                              static_cast<off_t>(offset), path_));
    try {
        WriteFully(file_.Get(), record, static_cast<off_t>(offset), path_);
    } catch (const runtime::RuntimeError&) {
        Undo(oldBytes, static_cast<off_t>(offset), static_cast<off_t>(oldLength));
        throw;
    }
}

void RecordFile::Undo(std::string_view oldBytes, off_t offset, off_t oldLength) noexcept {
    // Best effort: the failed write's own error is the one the caller hears of.
    try {
        WriteFully(file_.Get(), oldBytes, offset, path_);
    } catch (const runtime::RuntimeError&) {
        // The bytes that could not be put back are still cut off below when they lay past the
        // old end; overwritten bytes inside the file stay as the failed write left them.
    }
    while (ftruncate(file_.Get(), oldLength) != 0 && errno == EINTR) {
    }
}

void RecordFile::Close() {
    if (!file_.IsOpen()) {
        return;
    }
    const bool flush = written_;
    const int descriptor = file_.Release();
    const bool synced = !flush || fsync(descriptor) == 0;
    const int syncError = errno;
    if (close(descriptor) != 0) {
        ThrowOsError(errno, path_);
    }
    if (!synced) {
        ThrowOsError(syncError, path_);
    }
}

} // namespace sys
