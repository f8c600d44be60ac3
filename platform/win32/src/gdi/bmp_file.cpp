#include "platform/win32/bmp_file.h"

#include "platform/bytes/byte_order.h"
#include "platform/runtime/runtime_error.h"
#include "platform/system/files.h"
#include "platform/win32/src/gdi/device_context.h"
#include "platform/win32/src/gdi/dib.h"

namespace win32 {

namespace {

constexpr std::size_t kFileHeaderSize = 14;

BmpReadResult Refuse(std::string error, BmpFault fault = BmpFault::Malformed) {
    return BmpReadResult{nullptr, fault, std::move(error)};
}

} // namespace

BmpReadResult ReadBmp(std::span<const std::uint8_t> file) {
    // The file size field is a claim; only the bytes at hand count.
    if (file.size() < kFileHeaderSize) {
        return Refuse("file header truncated");
    }
    std::uint32_t pixelOffset = bytes::LoadU32LE(file.data() + 10);
    std::string error;
    std::optional<DibLayout> layout =
        ParseDibHeader(file.data() + kFileHeaderSize, file.size() - kFileHeaderSize, error);
    if (!layout) {
        return Refuse(error);
    }
    if (pixelOffset < kFileHeaderSize + layout->headerSize || pixelOffset > file.size()) {
        return Refuse("pixel offset outside the file");
    }
    if (file.size() - pixelOffset < layout->imageSize) {
        return Refuse("pixel data truncated");
    }
    HBITMAP bitmap = NewBitmap(layout->width, layout->height, PixelFormat::Rgb32);
    if (bitmap == nullptr) {
        return Refuse("out of memory", BmpFault::OutOfMemory);
    }
    DecodeDibRows(*layout, file.data() + pixelOffset, 0, layout->height,
                  Lookup<Bitmap>(bitmap)->surface);
    return BmpReadResult{bitmap, BmpFault::None, ""};
}

BmpReadResult ReadBmpFile(const std::filesystem::path& path) {
    std::string contents;
    try {
        contents = sys::ReadWholeFile(path);
    } catch (const runtime::RuntimeError& error) {
        return Refuse(error.what(), BmpFault::CannotOpen);
    }
    return ReadBmp(
        std::span(reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size()));
}

std::vector<std::uint8_t> EncodeBmp(HBITMAP handle, std::size_t gapBytes) {
    Bitmap* bitmap = Lookup<Bitmap>(handle);
    if (bitmap == nullptr) {
        return {};
    }
    const Surface& surface = bitmap->surface;
    int bits = bitmap->ReportedBitsPerPixel();
    if (bits != 1 && bits != 24 && bits != 32) {
        bits = 24;
    }
    DibLayout layout = LayoutFor(surface.Width(), surface.Height(), bits, false);
    if (bits == 32) {
        layout.compression = BI_RGB;
        layout.headerSize = 40;
    }
    if (bits == 1 && surface.Format() == PixelFormat::Mono) {
        layout.colors = {surface.monoColors[0], surface.monoColors[1]};
    }

    std::vector<std::uint8_t> info(layout.headerSize);
    WriteDibHeader(layout, reinterpret_cast<BITMAPINFO*>(info.data()), DibTable::Write);
    std::size_t offset = kFileHeaderSize + info.size() + gapBytes;
    std::vector<std::uint8_t> out;
    out.reserve(offset + layout.imageSize);
    out.push_back('B');
    out.push_back('M');
    bytes::PutU32LE(out, static_cast<std::uint32_t>(offset + layout.imageSize));
    bytes::PutU32LE(out, 0);
    bytes::PutU32LE(out, static_cast<std::uint32_t>(offset));
    out.insert(out.end(), info.begin(), info.end());
    out.resize(offset + layout.imageSize, 0);
    EncodeDibRows(surface, layout, 0, layout.height, out.data() + offset);
    return out;
}

} // namespace win32
