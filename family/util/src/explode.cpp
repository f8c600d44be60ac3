#include "family/util/src/explode.h"

#include "family/util/src/dcl_codes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace umbrant {

namespace {

constexpr std::size_t kInputChunk = 2048;
constexpr std::size_t kOutputChunk = 4096;
constexpr std::size_t kMinimumStream = 4;

// Bits of the input, least significant first, refilled from `read` in requests of 2048 bytes.
class BitInput {
public:
    explicit BitInput(const ReadBytes& read) : read_(read) {}

    // The first read of the stream; answers how many bytes it delivered.
    std::size_t Start() {
        Refill();
        return end_;
    }

    // The next byte, or -1 when the input has ended.
    int Byte() {
        if (position_ == end_ && !Refill()) {
            return -1;
        }
        return chunk_[position_++];
    }

    // The next `count` bits (at most 16), or false when the input ends first.
    bool Bits(int count, unsigned& value) {
        while (held_ < count) {
            const int byte = Byte();
            if (byte < 0) {
                return false;
            }
            buffer_ |= static_cast<unsigned>(byte) << held_;
            held_ += 8;
        }
        value = buffer_ & ((1U << count) - 1U);
        buffer_ >>= count;
        held_ -= count;
        return true;
    }

    // One symbol of `code`, or false when the input ends first.
    template <int kSymbols>
    bool Decode(const PrefixCode<kSymbols>& code, int& symbol) {
        int value = 0; // the bits read so far, as a canonical code
        int first = 0; // the first code of the current length
        int index = 0; // the position of that code among the symbols in order
        for (int bits = 1; bits <= kMaxCodeBits; ++bits) {
            unsigned bit = 0;
            if (!Bits(1, bit)) {
                return false;
            }
            value |= static_cast<int>(bit ^ 1U);
            const int count = code.countOfLength[bits];
            if (value - first < count) {
                symbol = code.symbolsInOrder[index + value - first];
                return true;
            }
            index += count;
            first = (first + count) << 1;
            value <<= 1;
        }
        // The codes are complete, so every 13-bit sequence ends a code before this point.
        return false;
    }

private:
    bool Refill() {
        end_ = read_(chunk_.data(), chunk_.size());
        position_ = 0;
        return end_ > 0;
    }

    const ReadBytes& read_;
    std::array<std::uint8_t, kInputChunk> chunk_{};
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    unsigned buffer_ = 0;
    int held_ = 0;
};

// The output with the history that copies reach into: two chunks. Whenever
// two chunks are full the first is written and the rest moves down, so at least one chunk (the
// largest dictionary) of history always stays.
class OutputWindow {
public:
    explicit OutputWindow(const WriteBytes& write) : write_(write), buffer_(2 * kOutputChunk) {}

    void Put(std::uint8_t byte) {
        buffer_[fill_++] = byte;
        ++total_;
        if (fill_ >= 2 * kOutputChunk) {
            write_(buffer_.data(), kOutputChunk);
            std::memmove(buffer_.data(), buffer_.data() + kOutputChunk, fill_ - kOutputChunk);
            fill_ -= kOutputChunk;
        }
    }

    bool Copy(unsigned distance, unsigned length) {
        if (distance > total_) {
            return false;
        }
        // Byte by byte, so that an overlapping copy repeats what it has just written.
        for (unsigned i = 0; i < length; ++i) {
            Put(buffer_[fill_ - distance]);
        }
        return true;
    }

    void Flush() {
        for (std::size_t start = 0; start < fill_; start += kOutputChunk) {
            write_(buffer_.data() + start, std::min(kOutputChunk, fill_ - start));
        }
        fill_ = 0;
    }

private:
    const WriteBytes& write_;
    std::vector<std::uint8_t> buffer_;
    std::size_t fill_ = 0;
    std::uint64_t total_ = 0;
};

ExplodeResult Decode(BitInput& input, OutputWindow& output) {
    const int coding = input.Byte();
    const int dictionaryBits = input.Byte();
    if (dictionaryBits < 4 || dictionaryBits > 6) {
        return ExplodeResult::BadDictionaryBits;
    }
    if (coding != static_cast<int>(LiteralCoding::Binary) &&
        coding != static_cast<int>(LiteralCoding::Ascii)) {
        return ExplodeResult::BadLiteralCoding;
    }
    for (;;) {
        unsigned flag = 0;
        if (!input.Bits(1, flag)) {
            return ExplodeResult::InputEnded;
        }
        if (flag == 0) {
            int literal = 0;
            unsigned byte = 0;
            const bool read = coding == static_cast<int>(LiteralCoding::Ascii)
                                  ? input.Decode(LiteralCode(), literal)
                                  : input.Bits(8, byte);
            if (!read) {
                return ExplodeResult::InputEnded;
            }
            output.Put(static_cast<std::uint8_t>(coding == 0 ? byte : literal));
            continue;
        }
        int symbol = 0;
        unsigned extra = 0;
        if (!input.Decode(LengthCode(), symbol) || !input.Bits(kLengthExtraBits[symbol], extra)) {
            return ExplodeResult::InputEnded;
        }
        const unsigned length = kLengthBase[symbol] + extra;
        if (length == kEndOfStreamLength) {
            return ExplodeResult::Done;
        }
        const int lowBits = length == 2 ? 2 : dictionaryBits;
        int high = 0;
        unsigned low = 0;
        if (!input.Decode(DistanceCode(), high) || !input.Bits(lowBits, low)) {
            return ExplodeResult::InputEnded;
        }
        const unsigned distance = ((static_cast<unsigned>(high) << lowBits) | low) + 1;
        if (!output.Copy(distance, length)) {
            return ExplodeResult::DistanceBeforeStart;
        }
    }
}

} // namespace

ExplodeResult Explode(const ReadBytes& read, const WriteBytes& write) {
    BitInput input(read);
    if (input.Start() < kMinimumStream) {
        return ExplodeResult::ShortStream;
    }
    OutputWindow output(write);
    const ExplodeResult result = Decode(input, output);
    output.Flush();
    return result;
}

} // namespace umbrant
