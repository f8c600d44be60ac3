// The PDF LZW encoder against a reader written from the filter's definition: 9- to 12-bit codes,
// most significant bit first, the code width growing one entry early.
#include "output/canvas/src/pdf_lzw.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

namespace {

// Answers nothing when the codes are not a valid stream that ends with the end-of-data code.
std::optional<std::vector<std::uint8_t>> Decode(const std::string& bytes) {
    std::size_t bit = 0;
    auto read = [&](int width) -> std::optional<std::uint32_t> {
        if (bit + static_cast<std::size_t>(width) > bytes.size() * 8) {
            return std::nullopt;
        }
        std::uint32_t code = 0;
        for (int i = 0; i < width; ++i, ++bit) {
            code =
                (code << 1) | ((static_cast<unsigned char>(bytes[bit / 8]) >> (7 - bit % 8)) & 1);
        }
        return code;
    };
    std::vector<std::vector<std::uint8_t>> table;
    auto reset = [&] {
        table.clear();
        for (int i = 0; i < 258; ++i) {
            table.push_back({static_cast<std::uint8_t>(i)});
        }
    };
    reset();
    std::vector<std::uint8_t> out;
    std::optional<std::vector<std::uint8_t>> previous;
    int width = 9;
    while (true) {
        std::optional<std::uint32_t> code = read(width);
        if (!code) {
            return std::nullopt;
        }
        if (*code == 256) {
            reset();
            previous.reset();
            width = 9;
            continue;
        }
        if (*code == 257) {
            return out;
        }
        std::vector<std::uint8_t> entry;
        if (*code < table.size()) {
            entry = table[*code];
        } else if (*code == table.size() && previous) {
            entry = *previous;
            entry.push_back(previous->front());
        } else {
            return std::nullopt;
        }
        if (previous) {
            std::vector<std::uint8_t> added = *previous;
            added.push_back(entry.front());
            table.push_back(added);
        }
        out.insert(out.end(), entry.begin(), entry.end());
        previous = entry;
        if (table.size() + 1 >= (std::size_t{1} << width) && width < 12) {
            ++width;
        }
    }
}

TEST(PdfLzw, EmptyInputIsAClearAndTheEnd) {
    EXPECT_EQ(output::PdfLzwEncode({}), std::string("\x80\x40\x40", 3));
}

TEST(PdfLzw, EveryLengthReadsBack) {
    // Lengths around every change of code width and past table resets, in noise and in runs.
    std::mt19937 random(1);
    std::vector<std::uint8_t> noise(70000);
    for (std::uint8_t& byte : noise) {
        byte = static_cast<std::uint8_t>(random() % 7);
    }
    std::vector<std::size_t> lengths;
    for (std::size_t n = 0; n < 1400; ++n) {
        lengths.push_back(n);
    }
    lengths.insert(lengths.end(), {4000, 9000, 20011, 70000});
    for (std::size_t length : lengths) {
        SCOPED_TRACE(length);
        std::span<const std::uint8_t> data(noise.data(), length);
        std::optional<std::vector<std::uint8_t>> back = Decode(output::PdfLzwEncode(data));
        ASSERT_TRUE(back.has_value());
        ASSERT_TRUE(std::equal(back->begin(), back->end(), data.begin(), data.end()));
    }
    std::vector<std::uint8_t> run(100000, 0x41);
    EXPECT_EQ(Decode(output::PdfLzwEncode(run)), run);
}

} // namespace
