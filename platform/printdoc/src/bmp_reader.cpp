// BMP pictures through the project's own reader (platform/win32), whose bitmap is then read
// back as 32-bit rows from the top.
#include "platform/bytes/byte_order.h"
#include "platform/printdoc/src/picture_data.h"
#include "platform/win32/bmp_file.h"
#include "platform/win32/windows.h"

namespace printdoc {

namespace {

// Offset of biXPelsPerMeter in the file: the 14-byte file header, then 24 bytes of the info
// header.
constexpr std::size_t kPelsPerMeterOffset = 38;
// About one dot per inch; a smaller resolution is taken as none recorded.
constexpr std::int32_t kLeastPelsPerMeter = 40;

class OwnedBitmap {
public:
    explicit OwnedBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
    ~OwnedBitmap() { DeleteObject(bitmap_); }
    OwnedBitmap(const OwnedBitmap&) = delete;
    OwnedBitmap& operator=(const OwnedBitmap&) = delete;
    HBITMAP Get() const { return bitmap_; }

private:
    HBITMAP bitmap_;
};

} // namespace

PictureData DecodeBmp(std::string_view bytes) {
    win32::BmpReadResult read = win32::ReadBmp(std::span<const std::uint8_t>(
        reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    if (read.bitmap == nullptr) {
        RefusePicture("BMP: " + read.error);
    }
    OwnedBitmap bitmap(read.bitmap);
    BITMAP shape{};
    if (GetObjectA(bitmap.Get(), sizeof shape, &shape) == 0) {
        RefusePicture("BMP: the bitmap cannot be read back");
    }
    CheckPictureSize(shape.bmWidth, shape.bmHeight);
    PictureData picture;
    picture.width = shape.bmWidth;
    picture.height = shape.bmHeight;
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
    // GetDIBits may fill in colour masks or a table after the header, as Windows does.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = picture.width;
    info.header.biHeight = -picture.height; // rows from the top
    info.header.biPlanes = 1;
    info.header.biBitCount = 32;
    info.header.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    int lines =
        GetDIBits(screen, bitmap.Get(), 0, static_cast<UINT>(picture.height), picture.pixels.data(),
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines != picture.height) {
        RefusePicture("BMP: the bitmap cannot be read back");
    }
    for (std::uint32_t& pixel : picture.pixels) {
        pixel |= 0xFF000000u; // BMP pixels are opaque
    }
    // The resolution, where the file records one; the reader has checked that the info header
    // is there.
    if (bytes.size() >= kPelsPerMeterOffset + 8) {
        const auto* at = reinterpret_cast<const std::uint8_t*>(bytes.data()) + kPelsPerMeterOffset;
        auto x = static_cast<std::int32_t>(bytes::LoadU32LE(at));
        auto y = static_cast<std::int32_t>(bytes::LoadU32LE(at + 4));
        if (x >= kLeastPelsPerMeter && y >= kLeastPelsPerMeter) {
            picture.dotsPerInchX = x * 0.0254;
            picture.dotsPerInchY = y * 0.0254;
        }
    }
    return picture;
}

} // namespace printdoc
