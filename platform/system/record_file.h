// Files of fixed-length records, as the original runtime's random-access files: record n
// (numbered from 1) occupies the bytes from (n - 1) x length on, with no header and no
// separators.
//
// - The record count is the file's length divided by the record length; a partial record at
//   the end is not counted.
// - Writing record n puts exactly one record there; writing past the end extends the file, and
//   records skipped over read as zero bytes.
// - Reading a record that does not lie wholly in the file is not an error, as with the
//   runtime's Get: the bytes the file holds at its place come back, filled up with zero bytes
//   to the record length (a record past the end is all zero bytes). Reading never changes the
//   file.
// - A record number below 1 (or beyond 2147483647) is error 63, bad record number. A record
//   length of 0 or beyond kLongestRecord, and a record to write of another length than the
//   file's, are error 59, bad record length.
// - A write that fails part-way (a full disk) leaves the file as it was: the record's old bytes
//   are put back, and a file that grew is cut back to its old length.
// - Opening for writing removes the temporary files that atomic writers killed in the middle
//   left in the file's folder (atomic_file.h).
#pragma once

#include "platform/system/file_descriptor.h"

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace sys {

// The longest record the runtime's random-access files allow.
inline constexpr std::size_t kLongestRecord = 32767;

enum class RecordAccess {
    Read,      // the file must exist (53 otherwise)
    ReadWrite, // the file is created when missing
};

class RecordFile {
public:
    // Opens `path` for records of `recordLength` bytes (1 to kLongestRecord).
    RecordFile(const std::filesystem::path& path, std::size_t recordLength, RecordAccess access);

    std::size_t RecordLength() const { return recordLength_; }
    std::int64_t RecordCount() const;

    std::string Read(std::int64_t recordNumber) const;
    // `record` must be exactly one record long. A file opened for reading refuses (75).
    void Write(std::int64_t recordNumber, std::string_view record);

    // Flushes what was written to disk and closes the file, reporting any failure. The
    // destructor closes a file that is still open without reporting.
    void Close();

private:
    std::int64_t OffsetOf(std::int64_t recordNumber) const;
    // Puts back what a failed write changed: the old bytes at `offset`, the old length.
    void Undo(std::string_view oldBytes, off_t offset, off_t oldLength) noexcept;

    std::filesystem::path path_;
    std::size_t recordLength_;
    RecordAccess access_;
    FileDescriptor file_;
    bool written_ = false;
};

} // namespace sys
