// An open file descriptor that closes itself; the record file (record_file.h) holds one.
#pragma once

#include <unistd.h>

#include <utility>

namespace sys {

class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(FileDescriptor&& other) noexcept
        : descriptor_(std::exchange(other.descriptor_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        std::swap(descriptor_, other.descriptor_);
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
    }

    int Get() const { return descriptor_; }
    bool IsOpen() const { return descriptor_ >= 0; }
    // Hands the descriptor to the caller, who then closes it.
    int Release() { return std::exchange(descriptor_, -1); }

private:
    int descriptor_ = -1;
};

} // namespace sys
