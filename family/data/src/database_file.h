// One open database file: its header and records read and written at their offsets. Records
// are read through the bounded decoder, so a damaged or out-of-file offset gives no record
// rather than a wild read. Every write is positioned; the file only grows at its end.
#pragma once

#include "family/data/src/records.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>

namespace dorrick {

class DatabaseFile {
public:
    DatabaseFile() = default;
    explicit DatabaseFile(int descriptor) : descriptor_(descriptor) {}
    DatabaseFile(DatabaseFile&& other) noexcept
        : descriptor_(std::exchange(other.descriptor_, -1)) {}
    DatabaseFile& operator=(DatabaseFile&& other) noexcept {
        std::swap(descriptor_, other.descriptor_);
        return *this;
    }
    DatabaseFile(const DatabaseFile&) = delete;
    DatabaseFile& operator=(const DatabaseFile&) = delete;
    ~DatabaseFile() { Close(); }

    int Descriptor() const { return descriptor_; }
    bool IsOpen() const { return descriptor_ >= 0; }
    void Close();

    std::int64_t Size() const;
    // The number of link steps a walk may take before it must have met a cycle: no file holds
    // more records than its size allows.
    std::int64_t WalkBound() const;

    std::optional<DatabaseHeader> ReadHeader() const;
    bool WriteHeader(const DatabaseHeader& header) const;

    // Adds to the header's garbage count, which stops at the largest it can hold.
    bool AddGarbage(std::int64_t bytes) const;

    std::optional<EntryRecord> ReadRecord(std::int32_t offset) const;
    bool WriteRecord(std::int32_t offset, const EntryRecord& record) const;

    // Up to `size` bytes at `offset`; answers how many were read.
    std::size_t ReadAt(std::int64_t offset, void* buffer, std::size_t size) const;
    // All `size` bytes at `offset`, or false.
    bool WriteAt(std::int64_t offset, const void* bytes, std::size_t size) const;

    // The offset a record or data area of `size` bytes appended now would take; nothing when
    // the file would grow past the reach of a 32-bit offset.
    std::optional<std::int32_t> AppendOffset(std::size_t size) const;

private:
    int descriptor_ = -1;
};

enum class FileAccess { ReadOnly, ReadWrite };

// Opens an existing regular file. On failure answers nothing and sets `error` to the reason
// (ENOENT for a missing file).
std::optional<DatabaseFile> OpenDatabaseFile(const std::filesystem::path& name, int& error,
                                             FileAccess access = FileAccess::ReadWrite);

} // namespace dorrick
