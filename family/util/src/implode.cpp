#include "family/util/src/implode.h"

#include "family/util/src/dcl_codes.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace umbrant {

namespace {

constexpr std::size_t kInputBlock = 4096;
constexpr std::size_t kOutputChunk = 2048;
constexpr std::size_t kLongestMatch = 516;
// A match this long is taken at once, without looking at the next position.
constexpr std::size_t kGoodMatch = 8;
// Two-byte matches reach back at most 256 bytes: their distance has two low bits.
constexpr std::size_t kFarthestPairDistance = 256;
// A match one byte longer at the next position wins only over a match farther than this.
constexpr std::size_t kNearDistance = 129;
constexpr int kHashBuckets = 2304;
constexpr int kNoPosition = -1;

// Bits packed from the least significant bit of each byte, written in chunks of 2048 bytes.
class BitOutput {
public:
    explicit BitOutput(const WriteBytes& write) : write_(write) { chunk_.reserve(kOutputChunk); }

    void Put(unsigned bits, int count) {
        buffer_ |= bits << held_;
        held_ += count;
        while (held_ >= 8) {
            PutByte(static_cast<std::uint8_t>(buffer_));
            buffer_ >>= 8;
            held_ -= 8;
        }
    }

    // Writes the last, partly filled byte (its unused bits 0) and whatever is left.
    void Finish() {
        if (held_ > 0) {
            PutByte(static_cast<std::uint8_t>(buffer_));
        }
        buffer_ = 0;
        held_ = 0;
        if (!chunk_.empty()) {
            write_(chunk_.data(), chunk_.size());
            chunk_.clear();
        }
    }

private:
    void PutByte(std::uint8_t byte) {
        chunk_.push_back(byte);
        if (chunk_.size() == kOutputChunk) {
            write_(chunk_.data(), chunk_.size());
            chunk_.clear();
        }
    }

    const WriteBytes& write_;
    std::vector<std::uint8_t> chunk_;
    unsigned buffer_ = 0;
    int held_ = 0;
};

template <int kSymbols>
void PutSymbol(BitOutput& output, const PrefixCode<kSymbols>& code, int symbol) {
    output.Put(code.streamBits[symbol], code.bitCount[symbol]);
}

int LengthSymbol(std::size_t length) {
    int symbol = 0;
    while (length < kLengthBase[symbol] ||
           length >= kLengthBase[symbol] + (1U << kLengthExtraBits[symbol])) {
        ++symbol;
    }
    return symbol;
}

struct Match {
    std::size_t length = 0;
    std::size_t distance = 0; // 1 for the byte just before
};

class Imploder {
public:
    Imploder(const ReadBytes& read, BitOutput& output, LiteralCoding coding, int dictionaryBits)
        : read_(read), output_(output), coding_(coding), dictionaryBits_(dictionaryBits),
          dictionarySize_(std::size_t{1} << (dictionaryBits + 6)),
          window_(dictionarySize_ + kLongestMatch + kInputBlock), previous_(window_.size()) {
        std::fill(std::begin(head_), std::end(head_), kNoPosition);
    }

    void Run() {
        output_.Put(static_cast<unsigned>(coding_), 8);
        output_.Put(static_cast<unsigned>(dictionaryBits_), 8);
        bool ended = false;
        while (!ended) {
            Slide();
            ended = ReadBlock();
            // Until the input has ended, the last bytes wait for the next block, so that every
            // match can run its full length.
            const std::size_t limit =
                ended ? end_ : (end_ > kLongestMatch ? end_ - kLongestMatch : 0);
            CodeUpTo(limit);
        }
        output_.Put(1, 1);
        const int endSymbol = kLengthSymbols - 1;
        PutSymbol(output_, LengthCode(), endSymbol);
        output_.Put(kEndOfStreamLength - kLengthBase[endSymbol], kLengthExtraBits[endSymbol]);
        output_.Finish();
    }

private:
    // Appends up to one block; answers whether the input has ended.
    bool ReadBlock() {
        const std::size_t blockEnd = end_ + kInputBlock;
        while (end_ < blockEnd) {
            const std::size_t delivered = read_(window_.data() + end_, blockEnd - end_);
            if (delivered == 0) {
                return true;
            }
            end_ += std::min(delivered, blockEnd - end_);
        }
        return false;
    }

    // Drops what lies farther back than the dictionary reaches from the next position.
    void Slide() {
        if (position_ <= dictionarySize_) {
            return;
        }
        const std::size_t shift = position_ - dictionarySize_;
        // Positions never entered in the chains before the cut are out of reach anyway.
        inserted_ = std::max(inserted_, shift);
        std::memmove(window_.data(), window_.data() + shift, end_ - shift);
        std::memmove(previous_.data(), previous_.data() + shift, (inserted_ - shift) * sizeof(int));
        const auto moved = [shift](int& entry) {
            entry =
                entry >= static_cast<int>(shift) ? entry - static_cast<int>(shift) : kNoPosition;
        };
        std::for_each(std::begin(head_), std::end(head_), moved);
        std::for_each(previous_.begin(), previous_.begin() + (inserted_ - shift), moved);
        end_ -= shift;
        position_ -= shift;
        inserted_ -= shift;
    }

    int Hash(std::size_t at) const { return 4 * window_[at] + 5 * window_[at + 1]; }

    // Enters every position before `upTo` in its hash chain.
    void InsertUpTo(std::size_t upTo) {
        for (; inserted_ < upTo; ++inserted_) {
            const int hash = Hash(inserted_);
            previous_[inserted_] = head_[hash];
            head_[hash] = static_cast<int>(inserted_);
        }
    }

    // The longest match for `at` within the dictionary and the data read, nearest first among
    // equals; a length below 2 means none.
    Match LongestMatch(std::size_t at) {
        Match best;
        if (at + 2 > end_) {
            return best;
        }
        InsertUpTo(at);
        const std::size_t longest = std::min(kLongestMatch, end_ - at);
        for (int candidate = head_[Hash(at)];
             candidate != kNoPosition && at - candidate <= dictionarySize_;
             candidate = previous_[candidate]) {
            const auto from = static_cast<std::size_t>(candidate);
            std::size_t length = 0;
            while (length < longest && window_[from + length] == window_[at + length]) {
                ++length;
            }
            if (length > best.length) {
                best = {length, at - from};
                if (length == longest) {
                    break;
                }
            }
        }
        if (best.length < 2) {
            best = {};
        }
        return best;
    }

    static bool Usable(const Match& match) {
        return match.length >= 2 && !(match.length == 2 && match.distance > kFarthestPairDistance);
    }

    void CodeUpTo(std::size_t limit) {
        while (position_ < limit) {
            const Match match = LongestMatch(position_);
            if (!Usable(match)) {
                PutLiteral(window_[position_++]);
                continue;
            }
            if (match.length < kGoodMatch && position_ + 1 != limit) {
                const Match next = LongestMatch(position_ + 1);
                const bool nextIsBetter =
                    next.length > match.length + 1 ||
                    (next.length == match.length + 1 && match.distance > kNearDistance);
                if (nextIsBetter) {
                    PutLiteral(window_[position_++]);
                    continue;
                }
            }
            PutCopy(match);
            position_ += match.length;
        }
    }

    void PutLiteral(std::uint8_t byte) {
        output_.Put(0, 1);
        if (coding_ == LiteralCoding::Ascii) {
            PutSymbol(output_, LiteralCode(), byte);
        } else {
            output_.Put(byte, 8);
        }
    }

    void PutCopy(const Match& match) {
        output_.Put(1, 1);
        const int symbol = LengthSymbol(match.length);
        PutSymbol(output_, LengthCode(), symbol);
        output_.Put(static_cast<unsigned>(match.length - kLengthBase[symbol]),
                    kLengthExtraBits[symbol]);
        const int lowBits = match.length == 2 ? 2 : dictionaryBits_;
        const auto coded = static_cast<unsigned>(match.distance - 1);
        PutSymbol(output_, DistanceCode(), static_cast<int>(coded >> lowBits));
        output_.Put(coded & ((1U << lowBits) - 1U), lowBits);
    }

    const ReadBytes& read_;
    BitOutput& output_;
    const LiteralCoding coding_;
    const int dictionaryBits_;
    const std::size_t dictionarySize_;
    std::vector<std::uint8_t> window_;
    // Per position of the window, the previous position with the same hash.
    std::vector<int> previous_;
    int head_[kHashBuckets];
    std::size_t end_ = 0;      // bytes held
    std::size_t position_ = 0; // next position to code
    std::size_t inserted_ = 0; // positions before this are in the hash chains
};

} // namespace

ImplodeResult Implode(const ReadBytes& read, const WriteBytes& write, int coding,
                      unsigned dictionarySize) {
    int dictionaryBits = 0;
    switch (dictionarySize) {
    case 1024:
        dictionaryBits = 4;
        break;
    case 2048:
        dictionaryBits = 5;
        break;
    case 4096:
        dictionaryBits = 6;
        break;
    default:
        return ImplodeResult::BadDictionarySize;
    }
    if (coding != static_cast<int>(LiteralCoding::Binary) &&
        coding != static_cast<int>(LiteralCoding::Ascii)) {
        return ImplodeResult::BadCoding;
    }
    BitOutput output(write);
    Imploder(read, output, static_cast<LiteralCoding>(coding), dictionaryBits).Run();
    return ImplodeResult::Done;
}

} // namespace umbrant
