#include "output/image/src/gif_lzw.h"

#include <algorithm>

namespace output {

namespace {

constexpr std::size_t kTableCodes = std::size_t{1} << kMaxLzwCodeWidth;
constexpr std::size_t kMaxSubBlock = 255;

// Codes of varying width, least significant bit first.
class CodePacker {
public:
    void Put(std::uint32_t code, int width) {
        pending_ |= code << pendingBits_;
        pendingBits_ += width;
        while (pendingBits_ >= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(pending_));
            pending_ >>= 8;
            pendingBits_ -= 8;
        }
    }
    std::vector<std::uint8_t> Finish() {
        if (pendingBits_ > 0) {
            bytes_.push_back(static_cast<std::uint8_t>(pending_));
        }
        return std::move(bytes_);
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint32_t pending_ = 0;
    int pendingBits_ = 0;
};

// The string table: the code of (known string's code, next index), 0 when unknown (no added
// code is below clear + 2). Slots in use are listed so that starting afresh clears only them.
class StringTable {
public:
    explicit StringTable(std::size_t alphabet)
        : alphabet_(alphabet), codes_(kTableCodes * alphabet, 0) {}
    std::uint16_t Find(std::uint32_t prefix, std::uint8_t index) const {
        return codes_[Slot(prefix, index)];
    }
    void Add(std::uint32_t prefix, std::uint8_t index, std::uint32_t code) {
        const std::size_t slot = Slot(prefix, index);
        codes_[slot] = static_cast<std::uint16_t>(code);
        used_.push_back(slot);
    }
    void Clear() {
        for (std::size_t slot : used_) {
            codes_[slot] = 0;
        }
        used_.clear();
    }

private:
    std::size_t Slot(std::uint32_t prefix, std::uint8_t index) const {
        return std::size_t{prefix} * alphabet_ + index;
    }
    std::size_t alphabet_;
    std::vector<std::uint16_t> codes_;
    std::vector<std::size_t> used_;
};

} // namespace

int MinimumCodeSize(int bits) {
    return bits == 1 ? 2 : bits;
}

std::vector<std::uint8_t> CompressLzw(std::span<const std::uint8_t> indices, int minimumCodeSize) {
    const std::uint32_t clear = 1u << minimumCodeSize;
    const std::uint32_t end = clear + 1;
    const int firstWidth = minimumCodeSize + 1;
    StringTable table(clear);
    CodePacker packer;
    int width = firstWidth;
    std::uint32_t nextCode = clear + 2;
    packer.Put(clear, width);
    if (indices.empty()) {
        packer.Put(end, width);
        return packer.Finish();
    }

    std::uint32_t known = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::uint8_t index = indices[i];
        if (const std::uint16_t extended = table.Find(known, index); extended != 0) {
            known = extended;
            continue;
        }
        packer.Put(known, width);
        table.Add(known, index, nextCode);
        ++nextCode;
        known = index;
        if (nextCode > (1u << width)) {
            if (width == kMaxLzwCodeWidth) {
                packer.Put(clear, width);
                table.Clear();
                nextCode = clear + 2;
                width = firstWidth;
            } else {
                ++width;
            }
        }
    }
    packer.Put(known, width);
    // A decoder adds an entry on reading that code; should that fill the width, it reads the
    // end code with one bit more.
    if (nextCode == (1u << width) && width < kMaxLzwCodeWidth) {
        ++width;
    }
    packer.Put(end, width);
    return packer.Finish();
}

void AppendSubBlocks(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> data) {
    for (std::size_t start = 0; start < data.size(); start += kMaxSubBlock) {
        const std::size_t length = std::min(kMaxSubBlock, data.size() - start);
        out.push_back(static_cast<std::uint8_t>(length));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(start),
                   data.begin() + static_cast<std::ptrdiff_t>(start + length));
    }
    out.push_back(0);
}

} // namespace output
