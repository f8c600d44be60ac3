#include "family/print/src/convert/rtf_picture.h"

#include "platform/bytes/byte_order.h"

#include <cstdint>
#include <new>
#include <optional>
#include <vector>

namespace pressel {
namespace {

constexpr std::size_t kMetafileHeaderBytes = 18;
constexpr std::size_t kMetafileSizeOffset = 6;
constexpr std::uint32_t kMetafileHeaderWords = 9;
constexpr std::uint32_t kWordsPerProgressStep = 2048;

// META_STRETCHDIB: source height and width, bytes from the record's start.
constexpr std::size_t kSourceHeightOffset = 12;
constexpr std::size_t kSourceWidthOffset = 14;
constexpr std::size_t kSourceEnd = 16;
// A picture holds at least one bit a pixel, so a source larger than eight pixels a byte of its
// record cannot lie inside the record's picture.
constexpr std::uint64_t kMostPixelsPerByte = 8;

// The value of a lower-case hexadecimal digit, or nothing.
std::optional<int> HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return std::nullopt;
}

// The next byte of picture data, line breaks skipped; `closed` tells whether reading stopped at
// the group's closing brace or the end of input.
std::optional<BYTE> ReadHexByte(RtfTokenizer& tokenizer, bool& closed) {
    int value = 0;
    for (int digits = 0; digits < 2;) {
        char c = 0;
        if (!tokenizer.ReadChar(c) || c == '}') {
            closed = true;
            return std::nullopt;
        }
        if (c == '\r' || c == '\n') {
            continue;
        }
        const std::optional<int> digit = HexValue(c);
        if (!digit) {
            return std::nullopt;
        }
        value = value * 16 + *digit;
        ++digits;
    }
    return static_cast<BYTE>(value);
}

struct StretchDibPlay {
    HDC screen = nullptr;
    OwnedBitmap picture;
};

int PlayStretchDib(HDC screen, HANDLETABLE* handles, METARECORD* record, int objects, LPARAM data) {
    const std::uint64_t length = std::uint64_t{record->rdSize} * 2;
    if (record->rdFunction != META_STRETCHDIB || length < kSourceEnd) {
        return 1;
    }
    const BYTE* bytes = reinterpret_cast<const BYTE*>(record);
    const int height = static_cast<std::int16_t>(bytes::LoadU16LE(bytes + kSourceHeightOffset));
    const int width = static_cast<std::int16_t>(bytes::LoadU16LE(bytes + kSourceWidthOffset));
    if (width <= 0 || height <= 0 ||
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) >
            length * kMostPixelsPerByte) {
        return 1;
    }
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    const HDC memory = CreateCompatibleDC(screen);
    bool played = false;
    if (bitmap && memory != nullptr) {
        const HGDIOBJ previous = SelectObject(memory, bitmap.get());
        played = PlayMetaFileRecord(memory, handles, record, static_cast<UINT>(objects)) != 0;
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    if (played) {
        // The last record wins; the bitmap of an earlier one is deleted here.
        reinterpret_cast<StretchDibPlay*>(data)->picture = std::move(bitmap);
    }
    return 1;
}

} // namespace

OwnedBitmap MetafileBitmap(std::span<const BYTE> bits) {
    const HMETAFILE metafile = SetMetaFileBitsEx(static_cast<UINT>(bits.size()), bits.data());
    if (metafile == nullptr) {
        return nullptr;
    }
    StretchDibPlay play;
    play.screen = GetDC(nullptr);
    EnumMetaFile(play.screen, metafile, PlayStretchDib, reinterpret_cast<LPARAM>(&play));
    ReleaseDC(nullptr, play.screen);
    DeleteMetaFile(metafile);
    return std::move(play.picture);
}

TemplatePicture ReadTemplatePicture(RtfTokenizer& tokenizer, std::string_view headerDigits,
                                    const std::function<void()>& progress) {
    TemplatePicture picture;
    if (headerDigits.size() != 2 * kMetafileHeaderBytes) {
        return picture;
    }
    BYTE header[kMetafileHeaderBytes];
    for (std::size_t i = 0; i < kMetafileHeaderBytes; ++i) {
        const std::optional<int> high = HexValue(headerDigits[2 * i]);
        const std::optional<int> low = HexValue(headerDigits[2 * i + 1]);
        if (!high || !low) {
            return picture;
        }
        header[i] = static_cast<BYTE>(*high * 16 + *low);
    }
    // Each word still to come takes four digits of the template.
    const std::uint32_t words = bytes::LoadU32LE(header + kMetafileSizeOffset);
    const std::int64_t left = tokenizer.Size() - tokenizer.Tell();
    if (words < kMetafileHeaderWords ||
        static_cast<std::int64_t>(words - kMetafileHeaderWords) > left / 4) {
        return picture;
    }
    std::vector<BYTE> bits;
    try {
        bits.assign(std::size_t{words} * 2, 0);
    } catch (const std::bad_alloc&) {
        return picture;
    }
    std::copy(std::begin(header), std::end(header), bits.begin());
    for (std::uint32_t word = 1; word <= words - kMetafileHeaderWords; ++word) {
        for (std::size_t i = 0; i < 2; ++i) {
            const std::optional<BYTE> byte = ReadHexByte(tokenizer, picture.groupClosed);
            if (!byte) {
                return picture;
            }
            bits[(kMetafileHeaderWords + word - 1) * 2 + i] = *byte;
        }
        if (word % kWordsPerProgressStep == 0 && progress) {
            progress();
        }
    }
    picture.bitmap = MetafileBitmap(bits);
    return picture;
}

} // namespace pressel
