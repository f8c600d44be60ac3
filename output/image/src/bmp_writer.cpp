#include "output/image/bmp_writer.h"

#include "output/image/src/dib_rows.h"
#include "output/image/src/image_file.h"

#include "platform/bytes/byte_order.h"

#include <exception>
#include <limits>

namespace output {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
// Zero bytes between the colour table and the pixels, counted by the pixel offset.
constexpr std::size_t kGapBytes = 4;

void PutInfoHeader(std::vector<std::uint8_t>& out, const BITMAPINFOHEADER& header) {
    bytes::PutU32LE(out, header.biSize);
    bytes::PutU32LE(out, static_cast<std::uint32_t>(header.biWidth));
    bytes::PutU32LE(out, static_cast<std::uint32_t>(header.biHeight));
    bytes::PutU16LE(out, header.biPlanes);
    bytes::PutU16LE(out, header.biBitCount);
    bytes::PutU32LE(out, header.biCompression);
    bytes::PutU32LE(out, header.biSizeImage);
    bytes::PutU32LE(out, static_cast<std::uint32_t>(header.biXPelsPerMeter));
    bytes::PutU32LE(out, static_cast<std::uint32_t>(header.biYPelsPerMeter));
    bytes::PutU32LE(out, header.biClrUsed);
    bytes::PutU32LE(out, header.biClrImportant);
}

// Empty when the file would pass the 4 GB its size field can say.
std::vector<std::uint8_t> BmpFileBytes(const DibRows& rows) {
    const std::size_t pixelOffset =
        kFileHeaderBytes + kInfoHeaderBytes + rows.table.size() + kGapBytes;
    const std::size_t fileSize = pixelOffset + rows.bits.size();
    if (fileSize > std::numeric_limits<std::uint32_t>::max()) {
        return {};
    }
    std::vector<std::uint8_t> out;
    out.reserve(fileSize);
    out.push_back('B');
    out.push_back('M');
    bytes::PutU32LE(out, static_cast<std::uint32_t>(fileSize));
    bytes::PutU16LE(out, 0);
    bytes::PutU16LE(out, 0);
    bytes::PutU32LE(out, static_cast<std::uint32_t>(pixelOffset));
    PutInfoHeader(out, rows.header);
    out.insert(out.end(), rows.table.begin(), rows.table.end());
    out.resize(pixelOffset, 0);
    out.insert(out.end(), rows.bits.begin(), rows.bits.end());
    return out;
}

} // namespace

BmpWriteResult WriteBmpFile(std::string_view name, HBITMAP bitmap) {
    try {
        const std::optional<int> bitCount = OwnBitCount(bitmap);
        if (!bitCount) {
            return BmpWriteResult::CannotWriteFile;
        }
        const std::optional<DibRows> rows = ReadDibRows(bitmap, *bitCount, RowOrder::BottomUp);
        if (!rows) {
            return BmpWriteResult::CannotWriteFile;
        }
        const std::vector<std::uint8_t> file = BmpFileBytes(*rows);
        if (file.empty() || !WriteImageFile(name, ".bmp", file)) {
            return BmpWriteResult::CannotWriteFile;
        }
    } catch (const std::exception&) {
        return BmpWriteResult::CannotWriteFile;
    }
    return BmpWriteResult::OK;
}

} // namespace output
