#include "platform/win32/src/gdi/png_writer.h"

#include "platform/bytes/byte_order.h"

#include <zlib.h>

#include <string>

namespace win32 {

namespace {

// One chunk: length, type, data, CRC of type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
    bytes::PutU32BE(out, static_cast<std::uint32_t>(data.size()));
    std::size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
    bytes::PutU32BE(out, static_cast<std::uint32_t>(crc));
}

} // namespace

std::vector<std::uint8_t> EncodePng(const Surface& surface, int dpiX, int dpiY) {
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    std::vector<std::uint8_t> header;
    bytes::PutU32BE(header, static_cast<std::uint32_t>(surface.Width()));
    bytes::PutU32BE(header, static_cast<std::uint32_t>(surface.Height()));
    header.insert(header.end(),
                  {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter set, no interlace
    PutChunk(out, "IHDR", header);

    std::vector<std::uint8_t> physical;
    bytes::PutU32BE(physical, static_cast<std::uint32_t>(dpiX * 10000 / 254));
    bytes::PutU32BE(physical, static_cast<std::uint32_t>(dpiY * 10000 / 254));
    physical.push_back(1); // metres
    PutChunk(out, "pHYs", physical);

    // Every row with filter type 0.
    std::size_t rowBytes = static_cast<std::size_t>(surface.Width()) * 3 + 1;
    std::vector<std::uint8_t> raw(rowBytes * static_cast<std::size_t>(surface.Height()));
    for (int y = 0; y < surface.Height(); ++y) {
        std::uint8_t* row = raw.data() + static_cast<std::size_t>(y) * rowBytes;
        row[0] = 0;
        for (int x = 0; x < surface.Width(); ++x) {
            COLORREF c = surface.Get(x, y);
            row[1 + 3 * x] = GetRValue(c);
            row[2 + 3 * x] = GetGValue(c);
            row[3 + 3 * x] = GetBValue(c);
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6);
    packed.resize(packedSize);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}

} // namespace win32
