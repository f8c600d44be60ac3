#include "family/print/src/printfile/print_file_buffer.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pressel {

bool PrintFileBuffer::Flush() {
    if (mode_ != Mode::kWriting) {
        return true;
    }
    std::size_t written = 0;
    while (written < writeCount_) {
        const ssize_t count = ::write(descriptor_, data_.data() + written, writeCount_ - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            // Keep what was not written at the front, so that a later flush starts there.
            std::memmove(data_.data(), data_.data() + written, writeCount_ - written);
            writeCount_ -= written;
            writeFailed_ = true;
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    writeCount_ = 0;
    limit_ = kSize;
    return true;
}

bool PrintFileBuffer::GetByte(std::uint8_t& byte) {
    if (mode_ == Mode::kWriting) {
        return false;
    }
    if (mode_ == Mode::kIdle) {
        mode_ = Mode::kReading;
        readIndex_ = 0;
        limit_ = 0;
    }
    if (readIndex_ >= limit_) {
        ssize_t count = -1;
        do {
            count = ::read(descriptor_, data_.data(), kSize);
        } while (count < 0 && errno == EINTR);
        readIndex_ = 0;
        limit_ = count > 0 ? static_cast<std::size_t>(count) : 0;
    }
    if (limit_ == 0) {
        return false;
    }
    byte = data_[readIndex_++];
    ++position_;
    return true;
}

bool PrintFileBuffer::PutByte(std::uint8_t byte) {
    if (mode_ == Mode::kReading) {
        return false;
    }
    if (mode_ == Mode::kIdle) {
        mode_ = Mode::kWriting;
        writeCount_ = 0;
        limit_ = kSize;
    }
    if (writeCount_ >= limit_ && !Flush()) {
        return false;
    }
    data_[writeCount_++] = byte;
    ++position_;
    return writeCount_ < limit_ || Flush();
}

bool PrintFileBuffer::PutBytes(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) {
        if (!PutByte(byte)) {
            return false;
        }
    }
    return true;
}

std::int64_t PrintFileBuffer::Seek(std::int64_t offset, Origin origin) {
    if (offset == 0 && origin == Origin::kCurrent) {
        return position_;
    }
    if (mode_ == Mode::kReading && origin == Origin::kCurrent) {
        ::lseek(descriptor_, position_, SEEK_SET);
    }
    if (mode_ == Mode::kWriting) {
        Flush();
    }
    pendingZero_ = false;
    mode_ = Mode::kIdle;
    writeCount_ = 0;
    readIndex_ = 0;
    limit_ = 0;
    const int whence =
        origin == Origin::kStart ? SEEK_SET : (origin == Origin::kCurrent ? SEEK_CUR : SEEK_END);
    const off_t moved = ::lseek(descriptor_, offset, whence);
    if (moved >= 0) {
        position_ = moved;
    }
    return moved < 0 ? -1 : position_;
}

bool PrintFileBuffer::TakePendingZero() {
    const bool pending = pendingZero_;
    pendingZero_ = false;
    return pending;
}

} // namespace pressel
