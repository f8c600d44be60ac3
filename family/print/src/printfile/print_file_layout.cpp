#include "family/print/src/printfile/print_file_layout.h"

#include "platform/bytes/byte_order.h"

#include <algorithm>
#include <cstring>

namespace pressel {
namespace {

constexpr char kMagic[] = "HuxF";

void StoreName(std::uint8_t* field, std::size_t fieldSize, const std::string& name) {
    const std::size_t length = std::min(name.size(), fieldSize - 1);
    std::memcpy(field, name.data(), length);
}

std::string LoadName(const std::uint8_t* field, std::size_t fieldSize) {
    const auto* text = reinterpret_cast<const char*>(field);
    return std::string(text, strnlen(text, fieldSize));
}

void StoreI16(std::uint8_t* p, std::int16_t value) {
    bytes::StoreU16LE(p, static_cast<std::uint16_t>(value));
}

void StoreI32(std::uint8_t* p, std::int32_t value) {
    bytes::StoreU32LE(p, static_cast<std::uint32_t>(value));
}

std::int16_t LoadI16(const std::uint8_t* p) {
    return static_cast<std::int16_t>(bytes::LoadU16LE(p));
}

std::int32_t LoadI32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(bytes::LoadU32LE(p));
}

void StoreRunStyle(std::uint8_t* p, const RunStyle& style) {
    p[0] = style.flags;
    p[1] = style.font;
    StoreI16(p + 2, style.height);
    p[4] = style.textColour;
    p[5] = style.backgroundColour;
}

RunStyle LoadRunStyle(const std::uint8_t* p) {
    return RunStyle{p[0], p[1], LoadI16(p + 2), p[4], p[5]};
}

void StorePage(std::uint8_t* p, const PageRecord& page) {
    const std::int16_t fields[] = {page.firstFooterLine, page.footerBottom,  page.firstHeaderLine,
                                   page.headerTop,       page.firstBodyLine, page.xOrigin,
                                   page.bodyTop,         page.width};
    for (const std::int16_t field : fields) {
        StoreI16(p, field);
        p += 2;
    }
}

PageRecord LoadPage(const std::uint8_t* p) {
    return PageRecord{LoadI16(p),     LoadI16(p + 2),  LoadI16(p + 4),  LoadI16(p + 6),
                      LoadI16(p + 8), LoadI16(p + 10), LoadI16(p + 12), LoadI16(p + 14)};
}

void StoreLine(std::uint8_t* p, const LineRecord& line) {
    StoreI16(p, line.ascent);
    StoreRunStyle(p + 2, line.style);
    StoreI16(p + 8, line.descent);
    StoreI16(p + 10, line.x);
    StoreI32(p + 12, line.justifyFrom);
    p[16] = static_cast<std::uint8_t>(line.breakCount);
    StoreI16(p + 17, line.breakExtra);
    StoreI32(p + 19, line.streamOffset);
}

LineRecord LoadLine(const std::uint8_t* p) {
    LineRecord line;
    line.ascent = LoadI16(p);
    line.style = LoadRunStyle(p + 2);
    line.descent = LoadI16(p + 8);
    line.x = LoadI16(p + 10);
    line.justifyFrom = LoadI32(p + 12);
    line.breakCount = static_cast<std::int8_t>(p[16]);
    line.breakExtra = LoadI16(p + 17);
    line.streamOffset = LoadI32(p + 19);
    return line;
}

} // namespace

std::vector<std::uint8_t> EncodePrintFileHeader(const PrintFileHeader& header) {
    std::vector<std::uint8_t> block(kPrintFileHeaderSize, 0);
    std::uint8_t* const base = block.data();
    std::memcpy(base, kMagic, 4);
    StoreI16(base + kDefaultFontOffset, header.defaultFont);
    for (int i = 0; i < kMaxFonts; ++i) {
        std::uint8_t* const record = base + kFontTableOffset + i * kFontRecordSize;
        StoreName(record, kFaceNameSize, header.fonts[i].faceName);
        record[kFaceNameSize] = header.fonts[i].charSet;
        record[kFaceNameSize + 1] = header.fonts[i].pitchAndFamily;
    }
    for (int i = 0; i < kMaxColours; ++i) {
        bytes::StoreU32LE(base + kColourTableOffset + i * 4, header.colours[i]);
    }
    StoreI16(base + kPageCountOffset, header.pageCount);
    for (int i = 0; i < kPageRecords; ++i) {
        StorePage(base + kPageTableOffset + i * kPageRecordSize, header.pages[i]);
    }
    const std::size_t lineCount = std::min<std::size_t>(header.lines.size(), kLineRecords);
    for (std::size_t i = 0; i < lineCount; ++i) {
        StoreLine(base + kLineTableOffset + i * kLineRecordSize, header.lines[i]);
    }
    StoreI16(base + kPictureCountOffset, header.pictureCount);
    for (int i = 0; i < kMaxPictures; ++i) {
        bytes::StoreU32LE(base + kPictureTableOffset + i * 4, header.pictures[i]);
    }
    StoreName(base + kPrinterNamesOffset, kPrinterNameSize, header.printerDriver);
    StoreName(base + kPrinterNamesOffset + kPrinterNameSize, kPrinterNameSize,
              header.printerDevice);
    StoreName(base + kPrinterNamesOffset + 2 * kPrinterNameSize, kPrinterNameSize,
              header.printerPort);
    return block;
}

PrintFileHeader DecodePrintFileHeader(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> block(kPrintFileHeaderSize, 0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), block.size()), block.begin());
    const std::uint8_t* const base = block.data();

    PrintFileHeader header;
    header.defaultFont = LoadI16(base + kDefaultFontOffset);
    for (int i = 0; i < kMaxFonts; ++i) {
        const std::uint8_t* const record = base + kFontTableOffset + i * kFontRecordSize;
        header.fonts[i] = FontRecord{LoadName(record, kFaceNameSize), record[kFaceNameSize],
                                     record[kFaceNameSize + 1]};
    }
    for (int i = 0; i < kMaxColours; ++i) {
        header.colours[i] = bytes::LoadU32LE(base + kColourTableOffset + i * 4);
    }
    header.pageCount = LoadI16(base + kPageCountOffset);
    for (int i = 0; i < kPageRecords; ++i) {
        header.pages[i] = LoadPage(base + kPageTableOffset + i * kPageRecordSize);
    }
    for (int i = 0; i < kLineRecords; ++i) {
        header.lines[i] = LoadLine(base + kLineTableOffset + i * kLineRecordSize);
    }
    header.pictureCount = LoadI16(base + kPictureCountOffset);
    for (int i = 0; i < kMaxPictures; ++i) {
        header.pictures[i] = bytes::LoadU32LE(base + kPictureTableOffset + i * 4);
    }
    header.printerDriver = LoadName(base + kPrinterNamesOffset, kPrinterNameSize);
    header.printerDevice =
        LoadName(base + kPrinterNamesOffset + kPrinterNameSize, kPrinterNameSize);
    header.printerPort =
        LoadName(base + kPrinterNamesOffset + 2 * kPrinterNameSize, kPrinterNameSize);
    return header;
}

} // namespace pressel
