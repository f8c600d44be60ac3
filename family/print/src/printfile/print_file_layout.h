// The print file: a fixed header of fonts, colours, pages and lines, then the token stream the
// lines point into. The file lives only within one run of the host, between conversion and
// deletion; its header is held in memory as the structures below and written or read whole.
//
// The page table holds one record more than the 25 pages a document may have: the record after
// the last page marks where that page's line ranges end, so even a full document keeps its
// marker out of the line table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pressel {

inline constexpr int kMaxFonts = 10;
inline constexpr int kMaxColours = 20;
inline constexpr int kMaxPages = 25;
inline constexpr int kPageRecords = kMaxPages + 1;
inline constexpr int kLineRecords = 1875;
// Body lines fill records [0, kFirstHeaderFooterLine); header and footer lines the rest.
inline constexpr int kFirstHeaderFooterLine = 1725;
inline constexpr int kMaxPictures = 50;
inline constexpr std::size_t kFaceNameSize = 32;
inline constexpr std::size_t kPrinterNameSize = 64;

inline constexpr std::size_t kFontRecordSize = 34;
inline constexpr std::size_t kPageRecordSize = 16;
inline constexpr std::size_t kLineRecordSize = 23;
inline constexpr std::size_t kRunStyleSize = 6;

inline constexpr std::size_t kDefaultFontOffset = 16;
inline constexpr std::size_t kFontTableOffset = 18;
inline constexpr std::size_t kColourTableOffset = kFontTableOffset + kMaxFonts * kFontRecordSize;
inline constexpr std::size_t kPageCountOffset = kColourTableOffset + kMaxColours * 4;
inline constexpr std::size_t kPageTableOffset = kPageCountOffset + 2;
inline constexpr std::size_t kLineTableOffset = kPageTableOffset + kPageRecords * kPageRecordSize;
inline constexpr std::size_t kPictureCountOffset =
    kLineTableOffset + kLineRecords * kLineRecordSize;
inline constexpr std::size_t kPictureTableOffset = kPictureCountOffset + 2;
inline constexpr std::size_t kPrinterNamesOffset = kPictureTableOffset + kMaxPictures * 4;
inline constexpr std::size_t kPrintFileHeaderSize = kPrinterNamesOffset + 3 * kPrinterNameSize;

// Style flag bits of a run.
inline constexpr std::uint8_t kBoldFlag = 0x01;
inline constexpr std::uint8_t kItalicFlag = 0x04;
inline constexpr std::uint8_t kUnderlineFlag = 0x08;

// Control codes of the token stream (each follows a 0 byte).
enum PrintCode : int {
    kEndOfData = 0,
    kTextRun = 1,
    kEndOfLine = 3,
    kBackgroundColour = 32,
    kBold = 33,
    kFont = 34,
    kItalic = 36,
    kTextColour = 37,
    kUnderline = 38,
    kFontHeight = 64,
    kMoveToX = 65,
    kPicture = 112,
    kLine = 113,
    kRectangle = 114,
};

// Operand bytes of the three drawing tokens that carry a block.
inline constexpr std::size_t kPictureOperandSize = 5;
inline constexpr std::size_t kLineOperandSize = 22;
inline constexpr std::size_t kRectangleOperandSize = 32;

struct FontRecord {
    std::string faceName; // at most kFaceNameSize - 1 characters
    std::uint8_t charSet = 0;
    std::uint8_t pitchAndFamily = 0;
};

struct RunStyle {
    std::uint8_t flags = 0;
    std::uint8_t font = 0;
    std::int16_t height = 0;
    std::uint8_t textColour = 0;
    std::uint8_t backgroundColour = 0;

    bool operator==(const RunStyle&) const = default;
};

struct PageRecord {
    std::int16_t firstFooterLine = 0;
    std::int16_t footerBottom = 0;
    std::int16_t firstHeaderLine = 0;
    std::int16_t headerTop = 0;
    std::int16_t firstBodyLine = 0;
    std::int16_t xOrigin = 0;
    std::int16_t bodyTop = 0;
    std::int16_t width = 0;

    bool operator==(const PageRecord&) const = default;
};

struct LineRecord {
    std::int16_t ascent = 0;
    RunStyle style;
    std::int16_t descent = 0;
    std::int16_t x = 0;
    std::int32_t justifyFrom = 0;
    std::int8_t breakCount = 0;
    std::int16_t breakExtra = 0;
    std::int32_t streamOffset = 0;

    bool operator==(const LineRecord&) const = default;
};

struct PrintFileHeader {
    std::int16_t defaultFont = 0;
    std::array<FontRecord, kMaxFonts> fonts;
    std::array<std::uint32_t, kMaxColours> colours{};
    std::int16_t pageCount = 0;
    std::array<PageRecord, kPageRecords> pages{};
    std::vector<LineRecord> lines = std::vector<LineRecord>(kLineRecords);
    std::int16_t pictureCount = 0;
    std::array<std::uint32_t, kMaxPictures> pictures{};
    std::string printerDriver;
    std::string printerDevice;
    std::string printerPort;
};

// The header as the file holds it: kPrintFileHeaderSize bytes, magic first. Names too long for
// their field are cut so that the terminating NUL fits.
std::vector<std::uint8_t> EncodePrintFileHeader(const PrintFileHeader& header);

// The header from the start of a file. What the bytes do not hold reads as zero, as a header
// block loaded from a short file would; names stop at their NUL or their field's end.
PrintFileHeader DecodePrintFileHeader(std::span<const std::uint8_t> bytes);

} // namespace pressel
