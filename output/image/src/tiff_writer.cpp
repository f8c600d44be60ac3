#include "output/image/tiff_writer.h"

#include "output/image/src/dib_rows.h"
#include "output/image/src/image_file.h"

#include "platform/bytes/byte_order.h"

#include <algorithm>
#include <array>
#include <exception>
#include <limits>
#include <optional>

namespace output {

namespace {

enum class FieldType : std::uint16_t { Short = 3, Long = 4, Rational = 5 };

enum class Photometric : std::uint16_t { WhiteIsZero = 0, BlackIsZero = 1, Rgb = 2 };

constexpr std::uint32_t kHeaderBytes = 8;
constexpr std::uint16_t kEntryCount = 13;
constexpr std::uint32_t kDirectoryBytes = 2 + kEntryCount * 12 + 4;
constexpr std::uint16_t kNoCompression = 1;
constexpr std::uint16_t kChunky = 1;
constexpr std::uint16_t kInch = 2;

// The picture as it goes into the file: rows top first, without padding.
struct TiffImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    Photometric photometric = Photometric::Rgb;
    std::vector<std::uint8_t> rows;
};

// A black-and-white bitmap's rows as they stand; the table decides which bit value is black.
// Nullopt for a table of other colours.
std::optional<TiffImage> BilevelImage(const DibRows& dib) {
    constexpr std::array<std::uint8_t, 8> kBlackWhite{0, 0, 0, 0, 255, 255, 255, 0};
    constexpr std::array<std::uint8_t, 8> kWhiteBlack{255, 255, 255, 0, 0, 0, 0, 0};
    TiffImage image;
    if (std::equal(dib.table.begin(), dib.table.end(), kBlackWhite.begin(), kBlackWhite.end())) {
        image.photometric = Photometric::BlackIsZero;
    } else if (std::equal(dib.table.begin(), dib.table.end(), kWhiteBlack.begin(),
                          kWhiteBlack.end())) {
        image.photometric = Photometric::WhiteIsZero;
    } else {
        return std::nullopt;
    }
    image.width = static_cast<std::uint32_t>(dib.width);
    image.height = static_cast<std::uint32_t>(dib.height);
    const std::size_t rowBytes = (static_cast<std::size_t>(dib.width) + 7) / 8;
    image.rows.reserve(rowBytes * static_cast<std::size_t>(dib.height));
    for (int y = 0; y < dib.height; ++y) {
        image.rows.insert(image.rows.end(), dib.Row(y), dib.Row(y) + rowBytes);
    }
    return image;
}

// 24-bit rows (blue, green, red) made red, green, blue.
TiffImage RgbImage(const DibRows& dib) {
    TiffImage image;
    image.width = static_cast<std::uint32_t>(dib.width);
    image.height = static_cast<std::uint32_t>(dib.height);
    image.photometric = Photometric::Rgb;
    image.rows.reserve(static_cast<std::size_t>(dib.width) * 3 *
                       static_cast<std::size_t>(dib.height));
    for (int y = 0; y < dib.height; ++y) {
        const std::uint8_t* pixel = dib.Row(y);
        for (int x = 0; x < dib.width; ++x, pixel += 3) {
            image.rows.push_back(pixel[2]);
            image.rows.push_back(pixel[1]);
            image.rows.push_back(pixel[0]);
        }
    }
    return image;
}

std::optional<TiffImage> ReadImage(HBITMAP bitmap) {
    const std::optional<int> bitCount = OwnBitCount(bitmap);
    if (!bitCount) {
        return std::nullopt;
    }
    if (*bitCount == 1) {
        const std::optional<DibRows> dib = ReadDibRows(bitmap, 1, RowOrder::TopDown);
        if (!dib) {
            return std::nullopt;
        }
        if (std::optional<TiffImage> bilevel = BilevelImage(*dib)) {
            return bilevel;
        }
    }
    std::optional<DibRows> dib = ReadDibRows(bitmap, 24, RowOrder::TopDown);
    if (!dib) {
        return std::nullopt;
    }
    return RgbImage(*dib);
}

void PutEntry(std::vector<std::uint8_t>& out, std::uint16_t tag, FieldType type,
              std::uint32_t count, std::uint32_t value) {
    bytes::PutU16LE(out, tag);
    bytes::PutU16LE(out, static_cast<std::uint16_t>(type));
    bytes::PutU32LE(out, count);
    // A single SHORT stands in the first two bytes of the value field.
    if (type == FieldType::Short && count == 1) {
        bytes::PutU16LE(out, static_cast<std::uint16_t>(value));
        bytes::PutU16LE(out, 0);
    } else {
        bytes::PutU32LE(out, value);
    }
}

// Empty when the file would pass the 4 GB its offsets can reach.
std::vector<std::uint8_t> TiffFileBytes(const TiffImage& image, std::uint32_t pixelsPerInch) {
    const bool rgb = image.photometric == Photometric::Rgb;
    const std::uint16_t samples = rgb ? 3 : 1;
    const std::uint32_t bitsPerSampleOffset = kHeaderBytes + kDirectoryBytes;
    const std::uint32_t xResolutionOffset = bitsPerSampleOffset + (rgb ? 6 : 0);
    const std::uint32_t yResolutionOffset = xResolutionOffset + 8;
    const std::uint32_t stripOffset = yResolutionOffset + 8;
    if (image.rows.size() > std::numeric_limits<std::uint32_t>::max() - stripOffset) {
        return {};
    }
    const auto stripBytes = static_cast<std::uint32_t>(image.rows.size());

    std::vector<std::uint8_t> out;
    out.reserve(stripOffset + image.rows.size());
    out.push_back('I');
    out.push_back('I');
    bytes::PutU16LE(out, 42);
    bytes::PutU32LE(out, kHeaderBytes);

    bytes::PutU16LE(out, kEntryCount);
    PutEntry(out, 256, FieldType::Long, 1, image.width);  // ImageWidth
    PutEntry(out, 257, FieldType::Long, 1, image.height); // ImageLength
    PutEntry(out, 258, FieldType::Short, samples,         // BitsPerSample
             rgb ? bitsPerSampleOffset : 1);
    PutEntry(out, 259, FieldType::Short, 1, kNoCompression); // Compression
    PutEntry(out, 262, FieldType::Short, 1,                  // PhotometricInterpretation
             static_cast<std::uint16_t>(image.photometric));
    PutEntry(out, 273, FieldType::Long, 1, stripOffset);           // StripOffsets
    PutEntry(out, 277, FieldType::Short, 1, samples);              // SamplesPerPixel
    PutEntry(out, 278, FieldType::Long, 1, image.height);          // RowsPerStrip
    PutEntry(out, 279, FieldType::Long, 1, stripBytes);            // StripByteCounts
    PutEntry(out, 282, FieldType::Rational, 1, xResolutionOffset); // XResolution
    PutEntry(out, 283, FieldType::Rational, 1, yResolutionOffset); // YResolution
    PutEntry(out, 284, FieldType::Short, 1, kChunky);              // PlanarConfiguration
    PutEntry(out, 296, FieldType::Short, 1, kInch);                // ResolutionUnit
    bytes::PutU32LE(out, 0);

    if (rgb) {
        for (int sample = 0; sample < 3; ++sample) {
            bytes::PutU16LE(out, 8);
        }
    }
    for (int axis = 0; axis < 2; ++axis) {
        bytes::PutU32LE(out, pixelsPerInch);
        bytes::PutU32LE(out, 1);
    }
    out.insert(out.end(), image.rows.begin(), image.rows.end());
    return out;
}

} // namespace

TiffWriteResult WriteTiffFile(std::string_view name, HBITMAP bitmap, std::int32_t pixelsPerInch) {
    if (pixelsPerInch < 1) {
        return TiffWriteResult::CannotWriteFile;
    }
    try {
        const std::optional<TiffImage> image = ReadImage(bitmap);
        if (!image) {
            return TiffWriteResult::CannotWriteFile;
        }
        const std::vector<std::uint8_t> file =
            TiffFileBytes(*image, static_cast<std::uint32_t>(pixelsPerInch));
        if (file.empty() || !WriteImageFile(name, ".tif", file)) {
            return TiffWriteResult::CannotWriteFile;
        }
    } catch (const std::exception&) {
        return TiffWriteResult::CannotWriteFile;
    }
    return TiffWriteResult::OK;
}

} // namespace output
