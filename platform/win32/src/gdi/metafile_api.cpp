// Windows metafiles held in memory: made from their bytes, enumerated record by record, and of
// their records only the stretched device-independent bitmap played.
//
// Metafile header (18 bytes, little-endian; sizes in 16-bit words):
//   offset 0   u16  type: 1 memory, 2 disk
//   offset 2   u16  header size, 9
//   offset 4   u16  version (not checked: both 0x0100 and 0x0300 occur)
//   offset 6   u32  size of the whole metafile
//   offset 10  u16  number of objects, the size of the handle table while playing
//   offset 12  u32  largest record (not trusted: the records themselves are checked)
//   offset 16  u16  unused
// Records follow: u32 size (at least 3), u16 function, parameters.
#include "platform/bytes/byte_order.h"
#include "platform/win32/src/gdi/device_context.h"
#include "platform/win32/src/gdi/dib.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <vector>

using namespace win32;

namespace {

constexpr std::size_t kHeaderBytes = 18;
constexpr std::uint32_t kHeaderWords = 9;
constexpr std::uint32_t kRecordFixedWords = 3;
constexpr WORD kMemoryMetafile = 1;
constexpr WORD kDiskMetafile = 2;

// META_STRETCHDIB parameters, bytes from the record's start: raster operation (u32), colour
// usage, source height, source width, source y, source x, destination height, destination
// width, destination y, destination x (16 bits each), then the bitmap's header, colours and bits.
constexpr std::size_t kStretchDibRop = 6;
constexpr std::size_t kStretchDibUsage = 10;
constexpr std::size_t kStretchDibSourceHeight = 12;
constexpr std::size_t kStretchDibSourceWidth = 14;
constexpr std::size_t kStretchDibSourceY = 16;
constexpr std::size_t kStretchDibSourceX = 18;
constexpr std::size_t kStretchDibHeight = 20;
constexpr std::size_t kStretchDibWidth = 22;
constexpr std::size_t kStretchDibY = 24;
constexpr std::size_t kStretchDibX = 26;
constexpr std::size_t kStretchDibBitmap = 28;

struct Metafile : HandleObject {
    static constexpr ObjectKind kKind = ObjectKind::Metafile;
    Metafile(std::vector<BYTE> bits, std::vector<std::size_t> records, WORD objects)
        : HandleObject(kKind), bits(std::move(bits)), records(std::move(records)),
          objects(objects) {}
    std::vector<BYTE> bits;
    std::vector<std::size_t> records; // byte offsets of the records, the end record excluded
    WORD objects;
};

int Signed16(const BYTE* p) {
    return static_cast<std::int16_t>(bytes::LoadU16LE(p));
}

// The byte offsets of the records of a metafile of `words` words, or nothing when a record is
// shorter than its fixed part or runs past the end.
std::optional<std::vector<std::size_t>> RecordOffsets(const BYTE* bits, std::uint32_t words) {
    std::vector<std::size_t> offsets;
    std::uint32_t word = kHeaderWords;
    while (word < words) {
        if (words - word < kRecordFixedWords) {
            return std::nullopt;
        }
        const std::size_t offset = std::size_t{word} * 2;
        const std::uint32_t size = bytes::LoadU32LE(bits + offset);
        if (size < kRecordFixedWords || size > words - word) {
            return std::nullopt;
        }
        if (bytes::LoadU16LE(bits + offset + 4) == META_EOF) {
            break;
        }
        offsets.push_back(offset);
        word += size;
    }
    return offsets;
}

} // namespace

HMETAFILE SetMetaFileBitsEx(UINT size, const BYTE* bits) {
    if (bits == nullptr || size < kHeaderBytes) {
        return nullptr;
    }
    const WORD type = bytes::LoadU16LE(bits);
    const std::uint32_t words = bytes::LoadU32LE(bits + 6);
    if ((type != kMemoryMetafile && type != kDiskMetafile) ||
        bytes::LoadU16LE(bits + 2) != kHeaderWords || words < kHeaderWords ||
        std::uint64_t{words} * 2 > size) {
        return nullptr;
    }
    std::optional<std::vector<std::size_t>> records = RecordOffsets(bits, words);
    if (!records) {
        return nullptr;
    }
    try {
        auto metafile =
            std::make_unique<Metafile>(std::vector<BYTE>(bits, bits + std::size_t{words} * 2),
                                       std::move(*records), bytes::LoadU16LE(bits + 10));
        return MakeHandle<HMETAFILE>(HandleTable::Instance().Insert(std::move(metafile)));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

BOOL EnumMetaFile(HDC dc, HMETAFILE metafile, MFENUMPROC callback, LPARAM data) {
    const Metafile* found = Lookup<Metafile>(metafile);
    if (found == nullptr || callback == nullptr) {
        return FALSE;
    }
    std::vector<HGDIOBJ> handles(std::max<std::size_t>(found->objects, 1), nullptr);
    std::vector<DWORD> record;
    for (const std::size_t offset : found->records) {
        // A record of its own, four-byte aligned and never shorter than the structure.
        const std::size_t length = std::size_t{bytes::LoadU32LE(found->bits.data() + offset)} * 2;
        record.assign((std::max(length, sizeof(METARECORD)) + 3) / 4, 0);
        std::memcpy(record.data(), found->bits.data() + offset, length);
        if (callback(dc, reinterpret_cast<HANDLETABLE*>(handles.data()),
                     reinterpret_cast<METARECORD*>(record.data()), found->objects, data) == 0) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL PlayMetaFileRecord(HDC dc, HANDLETABLE* /*handles*/, const METARECORD* record,
                        UINT /*objects*/) {
    if (record == nullptr) {
        return FALSE;
    }
    if (record->rdFunction != META_STRETCHDIB) {
        return TRUE;
    }
    const std::size_t length = std::size_t{record->rdSize} * 2;
    if (length < kStretchDibBitmap) {
        return FALSE;
    }
    const BYTE* p = reinterpret_cast<const BYTE*>(record);
    const BYTE* bitmap = p + kStretchDibBitmap;
    const std::size_t available = length - kStretchDibBitmap;
    std::string error;
    const std::optional<DibLayout> layout = ParseDibHeader(bitmap, available, error);
    if (!layout || layout->imageSize > available - layout->headerSize) {
        return FALSE;
    }
    const int lines =
        StretchDIBits(dc, Signed16(p + kStretchDibX), Signed16(p + kStretchDibY),
                      Signed16(p + kStretchDibWidth), Signed16(p + kStretchDibHeight),
                      Signed16(p + kStretchDibSourceX), Signed16(p + kStretchDibSourceY),
                      Signed16(p + kStretchDibSourceWidth), Signed16(p + kStretchDibSourceHeight),
                      bitmap + layout->headerSize, reinterpret_cast<const BITMAPINFO*>(bitmap),
                      bytes::LoadU16LE(p + kStretchDibUsage), bytes::LoadU32LE(p + kStretchDibRop));
    return lines != 0 ? TRUE : FALSE;
}

BOOL DeleteMetaFile(HMETAFILE metafile) {
    if (Lookup<Metafile>(metafile) == nullptr) {
        return FALSE;
    }
    HandleTable::Instance().Remove(HandleValue(metafile));
    return TRUE;
}
