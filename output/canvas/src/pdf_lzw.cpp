#include "output/canvas/src/pdf_lzw.h"

#include <optional>
#include <unordered_map>

namespace output {

namespace {

constexpr std::uint32_t kClearCode = 256;
constexpr std::uint32_t kEndCode = 257;
constexpr std::uint32_t kFirstFreeCode = 258;
constexpr int kFirstWidth = 9;
constexpr int kLastWidth = 12;

class CodeWriter {
public:
    explicit CodeWriter(std::string& out) : out_(out) {}

    void Put(std::uint32_t code, int width) {
        buffer_ = (buffer_ << width) | code;
        bits_ += width;
        while (bits_ >= 8) {
            bits_ -= 8;
            out_ += static_cast<char>((buffer_ >> bits_) & 0xFF);
        }
        buffer_ &= (std::uint32_t{1} << bits_) - 1;
    }

    // Pads the last byte with zero bits.
    void Finish() {
        if (bits_ > 0) {
            out_ += static_cast<char>((buffer_ << (8 - bits_)) & 0xFF);
            bits_ = 0;
        }
    }

private:
    std::string& out_;
    std::uint32_t buffer_ = 0;
    int bits_ = 0;
};

class Encoder {
public:
    explicit Encoder(std::string& out) : writer_(out) { writer_.Put(kClearCode, width_); }

    void Add(std::uint8_t byte) {
        if (!current_) {
            current_ = byte;
            return;
        }
        std::uint32_t key = (*current_ << 8) | byte;
        if (auto known = table_.find(key); known != table_.end()) {
            current_ = known->second;
            return;
        }
        writer_.Put(*current_, width_);
        table_.emplace(key, next_++);
        Grow();
        current_ = byte;
    }

    void Finish() {
        if (current_) {
            writer_.Put(*current_, width_);
            // The reader adds one more entry on this code and widens as if it had been made.
            ++next_;
            if (next_ == (std::uint32_t{1} << width_) && width_ < kLastWidth) {
                ++width_;
            }
        }
        writer_.Put(kEndCode, width_);
        writer_.Finish();
    }

private:
    // The reader widens its codes one entry early; a full table is cleared.
    void Grow() {
        if (next_ != (std::uint32_t{1} << width_)) {
            return;
        }
        if (width_ < kLastWidth) {
            ++width_;
            return;
        }
        writer_.Put(kClearCode, width_);
        table_.clear();
        next_ = kFirstFreeCode;
        width_ = kFirstWidth;
    }

    CodeWriter writer_;
    std::unordered_map<std::uint32_t, std::uint32_t> table_;
    std::optional<std::uint32_t> current_;
    std::uint32_t next_ = kFirstFreeCode;
    int width_ = kFirstWidth;
};

} // namespace

std::string PdfLzwEncode(std::span<const std::uint8_t> data) {
    std::string out;
    Encoder encoder(out);
    for (std::uint8_t byte : data) {
        encoder.Add(byte);
    }
    encoder.Finish();
    return out;
}

} // namespace output
