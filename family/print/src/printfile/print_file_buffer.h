// Buffered byte traffic on an open print file. Both sides go through one 8,192-byte buffer: the
// converter writes the token stream with PutByte/PutBytes, the renderer reads it back with
// GetByte. The logical position (the offset of the next byte the caller reads or writes) lives
// in the buffer, so asking for it costs no system call. A buffer is idle after construction and
// after every seek; its first get makes it reading, its first put writing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pressel {

class PrintFileBuffer {
public:
    static constexpr std::size_t kSize = 8192;

    enum class Origin { kStart = 0, kCurrent = 1, kEnd = 2 };

    // The buffer of an open file descriptor, which the caller owns and closes.
    explicit PrintFileBuffer(int descriptor) : descriptor_(descriptor) {}

    // Writes out the pending bytes of a writing buffer; nothing otherwise. True when all were
    // written; on failure the pending bytes stay.
    bool Flush();
    // True once any write has failed, a flush within a seek included (whose pending bytes are
    // then lost): what was written since cannot be trusted. It stays true for the buffer's
    // life.
    bool WriteFailed() const { return writeFailed_; }
    // The next byte, or false at end of data (a failed read is end of data too).
    bool GetByte(std::uint8_t& byte);
    // False when a full buffer could not be written out.
    bool PutByte(std::uint8_t byte);
    // False at the first byte that fails.
    bool PutBytes(std::span<const std::uint8_t> bytes);
    // Moves to `offset` from `origin` and answers the new logical position (-1 when the file
    // cannot be moved). Seek(0, kCurrent) only answers the logical position; relative seeks of
    // a reading buffer count from what the caller consumed, not from what was read ahead.
    std::int64_t Seek(std::int64_t offset, Origin origin);
    std::int64_t Tell() const { return position_; }
    // True once a get has met the end of data (until the next seek), so that a reader can tell a
    // token cut off by the end of the file from a whole one.
    bool ReachedEnd() const { return mode_ == Mode::kReading && limit_ == 0; }
    // The offset at which the next token starts: before a pending 0 byte, which was read already.
    std::int64_t NextTokenOffset() const { return position_ - (pendingZero_ ? 1 : 0); }

    // The token reader's pending 0 byte: a text run that ended on a 0 byte leaves it for the
    // control token that follows.
    bool TakePendingZero();
    void SetPendingZero() { pendingZero_ = true; }

private:
    enum class Mode { kIdle, kReading, kWriting };

    int descriptor_;
    std::array<std::uint8_t, kSize> data_{};
    std::size_t readIndex_ = 0;
    std::size_t writeCount_ = 0;
    std::size_t limit_ = 0;
    Mode mode_ = Mode::kIdle;
    std::int64_t position_ = 0;
    bool pendingZero_ = false;
    bool writeFailed_ = false;
};

} // namespace pressel
