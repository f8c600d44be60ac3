#include "output/image/gif_writer.h"

#include "output/image/src/dib_rows.h"
#include "output/image/src/gif_lzw.h"
#include "output/image/src/gif_palette.h"
#include "output/image/src/image_file.h"

#include "platform/bytes/byte_order.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <optional>

namespace output {

namespace {

constexpr std::uint32_t kMaxScreenSide = std::numeric_limits<std::uint16_t>::max();
// Image descriptor flags: a local colour table follows, and its colours are sorted by frequency.
constexpr std::uint8_t kLocalColourTable = 0x80;
constexpr std::uint8_t kSortedColourTable = 0x20;

struct GifImage {
    std::uint16_t left = 0;
    std::uint16_t top = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    IndexedImage indexed;
};

// The bitmap's colours, rows from the top. Nullopt when it cannot be read.
std::optional<GifImage> ReadImage(HBITMAP bitmap, std::uint32_t position) {
    const std::optional<DibRows> dib = ReadDibRows(bitmap, 32, RowOrder::TopDown);
    if (!dib || static_cast<std::uint32_t>(dib->width) > kMaxScreenSide ||
        static_cast<std::uint32_t>(dib->height) > kMaxScreenSide) {
        return std::nullopt;
    }
    // 32-bit rows hold blue, green, red and an unused byte.
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(dib->width) * static_cast<std::size_t>(dib->height));
    for (int y = 0; y < dib->height; ++y) {
        const std::uint8_t* pixel = dib->Row(y);
        for (int x = 0; x < dib->width; ++x, pixel += 4) {
            pixels.push_back(RGB(pixel[2], pixel[1], pixel[0]));
        }
    }
    GifImage image;
    image.left = LOWORD(position);
    image.top = HIWORD(position);
    image.width = static_cast<std::uint16_t>(dib->width);
    image.height = static_cast<std::uint16_t>(dib->height);
    image.indexed = IndexColours(pixels);
    return image;
}

void PutImage(std::vector<std::uint8_t>& out, const GifImage& image) {
    const IndexedImage& indexed = image.indexed;
    out.push_back(',');
    bytes::PutU16LE(out, image.left);
    bytes::PutU16LE(out, image.top);
    bytes::PutU16LE(out, image.width);
    bytes::PutU16LE(out, image.height);
    out.push_back(
        static_cast<std::uint8_t>(kLocalColourTable | kSortedColourTable | (indexed.bits - 1)));
    const std::size_t tableEntries = std::size_t{1} << indexed.bits;
    for (std::size_t i = 0; i < tableEntries; ++i) {
        const COLORREF colour = i < indexed.palette.size() ? indexed.palette[i] : 0;
        out.push_back(GetRValue(colour));
        out.push_back(GetGValue(colour));
        out.push_back(GetBValue(colour));
    }
    const int minimumCodeSize = MinimumCodeSize(indexed.bits);
    out.push_back(static_cast<std::uint8_t>(minimumCodeSize));
    AppendSubBlocks(out, CompressLzw(indexed.indices, minimumCodeSize));
}

// Empty when an image cannot be read or the screen would pass 65535 pixels a side.
std::vector<std::uint8_t> GifFileBytes(std::span<const HBITMAP> bitmaps,
                                       std::span<const std::uint32_t> positions,
                                       std::uint16_t minimumWidth, std::uint16_t minimumHeight) {
    std::vector<GifImage> images;
    std::uint32_t screenWidth = minimumWidth;
    std::uint32_t screenHeight = minimumHeight;
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        std::optional<GifImage> image = ReadImage(bitmaps[i], positions.empty() ? 0 : positions[i]);
        if (!image) {
            return {};
        }
        screenWidth = std::max(screenWidth, std::uint32_t{image->left} + image->width);
        screenHeight = std::max(screenHeight, std::uint32_t{image->top} + image->height);
        images.push_back(std::move(*image));
    }
    if (screenWidth > kMaxScreenSide || screenHeight > kMaxScreenSide) {
        return {};
    }

    std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '7', 'a'};
    bytes::PutU16LE(out, static_cast<std::uint16_t>(screenWidth));
    bytes::PutU16LE(out, static_cast<std::uint16_t>(screenHeight));
    out.push_back(0); // no global colour table
    out.push_back(0); // background colour index
    out.push_back(0); // pixel aspect ratio not given
    for (const GifImage& image : images) {
        PutImage(out, image);
    }
    out.push_back(';');
    return out;
}

} // namespace

GifWriteResult GifWriter::Write(std::string_view name, HBITMAP bitmap) {
    return Write(name, std::span<const HBITMAP>(&bitmap, 1), {}, 0, 0);
}

GifWriteResult GifWriter::Write(std::string_view name, std::span<const HBITMAP> bitmaps,
                                std::span<const std::uint32_t> positions,
                                std::uint16_t minimumWidth, std::uint16_t minimumHeight) {
    if (bitmaps.empty() || (!positions.empty() && positions.size() != bitmaps.size())) {
        return GifWriteResult::CannotWriteFile;
    }
    try {
        const std::vector<std::uint8_t> file =
            GifFileBytes(bitmaps, positions, minimumWidth, minimumHeight);
        if (file.empty() || !WriteImageFile(name, ".gif", file)) {
            return GifWriteResult::CannotWriteFile;
        }
    } catch (const std::exception&) {
        return GifWriteResult::CannotWriteFile;
    }
    return GifWriteResult::OK;
}

} // namespace output
