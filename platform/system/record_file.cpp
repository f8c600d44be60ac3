#include "platform/system/record_file.h"

#include "platform/system/os_error.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <limits>
#include <stdexcept>

namespace sys {

namespace fs = std::filesystem;
using runtime::ErrorNumber;

namespace {

constexpr std::int64_t kLastRecordNumber = std::numeric_limits<std::int32_t>::max();

} // namespace

RecordFile::RecordFile(const fs::path& path, std::size_t recordLength, RecordAccess access)
    : path_(path), recordLength_(recordLength), access_(access) {
    if (recordLength_ == 0)
        throw std::invalid_argument("a record file needs records of at least one byte");
    const int flags = access_ == RecordAccess::Read ? O_RDONLY : O_RDWR | O_CREAT;
    file_ = FileDescriptor(open(path_.c_str(), flags | O_CLOEXEC, 0666));
    if (!file_.IsOpen() && access_ == RecordAccess::ReadWrite)
        ThrowCreationError(errno, path_);
    if (!file_.IsOpen())
        ThrowOsError(errno, path_);
    struct stat status {};
    if (fstat(file_.Get(), &status) != 0)
        ThrowOsError(errno, path_);
    if (S_ISDIR(status.st_mode))
        ThrowOsError(EISDIR, path_);
}

std::int64_t RecordFile::RecordCount() const {
    struct stat status {};
    if (fstat(file_.Get(), &status) != 0)
        ThrowOsError(errno, path_);
    return static_cast<std::int64_t>(status.st_size) / static_cast<std::int64_t>(recordLength_);
}

std::int64_t RecordFile::OffsetOf(std::int64_t recordNumber) const {
    if (recordNumber < 1 || recordNumber > kLastRecordNumber)
        throw runtime::RuntimeError(ErrorNumber::BadRecordNumber,
                                    path_.string() + " record " + std::to_string(recordNumber));
    return (recordNumber - 1) * static_cast<std::int64_t>(recordLength_);
}

std::string RecordFile::Read(std::int64_t recordNumber) const {
    const std::int64_t offset = OffsetOf(recordNumber);
    std::string record(recordLength_, '\0');
    std::size_t filled = 0;
    while (filled < record.size()) {
        const ssize_t count = pread(file_.Get(), record.data() + filled, record.size() - filled,
                                    static_cast<off_t>(offset + static_cast<std::int64_t>(filled)));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            ThrowOsError(errno, path_);
        if (count == 0)
            break; // end of file: the rest stays zero
        filled += static_cast<std::size_t>(count);
    }
    return record;
}

void RecordFile::Write(std::int64_t recordNumber, std::string_view record) {
    if (record.size() != recordLength_)
        throw std::invalid_argument("a record of " + std::to_string(record.size()) +
                                    " bytes for a file of " + std::to_string(recordLength_) +
                                    "-byte records");
    const std::int64_t offset = OffsetOf(recordNumber);
    if (access_ == RecordAccess::Read)
        throw runtime::RuntimeError(ErrorNumber::PathFileAccessError,
                                    path_.string() + " is open for reading");
    written_ = true;
    std::size_t done = 0;
    while (done < record.size()) {
        const ssize_t count = pwrite(file_.Get(), record.data() + done, record.size() - done,
                                     static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            ThrowOsError(errno, path_);
        done += static_cast<std::size_t>(count);
    }
}

void RecordFile::Close() {
    if (!file_.IsOpen())
        return;
    const bool flush = written_;
    const int descriptor = file_.Release();
    const bool synced = !flush || fsync(descriptor) == 0;
    const int syncError = errno;
    if (close(descriptor) != 0)
        ThrowOsError(errno, path_);
    if (!synced)
        ThrowOsError(syncError, path_);
}

} // namespace sys
